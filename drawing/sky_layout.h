// Where the chart child puts the panchang, the dasha balance row and the transit column:
// the screen's controls and the chart page share these places.
#pragma once

#include <QColor>

#include "drawing/chart_layout.h"

namespace quendal {

// Below the wheel and the image fields, as wide as the wheel.
inline constexpr TwipBox kPanchangBox{2040, 7950, 6750, 2340};
inline constexpr int kPanchangRowTop = 300;
inline constexpr int kPanchangRowStep = 285;
inline constexpr int kPanchangCaptionWidth = 1200;
inline constexpr int kPanchangValueWidth = kPanchangBox.width - kPanchangCaptionWidth - 240;
// One row more than "Other Details" shows at the defaults.
inline constexpr int kBalanceRowTop = 3045;
inline constexpr int kVedicFrameGrown = 3450;
// The transit column of the positions: the natal values move left to make room.
inline constexpr int kNatalValueLeftWithTransits = 1150;
inline constexpr int kTransitValueLeft = 2300;
inline constexpr int kTransitValueWidth = 1050;
inline constexpr int kTransitRows = 10;  // Sun to the ascendant
inline const QColor kTransitInk{0x9a, 0x1c, 0x1c};

}  // namespace quendal
