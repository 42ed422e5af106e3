#include "drawing/page_pdf.h"

#include <QLocale>
#include <QPainter>
#include <QPdfWriter>

#include "drawing/chart_page.h"
#include "ui_common/translated_text.h"

namespace quendal {

QPageSize::PageSizeId LocalePageSize() {
  return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                            : QPageSize::A4;
}

bool WriteOnePagePdf(QIODevice& device, const QString& title, QPageLayout::Orientation orientation,
                     double margin_mm, const PageDrawing& draw, QString& reason) {
  QPdfWriter writer(&device);
  writer.setTitle(title);
  writer.setCreator(QStringLiteral("Quendal"));
  writer.setPageSize(QPageSize(LocalePageSize()));
  writer.setPageOrientation(orientation);
  writer.setPageMargins(QMarginsF(margin_mm, margin_mm, margin_mm, margin_mm),
                        QPageLayout::Millimeter);
  QPainter painter;
  if (!painter.begin(&writer)) {
    reason = TrText("MDI", "The PDF page could not be started.");
    return false;
  }
  draw(painter, QRectF(0, 0, writer.width(), writer.height()));
  if (!painter.end()) {
    reason = TrText("MDI", "The PDF page could not be finished.");
    return false;
  }
  return true;
}

bool WriteChartPdf(QIODevice& device, const ChartPage& page, const QString& title,
                   QString& reason) {
  return WriteOnePagePdf(
      device, title, QPageLayout::Landscape, 12,
      [&page](QPainter& painter, const QRectF& area) { DrawChartPage(painter, page, area); },
      reason);
}

}  // namespace quendal
