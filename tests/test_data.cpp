#include "tests/test_data.h"

namespace quendal::test {

std::string TestDataPath(std::string_view file_name) {
  return std::string(QUENDAL_TEST_DATA_DIR) + "/" + std::string(file_name);
}

std::string BinaryPath(std::string_view relative_path) {
  return std::string(QUENDAL_BINARY_DIR) + "/" + std::string(relative_path);
}

}  // namespace quendal::test
