// Place names in the two forms the atlas needs besides its own: folded for matching (what a
// person types on any keyboard finds the name) and plain for files that hold Windows-1252.
#pragma once

#include <QString>
#include <QStringView>

namespace quendal {

// Lower case, accents and strokes removed ("Łódź" -> "lodz"), apostrophes dropped, any other
// mark a single blank, blanks collapsed and trimmed: "St. Louis" -> "st louis".
QString FoldForSearch(QStringView text);

// The name itself when the reading file can hold every character of it; otherwise the whole
// name without accents ("Łódź" -> "Lodz"), so it is saved and read back unchanged.
QString TextForReadingFile(const QString& text);

}  // namespace quendal
