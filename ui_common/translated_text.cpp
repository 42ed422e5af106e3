#include "ui_common/translated_text.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>

namespace quendal {
namespace {

constexpr char kNames[] = "Names";
constexpr char kChartLabels[] = "ChartLabels";

// The bodies as chart drawings label them; the English label is the name itself.
[[maybe_unused]] constexpr const char* kChartLabelTexts[] = {
    QT_TRANSLATE_NOOP("ChartLabels", "Sun"), QT_TRANSLATE_NOOP("ChartLabels", "Moon"),
    QT_TRANSLATE_NOOP("ChartLabels", "Mercury"), QT_TRANSLATE_NOOP("ChartLabels", "Venus"),
    QT_TRANSLATE_NOOP("ChartLabels", "Mars"), QT_TRANSLATE_NOOP("ChartLabels", "Jupiter"),
    QT_TRANSLATE_NOOP("ChartLabels", "Saturn"), QT_TRANSLATE_NOOP("ChartLabels", "Rahu"),
    QT_TRANSLATE_NOOP("ChartLabels", "Ketu"), QT_TRANSLATE_NOOP("ChartLabels", "Asc"),
    QT_TRANSLATE_NOOP("ChartLabels", "Ascendant"),
    //: The retrograde mark after a body's label
    QT_TRANSLATE_NOOP("ChartLabels", "(R)"),
    //: A transiting body's mark in the chart
    QT_TRANSLATE_NOOP("ChartLabels", "(T)"),
    //: A transiting body that is retrograde
    QT_TRANSLATE_NOOP("ChartLabels", "(T, R)")};

// Words and phrases of composed texts of the core: options, dasha spans, panchang values.
[[maybe_unused]] constexpr const char* kPhraseTexts[] = {
    QT_TRANSLATE_NOOP("Names", "Asc"),
    QT_TRANSLATE_NOOP("Names", "Tropical"),
    QT_TRANSLATE_NOOP("Names", "Sidereal"),
    QT_TRANSLATE_NOOP("Names", "Lahiri"),
    QT_TRANSLATE_NOOP("Names", "Krishnamurti"),
    QT_TRANSLATE_NOOP("Names", "Raman"),
    QT_TRANSLATE_NOOP("Names", "True Chitrapaksha"),
    QT_TRANSLATE_NOOP("Names", "Yukteshwar"),
    QT_TRANSLATE_NOOP("Names", "Precise"),
    QT_TRANSLATE_NOOP("Names", "Classic"),
    QT_TRANSLATE_NOOP("Names", "precise"),
    QT_TRANSLATE_NOOP("Names", "classic"),
    QT_TRANSLATE_NOOP("Names", "True Node"),
    QT_TRANSLATE_NOOP("Names", "Swiss Ephemeris"),
    QT_TRANSLATE_NOOP("Names", "Classic formulas"),
    QT_TRANSLATE_NOOP("Names", "sidereal year"),
    QT_TRANSLATE_NOOP("Names", "savana year"),
    QT_TRANSLATE_NOOP("Names", "Julian year"),
    QT_TRANSLATE_NOOP("Names", "year"),
    QT_TRANSLATE_NOOP("Names", "years"),
    QT_TRANSLATE_NOOP("Names", "month"),
    QT_TRANSLATE_NOOP("Names", "months"),
    QT_TRANSLATE_NOOP("Names", "day"),
    QT_TRANSLATE_NOOP("Names", "days"),
    QT_TRANSLATE_NOOP("Names", "y"),
    QT_TRANSLATE_NOOP("Names", "m"),
    QT_TRANSLATE_NOOP("Names", "left"),
    QT_TRANSLATE_NOOP("Names", "civil weekday"),
    QT_TRANSLATE_NOOP("Names", "none that day"),
    //: The phases of Sade Sati
    QT_TRANSLATE_NOOP("Names", "Rising"),
    QT_TRANSLATE_NOOP("Names", "Peak"),
    QT_TRANSLATE_NOOP("Names", "Setting"),
    QT_TRANSLATE_NOOP("Names", "January"),
    QT_TRANSLATE_NOOP("Names", "February"),
    QT_TRANSLATE_NOOP("Names", "March"),
    QT_TRANSLATE_NOOP("Names", "April"),
    QT_TRANSLATE_NOOP("Names", "May"),
    QT_TRANSLATE_NOOP("Names", "June"),
    QT_TRANSLATE_NOOP("Names", "July"),
    QT_TRANSLATE_NOOP("Names", "August"),
    QT_TRANSLATE_NOOP("Names", "September"),
    QT_TRANSLATE_NOOP("Names", "October"),
    QT_TRANSLATE_NOOP("Names", "November"),
    QT_TRANSLATE_NOOP("Names", "December")};

bool HasTranslation(const char* context, const QString& english) {
  const QByteArray source = english.toUtf8();
  return QCoreApplication::translate(context, source.constData()) != english;
}

QString Translated(const QString& english) {
  return QCoreApplication::translate(kNames, english.toUtf8().constData());
}

// text with each match of pattern replaced by what change makes of it.
template <typename Change>
QString EachMatch(const QString& text, const QRegularExpression& pattern, Change change) {
  QString out;
  qsizetype at = 0;
  for (auto it = pattern.globalMatch(text); it.hasNext();) {
    const auto m = it.next();
    out += text.mid(at, m.capturedStart() - at) + change(m.captured());
    at = m.capturedEnd();
  }
  return out + text.mid(at);
}

}  // namespace

QString TrText(const char* context, const char* english) {
  return QCoreApplication::translate(context, english);
}

QString TrText(const char* context, std::string_view english) {
  const std::string source(english);
  return QCoreApplication::translate(context, source.c_str());
}

QString TrName(std::string_view english) {
  const QString text = QString::fromUtf8(english.data(), static_cast<qsizetype>(english.size()));
  // Composed texts ("Shukla Ekadashi (11), 40% left") go phrase by phrase, else word by word;
  // what has no translation (numbers, marks, a person's name) stays as it is.
  static const QRegularExpression phrase(QStringLiteral("[A-Za-z][A-Za-z ]*[A-Za-z]|[A-Za-z]"));
  static const QRegularExpression word(QStringLiteral("[A-Za-z]+"));
  if (HasTranslation(kNames, text)) return Translated(text);
  return EachMatch(text, phrase, [](const QString& run) {
    if (HasTranslation(kNames, run)) return Translated(run);
    return EachMatch(run, word, [](const QString& one) { return Translated(one); });
  });
}

QString TrChartEntry(const QString& english) {
  // A body with its marks: retrograde, transiting or both.
  static const QRegularExpression marked(QStringLiteral("^(.*\\S)?\\s*(\\((?:R|T|T, R)\\))\\s*$"));
  if (const auto m = marked.match(english); m.hasMatch()) {
    const QString mark = m.captured(2);
    if (!HasTranslation(kChartLabels, mark)) return english;
    const QString mark_shown = TrText(kChartLabels, mark.toUtf8().constData());
    if (m.captured(1).isEmpty()) return mark_shown;
    return TrText(kChartLabels, m.captured(1).toUtf8().constData()) + QLatin1Char(' ') + mark_shown;
  }
  const QByteArray source = english.toUtf8();
  if (HasTranslation(kChartLabels, english)) return TrText(kChartLabels, source.constData());
  return TrName(std::string_view(source.constData(), static_cast<size_t>(source.size())));
}

QString TrChartCell(const QString& english) {
  if (!HasTranslation(kChartLabels, QStringLiteral("Sun"))) return english;
  QStringList lines = english.split(QStringLiteral("\r\n"));
  for (QString& line : lines)
    if (!line.trimmed().isEmpty()) line = TrChartEntry(line.trimmed());
  return lines.join(QStringLiteral("\r\n"));
}

QString TrLongitude(const QString& english) {
  static const QRegularExpression sign(QStringLiteral("\\b([A-Z][a-z]{2})\\b"));
  const auto m = sign.match(english);
  if (!m.hasMatch() || !HasTranslation(kNames, m.captured(1))) return english;
  QString text = english;
  text.replace(m.capturedStart(1), m.capturedLength(1),
               TrText(kNames, m.captured(1).toUtf8().constData()));
  return text.replace(QStringLiteral("(R)"), TrText(kChartLabels, "(R)"));
}

}  // namespace quendal
