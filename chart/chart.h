// A calculated chart: every text the windows show, the cells, the options that made it and the
// figures the nakshatra and dasha start from. The windows, the export and quendal-chart read
// it; the calculation fills it.
#pragma once

#include <array>
#include <string>

#include "chart/chart_options.h"
#include "chart/nakshatra_place.h"

namespace quendal {

struct Chart {
  std::array<std::string, 6> PlanetTexts;  // planet-engine order: Mercury, Venus, Sun, ...
  std::string RahuText;
  std::string KetuText;
  std::string AscendantText;
  std::string MoonText;
  std::string MoonSignName;
  std::array<std::string, 10> PositionsTable;  // Sun, Moon, Mercury ... Rahu, Ketu, Asc
  std::string SunSign;                         // full name; empty: no known sign
  std::array<std::string, 9> ChartBodyNames;   // with " (R) " marks
  std::array<bool, 5> RetrogradeFlags{};       // Mercury to Saturn
  std::array<std::string, 12> SignCells;       // Aries first; "\r\nSun\r\nMoon" or ""
  std::array<std::string, 12> HouseCells;      // house 1 first
  // IMG item (1 = Aries) of imgSign 0 to 11; all 0 when the ascendant has no known sign,
  // in which case the pictures keep what they showed.
  std::array<int, 12> SignPictures{};
  int AscendantSign = -1;  // 0 = Aries; -1 when no cell holds "Asc"

  // The options that made the chart: precise positions asked of a program built without
  // them give the classic chart, and say so here; so do the true node under the classic
  // formulas, and an ayanamsha the program cannot compute (Lahiri then). A tropical chart
  // names Lahiri, the ayanamsha of its nakshatras.
  ChartOptions Options;
  std::array<double, 10> Longitudes{};  // table order, degrees, in the chosen zodiac
  // The same in the sidereal zodiac of the chart's ayanamsha, whatever the zodiac shown.
  std::array<double, 10> SiderealLongitudes{};
  double Ayanamsha = 0;     // of the options (Lahiri in a tropical chart), degrees, at birth
  double SiderealMoon = 0;  // degrees: a nakshatra is sidereal whatever the zodiac shown
  NakshatraPlace MoonNakshatra;
  double BirthDay = 0;  // local clock, as a DayNumber: where the dasha starts
};

}  // namespace quendal
