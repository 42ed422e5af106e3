// The report as a PDF document, with nothing of the windows: quendal-chart --report and the
// chart window's "Save &Report As PDF..." both write it here.
#pragma once

#include <QDateTime>

#include "birth/chart_session.h"
#include "report/report_input.h"

class QIODevice;

namespace quendal {

// The report of the session's chart in the natal wheel's style, uncoloured; the caller sets
// the style and colours the chart is shown in.
ReportInput MakeReportInput(const ChartSession& session, const ReportChoice& choice,
                            const QDateTime& now);

// The whole report as a vector PDF on the input's paper; false with the reason.
bool WriteReportPdf(QIODevice& device, const ReportInput& input, QString& reason);

}  // namespace quendal
