// The chart window's report commands: "Save &Report As PDF..." and "Print &Report...".
#pragma once

#include <QDateTime>
#include <QString>

#include "birth/chart_session.h"
#include "report/report_dialog.h"
#include "report/report_input.h"
#include "report/report_pdf.h"

class QIODevice;
class QWidget;

namespace quendal {

class frmDisplay;

// The report of the session's chart as the chart child shows it (style and colours).
ReportInput ReportInputOf(const ChartSession& session, const frmDisplay* chart_child,
                          const ReportChoice& choice, const QDateTime& now);

// The sections dialog, then a file name, then the report saved whole or not at all (a stop
// message names the file on failure). The path written, or empty.
QString SaveReportAsPdf(QWidget* parent, const ChartSession& session, frmDisplay* chart_child);

// The sections dialog, then the print dialog of "&Print", then every page; without a printer
// the message of "&Print", pointing to the report's PDF item.
void PrintReport(QWidget* parent, const ChartSession& session, frmDisplay* chart_child);

}  // namespace quendal
