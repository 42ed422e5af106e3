// The chart window's menus and toolbar, built from their tables.
#include <QAction>
#include <QIcon>
#include <QMenuBar>
#include <QToolBar>
#include <array>
#include <vector>

#include "chart_window/MDI.h"
#include "ui_common/translated_text.h"

namespace quendal {
namespace {

enum class Entry { Menu, Item, Separator, End };

// Items the window's design holds but switches off; enabling one is a matter of this flag.
constexpr bool kOff = false;

struct MenuEntry {
  Entry kind;
  const char* name = nullptr;
  const char* caption = nullptr;
  void (MDI::*handler)() = nullptr;
  bool enabled = true;
  bool checkable = false;
};

const MenuEntry kMenus[] = {
    {Entry::Menu, "mnuFile", QT_TRANSLATE_NOOP("MDI", "&File")},
    {Entry::Item, "mnuNew", QT_TRANSLATE_NOOP("MDI", "&New"), &MDI::mnuNew_Click},
    {Entry::Separator},
    {Entry::Item, "mnuSaveAsText", QT_TRANSLATE_NOOP("MDI", "Save &As Text"),
     &MDI::mnuSaveAsText_Click},
    {Entry::Item, "mnuSaveAsJpeg", QT_TRANSLATE_NOOP("MDI", "Save As &JPEG"),
     &MDI::mnuSaveAsJpeg_Click},
    {Entry::Item, "mnuSaveAsPdf", QT_TRANSLATE_NOOP("MDI", "Save As P&DF"),
     &MDI::mnuSaveAsPdf_Click},
    {Entry::Item, "mnuSaveReportAsPdf", QT_TRANSLATE_NOOP("MDI", "Save &Report As PDF..."),
     &MDI::mnuSaveReportAsPdf_Click},
    {Entry::Separator},
    {Entry::Item, "mnuExport", QT_TRANSLATE_NOOP("MDI", "&Export Chart As Text"),
     &MDI::mnuExport_Click},
    {Entry::Separator},
    {Entry::Item, "mnuMatch", QT_TRANSLATE_NOOP("MDI", "&Match With Saved Reading..."),
     &MDI::mnuMatch_Click},
    {Entry::Separator},
    {Entry::Item, "mnuPrint", QT_TRANSLATE_NOOP("MDI", "&Print"), &MDI::mnuPrint_Click},
    {Entry::Item, "mnuPrintReport", QT_TRANSLATE_NOOP("MDI", "Print &Report..."),
     &MDI::mnuPrintReport_Click},
    {Entry::Separator},
    {Entry::Item, "mnuBack", QT_TRANSLATE_NOOP("MDI", "&Back"), &MDI::mnuBack_Click},
    {Entry::Separator},
    {Entry::Item, "mnuExit", QT_TRANSLATE_NOOP("MDI", "E&xit"), &MDI::mnuExit_Click},
    {Entry::End},

    {Entry::Menu, "mnuView", QT_TRANSLATE_NOOP("MDI", "&View")},
    {Entry::Item, "mnuToolBar", QT_TRANSLATE_NOOP("MDI", "&Toolbar"), &MDI::mnuToolBar_Click, true,
     true},
    {Entry::Item, "mnuStatusBar", QT_TRANSLATE_NOOP("MDI", "&Status Bar"), &MDI::mnuStatusBar_Click,
     true, true},
    {Entry::Separator},
    {Entry::Menu, "mnuChartStyle", QT_TRANSLATE_NOOP("MDI", "&Chart Style"), nullptr, true},
    {Entry::Item, "mnuNorth", QT_TRANSLATE_NOOP("MDI", "&North Indian"), &MDI::mnuNorth_Click, true,
     true},
    {Entry::Item, "mnuSouth", QT_TRANSLATE_NOOP("MDI", "&South Indian"), &MDI::mnuSouth_Click, true,
     true},
    {Entry::Item, "mnuNatal", QT_TRANSLATE_NOOP("MDI", "&Natal Indian"), &MDI::mnuNatal_Click, true,
     true},
    {Entry::End},
    {Entry::Menu, "mnuColor", QT_TRANSLATE_NOOP("MDI", "Colo&r Style"), nullptr, true},
    {Entry::Item, "mnuColorOn", QT_TRANSLATE_NOOP("MDI", "O&n"), &MDI::mnuColorOn_Click, true,
     true},
    {Entry::Item, "mnuColorOff", QT_TRANSLATE_NOOP("MDI", "O&ff"), &MDI::mnuColorOff_Click, true,
     true},
    {Entry::End},
    {Entry::Separator},
    {Entry::Item, "mnuChart", QT_TRANSLATE_NOOP("MDI", "&Chart"), &MDI::mnuChart_Click, true, true},
    {Entry::Menu, "mnuDivisionalCharts", QT_TRANSLATE_NOOP("MDI", "&Divisional Charts"), nullptr,
     true},
    {Entry::Item, "mnuSub_Hora", QT_TRANSLATE_NOOP("MDI", "&Hora"), &MDI::mnuSub_Hora_Click, true,
     true},
    {Entry::Item, "mnuSub_Drekkana", QT_TRANSLATE_NOOP("MDI", "&Drekkana"),
     &MDI::mnuSub_Drekkana_Click, true, true},
    {Entry::Item, "mnuSub_Sapthamsa", QT_TRANSLATE_NOOP("MDI", "&Sapthamsa"),
     &MDI::mnuSub_Sapthamsa_Click, true, true},
    {Entry::Item, "mnuSub_Navamsa", QT_TRANSLATE_NOOP("MDI", "&Navamsa"),
     &MDI::mnuSub_Navamsa_Click, true, true},
    {Entry::Item, "mnuSub_Dasamsa", QT_TRANSLATE_NOOP("MDI", "&D&asamsa"),
     &MDI::mnuSub_Dasamsa_Click, true, true},
    {Entry::Item, "mnuSub_Dwadasamsa", QT_TRANSLATE_NOOP("MDI", "D&wadasamsa"),
     &MDI::mnuSub_Dwadasamsa_Click, true, true},
    {Entry::End},
    {Entry::End},

    {Entry::Menu, "mnuHelp", QT_TRANSLATE_NOOP("MDI", "&Help")},
    {Entry::Item, "mnuOnline", QT_TRANSLATE_NOOP("MDI", "&Online Help"), &MDI::mnuOnline_Click},
    {Entry::Item, "mnuVisit", QT_TRANSLATE_NOOP("MDI", "&Visit Us Online"), &MDI::mnuVisit_Click},
    {Entry::Separator},
    {Entry::Item, "mnuUpdate", QT_TRANSLATE_NOOP("MDI", "Check for Software &Update"),
     &MDI::mnuUpdate_Click},
    {Entry::Separator},
    {Entry::Item, "mnuAbout", QT_TRANSLATE_NOOP("MDI", "&About Software"), &MDI::mnuAbout_Click},
    {Entry::Item, "mnuDonate", QT_TRANSLATE_NOOP("MDI", "&Donate"), &MDI::mnuDonate_Click},
    {Entry::Item, "mnuMakeMoney", QT_TRANSLATE_NOOP("MDI", "Make Money &Online"),
     &MDI::mnuMakeMoney_Click, kOff},
    {Entry::End},
};

struct ToolButton {
  const char* key;
  const char* tip;
  const char* image;
};
constexpr std::array<ToolButton, 4> kToolButtons = {{
    {QT_TRANSLATE_NOOP("MDI", "New"), QT_TRANSLATE_NOOP("MDI", "New chart"), ":/toolbar_1_new.svg"},
    {QT_TRANSLATE_NOOP("MDI", "Save"), QT_TRANSLATE_NOOP("MDI", "Save reading"),
     ":/toolbar_2_save.svg"},
    {QT_TRANSLATE_NOOP("MDI", "Print"), QT_TRANSLATE_NOOP("MDI", "Print"), ":/toolbar_3_print.svg"},
    {QT_TRANSLATE_NOOP("MDI", "Help"), QT_TRANSLATE_NOOP("MDI", "Online help"),
     ":/toolbar_4_help.svg"},
}};

}  // namespace

void MDI::BuildMenus() {
  std::vector<QMenu*> open;
  for (const MenuEntry& entry : kMenus) {
    switch (entry.kind) {
      case Entry::Menu: {
        QMenu* menu = open.empty() ? menuBar()->addMenu(TrText("MDI", entry.caption))
                                   : open.back()->addMenu(TrText("MDI", entry.caption));
        menu->setObjectName(QLatin1String(entry.name));
        menu->menuAction()->setObjectName(QLatin1String(entry.name));
        menu->menuAction()->setEnabled(entry.enabled);
        open.push_back(menu);
        break;
      }
      case Entry::Item: {
        QAction* action = open.back()->addAction(TrText("MDI", entry.caption));
        action->setObjectName(QLatin1String(entry.name));
        action->setEnabled(entry.enabled);
        action->setCheckable(entry.checkable);
        // Handlers set their own check marks, as the toolbar toggle must read the mark it
        // had before the click; undo the toggle Qt makes on its own first.
        const auto handler = entry.handler;
        connect(action, &QAction::triggered, this, [this, action, handler] {
          if (action->isCheckable()) action->setChecked(!action->isChecked());
          (this->*handler)();
        });
        break;
      }
      case Entry::Separator:
        open.back()->addSeparator();
        break;
      case Entry::End:
        open.pop_back();
        break;
    }
  }
}

void MDI::BuildToolBar() {
  TB_ = addToolBar(QStringLiteral("Toolbar"));
  TB_->setObjectName(QStringLiteral("TB"));
  TB_->setMovable(false);
  TB_->setFloatable(false);
  TB_->setIconSize(QSize(20, 20));
  TB_->toggleViewAction()->setVisible(false);
  for (const ToolButton& button : kToolButtons) {
    QAction* action = TB_->addAction(QIcon(QLatin1String(button.image)), TrText("MDI", button.key));
    action->setObjectName(QStringLiteral("TB_%1").arg(QLatin1String(button.key)));
    action->setData(QLatin1String(button.key));
    action->setToolTip(TrText("MDI", button.tip));
  }
  connect(TB_, &QToolBar::actionTriggered, this, &MDI::TB_ButtonClick);
}

void MDI::TB_ButtonClick(QAction* button) {
  if (!button) return;
  const QString key = button->data().toString();
  if (key == QLatin1String("New")) {
    mnuNew_Click();
  } else if (key == QLatin1String("Save")) {
    mnuSaveAsText_Click();
  } else if (key == QLatin1String("Print")) {
    mnuPrint_Click();
  } else if (key == QLatin1String("Help")) {
    mnuOnline_Click();  // the online help page
  }
}

}  // namespace quendal
