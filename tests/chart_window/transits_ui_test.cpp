// The transit view driven offscreen: a moment chosen in the transit window lays its bodies
// over the chart child's houses and positions, and Back to Natal takes them off again.
#include <QDateTimeEdit>
#include <QElapsedTimer>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

#include "chart_window/frmDisplay.h"
#include "chart_window/transit_window.h"
#include "chart_window/transits_item.h"
#include "tests/test_births.h"

namespace quendal {
namespace {

QStringList Cells(const frmDisplay& display) {
  QStringList cells;
  for (int h = 0; h < 12; ++h)
    cells << display.findChild<QLabel*>(QStringLiteral("lblNatal_%1").arg(h))->text();
  return cells;
}

TEST(Transits, AChosenMomentChangesTheCellsAndBackToNatalRestoresThem) {
  ChartSession session;
  session.birth_data = test::AtPlace(test::BirthAt(1984, 7, 9, 5, 40, 34), 73, 52, true, 18, 31);
  session.chart = CalculateChart(session.birth_data);
  QWidget window;
  QMenu view;
  frmDisplay display(session.birth_data);
  display.FillChart(session.chart);
  const QStringList natal = Cells(display);
  TransitsItem item(&window, &view, session, [&display] { return &display; });
  view.findChild<QAction*>(QStringLiteral("mnuTransits"))->trigger();
  auto* transits = window.findChild<TransitWindow*>(QStringLiteral("frmTransits"));
  ASSERT_NE(transits, nullptr);

  auto* moment = transits->findChild<QDateTimeEdit*>(QStringLiteral("dtpTransit"));
  moment->setDateTime(QDateTime(QDate(2026, 12, 8), QTime(12, 0), Qt::UTC));
  const QStringList december = Cells(display);
  EXPECT_NE(december, natal);
  EXPECT_EQ(december.join(QString()).count(QStringLiteral("(T")), 10);
  auto* table = transits->findChild<QTableWidget*>(QStringLiteral("tblTransits"));
  EXPECT_EQ(table->item(6, 0)->text(), QStringLiteral("Saturn"));
  EXPECT_EQ(display.findChild<QLabel*>(QStringLiteral("lblChartName"))->text(),
            QStringLiteral("Transits of 8 December 2026 12:00 over the birth chart"));
  EXPECT_TRUE(display.findChild<QLabel*>(QStringLiteral("TransitPlanet_0"))->isVisibleTo(&display));

  // A month on, the Moon has moved on through the houses.
  QElapsedTimer timer;
  timer.start();
  moment->setDateTime(QDateTime(QDate(2027, 1, 8), QTime(12, 0), Qt::UTC));
  RecordProperty("RedrawMicroseconds", static_cast<int>(timer.nsecsElapsed() / 1000));
  if (qEnvironmentVariableIsSet("QUENDAL_SHOT_DIR")) {
    const QString folder = qEnvironmentVariable("QUENDAL_SHOT_DIR");
    display.grab().save(folder + QStringLiteral("/transits_chart.png"));
    transits->grab().save(folder + QStringLiteral("/transits_window.png"));
  }
  EXPECT_NE(Cells(display), december);

  QTest::mouseClick(transits->findChild<QPushButton*>(QStringLiteral("cmdBackToNatal")),
                    Qt::LeftButton);
  EXPECT_EQ(Cells(display), natal);
  EXPECT_FALSE(display.ShowsTransits());
  EXPECT_FALSE(display.findChild<QLabel*>(QStringLiteral("TransitPlanet_0"))->isVisibleTo(&display));
}

}  // namespace
}  // namespace quendal
