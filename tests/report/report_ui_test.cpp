// The horoscope report: the page plan on both papers (without drawing), one report read back
// as text, and the chart window's two commands with a failed save, a print and no printer.
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QSettings>
#include <QStatusBar>
#include <map>

#include "chart_window/match_page.h"
#include "chart_window/match_window.h"
#include "birth/transits.h"
#include "positions/zone_line.h"
#include "report/report_commands.h"
#include "report/report_layout.h"
#include "report/report_sections.h"
#include "tests/app/running_program.h"
#include "tests/file_size_limit.h"
#include "ui_common/language.h"
#include "vedic/dasha.h"
#include "vedic/sade_sati.h"

namespace quendal {
namespace {

using test::FileBytes;

QString PdfText(const QString& pdf) {
  QProcess process;
  process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
  if (!process.waitForFinished(30000) || process.exitCode() != 0) return QStringLiteral("<failed>");
  return QString::fromUtf8(process.readAllStandardOutput());
}

const std::vector<ReportSection> kEverySection = {
    ReportSection::Birth,     ReportSection::Charts, ReportSection::Positions,
    ReportSection::Divisions, ReportSection::Vargas, ReportSection::Dasha};

ReportInput GoldenReport(std::vector<ReportSection> sections, QPageSize::PageSizeId paper) {
  const test::GoldenChart& golden = test::GoldenChartById(0);
  ReportInput input;
  input.birth = StoreZoneRow(golden.birth, golden.zone_row);
  input.chart = CalculateChart(input.birth);
  input.zone_row = golden.zone_row;
  input.style = ChartStyle::North;
  input.sections = std::move(sections);
  input.paper = paper;
  input.printed = QDateTime(QDate(2026, 12, 9), QTime(10, 0));
  return input;
}

// Writes the report into pdf within a second and a megabyte, and records both figures.
void WriteTimedReport(const ReportInput& input, const QString& pdf) {
  QFile file(pdf);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  QElapsedTimer timer;
  timer.start();
  QString reason;
  ASSERT_TRUE(WriteReportPdf(file, input, reason)) << reason.toStdString();
  const qint64 elapsed = timer.elapsed();
  file.close();
  EXPECT_LT(elapsed, 1000);
  EXPECT_LT(QFileInfo(pdf).size(), 1 << 20);
  ::testing::Test::RecordProperty("milliseconds", static_cast<int>(elapsed));
  ::testing::Test::RecordProperty("bytes", static_cast<int>(QFileInfo(pdf).size()));
}

TEST(PagePlan, ASectionGoesOnWhereItFitsAndFlowsOnAtBlocksWhereItIsLongerThanAPage) {
  struct Case {
    std::vector<std::vector<double>> heights;
    std::vector<std::pair<int, double>> placed;  // page and top of each block
  };
  const Case cases[] = {
      {{{40}, {40}}, {{0, 0}, {0, 40 + kSectionGap}}},
      {{{40}, {50}}, {{0, 0}, {1, 0}}},
      {{{30}, {40, 40, 40}}, {{0, 0}, {1, 0}, {1, 40 + kBlockGap}, {2, 0}}},
      {{{100}, {}, {10}}, {{0, 0}, {1, 0}}},
  };
  for (const Case& c : cases) {
    const PagePlan plan = PlanPages(c.heights, 100);
    ASSERT_EQ(plan.blocks.size(), c.placed.size());
    for (std::size_t i = 0; i < c.placed.size(); ++i) {
      EXPECT_EQ(plan.blocks[i].page, c.placed[i].first) << i;
      EXPECT_DOUBLE_EQ(plan.blocks[i].top, c.placed[i].second) << i;
    }
    EXPECT_EQ(plan.pages, c.placed.back().first + 1);
  }
}

TEST(PagePlan, OnA4AndLetterBlocksKeepToTheBodyAndTheChartsFillTheirPages) {
  struct Case {
    std::vector<ReportSection> sections;
    int division_charts;  // of the divisions section, six to a page
  };
  const Case cases[] = {{kEverySection, 14},
                        {{ReportSection::Divisions}, 15},
                        {{ReportSection::Birth, ReportSection::Dasha}, 0}};
  for (QPageSize::PageSizeId paper : {QPageSize::A4, QPageSize::Letter}) {
    for (const Case& c : cases) {
      const ReportInput input = GoldenReport(c.sections, paper);
      const QSizeF content = ReportContentSize(paper);
      const QSizeF body(content.width(), ReportBodyHeight(content));
      const auto sections = BuildReportSections(input, body);
      const PagePlan plan = PlanReport(sections, body.height());
      ASSERT_EQ(sections.size(), c.sections.size());
      std::vector<int> first_page(sections.size(), -1);
      std::map<int, int> division_rows;  // per page
      double bottom = 0;
      int page = 0;
      for (const PlacedBlock& placed : plan.blocks) {
        const double height = sections[placed.section].blocks[placed.block].height;
        if (placed.page != page) bottom = 0;
        EXPECT_GE(placed.top, bottom) << "blocks overlap";
        EXPECT_LE(placed.top + height, body.height() + 1e-6) << "block leaves the body";
        bottom = placed.top + height;
        page = placed.page;
        if (first_page[placed.section] < 0) first_page[placed.section] = placed.page;
        if (sections[placed.section].section == ReportSection::Divisions)
          ++division_rows[placed.page];
      }
      if (c.division_charts > 0) {
        EXPECT_EQ(ReportDivisions(input).size(), static_cast<std::size_t>(c.division_charts));
        // Three rows of two on every page but the last.
        std::vector<int> rows;
        for (const auto& [on_page, count] : division_rows) rows.push_back(count);
        EXPECT_EQ(rows.size(), static_cast<std::size_t>((c.division_charts + 5) / 6));
        for (std::size_t i = 0; i + 1 < rows.size(); ++i) EXPECT_EQ(rows[i], 3);
      }
      if (c.sections == kEverySection) {
        // The birth details and the two charts open the report together.
        EXPECT_EQ(first_page[0], 0);
        EXPECT_EQ(first_page[1], 0);
        EXPECT_GT(plan.pages, first_page[5] + 1) << "a lifetime of dasha takes two pages";
      }
      if (c.sections.size() == 2) {
        // The dasha is longer than the rest of the first page, so it opens the second.
        EXPECT_EQ(first_page[1], 1);
      }
    }
  }
}

TEST(Report, ReadBackItHoldsTheBirthTheNavamsaEveryMahadashaAndEveryPageNumber) {
  ReportInput input = GoldenReport(kEverySection, QPageSize::A4);
  input.place_note = QStringLiteral("Pune (Asia/Kolkata) keeps Indian Time");
  QTemporaryDir dir;
  const QString pdf = dir.filePath("report.pdf");
  WriteTimedReport(input, pdf);
  if (::testing::Test::HasFatalFailure()) return;

  const QString text = PdfText(pdf);
  EXPECT_TRUE(text.contains("Birth chart of " + QString::fromStdString(input.birth.PersonName)));
  EXPECT_TRUE(text.contains(QString::fromStdString(input.chart.AscendantText)))
      << text.toStdString();
  EXPECT_TRUE(text.contains("Navamsa (D9)"));
  EXPECT_TRUE(
      text.contains(QRegularExpression("Atlas\\s+Pune \\(Asia/Kolkata\\) keeps Indian Time")));
  for (const Mahadasha& maha : VimshottariDasha(input.chart.BirthDay, input.chart.MoonNakshatra)) {
    const QString row =
        QStringLiteral("%1\\s+%2")
            .arg(QString::fromUtf8(kDashaLords[static_cast<std::size_t>(maha.lord)]))
            .arg(QString::fromStdString(IsoDate(maha.start)));
    EXPECT_TRUE(text.contains(QRegularExpression(row))) << row.toStdString();
  }
  const qsizetype pages = text.count(QLatin1Char('\f'));
  ASSERT_GT(pages, 2);
  for (qsizetype page = 1; page <= pages; ++page)
    EXPECT_TRUE(text.contains(QStringLiteral("Page %1 of %2").arg(page).arg(pages))) << page;
  EXPECT_FALSE(text.contains(QStringLiteral("Page %1 of").arg(pages + 1)));
  EXPECT_TRUE(text.contains("Printed December 9, 2026"));

  // QUENDAL_REPORT_DIR names a folder to keep the pages as pictures, for a person to look at.
  if (qEnvironmentVariableIsSet("QUENDAL_REPORT_DIR")) {
    const QString folder = qEnvironmentVariable("QUENDAL_REPORT_DIR");
    QFile::copy(pdf, folder + "/report.pdf");
    QProcess::execute("pdftoppm", {"-r", "80", "-png", pdf, folder + "/page"});
  }
}

// Each style draws its own chart on paper (the wheel once fell back to South Indian).
TEST(Report, TheChartsAreDrawnInTheStyleOnView) {
  ReportInput input = GoldenReport({ReportSection::Charts}, QPageSize::A4);
  std::map<ChartStyle, QImage> drawn;
  for (ChartStyle style : {ChartStyle::Natal, ChartStyle::North, ChartStyle::South}) {
    input.style = style;
    const ReportBlock block = ChartsBlocks(input, QSizeF(480, 700)).back();
    QImage image(480, static_cast<int>(block.height), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    block.draw(painter, QRectF(QPointF(0, 0), QSizeF(image.size())));
    painter.end();
    drawn[style] = image;
  }
  EXPECT_NE(drawn[ChartStyle::Natal], drawn[ChartStyle::South]);
  EXPECT_NE(drawn[ChartStyle::Natal], drawn[ChartStyle::North]);
  EXPECT_NE(drawn[ChartStyle::North], drawn[ChartStyle::South]);
}

TEST(Report, TheLaterSectionsReadBackAndTheLongOneIsLeftOutAtFirst) {
  const std::vector<ReportSection> later = {ReportSection::Birth, ReportSection::Pratyantardashas,
                                            ReportSection::Transits, ReportSection::Match};
  QString bad;
  EXPECT_EQ(ParseReportSections("match, Pratyantardashas,transits,birth", bad), later);
  const std::vector<ReportSection> at_first = DefaultReportSections();
  EXPECT_EQ(std::count(at_first.begin(), at_first.end(), ReportSection::Pratyantardashas), 0);
  EXPECT_EQ(at_first.size(), OfferedReportSections().size() - 1);

  ReportInput input = GoldenReport(later, QPageSize::A4);
  const QSizeF body(400, 600);
  // Without a match window the match section has nothing to show.
  EXPECT_EQ(BuildReportSections(input, body).size(), later.size() - 1);
  MatchSheet sheet;
  sheet.bride.name = "Asha Rao";
  sheet.groom.name = "Vikram Rao";
  input.match = sheet;
  // Every section of the report, for the time and size it takes.
  input.sections.clear();
  for (const auto& offered : OfferedReportSections()) input.sections.push_back(offered.section);
  QTemporaryDir dir;
  const QString pdf = dir.filePath("later.pdf");
  WriteTimedReport(input, pdf);
  if (::testing::Test::HasFatalFailure()) return;

  const QString text = PdfText(pdf);
  const Dasha dasha = VimshottariDasha(input.chart.BirthDay, input.chart.MoonNakshatra);
  // The first antardasha still running at birth.
  const DashaPeriod& antar =
      *std::find_if(dasha[0].antardashas.begin(), dasha[0].antardashas.end(),
                    [&](const DashaPeriod& period) { return period.end > input.chart.BirthDay; });
  const std::vector<SadeSatiPeriod> sade_sati = CalculateSadeSati(input.birth, input.chart);
  ASSERT_FALSE(sade_sati.empty());
  const std::string zone = ZoneLine(input.zone_row, input.birth.DaylightSaving).substr(6);
  for (const QString& expected :
       {"Zone\\s+" + QRegularExpression::escape(QString::fromStdString(zone)),
        QStringLiteral("Pratyantardashas"),
        QStringLiteral("%1 mahadasha, %2 antardasha")
            .arg(QString::fromUtf8(kDashaLords[static_cast<std::size_t>(dasha[0].lord)].data()),
                 QString::fromUtf8(kDashaLords[static_cast<std::size_t>(antar.lord)].data())),
        QStringLiteral("Transits and Sade Sati"),
        QRegularExpression::escape(
            QString::fromStdString(TransitCaption(MomentInBirthZone(input.birth, input.printed.toSecsSinceEpoch())))),
        "Sade Sati\\s+" + QString::fromStdString(IsoDate(sade_sati.front().start)),
        QStringLiteral("Match: Asha Rao and Vikram Rao")})
    EXPECT_TRUE(text.contains(QRegularExpression(expected))) << expected.toStdString();
}

// The newest sections speak the language too: none of their English captions is left.
TEST(Report, EverySectionReadsInTheLanguage) {
  for (const char* code : {"hi", "ta"}) {
    ASSERT_TRUE(InstallLanguage(QString::fromLatin1(code)));
    ReportInput input = GoldenReport({}, QPageSize::A4);
    for (const auto& offered : OfferedReportSections()) input.sections.push_back(offered.section);
    QTemporaryDir dir;
    const QString pdf = dir.filePath("language.pdf");
    WriteTimedReport(input, pdf);
    const QString text = PdfText(pdf);
    for (const char* english : {"Transits and Sade Sati", "Pratyantardashas", "mahadasha",
                                "From Lagna", "Sade Sati", "Rising", "Period", "Atlas", "Zone"})
      EXPECT_FALSE(text.contains(QLatin1String(english))) << code << ": " << english;
  }
  InstallLanguage(QStringLiteral("en"));
}

using test::FileSizeLimit;

class ReportCommands : public test::RunningProgram {
 protected:
  void SetUp() override {
    QSettings().clear();
    RunningProgram::SetUp();
    CastChart(test::GoldenChartById(0).input);
    SetReportDialogHandler([this](ReportDialog& dialog) {
      ++dialogs_;
      if (dialogs_ == 1 && qEnvironmentVariableIsSet("QUENDAL_REPORT_DIR"))
        dialog.grab().save(qEnvironmentVariable("QUENDAL_REPORT_DIR") + "/dialog.png", "PNG");
      for (const auto& [key, ticked] : ticks_)
        dialog.findChild<QCheckBox*>(QStringLiteral("chkReport_%1").arg(key))->setChecked(ticked);
      if (!paper_.isEmpty()) dialog.findChild<QComboBox*>("cboReportPaper")->setCurrentText(paper_);
      return true;
    });
  }
  void TearDown() override {
    SetReportDialogHandler({});
    RunningProgram::TearDown();
  }

  std::vector<std::pair<QString, bool>> ticks_;
  QString paper_;
  int dialogs_ = 0;
};

TEST_F(ReportCommands, TheChoiceIsKeptAndAFailedSaveLeavesTheOldReportWhole) {
  const QString pdf = dir_.filePath("asha.pdf");
  ticks_ = {{"positions", false}, {"vargas", false}, {"dasha", false}};
  paper_ = "Letter";
  answers_ = {pdf};
  Menu("mnuSaveReportAsPdf");
  ASSERT_EQ(asked_.size(), 1u);
  EXPECT_EQ(asked_[0].filter, "PDF Document (*.pdf)");
  EXPECT_EQ(Window()->statusBar()->currentMessage(), "Saved " + pdf);
  const QString text = PdfText(pdf);
  EXPECT_TRUE(text.contains("Divisional charts"));
  EXPECT_FALSE(text.contains("Vimshottari dasha"));
  const ReportChoice kept = StoredReportChoice();
  EXPECT_EQ(kept.paper, QPageSize::Letter);
  EXPECT_EQ(kept.sections,
            (std::vector<ReportSection>{ReportSection::Birth, ReportSection::Charts,
                                        ReportSection::Divisions, ReportSection::Transits,
                                        ReportSection::Match}));

  const QByteArray old_report = FileBytes(pdf);
  ticks_.clear();
  answers_ = {pdf};
  {
    const FileSizeLimit limit(4096);
    Menu("mnuSaveReportAsPdf");
  }
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0].icon, MessageIcon::Stop);
  EXPECT_TRUE(messages_[0].text.contains(QDir::toNativeSeparators(pdf)));
  EXPECT_EQ(FileBytes(pdf), old_report);
}

TEST_F(ReportCommands, TheMatchPageIsInTheReportWhileTheMatchWindowIsOpen) {
  auto* match = new MatchWindow(test::GoldenChartById(0).birth, test::GoldenChartById(1).birth,
                                ChartOptions{}, Window());
  const QString title = MatchTitle(match->Sheet());
  ticks_ = {{"positions", false}, {"divisions", false}, {"vargas", false}, {"dasha", false}};
  for (const bool open : {true, false}) {
    match->setVisible(open);
    const QString pdf = dir_.filePath(open ? "open.pdf" : "closed.pdf");
    answers_ = {pdf};
    Menu("mnuSaveReportAsPdf");
    EXPECT_EQ(PdfText(pdf).contains(title), open) << open;
    if (open && qEnvironmentVariableIsSet("QUENDAL_REPORT_DIR"))
      QFile::copy(pdf, qEnvironmentVariable("QUENDAL_REPORT_DIR") + "/match_report.pdf");
  }
}

TEST_F(ReportCommands, PrintingGoesThroughThePrintDialogAndWithoutAPrinterOffersThePdf) {
  const QString printed = dir_.filePath("printed.pdf");
  std::vector<PrintDialogRequest> requests;
  SetPrintDialogHandler([&](QPrinter& printer, const PrintDialogRequest& request) {
    requests.push_back(request);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(printed);
    return true;
  });
  Menu("mnuPrintReport");
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_FALSE(requests[0].allow_print_to_file);
  EXPECT_FALSE(requests[0].allow_page_range);
  const QString text = PdfText(printed);
  EXPECT_TRUE(text.contains("Birth details"));
  EXPECT_TRUE(text.contains(QRegularExpression("Page 1 of [2-9]"))) << text.toStdString();

  SetPrinterCheck([] { return false; });
  dialogs_ = 0;
  Menu("mnuPrintReport");
  EXPECT_EQ(dialogs_, 0);
  EXPECT_EQ(requests.size(), 1u);
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0].text,
            "No printer is installed, so the report cannot be printed. To keep it as a file, "
            "choose File > Save Report As PDF.");
}

}  // namespace
}  // namespace quendal
