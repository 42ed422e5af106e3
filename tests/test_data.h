// Where the tests find their data files and the build tree.
#pragma once

#include <string>
#include <string_view>

namespace quendal::test {

// Path of a file below tests/data.
std::string TestDataPath(std::string_view file_name);

// Path of a file below the build tree (programs the tests start).
std::string BinaryPath(std::string_view relative_path);

}  // namespace quendal::test
