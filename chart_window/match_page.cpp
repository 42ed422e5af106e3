#include "chart_window/match_page.h"

#include <QPainter>
#include <QPrinter>
#include <QWidget>

#include "chart_window/chart_commands.h"
#include "chart_window/pdf_output.h"
#include "ui_common/file_dialogs.h"
#include "ui_common/message_box.h"
#include "ui_common/safe_save.h"
#include "ui_common/translated_text.h"

namespace quendal {

QString SaveMatchAsPdf(QWidget* parent, const MatchSheet& sheet) {
  FileDialogRequest request;
  request.title = TrText("MatchPage", "Save As PDF");
  request.filter = TrText("MatchPage", "PDF Document (*.pdf)");
  request.default_suffix = QStringLiteral("pdf");
  const QString path = AskFileName(parent, request);
  if (path.isEmpty()) return {};
  const bool saved = SaveSafely(parent, path, [&](QIODevice& device, QString& reason) {
    return WriteMatchPdf(device, sheet, reason);
  });
  return saved ? path : QString();
}

void PrintMatch(QWidget* parent, const MatchSheet& sheet) {
  if (!AnyPrinterInstalled()) {
    ShowMessage(parent,
                NoPrinterText(parent ? parent->window() : nullptr, TrText("MatchPage", "match")),
                MessageIcon::Information);
    return;
  }
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(MatchTitle(sheet));
  if (!RunPrintDialog(parent, printer, PrintDialogRequest{})) return;
  QPainter painter;
  if (!painter.begin(&printer)) {
    ShowMessage(parent, TrText("MatchPage", "The match could not be printed."), MessageIcon::Stop);
    return;
  }
  const QRectF page(QPointF(0, 0), printer.pageRect(QPrinter::DevicePixel).size());
  painter.fillRect(page, Qt::white);
  DrawMatchPage(painter, sheet, page);
  painter.end();
}

}  // namespace quendal
