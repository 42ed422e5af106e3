// The chart drawings of the report: the birth chart beside the navamsa, then the other
// divisional charts two to a row, each drawn by the chart style's own routine.
#include <QPainter>

#include "drawing/chart_drawing.h"
#include "drawing/natal_wheel_drawing.h"
#include "report/report_sections.h"
#include "report/report_text.h"
#include "ui_common/translated_text.h"
#include "vedic/divisional_signs.h"

namespace quendal {
namespace {

constexpr double kChartGap = 18;
constexpr int kDivisionRowsPerPage = 3;

// The charts draw at the screen's scale of type; drawn ten times larger and scaled down,
// their type sizes keep a tenth of a point of precision.
constexpr double kChartFineScale = 10;

void DrawReportChart(QPainter& painter, const ChartView& view, ChartStyle style,
                     const QRectF& bounds) {
  painter.save();
  painter.translate(bounds.topLeft());
  painter.scale(1 / kChartFineScale, 1 / kChartFineScale);
  const QRectF fine(0, 0, bounds.width() * kChartFineScale, bounds.height() * kChartFineScale);
  switch (style) {
    case ChartStyle::Natal:
      DrawNatalWheel(painter, view, fine);
      break;
    case ChartStyle::North:
      DrawNorthIndian(painter, view, fine);
      break;
    case ChartStyle::South:
      DrawSouthIndian(painter, view, fine);
      break;
  }
  painter.restore();
}

ChartView ViewOf(const ReportInput& input, int division) {
  return MakeChartView(DivisionalChart(input.chart, division), input.birth, division,
                       input.coloured);
}

// A row of charts, each a square of side `side` under its title.
ReportBlock ChartRow(const ReportInput& input, const std::vector<int>& divisions, double side) {
  std::vector<ChartView> views;
  for (int division : divisions) views.push_back(ViewOf(input, division));
  ReportBlock block;
  block.height = kChartTitleHeight + side;
  block.draw = [views = std::move(views), side, style = input.style](QPainter& painter,
                                                                     const QRectF& rect) {
    const double row_width = side * static_cast<double>(views.size()) +
                             kChartGap * static_cast<double>(views.size() - 1);
    double left = rect.left() + (rect.width() - row_width) / 2;
    for (const ChartView& view : views) {
      painter.setFont(ReportFont(10, true));
      painter.setPen(QColor(0x20, 0x20, 0x20));
      painter.drawText(QRectF(left, rect.top(), side, kChartTitleHeight - 3),
                       Qt::AlignHCenter | Qt::AlignVCenter, view.chart_name);
      DrawReportChart(painter, view, style,
                      QRectF(left, rect.top() + kChartTitleHeight, side, side));
      left += side + kChartGap;
    }
  };
  return block;
}

}  // namespace

std::vector<ReportBlock> ChartsBlocks(const ReportInput& input, const QSizeF& body) {
  const double side = std::min((body.width() - kChartGap) / 2,
                               body.height() - kSectionTitleHeight - kChartTitleHeight);
  std::vector<ReportBlock> blocks = {ChartRow(input, {1, 9}, side)};
  TitleFirstBlock(blocks, TrText("Report", "Birth chart and navamsa"));
  return blocks;
}

std::vector<ReportBlock> DivisionsBlocks(const ReportInput& input, const QSizeF& body) {
  const std::vector<int> divisions = ReportDivisions(input);
  // Three rows of two fill a page together with the section's title.
  const double row_room =
      (body.height() - kSectionTitleHeight - kBlockGap * (kDivisionRowsPerPage - 1)) /
      kDivisionRowsPerPage;
  const double side = std::min((body.width() - kChartGap) / 2, row_room - kChartTitleHeight);
  std::vector<ReportBlock> blocks;
  for (std::size_t i = 0; i < divisions.size(); i += 2) {
    std::vector<int> row = {divisions[i]};
    if (i + 1 < divisions.size()) row.push_back(divisions[i + 1]);
    blocks.push_back(ChartRow(input, row, side));
  }
  TitleFirstBlock(blocks, TrText("Report", "Divisional charts"));
  return blocks;
}

}  // namespace quendal
