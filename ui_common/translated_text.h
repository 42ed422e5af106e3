// Where windows and drawings turn the program's English texts into the chosen language. With no
// translation installed (English, quendal-chart) every function returns the English text as it is.
#pragma once

#include <QString>
#include <string_view>

namespace quendal {

// A text of a window or message under its context. lupdate reads TrText as translate.
QString TrText(const char* context, const char* english);
QString TrText(const char* context, std::string_view english);

// Names of the field in full: signs, bodies, nakshatras, tithis, yogas, karanas, varas.
QString TrName(std::string_view english);

// A body as a chart drawing labels it: "Mercury (R)" becomes the language's short form with
// its retrograde mark; other entries as TrName.
QString TrChartEntry(const QString& english);

// A house cell ("\r\nSun\r\nMercury (R) ") with each body as TrChartEntry labels it; the cell
// exactly as it is while no translation is installed.
QString TrChartCell(const QString& english);

// The sign of a longitude text ("12° 34' 56\" Ari", "12 Ari 34") in full in the language;
// the text unchanged when no translation is installed.
QString TrLongitude(const QString& english);

// The property where a widget showing a translated text keeps its English one, for the files
// that stay English whatever the language.
inline constexpr char kEnglishText[] = "englishText";

}  // namespace quendal
