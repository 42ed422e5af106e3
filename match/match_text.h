// The texts of a match, written once for the match window, its page and quendal-chart.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "chart/birth_data.h"
#include "chart/translatable.h"
#include "match/match.h"

namespace quendal {

inline constexpr std::string_view kNoPariharaLine =
    QUENDAL_TRANSLATABLE("Names", "Exceptions (parihara) that can cancel a dosha are not applied.");
inline constexpr std::string_view kNoCancellationLine =
    QUENDAL_TRANSLATABLE("Names", "Cancellations of the Mars check are not applied.");

// "24", "1.5": halves are the finest step of any koota.
std::string PointsText(double points);
// "24 of 36"
std::string TotalText(double total);
// "24 of 36: above the customary minimum of 18"; "at" for 18, "below" under it.
std::string TotalLine(double total);
// "Bhakoot dosha and Nadi dosha" or "No Bhakoot dosha or Nadi dosha"
std::string DoshaLine(const MatchResult& match);
// "Mars in the 7th from the ascendant; in the 4th from the Moon: Manglik"
std::string MarsLine(const MarsCheck& check);
// "Both are Manglik.", "Neither is Manglik.", "Only the bride is Manglik." ...
std::string MarsSummaryLine(const MarsCheck& bride, const MarsCheck& groom);

// "Moon in Rohini, pada 2, in Taurus"
std::string MoonLine(const Chart& chart);
// "July 9, 1984, 05:40, Pune, Maharashtra, India"; empty places are left out.
std::string BirthLine(const BirthData& birth, std::string_view month_name);

// One person's block of the page.
struct MatchSide {
  std::string role;  // "Bride" or "Groom"
  std::string name;
  std::string birth;
  std::string moon;
  std::string mars;
};

// Everything the match page shows, in the order it shows it.
struct MatchSheet {
  std::string options_line;  // "Both charts: Sidereal (Lahiri) zodiac, classic positions"
  MatchSide bride;
  MatchSide groom;
  std::array<KootaRow, 8> kootas;
  std::string total;       // "24 of 36"
  std::string total_line;  // TotalLine
  std::string dosha_line;
  std::string parihara_line;
  std::string mars_summary;
  std::string cancellation_line;
};

struct MatchPerson {
  BirthData birth;
  Chart chart;  // cast with MatchOptions
  std::string month_name;
};

MatchSheet MakeMatchSheet(const MatchPerson& bride, const MatchPerson& groom,
                          const MatchResult& match);

}  // namespace quendal
