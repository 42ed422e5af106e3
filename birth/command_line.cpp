#include "birth/command_line.h"

#include <string_view>

#include "shell/version.h"

namespace quendal {
namespace {

constexpr char kHelp[] =
    "Usage: quendal [--help | --version | --language CODE]\n"
    "Casts a natal chart in the vocabulary of Indian astrology: type a birth into the\n"
    "birth-data form and press \"Get My Natal Chart\". quendal-chart computes the same\n"
    "chart on the command line.\n"
    "\n"
    "Options:\n"
    "  -h, --help       Show this help and stop.\n"
    "  -v, --version    Show the version and stop.\n"
    "  --language CODE  Show the windows in hi (Hindi), ta (Tamil) or en (English) for this\n"
    "                   run; otherwise the choice of the Language menu, else the system's.\n";

}  // namespace

std::optional<int> AnswerCommandLine(int argc, char** argv, std::ostream& out) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "--help" || argument == "-h") {
      out << kHelp;
      return 0;
    }
    if (argument == "--version" || argument == "-v") {
      out << "quendal " << kVersion << "\n";
      return 0;
    }
  }
  return std::nullopt;
}

}  // namespace quendal
