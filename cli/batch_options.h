// The options that shape a --batch run: the output form and the number of threads; the
// terminal and the input's size decide the rest.
#pragma once

#include <QCommandLineParser>
#include <optional>
#include <string>

#include "cli/batch.h"
#include "cli/birth_input.h"

namespace quendal::cli {

void AddBatchOptions(QCommandLineParser& parser);

// A batch option given where it means nothing or clashes: the whole message, or nullopt.
std::optional<std::string> BatchOptionsProblem(const QCommandLineParser& parser);

// The run's settings from the options; an error names the option and its value.
std::optional<InputError> ReadBatchSettings(const QCommandLineParser& parser,
                                            BatchSettings& settings);

}  // namespace quendal::cli
