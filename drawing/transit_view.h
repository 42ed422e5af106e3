// Transits as a view like any other: the natal houses with the bodies of the moment added,
// each marked " (T)", so every chart style draws them through its own routine.
#pragma once

#include "birth/transits.h"
#include "drawing/chart_view.h"

#include <string>

namespace quendal {

// What marks a transiting body, in the cells and in the captions that explain it.
inline constexpr char kTransitMark[] = " (T)";

// natal_view with the transit bodies in their houses, and the caption as its chart name.
ChartView TransitChartView(ChartView natal_view, const Transits& transits);

// "Saturn (T)", "Saturn (T, R)".
QString TransitEntry(const TransitBody& body);

// The caption of transits at moment, in the language of the windows (TransitCaption in English).
QString TransitCaptionText(const CivilDateTime& moment);

// A Sade Sati re-entry as the core writes it ("Back in Pisces from 2025-03-29 to 2025-06-01"),
// in the language of the windows.
QString ReentryText(const std::string& english);

}  // namespace quendal
