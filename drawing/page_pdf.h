// The chart page as a one-page vector PDF on an A4 or Letter page, landscape.
#pragma once

#include <QPageLayout>
#include <QPageSize>
#include <QRectF>
#include <QString>
#include <functional>

class QIODevice;
class QPainter;

namespace quendal {

struct ChartPage;

// Letter where the locale measures in US units, A4 elsewhere.
QPageSize::PageSizeId LocalePageSize();

// One page of the locale's size with even margins, drawn into its printable area; false with the
// reason when the page cannot be made.
using PageDrawing = std::function<void(QPainter&, const QRectF&)>;
bool WriteOnePagePdf(QIODevice& device, const QString& title, QPageLayout::Orientation orientation,
                     double margin_mm, const PageDrawing& draw, QString& reason);

// Writes the page into device; false with the reason when the page cannot be made.
bool WriteChartPdf(QIODevice& device, const ChartPage& page, const QString& title, QString& reason);

}  // namespace quendal
