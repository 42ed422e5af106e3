#include "positions/longitude_text.h"

#include <cmath>

#include "positions/text_blanks.h"

namespace quendal {
namespace {

constexpr std::string_view kDegreeMark = "\u00b0";

std::string TwoDigits(std::string_view text) {
  std::string result;
  if (text.size() <= 1) result += '0';
  result += text;
  return result;
}

}  // namespace

double Normalize360(double x) {
  if (x < 0) x = x + 360;
  if (x > 360) x = x - 360;
  return x;
}

std::string FormatLongitude(double x) {
  x = std::fabs(x);
  double D = std::floor(x);
  const double f = x - D;
  const double m = 60 * f;
  const double M = std::floor(m);
  const double S = std::floor(60 * (m - M));
  const double s = std::floor(D / 30);
  while (D >= 30) D = D - 30;
  std::string text;
  text.reserve(24);
  text += std::to_string(static_cast<long long>(D));
  text += kDegreeMark;
  text += ' ';
  text += std::to_string(static_cast<long long>(M));
  text += "' ";
  text += std::to_string(static_cast<long long>(S));
  text += "\" ";
  // A longitude of exactly 360 has no sign: its abbreviation is empty, as a text position
  // past the end of the abbreviations yields nothing.
  if (s >= 0 && s < 12) text += SignAbbreviations.substr(static_cast<std::size_t>(s) * 3, 3);
  return text;
}

std::string FormatTableEntry(std::string_view text) {
  const std::string_view t = TrimBlanks(text);
  const auto p = t.find(kDegreeMark);
  const auto q = t.find('\'');
  std::string_view degrees;
  std::string_view minutes;
  if (p != std::string_view::npos) {
    degrees = TrimBlanks(t.substr(0, p));
    const auto minutes_start = p + kDegreeMark.size();
    if (q != std::string_view::npos && q > minutes_start)
      minutes = TrimBlanks(t.substr(minutes_start, q - minutes_start));
  }
  const std::string_view sign = TrimBlanks(text.size() >= 3 ? text.substr(text.size() - 3) : text);
  std::string result = TwoDigits(degrees);
  result += ' ';
  result += sign;
  result += ' ';
  result += TwoDigits(minutes);
  return result;
}

std::string_view TableEntrySign(std::string_view row) {
  if (row.size() <= 3) return {};
  return row.substr(3, 3);
}

int SignIndex(std::string_view abbreviation) {
  for (std::size_t s = 0; s < SignShortNames.size(); ++s) {
    if (SignShortNames[s] == abbreviation) return static_cast<int>(s);
  }
  return -1;
}

}  // namespace quendal
