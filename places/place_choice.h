// What choosing a place of the atlas gives a birth at a local date and time: the texts and
// coordinates for the form, the zone in force, and one line saying what was found.
#pragma once

#include <QDate>
#include <QString>
#include <QTime>

#include "places/atlas.h"
#include "places/zone_in_force.h"

namespace quendal {

// The place as the form holds it: names the reading file can keep, coordinates rounded to
// the nearest whole minute (18.5204 N is 18° 31' N).
struct PlaceEntry {
  QString city, state, country;
  int latitude_degrees = 0, latitude_minutes = 0;
  bool latitude_is_south = false;
  int longitude_degrees = 0, longitude_minutes = 0;
  bool longitude_is_east = true;
};

PlaceEntry EntryForPlace(const Atlas& atlas, const AtlasPlace& place);

// Whole minutes of arc, rounded, of a coordinate in hundred-thousandths of a degree.
int RoundedArcMinutes(int hundred_thousandths);

struct PlaceChoice {
  PlaceEntry entry;
  ZoneInForce zone;
  QString note;  // "Pune, 15 August 1987 14:35: UTC+05:30 (Asia/Kolkata)"
};

// "No zone of the list has the offset in force at Pune on 9 July 1901 (UTC+05:21:10)."
QString NoRowQuestion(const QString& city, QDate date, const ZoneInForce& zone);

// `date` may be invalid (30 February): the note then says so and no zone is found.
// The city is the match's current name.
PlaceChoice ChoosePlace(const Atlas& atlas, const PlaceMatch& match, QDate date, QTime time);

}  // namespace quendal
