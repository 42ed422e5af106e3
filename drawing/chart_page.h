// The chart page: what the chart child shows (the chart in its style with its name and
// options line, the birth details, the positions and "Other Details"), as plain data any
// caller can fill, and one routine that draws it into any painter and rectangle. The screen,
// the snapshot, JPEG, print, PDF and quendal-chart all draw through it.
#pragma once

#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <array>

#include "drawing/chart_view.h"
#include "drawing/sky_texts.h"

class QPainter;

namespace quendal {

struct ChartPage {
  ChartView view;  // the chart drawn, in style
  ChartStyle style = ChartStyle::Natal;
  QString chart_name;    // above the chart; empty for the birth chart
  QString options_line;  // the zodiac and positions; empty at the defaults
  // The birth-details column top to bottom: name, city, state, country, date, time,
  // latitude, longitude. A line too long for the page ends in "…".
  std::array<QString, 8> details;
  std::array<QString, 16> positions;  // the values of the positions rows, Sun first
  std::array<QString, 7> other;       // the values of "Other Details", Sun sign first
  QStringList notes;                  // lines under the chart that only paper shows
  // Off the default options: the panchang under the chart and the dasha balance row.
  SkyTexts sky;
  // Transit longitudes beside the positions' values, Sun first; empty without transits.
  std::vector<QString> transits;
};

// The page of a birth chart: division 1 is the birth chart itself, any other its divisional
// chart (the positions and details stay the birth's).
ChartPage MakeChartPage(const BirthData& birth, const Chart& chart, ChartStyle style, int division,
                        bool coloured);

// The eight birth-detail lines in the column's order; the date line is empty when the month
// has no name.
std::array<QString, 8> BirthDetailLines(const BirthData& birth);

// The page's size at its design scale, in pixels at 96 dots an inch.
QSizeF ChartPageSize();

// Draws page scaled into bounds (centred, the proportions kept) on a white ground.
void DrawChartPage(QPainter& painter, const ChartPage& page, const QRectF& bounds);

}  // namespace quendal
