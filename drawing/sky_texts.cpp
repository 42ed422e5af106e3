#include "drawing/sky_texts.h"

#include "birth/chart_calculation.h"
#include "chart_text/chart_lines.h"
#include "ui_common/translated_text.h"
#include "vedic/dasha.h"
#include "vedic/dasha_levels.h"
#include "vedic/panchang.h"

namespace quendal {
namespace {

// "Sun 4 y 8 m 27 d": the frame's value column is narrow; the tooltip says it in words.
QString ShortBalance(const Dasha& dasha) {
  const CalendarSpan span = DashaBalance(dasha);
  return TrText("SkyPanels", "%1 %2 y %3 m %4 d")
      .arg(TrName(kDashaLords[static_cast<std::size_t>(dasha[0].lord)]))
      .arg(span.years)
      .arg(span.months)
      .arg(span.days);
}

}  // namespace

SkyTexts MakeSkyTexts(const BirthData& birth, const Chart& chart) {
  SkyTexts texts;
  if (chart.Options.IsDefault()) return texts;
  for (const auto& [caption, value] : PanchangRows(CalculatePanchang(birth, chart), chart))
    texts.panchang.emplace_back(TrName(caption), TrName(value));
  const Dasha dasha = DashaOfChart(chart);
  texts.balance = ShortBalance(dasha);
  texts.balance_words = TrName(DashaBalanceText(dasha));
  return texts;
}

}  // namespace quendal
