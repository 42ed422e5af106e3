// Every option quendal-chart takes, with its help text.
#pragma once

#include <QCommandLineParser>

namespace quendal::cli {

void AddCommandOptions(QCommandLineParser& parser);

}  // namespace quendal::cli
