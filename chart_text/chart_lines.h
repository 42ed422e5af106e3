// The lines a chart is read in, written once for the window, the text export, the report and
// quendal-chart's page: the birth details, the options line, the nakshatra, the dasha's Moon
// and balance, and the entries of a house cell.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "chart/birth_data.h"
#include "chart/chart.h"
#include "vedic/dasha.h"

namespace quendal {

// "Name: Asha", "Date of Birth: July 9, 1984", "Time of Birth: 5 Hour 40 Minute", "Latitude: 18
// Degree 31 Minute", ...; each output adds its own ending (the export a blank, the page the
// hemisphere).
struct BirthDetailTexts {
  std::string name;
  std::string date;
  std::string time;
  std::string latitude;
  std::string longitude;
  std::string city;
  std::string state;
  std::string country;
};

// month_name is the locale's full name of birth.BirthMonth.
BirthDetailTexts BirthDetails(const BirthData& birth, std::string_view month_name);

// What sets a chart apart from the tropical chart of the classic formulas, e.g. "Zodiac:
// Sidereal (Lahiri), Ayanamsha 23° 42' 10\"", with "; Node: True" for the true node; empty at
// the defaults.
std::string ChartOptionsLine(const ChartOptions& options, double ayanamsha);

// "Swati, pada 4, lord Rahu"
std::string NakshatraText(const NakshatraPlace& moon);

// The dasha's first lines: "Moon in Swati, pada 4, lord Rahu" and "Balance at birth: Rahu: 3
// years 2 months 1 days".
std::string DashaMoonLine(const NakshatraPlace& moon);
std::string DashaBalanceLine(const Dasha& dasha);
// The balance where room is short: "Sun 4 y 8 m 27 d".
std::string DashaBalanceShortText(const Dasha& dasha);

// The bodies of a house or sign cell ("\r\nSun\r\nMars (R) "), one entry a line, blanks
// trimmed; and the same as one line ("Sun, Mars (R)"), "-" for an empty cell.
std::vector<std::string> CellEntryTexts(std::string_view cell);
std::string CellLine(std::string_view cell);

}  // namespace quendal
