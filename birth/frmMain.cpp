#include "birth/frmMain.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

#include "birth/chart_calculation.h"
#include "birth/filtered_line_edit.h"
#include "birth/place_picker.h"
#include "birth/reading_open.h"
#include "positions/time_zones.h"
#include "shell/coordinate_lookup.h"
#include "shell/frmAbout.h"
#include "shell/links.h"
#include "ui_common/layout.h"
#include "ui_common/link_label.h"
#include "ui_common/menu_choices.h"
#include "ui_common/message_box.h"

namespace quendal {
namespace {

const char* const kMonthNames[] = {"January",   "February", "March",    "April",
                                   "May",       "June",     "July",     "August",
                                   "September", "October",  "November", "December"};

constexpr int kFirstYear = 1901;
constexpr int kLastYear = 2050;

// Widths come from a character count rather than from measuring every item, which would
// measure some 350 texts before the form can first be shown.
QComboBox* MakeList(QWidget* parent, const char* name, int characters) {
  auto* list = new QComboBox(parent);
  list->setObjectName(name);
  list->setEditable(false);
  list->setMaxVisibleItems(16);
  list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  list->setMinimumContentsLength(characters);
  return list;
}

FilteredLineEdit* MakeField(QWidget* parent, const char* name, FilteredLineEdit::Filter filter) {
  auto* field = new FilteredLineEdit(filter, parent);
  field->setObjectName(name);
  if (filter == FilteredLineEdit::Filter::Digits) {
    field->setMaxLength(3);
    field->setFixedWidth(46);
    field->setAlignment(Qt::AlignRight);
  }
  return field;
}

QLabel* Caption(QWidget* parent, const QString& text) {
  auto* label = new QLabel(text, parent);
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  return label;
}

QLabel* Hint(QWidget* parent, const QString& text) {
  auto* label = new QLabel(text, parent);
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
QLabel* ZoneNote(QWidget* parent) {
  QLabel* note = Hint(parent, QString());
  note->setObjectName("lblZoneNote");
  // Place names come from the atlas: shown as stored, never as markup.
  note->setTextFormat(Qt::PlainText);
  note->setWordWrap(true);
  note->setMinimumHeight(3 * note->fontMetrics().lineSpacing());
  note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return note;
}

// One frame holding a pair of option buttons, the first one selected.
QWidget* OptionPair(QWidget* parent, const char* frame_name, const char* base_name,
                    const QString& first, const QString& second, QRadioButton* (&buttons)[2]) {
  auto* frame = new QGroupBox(parent);
  frame->setObjectName(frame_name);
  auto* row = new QHBoxLayout(frame);
  row->setContentsMargins(8, 2, 8, 2);
  const QString texts[2] = {first, second};
  for (int i = 0; i < 2; ++i) {
    buttons[i] = new QRadioButton(texts[i], frame);
    buttons[i]->setObjectName(QStringLiteral("%1_%2").arg(base_name).arg(i));
    row->addWidget(buttons[i]);
  }
  buttons[0]->setChecked(true);
  return frame;
}

}  // namespace

frmMain::frmMain(ChartSession& session, QWidget* parent) : QMainWindow(parent), session_(session) {
  setObjectName("frmMain");
  setWindowTitle(QStringLiteral("Quendal v1.85"));
  BuildControls();
  BuildMenus();
  FillLists();
  SetTabOrder();
  place_picker_ = new PlacePicker(this);
  // A form of fixed size, opened in the middle of the screen like the chart window.
  setFixedSize(sizeHint());
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
}

void frmMain::BuildControls() {
  auto* central = new QWidget(this);
  setCentralWidget(central);
  central->setFont(VerdanaFont(8.25));
  auto* page = new QVBoxLayout(central);
  page->setContentsMargins(0, 0, 0, 12);
  page->setSpacing(10);

  // The top band echoes the chart window's, so the two windows read as one program.
  auto* top = new QFrame(central);
  top->setObjectName("fraTop");
  SetColour(top, QPalette::Window, kBarColour);
  auto* top_layout = new QVBoxLayout(top);
  top_layout->setContentsMargins(8, 4, 8, 6);
  top_layout->setSpacing(0);
  auto* heading = new QLabel(QStringLiteral("Quendal"), top);
  heading->setObjectName("lblHeading");
  heading->setFont(VerdanaFont(18, true));
  heading->setAlignment(Qt::AlignCenter);
  top_layout->addWidget(heading);
  Label8 = new LinkLabel(
      QStringLiteral("Questions about your chart? Join our astrologers in the Quendal "
                     "discussion forum."),
      top);
  Label8->setObjectName("Label8");
  Label8->setFont(VerdanaFont(8.25, false, true));
  Label8->setAlignment(Qt::AlignCenter);
  top_layout->addWidget(Label8);
  page->addWidget(top);

  auto* columns = new QHBoxLayout;
  columns->setSpacing(12);
  columns->setContentsMargins(14, 0, 14, 0);
  page->addLayout(columns);

  // Left: the person, the moment and the coordinates.
  auto* birth_box = new QGroupBox(QStringLiteral("Birth details"), central);
  birth_box->setObjectName("fraBirth");
  auto* grid = new QGridLayout(birth_box);
  grid->setHorizontalSpacing(8);
  grid->setVerticalSpacing(8);
  grid->setColumnStretch(5, 1);

  txtName = MakeField(birth_box, "txtName", FilteredLineEdit::Filter::Letters);
  grid->addWidget(Caption(birth_box, QStringLiteral("Name:")), 0, 0);
  grid->addWidget(txtName, 0, 1, 1, 5);

  cboMonth = MakeList(birth_box, "cboMonth", 9);
  cboDate = MakeList(birth_box, "cboDate", 2);
  cboYear = MakeList(birth_box, "cboYear", 4);
  grid->addWidget(Caption(birth_box, QStringLiteral("Birthday:")), 1, 0);
  auto* date_row = new QHBoxLayout;
  date_row->addWidget(cboMonth);
  date_row->addWidget(cboDate);
  date_row->addWidget(cboYear);
  date_row->addStretch();
  grid->addLayout(date_row, 1, 1, 1, 5);

  cboHour = MakeList(birth_box, "cboHour", 2);
  cboMinute = MakeList(birth_box, "cboMinute", 2);
  grid->addWidget(Caption(birth_box, QStringLiteral("Time Of Birth:")), 2, 0);
  auto* time_row = new QHBoxLayout;
  time_row->addWidget(cboHour);
  time_row->addWidget(cboMinute);
  time_row->addWidget(Hint(birth_box, QStringLiteral("HH/MM/SS")));
  time_row->addStretch();
  grid->addLayout(time_row, 2, 1, 1, 5);

  chkDST = new QCheckBox(QStringLiteral("Daylight Saving Time"), birth_box);
  chkDST->setObjectName("chkDST");
  grid->addWidget(Caption(birth_box, QStringLiteral("Time Zone:")), 3, 0);
  grid->addWidget(chkDST, 3, 1, 1, 5);
  cboTimeZone = MakeList(birth_box, "cboTimeZone", 34);
  auto* zone_column = new QVBoxLayout;
  zone_column->addWidget(cboTimeZone);
  zone_column->addWidget(ZoneNote(birth_box));
  grid->addLayout(zone_column, 4, 1, 1, 5);

  txtLatD = MakeField(birth_box, "txtLatD", FilteredLineEdit::Filter::Digits);
  txtLatM = MakeField(birth_box, "txtLatM", FilteredLineEdit::Filter::Digits);
  grid->addWidget(Caption(birth_box, QStringLiteral("Latitude:")), 5, 0);
  grid->addWidget(txtLatD, 5, 1);
  grid->addWidget(txtLatM, 5, 2);
  grid->addWidget(Hint(birth_box, QStringLiteral("DEG/MIN")), 5, 3);
  grid->addWidget(OptionPair(birth_box, "fraLatitude", "optLatSouth", QStringLiteral("North"),
                             QStringLiteral("South"), optLatSouth),
                  5, 4);

  txtLonD = MakeField(birth_box, "txtLonD", FilteredLineEdit::Filter::Digits);
  txtLonM = MakeField(birth_box, "txtLonM", FilteredLineEdit::Filter::Digits);
  grid->addWidget(Caption(birth_box, QStringLiteral("Longitude:")), 6, 0);
  grid->addWidget(txtLonD, 6, 1);
  grid->addWidget(txtLonM, 6, 2);
  grid->addWidget(Hint(birth_box, QStringLiteral("DEG/MIN")), 6, 3);
  grid->addWidget(OptionPair(birth_box, "fraLongitude", "optLongEast", QStringLiteral("East"),
                             QStringLiteral("West"), optLongEast),
                  6, 4);
  columns->addWidget(birth_box, 3);

  // Right: the place, its lookup, and the two ways to a chart.
  auto* right = new QVBoxLayout;
  right->setSpacing(10);
  auto* place_box = new QGroupBox(QStringLiteral("Place of birth"), central);
  place_box->setObjectName("fraPlace");
  auto* place = new QGridLayout(place_box);
  place->setHorizontalSpacing(8);
  place->setVerticalSpacing(8);
  txtCity = MakeField(place_box, "txtCity", FilteredLineEdit::Filter::Letters);
  txtState = MakeField(place_box, "txtState", FilteredLineEdit::Filter::Letters);
  txtCountry = MakeField(place_box, "txtCountry", FilteredLineEdit::Filter::Letters);
  place->addWidget(Caption(place_box, QStringLiteral("City:")), 0, 0);
  place->addWidget(txtCity, 0, 1);
  place->addWidget(Caption(place_box, QStringLiteral("State:")), 1, 0);
  place->addWidget(txtState, 1, 1);
  place->addWidget(Caption(place_box, QStringLiteral("Country:")), 2, 0);
  place->addWidget(txtCountry, 2, 1);
  Command1 = new QPushButton(QStringLiteral("Click here to find Latitude && Longitude"), place_box);
  Command1->setObjectName("Command1");
  Command1->setAutoDefault(true);  // Enter presses the button that has the focus
  place->addWidget(Command1, 3, 0, 1, 2);
  right->addWidget(place_box);
  right->addStretch();

  cmdOpen = new QPushButton(QStringLiteral("&Open Previously Saved Reading"), central);
  cmdOpen->setObjectName("cmdOpen");
  cmdOpen->setAutoDefault(true);
  cmdOpen->setMinimumHeight(30);
  right->addWidget(cmdOpen);
  cmdCalculate = new QPushButton(QStringLiteral("Get My Natal &Chart"), central);
  cmdCalculate->setObjectName("cmdCalculate");
  cmdCalculate->setMinimumHeight(38);
  cmdCalculate->setDefault(true);
  QFont bold = cmdCalculate->font();
  bold.setBold(true);
  cmdCalculate->setFont(bold);
  right->addWidget(cmdCalculate);
  columns->addLayout(right, 2);

  // The two offers share one frame; whichever is raised hides the other.
  auto* offer_frame = new QFrame(central);
  offer_frame->setObjectName("fraOffer");
  offer_frame->setFrameShape(QFrame::StyledPanel);
  SetColour(offer_frame, QPalette::Window, kBarColour);
  auto* offer_layout = new QGridLayout(offer_frame);
  offer_layout->setContentsMargins(0, 0, 0, 0);
  lblCobrand = new OfferLabel(
      QStringLiteral("Put this software on your own web site, co-branded with your name and "
                     "logo. Click here for more details."),
      offer_frame);
  lblCobrand->setObjectName("lblCobrand");
  lblFullBrand = new OfferLabel(
      QStringLiteral("Home Business Opportunity. Start your own Internet business and make money "
                     "online. Get this software fully branded for your website. Click here for "
                     "more details."),
      offer_frame);
  lblFullBrand->setObjectName("lblFullBrand");
  for (LinkLabel* offer : {lblCobrand, lblFullBrand}) {
    offer->setFont(VerdanaFont(8.25, true, true));
    SetColour(offer, QPalette::Window, kBarColour);
    offer->setContentsMargins(10, 4, 10, 4);
    offer->setAlignment(Qt::AlignCenter);
    offer->setWordWrap(true);
    offer_layout->addWidget(offer, 0, 0);
  }
  offer_frame->setFixedHeight(46);
  auto* offer_row = new QHBoxLayout;
  offer_row->setContentsMargins(14, 0, 14, 0);
  offer_row->addWidget(offer_frame);
  page->addLayout(offer_row);

  connect(cmdCalculate, &QPushButton::clicked, this, &frmMain::cmdCalculate_Click);
  connect(cmdOpen, &QPushButton::clicked, this, &frmMain::cmdOpen_Click);
  connect(Command1, &QPushButton::clicked, this, &frmMain::Command1_Click);
  connect(Label8, &LinkLabel::clicked, this, &frmMain::Label8_Click);
  connect(lblCobrand, &LinkLabel::clicked, this, &frmMain::lblCobrand_Click);
  connect(lblFullBrand, &LinkLabel::clicked, this, &frmMain::lblFullBrand_Click);
}

void frmMain::BuildMenus() {
  auto add = [this](QMenu* menu, const char* name, const QString& caption, auto slot) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, slot);
    return action;
  };
  QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
  file->setObjectName("mnuFile");
  add(file, "mnuCalculate", QStringLiteral("Get My Natal &Chart"), &frmMain::mnuCalculate_Click);
  file->addSeparator();
  add(file, "mnuExit", QStringLiteral("&Exit"), &frmMain::mnuExit_Click);

  QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
  help->setObjectName("mnuHelp");
  add(help, "mnuOnline", QStringLiteral("&Online Help"), &frmMain::mnuOnline_Click);
  add(help, "mnuVisit", QStringLiteral("&Visit Us Online"), &frmMain::mnuVisit_Click);
  add(help, "mnuUpdate", QStringLiteral("Check for Software &Update"), &frmMain::mnuUpdate_Click);
  add(help, "mnuAbout", QStringLiteral("&About Software"), &frmMain::mnuAbout_Click);
  add(help, "mnuDonate", QStringLiteral("Donate"), &frmMain::mnuDonate_Click);
  // Switched off for good, so not drawn: it would share its O with "&Online Help".
  QAction* make_money =
      add(help, "mnuMakeMoney", QStringLiteral("Make Money &Online"), &frmMain::mnuMakeMoney_Click);
  make_money->setEnabled(false);
  make_money->setVisible(false);
  SetShortcuts(this, {{"mnuExit", QKeySequence(Qt::CTRL | Qt::Key_Q)}});
  // A shortcut of its own: the button's Alt+O stays.
  connect(new QShortcut(QKeySequence::Open, this), &QShortcut::activated, this,
          &frmMain::cmdOpen_Click);
}

void frmMain::FillLists() {
  // One insertion per list rather than one per item: some 350 fewer model updates.
  const auto numbers = [](int first, int last) {
    QStringList items;
    for (int n = first; n <= last; ++n) items << QString::number(n);
    return items;
  };
  cboDate->addItems(numbers(1, 31));
  QStringList months;
  for (const char* month : kMonthNames) months << QString::fromLatin1(month);
  cboMonth->addItems(months);
  cboYear->addItems(numbers(kFirstYear, kLastYear));
  cboHour->addItems(numbers(0, 23));
  cboMinute->addItems(numbers(0, 59));
  const TimeZoneTable& zones = FillTimeZoneTable();
  QStringList zone_names;
  for (std::string_view name : zones.TimeZoneNames) {
    zone_names << QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
  }
  cboTimeZone->addItems(zone_names);
  for (QComboBox* list : {cboDate, cboMonth, cboYear, cboHour, cboMinute, cboTimeZone}) {
    list->setCurrentIndex(0);
  }
}

void frmMain::SetTabOrder() {
  // The day list comes before the month list although the month stands first on screen;
  // daylight saving belongs to the zone, so it follows the zone list.
  QWidget* const order[] = {txtName,        cboDate,     cboMonth, cboYear,        cboHour,
                            cboMinute,      cboTimeZone, chkDST,   txtLatD,        optLatSouth[0],
                            optLatSouth[1], txtLatM,     txtLonD,  optLongEast[0], optLongEast[1],
                            txtLonM,        txtCity,     txtState, txtCountry,     cmdCalculate,
                            Command1,       cmdOpen};
  for (size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
  txtName->setFocus();
}

FormValues frmMain::CurrentValues() const {
  FormValues values;
  values.txtName = txtName->text().toStdString();
  values.MonthPosition = cboMonth->currentIndex();
  values.DayText = cboDate->currentText().toStdString();
  values.YearText = cboYear->currentText().toStdString();
  values.HourText = cboHour->currentText().toStdString();
  values.MinuteText = cboMinute->currentText().toStdString();
  values.ZoneRow = cboTimeZone->currentIndex();
  values.DaylightSaving = chkDST->isChecked();
  values.txtLatD = txtLatD->text().toStdString();
  values.txtLatM = txtLatM->text().toStdString();
  values.txtLonD = txtLonD->text().toStdString();
  values.txtLonM = txtLonM->text().toStdString();
  values.LatitudeIsSouth = optLatSouth[1]->isChecked();
  values.LongitudeIsEast = optLongEast[0]->isChecked();
  values.txtCity = txtCity->text().toStdString();
  values.txtState = txtState->text().toStdString();
  values.txtCountry = txtCountry->text().toStdString();
  return values;
}

void frmMain::SetValues(const FormValues& values) {
  const auto select_position = [](QComboBox* list, int position) {
    if (position >= 0 && position < list->count()) list->setCurrentIndex(position);
  };
  const auto select_item = [](QComboBox* list, const std::string& text) {
    const int position = list->findText(QString::fromStdString(text), Qt::MatchExactly);
    if (position >= 0) list->setCurrentIndex(position);
  };
  const auto set_text = [](QLineEdit* field, const std::string& text) {
    field->setText(QString::fromStdString(text));
  };
  set_text(txtName, values.txtName);
  select_position(cboMonth, values.MonthPosition);
  select_item(cboDate, values.DayText);
  select_item(cboYear, values.YearText);
  select_item(cboHour, values.HourText);
  select_item(cboMinute, values.MinuteText);
  select_position(cboTimeZone, values.ZoneRow);
  set_text(txtLonD, values.txtLonD);
  set_text(txtLonM, values.txtLonM);
  set_text(txtLatD, values.txtLatD);
  set_text(txtLatM, values.txtLatM);
  optLongEast[values.LongitudeIsEast ? 0 : 1]->setChecked(true);
  optLatSouth[values.LatitudeIsSouth ? 1 : 0]->setChecked(true);
  chkDST->setChecked(values.DaylightSaving);
  set_text(txtCity, values.txtCity);
  set_text(txtState, values.txtState);
  set_text(txtCountry, values.txtCountry);
}

FormEntry frmMain::CurrentEntry() const {
  FormEntry entry = EntryOf(CurrentValues());
  entry.LatitudeDirectionChosen = optLatSouth[0]->isChecked() || optLatSouth[1]->isChecked();
  entry.LongitudeDirectionChosen = optLongEast[0]->isChecked() || optLongEast[1]->isChecked();
  return entry;
}

BirthData frmMain::BirthDataFromForm(const BirthData& previous) const {
  return BirthDataFromValues(CurrentValues(), previous);
}

void frmMain::ApplyFocusRule(FormField field) {
  switch (field) {
    case FormField::None:
      return;
    case FormField::SelectNorth:
      optLatSouth[0]->setChecked(true);
      return;
    case FormField::SelectEast:
      optLongEast[0]->setChecked(true);
      return;
    case FormField::txtName:
      return txtName->setFocus();
    case FormField::txtLatD:
      return txtLatD->setFocus();
    case FormField::txtLatM:
      return txtLatM->setFocus();
    case FormField::txtLonD:
      return txtLonD->setFocus();
    case FormField::txtLonM:
      return txtLonM->setFocus();
    case FormField::txtCity:
      return txtCity->setFocus();
    case FormField::txtState:
      return txtState->setFocus();
    case FormField::txtCountry:
      return txtCountry->setFocus();
  }
}

void frmMain::cmdCalculate_Click() {
  if (const auto problem = ValidateInput(CurrentEntry())) {
    ShowMessage(this, QString::fromStdString(problem->message), problem->icon);
    ApplyFocusRule(problem->focus);
    return;
  }
  if (!place_picker_->ConfirmZone()) return;
  const int zone_row = cboTimeZone->currentIndex();
  session_.birth_data = StoreZoneRow(BirthDataFromForm(session_.birth_data), zone_row);
  session_.zone_row = zone_row;
  session_.chart = CalculateChart(session_.birth_data, session_.options);
  emit ChartCalculated();
}

void frmMain::mnuCalculate_Click() { cmdCalculate_Click(); }

void frmMain::mnuExit_Click() { emit ExitRequested(); }

void frmMain::closeEvent(QCloseEvent* event) {
  event->accept();
  emit ExitRequested();
}

void frmMain::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if ((key == Qt::Key_Return || key == Qt::Key_Enter) && cmdCalculate->isEnabled()) {
    event->accept();
    cmdCalculate->click();
    return;
  }
  QMainWindow::keyPressEvent(event);
}

void frmMain::RaiseOffer(int which) { (which == 0 ? lblCobrand : lblFullBrand)->raise(); }

void frmMain::RaiseRandomOffer() { RaiseOffer(QRandomGenerator::global()->bounded(2)); }

void frmMain::cmdOpen_Click() {
  FormValues values = CurrentValues();
  if (!OpenReading(this, values)) return;
  SetValues(values);
  cmdCalculate_Click();
}

void frmMain::Command1_Click() { LookUpCoordinates(this); }
void frmMain::mnuOnline_Click() { OpenOnlineHelp(); }
void frmMain::mnuVisit_Click() { OpenHomePage(); }
void frmMain::mnuUpdate_Click() { OpenDownloadPage(); }
void frmMain::mnuAbout_Click() { ShowAboutBox(this); }
void frmMain::mnuDonate_Click() { OpenDonatePage(); }
void frmMain::mnuMakeMoney_Click() { OpenFullBrandPage(); }
void frmMain::Label8_Click() { OpenHomePage(); }
void frmMain::lblCobrand_Click() { OpenCoBrandPage(); }
void frmMain::lblFullBrand_Click() { OpenFullBrandPage(); }

}  // namespace quendal
