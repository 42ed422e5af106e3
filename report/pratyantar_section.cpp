// The pratyantardashas of every antardasha from birth on, two antardashas to a block: the
// third level of the dasha, long enough to be asked for on its own.
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

struct AntardashaOf {
  const DashaPeriod* maha;
  const DashaPeriod* antar;
};

ReportBlock AntardashaTable(const AntardashaOf& of, double birth, double today) {
  std::vector<ReportRow> rows = {
      {{TrText("Report", "%1 mahadasha, %2 antardasha").arg(Lord(*of.maha), Lord(*of.antar))},
       true},
      {{TrText("Report", "Period"), TrText("Report", "Start"), TrText("Report", "End"),
        TrText("Report", "Age")},
       true}};
  for (const DashaPeriod& period : Pratyantardashas(*of.antar)) {
    const bool in_force = period.start <= today && today < period.end;
    rows.push_back(
        {{Lord(period), ReportText(IsoDate(period.start)), ReportText(IsoDate(period.end)),
          period.start < birth ? QString() : TrName(AgeText(birth, period.start))},
         false,
         in_force});
  }
  return TableBlock({0, 62, 130, 198}, std::move(rows));
}

// Two tables side by side; a lone one keeps the left half.
ReportBlock SideBySide(ReportBlock left, ReportBlock right) {
  constexpr double kGap = 18;
  ReportBlock block;
  block.height = std::max(left.height, right.height);
  block.draw = [left = std::move(left), right = std::move(right)](QPainter& painter,
                                                                  const QRectF& rect) {
    const double half = (rect.width() - kGap) / 2;
    left.draw(painter, QRectF(rect.left(), rect.top(), half, left.height));
    if (right.draw)
      right.draw(painter, QRectF(rect.left() + half + kGap, rect.top(), half, right.height));
  };
  return block;
}

}  // namespace

std::vector<ReportBlock> PratyantardashaBlocks(const ReportInput& input, const QSizeF&) {
  const Chart& chart = input.chart;
  const Dasha dasha = VimshottariDasha(chart.BirthDay, chart.MoonNakshatra,
                                       DashaYearDays(chart.Options.dasha_year));
  const QDate date = input.printed.date();
  const QTime time = input.printed.time();
  const double today = DayNumber(date.year(), date.month(), date.day(), time.hour(), time.minute());
  std::vector<AntardashaOf> antardashas;
  for (const Mahadasha& maha : dasha)
    for (const DashaPeriod& antar : maha.antardashas)
      if (antar.end > chart.BirthDay) antardashas.push_back({&maha, &antar});
  std::vector<ReportBlock> blocks;
  for (std::size_t i = 0; i < antardashas.size(); i += 2) {
    ReportBlock left = AntardashaTable(antardashas[i], chart.BirthDay, today);
    ReportBlock right = i + 1 < antardashas.size()
                            ? AntardashaTable(antardashas[i + 1], chart.BirthDay, today)
                            : ReportBlock{};
    blocks.push_back(SideBySide(std::move(left), std::move(right)));
  }
  TitleFirstBlock(blocks, TrText("Report", "Pratyantardashas"));
  return blocks;
}

}  // namespace quendal
