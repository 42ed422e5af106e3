// quendal-chart's outputs beyond the chart: the panchang, the deeper dasha, Sade Sati and
// transits, each a text to read and a JSON value, asked for by its own option.
#pragma once

#include <QCommandLineParser>
#include <QJsonObject>
#include <optional>
#include <string>

#include "birth/chart_calculation.h"
#include "cli/birth_input.h"
#include "positions/calendar.h"

namespace quendal::cli {

void AddSkyOptions(QCommandLineParser& parser);

// The options of this file that were given, in the order of the output.
bool WantsSky(const QCommandLineParser& parser);

// A bad --dasha-levels or --transits.
std::optional<InputError> CheckSkyOptions(const QCommandLineParser& parser);

// "YYYY-MM-DD" or "YYYY-MM-DDTHH:MM"; nullopt for anything else.
std::optional<CivilDateTime> ParseTransitMoment(std::string_view text);

// The texts of the options given, one after the other.
std::string SkyText(const QCommandLineParser& parser, const BirthData& birth, const Chart& chart);

// Adds "Dasha" and "DashaBalance", "Panchang", "SadeSati", "Transits" as asked.
void AddSkyJson(QJsonObject& json, const QCommandLineParser& parser, const BirthData& birth,
                const Chart& chart);

}  // namespace quendal::cli
