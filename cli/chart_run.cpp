#include "cli/chart_run.h"

#include <QCommandLineParser>
#include <QJsonDocument>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "birth/chart_calculation.h"
#include "cli/batch.h"
#include "cli/batch_options.h"
#include "cli/birth_options.h"
#include "cli/chart_choice.h"
#include "cli/chart_output.h"
#include "cli/chart_pdf.h"
#include "cli/chart_report.h"
#include "cli/dasha_output.h"
#include "cli/device_stream.h"
#include "cli/export_output.h"
#include "cli/match_output.h"
#include "cli/place_options.h"
#include "cli/quoted_value.h"
#include "cli/reading_input.h"
#include "cli/sky_output.h"
#include "shell/version.h"
#include "ui_common/safe_write.h"
#include "vedic/divisional_signs.h"

namespace quendal::cli {
namespace {

JsonTables TablesAsked(const QCommandLineParser& parser) {
  return {parser.isSet("vargas"), parser.isSet("bodies")};
}

}  // namespace

void ReportError(const InputError& error) {
  std::cerr << "quendal-chart: " << error.field;
  if (!error.value.empty()) std::cerr << " " << QuotedValue(error.value);
  std::cerr << " " << error.reason << "\n";
}

int Emit(const QCommandLineParser& parser, const std::string& text) {
  if (parser.isSet("output")) {
    const QString path = parser.value("output");
    QString reason;
    if (WriteBytesSafely(path, QByteArray::fromStdString(text), reason)) return 0;
    std::cerr << "quendal-chart: " << SaveFailedText(path, reason).toStdString() << "\n";
    return kWriteFailed;
  }
  std::cout.write(text.data(), static_cast<std::streamsize>(text.size()));
  std::cout.flush();
  return std::cout ? 0 : kWriteFailed;
}

int RunBatchFrom(const QCommandLineParser& parser, const ChartOptions& options) {
  const QString source = parser.value("batch");
  BatchSettings settings;
  if (const auto error = ReadBatchSettings(parser, settings)) {
    ReportError(*error);
    return kBadInput;
  }
  settings.tables = TablesAsked(parser);
  // A reader that stops early (head, a closed socket) shows as a failed write, which ends
  // the run quietly, instead of as a signal that kills it.
  std::signal(SIGPIPE, SIG_IGN);
  std::ifstream file;
  if (source != "-") {
    const std::string name = source.toStdString();
    std::error_code error;
    // A folder opens like a file and then reads as nothing at all.
    const bool folder = std::filesystem::is_directory(name, error);
    if (!folder) file.open(name, std::ios::binary);
    if (folder || !file) {
      std::cerr << "quendal-chart: --batch " << QuotedValue(name)
                << (folder ? " is a folder" : " cannot be opened") << "\n";
      return kBadInput;
    }
  }
  std::istream& in = source == "-" ? std::cin : file;
  if (!parser.isSet("output")) return RunBatch(in, std::cout, std::cerr, settings, options).status;
  // Streamed into the save as it goes, so memory stays flat however long the input is; the
  // file is replaced only when the last chart is written.
  const QString path = parser.value("output");
  BatchOutcome outcome;
  QString reason;
  const bool saved = WriteFileSafely(
      path,
      [&](QIODevice& device, QString&) {
        DeviceStreamBuffer buffer(device);
        std::ostream charts(&buffer);
        outcome = RunBatch(in, charts, std::cerr, settings, options);
        return static_cast<bool>(charts.flush()) && !outcome.header_refused;
      },
      reason);
  if (saved) return outcome.status;
  if (outcome.header_refused) return outcome.status;
  std::cerr << "quendal-chart: " << SaveFailedText(path, reason).toStdString() << "\n";
  return kWriteFailed;
}

// Where the birth comes from: the options (and the atlas), or a reading file.
BirthParse BirthFromCommandLine(const QCommandLineParser& parser, PlaceFound& place) {
  if (parser.isSet("reading")) return BirthFromReading(parser.value("reading").toStdString());
  return BirthFromOptions(parser, place);
}

// How the chart leaves: JSON, the text export, or a page to read.
int WriteChart(const QCommandLineParser& parser, const BirthRequest& request, const Chart& chart,
               const PlaceFound& place) {
  std::string text;
  if (parser.isSet("json")) {
    QJsonObject json = ChartJson(chart, TablesAsked(parser));
    if (parser.isSet("division")) json["Division"] = parser.value("division").toInt();
    if (place.index >= 0) json["Place"] = PlaceJson(place);
    AddSkyJson(json, parser, request.birth, chart);
    text = QJsonDocument(json).toJson(QJsonDocument::Indented).toStdString();
  } else if (parser.isSet("export")) {
    text = ChartExportText(request.birth, chart);
  } else if (parser.isSet("vargas") || parser.isSet("bodies")) {
    std::ostringstream tables;
    if (parser.isSet("vargas")) WriteReadableVargas(tables, chart);
    if (parser.isSet("vargas") && parser.isSet("bodies")) tables << "\n";
    if (parser.isSet("bodies")) WriteReadableBodies(tables, chart);
    text = tables.str();
  } else if (WantsSky(parser)) {
    text = SkyText(parser, request.birth, chart);
  } else {
    std::ostringstream page;
    if (parser.isSet("division"))
      page << "Division: " << DivisionName(parser.value("division").toInt()) << "\n\n";
    WriteReadableChart(page, request, chart);
    text = page.str();
  }
  return Emit(parser, text);
}

}  // namespace quendal::cli
