// What the chart child shows of the day of birth and of transits, beside the specified
// panels: the Panchang frame and the dasha balance row, both only off the default options
// (the default chart keeps its layout), and the transit longitudes beside the natal ones.
#pragma once

#include <optional>

#include "birth/transits.h"
#include "chart/birth_data.h"

class QWidget;

namespace quendal {

struct SkyTexts;

// Adds fraPanchang below the wheel and the balance row to "Other Details", both hidden.
void AddSkyPanels(QWidget* display);

// Fills them and shows them when there is something to show (off the default options).
void FillSkyPanels(QWidget* display, const SkyTexts& texts);

// The positions column with a second column of transit longitudes, or without it.
void ShowTransitPositions(QWidget* display, const std::optional<Transits>& transits);

}  // namespace quendal
