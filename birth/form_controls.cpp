#include "birth/form_controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <map>
#include <tuple>

#include "birth/filtered_line_edit.h"
#include "ui_common/layout.h"
#include "ui_common/link_label.h"
#include "ui_common/translated_text.h"

namespace quendal {
namespace {

// Widths come from a character count rather than from measuring every item, which would
// measure some 350 texts before the form can first be shown.
QComboBox* MakeList(QWidget* parent, int characters) {
  auto* list = new QComboBox(parent);
  list->setEditable(false);
  list->setMaxVisibleItems(16);
  list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  list->setMinimumContentsLength(characters);
  return list;
}

FilteredLineEdit* MakeField(QWidget* parent, FilteredLineEdit::Filter filter) {
  auto* field = new FilteredLineEdit(filter, parent);
  if (filter == FilteredLineEdit::Filter::Digits) {
    field->setMaxLength(3);
    field->setFixedWidth(46);
    field->setAlignment(Qt::AlignRight);
  }
  return field;
}

QLabel* MakeHint(QWidget* parent) {
  auto* label = new QLabel(parent);
  SetColour(label, QPalette::WindowText, QColor(96, 96, 96));
  return label;
}

// The offers fill a frame of fixed height whose width the rest of the form sets, so their
// long texts need not size anything. Asked, a word-wrapped label lays its whole text out at
// one trial width after another, dozens of times before the form could first be shown.
class OfferLabel : public LinkLabel {
 public:
  using LinkLabel::LinkLabel;
  bool hasHeightForWidth() const override { return false; }
  QSize sizeHint() const override { return {}; }
  QSize minimumSizeHint() const override { return {}; }
};

// What the atlas found for the zone (see PlacePicker); room for the longest note is kept, as
// the form does not grow.
QLabel* MakeZoneNote(QWidget* parent) {
  QLabel* note = MakeHint(parent);
  // Place names come from the atlas: shown as stored, never as markup.
  note->setTextFormat(Qt::PlainText);
  note->setWordWrap(true);
  note->setMinimumHeight(3 * note->fontMetrics().lineSpacing());
  note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return note;
}

QLabel* MakeLabel(ControlKind kind, QWidget* parent) {
  switch (kind) {
    case ControlKind::Heading: {
      auto* heading = new QLabel(parent);
      heading->setFont(VerdanaFont(18, true));
      heading->setAlignment(Qt::AlignCenter);
      return heading;
    }
    case ControlKind::Link: {
      auto* link = new LinkLabel(QString(), parent);
      link->setFont(VerdanaFont(8.25, false, true));
      link->setAlignment(Qt::AlignCenter);
      return link;
    }
    case ControlKind::Offer: {
      auto* offer = new OfferLabel(QString(), parent);
      offer->setFont(VerdanaFont(8.25, true, true));
      SetColour(offer, QPalette::Window, kBarColour);
      offer->setContentsMargins(10, 4, 10, 4);
      offer->setAlignment(Qt::AlignCenter);
      offer->setWordWrap(true);
      return offer;
    }
    case ControlKind::Caption: {
      auto* caption = new QLabel(parent);
      caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
      return caption;
    }
    case ControlKind::ZoneNote:
      return MakeZoneNote(parent);
    default:
      return MakeHint(parent);
  }
}

QPushButton* MakeButton(const FormControl& control, QWidget* parent) {
  auto* button = new QPushButton(parent);
  if (control.size > 0) button->setMinimumHeight(control.size);
  if (control.kind == ControlKind::MainButton) {
    button->setDefault(true);
    QFont bold = button->font();
    bold.setBold(true);
    button->setFont(bold);
  } else {
    button->setAutoDefault(true);  // Enter presses the button that has the focus
  }
  return button;
}

QWidget* MakeControl(const FormControl& control, QWidget* parent) {
  switch (control.kind) {
    case ControlKind::Letters:
      return MakeField(parent, FilteredLineEdit::Filter::Letters);
    case ControlKind::Digits:
      return MakeField(parent, FilteredLineEdit::Filter::Digits);
    case ControlKind::List:
      return MakeList(parent, control.size);
    case ControlKind::Check:
      return new QCheckBox(parent);
    case ControlKind::OptionPair: {
      auto* frame = new QGroupBox(parent);
      new QHBoxLayout(frame);
      frame->layout()->setContentsMargins(8, 2, 8, 2);
      return frame;
    }
    case ControlKind::Button:
    case ControlKind::MainButton:
      return MakeButton(control, parent);
    default:
      return MakeLabel(control.kind, parent);
  }
}

// Puts a control into its area: a cell of the area's grid, a row or column sharing a cell,
// or the next place of the area's column.
class AreaPlacer {
 public:
  void Place(const FormControl& control, QLayout* layout, QWidget* widget) {
    auto* grid = qobject_cast<QGridLayout*>(layout);
    if (!grid) {
      layout->addWidget(widget);
      return;
    }
    if (control.share == CellShare::Alone) {
      grid->addWidget(widget, control.row, control.column, 1, control.span);
      return;
    }
    QBoxLayout*& shared = shared_[{control.area, control.row, control.column}];
    if (!shared) {
      shared = control.share == CellShare::Row ? static_cast<QBoxLayout*>(new QHBoxLayout)
                                               : new QVBoxLayout;
      grid->addLayout(shared, control.row, control.column, 1, control.span);
      if (control.share == CellShare::Row) rows_.push_back(shared);
    }
    shared->addWidget(widget);
  }
  // A row of controls ends in free room, so the controls keep their widths.
  void Finish() {
    for (QBoxLayout* row : rows_) row->addStretch();
  }

 private:
  std::map<std::tuple<FormArea, int, int>, QBoxLayout*> shared_;
  std::vector<QBoxLayout*> rows_;
};

}  // namespace

std::vector<QWidget*> BuildFormControls(std::span<const FormAreaPlace, 5> areas) {
  std::vector<QWidget*> controls;
  AreaPlacer placer;
  QWidget* pair = nullptr;  // the frame of the option pair being filled
  bool first_option = false;
  for (const FormControl& control : kFormControls) {
    const FormAreaPlace& area = areas[static_cast<size_t>(control.area)];
    QWidget* widget = nullptr;
    if (control.kind == ControlKind::Box) {
      widget = area.container;
    } else if (control.kind == ControlKind::Option) {
      auto* button = new QRadioButton(pair);
      pair->layout()->addWidget(button);
      // The first of a pair is selected.
      button->setChecked(first_option);
      first_option = false;
      widget = button;
    } else {
      widget = MakeControl(control, area.container);
      placer.Place(control, area.layout, widget);
      if (control.kind == ControlKind::OptionPair) {
        pair = widget;
        first_option = true;
      }
    }
    if (control.name) widget->setObjectName(QLatin1String(control.name));
    controls.push_back(widget);
  }
  placer.Finish();
  ApplyFormCaptions(controls);
  return controls;
}

void ApplyFormCaptions(std::span<QWidget* const> controls) {
  for (size_t i = 0; i < controls.size() && i < std::size(kFormControls); ++i) {
    const char* caption = kFormControls[i].caption;
    if (!caption) continue;
    const QString text = TrText("frmMain", caption);
    if (auto* box = qobject_cast<QGroupBox*>(controls[i])) {
      box->setTitle(text);
    } else if (auto* label = qobject_cast<QLabel*>(controls[i])) {
      label->setText(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(controls[i])) {
      button->setText(text);
    }
  }
}

}  // namespace quendal
