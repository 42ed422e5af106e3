// The chart child offscreen: what FillChart and the load step write where, the wheel's
// geometry against the house cells, and the artwork actually drawn.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QtMath>
#include <cmath>

#include "chart_window/frmDisplay.h"
#include "chart_window/natal_wheel.h"
#include "chart_window/sign_image.h"
#include "tests/golden_charts.h"

namespace quendal {
namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

QLabel* Label(const QWidget& display, const QString& name) {
  QLabel* label = display.findChild<QLabel*>(name);
  EXPECT_NE(label, nullptr) << name.toStdString();
  return label;
}

QString Caption(const QWidget& display, const QString& name) {
  QLabel* label = Label(display, name);
  return label ? label->text() : QString();
}

SignImage* Glyph(const QWidget& display, int house_index) {
  return display.findChild<SignImage*>(QStringLiteral("imgSign_%1").arg(house_index));
}

const char* const kSignCells[] = {"lblNatalAries",     "lblNatalTaurus",   "lblNatalGemini",
                                  "lblNatalCancer",    "lblNatalLeo",      "lblNatalVirgo",
                                  "lblNatalLibra",     "lblNatalScorpio",  "lblNatalSagittarius",
                                  "lblNatalCapricorn", "lblNatalAquarius", "lblNatalPisces"};

bool EnglishMonths() { return QLocale::system().standaloneMonthName(1) == "January"; }

// Every text and picture of a chart where it belongs, for every golden birth, each chart
// filled into a chart child that already showed the previous one.
TEST(GoldenFill, EveryValueLandsInItsControl) {
  ASSERT_EQ(test::GoldenCharts().size(), 200u);
  std::unique_ptr<frmDisplay> reused;
  for (const test::GoldenChart& golden : test::GoldenCharts()) {
    SCOPED_TRACE(golden.birth.PersonName);
    frmDisplay fresh(golden.birth);
    if (reused) reused->FillChart(golden.chart);
    fresh.FillChart(golden.chart);
    for (frmDisplay* display : {&fresh, reused.get()}) {
      if (!display) continue;
      const QJsonObject& want = golden.expected;
      for (int h = 0; h < 12; ++h) {
        EXPECT_EQ(Caption(*display, QStringLiteral("lblNatal_%1").arg(h)),
                  want["house_cells"][h].toString());
        EXPECT_EQ(Glyph(*display, h)->Picture(), want["img_sign"][h].toInt());
      }
      for (int s = 0; s < 12; ++s) {
        QLabel* cell = Label(*display, kSignCells[s]);
        EXPECT_EQ(cell->text(), want["sign_cells"][s].toString());
        EXPECT_TRUE(cell->isHidden());
      }
      for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(Caption(*display, QStringLiteral("Planet_%1").arg(i)),
                  want["table"][i].toString());
      }
      EXPECT_EQ(Caption(*display, "lblLagna"), want["SunSign"].toString());
      EXPECT_EQ(Caption(*display, "lblRashi"), want["MoonSignName"].toString());
    }
    // The birth details come from the load step only, so the reused child keeps the first.
    const char* const lines[] = {"lblName", "lblCity", "lblState",    "lblCountry",
                                 "lblDOB",  "lblTOB",  "lblLatitude", "lblLongitude"};
    for (int i = 0; i < 8; ++i) {
      if (!EnglishMonths() && i == 4) continue;
      EXPECT_EQ(Caption(fresh, lines[i]), golden.expected["details"][i].toString());
    }
    if (!reused) reused = std::make_unique<frmDisplay>(golden.birth);
  }
}

TEST(GoldenFill, UnknownSunSignAndPicturesKeepWhatTheyShowed) {
  const test::GoldenChart& first = test::GoldenCharts().at(0);
  const test::GoldenChart& second = test::GoldenCharts().at(5);
  frmDisplay display(first.birth);
  display.FillChart(first.chart);
  Chart unknown = second.chart;
  unknown.SunSign.clear();
  unknown.SignPictures.fill(0);
  display.FillChart(unknown);
  EXPECT_EQ(Caption(display, "lblLagna"), Q(first.chart.SunSign));
  EXPECT_EQ(Caption(display, "lblRashi"), Q(second.chart.MoonSignName));
  for (int h = 0; h < 12; ++h) {
    EXPECT_EQ(Glyph(display, h)->Picture(), first.chart.SignPictures[h]);
    EXPECT_EQ(Caption(display, QStringLiteral("lblNatal_%1").arg(h)),
              Q(second.chart.HouseCells[h]));
  }
}

TEST(BirthDetails, ZerosNegativesAndAnEmptyName) {
  BirthData birth;
  birth.PersonName = "";
  birth.BirthMonth = 3;
  birth.BirthDay = 5;
  birth.BirthYear = 1980;
  birth.BirthHour = 0;
  birth.BirthMinute = 0;
  birth.LatitudeDegrees = 0;
  birth.LatitudeMinutes = 30;
  birth.LatitudeIsSouth = true;
  birth.LongitudeDegrees = -7;
  birth.LongitudeMinutes = 5;
  birth.BirthCity = "Pune";
  frmDisplay display(birth);
  EXPECT_EQ(Caption(display, "lblName"), "Name: ");
  if (EnglishMonths()) {
    EXPECT_EQ(Caption(display, "lblDOB"), "Date of Birth: March 5, 1980");
  }
  EXPECT_EQ(Caption(display, "lblTOB"), "Time of Birth: 0 Hour 0 Minute");
  EXPECT_EQ(Caption(display, "lblLatitude"), "Latitude: 0 Degree 30 Minute");
  EXPECT_EQ(Caption(display, "lblLongitude"), "Longitude: -7 Degree 5 Minute");
  EXPECT_EQ(Caption(display, "lblCity"), "City: Pune");
  EXPECT_EQ(Caption(display, "lblState"), "State: ");
}

TEST(ChartChild, SizeCaptionAndFrames) {
  frmDisplay display(BirthData{});
  EXPECT_EQ(display.size(), QSize(967, 689));
  EXPECT_EQ(display.windowTitle(), "Quendal v1.75");
  auto* western = display.findChild<QGroupBox*>("fraWestern");
  auto* vedic = display.findChild<QGroupBox*>("fraVedic");
  ASSERT_TRUE(western && vedic);
  EXPECT_EQ(western->title(), "Planetary Positions");
  EXPECT_EQ(vedic->title(), "Other Details");
  EXPECT_EQ(Caption(display, "PlanetName_13"), "North Node");
  EXPECT_EQ(Caption(display, "PlanetName_14"), "South Node");
  EXPECT_EQ(Caption(display, "PlanetName_15"), "Asc");
  EXPECT_EQ(Caption(display, "Label1"), "Sun Sign");
  EXPECT_EQ(Caption(display, "Label17"), "Moon Sign");
  // The rows the frames clip exist, but lie below their frame's bottom edge.
  for (const char* name : {"PlanetName_7", "PlanetName_12", "Planet_10", "Planet_15"}) {
    EXPECT_GE(Label(display, name)->y(), western->height()) << name;
  }
  for (const char* name : {"lblRashi", "lblNakshatra", "lblLagnaPosition", "Label3"}) {
    EXPECT_LT(Label(display, name)->geometry().bottom(), vedic->height()) << name;
  }
  EXPECT_EQ(Caption(display, "lblNatalPosition_0"), "12");
  EXPECT_EQ(Caption(display, "lblNatalPosition_7"), "7");
}

// A house cell breaks its lines where the caption has CR LF, and every one-line cell sits
// in its own house, inside the ring of glyphs.
TEST(ChartChild, HouseCellsShowLinesInsideTheirHouses) {
  frmDisplay display(BirthData{});
  Chart chart;
  chart.HouseCells.fill("\r\nSun");
  chart.HouseCells[0] = "\r\nSun\r\nMoon\r\nAsc";
  display.FillChart(chart);
  QLabel* first = Label(display, "lblNatal_0");
  const int line = QFontMetrics(first->font()).height();
  EXPECT_GE(first->height(), 4 * line - 2);
  EXPECT_LT(first->width(), QFontMetrics(first->font()).horizontalAdvance("Moon") + 8);

  QWidget* wheel = display.findChild<QWidget*>("picNatal");
  const QPointF centre = QRectF(wheel->rect()).center();
  const double ring = std::min(wheel->width(), wheel->height()) / 2.0 * kWheelRingRadius;
  for (int h = 0; h < 12; ++h) {
    QLabel* cell = Label(display, QStringLiteral("lblNatal_%1").arg(h));
    const QRect text = cell->geometry().adjusted(0, line, 0, 0);
    for (const QPointF corner : {QPointF(text.topLeft()), QPointF(text.topRight()),
                                 QPointF(text.bottomLeft()), QPointF(text.bottomRight())}) {
      const QPointF d = corner - centre;
      EXPECT_LT(std::hypot(d.x(), d.y()), ring) << "house " << h + 1;
    }
    const QPointF middle = QRectF(text).center() - centre;
    double angle = qRadiansToDegrees(std::atan2(-middle.y(), middle.x()));
    if (angle < 0) angle += 360;
    const double start = std::fmod(180.0 + 30.0 * h, 360.0);
    EXPECT_GE(std::fmod(angle - start + 360.0, 360.0), 0.0) << "house " << h + 1;
    EXPECT_LE(std::fmod(angle - start + 360.0, 360.0), 30.0) << "house " << h + 1;
  }
}

// Every IMG item draws something: a missing or broken glyph file leaves its place blank.
TEST(ChartChild, EverySignGlyphDraws) {
  for (int item = 1; item <= 12; ++item) {
    SignImage glyph;
    glyph.resize(40, 40);
    glyph.SetPicture(item);
    ASSERT_EQ(glyph.Picture(), item) << SignPicturePath(item).toStdString();
    QImage image(40, 40, QImage::Format_ARGB32);
    image.fill(Qt::white);
    glyph.render(&image);
    int inked = 0;
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 40; ++x) inked += image.pixelColor(x, y) != QColor(Qt::white);
    EXPECT_GT(inked, 30) << "item " << item;
  }
  SignImage glyph;
  glyph.SetPicture(13);
  EXPECT_EQ(glyph.Picture(), 0);
}

// Renders one chart; QUENDAL_CHART_PNG names a file to keep it for a person to look at.
TEST(GoldenFill, RendersAWholeChart) {
  const test::GoldenChart& golden =
      test::GoldenCharts().at(qEnvironmentVariableIntValue("QUENDAL_CHART_ID"));
  frmDisplay display(golden.birth);
  display.FillChart(golden.chart);
  const qreal scale = qEnvironmentVariableIsSet("QUENDAL_CHART_SCALE")
                          ? qEnvironmentVariable("QUENDAL_CHART_SCALE").toDouble()
                          : 1.0;
  QImage image(display.size() * scale, QImage::Format_RGB32);
  image.setDevicePixelRatio(scale);
  image.fill(Qt::white);
  display.render(&image);
  EXPECT_NE(image.pixelColor(display.findChild<QWidget*>("picNatal")->geometry().center() * scale),
            QColor(Qt::white));
  if (qEnvironmentVariableIsSet("QUENDAL_CHART_PNG")) {
    image.save(qEnvironmentVariable("QUENDAL_CHART_PNG"));
  }
}

}  // namespace
}  // namespace quendal
