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
#include "birth/form_controls.h"
#include "birth/place_picker.h"
#include "birth/reading_open.h"
#include "positions/time_zones.h"
#include "shell/coordinate_lookup.h"
#include "shell/frmAbout.h"
#include "shell/links.h"
#include "ui_common/language_menu.h"
#include "ui_common/layout.h"
#include "ui_common/link_label.h"
#include "ui_common/menu_choices.h"
#include "ui_common/message_box.h"
#include "ui_common/translated_text.h"

namespace quendal {
namespace {

const char* const kMonthNames[] = {"January",   "February", "March",    "April",
                                   "May",       "June",     "July",     "August",
                                   "September", "October",  "November", "December"};

constexpr int kFirstYear = 1901;
constexpr int kLastYear = 2050;

struct MenuItem {
  const char* menu;  // the menu's name, or nullptr for an item of the menu before
  const char* name;
  const char* caption;
  void (frmMain::*handler)() = nullptr;
};

const MenuItem kMenuItems[] = {
    {"mnuFile", nullptr, QT_TRANSLATE_NOOP("frmMain", "&File")},
    {nullptr, "mnuCalculate", QT_TRANSLATE_NOOP("frmMain", "Get My Natal &Chart"),
     &frmMain::mnuCalculate_Click},
    {nullptr, nullptr, nullptr},  // a separator
    {nullptr, "mnuExit", QT_TRANSLATE_NOOP("frmMain", "&Exit"), &frmMain::mnuExit_Click},
    {"mnuHelp", nullptr, QT_TRANSLATE_NOOP("frmMain", "&Help")},
    {nullptr, "mnuOnline", QT_TRANSLATE_NOOP("frmMain", "&Online Help"), &frmMain::mnuOnline_Click},
    {nullptr, "mnuVisit", QT_TRANSLATE_NOOP("frmMain", "&Visit Us Online"),
     &frmMain::mnuVisit_Click},
    {nullptr, "mnuUpdate", QT_TRANSLATE_NOOP("frmMain", "Check for Software &Update"),
     &frmMain::mnuUpdate_Click},
    {nullptr, "mnuAbout", QT_TRANSLATE_NOOP("frmMain", "&About Software"),
     &frmMain::mnuAbout_Click},
    {nullptr, "mnuDonate", QT_TRANSLATE_NOOP("frmMain", "Donate"), &frmMain::mnuDonate_Click},
    {nullptr, "mnuMakeMoney", QT_TRANSLATE_NOOP("frmMain", "Make Money &Online"),
     &frmMain::mnuMakeMoney_Click},
};

// The top band echoes the chart window's, so the two windows read as one program.
FormAreaPlace TopBand(QWidget* central) {
  auto* top = new QFrame(central);
  top->setObjectName("fraTop");
  SetColour(top, QPalette::Window, kBarColour);
  auto* layout = new QVBoxLayout(top);
  layout->setContentsMargins(8, 4, 8, 6);
  layout->setSpacing(0);
  return {top, layout};
}

FormAreaPlace Box(QWidget* central) {
  auto* box = new QGroupBox(central);
  auto* grid = new QGridLayout(box);
  grid->setHorizontalSpacing(8);
  grid->setVerticalSpacing(8);
  return {box, grid};
}

// The two offers share one frame; whichever is raised hides the other.
FormAreaPlace OfferFrame(QWidget* central) {
  auto* frame = new QFrame(central);
  frame->setObjectName("fraOffer");
  frame->setFrameShape(QFrame::StyledPanel);
  SetColour(frame, QPalette::Window, kBarColour);
  auto* layout = new QGridLayout(frame);
  layout->setContentsMargins(0, 0, 0, 0);
  frame->setFixedHeight(46);
  return {frame, layout};
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

  const FormAreaPlace top = TopBand(central);
  page->addWidget(top.container);
  auto* columns = new QHBoxLayout;
  columns->setSpacing(12);
  columns->setContentsMargins(14, 0, 14, 0);
  page->addLayout(columns);
  // Left: the person, the moment and the coordinates.
  const FormAreaPlace birth = Box(central);
  static_cast<QGridLayout*>(birth.layout)->setColumnStretch(5, 1);
  columns->addWidget(birth.container, 3);
  // Right: the place, its lookup, and the two ways to a chart.
  auto* right = new QVBoxLayout;
  right->setSpacing(10);
  const FormAreaPlace place = Box(central);
  right->addWidget(place.container);
  right->addStretch();
  columns->addLayout(right, 2);
  const FormAreaPlace offers = OfferFrame(central);
  auto* offer_row = new QHBoxLayout;
  offer_row->setContentsMargins(14, 0, 14, 0);
  offer_row->addWidget(offers.container);
  page->addLayout(offer_row);

  const FormAreaPlace areas[] = {top, birth, place, {central, right}, offers};
  controls_ = BuildFormControls(areas);
  FindControls();
  connect(cmdCalculate, &QPushButton::clicked, this, &frmMain::cmdCalculate_Click);
  connect(cmdOpen, &QPushButton::clicked, this, &frmMain::cmdOpen_Click);
  connect(Command1, &QPushButton::clicked, this, &frmMain::Command1_Click);
  connect(Label8, &LinkLabel::clicked, this, &frmMain::Label8_Click);
  connect(lblCobrand, &LinkLabel::clicked, this, &frmMain::lblCobrand_Click);
  connect(lblFullBrand, &LinkLabel::clicked, this, &frmMain::lblFullBrand_Click);
}

void frmMain::FindControls() {
  const auto find = [this]<typename T>(T*& control, const char* name) {
    control = findChild<T*>(QLatin1String(name));
  };
  find(txtName, "txtName");
  find(cboMonth, "cboMonth");
  find(cboDate, "cboDate");
  find(cboYear, "cboYear");
  find(cboHour, "cboHour");
  find(cboMinute, "cboMinute");
  find(cboTimeZone, "cboTimeZone");
  find(chkDST, "chkDST");
  find(txtCity, "txtCity");
  find(txtState, "txtState");
  find(txtCountry, "txtCountry");
  find(txtLatD, "txtLatD");
  find(txtLatM, "txtLatM");
  find(txtLonD, "txtLonD");
  find(txtLonM, "txtLonM");
  find(optLatSouth[0], "optLatSouth_0");
  find(optLatSouth[1], "optLatSouth_1");
  find(optLongEast[0], "optLongEast_0");
  find(optLongEast[1], "optLongEast_1");
  find(Command1, "Command1");
  find(cmdOpen, "cmdOpen");
  find(cmdCalculate, "cmdCalculate");
  find(Label8, "Label8");
  find(lblCobrand, "lblCobrand");
  find(lblFullBrand, "lblFullBrand");
}

void frmMain::BuildMenus() {
  QMenu* menu = nullptr;
  for (const MenuItem& item : kMenuItems) {
    if (item.menu) {
      menu = menuBar()->addMenu(TrText("frmMain", item.caption));
      menu->setObjectName(QLatin1String(item.menu));
    } else if (!item.name) {
      menu->addSeparator();
    } else {
      QAction* action = menu->addAction(TrText("frmMain", item.caption));
      action->setObjectName(QLatin1String(item.name));
      connect(action, &QAction::triggered, this, item.handler);
    }
  }
  AddLanguageMenu(menuBar(), this, findChild<QMenu*>(QStringLiteral("mnuHelp")));
  // Switched off for good, so not drawn: it would share its O with "&Online Help".
  QAction* make_money = findChild<QAction*>(QStringLiteral("mnuMakeMoney"));
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
  for (const char* month : kMonthNames) months << TrName(month);
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
  session_.place_note = place_picker_->AtlasNote();
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
