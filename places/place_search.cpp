#include "places/place_search.h"

#include <QStringList>

#include "places/text_folding.h"

namespace quendal {
namespace {

// True when `part` begins `text` or one of its words.
bool BeginsAWord(const QString& text, const QString& part) {
  if (text.startsWith(part)) return true;
  for (qsizetype at = text.indexOf(u' '); at >= 0; at = text.indexOf(u' ', at + 1)) {
    if (QStringView(text).sliced(at + 1).startsWith(part)) return true;
  }
  return false;
}

// Whether a state (or its country) answers every qualifier after the first comma, worked
// out only for the states of places whose name matches, and once each.
class StateFilter {
 public:
  StateFilter(const Atlas& atlas, QStringList qualifiers)
      : atlas_(atlas), qualifiers_(std::move(qualifiers)), known_(atlas.States().size(), -1) {}

  bool Passes(int state_index) {
    if (qualifiers_.isEmpty()) return true;
    signed char& known = known_[static_cast<size_t>(state_index)];
    if (known < 0) known = Answers(atlas_.States()[static_cast<size_t>(state_index)]);
    return known == 1;
  }

 private:
  bool Answers(const AtlasState& state) const {
    const AtlasCountry& country = atlas_.Countries()[static_cast<size_t>(state.country)];
    for (const QString& qualifier : qualifiers_) {
      if (!BeginsAWord(state.folded_name, qualifier) &&
          !BeginsAWord(country.folded_name, qualifier) &&
          qualifier.compare(country.code, Qt::CaseInsensitive) != 0)
        return false;
    }
    return true;
  }

  const Atlas& atlas_;
  const QStringList qualifiers_;
  std::vector<signed char> known_;
};

}  // namespace

std::vector<int> SearchPlaces(const Atlas& atlas, QStringView query, int limit) {
  const QList<QStringView> parts = query.split(u',');
  QString name = FoldForSearch(parts.front());
  if (name.isEmpty() || limit <= 0) return {};
  // A blank typed after a word closes it: "new " finds New York, not Newcastle.
  const bool word_closed = parts.size() == 1 && parts.front().back().isSpace();
  QStringList qualifiers;
  for (qsizetype i = 1; i < parts.size(); ++i) {
    QString qualifier = FoldForSearch(parts[i]);
    if (!qualifier.isEmpty()) qualifiers << qualifier;
  }
  StateFilter states(atlas, std::move(qualifiers));
  const QChar first = name.front();

  std::vector<int> exact;
  std::vector<int> begun;
  const auto& places = atlas.Places();
  for (size_t i = 0; i < places.size() && exact.size() < static_cast<size_t>(limit); ++i) {
    const AtlasPlace& place = places[i];
    if (place.folded_name.isEmpty() || place.folded_name.front() != first ||
        !place.folded_name.startsWith(name) || !states.Passes(place.state))
      continue;
    const qsizetype rest = place.folded_name.size() - name.size();
    if (rest == 0) {
      exact.push_back(static_cast<int>(i));
    } else if (begun.size() < static_cast<size_t>(limit) &&
               (!word_closed || place.folded_name.at(name.size()) == u' ')) {
      begun.push_back(static_cast<int>(i));
    }
  }
  exact.insert(exact.end(), begun.begin(), begun.end());
  exact.resize(std::min(exact.size(), static_cast<size_t>(limit)));
  return exact;
}

}  // namespace quendal
