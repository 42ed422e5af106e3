#include "birth/place_picker.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>
#include <QStringListModel>

#include "birth/filtered_line_edit.h"
#include "places/atlas.h"
#include "places/place_choice.h"
#include "places/place_search.h"

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
}

void PlacePicker::Search(const QString& text) {
  if (!completer_) {
    matches_model_ = new QStringListModel(this);
    completer_ = new QCompleter(matches_model_, this);
    completer_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    completer_->setMaxVisibleItems(kPlaceListLength);
    completer_->setWidget(city_);
    // Installed after the completer's own filter, so it sees the popup's keys first.
    completer_->popup()->installEventFilter(this);
    connect(completer_, qOverload<const QModelIndex&>(&QCompleter::activated), this,
            [this](const QModelIndex& index) { Choose(index.row()); });
  }
  const Atlas& atlas = Atlas::Builtin();
  matches_ = SearchPlaces(atlas, text);
  QStringList labels;
  for (int index : matches_) labels << atlas.Label(atlas.Place(index));
  matches_model_->setStringList(labels);
  QAbstractItemView* popup = completer_->popup();
  if (labels.isEmpty()) {
    popup->hide();
    return;
  }
  const int width = popup->sizeHintForColumn(0) + popup->verticalScrollBar()->sizeHint().width() +
                    2 * popup->frameWidth();
  completer_->complete(QRect(0, 0, std::max(width, city_->width()), city_->height()));
}

bool PlacePicker::eventFilter(QObject* watched, QEvent* event) {
  if (!completer_ || watched != completer_->popup() || event->type() != QEvent::KeyPress)
    return false;
  QAbstractItemView* popup = completer_->popup();
  auto* key = static_cast<QKeyEvent*>(event);
  switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      popup->hide();
      if (popup->currentIndex().isValid()) {
        Choose(popup->currentIndex().row());
      } else {
        // Nothing chosen: the key is the field's, as without the list.
        QCoreApplication::sendEvent(city_, event);
      }
      return true;
    case Qt::Key_Escape:
      popup->hide();
      return true;
    default:
      break;
  }
  // A refused character brings a message box; the list must not stay open over it.
  const bool is_shortcut = key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier);
  if (!key->text().isEmpty() && !is_shortcut && !city_->Passes(key->text())) popup->hide();
  return false;
}

void PlacePicker::Choose(int row) {
  if (row < 0 || row >= static_cast<int>(matches_.size())) return;
  const Atlas& atlas = Atlas::Builtin();
  const int index = matches_[static_cast<size_t>(row)];
  const PlaceEntry entry = EntryForPlace(atlas, atlas.Place(index));
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
  chosen_ = index;
  Suggest();
}

void PlacePicker::Suggest() {
  const Atlas& atlas = Atlas::Builtin();
  const QDate date(year_->currentText().toInt(), month_->currentIndex() + 1,
                   day_->currentText().toInt());
  const QTime time(hour_->currentText().toInt(), minute_->currentText().toInt());
  const PlaceChoice choice = ChoosePlace(atlas, atlas.Place(chosen_), date, time);
  placing_ = true;
  if (const int row = choice.zone.Row(); row >= 0) {
    zone_->setCurrentIndex(row);
    dst_->setChecked(false);
  }
  note_->setText(choice.note);
  note_->setToolTip(choice.note);
  placing_ = false;
}

void PlacePicker::StopSuggesting() {
  chosen_ = -1;
  note_->clear();
  note_->setToolTip(QString());
}

}  // namespace quendal
