// Debian's Swiss Ephemeris keeps its settings per thread: every file that calls it first
// prepares this thread's (ephemeris path, Lahiri sidereal mode). No lock is needed.
#pragma once

namespace quendal {

void PreparePreciseLibrary();

}  // namespace quendal
