// Finding places by what a person types: the start of the name, then, after commas, the
// start of words of the state or country, or the country code ("springfield, il").
#pragma once

#include <QStringView>
#include <vector>

#include "places/atlas.h"

namespace quendal {

inline constexpr int kPlaceListLength = 12;

// At most `limit` places, each once: places whose name (or an alternate name) is the whole
// first part come first, then those it begins; each group most populous first. An empty
// first part finds nothing.
std::vector<PlaceMatch> SearchPlaces(const Atlas& atlas, QStringView query,
                                     int limit = kPlaceListLength);

}  // namespace quendal
