// The ten bodies with their signs, longitudes, nakshatras, padas, lords and retrograde marks.
#include "positions/longitude_text.h"
#include "report/report_sections.h"
#include "report/report_text.h"
#include "ui_common/translated_text.h"
#include "vedic/divisional_signs.h"
#include "vedic/nakshatra.h"
#include "vedic/varga_table.h"

namespace quendal {
namespace {

constexpr std::array<const char*, 10> kBodies = {
    "Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Rahu", "Ketu", "Ascendant"};

}  // namespace

std::vector<ReportBlock> PositionsBlocks(const ReportInput& input, const QSizeF&) {
  const Chart& chart = input.chart;
  const auto texts = LongTexts(chart);
  const auto nakshatras = BodyNakshatras(chart);
  std::vector<ReportRow> rows;
  for (std::size_t i = 0; i < kBodies.size(); ++i) {
    const auto position = ParseLongitudeText(texts[i]);
    const NakshatraPlace& place = nakshatras[i].place;
    const bool retrograde = i >= 2 && i <= 6 && chart.RetrogradeFlags[i - 2];
    rows.push_back(
        {{TrName(kBodies[i]),
          position ? TrName(SignFullNames[static_cast<std::size_t>(position->sign)]) : QString(),
          TrLongitude(ReportText(texts[i])),
          TrName(kNakshatraNames[static_cast<std::size_t>(place.index)]),
          QString::number(place.pada), TrName(kDashaLords[static_cast<std::size_t>(place.lord)]),
          TrName(kDashaLords[static_cast<std::size_t>(nakshatras[i].sub_lord)]),
          retrograde ? TrText("Report", "R") : QString()}});
  }
  std::vector<ReportBlock> blocks = {
      TableBlock({0, 62, 135, 222, 330, 362, 418, 474}, std::move(rows),
                 {TrText("Report", "Body"), TrText("Report", "Sign"), TrText("Report", "Longitude"),
                  TrText("Report", "Nakshatra"), TrText("Report", "Pada"), TrText("Report", "Lord"),
                  TrText("Report", "Sub-lord"), TrText("Report", "Retro")})};
  if (chart.Options.zodiac == Zodiac::Tropical) {
    blocks.push_back(TableBlock(
        {0}, {{{TrText("Report", "Signs and longitudes are tropical; nakshatras are sidereal "
                               "(Lahiri), as always.")}},
              {{TrText("Report", "Sub-lords are those of Krishnamurti.")}}}));
  }
  TitleFirstBlock(blocks, TrText("Report", "Positions"));
  return blocks;
}

}  // namespace quendal
