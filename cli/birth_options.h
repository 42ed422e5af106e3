// The birth given as command-line options (--date, --time, --zone, ...).
#pragma once

#include <QCommandLineParser>

#include "cli/birth_input.h"

namespace quendal::cli {

void AddBirthOptions(QCommandLineParser& parser);

// The request, or the first option that is missing, malformed or out of range.
BirthParse BirthFromOptions(const QCommandLineParser& parser);

}  // namespace quendal::cli
