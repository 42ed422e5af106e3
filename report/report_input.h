// What a horoscope report is made of: the chart and its birth, how the chart is shown, the
// sections asked for and the paper.
#pragma once

#include <QDateTime>
#include <QPageSize>
#include <QString>
#include <optional>
#include <vector>

#include "birth/chart_calculation.h"
#include "chart/birth_data.h"
#include "drawing/chart_view.h"
#include "match/match_text.h"

namespace quendal {

// In report order.
enum class ReportSection {
  Birth,
  Charts,
  Positions,
  Divisions,
  Vargas,
  Dasha,
  Pratyantardashas,
  Transits,
  Match
};

struct ReportSectionName {
  ReportSection section;
  const char* key;       // quendal-chart --report-sections and the settings
  const char* caption;   // the dialog's check box
  bool at_first = true;  // ticked before any choice is stored
};

// The sections a report can hold, in report order.
const std::vector<ReportSectionName>& OfferedReportSections();

// "birth,charts,dasha" in any order and case; nothing when a name is unknown (bad_name then
// holds it) or the list is empty. The result is in report order, without repeats.
std::optional<std::vector<ReportSection>> ParseReportSections(const QString& list,
                                                              QString& bad_name);
QString ReportSectionKeys();  // "birth, charts, ..." for messages

// The sections ticked before any choice is stored: all but the long ones.
std::vector<ReportSection> DefaultReportSections();

// What the report dialog asks: the sections and the paper.
struct ReportChoice {
  std::vector<ReportSection> sections;
  QPageSize::PageSizeId paper = QPageSize::A4;
};

struct ReportInput {
  BirthData birth;
  Chart chart;  // as cast, undivided
  int zone_row = 0;
  QString place_note;  // the atlas's note, when the place came from the atlas
  ChartStyle style = ChartStyle::Natal;
  bool coloured = false;
  std::vector<ReportSection> sections;
  QPageSize::PageSizeId paper = QPageSize::A4;
  QDateTime printed;                // "now": the printing date and the periods in force
  std::optional<MatchSheet> match;  // of the match window open for this chart
};

// "Birth chart of Asha Rao"; the date of birth stands in for a missing name.
QString ReportHeading(const BirthData& birth);

}  // namespace quendal
