// What outlives one window: the last calculated chart with its birth data, and the file
// name the Save As Text and Export dialogs share. The application object owns the one
// instance; the windows hold a reference.
#pragma once

#include <QString>

#include "chart/birth_data.h"
#include "chart/view_choices.h"
#include "birth/chart_calculation.h"

namespace quendal {

struct ChartSession {
  BirthData birth_data;
  Chart chart;
  int zone_row = 0;      // cboTimeZone's position at the last calculation
  ChartOptions options;  // the zodiac and positions every chart is cast with
  ViewChoices view;      // how the chart window shows it
  QString LastFileName;  // empty at start
  QString place_note;    // the atlas's note when the place came from the atlas
};

}  // namespace quendal
