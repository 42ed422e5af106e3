// The ayanamsha items, the true node, the sixteen divisional items, the dasha year and the
// Shodashavarga and Nakshatras window, driven offscreen.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QSettings>
#include <QStatusBar>
#include <QTableWidget>
#include <QTreeWidget>

#include "chart_window/MDI.h"
#include "chart_window/chart_options_menu.h"
#include "chart_window/dasha_window.h"
#include "chart_window/frmDisplay.h"
#include "chart_window/varga_window.h"
#include "tests/golden_charts.h"
#include "vedic/divisional_signs.h"
#include "vedic/precise_engine.h"

namespace quendal {
namespace {

class ConventionsMenuTest : public ::testing::Test {
 protected:
  void SetUp() override {
    QSettings().remove(QStringLiteral("Chart"));
    const test::GoldenChart& golden = test::GoldenCharts().at(7);
    session_.birth_data = StoreZoneRow(golden.birth, golden.zone_row);
    session_.chart = CalculateChart(session_.birth_data, session_.options);
    window_ = std::make_unique<MDI>(session_);
    window_->Display()->FillChart(session_.chart);
  }

  QAction* Item(const char* name) { return window_->findChild<QAction*>(name); }
  QString Caption(const char* name) { return window_->Display()->findChild<QLabel*>(name)->text(); }

  ChartSession session_;
  std::unique_ptr<MDI> window_;
};

TEST_F(ConventionsMenuTest, KrishnamurtiRecastsTheChartAndNamesItself) {
  QAction* kp = Item("mnuSiderealKrishnamurti");
  ASSERT_NE(kp, nullptr);
  EXPECT_EQ(kp->text(), "Sidereal (&Krishnamurti)");
  if (!PrecisePositionsBuilt()) {
    EXPECT_FALSE(kp->isEnabled());
    return;
  }
  const Chart lahiri = CalculateChart(session_.birth_data, {Zodiac::SiderealLahiri});
  kp->trigger();
  const Chart expected = CalculateChart(
      session_.birth_data,
      {Zodiac::SiderealLahiri, PositionsSource::Classic, AyanamshaSystem::Krishnamurti});
  EXPECT_TRUE(kp->isChecked());
  EXPECT_FALSE(Item("mnuSidereal")->isChecked());
  EXPECT_FALSE(Item("mnuTropical")->isChecked());
  EXPECT_EQ(session_.chart.Longitudes, expected.Longitudes);
  EXPECT_NE(expected.Longitudes, lahiri.Longitudes);
  EXPECT_EQ(Caption("lblChartOptions"), "Sidereal (Krishnamurti) \u00b7 Classic");
  EXPECT_EQ(window_->findChild<QLabel*>("lblStatusZodiac")->text(),
            "Sidereal (Krishnamurti) zodiac, classic positions");
  EXPECT_EQ(QSettings().value(kAyanamshaKey).toString(), "krishnamurti");
  EXPECT_EQ(LoadChartOptions(QSettings()).ayanamsha, AyanamshaSystem::Krishnamurti);
}

TEST_F(ConventionsMenuTest, TrueNodeOnlyWithPrecisePositions) {
  QAction* true_node = Item("mnuTrueNode");
  ASSERT_NE(true_node, nullptr);
  EXPECT_FALSE(true_node->isEnabled());
  EXPECT_FALSE(true_node->isChecked());
  if (!PrecisePositionsBuilt()) return;
  Item("mnuPrecise")->trigger();
  EXPECT_TRUE(true_node->isEnabled());
  true_node->trigger();
  EXPECT_TRUE(true_node->isChecked());
  EXPECT_EQ(session_.chart.Options.node, NodeKind::True);
  EXPECT_EQ(Caption("lblChartOptions"), "Tropical \u00b7 Precise \u00b7 True Node");
  // Back to the classic formulas: their own node, the item off and unchecked.
  Item("mnuClassic")->trigger();
  EXPECT_FALSE(true_node->isEnabled());
  EXPECT_FALSE(true_node->isChecked());
  EXPECT_EQ(session_.chart.Options.node, NodeKind::Mean);
}

TEST_F(ConventionsMenuTest, SixteenDivisionsInOrderEachDrawn) {
  auto* menu = window_->findChild<QMenu*>("mnuDivisionalCharts");
  QStringList names;
  for (QAction* action : menu->actions()) names << action->objectName();
  EXPECT_EQ(names,
            QStringList({"mnuSub_Rashi", "mnuSub_Hora", "mnuSub_Drekkana", "mnuSub_Chaturthamsha",
                         "mnuSub_Sapthamsa", "mnuSub_Navamsa", "mnuSub_Dasamsa",
                         "mnuSub_Dwadasamsa", "mnuSub_Shodashamsha", "mnuSub_Vimshamsha",
                         "mnuSub_Chaturvimshamsha", "mnuSub_Saptavimshamsha", "mnuSub_Trimshamsha",
                         "mnuSub_Khavedamsha", "mnuSub_Akshavedamsha", "mnuSub_Shashtiamsha"}));
  Item("mnuSub_Shashtiamsha")->trigger();
  EXPECT_TRUE(Item("mnuSub_Shashtiamsha")->isChecked());
  EXPECT_FALSE(Item("mnuChart")->isChecked());
  EXPECT_EQ(window_->Display()->View().chart.HouseCells,
            DivisionalChart(session_.chart, 60).HouseCells);
  EXPECT_TRUE(window_->windowTitle().endsWith("Shashtiamsha (D60)"));
  Item("mnuSub_Rashi")->trigger();
  EXPECT_TRUE(Item("mnuChart")->isChecked());
  EXPECT_FALSE(Item("mnuSub_Shashtiamsha")->isChecked());
}

TEST_F(ConventionsMenuTest, DashaYearMovesEveryDateAndIsKept) {
  Item("mnuDasha")->trigger();
  auto* dasha = window_->findChild<DashaWindow*>();
  auto* tree = dasha->findChild<QTreeWidget*>("treDasha");
  auto* year = dasha->findChild<QComboBox*>("cboDashaYear");
  ASSERT_EQ(year->count(), 3);
  EXPECT_EQ(year->itemText(0), "365.25 days (Julian year)");
  const QString julian_end = tree->topLevelItem(4)->text(2);
  year->activated(2);
  EXPECT_EQ(session_.chart.Options.dasha_year, DashaYear::Savana);
  EXPECT_EQ(year->currentIndex(), 2);
  EXPECT_NE(tree->topLevelItem(4)->text(2), julian_end);
  EXPECT_TRUE(dasha->windowTitle().contains("360-day year"));
  EXPECT_EQ(QSettings().value(kDashaYearKey).toString(), "savana");
  // The chart itself is no other for it.
  EXPECT_EQ(Caption("lblChartOptions"), "");
}

TEST_F(ConventionsMenuTest, TablesOfEveryBodyFollowTheChart) {
  Item("mnuVargas")->trigger();
  auto* window = window_->findChild<VargaWindow*>();
  ASSERT_NE(window, nullptr);
  auto* vargas = window->findChild<QTableWidget*>("tblShodashavarga");
  auto* bodies = window->findChild<QTableWidget*>("tblNakshatras");
  ASSERT_EQ(vargas->rowCount(), 10);
  ASSERT_EQ(vargas->columnCount(), 16);
  EXPECT_EQ(vargas->horizontalHeaderItem(15)->text(), "D60");
  // D1 of the ascendant is its sign; the Moon's nakshatra is the chart's.
  EXPECT_EQ(vargas->item(9, 0)->text().toStdString(),
            session_.chart.AscendantText.substr(session_.chart.AscendantText.size() - 3));
  EXPECT_EQ(bodies->item(1, 1)->text().toStdString(),
            kNakshatraNames[static_cast<size_t>(session_.chart.MoonNakshatra.index)]);
  const QString tropical_moon = bodies->item(1, 0)->text();
  Item("mnuSidereal")->trigger();
  // Sidereal either way: the nakshatra table does not move with the zodiac shown.
  EXPECT_EQ(bodies->item(1, 0)->text(), tropical_moon);
  EXPECT_EQ(vargas->item(9, 0)->text().toStdString(),
            session_.chart.AscendantText.substr(session_.chart.AscendantText.size() - 3));
}

}  // namespace
}  // namespace quendal
