// The chart page as a one-page vector PDF on an A4 or Letter page, landscape.
#pragma once

#include <QPageSize>
#include <QString>

class QIODevice;

namespace quendal {

struct ChartPage;

// Letter where the locale measures in US units, A4 elsewhere.
QPageSize::PageSizeId LocalePageSize();

// Writes the page into device; false with the reason when the page cannot be made.
bool WriteChartPdf(QIODevice& device, const ChartPage& page, const QString& title, QString& reason);

}  // namespace quendal
