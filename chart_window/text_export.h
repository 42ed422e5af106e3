// The chart text export: birth details, every body's position and the two sign lines, as
// the bytes of a CR LF text file.
#pragma once

#include <string>
#include <string_view>

#include "birth/chart_calculation.h"
#include "chart/birth_data.h"

namespace quendal {

// month_name is the locale's full name of birth.BirthMonth. The lagna and rashi lines are the
// chart's Sun and Moon signs, as the chart child shows them. Texts are written as UTF-8, the
// system code page here.
std::string ExportChartText(const BirthData& birth, const Chart& chart,
                            std::string_view month_name);

}  // namespace quendal
