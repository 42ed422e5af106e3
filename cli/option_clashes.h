// Options of quendal-chart that cannot go together.
#pragma once

#include <QCommandLineParser>
#include <string>

namespace quendal::cli {

// The first clash found, as "--a and --b"; empty when there is none.
std::string ClashingOptions(const QCommandLineParser& parser);

}  // namespace quendal::cli
