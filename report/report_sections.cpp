#include "report/report_sections.h"

#include <algorithm>

#include "vedic/divisional_signs.h"

namespace quendal {

std::vector<ReportBlock> SectionBlocks(ReportSection section, const ReportInput& input,
                                       const QSizeF& body) {
  switch (section) {
    case ReportSection::Birth:
      return BirthDetailsBlocks(input, body);
    case ReportSection::Charts:
      return ChartsBlocks(input, body);
    case ReportSection::Positions:
      return PositionsBlocks(input, body);
    case ReportSection::Divisions:
      return DivisionsBlocks(input, body);
    case ReportSection::Vargas:
      return VargasBlocks(input, body);
    case ReportSection::Dasha:
      return DashaBlocks(input, body);
    case ReportSection::Pratyantardashas:
      return PratyantardashaBlocks(input, body);
    case ReportSection::Transits:
      return TransitsBlocks(input, body);
    case ReportSection::Match:
      return MatchBlocks(input, body);
  }
  return {};
}

std::vector<int> ReportDivisions(const ReportInput& input) {
  const bool navamsa_shown = std::find(input.sections.begin(), input.sections.end(),
                                       ReportSection::Charts) != input.sections.end();
  std::vector<int> divisions;
  for (int division : kDivisions) {
    if (division == 1 || (division == 9 && navamsa_shown)) continue;
    divisions.push_back(division);
  }
  return divisions;
}

}  // namespace quendal
