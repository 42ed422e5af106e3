#include "chart_window/division_items.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

#include "ui_common/translated_text.h"

namespace quendal {

void AddDivisionItems(QMenu* menu, QObject* owner, const std::function<void(int)>& show) {
  if (!menu) return;
  for (std::size_t i = 0; i < kDivisionItems.size(); ++i) {
    const DivisionItem& item = kDivisionItems[i];
    if (!item.caption) continue;
    // Before the design's next item, or at the end.
    QAction* before = nullptr;
    for (std::size_t j = i + 1; j < kDivisionItems.size() && !before; ++j) {
      if (!kDivisionItems[j].caption)
        before = menu->findChild<QAction*>(QLatin1String(kDivisionItems[j].name));
    }
    auto* action = new QAction(TrText("MDI", item.caption), menu);
    action->setObjectName(QLatin1String(item.name));
    action->setCheckable(true);
    menu->insertAction(before, action);
    QObject::connect(action, &QAction::triggered, owner,
                     [show, division = item.division] { show(division); });
  }
}

void CheckDivisionItems(const QWidget* window, int division) {
  for (const DivisionItem& item : kDivisionItems) {
    if (!item.caption) continue;
    if (auto* action = window->findChild<QAction*>(QLatin1String(item.name)))
      action->setChecked(item.division == division);
  }
}

}  // namespace quendal
