#include "cli/dasha_output.h"

#include <QJsonObject>
#include <iomanip>

#include "cli/convention_output.h"
#include "vedic/dasha.h"

namespace quendal::cli {
namespace {

std::string LordOf(const DashaPeriod& period) {
  return std::string(kDashaLords[static_cast<std::size_t>(period.lord)]);
}

QJsonObject PeriodJson(const DashaPeriod& period) {
  return {{"Lord", QString::fromStdString(LordOf(period))},
          {"Start", QString::fromStdString(IsoDate(period.start))},
          {"End", QString::fromStdString(IsoDate(period.end))}};
}

// Keys in QJsonDocument's sorted order; lords and dates need no escaping.
void AppendPeriod(std::string& out, const DashaPeriod& period) {
  out += "\"End\":\"";
  AppendIsoDate(out, period.end);
  out += "\",\"Lord\":\"";
  out += kDashaLords[static_cast<std::size_t>(period.lord)];
  out += "\",\"Start\":\"";
  AppendIsoDate(out, period.start);
  out += '"';
}

Dasha DashaOf(const Chart& chart) {
  return VimshottariDasha(chart.BirthDay, chart.MoonNakshatra,
                          DashaYearDays(chart.Options.dasha_year));
}

}  // namespace

void WriteReadableDasha(std::ostream& out, const Chart& chart) {
  const NakshatraPlace& moon = chart.MoonNakshatra;
  out << "Vimshottari dasha (a year is " << NumberText(DashaYearDays(chart.Options.dasha_year))
      << " days)\n"
      << "Moon in " << kNakshatraNames[static_cast<std::size_t>(moon.index)] << ", pada "
      << moon.pada << ", lord " << kDashaLords[static_cast<std::size_t>(moon.lord)] << "\n\n"
      << "Mahadasha  Antardasha Start       End\n";
  for (const Mahadasha& maha : DashaOf(chart)) {
    out << std::left << std::setw(22) << LordOf(maha) << IsoDate(maha.start) << "  "
        << IsoDate(maha.end) << "\n";
    for (const DashaPeriod& sub : maha.antardashas) {
      out << "           " << std::setw(11) << LordOf(sub) << IsoDate(sub.start) << "  "
          << IsoDate(sub.end) << "\n";
    }
  }
}

QJsonArray DashaJson(const Chart& chart) {
  QJsonArray dasha;
  for (const Mahadasha& maha : DashaOf(chart)) {
    QJsonObject object = PeriodJson(maha);
    QJsonArray subs;
    for (const DashaPeriod& sub : maha.antardashas) subs.append(PeriodJson(sub));
    object["Antardashas"] = subs;
    dasha.append(object);
  }
  return dasha;
}

void AppendDashaJson(std::string& out, const Chart& chart) {
  out += '[';
  bool first_maha = true;
  for (const Mahadasha& maha : DashaOf(chart)) {
    if (!first_maha) out += ',';
    first_maha = false;
    out += "{\"Antardashas\":[";
    for (std::size_t j = 0; j < maha.antardashas.size(); ++j) {
      out += j == 0 ? "{" : ",{";
      AppendPeriod(out, maha.antardashas[j]);
      out += '}';
    }
    out += "],";
    AppendPeriod(out, maha);
    out += '}';
  }
  out += ']';
}

}  // namespace quendal::cli
