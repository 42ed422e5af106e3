#include "report/report_input.h"

#include <algorithm>

#include "ui_common/month_name.h"
#include "ui_common/translated_text.h"

namespace quendal {

const std::vector<ReportSectionName>& OfferedReportSections() {
  static const std::vector<ReportSectionName> sections = {
      {ReportSection::Birth, "birth", QT_TRANSLATE_NOOP("Report", "Birth details and panchang")},
      {ReportSection::Charts, "charts", QT_TRANSLATE_NOOP("Report", "Birth chart and navamsa")},
      {ReportSection::Positions, "positions", QT_TRANSLATE_NOOP("Report", "Positions")},
      {ReportSection::Divisions, "divisions", QT_TRANSLATE_NOOP("Report", "Divisional charts")},
      {ReportSection::Vargas, "vargas", QT_TRANSLATE_NOOP("Report", "Shodashavarga table")},
      {ReportSection::Dasha, "dasha", QT_TRANSLATE_NOOP("Report", "Vimshottari dasha")},
      {ReportSection::Pratyantardashas, "pratyantardashas", QT_TRANSLATE_NOOP("Report", "Pratyantardashas (many pages)"), false},
      {ReportSection::Transits, "transits", QT_TRANSLATE_NOOP("Report", "Transits and Sade Sati")},
      {ReportSection::Match, "match", QT_TRANSLATE_NOOP("Report", "Match (when its window is open)")},
  };
  return sections;
}

std::optional<std::vector<ReportSection>> ParseReportSections(const QString& list,
                                                              QString& bad_name) {
  std::vector<ReportSection> chosen;
  for (const QString& part : list.split(QLatin1Char(','))) {
    const QString name = part.trimmed().toLower();
    if (name.isEmpty()) continue;
    const auto& offered = OfferedReportSections();
    const auto found = std::find_if(offered.begin(), offered.end(), [&](const auto& section) {
      return name == QLatin1String(section.key);
    });
    if (found == offered.end()) {
      bad_name = part.trimmed();
      return std::nullopt;
    }
    if (std::find(chosen.begin(), chosen.end(), found->section) == chosen.end())
      chosen.push_back(found->section);
  }
  if (chosen.empty()) {
    bad_name = list;
    return std::nullopt;
  }
  std::sort(chosen.begin(), chosen.end());
  return chosen;
}

QString ReportSectionKeys() {
  QStringList keys;
  for (const auto& section : OfferedReportSections()) keys << QLatin1String(section.key);
  return keys.join(QStringLiteral(", "));
}

std::vector<ReportSection> DefaultReportSections() {
  std::vector<ReportSection> sections;
  for (const auto& offered : OfferedReportSections())
    if (offered.at_first) sections.push_back(offered.section);
  return sections;
}

QString ReportHeading(const BirthData& birth) {
  if (!birth.PersonName.empty())
    return TrText("Report", "Birth chart of %1").arg(QString::fromStdString(birth.PersonName));
  return TrText("Report", "Birth chart of %1 %2, %3")
      .arg(ShownMonthName(birth.BirthMonth))
      .arg(birth.BirthDay)
      .arg(birth.BirthYear);
}

}  // namespace quendal
