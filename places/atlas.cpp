#include "places/atlas.h"

#include <QFile>
#include <array>

#include "places/text_folding.h"

namespace quendal {
namespace {

class Lines {
 public:
  explicit Lines(const QByteArray& text) : text_(text) {}

  bool Next(QByteArrayView& line) {
    if (at_ >= text_.size()) return false;
    qsizetype end = text_.indexOf('\n', at_);
    if (end < 0) end = text_.size();
    line = QByteArrayView(text_).sliced(at_, end - at_);
    at_ = end + 1;
    return true;
  }

 private:
  const QByteArray& text_;
  qsizetype at_ = 0;
};

// Splits at tabs into exactly `count` fields; false when the count differs.
template <size_t count>
bool Split(QByteArrayView line, std::array<QByteArrayView, count>& fields) {
  for (size_t n = 0; n + 1 < count; ++n) {
    const qsizetype tab = line.indexOf('\t');
    if (tab < 0) return false;
    fields[n] = line.first(tab);
    line = line.sliced(tab + 1);
  }
  if (line.contains('\t')) return false;
  fields[count - 1] = line;
  return true;
}

bool ToInt(QByteArrayView text, int& value, int limit) {
  bool ok = false;
  value = text.toInt(&ok);
  return ok && value >= 0 && value < limit;
}

// "name<TAB>count"; the count of lines that follow.
bool IsSection(QByteArrayView line, const char* name, int& count) {
  std::array<QByteArrayView, 2> fields;
  if (!Split(line, fields) || fields[0] != name) return false;
  return ToInt(fields[1], count, 10'000'000);
}

bool Section(Lines& lines, const char* name, int& count) {
  QByteArrayView line;
  return lines.Next(line) && IsSection(line, name, count);
}

// One line of the places section, its state and zone below the counts read so far.
constexpr size_t kPlaceFields = 6;
bool ReadPlace(const std::array<QByteArrayView, kPlaceFields>& fields, int states, int zones,
               AtlasPlace& place) {
  bool ok = false;
  if (!ToInt(fields[1], place.state, states) || !ToInt(fields[2], place.zone, zones)) return false;
  place.latitude = fields[3].toInt(&ok);
  if (!ok) return false;
  place.longitude = fields[4].toInt(&ok);
  if (!ok) return false;
  place.population = fields[5].toUInt(&ok);
  if (!ok) return false;
  place.name = QString::fromUtf8(fields[0]);
  place.folded_name = FoldForSearch(place.name);
  return true;
}

}  // namespace

const Atlas& Atlas::Builtin() {
  static const Atlas atlas = [] {
    QFile file(QStringLiteral(":/atlas.tsv"));
    file.open(QIODevice::ReadOnly);
    return Parse(file.readAll()).value_or(Atlas());
  }();
  return atlas;
}

std::optional<Atlas> Atlas::Parse(const QByteArray& text) {
  Lines lines(text);
  QByteArrayView line;
  if (!lines.Next(line) || line != "quendal-atlas\t1") return std::nullopt;
  if (!lines.Next(line) || !line.startsWith('#')) return std::nullopt;
  Atlas atlas;
  int count = 0;
  if (!Section(lines, "zones", count)) return std::nullopt;
  for (int i = 0; i < count; ++i) {
    if (!lines.Next(line)) return std::nullopt;
    atlas.zones_.push_back(QString::fromUtf8(line));
  }
  if (!Section(lines, "countries", count)) return std::nullopt;
  std::array<QByteArrayView, 2> pair;
  for (int i = 0; i < count; ++i) {
    if (!lines.Next(line) || !Split(line, pair)) return std::nullopt;
    const QString name = QString::fromUtf8(pair[1]);
    atlas.countries_.push_back({QString::fromUtf8(pair[0]), name, FoldForSearch(name)});
  }
  if (!Section(lines, "states", count)) return std::nullopt;
  for (int i = 0; i < count; ++i) {
    AtlasState state;
    if (!lines.Next(line) || !Split(line, pair) ||
        !ToInt(pair[0], state.country, static_cast<int>(atlas.countries_.size())))
      return std::nullopt;
    state.name = QString::fromUtf8(pair[1]);
    state.folded_name = FoldForSearch(state.name);
    atlas.states_.push_back(std::move(state));
  }
  if (!Section(lines, "places", count)) return std::nullopt;
  atlas.places_.reserve(static_cast<size_t>(count));
  std::array<QByteArrayView, kPlaceFields> fields;
  for (int i = 0; i < count; ++i) {
    AtlasPlace place;
    if (!lines.Next(line) || !Split(line, fields) ||
        !ReadPlace(fields, static_cast<int>(atlas.states_.size()),
                   static_cast<int>(atlas.zones_.size()), place))
      return std::nullopt;
    atlas.places_.push_back(std::move(place));
  }
  // Alternate names come last, and an atlas may have none.
  if (!lines.Next(line) || line.isEmpty()) return atlas;
  std::array<QByteArrayView, 3> alternate_fields;
  if (!IsSection(line, "alternates", count)) return std::nullopt;
  for (int i = 0; i < count; ++i) {
    AtlasAlternate alternate;
    if (!lines.Next(line) || !Split(line, alternate_fields) ||
        !ToInt(alternate_fields[0], alternate.place, static_cast<int>(atlas.places_.size())) ||
        (alternate_fields[1] != "former" && alternate_fields[1] != "current"))
      return std::nullopt;
    alternate.current = alternate_fields[1] == "current";
    alternate.name = QString::fromUtf8(alternate_fields[2]);
    alternate.folded_name = FoldForSearch(alternate.name);
    atlas.alternates_.push_back(std::move(alternate));
  }
  return atlas;
}

QString Atlas::Label(const AtlasPlace& place) const {
  return place.name + QStringLiteral(", ") + StateOf(place).name + QStringLiteral(", ") +
         CountryOf(place).name;
}

QString Atlas::Label(const PlaceMatch& match) const {
  const AtlasPlace& place = Place(match.place);
  if (match.alternate < 0) return Label(place);
  const AtlasAlternate& alternate = alternates_[static_cast<size_t>(match.alternate)];
  const QString& other = alternate.current ? place.name : alternate.name;
  return CityName(match) + QStringLiteral(" (") + other + QStringLiteral("), ") +
         StateOf(place).name + QStringLiteral(", ") + CountryOf(place).name;
}

QString Atlas::CityName(const PlaceMatch& match) const {
  if (match.alternate >= 0) {
    const AtlasAlternate& alternate = alternates_[static_cast<size_t>(match.alternate)];
    if (alternate.current) return alternate.name;
  }
  return Place(match.place).name;
}

}  // namespace quendal
