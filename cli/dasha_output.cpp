#include "cli/dasha_output.h"

#include <QJsonObject>
#include <iomanip>

#include "cli/convention_output.h"
#include "vedic/dasha.h"
#include "vedic/dasha_levels.h"

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

void WriteReadableDasha(std::ostream& out, const Chart& chart, int levels) {
  const NakshatraPlace& moon = chart.MoonNakshatra;
  const Dasha dasha = DashaOf(chart);
  out << "Vimshottari dasha (a year is " << NumberText(DashaYearDays(chart.Options.dasha_year))
      << " days)\n"
      << "Moon in " << kNakshatraNames[static_cast<std::size_t>(moon.index)] << ", pada "
      << moon.pada << ", lord " << kDashaLords[static_cast<std::size_t>(moon.lord)] << "\n";
  // The level-2 table stays as it always was; the balance and the ages come with the others.
  const bool ages = levels != 2;
  if (ages) out << "Balance at birth: " << DashaBalanceText(dasha) << "\n";
  out << "\n";
  if (levels == 3) {
    out << "Mahadasha  Antardasha Pratyantar Start       End         Age at start\n";
  } else if (ages) {
    out << "Mahadasha  Start       End         Age at start\n";
  } else {
    out << "Mahadasha  Antardasha Start       End\n";
  }
  const auto row = [&](const char* indent, int width, const DashaPeriod& period) {
    out << indent << std::left << std::setw(width) << LordOf(period) << IsoDate(period.start)
        << "  " << IsoDate(period.end);
    if (ages) out << "  " << AgeText(chart.BirthDay, period.start);
    out << "\n";
  };
  const int lord_width = levels == 3 ? 33 : levels == 2 ? 22 : 11;
  for (const Mahadasha& maha : dasha) {
    row("", lord_width, maha);
    if (levels < 2) continue;
    for (const DashaPeriod& sub : maha.antardashas) {
      row("           ", lord_width - 11, sub);
      if (levels < 3) continue;
      for (const DashaPeriod& third : Pratyantardashas(sub)) row("                      ", 11, third);
    }
  }
}

QJsonArray DashaJson(const Chart& chart, int levels) {
  QJsonArray dasha;
  for (const Mahadasha& maha : DashaOf(chart)) {
    QJsonObject object = PeriodJson(maha);
    if (levels >= 2) {
      QJsonArray subs;
      for (const DashaPeriod& sub : maha.antardashas) {
        QJsonObject sub_object = PeriodJson(sub);
        if (levels == 3) {
          QJsonArray thirds;
          for (const DashaPeriod& third : Pratyantardashas(sub)) thirds.append(PeriodJson(third));
          sub_object["Pratyantardashas"] = thirds;
        }
        subs.append(sub_object);
      }
      object["Antardashas"] = subs;
    }
    dasha.append(object);
  }
  return dasha;
}

QJsonObject DashaBalanceJson(const Chart& chart) {
  const Dasha dasha = DashaOf(chart);
  const CalendarSpan span = DashaBalance(dasha);
  return {{"Lord", QString::fromStdString(LordOf(dasha[0]))},
          {"Years", span.years},
          {"Months", span.months},
          {"Days", span.days}};
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
