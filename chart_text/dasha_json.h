// The JSON of a chart's Vimshottari dasha and of its balance at birth, compact, keys sorted.
#pragma once

#include <string>

#include "vedic/dasha.h"

namespace quendal {

// [{"Antardashas": [...], "End", "Lord", "Start"}, ...]; levels 1 leaves out the antardashas,
// 3 gives each antardasha its "Pratyantardashas".
void AppendDashaJson(std::string& out, const Dasha& dasha, int levels = 2);

// {"Days", "Lord", "Months", "Years"}: the first mahadasha's lord and what is left of it.
void AppendDashaBalanceJson(std::string& out, const Dasha& dasha);

}  // namespace quendal
