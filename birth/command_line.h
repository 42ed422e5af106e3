// What `quendal` answers on the command line before any window exists: --help and --version.
#pragma once

#include <optional>
#include <ostream>

namespace quendal {

// The exit status when the arguments asked for help or the version (written to out), or
// nothing when the program should start as usual. Other arguments stay Qt's (-platform...).
std::optional<int> AnswerCommandLine(int argc, char** argv, std::ostream& out);

}  // namespace quendal
