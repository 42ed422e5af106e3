#include "places/zone_in_force.h"

#include <QTimeZone>
#include <algorithm>
#include <vector>

#include "places/zone_row_choice.h"

namespace quendal {
namespace {

QDateTime Instant(qint64 seconds) { return QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC); }

ZoneReading ReadingAt(const QTimeZone& zone, const QString& zone_id, qint64 utc_seconds,
                      int offset) {
  ZoneReading reading;
  reading.offset_seconds = offset;
  reading.abbreviation = zone.abbreviation(Instant(utc_seconds));
  reading.row = ChooseZoneRow(offset, reading.abbreviation, zone_id);
  return reading;
}

}  // namespace

int ZoneInForce::Row() const {
  return verdict == ZoneVerdict::Found || verdict == ZoneVerdict::Twice ? chosen.row : -1;
}

ZoneInForce FindZoneInForce(const QString& zone_id, QDate date, QTime time) {
  ZoneInForce result;
  if (!date.isValid() || !time.isValid()) {
    result.verdict = ZoneVerdict::NoSuchDate;
    return result;
  }
  const QTimeZone zone(zone_id.toUtf8());
  if (!zone.isValid()) return result;
  // The clock reading taken as if it were universal time; an offset o fits when the zone
  // keeps o at the instant clock - o. Offsets around the reading are the only candidates,
  // and no place changed its clocks twice within a day and a half.
  const qint64 clock = QDateTime(date, time, Qt::UTC).toSecsSinceEpoch();
  std::vector<int> fitting;
  for (const qint64 hours : {-36, -18, 0, 18, 36}) {
    const int offset = zone.offsetFromUtc(Instant(clock + hours * 3600));
    if (std::find(fitting.begin(), fitting.end(), offset) == fitting.end() &&
        zone.offsetFromUtc(Instant(clock - offset)) == offset)
      fitting.push_back(offset);
  }
  // The earlier instant carries the larger offset.
  std::sort(fitting.begin(), fitting.end(), std::greater<>());
  if (fitting.empty()) {
    result.verdict = ZoneVerdict::DidNotExist;
    return result;
  }
  result.chosen = ReadingAt(zone, zone_id, clock - fitting[0], fitting[0]);
  if (fitting.size() > 1) result.later = ReadingAt(zone, zone_id, clock - fitting[1], fitting[1]);
  if (result.chosen.row < 0)
    result.verdict = ZoneVerdict::NoRow;
  else
    result.verdict = fitting.size() > 1 ? ZoneVerdict::Twice : ZoneVerdict::Found;
  return result;
}

QString UtcOffsetText(int offset_seconds) {
  return QString::fromStdString(UtcOffsetLabel(offset_seconds));
}

}  // namespace quendal
