// The Swiss Ephemeris keeps its settings in global state: every file that calls it holds this
// lock, taken with the library prepared (ephemeris path, Lahiri sidereal mode).
#pragma once

#include <mutex>

namespace quendal {

std::unique_lock<std::mutex> PreparedPreciseLibrary();

}  // namespace quendal
