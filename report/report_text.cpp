#include "report/report_text.h"

#include <QFontMetricsF>
#include <QPainter>

#include "ui_common/layout.h"

namespace quendal {
namespace {

const QColor kReportInk(0x20, 0x20, 0x20);
const QColor kRuleInk(0x90, 0x90, 0x90);
const QColor kShade(0xff, 0xf0, 0xc8);  // the dasha window's mark of a period in force

}  // namespace

QFont ReportFont(int points, bool bold) {
  QFont font = VerdanaFont(8.25, bold);
  // Pixels of a painter that draws one unit per point.
  font.setPixelSize(points);
  return font;
}

void DrawReportRow(QPainter& painter, const QRectF& row, const std::vector<double>& lefts,
                   const ReportRow& cells) {
  if (cells.shaded) painter.fillRect(row, kShade);
  const QFont font = ReportFont(kReportTextPoints, cells.bold);
  const QFontMetricsF metrics(font);
  painter.setFont(font);
  painter.setPen(kReportInk);
  for (qsizetype i = 0; i < cells.cells.size() && i < static_cast<qsizetype>(lefts.size()); ++i) {
    const auto column = static_cast<std::size_t>(i);
    const double left = row.left() + lefts[column];
    const bool last = i + 1 == cells.cells.size() || column + 1 == lefts.size();
    const double right = last ? row.right() : row.left() + lefts[column + 1] - 4;
    const QRectF cell(left, row.top(), right - left, row.height());
    painter.drawText(cell, Qt::AlignLeft | Qt::AlignVCenter,
                     metrics.elidedText(cells.cells[i], Qt::ElideRight, cell.width()));
  }
}

ReportBlock TableBlock(std::vector<double> lefts, std::vector<ReportRow> rows, QStringList header) {
  const bool has_header = !header.isEmpty();
  ReportBlock block;
  block.height = static_cast<double>(rows.size() + (has_header ? 1 : 0)) * kReportRowHeight;
  block.draw = [lefts = std::move(lefts), rows = std::move(rows), header = std::move(header)](
                   QPainter& painter, const QRectF& rect) {
    QRectF row(rect.left(), rect.top(), rect.width(), kReportRowHeight);
    if (!header.isEmpty()) {
      DrawReportRow(painter, row, lefts, ReportRow{header, true});
      painter.setPen(QPen(kRuleInk, 0.5));
      painter.drawLine(row.bottomLeft(), row.bottomRight());
      row.translate(0, kReportRowHeight);
    }
    for (const ReportRow& cells : rows) {
      DrawReportRow(painter, row, lefts, cells);
      row.translate(0, kReportRowHeight);
    }
  };
  return block;
}

void TitleFirstBlock(std::vector<ReportBlock>& blocks, const QString& title) {
  if (blocks.empty()) blocks.push_back({});
  ReportBlock& first = blocks.front();
  first.height += kSectionTitleHeight;
  first.draw = [title, draw = std::move(first.draw)](QPainter& painter, const QRectF& rect) {
    const QRectF line(rect.left(), rect.top(), rect.width(), kSectionTitleHeight - 8);
    painter.setFont(ReportFont(13, true));
    painter.setPen(kReportInk);
    painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, title);
    painter.setPen(QPen(kRuleInk, 0.75));
    painter.drawLine(line.bottomLeft() + QPointF(0, 2), line.bottomRight() + QPointF(0, 2));
    if (draw) draw(painter, rect.adjusted(0, kSectionTitleHeight, 0, 0));
  };
}

}  // namespace quendal
