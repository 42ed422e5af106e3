#include "drawing/sky_texts.h"

#include "birth/chart_calculation.h"
#include "chart_text/chart_lines.h"
#include "vedic/dasha.h"
#include "vedic/dasha_levels.h"
#include "vedic/panchang.h"

namespace quendal {

SkyTexts MakeSkyTexts(const BirthData& birth, const Chart& chart) {
  SkyTexts texts;
  if (chart.Options.IsDefault()) return texts;
  for (const auto& [caption, value] : PanchangRows(CalculatePanchang(birth, chart), chart))
    texts.panchang.emplace_back(QString::fromStdString(caption), QString::fromStdString(value));
  const Dasha dasha = DashaOfChart(chart);
  texts.balance = QString::fromStdString(DashaBalanceShortText(dasha));
  texts.balance_words = QString::fromStdString(DashaBalanceText(dasha));
  return texts;
}

}  // namespace quendal
