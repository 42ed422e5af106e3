// The Language menu of the form and the chart window: the choice is kept and takes effect at
// the next start, which a one-line message says.
#pragma once

class QMenu;
class QMenuBar;
class QWidget;

namespace quendal {

// Adds "&Language" (mnuLanguage, items mnuLanguage_<code>) to bar before its menu before, or
// at the end when before is null.
QMenu* AddLanguageMenu(QMenuBar* bar, QWidget* window, QMenu* before = nullptr);

}  // namespace quendal
