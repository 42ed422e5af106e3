// The colours the chart drawings share, so that the wheel and the square charts look of one
// family.
#pragma once

#include <QColor>

namespace quendal {

inline const QColor kChartInk(0x6e, 0x33, 0x12);         // outlines, house numbers
inline const QColor kChartSpoke(0xb0, 0x7a, 0x3c);       // finer lines, sign names
inline const QColor kChartField(0xff, 0xfa, 0xee);       // a house's ground
inline const QColor kChartFirstHouse(0xff, 0xf3, 0xcf);  // the ascendant's house

}  // namespace quendal
