// The chart styles, divisional charts, colours and status bar through the chart window's
// View menu, and the chart page as PDF, on charts the real form has cast.
#include <QImageReader>
#include <QLabel>
#include <QProcess>
#include <QSettings>
#include <QStatusBar>
#include <cmath>
#include <numbers>

#include "drawing/chart_drawing.h"
#include "drawing/chart_layout.h"
#include "drawing/natal_wheel_drawing.h"
#include "chart_window/house_cell_label.h"
#include "chart_window/natal_wheel.h"
#include "positions/zone_line.h"
#include "tests/app/running_program.h"
#include "ui_common/layout.h"
#include "vedic/divisional_signs.h"

namespace quendal {
namespace {

using test::FileBytes;

QString Output(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(30000) || process.exitCode() != 0) return QStringLiteral("<failed>");
  return QString::fromUtf8(process.readAllStandardOutput());
}

// The ten widest entries a house can get, all in one house.
Chart Crowded(int house) {
  Chart chart;
  chart.HouseCells[house] =
      "\r\nSun\r\nMoon\r\nMercury (R) \r\nVenus (R) \r\nMars (R) \r\nJupiter (R) \r\nSaturn (R) "
      "\r\nRahu\r\nKetu\r\nAsc";
  return chart;
}

void ExpectInside(const QPainterPath& house, const std::vector<QRectF>& rects, int h,
                  const char* style, double margin = 0) {
  ASSERT_EQ(rects.size(), 10u) << style << " house " << h + 1;
  for (std::size_t i = 0; i < rects.size(); ++i) {
    EXPECT_TRUE(house.contains(rects[i].adjusted(-margin, -margin, margin, margin)))
        << style << " house " << h + 1 << " entry " << i;
    for (std::size_t j = 0; j < i; ++j)
      EXPECT_FALSE(rects[i].intersects(rects[j])) << style << " house " << h + 1;
  }
}

TEST(CrowdedHouse, TenEntriesStayInsideTheirHouseInEveryStyle) {
  const QRectF bounds(0, 0, 450, 431);
  for (int h = 0; h < 12; ++h) {
    const ChartView view = MakeChartView(Crowded(h), BirthData{}, 1, false);
    for (const auto& [name, layout] : {std::pair{"North", LayoutNorthIndian(view, bounds)},
                                       std::pair{"South", LayoutSouthIndian(view, bounds)}}) {
      std::vector<QRectF> rects;
      for (const PlacedEntry& entry : layout.entries[h].entries) rects.push_back(entry.rect);
      // Square houses keep a margin inside their lines (the text once touched them).
      ExpectInside(layout.houses[h], rects, h, name, name == std::string("South") ? 4.0 : 0.0);
      EXPECT_GE(layout.entries[h].font.pixelSize(), kSmallestEntryPixels);
    }
    frmDisplay display(BirthData{});
    display.FillChart(Crowded(h));
    auto* cell = display.findChild<HouseCellLabel*>(QStringLiteral("lblNatal_%1").arg(h));
    ASSERT_NE(cell, nullptr);
    EXPECT_TRUE(cell->Crowded());
    EXPECT_EQ(cell->text().toStdString(), Crowded(h).HouseCells[h]);
    ExpectInside(HouseSector(display.findChild<QWidget*>("picNatal")->rect(), h),
                 cell->EntryRects(), h, "Natal");
    // QUENDAL_CROWDED_DIR names a folder to keep the drawings in, for a person to look at.
    if (qEnvironmentVariableIsSet("QUENDAL_CROWDED_DIR")) {
      for (ChartStyle style : {ChartStyle::North, ChartStyle::South, ChartStyle::Natal}) {
        display.SetChartStyle(style);
        display.grab().save(QStringLiteral("%1/house%2_style%3.png")
                                .arg(qEnvironmentVariable("QUENDAL_CROWDED_DIR"))
                                .arg(h + 1)
                                .arg(static_cast<int>(style)));
      }
    }
  }
}

// The wheel's rim: each house number beside its sign glyph, clear of it and of the other
// numbers, inside the ring and its own house's arc (the "11" once covered the glyph).
TEST(CrowdedHouse, RimNumbersKeepClearOfTheGlyphsInsideTheRing) {
  const NatalWheelLayout layout = LayoutNatalWheel(MakeChartView(Chart{}, BirthData{}, 1, false));
  const QPointF centre = layout.bounds.center();
  const double half = std::min(layout.bounds.width(), layout.bounds.height()) / 2;
  std::array<QRectF, 12> inks;
  for (int h = 0; h < 12; ++h) {
    inks[h] = NatalNumberInk(layout.numbers[h], layout.number_texts[h]);
    EXPECT_FALSE(inks[h].intersects(layout.glyphs[h])) << "house " << h + 1;
    for (int other = 0; other < h; ++other) {
      EXPECT_FALSE(inks[h].intersects(inks[other])) << "houses " << h + 1 << ", " << other + 1;
      EXPECT_FALSE(inks[h].intersects(layout.glyphs[other])) << "house " << h + 1;
    }
    for (const QPointF& corner :
         {inks[h].topLeft(), inks[h].topRight(), inks[h].bottomLeft(), inks[h].bottomRight()}) {
      const QPointF d = corner - centre;
      const double radius = std::hypot(d.x(), d.y());
      EXPECT_GT(radius, half * kWheelRingRadius + 1) << "house " << h + 1;
      EXPECT_LT(radius, half * kWheelOuterRadius - 3) << "house " << h + 1;
      const double degrees = std::atan2(-d.y(), d.x()) * 180 / std::numbers::pi;
      const double within = std::fmod(degrees - (180.0 + 30.0 * h) + 720.0, 360.0);
      EXPECT_LT(within, 30.0) << "house " << h + 1;
    }
  }
}

// Real charts: every cell keeps its design place, and what it shows keeps to its house (the
// design's lines may graze the house's lines by a few pixels).
TEST(CrowdedHouse, GoldenChartsKeepTheirCellsInTheirHouses) {
  frmDisplay display(BirthData{});
  const QRect wheel = display.findChild<QWidget*>("picNatal")->rect();
  for (const test::GoldenChart& golden : test::GoldenCharts()) {
    display.FillChart(golden.chart);
    for (int h = 0; h < 12; ++h) {
      auto* cell = display.findChild<HouseCellLabel*>(QStringLiteral("lblNatal_%1").arg(h));
      EXPECT_EQ(cell->pos(),
                TwipsRect(kHousePlaces[h].cell_left, kHousePlaces[h].cell_top, 0, 0).topLeft());
      for (const QRectF& line : cell->EntryRects())
        EXPECT_TRUE(HouseSector(wheel, h).contains(line.adjusted(4, 4, -4, -4)))
            << golden.id << " house " << h + 1;
    }
  }
}

class ChartViews : public test::RunningProgram {
 protected:
  void SetUp() override {
    QSettings().clear();
    RunningProgram::SetUp();
    CastChart(test::GoldenChartById(0).input);
  }
  bool Checked(const char* name) {
    return Window()->findChild<QAction*>(QString::fromLatin1(name))->isChecked();
  }
  QString CheckedItems() {
    QStringList checked;
    for (QAction* item : Window()->findChildren<QAction*>())
      if (item->isChecked() && item->objectName().startsWith("mnu") &&
          !item->objectName().startsWith("mnuLanguage_"))
        checked << item->objectName();
    checked.sort();
    return checked.join(' ');
  }
};

TEST_F(ChartViews, EveryViewItemSetsItsCheckMarksAndTheChartShown) {
  EXPECT_EQ(
      CheckedItems().toStdString(),
      "mnuChart mnuClassic mnuColorOff mnuNatal mnuStatusBar mnuSub_Rashi mnuToolBar mnuTropical");
  EXPECT_TRUE(Window()->findChild<QWidget*>("picNatal")->isVisible());
  struct Step {
    const char* item;
    QStringList checked;
    ChartStyle style;
    int division;
  };
  const QStringList base = {"mnuStatusBar", "mnuToolBar", "mnuClassic", "mnuTropical"};
  const Step steps[] = {
      {"mnuNorth", base + QStringList{"mnuChart", "mnuColorOff", "mnuNorth"}, ChartStyle::North, 1},
      {"mnuSouth", base + QStringList{"mnuChart", "mnuColorOff", "mnuSouth"}, ChartStyle::South, 1},
      {"mnuColorOn", base + QStringList{"mnuChart", "mnuColorOn", "mnuSouth"}, ChartStyle::South,
       1},
      {"mnuSub_Hora", base + QStringList{"mnuColorOn", "mnuSouth", "mnuSub_Hora"},
       ChartStyle::South, 2},
      {"mnuSub_Drekkana", base + QStringList{"mnuColorOn", "mnuSouth", "mnuSub_Drekkana"},
       ChartStyle::South, 3},
      {"mnuSub_Sapthamsa", base + QStringList{"mnuColorOn", "mnuSouth", "mnuSub_Sapthamsa"},
       ChartStyle::South, 7},
      {"mnuNatal", base + QStringList{"mnuColorOn", "mnuNatal", "mnuSub_Sapthamsa"},
       ChartStyle::Natal, 7},
      {"mnuSub_Navamsa", base + QStringList{"mnuColorOn", "mnuNatal", "mnuSub_Navamsa"},
       ChartStyle::Natal, 9},
      {"mnuSub_Dasamsa", base + QStringList{"mnuColorOn", "mnuNatal", "mnuSub_Dasamsa"},
       ChartStyle::Natal, 10},
      {"mnuSub_Dwadasamsa", base + QStringList{"mnuColorOn", "mnuNatal", "mnuSub_Dwadasamsa"},
       ChartStyle::Natal, 12},
      {"mnuColorOff", base + QStringList{"mnuColorOff", "mnuNatal", "mnuSub_Dwadasamsa"},
       ChartStyle::Natal, 12},
      {"mnuChart", base + QStringList{"mnuChart", "mnuColorOff", "mnuNatal"}, ChartStyle::Natal, 1},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.item);
    Menu(step.item);
    QStringList want = step.checked;
    if (want.contains("mnuChart"))
      want << "mnuSub_Rashi";  // the birth chart's item in the divisions
    want.sort();
    EXPECT_EQ(CheckedItems().toStdString(), want.join(" ").toStdString());
    EXPECT_EQ(Display()->Style(), step.style);
    EXPECT_EQ(Display()->Division(), step.division);
    EXPECT_EQ(Window()->findChild<QWidget*>("picNatal")->isVisible(),
              step.style == ChartStyle::Natal);
    const QString name = QString::fromLatin1(DivisionName(step.division).data());
    EXPECT_EQ(Window()->windowTitle(),
              step.division == 1 ? QString("Quendal v1.85") : "Quendal v1.85 - " + name);
    EXPECT_EQ(Display()->findChild<QLabel*>("lblChartName")->text(),
              step.division == 1 ? QString() : name);
    EXPECT_TRUE(Window()->findChild<QLabel*>("lblStatusChart")->text().contains(name));
  }
  // The positions stay the birth's whatever the chart shown.
  EXPECT_EQ(Display()->findChild<QLabel*>("Planet_9")->text().toStdString(),
            program_->Session().chart.PositionsTable[9]);

  Menu("mnuStatusBar");
  EXPECT_FALSE(Checked("mnuStatusBar"));
  EXPECT_TRUE(Window()->statusBar()->isHidden());
  Menu("mnuStatusBar");
  EXPECT_TRUE(Window()->statusBar()->isVisible());
}

TEST_F(ChartViews, StyleAndColoursAreRememberedAndColourTheHouses) {
  Menu("mnuNorth");
  Menu("mnuColorOn");
  Back();
  Calculate();
  ASSERT_NE(Window(), nullptr);
  EXPECT_TRUE(Checked("mnuNorth") && Checked("mnuColorOn") && Checked("mnuChart"));
  EXPECT_FALSE(Checked("mnuNatal") || Checked("mnuColorOff"));
  EXPECT_EQ(Display()->Style(), ChartStyle::North);

  Menu("mnuNatal");
  const int ascendant = program_->Session().chart.AscendantSign;
  auto ink = [this](int house) {
    return Display()
        ->findChild<QLabel*>(QStringLiteral("lblNatal_%1").arg(house))
        ->palette()
        .color(QPalette::WindowText);
  };
  for (int h = 0; h < 12; ++h) EXPECT_EQ(ink(h), SignPaletteColours()[(ascendant + h) % 12]);
  Menu("mnuColorOff");
  for (int h = 0; h < 12; ++h) EXPECT_EQ(ink(h), kEntryInk);
}

QImage Thumbnail(QImage image) {
  image = image.convertToFormat(QImage::Format_RGB32);
  QRect inked;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qGray(image.pixel(x, y)) < 200) inked |= QRect(x, y, 1, 1);
  return image.copy(inked).scaled(120, 70, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

double Difference(const QImage& a, const QImage& b) {
  double sum = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      sum += std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y)));
  return sum / (a.width() * a.height());
}

TEST_F(ChartViews, ScreenJpegAndPdfShowTheSameChart) {
  Menu("mnuNorth");
  Menu("mnuSub_Navamsa");
  const QString jpeg = dir_.filePath("asha.jpg");
  const QString pdf = dir_.filePath("asha.pdf");
  answers_ = {jpeg, pdf};
  Menu("mnuSaveAsJpeg");
  Menu("mnuSaveAsPdf");
  ASSERT_EQ(asked_.size(), 2u);
  EXPECT_EQ(asked_[1].filter, "PDF Document (*.pdf)");
  EXPECT_TRUE(asked_[1].confirm_overwrite);
  EXPECT_EQ(Window()->statusBar()->currentMessage(), "Saved " + pdf);
  EXPECT_TRUE(messages_.empty()) << MessageTexts().join('|').toStdString();

  EXPECT_TRUE(Output("pdfinfo", {pdf}).contains(QRegularExpression("Pages:\\s+1\\n")));
  const QString text = Output("pdftotext", {pdf, "-"});
  EXPECT_TRUE(text.contains("Name: " + test::GoldenChartById(0).input["PersonName"].toString()));
  EXPECT_TRUE(text.contains("Navamsa (D9)"));
  // The zone the chart was cast in, and no image-name box of the screen.
  const ChartSession& session = program_->Session();
  EXPECT_TRUE(text.contains(
      QString::fromStdString(ZoneLine(session.zone_row, session.birth_data.DaylightSaving))));
  EXPECT_FALSE(text.contains("Image file") || text.contains("Image folder"));
  for (const std::string& row : program_->Session().chart.PositionsTable)
    EXPECT_TRUE(text.contains(QString::fromStdString(row))) << row;

  ASSERT_EQ(Output("pdftoppm", {"-r", "100", "-png", "-singlefile", pdf, dir_.filePath("page")}),
            QString());
  const QImage screen = Thumbnail(Display()->grab().toImage());
  const QImage from_jpeg = Thumbnail(QImage(jpeg));
  const QImage from_pdf = Thumbnail(QImage(dir_.filePath("page.png")));
  Menu("mnuSouth");
  const QImage other_style = Thumbnail(Display()->grab().toImage());
  EXPECT_LT(Difference(screen, from_jpeg), 3.0);
  EXPECT_LT(Difference(screen, from_pdf), 12.0);
  EXPECT_GT(Difference(screen, other_style), 2 * Difference(screen, from_pdf));
}

TEST_F(ChartViews, APdfThatCannotBeSavedSaysWhichFileAndWritesNothing) {
  QFile blocker(dir_.filePath("plain"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  answers_ = {dir_.filePath("plain/asha.pdf")};
  Menu("mnuSaveAsPdf");
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0].icon, MessageIcon::Stop);
  EXPECT_TRUE(
      messages_[0].text.contains(QDir::toNativeSeparators(dir_.filePath("plain/asha.pdf"))));
  EXPECT_TRUE(Window()->statusBar()->currentMessage().isEmpty());
  EXPECT_TRUE(FileBytes(dir_.filePath("plain")).isEmpty());
}

}  // namespace
}  // namespace quendal
