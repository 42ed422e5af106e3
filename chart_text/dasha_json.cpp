#include "chart_text/dasha_json.h"

#include "vedic/dasha_levels.h"
#include "vedic/nakshatra.h"

namespace quendal {
namespace {

// Lords and dates need no escaping.
void AppendPeriod(std::string& out, const DashaPeriod& period, const char* between = "") {
  out += "\"End\":\"";
  AppendIsoDate(out, period.end);
  out += "\",\"Lord\":\"";
  out += kDashaLords[static_cast<std::size_t>(period.lord)];
  out += "\",";
  out += between;
  out += "\"Start\":\"";
  AppendIsoDate(out, period.start);
  out += '"';
}

template <typename Periods, typename Each>
void AppendArray(std::string& out, const Periods& periods, Each each) {
  out += '[';
  for (std::size_t i = 0; i < periods.size(); ++i) {
    out += i == 0 ? "{" : ",{";
    each(periods[i]);
    out += '}';
  }
  out += ']';
}

}  // namespace

void AppendDashaJson(std::string& out, const Dasha& dasha, int levels) {
  AppendArray(out, dasha, [&](const Mahadasha& maha) {
    if (levels >= 2) {
      out += "\"Antardashas\":";
      AppendArray(out, maha.antardashas, [&](const DashaPeriod& sub) {
        if (levels < 3) return AppendPeriod(out, sub);
        // "Pratyantardashas" sorts between "Lord" and "Start".
        std::string thirds = "\"Pratyantardashas\":";
        AppendArray(thirds, Pratyantardashas(sub),
                    [&](const DashaPeriod& third) { AppendPeriod(thirds, third); });
        thirds += ',';
        AppendPeriod(out, sub, thirds.c_str());
      });
      out += ',';
    }
    AppendPeriod(out, maha);
  });
}

void AppendDashaBalanceJson(std::string& out, const Dasha& dasha) {
  const CalendarSpan span = DashaBalance(dasha);
  out += "{\"Days\":" + std::to_string(span.days) + ",\"Lord\":\"";
  out += kDashaLords[static_cast<std::size_t>(dasha[0].lord)];
  out += "\",\"Months\":" + std::to_string(span.months) +
         ",\"Years\":" + std::to_string(span.years) + '}';
}

}  // namespace quendal
