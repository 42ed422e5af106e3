#include "report/report_pdf.h"

#include <QPdfWriter>

#include "report/report_layout.h"

namespace quendal {

ReportInput MakeReportInput(const ChartSession& session, const ReportChoice& choice,
                            const QDateTime& now) {
  ReportInput input;
  input.birth = session.birth_data;
  input.chart = session.chart;
  input.zone_row = session.zone_row;
  input.place_note = session.place_note;
  input.style = session.view.style;
  input.coloured = session.view.coloured;
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

}  // namespace quendal
