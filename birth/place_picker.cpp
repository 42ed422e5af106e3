#include "birth/place_picker.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QRadioButton>
#include <QStringListModel>
#include <algorithm>

#include "birth/filtered_line_edit.h"
#include "places/atlas.h"
#include "places/place_choice.h"
#include "places/place_search.h"
#include "places/text_folding.h"
#include "positions/zone_line.h"
#include "ui_common/message_box.h"
#include "ui_common/translated_text.h"

namespace quendal {
namespace {

template <typename T>
T* Control(QWidget* form, const char* name) {
  T* control = form->findChild<T*>(QString::fromLatin1(name));
  Q_ASSERT_X(control, "PlacePicker", name);
  return control;
}

}  // namespace

PlacePicker::PlacePicker(QWidget* form)
    : QObject(form),
      city_(Control<FilteredLineEdit>(form, "txtCity")),
      state_(Control<QLineEdit>(form, "txtState")),
      country_(Control<QLineEdit>(form, "txtCountry")),
      lat_degrees_(Control<QLineEdit>(form, "txtLatD")),
      lat_minutes_(Control<QLineEdit>(form, "txtLatM")),
      lon_degrees_(Control<QLineEdit>(form, "txtLonD")),
      lon_minutes_(Control<QLineEdit>(form, "txtLonM")),
      lat_south_{Control<QRadioButton>(form, "optLatSouth_0"),
                 Control<QRadioButton>(form, "optLatSouth_1")},
      lon_east_{Control<QRadioButton>(form, "optLongEast_0"),
                Control<QRadioButton>(form, "optLongEast_1")},
      month_(Control<QComboBox>(form, "cboMonth")),
      day_(Control<QComboBox>(form, "cboDate")),
      year_(Control<QComboBox>(form, "cboYear")),
      hour_(Control<QComboBox>(form, "cboHour")),
      minute_(Control<QComboBox>(form, "cboMinute")),
      zone_(Control<QComboBox>(form, "cboTimeZone")),
      dst_(Control<QCheckBox>(form, "chkDST")),
      note_(Control<QLabel>(form, "lblZoneNote")) {
  city_->AlsoAllow(QStringLiteral(","));
  connect(city_, &QLineEdit::textEdited, this, &PlacePicker::Search);
  for (QComboBox* list : {month_, day_, year_, hour_, minute_}) {
    connect(list, &QComboBox::currentIndexChanged, this, [this] {
      if (chosen_ >= 0 && !placing_) Suggest();
    });
  }
  const auto taken_over = [this] {
    if (chosen_ >= 0 && !placing_) StopSuggesting();
  };
  for (QLineEdit* field : {static_cast<QLineEdit*>(city_), state_, country_, lat_degrees_,
                           lat_minutes_, lon_degrees_, lon_minutes_})
    connect(field, &QLineEdit::textChanged, this, taken_over);
  for (QRadioButton* option : {lat_south_[0], lat_south_[1], lon_east_[0], lon_east_[1]})
    connect(option, &QRadioButton::toggled, this, taken_over);
  connect(zone_, &QComboBox::currentIndexChanged, this, taken_over);
  connect(dst_, &QCheckBox::toggled, this, taken_over);
  // After taken_over, which clears the atlas's note.
  connect(zone_, &QComboBox::currentIndexChanged, this, &PlacePicker::NoteDaylightTwice);
  connect(dst_, &QCheckBox::toggled, this, &PlacePicker::NoteDaylightTwice);
}

bool PlacePicker::ConfirmZone() {
  if (chosen_ < 0 || !no_row_question_) return true;
  const QString question =
      *no_row_question_ +
      TrText("PlacePicker", " Cast the chart in %1 anyway?").arg(zone_->currentText());
  if (ShowMessage(zone_->window(), question, MessageIcon::Question, MessageButtons::YesNo) ==
      MessageAnswer::Yes)
    return true;
  zone_->setFocus();
  return false;
}

void PlacePicker::NoteNoMatch(const QString& text) {
  const bool none = matches_.empty() && !FoldForSearch(text).isEmpty();
  if (none) {
    note_->setText(TrText("PlacePicker",
                          "No place in the atlas matches '%1'; type the coordinates and "
                          "choose the zone.")
                       .arg(text.trimmed()));
  } else if (no_match_noted_) {
    note_->clear();
  }
  no_match_noted_ = none;
}

void PlacePicker::NoteDaylightTwice() {
  if (placing_) return;
  const bool twice = dst_->isChecked() && RowHoldsDaylightSaving(zone_->currentIndex());
  if (twice) {
    note_->setText(TrText("PlaceNote", kDaylightTwiceNote));
    note_->setToolTip(QString());
  } else if (daylight_noted_) {
    note_->clear();
  }
  daylight_noted_ = twice;
}

void PlacePicker::Search(const QString& text) {
  if (!list_) {
    // A list inside the form rather than a pop-up window: a pop-up takes the keyboard, and
    // keys typed quickly after it closes would still reach the city field.
    list_ = new QListView(city_->window());
    list_->setObjectName("lstPlaces");
    list_->setModel(new QStringListModel(list_));
    list_->setFocusPolicy(Qt::NoFocus);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setUniformItemSizes(true);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->hide();
    connect(list_, &QListView::clicked, this, [this](const QModelIndex& index) {
      CloseList();
      Choose(index.row());
    });
    city_->installEventFilter(this);
  }
  const Atlas& atlas = Atlas::Builtin();
  matches_ = SearchPlaces(atlas, text);
  QStringList labels;
  for (const PlaceMatch& match : matches_) labels << atlas.Label(match);
  static_cast<QStringListModel*>(list_->model())->setStringList(labels);
  NoteNoMatch(text);
  if (labels.isEmpty()) {
    CloseList();
    return;
  }
  // Under the field, as wide as the longest entry, inside the form.
  QWidget* form = list_->parentWidget();
  const int margin = 4;
  const QPoint below = city_->mapTo(form, QPoint(0, city_->height()));
  const int frame = 2 * list_->frameWidth();
  const int width = std::min(std::max(list_->sizeHintForColumn(0) + frame, city_->width()),
                             form->width() - 2 * margin);
  const int height = std::min(static_cast<int>(labels.size()) * list_->sizeHintForRow(0) + frame,
                              form->height() - below.y() - margin);
  list_->setGeometry(std::clamp(below.x(), margin, form->width() - width - margin), below.y(),
                     width, height);
  list_->setCurrentIndex(QModelIndex());
  list_->raise();
  list_->show();
}

void PlacePicker::CloseList() {
  if (list_) list_->hide();
}

bool PlacePicker::eventFilter(QObject* watched, QEvent* event) {
  if (watched != city_ || !list_ || !list_->isVisible()) return false;
  if (event->type() == QEvent::FocusOut) {
    CloseList();
    return false;
  }
  if (event->type() != QEvent::KeyPress) return false;
  const int rows = list_->model()->rowCount();
  const int current = list_->currentIndex().isValid() ? list_->currentIndex().row() : -1;
  const auto select = [this](int row) {
    list_->setCurrentIndex(list_->model()->index(row, 0));
    return true;
  };
  switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_Down:
      return select(std::min(current + 1, rows - 1));
    case Qt::Key_Up:
      return select(current < 0 ? rows - 1 : std::max(current - 1, 0));
    case Qt::Key_PageDown:
      return select(rows - 1);
    case Qt::Key_PageUp:
      return select(0);
    case Qt::Key_Return:
    case Qt::Key_Enter:
      // The list is open, so the key chooses from it (the first place when none is
      // highlighted) and never casts the chart with the place chosen before.
      CloseList();
      Choose(std::max(current, 0));
      return true;
    case Qt::Key_Escape:
      CloseList();
      return true;
    default:
      return false;
  }
}

void PlacePicker::Choose(int row) {
  if (row < 0 || row >= static_cast<int>(matches_.size())) return;
  const Atlas& atlas = Atlas::Builtin();
  const PlaceMatch match = matches_[static_cast<size_t>(row)];
  PlaceEntry entry = EntryForPlace(atlas, atlas.Place(match.place));
  entry.city = TextForReadingFile(atlas.CityName(match));
  placing_ = true;
  // Placed text is not filtered, as for the text a reading file places.
  city_->setText(entry.city);
  state_->setText(entry.state);
  country_->setText(entry.country);
  lat_degrees_->setText(QString::number(entry.latitude_degrees));
  lat_minutes_->setText(QString::number(entry.latitude_minutes));
  lat_south_[entry.latitude_is_south ? 1 : 0]->setChecked(true);
  lon_degrees_->setText(QString::number(entry.longitude_degrees));
  lon_minutes_->setText(QString::number(entry.longitude_minutes));
  lon_east_[entry.longitude_is_east ? 0 : 1]->setChecked(true);
  placing_ = false;
  chosen_ = match.place;
  chosen_match_ = match;
  Suggest();
}

void PlacePicker::Suggest() {
  const Atlas& atlas = Atlas::Builtin();
  const QDate date(year_->currentText().toInt(), month_->currentIndex() + 1,
                   day_->currentText().toInt());
  const QTime time(hour_->currentText().toInt(), minute_->currentText().toInt());
  const PlaceChoice choice = ChoosePlace(atlas, chosen_match_, date, time);
  no_row_question_.reset();
  if (choice.zone.verdict == ZoneVerdict::NoRow)
    no_row_question_ = NoRowQuestion(choice.entry.city, date, choice.zone);
  placing_ = true;
  daylight_noted_ = false;
  if (const int row = choice.zone.Row(); row >= 0) {
    zone_->setCurrentIndex(row);
    dst_->setChecked(false);
  }
  atlas_note_ = choice.note;
  note_->setText(choice.note);
  note_->setToolTip(choice.note);
  placing_ = false;
}

void PlacePicker::StopSuggesting() {
  chosen_ = -1;
  atlas_note_.clear();
  no_row_question_.reset();
  // The field's edit may have put the no-match note there already.
  if (!no_match_noted_) note_->clear();
  note_->setToolTip(QString());
}

}  // namespace quendal
