// How the chart window shows a chart: its style, the division on view and the colour style.
// The session holds them beside the chart's options, so every output draws what is on view.
#pragma once

namespace quendal {

enum class ChartStyle { North, South, Natal };

struct ViewChoices {
  ChartStyle style = ChartStyle::Natal;
  int division = 1;  // 1 is the birth chart; every window opens on it
  bool coloured = false;
  bool operator==(const ViewChoices&) const = default;
};

}  // namespace quendal
