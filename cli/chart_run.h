// What quendal-chart does once its options are read: the batch run, the chart in the form
// asked for, and where the text goes.
#pragma once

#include <QCommandLineParser>
#include <string>

#include "birth/chart_calculation.h"
#include "chart/chart_options.h"
#include "cli/birth_input.h"
#include "cli/place_input.h"

namespace quendal::cli {

inline constexpr int kBadInput = 2;
inline constexpr int kWriteFailed = 1;

// "quendal-chart: FIELD "VALUE" REASON" on standard error.
void ReportError(const InputError& error);

// Standard output, or the whole text into --output FILE through a safe save; the exit
// status.
int Emit(const QCommandLineParser& parser, const std::string& text);

int RunBatchFrom(const QCommandLineParser& parser, const ChartOptions& options);

BirthParse BirthFromCommandLine(const QCommandLineParser& parser, PlaceFound& place);

int WriteChart(const QCommandLineParser& parser, const BirthRequest& request, const Chart& chart,
               const PlaceFound& place);

}  // namespace quendal::cli
