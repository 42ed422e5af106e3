// The chart text export: birth details, every body's position and the two sign lines, as
// the bytes of a CR LF text file.
#pragma once

#include <string>
#include <string_view>

#include "chart/birth_data.h"
#include "birth/chart_calculation.h"

namespace quendal {

// What sets a chart apart from the tropical chart of the classic formulas, e.g. "Zodiac:
// Sidereal (Lahiri), Ayanamsha 23° 42' 10\"", with "; Node: True" for the true node; empty at
// the defaults. The export writes it
// after its second blank line, so that a file never passes one chart off as the other.
std::string ChartOptionsLine(const ChartOptions& options, double ayanamsha);

// month_name is the locale's full name of birth.BirthMonth; lagna and rashi are the
// captions of the chart child's lblLagna and lblRashi. Texts are written as UTF-8, the
// system code page here.
std::string ExportChartText(const BirthData& birth, const Chart& chart, std::string_view month_name,
                            std::string_view lagna, std::string_view rashi);

}  // namespace quendal
