// The faces that show the scripts of the languages: the windows' font falls back on them, and a
// missing one is said at start-up rather than drawn as empty boxes.
#pragma once

#include <QString>

class QLabel;

namespace quendal {

// The message to show when the installed language's face is missing; empty when it is there
// (or the language needs none).
QString MissingFontMessage(const QString& code);

// A translated text wider than its label: the label's type shrinks (to 70% at most) until the
// text fits. English labels are left as the layout has them.
void FitTranslatedText(QLabel* label);

}  // namespace quendal
