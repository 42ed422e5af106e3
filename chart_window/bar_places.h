// Where the chart window's bars put their controls for an outer window width: the three
// buttons of the bottom bar keep to the right edge, the heading and its link to the middle.
#pragma once

namespace quendal {

struct BarPlaces {  // left edges in pixels
  int exit_left;
  int back_left;
  int jpeg_left;
  int heading_left;
  int url_left;
};

BarPlaces BarPlacesFor(int outer_width_pixels);

}  // namespace quendal
