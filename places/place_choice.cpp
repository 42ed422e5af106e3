#include "places/place_choice.h"

#include <QCoreApplication>
#include <QLocale>
#include <cstdlib>

#include "places/text_folding.h"
#include "positions/time_zones.h"

namespace quendal {
namespace {

// The notes in the language of the windows (quendal-chart installs no translation).
QString Tr(const char* text) { return QCoreApplication::translate("PlaceNote", text); }

QString Month(int month) {
  return QCoreApplication::translate(
      "Names", QLocale(QLocale::English).monthName(month).toLatin1().constData());
}

QString RowName(int row) {
  const std::string_view name = FillTimeZoneTable().TimeZoneNames[static_cast<size_t>(row)];
  return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

QString Note(const QString& city, QDate date, QTime time, const QString& zone_id,
             const ZoneInForce& zone) {
  const QString moment = QStringLiteral("%1, %2 %3 %4 %5")
                             .arg(city)
                             .arg(date.day())
                             .arg(Month(date.month()))
                             .arg(date.year())
                             .arg(time.toString(QStringLiteral("hh:mm")));
  const QString found =
      UtcOffsetText(zone.chosen.offset_seconds) + QStringLiteral(" (%1)").arg(zone_id);
  switch (zone.verdict) {
    case ZoneVerdict::Found:
      return moment + QStringLiteral(": ") + found;
    case ZoneVerdict::NoRow:
      return moment + QStringLiteral(": ") + found +
             Tr(QT_TRANSLATE_NOOP("PlaceNote",
                                  ", which no zone row has; the zone is left as it was"));
    case ZoneVerdict::DidNotExist:
      return moment + Tr(QT_TRANSLATE_NOOP("PlaceNote",
                                           ": this clock time did not exist there (the clocks went "
                                           "forward); no zone selected"));
    case ZoneVerdict::Twice:
      return moment + Tr(QT_TRANSLATE_NOOP("PlaceNote", " came twice: ")) + found +
             Tr(QT_TRANSLATE_NOOP("PlaceNote", " selected; the later %1 would be %2"))
                 .arg(UtcOffsetText(zone.later.offset_seconds),
                      zone.later.row >= 0 ? RowName(zone.later.row)
                                          : Tr(QT_TRANSLATE_NOOP("PlaceNote", "no zone row")));
    case ZoneVerdict::NoSuchDate:
      return Tr(QT_TRANSLATE_NOOP("PlaceNote",
                                  "%1: the date is not in the calendar; no zone selected"))
          .arg(city);
    case ZoneVerdict::UnknownZone:
      break;
  }
  return Tr(QT_TRANSLATE_NOOP("PlaceNote",
                              "%1: the time zone %2 is unknown to this system; no zone selected"))
      .arg(city, zone_id);
}

}  // namespace

int RoundedArcMinutes(int hundred_thousandths) {
  return static_cast<int>((std::abs(static_cast<qint64>(hundred_thousandths)) * 60 + 50'000) /
                          100'000);
}

PlaceEntry EntryForPlace(const Atlas& atlas, const AtlasPlace& place) {
  PlaceEntry entry;
  entry.city = TextForReadingFile(place.name);
  entry.state = TextForReadingFile(atlas.StateOf(place).name);
  entry.country = TextForReadingFile(atlas.CountryOf(place).name);
  const int latitude = RoundedArcMinutes(place.latitude);
  entry.latitude_degrees = latitude / 60;
  entry.latitude_minutes = latitude % 60;
  entry.latitude_is_south = place.latitude < 0;
  const int longitude = RoundedArcMinutes(place.longitude);
  entry.longitude_degrees = longitude / 60;
  entry.longitude_minutes = longitude % 60;
  entry.longitude_is_east = place.longitude >= 0;
  return entry;
}

QString NoRowQuestion(const QString& city, QDate date, const ZoneInForce& zone) {
  return Tr(QT_TRANSLATE_NOOP(
                "PlaceNote", "No zone of the list has the offset in force at %1 on %2 %3 %4 (%5)."))
      .arg(city)
      .arg(date.day())
      .arg(Month(date.month()))
      .arg(date.year())
      .arg(UtcOffsetText(zone.chosen.offset_seconds));
}

PlaceChoice ChoosePlace(const Atlas& atlas, const PlaceMatch& match, QDate date, QTime time) {
  const AtlasPlace& place = atlas.Place(match.place);
  const QString city = atlas.CityName(match);
  PlaceChoice choice;
  choice.entry = EntryForPlace(atlas, place);
  choice.entry.city = TextForReadingFile(city);
  const QString& zone_id = atlas.ZoneOf(place);
  choice.zone = FindZoneInForce(zone_id, date, time);
  choice.note = Note(city, date, time, zone_id, choice.zone);
  return choice;
}

}  // namespace quendal
