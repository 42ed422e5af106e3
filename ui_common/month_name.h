// The month name every date line shows: the chart child, the text export and quendal-chart
// all take it from here, so they never disagree under a locale with two forms of a month.
#pragma once

#include <QString>

namespace quendal {

// The system locale's full name of month (1 to 12) in the form a date line uses; empty
// outside 1 to 12.
QString LongMonthName(int month);

// The month as the windows show it: in the chosen language, the same as LongMonthName in
// English. Files and the command line keep LongMonthName.
QString ShownMonthName(int month);

}  // namespace quendal
