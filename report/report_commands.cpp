#include "report/report_commands.h"

#include <QPdfWriter>
#include <QPrinter>

#include "chart_window/chart_commands.h"
#include "chart_window/frmDisplay.h"
#include "report/report_layout.h"
#include "ui_common/file_dialogs.h"
#include "ui_common/message_box.h"
#include "ui_common/safe_save.h"
#include "ui_common/translated_text.h"

namespace quendal {

ReportInput ReportInputOf(const ChartSession& session, const frmDisplay* chart_child,
                          const ReportChoice& choice, const QDateTime& now) {
  ReportInput input;
  input.birth = session.birth_data;
  input.chart = session.chart;
  input.zone_row = session.zone_row;
  if (chart_child) {
    input.style = chart_child->Style();
    input.coloured = chart_child->View().coloured;
  }
  input.sections = choice.sections;
  input.paper = choice.paper;
  input.printed = now;
  return input;
}

bool WriteReportPdf(QIODevice& device, const ReportInput& input, QString& reason) {
  QPdfWriter writer(&device);
  writer.setTitle(ReportHeading(input.birth));
  writer.setCreator(QStringLiteral("Quendal"));
  SetReportPage(writer, input.paper);
  return PaintReport(writer, input, reason);
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
