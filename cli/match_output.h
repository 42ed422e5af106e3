// quendal-chart --match FILE.kdl: the Ashtakoota match and Mars check of the birth given
// (the bride) and the birth of a reading file (the groom), as a table or one JSON object.
#pragma once

#include <QJsonObject>
#include <optional>
#include <ostream>
#include <string>

#include "cli/birth_input.h"
#include "match/match_text.h"

class QCommandLineParser;

namespace quendal::cli {

// Options that do nothing beside --match, as "--match and --dasha"; empty when none is set.
std::string MatchClash(const QCommandLineParser& parser);

QJsonObject MatchJson(const MatchPerson& bride, const MatchPerson& groom, const MatchResult& match);

void WriteReadableMatch(std::ostream& out, const MatchSheet& sheet);

struct MatchRun {
  std::string text;
  std::optional<InputError> error;  // the reading refused, or a check failed
};

// The match page's content for the report; nothing, with the error, when the reading is
// refused.
std::optional<MatchSheet> MatchSheetOf(const BirthRequest& bride, const std::string& groom_reading,
                                       const ChartOptions& options, InputError& error);

// Both charts sidereal with the positions of options.
MatchRun RunMatch(const BirthRequest& bride, const std::string& groom_reading,
                  const ChartOptions& options, bool json);

}  // namespace quendal::cli
