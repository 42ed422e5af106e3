// The chart text export: birth details, every body's position and the two sign lines, as
// the bytes of a CR LF text file.
#pragma once

#include <string>
#include <string_view>

#include "birth/birth_data.h"
#include "birth/chart_calculation.h"

namespace quendal {

// month_name is the locale's full name of birth.BirthMonth; lagna and rashi are the
// captions of the chart child's lblLagna and lblRashi. Texts are written as UTF-8, the
// system code page here.
std::string ExportChartText(const BirthData& birth, const Chart& chart, std::string_view month_name,
                            std::string_view lagna, std::string_view rashi);

}  // namespace quendal
