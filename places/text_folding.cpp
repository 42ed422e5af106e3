#include "places/text_folding.h"

#include <QList>

#include "chart/windows_1252.h"

namespace quendal {
namespace {

bool IsApostrophe(char32_t c) {
  return c == U'\'' || c == U'`' || c == U'\u2018' || c == U'\u2019' || c == U'\u02BC';
}

// Letters that carry a stroke or are a variant rather than an accent, so no decomposition
// reaches their base letter; Cyrillic for the one place GeoNames names in it.
const char* LatinOf(char32_t c) {
  switch (c) {
    case U'ł':
      return "l";
    case U'Ł':
      return "L";
    case U'đ':
      return "d";
    case U'Đ':
      return "D";
    case U'ħ':
      return "h";
    case U'Ħ':
      return "H";
    case U'ı':
      return "i";
    case U'ə':
    case U'ǝ':
      return "e";
    case U'Ə':
    case U'Ǝ':
      return "E";
    case U'ø':
      return "o";
    case U'Ø':
      return "O";
    case U'æ':
      return "ae";
    case U'Æ':
      return "AE";
    case U'œ':
      return "oe";
    case U'Œ':
      return "OE";
    case U'ß':
      return "ss";
    case U'ð':
      return "d";
    case U'Ð':
      return "D";
    case U'þ':
      return "th";
    case U'Þ':
      return "Th";
    default:
      break;
  }
  static const char* const kCyrillic[] = {
      "a", "b", "v", "g", "d", "e",  "zh", "z",  "i",  "y",    "k", "l", "m", "n", "o",  "p",
      "r", "s", "t", "u", "f", "kh", "ts", "ch", "sh", "shch", "",  "y", "",  "e", "yu", "ya"};
  if (c >= U'а' && c <= U'я') return kCyrillic[c - U'а'];
  static const char* const kCyrillicCapital[] = {
      "A", "B", "V", "G", "D", "E",  "Zh", "Z",  "I",  "Y",    "K", "L", "M", "N", "O",  "P",
      "R", "S", "T", "U", "F", "Kh", "Ts", "Ch", "Sh", "Shch", "",  "Y", "",  "E", "Yu", "Ya"};
  if (c >= U'А' && c <= U'Я') return kCyrillicCapital[c - U'А'];
  return nullptr;
}

// The letter without its accents, in the letter's case; the character itself when it has
// no base letter.
QString BaseOf(char32_t c) {
  if (const char* latin = LatinOf(c)) return QString::fromLatin1(latin);
  if (c < 0x80) return QString(QChar(static_cast<char16_t>(c)));
  const QString decomposed = QChar::decomposition(c);
  if (QChar::decompositionTag(c) != QChar::Canonical || decomposed.isEmpty())
    return QString::fromUcs4(&c, 1);
  return BaseOf(decomposed.at(0).unicode());
}

}  // namespace

QString FoldForSearch(QStringView text) {
  QString folded;
  folded.reserve(text.size());
  bool blank_pending = false;
  const auto append = [&](QChar c) {
    if (!c.isLetterOrNumber()) {
      blank_pending = !folded.isEmpty();
      return;
    }
    if (blank_pending) folded.append(u' ');
    blank_pending = false;
    folded.append(c.toLower());
  };
  // Read by hand rather than through toUcs4(): the atlas folds some 27,000 names as it loads.
  for (qsizetype i = 0; i < text.size(); ++i) {
    char32_t code = text[i].unicode();
    if (QChar::isHighSurrogate(code) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
      code = QChar::surrogateToUcs4(text[i], text[i + 1]);
      ++i;
    }
    if (IsApostrophe(code)) continue;
    if (code < 0x80) {
      append(QChar(static_cast<char16_t>(code)));
      continue;
    }
    for (QChar c : BaseOf(code)) {
      if (QChar::category(c.unicode()) != QChar::Mark_NonSpacing) append(c);
    }
  }
  return folded;
}

QString TextForReadingFile(const QString& text) {
  const std::string utf8 = text.toStdString();
  if (FromWindows1252(ToWindows1252(utf8)) == utf8) return text;
  QString plain;
  for (char32_t code : text.toUcs4()) {
    if (code == U'\u02BC') code = U'\'';
    plain += BaseOf(code);
  }
  return QString::fromStdString(FromWindows1252(ToWindows1252(plain.toStdString())));
}

}  // namespace quendal
