#include "places/zone_row_choice.h"

#include <string_view>

#include "positions/time_zones.h"

namespace quendal {
namespace {

// Tried in order: a key with a slash is the start of an IANA zone id, any other key an
// abbreviation of the time-zone database. An entry counts only when its row carries the
// offset in force, so "IST" means India at +05:30 and nothing at Dublin's +01:00.
struct Preference {
  const char* key;
  int row;
};
constexpr Preference kPreferences[] = {
    {"EDT", 24},
    {"EST", 27},
    {"EWT", 28},
    {"EPT", 28},
    {"CDT", 18},
    {"CST", 21},
    {"CWT", 22},
    {"CPT", 22},
    {"MDT", 43},
    {"MST", 44},
    {"MWT", 45},
    {"MPT", 45},
    {"PDT", 53},
    {"PST", 54},
    {"PWT", 55},
    {"PPT", 55},
    {"AST", 3},
    {"AWT", 4},
    {"APT", 4},
    {"HST", 32},
    {"HDT", 31},
    {"AKST", 69},
    {"AKDT", 68},
    {"NST", 50},
    {"GMT", 29},
    {"UTC", 61},
    {"BST", 16},
    {"BDST", 15},
    {"IST", 34},
    {"CET", 20},
    {"CEST", 19},
    {"MET", 41},
    {"MEST", 40},
    {"EET", 26},
    {"EEST", 25},
    {"JST", 38},
    {"ACST", 6},
    {"ACDT", 5},
    {"AEST", 8},
    {"AEDT", 7},
    {"AWST", 10},
    {"AWDT", 9},
    {"NZST", 47},
    {"NZDT", 46},
    {"NZMT", 49},
    {"ChST", 30},
    {"GST", 30},
    // Abbreviations the list does not know, or numeric ones ("-03"), by region.
    {"Europe/Dublin", 16},
    {"Europe/", 20},
    {"Europe/", 26},
    {"Africa/", 20},
    {"Africa/", 26},
    {"Asia/", 26},
    {"Asia/", 23},
    {"Asia/", 38},
    {"America/", 14},
    {"America/", 27},
};

bool Fits(const Preference& preference, QStringView abbreviation, QStringView zone_id) {
  const QLatin1String key(preference.key);
  return key.contains(u'/') ? zone_id.startsWith(key) : abbreviation == key;
}

}  // namespace

int ChooseZoneRow(int offset_seconds, QStringView abbreviation, QStringView zone_id) {
  for (const Preference& preference : kPreferences) {
    if (RowOffsetSeconds(preference.row) == offset_seconds &&
        Fits(preference, abbreviation, zone_id))
      return preference.row;
  }
  for (int row = 0; row < kTimeZoneRowCount; ++row) {
    if (RowOffsetSeconds(row) == offset_seconds) return row;
  }
  return -1;
}

}  // namespace quendal
