// The chart window offscreen: menus, toolbar, bars, navigation signals and the snapshot.
#include <gtest/gtest.h>

#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <QToolBar>

#include "chart_window/MDI.h"
#include "chart_window/frmDisplay.h"
#include "tests/golden_charts.h"

namespace quendal {
namespace {

class ChartWindow : public ::testing::Test {
 protected:
  ChartSession session;
  // The chart style and colours are remembered; every window here starts from a new user's.
  bool settings_cleared = (QSettings().clear(), true);
  MDI window{session};

  QAction* Item(const char* name) { return window.findChild<QAction*>(name); }
  QWidget* Widget(const char* name) { return window.findChild<QWidget*>(name); }
};

// Control names of a menu's entries in order, "-" for a separator and "name>" for a submenu
// followed by its own entries and "<".
QStringList Entries(const QMenu* menu) {
  QStringList entries;
  for (QAction* action : menu->actions()) {
    if (action->isSeparator()) {
      entries << "-";
    } else if (action->menu()) {
      entries << action->objectName() + ">" << Entries(action->menu()) << "<";
    } else {
      entries << action->objectName();
    }
  }
  return entries;
}

TEST_F(ChartWindow, MenusInOrderWithSeparatorsAndSwitchedOffItems) {
  const QList<QAction*> menus = window.menuBar()->actions();
  ASSERT_EQ(menus.size(), 4);
  EXPECT_EQ(menus[0]->text(), "&File");
  EXPECT_EQ(menus[1]->text(), "&View");
  EXPECT_EQ(menus[2]->text(), "&Language");
  EXPECT_EQ(menus[3]->text(), "&Help");
  EXPECT_EQ(Entries(menus[0]->menu()).join(' '),
            "mnuNew - mnuSaveAsText mnuSaveAsJpeg mnuSaveAsPdf mnuSaveReportAsPdf - mnuExport - "
            "mnuMatch - mnuPrint mnuPrintReport - mnuBack - mnuExit");
  EXPECT_EQ(Entries(menus[1]->menu()).join(" ").toStdString(),
            "mnuToolBar mnuStatusBar - mnuChartStyle> mnuNorth mnuSouth mnuNatal < "
            "mnuColor> mnuColorOn mnuColorOff < - mnuChart mnuDivisionalCharts> mnuSub_Rashi "
            "mnuSub_Hora mnuSub_Drekkana mnuSub_Chaturthamsha mnuSub_Sapthamsa mnuSub_Navamsa "
            "mnuSub_Dasamsa mnuSub_Dwadasamsa mnuSub_Shodashamsha mnuSub_Vimshamsha "
            "mnuSub_Chaturvimshamsha mnuSub_Saptavimshamsha mnuSub_Trimshamsha "
            "mnuSub_Khavedamsha mnuSub_Akshavedamsha mnuSub_Shashtiamsha < - mnuZodiac> "
            "mnuTropical mnuSidereal mnuSiderealKrishnamurti mnuSiderealRaman "
            "mnuSiderealTrueChitrapaksha mnuSiderealYukteshwar mnuSiderealFaganBradley < "
            "mnuPositions> mnuClassic mnuPrecise - mnuTrueNode < mnuDasha mnuVargas mnuTransits");
  EXPECT_EQ(Entries(menus[2]->menu()).join(' '), "mnuLanguage_en mnuLanguage_hi mnuLanguage_ta");
  EXPECT_EQ(Entries(menus[3]->menu()).join(' '),
            "mnuOnline mnuVisit - mnuUpdate - mnuAbout mnuDonate mnuMakeMoney");
  EXPECT_EQ(Item("mnuSaveAsText")->text(), "Save &As Text");
  EXPECT_EQ(Item("mnuSub_Dasamsa")->text(), "&D&asamsa");
  EXPECT_EQ(Item("mnuMakeMoney")->text(), "Make Money &Online");
  EXPECT_EQ(Item("mnuSaveAsPdf")->text(), "Save As P&DF");

  EXPECT_FALSE(Item("mnuMakeMoney")->isEnabled());
  for (const char* on :
       {"mnuNew", "mnuSaveAsText", "mnuSaveAsJpeg", "mnuSaveAsPdf", "mnuExport", "mnuPrint",
        "mnuBack", "mnuExit", "mnuToolBar", "mnuStatusBar", "mnuChartStyle", "mnuColor", "mnuChart",
        "mnuDivisionalCharts", "mnuOnline", "mnuVisit", "mnuUpdate", "mnuAbout", "mnuDonate"}) {
    EXPECT_TRUE(Item(on)->isEnabled()) << on;
  }
}

TEST_F(ChartWindow, StartsWithTheLoadCheckMarksAndTheToolbarShown) {
  EXPECT_EQ(window.windowTitle(), "Quendal v1.85");
  // The wheel is on screen, so its item carries the check mark.
  for (const char* name : {"mnuToolBar", "mnuStatusBar", "mnuColorOff", "mnuChart", "mnuNatal"})
    EXPECT_TRUE(Item(name)->isChecked()) << name;
  for (const char* name : {"mnuNorth", "mnuSouth", "mnuColorOn", "mnuSub_Hora"})
    EXPECT_FALSE(Item(name)->isChecked()) << name;
  EXPECT_FALSE(Widget("TB")->isHidden());
}

// Each of these menus is one choice: triggering an item twice leaves it checked alone.
TEST_F(ChartWindow, ChoiceMenusAreExclusiveGroupsAndCommandsHaveTheirKeys) {
  for (const QStringList& group :
       {QStringList{"mnuNorth", "mnuSouth", "mnuNatal"}, QStringList{"mnuColorOn", "mnuColorOff"},
        QStringList{"mnuTropical", "mnuSidereal"}, QStringList{"mnuClassic", "mnuPrecise"}}) {
    for (const QString& name : group) {
      QAction* item = Item(name.toLatin1());
      ASSERT_TRUE(item->actionGroup() && item->actionGroup()->isExclusive()) << name.toStdString();
      if (!name.startsWith("mnuNo") && !name.startsWith("mnuSo") && !name.startsWith("mnuCo"))
        continue;  // the zodiac and positions recast the chart: tested with a chart
      item->trigger();
      item->trigger();
      for (const QString& other : group)
        EXPECT_EQ(Item(other.toLatin1())->isChecked(), other == name) << other.toStdString();
    }
  }
  const std::pair<const char*, const char*> keys[] = {{"mnuSaveAsText", "Ctrl+S"},
                                                      {"mnuExport", "Ctrl+E"},
                                                      {"mnuPrint", "Ctrl+P"},
                                                      {"mnuExit", "Ctrl+Q"}};
  for (const auto& [name, key] : keys) EXPECT_EQ(Item(name)->shortcut().toString(), key) << name;
}

TEST_F(ChartWindow, ToolbarItemTogglesTheToolbarAndItsCheckMark) {
  Item("mnuToolBar")->trigger();
  EXPECT_TRUE(Widget("TB")->isHidden());
  EXPECT_FALSE(Item("mnuToolBar")->isChecked());
  Item("mnuToolBar")->trigger();
  EXPECT_FALSE(Widget("TB")->isHidden());
  EXPECT_TRUE(Item("mnuToolBar")->isChecked());
}

TEST_F(ChartWindow, ToolbarDispatchesByExactKey) {
  auto* toolbar = window.findChild<QToolBar*>("TB");
  QStringList keys;
  for (QAction* button : toolbar->actions()) {
    keys << button->data().toString();
    EXPECT_FALSE(button->icon().pixmap(16, 16).isNull());
  }
  EXPECT_EQ(keys, QStringList({"New", "Save", "Print", "Help"}));

  QSignalSpy news(&window, &MDI::NewRequested);
  QSignalSpy backs(&window, &MDI::BackRequested);
  QSignalSpy exits(&window, &MDI::ExitRequested);
  QAction stray;
  for (const char* key : {"new", "NEW", "Open", ""}) {
    stray.setData(QString::fromLatin1(key));
    window.TB_ButtonClick(&stray);
  }
  for (const char* name : {"TB_Save", "TB_Print", "TB_Help"}) Item(name)->trigger();
  EXPECT_EQ(news.count() + backs.count() + exits.count(), 0);
  Item("TB_New")->trigger();
  EXPECT_EQ(news.count(), 1);
  EXPECT_EQ(exits.count(), 0);
}

TEST_F(ChartWindow, ResizeKeepsButtonsRightAndLabelsCentredEvenWhenNegative) {
  auto left = [this](const char* name) { return Widget(name)->x(); };
  window.show();
  // The rule reads the outer width, frame included.
  const int frame = window.frameGeometry().width() - window.width();
  window.resize(1000 - frame, 700);
  ASSERT_EQ(window.frameGeometry().width(), 1000);
  // 15000 twips: Exit at 13605, Back at 12410, JPEG at 10735, heading 4965, link 4740.
  EXPECT_EQ(left("cmdExit"), 907);
  EXPECT_EQ(left("cmdBack"), 827);
  EXPECT_EQ(left("cmdSaveAsJPEG"), 715);
  EXPECT_EQ(left("lblHeading"), 331);
  EXPECT_EQ(left("lblURL"), 316);

  window.resize(200 - frame, 700);
  ASSERT_EQ(window.frameGeometry().width(), 200);
  // 3000 twips: Exit at 1605, Back at 410, JPEG at -1265, heading -1035, link -1260.
  EXPECT_EQ(left("cmdExit"), 107);
  EXPECT_EQ(left("cmdBack"), 27);
  EXPECT_EQ(left("cmdSaveAsJPEG"), -84);
  EXPECT_EQ(left("lblHeading"), -69);
  EXPECT_EQ(left("lblURL"), -84);
}

TEST_F(ChartWindow, ActivationStoresASnapshotOfTheChartChild) {
  frmDisplay* display = window.Display();
  ASSERT_NE(display, nullptr);
  EXPECT_TRUE(display->Snapshot().isNull());
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  const QImage snapshot = display->Snapshot();
  EXPECT_EQ(snapshot.size() / snapshot.devicePixelRatio(), display->size());
  EXPECT_EQ(display->findChild<QLabel*>("Picture1")->pixmap().size(), snapshot.size());
}

TEST_F(ChartWindow, BackAndNewCloseWithoutEndingTheProgram) {
  QSignalSpy backs(&window, &MDI::BackRequested);
  QSignalSpy news(&window, &MDI::NewRequested);
  QSignalSpy exits(&window, &MDI::ExitRequested);
  window.show();
  QTest::mouseClick(window.findChild<QPushButton*>("cmdBack"), Qt::LeftButton);
  EXPECT_EQ(backs.count(), 1);
  EXPECT_FALSE(window.isVisible());
  window.show();
  Item("mnuNew")->trigger();
  EXPECT_EQ(news.count(), 1);
  EXPECT_FALSE(window.isVisible());
  Item("mnuBack")->trigger();
  EXPECT_EQ(backs.count(), 2);
  EXPECT_EQ(exits.count(), 0);
}

TEST_F(ChartWindow, ExitButtonMenuAndCloseBoxEndTheProgramOnce) {
  QSignalSpy exits(&window, &MDI::ExitRequested);
  window.show();
  window.close();
  EXPECT_EQ(exits.count(), 1);

  MDI other(session);
  QSignalSpy other_exits(&other, &MDI::ExitRequested);
  other.show();
  QTest::mouseClick(other.findChild<QPushButton*>("cmdExit"), Qt::LeftButton);
  other.findChild<QAction*>("mnuExit")->trigger();
  other.close();  // the shutdown closing the window it asked for
  EXPECT_EQ(other_exits.count(), 1);
}

// The colour items still colour the hidden sign cells as well as the houses on view.
TEST_F(ChartWindow, ColourItemsColourTheHiddenSignCells) {
  frmDisplay* display = window.Display();
  auto ink = [display](const char* cell) {
    return display->findChild<QLabel*>(cell)->palette().color(QPalette::WindowText);
  };
  window.mnuColorOn_Click();
  EXPECT_EQ(ink("lblNatalLibra"), QColor(128, 128, 128));
  EXPECT_EQ(ink("lblNatalPisces"), QColor(128, 0, 0));
  window.mnuColorOff_Click();
  EXPECT_EQ(ink("lblNatalLibra"), QColor(0, 0, 0));
}

// The whole window with a chart; QUENDAL_WINDOW_PNG names a file to keep it for a person.
TEST_F(ChartWindow, RendersBarsAroundTheChart) {
  const std::vector<test::GoldenChart>& charts = test::GoldenCharts();
  ASSERT_FALSE(charts.empty());
  session.birth_data = charts[7].birth;
  MDI filled(session);
  filled.Display()->FillChart(charts[7].chart);
  filled.show();
  filled.resize(1000, 790);
  QCoreApplication::processEvents();
  const QImage image = filled.grab().toImage();
  const QColor bar(255, 199, 6);
  for (const char* name : {"picTop", "Picture1"}) {
    QWidget* panel = filled.findChild<QWidget*>(name);
    EXPECT_EQ(image.pixelColor(panel->mapTo(&filled, QPoint(panel->width() / 2, 45))), bar) << name;
  }
  if (qEnvironmentVariableIsSet("QUENDAL_WINDOW_PNG")) {
    image.save(qEnvironmentVariable("QUENDAL_WINDOW_PNG"));
  }
}

}  // namespace
}  // namespace quendal
