// View > Zodiac, Positions and Dasha of the chart window, driven offscreen.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QPointer>
#include <QSettings>
#include <QTreeWidget>

#include "chart_window/MDI.h"
#include "chart_window/chart_options_menu.h"
#include "chart_window/dasha_window.h"
#include "chart_window/frmDisplay.h"
#include "tests/golden_charts.h"
#include "vedic/divisional_signs.h"
#include "vedic/precise_engine.h"

namespace quendal {
namespace {

class ChartOptionsMenuTest : public ::testing::Test {
 protected:
  void SetUp() override {
    QSettings().remove(QStringLiteral("Chart"));
    const test::GoldenChart& golden = test::GoldenCharts().at(7);
    golden_ = golden.chart;
    session_.birth_data = StoreZoneRow(golden.birth, golden.zone_row);
    session_.chart = CalculateChart(session_.birth_data, session_.options);
    tropical_ = session_.chart;
    window_ = std::make_unique<MDI>(session_);
    window_->Display()->FillChart(session_.chart);
  }

  QAction* Item(const char* name) { return window_->findChild<QAction*>(name); }
  QString Caption(const char* name) { return window_->Display()->findChild<QLabel*>(name)->text(); }
  std::array<std::string, 12> HousesShown() {
    std::array<std::string, 12> houses;
    for (int h = 0; h < 12; ++h)
      houses[h] = Caption(QStringLiteral("lblNatal_%1").arg(h).toLatin1()).toStdString();
    return houses;
  }

  Chart golden_;  // positions, signs and pictures from the golden file
  Chart tropical_;
  ChartSession session_;
  std::unique_ptr<MDI> window_;
};

TEST_F(ChartOptionsMenuTest, SiderealRecomputesTheChartOnScreenAndIsKept) {
  EXPECT_TRUE(Item("mnuTropical")->isChecked());
  EXPECT_EQ(Caption("lblChartOptions"), "");
  Item("mnuSidereal")->trigger();

  const ChartOptions sidereal{Zodiac::SiderealLahiri, PositionsSource::Classic};
  const Chart expected = CalculateChart(session_.birth_data, sidereal);
  EXPECT_TRUE(Item("mnuSidereal")->isChecked());
  EXPECT_FALSE(Item("mnuTropical")->isChecked());
  EXPECT_EQ(HousesShown(), expected.HouseCells);
  EXPECT_NE(expected.HouseCells, tropical_.HouseCells);
  EXPECT_EQ(Caption("Planet_0"), QString::fromStdString(expected.PositionsTable[0]));
  EXPECT_EQ(Caption("lblLagna"), QString::fromStdString(expected.SunSign));
  EXPECT_EQ(Caption("lblChartOptions"), "Sidereal (Lahiri) \u00b7 Classic");
  EXPECT_EQ(Caption("lblLagnaPosition"), QString::fromStdString(expected.AscendantText));
  EXPECT_EQ(Caption("lblNakshatra").toStdString(),
            kNakshatraNames[static_cast<size_t>(expected.MoonNakshatra.index)]);
  EXPECT_EQ(session_.chart.Options, sidereal);

  // The next run reads the choice back, and its chart window shows it.
  ChartSession next;
  next.options = LoadChartOptions(QSettings());
  EXPECT_EQ(next.options, sidereal);
  EXPECT_TRUE(MDI(next).findChild<QAction*>("mnuSidereal")->isChecked());

  Item("mnuTropical")->trigger();
  EXPECT_EQ(HousesShown(), tropical_.HouseCells);
  EXPECT_EQ(Caption("Planet_1"), QString::fromStdString(golden_.PositionsTable[1]));
  EXPECT_EQ(Caption("lblRashi"), QString::fromStdString(golden_.MoonSignName));
  EXPECT_EQ(Caption("lblChartOptions"), "");
  EXPECT_EQ(LoadChartOptions(QSettings()), ChartOptions{});
}

// A divisional chart in a square style is cast anew from the sidereal longitudes, and the
// snapshot and the status bar follow.
TEST_F(ChartOptionsMenuTest, ZodiacRefreshesTheViewOnScreenTheSnapshotAndTheStatusBar) {
  window_->show();
  Item("mnuNorth")->trigger();
  Item("mnuSub_Navamsa")->trigger();
  frmDisplay* display = window_->Display();
  auto* status = window_->findChild<QLabel*>("lblStatusZodiac");
  EXPECT_EQ(status->text(), "Tropical zodiac, classic positions");
  const QImage tropical = display->Snapshot();

  Item("mnuSidereal")->trigger();
  const Chart sidereal = CalculateChart(
      session_.birth_data, ChartOptions{Zodiac::SiderealLahiri, PositionsSource::Classic});
  EXPECT_EQ(display->View().chart.HouseCells, DivisionalChart(sidereal, 9).HouseCells);
  EXPECT_NE(display->View().chart.HouseCells, DivisionalChart(tropical_, 9).HouseCells);
  EXPECT_TRUE(display->findChild<QWidget*>("picChart")->isVisible());
  EXPECT_NE(display->Snapshot(), tropical);
  EXPECT_EQ(status->text(), "Sidereal (Lahiri) zodiac, classic positions");
}

TEST_F(ChartOptionsMenuTest, PreciseOnlyWhereBuilt) {
  QAction* precise = Item("mnuPrecise");
  EXPECT_EQ(precise->text(), "&Precise (Swiss Ephemeris)");
  if (!PrecisePositionsBuilt()) {
    EXPECT_FALSE(precise->isEnabled());
    EXPECT_FALSE(precise->toolTip().isEmpty());
    return;
  }
  precise->trigger();
  EXPECT_TRUE(precise->isChecked());
  EXPECT_EQ(Caption("lblChartOptions"), "Tropical \u00b7 Precise");
  EXPECT_EQ(QSettings().value(kPositionsKey).toString(), "precise");
}

TEST_F(ChartOptionsMenuTest, OneDashaWindowMarksTodayAndClosesWithTheChartWindow) {
  Item("mnuDasha")->trigger();
  Item("mnuDasha")->trigger();
  const QList<DashaWindow*> windows = window_->findChildren<DashaWindow*>();
  ASSERT_EQ(windows.size(), 1);
  QPointer<DashaWindow> dasha = windows.first();
  EXPECT_TRUE(dasha->isVisible());
  auto* tree = dasha->findChild<QTreeWidget*>("treDasha");
  ASSERT_EQ(tree->topLevelItemCount(), 9);
  EXPECT_EQ(tree->topLevelItem(0)->childCount(), 9);

  // The second mahadasha's first antardasha is in force on its first day.
  const QDate start = QDate::fromString(tree->topLevelItem(1)->text(1), Qt::ISODate);
  dasha->SetChart(session_.chart, QDateTime(start.addDays(1), QTime(12, 0)));
  EXPECT_TRUE(tree->topLevelItem(1)->font(0).bold());
  EXPECT_TRUE(tree->topLevelItem(1)->child(0)->font(0).bold());
  EXPECT_FALSE(tree->topLevelItem(0)->font(0).bold());

  window_.reset();
  EXPECT_TRUE(dasha.isNull());
}

}  // namespace
}  // namespace quendal
