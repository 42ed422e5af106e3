#include "chart_window/bar_places.h"

#include <cmath>

namespace quendal {
namespace {

int ToPixels(float twips) { return static_cast<int>(std::lround(twips)) / 15; }

}  // namespace

BarPlaces BarPlacesFor(int outer_width_pixels) {
  // Computed in twips from the outer width in single precision; a narrow window gives
  // negative left edges, which are kept.
  const float width = static_cast<float>(outer_width_pixels * 15);
  const float exit_left = width - 1095.0f - 300.0f;
  const float back_left = exit_left - 1095.0f - 100.0f;
  const float jpeg_left = back_left - 1575.0f - 100.0f;
  return {ToPixels(exit_left), ToPixels(back_left), ToPixels(jpeg_left),
          ToPixels((width - 5070.0f) / 2.0f), ToPixels((width - 5520.0f) / 2.0f)};
}

}  // namespace quendal
