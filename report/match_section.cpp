// The page of the match window open for this chart, drawn by the match page's own routine.
#include <algorithm>

#include "drawing/match_drawing.h"
#include "report/report_sections.h"
#include "report/report_text.h"

namespace quendal {

std::vector<ReportBlock> MatchBlocks(const ReportInput& input, const QSizeF& body) {
  if (!input.match) return {};
  const QSizeF page = MatchPageSize();
  const double height =
      std::min(body.width() * page.height() / page.width(), body.height() - kSectionTitleHeight);
  ReportBlock block;
  block.height = height;
  block.draw = [sheet = *input.match](QPainter& painter, const QRectF& rect) {
    DrawMatchPage(painter, sheet, rect);
  };
  std::vector<ReportBlock> blocks = {std::move(block)};
  TitleFirstBlock(blocks, MatchTitle(*input.match));
  return blocks;
}

}  // namespace quendal
