// The search text of the coordinate lookup, made from the place fields of the form.
#pragma once

#include <string>

namespace quendal {

// The fields exactly as typed, one blank between them, then " Latitude Longitude".
std::string BuildCoordinateQuery(const std::string& city, const std::string& state,
                                 const std::string& country);

}  // namespace quendal
