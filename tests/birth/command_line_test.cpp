#include "birth/command_line.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "shell/version.h"

namespace quendal {
namespace {

// Only --help and --version are answered; anything else, Qt's own options included, starts
// the program as before.
TEST(CommandLine, AnswersHelpAndVersionAndLeavesTheRestToTheProgram) {
  struct Case {
    std::vector<std::string> arguments;
    std::optional<int> status;
    std::string output_start;
  };
  const Case cases[] = {
      {{}, std::nullopt, ""},
      {{"-platform", "offscreen"}, std::nullopt, ""},
      {{"--unknown"}, std::nullopt, ""},
      {{"--help"}, 0, "Usage: quendal [--help | --version | --language CODE]\n"},
      {{"-platform", "xcb", "-v"}, 0, std::string("quendal ") + kVersion + "\n"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> storage = {"quendal"};
    storage.insert(storage.end(), c.arguments.begin(), c.arguments.end());
    std::vector<char*> argv;
    for (std::string& argument : storage) argv.push_back(argument.data());
    std::ostringstream out;
    EXPECT_EQ(AnswerCommandLine(static_cast<int>(argv.size()), argv.data(), out), c.status)
        << storage.back();
    EXPECT_TRUE(out.str().starts_with(c.output_start)) << out.str();
    if (!c.status) EXPECT_EQ(out.str(), "");
  }
}

}  // namespace
}  // namespace quendal
