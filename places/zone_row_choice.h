// Which row of the zone list stands for an offset in force: the row must carry the whole
// offset (the calendar rule ignores daylight saving), and among such rows the one whose name
// fits the place and moment.
#pragma once

#include <QString>
#include <QStringView>

#include "positions/zone_line.h"

namespace quendal {

// The preferred row for the offset, or -1 when no row carries it. `abbreviation` is the one
// the time-zone database gives for the moment ("EDT", "BDST", "+0630"), `zone_id` the
// place's IANA zone.
int ChooseZoneRow(int offset_seconds, QStringView abbreviation, QStringView zone_id);

}  // namespace quendal
