// What the chart child shows of the day of birth and of transits, beside the specified
// panels: the Panchang frame and the dasha balance row, both only off the default options
// (the default chart keeps its layout), and the transit longitudes beside the natal ones.
#pragma once

#include <optional>

#include "birth/birth_data.h"
#include "vedic/transits.h"

class QWidget;

namespace quendal {

struct Chart;

// Adds fraPanchang below the wheel and the balance row to "Other Details", both hidden.
void AddSkyPanels(QWidget* display);

// Fills them and shows them when the chart is cast off the defaults.
void FillSkyPanels(QWidget* display, const BirthData& birth, const Chart& chart);

// The positions column with a second column of transit longitudes, or without it.
void ShowTransitPositions(QWidget* display, const std::optional<Transits>& transits);

}  // namespace quendal
