// The birth of a reading file (--reading), read as the form reads it: the same decoder and
// refusal, the form's starting values, the form's checks and the driver's storing.
#pragma once

#include <string>

#include "cli/birth_input.h"

namespace quendal::cli {

// On failure error.reason carries the form's message ("Please Check The File." or the first
// failed check's).
BirthParse BirthFromReading(const std::string& path);

}  // namespace quendal::cli
