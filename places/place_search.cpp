#include "places/place_search.h"

#include <QStringList>
#include <algorithm>

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

std::vector<PlaceMatch> SearchPlaces(const Atlas& atlas, QStringView query, int limit) {
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
  const auto wanted = static_cast<size_t>(limit);

  std::vector<PlaceMatch> exact;
  std::vector<PlaceMatch> begun;
  // 0: not a match, 1: begun, 2: the whole name.
  const auto matches = [&](const QString& folded, int state) {
    if (folded.isEmpty() || folded.front() != first || !folded.startsWith(name) ||
        !states.Passes(state))
      return 0;
    if (folded.size() == name.size()) return 2;
    return !word_closed || folded.at(name.size()) == u' ' ? 1 : 0;
  };
  const auto& places = atlas.Places();
  for (size_t i = 0; i < places.size() && exact.size() < wanted; ++i) {
    const int found = matches(places[i].folded_name, places[i].state);
    if (found == 2) exact.push_back({static_cast<int>(i)});
    if (found == 1 && begun.size() < wanted) begun.push_back({static_cast<int>(i)});
  }
  // The few alternate names join the groups in population order; a place found by its own
  // name is listed under it.
  const auto& alternates = atlas.Alternates();
  for (size_t a = 0; a < alternates.size(); ++a) {
    const AtlasAlternate& alternate = alternates[a];
    const int found = matches(alternate.folded_name, atlas.Place(alternate.place).state);
    if (found == 0) continue;
    const auto listed = [&](const std::vector<PlaceMatch>& group) {
      return std::any_of(group.begin(), group.end(),
                         [&](const PlaceMatch& m) { return m.place == alternate.place; });
    };
    if (listed(exact) || listed(begun)) continue;
    (found == 2 ? exact : begun).push_back({alternate.place, static_cast<int>(a)});
  }
  const auto by_population = [](const PlaceMatch& a, const PlaceMatch& b) {
    return a.place < b.place;
  };
  std::stable_sort(exact.begin(), exact.end(), by_population);
  std::stable_sort(begun.begin(), begun.end(), by_population);
  exact.insert(exact.end(), begun.begin(), begun.end());
  exact.resize(std::min(exact.size(), wanted));
  return exact;
}

}  // namespace quendal
