// "&Match With Saved Reading...": the birth of a reading file, read and checked as "&Open
// Previously Saved Reading" reads and checks it, matched with the chart on screen.
#pragma once

#include <QString>
#include <optional>

#include "birth/chart_session.h"

class QWidget;

namespace quendal {

// The birth of the file at path with the form's messages on a refused file or a failed
// check; nullopt then.
std::optional<BirthData> ReadMatchBirth(QWidget* parent, const QString& path);

// Asks for a reading and opens the match window of chart_window (or renews the one it has)
// with the session's chart as the bride.
void MatchWithSavedReading(QWidget* chart_window, const ChartSession& session);

}  // namespace quendal
