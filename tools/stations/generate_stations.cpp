// Finds the retrograde stations of Mercury to Saturn from December 1899 to June 2051 and
// writes the station-table source of moon_retro/. Usage:
//   generate_stations EPHEMERIS_DIR OUTPUT.cpp
// The report (counts, durations, how far the fixed first and last periods lie from the
// ephemeris) goes to standard output; any broken invariant ends the run with status 1.

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "ephemeris.h"

namespace stations {
namespace {

// The first and last period of every planet are fixed as given, even where the ephemeris
// puts a station some minutes elsewhere; the entries between them are computed.
struct FixedEnds {
  std::string first_start, first_end, last_start, last_end;
  int count;               // periods from the first to the last, both included
  int min_days, max_days;  // whole days elapsed from start to end
};

const FixedEnds kFixed[5] = {
    {"3,15,1900,13,19,", "4,7,1900,18,42,", "12,1,2050,17,17,", "12,21,2050,11,33,", 476, 19, 24},
    {"6,16,1900,22,56,", "7,30,1900,2,44,", "9,25,2050,22,15,", "11,6,2050,19,4,", 95, 40, 43},
    {"1,13,1901,6,16,", "4,4,1901,7,21,", "7,15,2050,5,50,", "9,13,2050,9,41,", 71, 59, 81},
    {"3,27,1900,20,39,", "7,29,1900,1,35,", "12,21,2050,13,21,", "4,21,2051,23,46,", 139, 116, 124},
    {"4,14,1900,6,2,", "9,2,1900,14,39,", "5,18,2050,13,6,", "10,6,2050,11,5,", 146, 133, 141},
};

// Half a day is far below the shortest interval between two stations (about 19 days), so
// no pair of sign changes can hide between two samples.
constexpr double kStep = 0.5;
// About 0.01 s: the rounding to the minute is then decided by the ephemeris alone.
constexpr double kTolerance = 1e-7;
// The library's own speed misplaces a slow station by up to half a minute, so the final
// root is that of a central difference of the apparent longitude over a quarter hour: its
// truncation error and its rounding noise both stay below a second for these planets.
constexpr double kHalfStep = 1.0 / 192.0;
// The library's root lies far closer than this to the true one.
constexpr double kBracket = 0.05;

struct Period {
  double start, end;  // Julian days, universal time
};

double DifferenceSpeed(int body, double jd_ut) {
  return std::remainder(Longitude(body, jd_ut + kHalfStep) - Longitude(body, jd_ut - kHalfStep),
                        360.0) /
         (2 * kHalfStep);
}

template <typename Speed>
double Bisect(Speed speed, double low, double high) {
  double low_speed = speed(low);
  while (high - low > kTolerance) {
    double middle = 0.5 * (low + high);
    double middle_speed = speed(middle);
    if ((middle_speed > 0) == (low_speed > 0)) {
      low = middle;
      low_speed = middle_speed;
    } else {
      high = middle;
    }
  }
  return 0.5 * (low + high);
}

double Refine(int body, double low, double high) {
  double rough = Bisect([body](double t) { return LongitudeSpeed(body, t); }, low, high);
  double from = rough - kBracket, to = rough + kBracket;
  if ((DifferenceSpeed(body, from) > 0) == (DifferenceSpeed(body, to) > 0)) {
    std::fprintf(stderr, "body %d: no station of the difference near JD %.5f\n", body, rough);
    std::exit(1);
  }
  return Bisect([body](double t) { return DifferenceSpeed(body, t); }, from, to);
}

// Pairs every station retrograde with the station direct that follows it; a station
// direct before the first station retrograde of the window has no partner and is dropped.
std::vector<Period> FindPeriods(int body, double from, double to) {
  std::vector<Period> periods;
  double open_start = -1;
  double previous = LongitudeSpeed(body, from);
  for (double t = from; t < to; t += kStep) {
    double speed = LongitudeSpeed(body, t + kStep);
    if ((speed > 0) != (previous > 0)) {
      double station = Refine(body, t, t + kStep);
      if (previous > 0) {
        open_start = station;
      } else if (open_start >= 0) {
        periods.push_back({open_start, station});
        open_start = -1;
      } else {
        std::printf("         left out: the station direct %s whose start lies before the window\n",
                    ToText(ToMoment(station)).c_str());
      }
    }
    previous = speed;
  }
  if (open_start >= 0) {
    std::printf("         left out: the station retrograde %s whose end lies after the window\n",
                ToText(ToMoment(open_start)).c_str());
  }
  return periods;
}

int DayNumber(const Moment& m) {
  return static_cast<int>(std::floor(ToJulianDay(Moment{m.year, m.month, m.day, 12, 0})));
}

long MinuteNumber(const Moment& m) {
  return static_cast<long>(DayNumber(m)) * 1440 + m.hour * 60 + m.minute;
}

Moment Parse(const std::string& text) {
  Moment moment{};
  if (!FromText(text, &moment)) {
    std::fprintf(stderr, "malformed station entry %s\n", text.c_str());
    std::exit(1);
  }
  return moment;
}

// Index of the computed period whose start lies within a day of the given moment.
int FindMatch(const std::vector<Period>& periods, const std::string& start_text) {
  double start = ToJulianDay(Parse(start_text));
  for (size_t i = 0; i < periods.size(); ++i) {
    if (std::fabs(periods[i].start - start) < 1.0) return static_cast<int>(i);
  }
  return -1;
}

long DifferenceMinutes(const std::string& fixed, double computed) {
  return std::lround((ToJulianDay(Parse(fixed)) - computed) * 1440.0);
}

struct Table {
  std::vector<std::string> starts, ends;
};

bool BuildTable(const Planet& planet, const FixedEnds& fixed, Table* table) {
  std::printf("%s\n", planet.name);
  std::vector<Period> periods =
      FindPeriods(planet.body, ToJulianDay({1899, 12, 1, 0, 0}), ToJulianDay({2051, 7, 1, 0, 0}));
  int first = FindMatch(periods, fixed.first_start);
  int last = FindMatch(periods, fixed.last_start);
  if (first < 0 || last < first) {
    std::printf("%s: the fixed first or last period matches no computed period\n", planet.name);
    return false;
  }
  std::printf("         %zu periods in the window, %d before the first, %zu after the last\n",
              periods.size(), first, periods.size() - 1 - last);
  std::printf("         fixed minus computed, minutes: first %+ld %+ld, last %+ld %+ld\n",
              DifferenceMinutes(fixed.first_start, periods[first].start),
              DifferenceMinutes(fixed.first_end, periods[first].end),
              DifferenceMinutes(fixed.last_start, periods[last].start),
              DifferenceMinutes(fixed.last_end, periods[last].end));
  for (int i = 0; i < static_cast<int>(periods.size()); ++i) {
    if (i < first || i > last) {
      std::printf("         left out: %s to %s\n", ToText(ToMoment(periods[i].start)).c_str(),
                  ToText(ToMoment(periods[i].end)).c_str());
    }
  }
  for (int i = first; i <= last; ++i) {
    table->starts.push_back(ToText(ToMoment(periods[i].start)));
    table->ends.push_back(ToText(ToMoment(periods[i].end)));
  }
  table->starts.front() = fixed.first_start;
  table->ends.front() = fixed.first_end;
  table->starts.back() = fixed.last_start;
  table->ends.back() = fixed.last_end;

  bool sound = true;
  if (static_cast<int>(table->starts.size()) != fixed.count) {
    std::printf("%s: %zu periods, expected %d\n", planet.name, table->starts.size(), fixed.count);
    sound = false;
  }
  int shortest = 1000, longest = 0;
  for (size_t i = 0; i < table->starts.size(); ++i) {
    Moment start = Parse(table->starts[i]);
    Moment end = Parse(table->ends[i]);
    if (MinuteNumber(start) >= MinuteNumber(end) ||
        (i + 1 < table->starts.size() &&
         MinuteNumber(end) >= MinuteNumber(Parse(table->starts[i + 1])))) {
      std::printf("%s: period %zu out of order\n", planet.name, i);
      sound = false;
    }
    int days = static_cast<int>((MinuteNumber(end) - MinuteNumber(start)) / 1440);
    shortest = std::min(shortest, days);
    longest = std::max(longest, days);
  }
  std::printf("         %zu periods of %d to %d days\n", table->starts.size(), shortest, longest);
  if (shortest < fixed.min_days || longest > fixed.max_days) {
    std::printf("%s: durations outside %d to %d days\n", planet.name, fixed.min_days,
                fixed.max_days);
    sound = false;
  }
  return sound;
}

void WriteList(std::ostream& out, const std::string& name, const std::vector<std::string>& list) {
  out << "constexpr std::array<std::string_view, " << list.size() << "> " << name << "{\n";
  for (const std::string& entry : list) out << "    \"" << entry << "\",\n";
  out << "};\n";
}

std::string Source(const Table (&tables)[5]) {
  std::ostringstream out;
  out << "// Generated by tools/stations/regenerate.sh from the Swiss Ephemeris (DE431 files):\n"
         "// station moments in universal time, rounded to the minute. Change the generator,\n"
         "// not this file.\n\n"
         "#include <array>\n#include <string_view>\n\n"
         "#include \"moon_retro/station_tables.h\"\n\n"
         "namespace quendal {\nnamespace {\n\n";
  for (int k = 0; k < 5; ++k) {
    std::string stem = std::string("k") + kPlanets[k].name;
    WriteList(out, stem + "Starts", tables[k].starts);
    out << "\n";
    WriteList(out, stem + "Ends", tables[k].ends);
    out << "\n";
  }
  for (int k = 0; k < 5; ++k) {
    std::string stem = std::string("k") + kPlanets[k].name;
    out << "constexpr auto " << stem << "StartDays = StationDayNumbers(" << stem << "Starts);\n"
        << "constexpr auto " << stem << "EndDays = StationDayNumbers(" << stem << "Ends);\n"
        << "constexpr StationTable " << stem << "Table{" << stem << "Starts, " << stem << "Ends, "
        << stem << "StartDays, " << stem << "EndDays};\n\n";
  }
  out << "}  // namespace\n\n";
  for (int k = 0; k < 5; ++k) {
    out << "const StationTable& Fill" << kPlanets[k].name << "Stations() { return k"
        << kPlanets[k].name << "Table; }\n";
  }
  out << "\n}  // namespace quendal\n";
  return out.str();
}

}  // namespace
}  // namespace stations

int main(int argc, char** argv) {
  using namespace stations;
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s EPHEMERIS_DIR OUTPUT.cpp\n", argv[0]);
    return 2;
  }
  OpenEphemeris(argv[1]);
  Table tables[5];
  bool sound = true;
  for (int k = 0; k < 5; ++k) sound = BuildTable(kPlanets[k], kFixed[k], &tables[k]) && sound;
  CloseEphemeris();
  if (!sound) return 1;
  std::ofstream file(argv[2], std::ios::binary);
  file << Source(tables);
  return file ? 0 : 1;
}
