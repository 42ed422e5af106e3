#include "cli/match_output.h"

#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonDocument>
#include <iomanip>
#include <sstream>

#include "birth/chart_calculation.h"
#include "cli/quoted_value.h"
#include "cli/reading_input.h"
#include "ui_common/month_name.h"

namespace quendal::cli {
namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

QJsonObject MarsJson(const MarsCheck& check) {
  return {{"HouseFromAscendant", check.house_from_ascendant},
          {"HouseFromMoon", check.house_from_moon},
          {"Manglik", check.manglik}};
}

MatchPerson PersonOf(const BirthData& birth, const ChartOptions& options) {
  return {birth, CalculateChart(birth, MatchOptions(options)),
          LongMonthName(birth.BirthMonth).toStdString()};
}

void WriteSide(std::ostream& out, const MatchSide& side) {
  out << side.role << ": " << EscapeControls(side.name) << "\n"
      << "  " << EscapeControls(side.birth) << "\n"
      << "  " << side.moon << "\n"
      << "  " << side.mars << "\n";
}

}  // namespace

std::string MatchClash(const QCommandLineParser& parser) {
  if (!parser.isSet("match")) return {};
  for (const char* option :
       {"batch", "export", "dasha", "pdf", "division", "chart-style", "zones", "places"}) {
    if (parser.isSet(option) &&
        !(parser.isSet("report") && option == std::string_view("chart-style")))
      return std::string("--match and --") + option;
  }
  return {};
}

QJsonObject MatchJson(const MatchPerson& bride, const MatchPerson& groom,
                      const MatchResult& match) {
  QJsonArray kootas;
  for (const KootaRow& row : match.kootas) {
    kootas.append(QJsonObject{{"Name", Q(row.name)},
                              {"Bride", Q(row.bride)},
                              {"Groom", Q(row.groom)},
                              {"Points", row.points},
                              {"Max", row.max}});
  }
  QJsonArray doshas;
  for (const std::string& dosha : match.doshas) doshas.append(Q(dosha));
  return {{"Bride", Q(bride.birth.PersonName)},
          {"Groom", Q(groom.birth.PersonName)},
          {"Kootas", kootas},
          {"Total", match.total},
          {"Max", kMatchMaximum},
          {"Doshas", doshas},
          {"Mars", QJsonObject{{"Bride", MarsJson(match.bride_mars)},
                               {"Groom", MarsJson(match.groom_mars)}}}};
}

void WriteReadableMatch(std::ostream& out, const MatchSheet& sheet) {
  out << "Ashtakoota guna milan\n" << sheet.options_line << "\n\n";
  WriteSide(out, sheet.bride);
  WriteSide(out, sheet.groom);
  out << "\n"
      << std::left << std::setw(14) << "Koota" << std::setw(14) << "Bride" << std::setw(14)
      << "Groom"
      << "Points\n";
  for (const KootaRow& row : sheet.kootas) {
    out << std::setw(14) << row.name << std::setw(14) << row.bride << std::setw(14) << row.groom
        << PointsText(row.points) << " of " << PointsText(row.max) << "\n";
  }
  out << std::setw(42) << "Total" << sheet.total << "\n\n"
      << sheet.total_line << "\n"
      << sheet.dosha_line << "\n"
      << sheet.parihara_line << "\n"
      << "Mars: " << sheet.mars_summary << "\n"
      << sheet.cancellation_line << "\n";
}

std::optional<MatchSheet> MatchSheetOf(const BirthRequest& bride, const std::string& groom_reading,
                                       const ChartOptions& options, InputError& error) {
  BirthParse groom = BirthFromReading(groom_reading);
  if (!groom.request) {
    error = groom.error;
    error.field = "--match";
    return std::nullopt;
  }
  const MatchPerson b = PersonOf(bride.birth, options);
  const MatchPerson g = PersonOf(groom.request->birth, options);
  return MakeMatchSheet(b, g, MatchCharts(b.chart, g.chart));
}

MatchRun RunMatch(const BirthRequest& bride, const std::string& groom_reading,
                  const ChartOptions& options, bool json) {
  BirthParse groom = BirthFromReading(groom_reading);
  if (!groom.request) {
    groom.error.field = "--match";
    return {{}, groom.error};
  }
  const MatchPerson b = PersonOf(bride.birth, options);
  const MatchPerson g = PersonOf(groom.request->birth, options);
  const MatchResult match = MatchCharts(b.chart, g.chart);
  if (json) return {QJsonDocument(MatchJson(b, g, match)).toJson().toStdString(), std::nullopt};
  std::ostringstream page;
  WriteReadableMatch(page, MakeMatchSheet(b, g, match));
  return {page.str(), std::nullopt};
}

}  // namespace quendal::cli
