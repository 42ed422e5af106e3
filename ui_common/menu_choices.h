// Menu items that are one choice among several, and the standard keys of common commands.
#pragma once

#include <QKeySequence>
#include <initializer_list>
#include <utility>

class QWidget;

namespace quendal {

// Puts the named checkable items of `window` into one exclusive group, so they are drawn as
// one choice and only one can be checked.
void GroupChoices(QWidget* window, std::initializer_list<const char*> names);

// Gives each named action its key; the key is shown in the menu beside the caption.
void SetShortcuts(QWidget* window,
                  std::initializer_list<std::pair<const char*, QKeySequence>> shortcuts);

}  // namespace quendal
