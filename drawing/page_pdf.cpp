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

bool WriteChartPdf(QIODevice& device, const ChartPage& page, const QString& title,
                   QString& reason) {
  QPdfWriter writer(&device);
  writer.setTitle(title);
  writer.setCreator(QStringLiteral("Quendal"));
  writer.setPageSize(QPageSize(LocalePageSize()));
  writer.setPageOrientation(QPageLayout::Landscape);
  writer.setPageMargins(QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter);
  QPainter painter;
  if (!painter.begin(&writer)) {
    reason = TrText("MDI", "The PDF page could not be started.");
    return false;
  }
  DrawChartPage(painter, page, QRectF(0, 0, writer.width(), writer.height()));
  if (!painter.end()) {
    reason = TrText("MDI", "The PDF page could not be finished.");
    return false;
  }
  return true;
}

}  // namespace quendal
