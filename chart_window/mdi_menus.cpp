// The chart window's menus and toolbar, built from their tables.
#include <QAction>
#include <QIcon>
#include <QMenuBar>
#include <QToolBar>
#include <array>
#include <vector>

#include "chart_window/MDI.h"

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
    {Entry::Menu, "mnuFile", "&File"},
    {Entry::Item, "mnuNew", "&New", &MDI::mnuNew_Click},
    {Entry::Separator},
    {Entry::Item, "mnuSaveAsText", "Save &As Text", &MDI::mnuSaveAsText_Click},
    {Entry::Item, "mnuSaveAsJpeg", "Save As &JPEG", &MDI::mnuSaveAsJpeg_Click},
    {Entry::Item, "mnuSaveAsPdf", "Save As P&DF", &MDI::mnuSaveAsPdf_Click},
    {Entry::Item, "mnuSaveReportAsPdf", "Save &Report As PDF...", &MDI::mnuSaveReportAsPdf_Click},
    {Entry::Separator},
    {Entry::Item, "mnuExport", "&Export Chart As Text", &MDI::mnuExport_Click},
    {Entry::Separator},
    {Entry::Item, "mnuMatch", "&Match With Saved Reading...", &MDI::mnuMatch_Click},
    {Entry::Separator},
    {Entry::Item, "mnuPrint", "&Print", &MDI::mnuPrint_Click},
    {Entry::Item, "mnuPrintReport", "Print &Report...", &MDI::mnuPrintReport_Click},
    {Entry::Separator},
    {Entry::Item, "mnuBack", "&Back", &MDI::mnuBack_Click},
    {Entry::Separator},
    {Entry::Item, "mnuExit", "E&xit", &MDI::mnuExit_Click},
    {Entry::End},

    {Entry::Menu, "mnuView", "&View"},
    {Entry::Item, "mnuToolBar", "&Toolbar", &MDI::mnuToolBar_Click, true, true},
    {Entry::Item, "mnuStatusBar", "&Status Bar", &MDI::mnuStatusBar_Click, true, true},
    {Entry::Separator},
    {Entry::Menu, "mnuChartStyle", "&Chart Style", nullptr, true},
    {Entry::Item, "mnuNorth", "&North Indian", &MDI::mnuNorth_Click, true, true},
    {Entry::Item, "mnuSouth", "&South Indian", &MDI::mnuSouth_Click, true, true},
    {Entry::Item, "mnuNatal", "&Natal Indian", &MDI::mnuNatal_Click, true, true},
    {Entry::End},
    {Entry::Menu, "mnuColor", "Colo&r Style", nullptr, true},
    {Entry::Item, "mnuColorOn", "O&n", &MDI::mnuColorOn_Click, true, true},
    {Entry::Item, "mnuColorOff", "O&ff", &MDI::mnuColorOff_Click, true, true},
    {Entry::End},
    {Entry::Separator},
    {Entry::Item, "mnuChart", "&Chart", &MDI::mnuChart_Click, true, true},
    {Entry::Menu, "mnuDivisionalCharts", "&Divisional Charts", nullptr, true},
    {Entry::Item, "mnuSub_Hora", "&Hora", &MDI::mnuSub_Hora_Click, true, true},
    {Entry::Item, "mnuSub_Drekkana", "&Drekkana", &MDI::mnuSub_Drekkana_Click, true, true},
    {Entry::Item, "mnuSub_Sapthamsa", "&Sapthamsa", &MDI::mnuSub_Sapthamsa_Click, true, true},
    {Entry::Item, "mnuSub_Navamsa", "&Navamsa", &MDI::mnuSub_Navamsa_Click, true, true},
    {Entry::Item, "mnuSub_Dasamsa", "&D&asamsa", &MDI::mnuSub_Dasamsa_Click, true, true},
    {Entry::Item, "mnuSub_Dwadasamsa", "D&wadasamsa", &MDI::mnuSub_Dwadasamsa_Click, true, true},
    {Entry::End},
    {Entry::End},

    {Entry::Menu, "mnuHelp", "&Help"},
    {Entry::Item, "mnuOnline", "&Online Help", &MDI::mnuOnline_Click},
    {Entry::Item, "mnuVisit", "&Visit Us Online", &MDI::mnuVisit_Click},
    {Entry::Separator},
    {Entry::Item, "mnuUpdate", "Check for Software &Update", &MDI::mnuUpdate_Click},
    {Entry::Separator},
    {Entry::Item, "mnuAbout", "&About Software", &MDI::mnuAbout_Click},
    {Entry::Item, "mnuDonate", "&Donate", &MDI::mnuDonate_Click},
    {Entry::Item, "mnuMakeMoney", "Make Money &Online", &MDI::mnuMakeMoney_Click, kOff},
    {Entry::End},
};

struct ToolButton {
  const char* key;
  const char* tip;
  const char* image;
};
constexpr std::array<ToolButton, 4> kToolButtons = {{
    {"New", "New chart", ":/toolbar_1_new.svg"},
    {"Save", "Save reading", ":/toolbar_2_save.svg"},
    {"Print", "Print", ":/toolbar_3_print.svg"},
    {"Help", "Online help", ":/toolbar_4_help.svg"},
}};

}  // namespace

void MDI::BuildMenus() {
  std::vector<QMenu*> open;
  for (const MenuEntry& entry : kMenus) {
    switch (entry.kind) {
      case Entry::Menu: {
        QMenu* menu = open.empty() ? menuBar()->addMenu(QString::fromUtf8(entry.caption))
                                   : open.back()->addMenu(QString::fromUtf8(entry.caption));
        menu->setObjectName(QLatin1String(entry.name));
        menu->menuAction()->setObjectName(QLatin1String(entry.name));
        menu->menuAction()->setEnabled(entry.enabled);
        open.push_back(menu);
        break;
      }
      case Entry::Item: {
        QAction* action = open.back()->addAction(QString::fromUtf8(entry.caption));
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
    QAction* action = TB_->addAction(QIcon(QLatin1String(button.image)), QLatin1String(button.key));
    action->setObjectName(QStringLiteral("TB_%1").arg(QLatin1String(button.key)));
    action->setData(QLatin1String(button.key));
    action->setToolTip(QLatin1String(button.tip));
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
