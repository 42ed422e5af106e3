// The report's one layout routine: sections are lists of blocks that know their height and
// draw themselves into a rectangle; the plan lays them onto pages, and the same painting goes
// to a PDF writer or a printer. Lengths are points (1/72 inch).
#pragma once

#include <QPageSize>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <functional>
#include <vector>

#include "report/report_input.h"

class QPagedPaintDevice;
class QPainter;

namespace quendal {

// A piece of a section that is never cut between pages.
struct ReportBlock {
  double height = 0;
  std::function<void(QPainter&, const QRectF&)> draw;
};

struct ReportSectionBlocks {
  ReportSection section;
  std::vector<ReportBlock> blocks;
};

struct PlacedBlock {
  int section = 0;  // index into the planned sections
  int block = 0;
  int page = 0;  // 0 = the first page
  double top = 0;
};

struct PagePlan {
  std::vector<PlacedBlock> blocks;
  int pages = 0;
};

inline constexpr double kSectionGap = 14;  // between sections on one page
inline constexpr double kBlockGap = 6;     // between the blocks of a section

// A section goes on after the one before when the whole of it fits the rest of the page,
// otherwise on a new page; a section longer than a page flows on at block boundaries.
PagePlan PlanPages(const std::vector<std::vector<double>>& block_heights, double body_height);

// The printable area of the paper with the report's margins, and the body between the
// header and the footer within it.
QSizeF ReportContentSize(QPageSize::PageSizeId paper);
double ReportBodyHeight(const QSizeF& content);

// The sections of input laid out for a body of the given size.
std::vector<ReportSectionBlocks> BuildReportSections(const ReportInput& input, const QSizeF& body);
PagePlan PlanReport(const std::vector<ReportSectionBlocks>& sections, double body_height);

// Paints every page onto device (its page layout already set); false with the reason.
bool PaintReport(QPagedPaintDevice& device, const ReportInput& input, QString& reason);

// Sets the report's paper and margins on device.
void SetReportPage(QPagedPaintDevice& device, QPageSize::PageSizeId paper);

}  // namespace quendal
