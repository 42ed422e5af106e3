#include "chart_window/pdf_output.h"

#include "chart_window/frmDisplay.h"
#include "ui_common/file_dialogs.h"
#include "ui_common/safe_save.h"
#include "ui_common/translated_text.h"

namespace quendal {

QString SaveChartAsPdf(QWidget* parent, frmDisplay* chart_child, const QStringList& notes) {
  FileDialogRequest request;
  request.title = TrText("MDI", "Save As PDF");
  request.filter = TrText("MDI", "PDF Document (*.pdf)");
  request.default_suffix = QStringLiteral("pdf");
  const QString path = AskFileName(parent, request);
  if (path.isEmpty() || !chart_child) return {};
  ChartPage page = chart_child->Page();
  page.notes = notes;
  const QString title = page.view.title.join(QStringLiteral(", "));
  const bool saved = SaveSafely(parent, path, [&](QIODevice& device, QString& reason) {
    return WriteChartPdf(device, page, title, reason);
  });
  return saved ? path : QString();
}

}  // namespace quendal
