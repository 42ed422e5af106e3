#include "shell/coordinate_query.h"

#include <gtest/gtest.h>

namespace quendal {
namespace {

TEST(CoordinateQuery, FieldsAsTypedWithSingleBlanksBetween) {
  EXPECT_EQ(BuildCoordinateQuery("Pune", "Maharashtra", "India"),
            "Pune Maharashtra India Latitude Longitude");
  // Blanks the user typed stay where they are; nothing is trimmed or collapsed.
  EXPECT_EQ(BuildCoordinateQuery(" New  York", "NY ", "USA"),
            " New  York NY  USA Latitude Longitude");
}

}  // namespace
}  // namespace quendal
