// Where the Moon stands in its nakshatra: the record a chart keeps and the dasha starts from.
#pragma once

namespace quendal {

struct NakshatraPlace {
  int index = 0;      // 0 = Ashwini
  int pada = 1;       // 1 to 4
  int lord = 0;       // index into kDashaLords
  double passed = 0;  // fraction of the nakshatra already passed, 0 to 1
};

}  // namespace quendal
