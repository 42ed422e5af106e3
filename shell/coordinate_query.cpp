#include "shell/coordinate_query.h"

namespace quendal {

std::string BuildCoordinateQuery(const std::string& city, const std::string& state,
                                 const std::string& country) {
  return city + " " + state + " " + country + " Latitude Longitude";
}

}  // namespace quendal
