#include "ui_common/language_menu.h"

#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>

#include "ui_common/language.h"
#include "ui_common/message_box.h"
#include "ui_common/translated_text.h"

namespace quendal {
namespace {

// The choice applies at the next start: every window builds its texts once, from tables.
void ChooseNext(QWidget* window, const QString& code) {
  QSettings().setValue(kLanguageSetting, code);
  if (code == CurrentLanguage()) return;
  ShowMessage(window, TrText("Language", "The new language shows when Quendal starts again."),
              MessageIcon::Information);
}

}  // namespace

QMenu* AddLanguageMenu(QMenuBar* bar, QWidget* window, QMenu* before) {
  auto* menu = new QMenu(TrText("Language", "&Language"), bar);
  menu->setObjectName(QStringLiteral("mnuLanguage"));
  auto* group = new QActionGroup(menu);
  const QString shown = QSettings().value(kLanguageSetting, CurrentLanguage()).toString();
  for (const Language& language : Languages()) {
    QAction* item = menu->addAction(QString::fromUtf8(language.native_name));
    item->setObjectName(QStringLiteral("mnuLanguage_") + QLatin1String(language.code));
    item->setCheckable(true);
    item->setChecked(shown == QLatin1String(language.code));
    group->addAction(item);
    const QString code = QLatin1String(language.code);
    QObject::connect(item, &QAction::triggered, window,
                     [window, code] { ChooseNext(window, code); });
  }
  if (before) {
    bar->insertMenu(before->menuAction(), menu);
  } else {
    bar->addMenu(menu);
  }
  return menu;
}

}  // namespace quendal
