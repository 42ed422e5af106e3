// Type and rows of the report's pages: the sections set their text through these, so every
// page reads alike. Lengths are points; the painter draws one unit per point.
#pragma once

#include <QFont>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <string_view>
#include <vector>

#include "report/report_layout.h"

class QPainter;

namespace quendal {

inline constexpr int kReportTextPoints = 9;
inline constexpr double kReportRowHeight = 13;
inline constexpr double kSectionTitleHeight = 24;
inline constexpr double kChartTitleHeight = 16;

QFont ReportFont(int points, bool bold = false);

inline QString ReportText(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// One row of a table: cells at the given left edges (points from the row's left); a cell
// that would run into the next is cut short with an ellipsis, and a row's last cell runs on
// to the row's end.
struct ReportRow {
  QStringList cells;
  bool bold = false;
  bool shaded = false;  // the row stands out (a period in force)
};
void DrawReportRow(QPainter& painter, const QRectF& row, const std::vector<double>& lefts,
                   const ReportRow& cells);

// A block of rows under an optional header row (drawn bold, with a rule under it).
ReportBlock TableBlock(std::vector<double> lefts, std::vector<ReportRow> rows,
                       QStringList header = {});

// The section's title goes at the top of its first block.
void TitleFirstBlock(std::vector<ReportBlock>& blocks, const QString& title);

}  // namespace quendal
