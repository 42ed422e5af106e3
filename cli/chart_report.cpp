#include "cli/chart_report.h"

#include <iostream>

#include "cli/chart_run.h"
#include "cli/match_output.h"
#include "cli/quoted_value.h"
#include "drawing/page_pdf.h"
#include "report/report_pdf.h"
#include "ui_common/safe_write.h"

namespace quendal::cli {

void AddReportOptions(QCommandLineParser& parser) {
  parser.addOptions({
      {"report", "Write the horoscope report as a PDF document into FILE.", "FILE"},
      {"report-sections", "Sections of --report, separated by commas: " + ReportSectionKeys() + ".",
       "LIST"},
  });
}

std::string ReportClash(const QCommandLineParser& parser) {
  if (parser.isSet("report-sections") && !parser.isSet("report"))
    return "--report-sections without --report";
  if (!parser.isSet("report")) return {};
  for (const char* option : {"json", "export", "output", "batch", "dasha", "panchang", "sade-sati",
                             "transits", "pdf", "division"}) {
    if (parser.isSet(option)) return std::string("--report and --") + option;
  }
  return {};
}

int RunReport(const QCommandLineParser& parser, const BirthRequest& request, const Chart& chart,
              ChartStyle style) {
  ReportChoice choice;
  choice.paper = LocalePageSize();
  if (parser.isSet("report-sections")) {
    QString bad;
    const auto sections = ParseReportSections(parser.value("report-sections"), bad);
    if (!sections) {
      std::cerr << "quendal-chart: --report-sections " << QuotedValue(bad.toStdString())
                << " is not a list of " << ReportSectionKeys().toStdString() << "\n";
      return 2;
    }
    choice.sections = *sections;
  } else {
    choice.sections = DefaultReportSections();
  }
  ChartSession session;
  session.birth_data = request.birth;
  session.chart = chart;
  session.zone_row = request.zone_row;
  session.view.style = style;
  ReportInput input = MakeReportInput(session, choice, QDateTime::currentDateTime());
  if (parser.isSet("match")) {
    InputError error;
    input.match = MatchSheetOf(request, parser.value("match").toStdString(), chart.Options, error);
    if (!input.match) {
      ReportError(error);
      return 2;
    }
  }
  const QString path = parser.value("report");
  QString reason;
  if (WriteFileSafely(
          path, [&](QIODevice& device, QString& why) { return WriteReportPdf(device, input, why); },
          reason))
    return 0;
  std::cerr << "quendal-chart: " << SaveFailedText(path, reason).toStdString() << "\n";
  return 1;
}

}  // namespace quendal::cli
