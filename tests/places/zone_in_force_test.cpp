// The offset in force at real places and moments, read from the system's time-zone database,
// and the zone row chosen for it.
#include "places/zone_in_force.h"

#include <gtest/gtest.h>

#include "places/zone_row_choice.h"

namespace quendal {
namespace {

struct Moment {
  const char* zone;
  const char* date_time;  // local clock time
  ZoneVerdict verdict;
  int offset_seconds;
  int row;  // -1: none
};

ZoneInForce At(const char* zone, const char* date_time) {
  const QDateTime local = QDateTime::fromString(QString::fromLatin1(date_time), Qt::ISODate);
  return FindZoneInForce(QString::fromLatin1(zone), local.date(), local.time());
}

TEST(ZoneInForce, RealPlacesAndMoments) {
  const Moment moments[] = {
      {"America/New_York", "1975-07-04T12:00", ZoneVerdict::Found, -4 * 3600, 24},  // EDT
      {"America/New_York", "1975-01-15T12:00", ZoneVerdict::Found, -5 * 3600, 27},  // EST
      {"Europe/London", "1941-06-01T12:00", ZoneVerdict::Found, 2 * 3600, 15},      // BDST
      {"Europe/London", "1960-01-15T12:00", ZoneVerdict::Found, 0, 29},             // GMT
      {"Europe/Paris", "1970-01-15T12:00", ZoneVerdict::Found, 3600, 20},           // CET
      {"Asia/Kolkata", "1943-06-01T12:00", ZoneVerdict::Found, 23400, 52},          // war time
      {"Asia/Kolkata", "1905-06-01T12:00", ZoneVerdict::NoRow, 19270, -1},          // 5:21:10
      {"Asia/Kathmandu", "1990-01-01T12:00", ZoneVerdict::NoRow, 20700, -1},
      {"Australia/Adelaide", "2000-01-15T12:00", ZoneVerdict::Found, 37800, 5},  // ACDT
      {"Pacific/Honolulu", "1940-06-01T12:00", ZoneVerdict::Found, -37800, 32},  // HST
      {"America/Chicago", "2021-03-14T02:30", ZoneVerdict::DidNotExist, 0, -1},
      {"America/Chicago", "2021-11-07T01:30", ZoneVerdict::Twice, -5 * 3600, 18},  // CDT
      {"Asia/Kolkata", "1987-08-15T14:35", ZoneVerdict::Found, 19800, 34},
  };
  for (const Moment& m : moments) {
    SCOPED_TRACE(std::string(m.zone) + " " + m.date_time);
    const ZoneInForce zone = At(m.zone, m.date_time);
    EXPECT_EQ(zone.verdict, m.verdict);
    if (m.verdict != ZoneVerdict::DidNotExist)
      EXPECT_EQ(zone.chosen.offset_seconds, m.offset_seconds);
    EXPECT_EQ(zone.Row(), m.row);
  }
  const ZoneInForce twice = At("America/Chicago", "2021-11-07T01:30");
  EXPECT_EQ(twice.later.offset_seconds, -6 * 3600);
  EXPECT_EQ(twice.later.row, 21);  // CST
}

TEST(ZoneInForce, UnknownZoneAndImpossibleDate) {
  EXPECT_EQ(At("Nowhere/Atlantis", "2000-01-01T00:00").verdict, ZoneVerdict::UnknownZone);
  EXPECT_EQ(FindZoneInForce("Asia/Kolkata", QDate(1987, 2, 30), QTime(0, 0)).verdict,
            ZoneVerdict::NoSuchDate);
}

// One case per entry of the preference table: the row a place and moment lead to.
TEST(ZoneRowChoice, EveryPreferenceLeadsToItsRow) {
  struct Case {
    const char* zone;
    const char* date_time;
    int row;
  };
  const Case cases[] = {
      {"America/New_York", "1943-06-01T12:00", 28},     // EWT
      {"America/New_York", "1945-09-01T12:00", 28},     // EPT
      {"America/Chicago", "1975-07-04T12:00", 18},      // CDT
      {"America/Chicago", "1975-01-15T12:00", 21},      // CST
      {"America/Chicago", "1943-06-01T12:00", 22},      // CWT
      {"America/Chicago", "1945-09-01T12:00", 22},      // CPT
      {"America/Denver", "1975-07-04T12:00", 43},       // MDT
      {"America/Denver", "1975-01-15T12:00", 44},       // MST
      {"America/Denver", "1943-06-01T12:00", 45},       // MWT
      {"America/Denver", "1945-09-01T12:00", 45},       // MPT
      {"America/Los_Angeles", "1975-07-04T12:00", 53},  // PDT
      {"America/Los_Angeles", "1975-01-15T12:00", 54},  // PST
      {"America/Los_Angeles", "1943-06-01T12:00", 55},  // PWT
      {"America/Los_Angeles", "1945-09-01T12:00", 55},  // PPT
      {"America/Halifax", "1975-01-15T12:00", 3},       // AST
      {"America/Halifax", "1943-06-01T12:00", 4},       // AWT
      {"America/Halifax", "1945-09-01T12:00", 4},       // APT
      {"Pacific/Honolulu", "1935-06-01T12:00", 32},     // HST at -10:30
      {"Pacific/Honolulu", "1933-05-01T12:00", 31},     // HDT
      {"America/Anchorage", "1990-01-15T12:00", 69},    // AKST
      {"America/Anchorage", "1990-07-15T12:00", 68},    // AKDT
      {"America/St_Johns", "1990-01-15T12:00", 50},     // NST
      {"Europe/London", "1990-01-15T12:00", 29},        // GMT
      {"Etc/UTC", "1990-01-15T12:00", 61},              // UTC
      {"Europe/London", "1990-07-15T12:00", 16},        // BST
      {"Europe/London", "1941-06-01T12:00", 15},        // BDST
      {"Asia/Kolkata", "1990-01-15T12:00", 34},         // IST
      {"Europe/Paris", "1990-01-15T12:00", 20},         // CET
      {"Europe/Paris", "1990-07-15T12:00", 19},         // CEST
      {"MET", "1990-01-15T12:00", 41},                  // MET
      {"MET", "1990-07-15T12:00", 40},                  // MEST
      {"Europe/Athens", "1990-01-15T12:00", 26},        // EET
      {"Europe/Athens", "1990-07-15T12:00", 25},        // EEST
      {"Asia/Tokyo", "1990-01-15T12:00", 38},           // JST
      {"Australia/Darwin", "1990-01-15T12:00", 6},      // ACST
      {"Australia/Adelaide", "1990-01-15T12:00", 5},    // ACDT
      {"Australia/Sydney", "1990-07-15T12:00", 8},      // AEST
      {"Australia/Sydney", "1990-01-15T12:00", 7},      // AEDT
      {"Australia/Perth", "1990-01-15T12:00", 10},      // AWST
      {"Australia/Perth", "1992-01-15T12:00", 9},       // AWDT
      {"Pacific/Auckland", "1990-07-15T12:00", 47},     // NZST
      {"Pacific/Auckland", "1990-01-15T12:00", 46},     // NZDT
      {"Pacific/Auckland", "1930-07-15T12:00", 49},     // NZMT
      {"Pacific/Guam", "2005-01-15T12:00", 30},         // ChST
      {"Pacific/Guam", "1990-01-15T12:00", 30},         // GST
      {"Europe/Dublin", "1990-07-15T12:00", 16},
      {"Europe/Lisbon", "1990-07-15T12:00", 20},        // WEST +1
      {"Europe/Kyiv", "2024-01-15T12:00", 26},          // EET
      {"Africa/Lagos", "1990-01-15T12:00", 20},         // WAT +1
      {"Africa/Johannesburg", "1990-01-15T12:00", 26},  // SAST +2
      {"Asia/Jerusalem", "1990-01-15T12:00", 26},       // IST +2
      {"Asia/Shanghai", "1990-01-15T12:00", 23},        // CST +8
      {"Asia/Seoul", "1990-01-15T12:00", 38},           // KST +9
      {"America/Sao_Paulo", "2020-01-15T12:00", 14},    // -03
      {"America/Bogota", "1990-01-15T12:00", 27},       // -05
      {"Asia/Kabul", "1990-01-15T12:00", -1},           // +04:30: no row
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.zone) + " " + c.date_time);
    EXPECT_EQ(At(c.zone, c.date_time).chosen.row, c.row);
  }
}

TEST(ZoneRowChoice, WithoutAFittingNameTheFirstRowWithTheOffset) {
  EXPECT_EQ(ChooseZoneRow(3 * 3600, u"+03", u"Asia/Riyadh"), 12);
  EXPECT_EQ(ChooseZoneRow(-4 * 3600, u"EDT", u"America/New_York"), 24);
  EXPECT_EQ(ChooseZoneRow(19800, u"IST", u"Asia/Kolkata"), 34);
  EXPECT_EQ(ChooseZoneRow(3600, u"IST", u"Europe/Dublin"), 16);
  EXPECT_EQ(ChooseZoneRow(20700, u"+0545", u"Asia/Kathmandu"), -1);
}

TEST(ZoneInForce, OffsetTexts) {
  EXPECT_EQ(UtcOffsetText(19800), "UTC+05:30");
  EXPECT_EQ(UtcOffsetText(-37800), "UTC-10:30");
  EXPECT_EQ(UtcOffsetText(19270), "UTC+05:21:10");
  EXPECT_EQ(UtcOffsetText(0), "UTC+00:00");
}

}  // namespace
}  // namespace quendal
