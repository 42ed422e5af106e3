// The UTC offset a place kept at a local clock time, from the system's time-zone database,
// and the zone-list row that carries it.
#pragma once

#include <QDate>
#include <QString>
#include <QTime>

namespace quendal {

struct ZoneReading {
  int offset_seconds = 0;  // east of Greenwich
  QString abbreviation;    // as the database gives it: "EDT", "LMT", "+0545"
  int row = -1;            // the zone-list row, -1 when no row carries the offset
};

enum class ZoneVerdict {
  Found,        // one offset, and a row carries it
  NoRow,        // no row carries the offset in force
  DidNotExist,  // the clock time was skipped when the clocks went forward
  Twice,        // the clock time came twice; `chosen` is the earlier, `later` the other
  NoSuchDate,   // the date is not in the calendar (30 February)
  UnknownZone,  // the system's database does not know the place's zone
};

struct ZoneInForce {
  ZoneVerdict verdict = ZoneVerdict::UnknownZone;
  ZoneReading chosen;
  ZoneReading later;

  // The row to select, or -1 when the zone must be left as it is.
  int Row() const;
};

ZoneInForce FindZoneInForce(const QString& zone_id, QDate date, QTime time);

// "UTC+05:30", "UTC-10:30", "UTC+05:21:10".
QString UtcOffsetText(int offset_seconds);

}  // namespace quendal
