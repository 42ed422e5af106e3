// The Shodashavarga table: the sign of every body in each of the sixteen divisional charts.
#include "positions/longitude_text.h"
#include "report/report_sections.h"
#include "report/report_text.h"
#include "ui_common/translated_text.h"
#include "vedic/varga_table.h"

namespace quendal {

std::vector<ReportBlock> VargasBlocks(const ReportInput& input, const QSizeF& body) {
  const VargaTable table = ShodashavargaTable(input.chart);
  constexpr double kBodyColumn = 62;
  const double column = (body.width() - kBodyColumn) / static_cast<double>(kDivisions.size());
  std::vector<double> lefts = {0};
  QStringList header = {TrText("Report", "Body")};
  for (std::size_t k = 0; k < kDivisions.size(); ++k) {
    lefts.push_back(kBodyColumn + column * static_cast<double>(k));
    header << QStringLiteral("D%1").arg(kDivisions[k]);
  }
  std::vector<ReportRow> rows;
  for (std::size_t b = 0; b < kBodyRowNames.size(); ++b) {
    ReportRow row{{TrName(kBodyRowNames[b])}};
    for (int sign : table.signs[b])
      row.cells << (sign < 0 ? QStringLiteral("-")
                             : TrName(SignShortNames[static_cast<std::size_t>(sign)]));
    row.shaded = IsVargottama(table, b);
    rows.push_back(std::move(row));
  }
  std::vector<ReportBlock> blocks = {
      TableBlock(std::move(lefts), std::move(rows), std::move(header)),
      TableBlock({0}, {{{TrText("Report", "Shaded: vargottama, the same sign in D1 and D9.")}}})};
  TitleFirstBlock(blocks, TrText("Report", "Shodashavarga table"));
  return blocks;
}

}  // namespace quendal
