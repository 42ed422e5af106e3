// The sky of the printing day over the chart, and the Sade Sati periods of the life with the
// one under way on the printing day shaded.
#include "birth/transits.h"
#include "drawing/transit_view.h"
#include "positions/longitude_text.h"
#include "report/report_sections.h"
#include "report/report_text.h"
#include "ui_common/translated_text.h"
#include "vedic/dasha.h"
#include "vedic/sade_sati.h"

namespace quendal {
namespace {

ReportBlock TransitTable(const Transits& transits) {
  std::vector<ReportRow> rows = {
      {{TransitCaptionText(transits.moment)}, true},
      {{TrText("Report", "Body"), TrText("Report", "Longitude"), TrText("Report", "Sign"),
        TrText("Report", "From Lagna"), TrText("Report", "From Moon")},
       true}};
  for (const TransitBody& body : transits.bodies)
    rows.push_back(
        {{TrName(body.name), TrLongitude(ReportText(TransitLongitudeText(body))),
          TrName(SignFullNames[static_cast<std::size_t>(body.sign)]),
          QString::number(body.house_from_lagna), QString::number(body.house_from_moon)}});
  return TableBlock({0, 80, 200, 300, 380}, std::move(rows));
}

// A period and its phases, never cut between pages.
ReportBlock PeriodTable(const SadeSatiPeriod& period, double today, bool first) {
  const auto dates = [](double start, double end) {
    return QStringList{ReportText(IsoDate(start)), ReportText(IsoDate(end))};
  };
  const bool in_force = period.start <= today && today < period.end;
  std::vector<ReportRow> rows = {
      {QStringList{TrText("Report", "Sade Sati")} + dates(period.start, period.end) +
           QStringList{in_force ? TrText("Report", "in force") : QString()},
       true, in_force}};
  for (const SadeSatiPhase& phase : period.phases)
    rows.push_back({QStringList{QStringLiteral("   ") + TrName(phase.name)} +
                    dates(phase.start, phase.end)});
  for (const std::string& reentry : period.reentries)
    rows.push_back({{QStringLiteral("   ") + ReentryText(reentry)}});
  return TableBlock({0, 160, 250, 340}, std::move(rows),
                    first ? QStringList{TrText("Report", "Sade Sati, 1900 to 2100"),
                                        TrText("Report", "Start"), TrText("Report", "End"),
                                        QString()}
                          : QStringList());
}

}  // namespace

std::vector<ReportBlock> TransitsBlocks(const ReportInput& input, const QSizeF&) {
  const Transits transits = CalculateTransits(
      input.birth, input.chart, MomentInBirthZone(input.birth, input.printed.toSecsSinceEpoch()));
  std::vector<ReportBlock> blocks = {TransitTable(transits)};
  const QDate date = input.printed.date();
  const QTime time = input.printed.time();
  const double today = DayNumber(date.year(), date.month(), date.day(), time.hour(), time.minute());
  const std::vector<SadeSatiPeriod> periods = CalculateSadeSati(input.birth, input.chart);
  for (std::size_t i = 0; i < periods.size(); ++i)
    blocks.push_back(PeriodTable(periods[i], today, i == 0));
  TitleFirstBlock(blocks, TrText("Report", "Transits and Sade Sati"));
  return blocks;
}

}  // namespace quendal
