// The match page's commands of the windows: saving it as a PDF and printing it.
#pragma once

#include <QString>

#include "drawing/match_drawing.h"

class QWidget;

namespace quendal {

// "Save As P&DF": asks for a name and writes the page whole or not at all. The path written,
// or empty.
QString SaveMatchAsPdf(QWidget* parent, const MatchSheet& sheet);

// "&Print": the no-printer notice or the print dialog, then the page.
void PrintMatch(QWidget* parent, const MatchSheet& sheet);

}  // namespace quendal
