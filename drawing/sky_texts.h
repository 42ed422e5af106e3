// The day-of-birth texts the chart child shows off the default options: the panchang rows
// and the dasha balance. The screen's controls and the chart page take them from here.
#pragma once

#include <QString>
#include <utility>
#include <vector>

namespace quendal {

struct BirthData;
struct Chart;

struct SkyTexts {
  std::vector<std::pair<QString, QString>> panchang;  // caption, value
  QString balance;                                    // "Sun 4 y 8 m 27 d"
  QString balance_words;                              // the same in words
};

// Empty at the default options: the default chart keeps its layout.
SkyTexts MakeSkyTexts(const BirthData& birth, const Chart& chart);

}  // namespace quendal
