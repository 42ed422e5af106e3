// The sections of the report, one builder each: a builder lays its section out for a body of
// the given size (points) and returns its blocks. A new section is one more builder here.
#pragma once

#include <QSizeF>
#include <vector>

#include "report/report_layout.h"

namespace quendal {

std::vector<ReportBlock> BirthDetailsBlocks(const ReportInput& input, const QSizeF& body);
std::vector<ReportBlock> ChartsBlocks(const ReportInput& input, const QSizeF& body);
std::vector<ReportBlock> PositionsBlocks(const ReportInput& input, const QSizeF& body);
std::vector<ReportBlock> DivisionsBlocks(const ReportInput& input, const QSizeF& body);
std::vector<ReportBlock> VargasBlocks(const ReportInput& input, const QSizeF& body);
std::vector<ReportBlock> DashaBlocks(const ReportInput& input, const QSizeF& body);
std::vector<ReportBlock> PratyantardashaBlocks(const ReportInput& input, const QSizeF& body);
std::vector<ReportBlock> TransitsBlocks(const ReportInput& input, const QSizeF& body);
std::vector<ReportBlock> MatchBlocks(const ReportInput& input, const QSizeF& body);

std::vector<ReportBlock> SectionBlocks(ReportSection section, const ReportInput& input,
                                       const QSizeF& body);

// The divisional charts the divisions section draws: all but the birth chart, and but the
// navamsa when the charts section already shows it.
std::vector<int> ReportDivisions(const ReportInput& input);

}  // namespace quendal
