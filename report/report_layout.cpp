#include "report/report_layout.h"

#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <numeric>

#include "report/report_sections.h"
#include "report/report_text.h"
#include "shell/version.h"
#include "ui_common/month_name.h"
#include "ui_common/translated_text.h"

namespace quendal {
namespace {

constexpr double kMarginMillimetres = 15;
constexpr double kHeaderHeight = 30;  // the heading, its rule and the space under it
constexpr double kFooterHeight = 20;
const QColor kFrameInk(0x40, 0x40, 0x40);

QString LongDate(const QDate& date) {
  return QStringLiteral("%1 %2, %3")
      .arg(ShownMonthName(date.month()))
      .arg(date.day())
      .arg(date.year());
}

void DrawHeader(QPainter& painter, const QRectF& content, const QString& heading) {
  const QRectF line(content.left(), content.top(), content.width(), 16);
  painter.setFont(ReportFont(11, true));
  painter.setPen(kFrameInk);
  painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, heading);
  painter.setPen(QPen(kFrameInk, 0.75));
  painter.drawLine(line.bottomLeft() + QPointF(0, 4), line.bottomRight() + QPointF(0, 4));
}

void DrawFooter(QPainter& painter, const QRectF& content, int page, int pages,
                const QDate& printed) {
  const QRectF line(content.left(), content.bottom() - 12, content.width(), 12);
  painter.setPen(QPen(kFrameInk, 0.5));
  painter.drawLine(line.topLeft() - QPointF(0, 4), line.topRight() - QPointF(0, 4));
  painter.setFont(ReportFont(8));
  painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("Quendal %1").arg(QLatin1String(kVersion)));
  painter.drawText(line, Qt::AlignHCenter | Qt::AlignVCenter,
                   TrText("Report", "Page %1 of %2").arg(page).arg(pages));
  painter.drawText(line, Qt::AlignRight | Qt::AlignVCenter,
                   TrText("Report", "Printed %1").arg(LongDate(printed)));
}

}  // namespace

PagePlan PlanPages(const std::vector<std::vector<double>>& block_heights, double body_height) {
  PagePlan plan;
  int page = 0;
  double used = 0;  // on the current page; 0: nothing there yet
  for (std::size_t s = 0; s < block_heights.size(); ++s) {
    const std::vector<double>& heights = block_heights[s];
    if (heights.empty()) continue;
    const double whole = std::accumulate(heights.begin(), heights.end(), 0.0) +
                         kBlockGap * static_cast<double>(heights.size() - 1);
    if (used > 0) {
      if (used + kSectionGap + whole <= body_height) {
        used += kSectionGap;
      } else {
        ++page;
        used = 0;
      }
    }
    for (std::size_t b = 0; b < heights.size(); ++b) {
      if (b > 0) {
        if (used + kBlockGap + heights[b] <= body_height) {
          used += kBlockGap;
        } else {
          ++page;
          used = 0;
        }
      }
      plan.blocks.push_back({static_cast<int>(s), static_cast<int>(b), page, used});
      used += heights[b];
    }
  }
  plan.pages = page + 1;
  return plan;
}

QSizeF ReportContentSize(QPageSize::PageSizeId paper) {
  const QPageLayout layout(
      QPageSize(paper), QPageLayout::Portrait,
      QMarginsF(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres, kMarginMillimetres),
      QPageLayout::Millimeter);
  return layout.paintRect(QPageLayout::Point).size();
}

double ReportBodyHeight(const QSizeF& content) {
  return content.height() - kHeaderHeight - kFooterHeight;
}

void SetReportPage(QPagedPaintDevice& device, QPageSize::PageSizeId paper) {
  device.setPageLayout(QPageLayout(
      QPageSize(paper), QPageLayout::Portrait,
      QMarginsF(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres, kMarginMillimetres),
      QPageLayout::Millimeter));
}

std::vector<ReportSectionBlocks> BuildReportSections(const ReportInput& input, const QSizeF& body) {
  std::vector<ReportSectionBlocks> sections;
  for (ReportSection section : input.sections) {
    std::vector<ReportBlock> blocks = SectionBlocks(section, input, body);
    if (!blocks.empty()) sections.push_back({section, std::move(blocks)});
  }
  return sections;
}

PagePlan PlanReport(const std::vector<ReportSectionBlocks>& sections, double body_height) {
  std::vector<std::vector<double>> heights;
  for (const ReportSectionBlocks& section : sections) {
    std::vector<double>& of_section = heights.emplace_back();
    for (const ReportBlock& block : section.blocks) of_section.push_back(block.height);
  }
  return PlanPages(heights, body_height);
}

bool PaintReport(QPagedPaintDevice& device, const ReportInput& input, QString& reason) {
  const QSizeF content = device.pageLayout().paintRect(QPageLayout::Point).size();
  const QSizeF body(content.width(), ReportBodyHeight(content));
  const std::vector<ReportSectionBlocks> sections = BuildReportSections(input, body);
  const PagePlan plan = PlanReport(sections, body.height());

  QPainter painter;
  if (!painter.begin(&device)) {
    reason = TrText("Report", "The report could not be started.");
    return false;
  }
  // One unit per point on every device, whatever its resolution.
  const double scale = device.logicalDpiX() / 72.0;
  painter.scale(scale, scale);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  const QRectF frame(QPointF(0, 0), content);
  const QString heading = ReportHeading(input.birth);
  const QDate printed = input.printed.date();
  std::size_t next = 0;
  for (int page = 0; page < plan.pages; ++page) {
    if (page > 0 && !device.newPage()) {
      reason = TrText("Report", "A new page could not be started.");
      painter.end();
      return false;
    }
    DrawHeader(painter, frame, heading);
    DrawFooter(painter, frame, page + 1, plan.pages, printed);
    for (; next < plan.blocks.size() && plan.blocks[next].page == page; ++next) {
      const PlacedBlock& placed = plan.blocks[next];
      const ReportBlock& block = sections[static_cast<std::size_t>(placed.section)]
                                     .blocks[static_cast<std::size_t>(placed.block)];
      const QRectF rect(0, kHeaderHeight + placed.top, body.width(), block.height);
      painter.save();
      if (block.draw) block.draw(painter, rect);
      painter.restore();
    }
  }
  if (!painter.end()) {
    reason = TrText("Report", "The report could not be finished.");
    return false;
  }
  return true;
}

}  // namespace quendal
