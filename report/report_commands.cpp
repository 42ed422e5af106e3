#include "report/report_commands.h"

#include <QPrinter>

#include "chart_window/chart_commands.h"
#include "chart_window/frmDisplay.h"
#include "chart_window/match_window.h"
#include "report/report_layout.h"
#include "ui_common/file_dialogs.h"
#include "ui_common/message_box.h"
#include "ui_common/safe_save.h"
#include "ui_common/translated_text.h"

namespace quendal {

ReportInput ReportInputOf(const ChartSession& session, const frmDisplay* chart_child,
                          const ReportChoice& choice, const QDateTime& now) {
  ReportInput input = MakeReportInput(session, choice, now);
  if (chart_child) {
    // The match window belongs to the chart window; a closed one is hidden or gone.
    if (const auto* match =
            chart_child->window()->findChild<MatchWindow*>(QString(), Qt::FindDirectChildrenOnly);
        match && match->isVisible())
      input.match = match->Sheet();
  }
  return input;
}

QString SaveReportAsPdf(QWidget* parent, const ChartSession& session, frmDisplay* chart_child) {
  const std::optional<ReportChoice> choice = AskReportChoice(parent);
  if (!choice) return {};
  FileDialogRequest request;
  request.title = TrText("Report", "Save Report As PDF");
  request.filter = TrText("Report", "PDF Document (*.pdf)");
  request.default_suffix = QStringLiteral("pdf");
  const QString path = AskFileName(parent, request);
  if (path.isEmpty()) return {};
  const ReportInput input =
      ReportInputOf(session, chart_child, *choice, QDateTime::currentDateTime());
  const bool saved = SaveSafely(parent, path, [&](QIODevice& device, QString& reason) {
    return WriteReportPdf(device, input, reason);
  });
  return saved ? path : QString();
}

void PrintReport(QWidget* parent, const ChartSession& session, frmDisplay* chart_child) {
  if (!AnyPrinterInstalled()) {
    ShowMessage(parent,
                NoPrinterText(parent ? parent->window() : nullptr, TrText("Report", "report"),
                              "mnuSaveReportAsPdf"),
                MessageIcon::Information);
    return;
  }
  const std::optional<ReportChoice> choice = AskReportChoice(parent);
  if (!choice) return;
  QPrinter printer(QPrinter::HighResolution);
  SetReportPage(printer, choice->paper);
  if (!RunPrintDialog(parent, printer, PrintDialogRequest{})) return;
  const ReportInput input =
      ReportInputOf(session, chart_child, *choice, QDateTime::currentDateTime());
  QString reason;
  if (!PaintReport(printer, input, reason))
    ShowMessage(parent, TrText("Report", "The report could not be printed.\n") + reason,
                MessageIcon::Stop);
}

}  // namespace quendal
