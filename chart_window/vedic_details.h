// The chart child's "Other Details" beyond the two signs (nakshatra, pada, lord, ayanamsha,
// lagna position) and the line that names a chart's zodiac and positions.
#pragma once

class QWidget;

namespace quendal {

struct ChartPage;

// Adds lblChartOptions to the chart child.
void AddChartOptionsLine(QWidget* display);

// Writes the rows of the frame below the two signs and the options line from the page.
void FillVedicDetails(QWidget* display, const ChartPage& page);

}  // namespace quendal
