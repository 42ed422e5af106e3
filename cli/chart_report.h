// quendal-chart --report: the chart window's horoscope report written without a window.
#pragma once

#include <QCommandLineParser>
#include <string>

#include "birth/chart_calculation.h"
#include "drawing/chart_view.h"
#include "cli/birth_input.h"

namespace quendal::cli {

void AddReportOptions(QCommandLineParser& parser);

// Options that cannot go with --report; the first clash found, empty when there is none.
std::string ReportClash(const QCommandLineParser& parser);

// Writes the report of --report-sections (every section when not given) into --report FILE
// on the locale's paper; the exit status (2 for a bad section list, 1 for a failed save).
int RunReport(const QCommandLineParser& parser, const BirthRequest& request, const Chart& chart,
              ChartStyle style);

}  // namespace quendal::cli
