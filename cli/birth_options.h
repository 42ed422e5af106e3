// The birth given as command-line options (--date, --time, --zone, ...).
#pragma once

#include <QCommandLineParser>

#include "cli/birth_input.h"

namespace quendal::cli {

void AddBirthOptions(QCommandLineParser& parser);

// The request, or the first option that is missing, malformed or out of range.
BirthParse BirthFromOptions(const QCommandLineParser& parser);

// A BirthData field named with the option that gave it: "BirthYear (--date)".
std::string OptionOf(std::string_view field);

}  // namespace quendal::cli
