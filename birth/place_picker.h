// The atlas on the birth-data form: typing in the city field lists matching places under it
// (arrows and Enter or a click choose, Escape closes the list). Choosing one fills the place
// and its coordinates and selects the zone row in force at the form's date and time, with a
// line under the zone list saying what was found. The zone follows the date and time until
// the user changes the zone, the daylight-saving box, the place or the coordinates by hand.
#pragma once

#include <QObject>
#include <QString>
#include <optional>
#include <vector>

#include "places/atlas.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListView;
class QRadioButton;

namespace quendal {

class FilteredLineEdit;

class PlacePicker : public QObject {
  Q_OBJECT

 public:
  // Finds the form's controls by their names; the note is the label lblZoneNote.
  explicit PlacePicker(QWidget* form);

  // Asks before a chart is cast in a row left over because no row carries the offset the
  // atlas found; false when the user goes back to the zone list.
  bool ConfirmZone();

  // The atlas's note on the place and its zone while the place follows an atlas entry;
  // empty for a place typed by hand.
  QString AtlasNote() const { return chosen_ >= 0 ? atlas_note_ : QString(); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Search(const QString& text);
  void CloseList();
  void Choose(int row);  // row of the list of matches
  void Suggest();
  void StopSuggesting();
  void NoteDaylightTwice();
  void NoteNoMatch(const QString& text);

  FilteredLineEdit* city_;
  QLineEdit* state_;
  QLineEdit* country_;
  QLineEdit* lat_degrees_;
  QLineEdit* lat_minutes_;
  QLineEdit* lon_degrees_;
  QLineEdit* lon_minutes_;
  QRadioButton* lat_south_[2];
  QRadioButton* lon_east_[2];
  QComboBox* month_;
  QComboBox* day_;
  QComboBox* year_;
  QComboBox* hour_;
  QComboBox* minute_;
  QComboBox* zone_;
  QCheckBox* dst_;
  QLabel* note_;

  // Made at the first keystroke in the city field, with the atlas, so start-up never waits.
  QListView* list_ = nullptr;
  std::vector<PlaceMatch> matches_;  // the listed places
  int chosen_ = -1;  // the index in the atlas the zone follows, -1 when it follows none
  PlaceMatch chosen_match_;
  bool no_match_noted_ = false;
  bool placing_ = false;  // the picker itself is changing the controls
  bool daylight_noted_ = false;
  QString atlas_note_;
  std::optional<QString> no_row_question_;  // while the note says no row has the offset
};

}  // namespace quendal
