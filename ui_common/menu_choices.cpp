#include "ui_common/menu_choices.h"

#include <QAction>
#include <QActionGroup>
#include <QWidget>

namespace quendal {

void GroupChoices(QWidget* window, std::initializer_list<const char*> names) {
  auto* group = new QActionGroup(window);
  group->setExclusive(true);
  for (const char* name : names) {
    if (auto* item = window->findChild<QAction*>(QLatin1String(name))) group->addAction(item);
  }
}

void SetShortcuts(QWidget* window,
                  std::initializer_list<std::pair<const char*, QKeySequence>> shortcuts) {
  for (const auto& [name, key] : shortcuts) {
    if (auto* item = window->findChild<QAction*>(QLatin1String(name))) item->setShortcut(key);
  }
}

}  // namespace quendal
