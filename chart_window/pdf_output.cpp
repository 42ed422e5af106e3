#include "chart_window/pdf_output.h"

#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <vector>

#include "chart_window/frmDisplay.h"
#include "ui_common/file_dialogs.h"
#include "ui_common/safe_save.h"

namespace quendal {

QPageSize::PageSizeId LocalePageSize() {
  return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                            : QPageSize::A4;
}

bool WriteChartPdf(QIODevice& device, QWidget& chart_child, const QString& title, QString& reason) {
  QPdfWriter writer(&device);
  writer.setTitle(title);
  writer.setCreator(QStringLiteral("Quendal"));
  writer.setPageSize(QPageSize(LocalePageSize()));
  writer.setPageOrientation(QPageLayout::Landscape);
  writer.setPageMargins(QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter);
  QPainter painter;
  if (!painter.begin(&writer)) {
    reason = QStringLiteral("The PDF page could not be started.");
    return false;
  }
  // The fields that name the last saved image say nothing on paper while they are empty.
  std::vector<QLineEdit*> hidden;
  for (QLineEdit* field : chart_child.findChildren<QLineEdit*>()) {
    if (field->text().isEmpty() && !field->isHidden()) {
      field->hide();
      hidden.push_back(field);
    }
  }
  const QRectF page(QPointF(0, 0), QSizeF(writer.width(), writer.height()));
  const QSizeF size = chart_child.size();
  const double scale = std::min(page.width() / size.width(), page.height() / size.height());
  painter.translate((page.width() - size.width() * scale) / 2,
                    (page.height() - size.height() * scale) / 2);
  painter.scale(scale, scale);
  chart_child.render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
  for (QLineEdit* field : hidden) field->show();
  if (!painter.end()) {
    reason = QStringLiteral("The PDF page could not be finished.");
    return false;
  }
  return true;
}

QString SaveChartAsPdf(QWidget* parent, frmDisplay* chart_child) {
  FileDialogRequest request;
  request.title = QStringLiteral("Save As PDF");
  request.filter = QStringLiteral("PDF Document (*.pdf)");
  request.default_suffix = QStringLiteral("pdf");
  const QString path = AskFileName(parent, request);
  if (path.isEmpty() || !chart_child) return {};
  const QString title = chart_child->View().title.join(QStringLiteral(", "));
  const bool saved = SaveSafely(parent, path, [&](QIODevice& device, QString& reason) {
    return WriteChartPdf(device, *chart_child, title, reason);
  });
  return saved ? path : QString();
}

}  // namespace quendal
