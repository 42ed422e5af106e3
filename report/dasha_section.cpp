// The Vimshottari dasha of a lifetime: the balance at birth, then every mahadasha with its
// antardashas, the age at each start, and the periods in force on the printing day shaded.
#include <cmath>

#include "report/report_sections.h"
#include "report/report_text.h"
#include "ui_common/translated_text.h"
#include "vedic/dasha.h"
#include "vedic/dasha_levels.h"

namespace quendal {
namespace {

QString Lord(const DashaPeriod& period) {
  return TrName(kDashaLords[static_cast<std::size_t>(period.lord)]);
}

ReportRow PeriodRow(const DashaPeriod& period, double birth, bool maha, bool in_force) {
  ReportRow row;
  row.cells = {maha ? Lord(period) : QString(),
               maha ? QString() : Lord(period),
               ReportText(IsoDate(period.start)),
               ReportText(IsoDate(period.end)),
               period.start < birth ? QString() : TrName(AgeText(birth, period.start)),
               in_force ? TrText("Report", "in force") : QString()};
  row.bold = maha;
  row.shaded = in_force;
  return row;
}

}  // namespace

std::vector<ReportBlock> DashaBlocks(const ReportInput& input, const QSizeF&) {
  const Chart& chart = input.chart;
  const NakshatraPlace& moon = chart.MoonNakshatra;
  const Dasha dasha = DashaOfChart(chart);
  const QDate date = input.printed.date();
  const QTime time = input.printed.time();
  const double today = DayNumber(date.year(), date.month(), date.day(), time.hour(), time.minute());

  std::vector<ReportBlock> blocks;
  blocks.push_back(TableBlock(
      {0}, {{{TrText("Report", "Balance at birth: %1 (Moon in %2, pada %3).")
                  .arg(TrName(DashaBalanceText(dasha)))
                  .arg(TrName(kNakshatraNames[static_cast<std::size_t>(moon.index)]))
                  .arg(moon.pada)}},
            {{TrText("Report",
                     "A year of the dasha: %1. Shaded: the periods in force on the printing "
                     "day.")
                  .arg(TrName(DashaYearName(chart.Options.dasha_year)))}}}));
  const std::vector<double> lefts = {0, 80, 160, 250, 340, 420};
  const QStringList header = {TrText("Report", "Mahadasha"),    TrText("Report", "Antardasha"),
                              TrText("Report", "Start"),        TrText("Report", "End"),
                              TrText("Report", "Age at start"), QString()};
  const int maha_now = PeriodAt(dasha, today);
  for (std::size_t i = 0; i < dasha.size(); ++i) {
    const Mahadasha& maha = dasha[i];
    const bool maha_in_force = static_cast<int>(i) == maha_now;
    const int sub_now = maha_in_force ? PeriodAt(maha.antardashas, today) : -1;
    std::vector<ReportRow> rows = {PeriodRow(maha, chart.BirthDay, true, maha_in_force)};
    for (std::size_t j = 0; j < maha.antardashas.size(); ++j)
      rows.push_back(
          PeriodRow(maha.antardashas[j], chart.BirthDay, false, static_cast<int>(j) == sub_now));
    blocks.push_back(TableBlock(lefts, std::move(rows), i == 0 ? header : QStringList()));
  }
  TitleFirstBlock(blocks, TrText("Report", "Vimshottari dasha"));
  return blocks;
}

}  // namespace quendal
