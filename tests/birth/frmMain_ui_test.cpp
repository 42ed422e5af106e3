// The birth-data form driven as a user drives it: keys, pastes, the button, Back and New.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QInputMethodEvent>
#include <QJsonArray>
#include <QJsonObject>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

#include "app/quendal_application.h"
#include "birth/frmMain.h"
#include "birth/reading_file.h"
#include "chart_window/MDI.h"
#include "chart_window/frmDisplay.h"
#include "chart_window/sign_image.h"
#include "tests/golden_charts.h"
#include "ui_common/file_dialogs.h"
#include "ui_common/message_box.h"

namespace quendal {
namespace {

using test::GoldenChart;
using test::GoldenChartById;

// The golden charts carry plain body names; ours carry the retrograde marks.
QString WithoutRetrogradeMarks(QString text) { return text.remove(QStringLiteral(" (R) ")); }

class FormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetMessageHandler([this](const MessageRequest& request) {
      messages_.push_back(request);
      return MessageAnswer::Ok;
    });
    quendal_ = std::make_unique<QuendalApplication>();
    quendal_->SetEndHandler([this] { ++ended_; });
    quendal_->Start();
    form_ = quendal_->Form();
    QApplication::setActiveWindow(form_);
    ASSERT_TRUE(QTest::qWaitForWindowActive(form_));
  }

  void TearDown() override {
    quendal_.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    SetMessageHandler({});
  }

  template <typename T>
  T* Find(const char* name) {
    T* widget = form_->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  QLineEdit* Field(const char* name) { return Find<QLineEdit>(name); }
  QComboBox* List(const char* name) { return Find<QComboBox>(name); }

  void Type(const char* name, const QString& text) {
    QLineEdit* field = Field(name);
    field->setFocus();
    QTest::keyClicks(field, text);
  }

  void Paste(const char* name, const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    QLineEdit* field = Field(name);
    field->setFocus();
    QTest::keySequence(field, QKeySequence::Paste);
    QCoreApplication::processEvents();  // the refusal message is queued behind the edit
  }

  void Calculate() { QTest::mouseClick(Find<QPushButton>("cmdCalculate"), Qt::LeftButton); }

  void ClearFields() {
    for (const char* name : {"txtName", "txtLatD", "txtLatM", "txtLonD", "txtLonM", "txtCity",
                             "txtState", "txtCountry"}) {
      Field(name)->clear();
    }
  }

  // Types the input of a golden chart into the form.
  void Enter(const QJsonObject& input) {
    ClearFields();
    Type("txtName", input["PersonName"].toString());
    List("cboMonth")->setCurrentIndex(input["BirthMonth"].toInt() - 1);
    List("cboDate")->setCurrentIndex(input["BirthDay"].toInt() - 1);
    List("cboYear")->setCurrentIndex(input["BirthYear"].toInt() - 1901);
    List("cboHour")->setCurrentIndex(input["BirthHour"].toInt());
    List("cboMinute")->setCurrentIndex(input["BirthMinute"].toInt());
    List("cboTimeZone")->setCurrentIndex(input["ZoneRow"].toInt());
    Find<QCheckBox>("chkDST")->setChecked(input["DaylightSaving"].toBool());
    Type("txtLatD", QString::number(input["LatitudeDegrees"].toInt()));
    Type("txtLatM", QString::number(input["LatitudeMinutes"].toInt()));
    Type("txtLonD", QString::number(input["LongitudeDegrees"].toInt()));
    Type("txtLonM", QString::number(input["LongitudeMinutes"].toInt()));
    Find<QRadioButton>(input["LatitudeIsSouth"].toBool() ? "optLatSouth_1" : "optLatSouth_0")
        ->setChecked(true);
    Find<QRadioButton>(input["LongitudeIsEast"].toBool() ? "optLongEast_0" : "optLongEast_1")
        ->setChecked(true);
    Type("txtCity", input["BirthCity"].toString());
    Type("txtState", input["BirthState"].toString());
    Type("txtCountry", input["BirthCountry"].toString());
  }

  void EnterValidBirth() { Enter(GoldenChartById(0).input); }

  QStringList MessageTexts() const {
    QStringList texts;
    for (const MessageRequest& request : messages_) texts << request.text;
    return texts;
  }

  void ExpectChartOf(const GoldenChart& golden) {
    const QJsonObject& input = golden.input;
    const QJsonObject& expected = golden.expected;
    const ChartSession& session = quendal_->Session();
    const BirthData& birth = session.birth_data;
    EXPECT_EQ(QString::fromStdString(birth.PersonName), input["PersonName"].toString());
    EXPECT_EQ(birth.BirthMonth, input["BirthMonth"].toInt());
    EXPECT_EQ(birth.BirthDay, input["BirthDay"].toInt());
    EXPECT_EQ(birth.BirthYear, input["BirthYear"].toInt());
    EXPECT_EQ(birth.LatitudeMinutes, input["LatitudeMinutes"].toInt());
    EXPECT_EQ(birth.LongitudeIsEast, input["LongitudeIsEast"].toBool());
    EXPECT_EQ(birth.LatitudeIsSouth, input["LatitudeIsSouth"].toBool());
    EXPECT_EQ(birth.DaylightSaving, input["DaylightSaving"].toBool());
    EXPECT_EQ(session.zone_row, input["ZoneRow"].toInt());
    EXPECT_EQ(QString::fromStdString(birth.ZoneHoursText),
              expected["zone"].toObject()["ZoneHoursText"].toString());

    MDI* window = quendal_->ChartWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(form_->isVisible());
    frmDisplay* child = window->Display();
    auto text_of = [child](const QString& name) {
      QLabel* label = child->findChild<QLabel*>(name);
      EXPECT_NE(label, nullptr) << name.toStdString();
      return label ? label->text() : QString();
    };
    const QJsonArray table = expected["table"].toArray();
    for (int i = 0; i < 10; ++i) {
      EXPECT_EQ(text_of(QStringLiteral("Planet_%1").arg(i)), table[i].toString()) << i;
    }
    const QJsonArray houses = expected["house_cells"].toArray();
    for (int h = 0; h < 12; ++h) {
      EXPECT_EQ(WithoutRetrogradeMarks(text_of(QStringLiteral("lblNatal_%1").arg(h))),
                houses[h].toString())
          << "house " << h + 1;
      auto* picture = child->findChild<SignImage*>(QStringLiteral("imgSign_%1").arg(h));
      ASSERT_NE(picture, nullptr);
      EXPECT_EQ(picture->Picture(), expected["img_sign"].toArray()[h].toInt()) << "house " << h + 1;
    }
    EXPECT_EQ(text_of("lblLagna"), expected["SunSign"].toString());
    EXPECT_EQ(text_of("lblRashi"), expected["MoonSignName"].toString());
    const QJsonArray details = expected["details"].toArray();
    const char* const detail_labels[] = {"lblName", "lblCity", "lblState",    "lblCountry",
                                         "lblDOB",  "lblTOB",  "lblLatitude", "lblLongitude"};
    for (int i = 0; i < 8; ++i) {
      EXPECT_EQ(text_of(detail_labels[i]), details[i].toString());
    }
  }

  std::unique_ptr<QuendalApplication> quendal_;
  frmMain* form_ = nullptr;
  std::vector<MessageRequest> messages_;
  int ended_ = 0;
};

TEST_F(FormTest, StartsWithListsFilledAndFirstItemsSelected) {
  EXPECT_EQ(form_->windowTitle(), "Quendal v1.85");
  EXPECT_TRUE(form_->isVisible());
  const struct {
    const char* name;
    int count;
    const char* first;
    const char* last;
  } lists[] = {{"cboMonth", 12, "January", "December"},
               {"cboDate", 31, "1", "31"},
               {"cboYear", 150, "1901", "2050"},
               {"cboHour", 24, "0", "23"},
               {"cboMinute", 60, "0", "59"}};
  for (const auto& list : lists) {
    QComboBox* box = List(list.name);
    EXPECT_EQ(box->count(), list.count) << list.name;
    EXPECT_EQ(box->currentIndex(), 0) << list.name;
    EXPECT_EQ(box->itemText(0), list.first) << list.name;
    EXPECT_EQ(box->itemText(list.count - 1), list.last) << list.name;
  }
  EXPECT_EQ(List("cboTimeZone")->count(), 71);
  EXPECT_EQ(List("cboTimeZone")->currentIndex(), 0);
  EXPECT_FALSE(Find<QCheckBox>("chkDST")->isChecked());
  EXPECT_TRUE(Find<QRadioButton>("optLatSouth_0")->isChecked());
  EXPECT_TRUE(Find<QRadioButton>("optLongEast_0")->isChecked());
  EXPECT_EQ(Field("txtLatD")->maxLength(), 3);
  EXPECT_EQ(Field("txtLonM")->maxLength(), 3);
}

TEST_F(FormTest, MenusHoldEveryItemWithMakeMoneySwitchedOff) {
  QStringList names;
  for (QAction* menu : form_->menuBar()->actions()) {
    for (QAction* item : menu->menu()->actions()) {
      names << (item->isSeparator() ? QStringLiteral("-") : item->objectName());
    }
  }
  EXPECT_EQ(names, QStringList({"mnuCalculate", "-", "mnuExit", "mnuLanguage_en", "mnuLanguage_hi",
                                "mnuLanguage_ta", "mnuOnline", "mnuVisit", "mnuUpdate", "mnuAbout",
                                "mnuDonate", "mnuMakeMoney"}));
  EXPECT_FALSE(form_->findChild<QAction*>("mnuMakeMoney")->isEnabled());
  EXPECT_FALSE(form_->findChild<QAction*>("mnuMakeMoney")->isVisible());
  EXPECT_TRUE(form_->findChild<QAction*>("mnuDonate")->isEnabled());
}

TEST_F(FormTest, TabVisitsTheEntryControlsInTheirOrder) {
  Field("txtName")->setFocus();
  QStringList visited{QApplication::focusWidget()->objectName()};
  for (int i = 0; i < 19; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    visited << QApplication::focusWidget()->objectName();
  }
  // Daylight saving is reached with its zone, before the button that uses it.
  EXPECT_EQ(visited,
            QStringList({"txtName",   "cboDate",     "cboMonth",      "cboYear",  "cboHour",
                         "cboMinute", "cboTimeZone", "chkDST",        "txtLatD",  "optLatSouth_0",
                         "txtLatM",   "txtLonD",     "optLongEast_0", "txtLonM",  "txtCity",
                         "txtState",  "txtCountry",  "cmdCalculate",  "Command1", "cmdOpen"}));
}

TEST_F(FormTest, OneOfTheTwoOffersIsInFront) {
  QWidget* frame = Find<QWidget>("fraOffer");
  const QPoint middle = frame->rect().center();
  form_->RaiseOffer(0);
  EXPECT_EQ(frame->childAt(middle)->objectName(), "lblCobrand");
  form_->RaiseOffer(1);
  EXPECT_EQ(frame->childAt(middle)->objectName(), "lblFullBrand");
  QSet<QString> seen;
  for (int i = 0; i < 40; ++i) {
    form_->RaiseRandomOffer();
    seen << frame->childAt(middle)->objectName();
  }
  EXPECT_EQ(seen.size(), 2);
}

TEST_F(FormTest, TypedCharactersOutsideTheFiltersAreRefused) {
  // Names as people write them, one key event a character as a keyboard sends them.
  const auto type_text = [this](const char* name, const QString& text) {
    Field(name)->setFocus();
    for (QChar c : text) {
      QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
      QCoreApplication::sendEvent(Field(name), &key);
    }
  };
  for (const char* name :
       {"Jean-Luc", "O'Brien", "José", "Zürich", "St. Louis", "Winston-Salem", "Œdipe Šťastný"}) {
    Field("txtState")->clear();
    type_text("txtState", QString::fromUtf8(name));
    EXPECT_EQ(Field("txtState")->text(),
              QString::fromUtf8(name).remove(QChar(u'ť')));  // ť is not in Windows-1252
  }
  EXPECT_EQ(MessageTexts(), QStringList({"Please enter only letters"}));
  messages_.clear();
  Type("txtName", "Ren");
  type_text("txtName", QStringLiteral("\u0141"));  // Ł
  Type("txtName", "2,");
  EXPECT_EQ(Field("txtName")->text(), "Ren");
  EXPECT_EQ(MessageTexts(), QStringList({"Please enter only letters", "Please enter only letters",
                                         "Please enter only letters"}));
  for (const MessageRequest& request : messages_) EXPECT_EQ(request.icon, MessageIcon::Stop);
  EXPECT_TRUE(Field("txtName")->hasFocus());

  messages_.clear();
  Type("txtLatD", "-1.2");
  Type("txtLonD", "1234");
  EXPECT_EQ(Field("txtLatD")->text(), "12");
  EXPECT_EQ(Field("txtLonD")->text(), "123");  // the field holds three characters
  EXPECT_EQ(MessageTexts(),
            QStringList({"Please enter only numbers", "Please enter only numbers"}));
  QTest::keyClick(Field("txtLatD"), Qt::Key_Backspace);
  EXPECT_EQ(Field("txtLatD")->text(), "1");
  EXPECT_EQ(messages_.size(), 2u);
}

TEST_F(FormTest, PastedAndComposedTextPassesTheSameFilters) {
  Type("txtCity", "Pune");
  Paste("txtCity", " City 2");
  EXPECT_EQ(Field("txtCity")->text(), "Pune");
  EXPECT_EQ(MessageTexts(), QStringList({"Please enter only letters"}));
  Paste("txtCity", " Camp");
  EXPECT_EQ(Field("txtCity")->text(), "Pune Camp");

  messages_.clear();
  Paste("txtLatM", "-5");
  EXPECT_EQ(Field("txtLatM")->text(), "");
  Paste("txtLatM", "12345");
  EXPECT_EQ(Field("txtLatM")->text(), "123");
  EXPECT_EQ(MessageTexts(), QStringList({"Please enter only numbers"}));

  messages_.clear();
  // Composed text (an input method) arrives without a key press, like a drop.
  QLineEdit* target = Field("txtLonM");
  QInputMethodEvent composed;
  composed.setCommitString(QStringLiteral("4x"));
  QCoreApplication::sendEvent(target, &composed);
  QCoreApplication::processEvents();
  EXPECT_EQ(target->text(), "");
  EXPECT_EQ(MessageTexts(), QStringList({"Please enter only numbers"}));
}

TEST_F(FormTest, TextPlacedByTheProgramIsNotFiltered) {
  Field("txtName")->setText(QStringLiteral("O@Brien"));
  Type("txtName", "x");
  EXPECT_EQ(Field("txtName")->text(), "O@Brienx");
  EXPECT_TRUE(messages_.empty());
  // A placed character the filter refuses does not let a digit pasted over it in.
  Field("txtName")->setSelection(1, 1);
  Paste("txtName", "2");
  EXPECT_EQ(Field("txtName")->text(), "O@Brienx");
  EXPECT_EQ(MessageTexts(), QStringList({"Please enter only letters"}));
}

TEST_F(FormTest, ChecksReportTheFirstMissingFieldInOrder) {
  const struct {
    const char* field;
    const char* text;
    const char* message;
  } steps[] = {
      {"txtName", "Asha", "Please Enter Your Name"},
      {"txtLatD", "18", "Please Enter Degree of Latitude"},
      {"txtLatM", "31", "Please Enter Minutes of Latitude"},
      {"txtLonD", "73", "Please Enter Degree of Longitude"},
      {"txtLonM", "52", "Please Enter Minute of Longitude"},
      {"txtCity", "Pune", "Please Enter Your City name"},
      {"txtState", "Maharashtra", "Please Enter Your State name"},
      {"txtCountry", "India", "Please Enter Your Country name"},
  };
  for (const auto& step : steps) {
    messages_.clear();
    Find<QPushButton>("cmdCalculate")->setFocus();
    Calculate();
    ASSERT_EQ(MessageTexts(), QStringList({step.message}));
    EXPECT_EQ(messages_[0].icon, MessageIcon::Stop);
    EXPECT_EQ(messages_[0].title, "Quendal");
    EXPECT_TRUE(Field(step.field)->hasFocus()) << step.field;
    Type(step.field, step.text);
  }
  EXPECT_EQ(quendal_->ChartWindow(), nullptr);
}

TEST_F(FormTest, BlankNamesAndImpossibleValuesAreRefused) {
  EnterValidBirth();
  auto expect_refusal = [this](const char* message, MessageIcon icon, const char* focus) {
    messages_.clear();
    Find<QPushButton>("cmdCalculate")->setFocus();
    Calculate();
    EXPECT_EQ(MessageTexts(), QStringList({message}));
    if (!messages_.empty()) {
      EXPECT_EQ(messages_[0].icon, icon) << message;
    }
    QWidget* expected_focus = focus ? static_cast<QWidget*>(Field(focus))
                                    : static_cast<QWidget*>(Find<QPushButton>("cmdCalculate"));
    EXPECT_TRUE(expected_focus->hasFocus()) << message;
    EXPECT_EQ(quendal_->ChartWindow(), nullptr);
  };
  const QString city = Field("txtCity")->text();
  Field("txtCity")->setText("   ");
  expect_refusal("Please Enter Your City name", MessageIcon::Stop, "txtCity");
  Field("txtCity")->setText(city);

  List("cboMonth")->setCurrentIndex(1);
  List("cboDate")->setCurrentIndex(28);
  List("cboYear")->setCurrentIndex(0);  // 1901
  expect_refusal("Please Enter Correct Date Or Month!", MessageIcon::Information, nullptr);
  List("cboMonth")->setCurrentIndex(3);
  List("cboDate")->setCurrentIndex(30);
  expect_refusal("Please Enter Correct Date Or Month !", MessageIcon::Information, nullptr);
  List("cboDate")->setCurrentIndex(29);

  Field("txtLatD")->setText("91");
  expect_refusal("Please Enter Correct Degree of Latitude", MessageIcon::Stop, "txtLatD");
  Field("txtLatD")->setText("18");
  Field("txtLonM")->setText("60");
  expect_refusal("Please Enter Correct Minute of Longitude", MessageIcon::Stop, "txtLonM");
}

TEST_F(FormTest, NoDirectionChosenSelectsNorthAndEast) {
  EnterValidBirth();
  for (const char* name : {"optLatSouth_0", "optLatSouth_1", "optLongEast_0", "optLongEast_1"}) {
    Find<QRadioButton>(name)->setAutoExclusive(false);
    Find<QRadioButton>(name)->setChecked(false);
  }
  Calculate();
  EXPECT_TRUE(Find<QRadioButton>("optLatSouth_0")->isChecked());
  Calculate();
  EXPECT_TRUE(Find<QRadioButton>("optLongEast_0")->isChecked());
  EXPECT_EQ(MessageTexts(), QStringList({"Please Select Direction For The Latitude",
                                         "Please Select Direction For The Longitude"}));
}

TEST_F(FormTest, TheButtonCastsTheChartOfTheEntry) {
  for (int id : {0, 57, 123}) {
    const GoldenChart& golden = GoldenChartById(id);
    Enter(golden.input);
    Calculate();
    ASSERT_TRUE(messages_.empty()) << MessageTexts().join('|').toStdString();
    ExpectChartOf(golden);
    quendal_->Back();
  }
}

TEST_F(FormTest, BackAndNewKeepTheFieldsAndASecondChartStartsAfresh) {
  const GoldenChart& first = GoldenChartById(3);
  Enter(first.input);
  form_->mnuCalculate_Click();
  QPointer<MDI> first_window = quendal_->ChartWindow();
  ASSERT_FALSE(first_window.isNull());
  first_window->findChild<QAction*>("mnuToolBar")->trigger();  // hide the toolbar
  ASSERT_FALSE(first_window->findChild<QToolBar*>("TB")->isVisible());

  QTest::mouseClick(first_window->findChild<QPushButton*>("cmdBack"), Qt::LeftButton);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(first_window.isNull());
  EXPECT_TRUE(form_->isVisible());
  EXPECT_EQ(Field("txtName")->text(), first.input["PersonName"].toString());
  EXPECT_EQ(List("cboTimeZone")->currentIndex(), first.input["ZoneRow"].toInt());

  Calculate();
  QPointer<MDI> second_window = quendal_->ChartWindow();
  // A new chart window starts with its toolbar shown and checked again.
  EXPECT_TRUE(second_window->findChild<QToolBar*>("TB")->isVisible());
  EXPECT_TRUE(second_window->findChild<QAction*>("mnuToolBar")->isChecked());
  second_window->findChild<QAction*>("mnuNew")->trigger();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(second_window.isNull());
  EXPECT_TRUE(form_->isVisible());
  EXPECT_EQ(Field("txtLatM")->text(), QString::number(first.input["LatitudeMinutes"].toInt()));

  const GoldenChart& second = GoldenChartById(150);
  Enter(second.input);
  Calculate();
  ExpectChartOf(second);

  // A refused entry afterwards changes neither the stored birth nor the chart window.
  quendal_->Back();
  const BirthData stored = quendal_->Session().birth_data;
  Field("txtCountry")->clear();
  Calculate();
  EXPECT_EQ(quendal_->Session().birth_data, stored);
  EXPECT_EQ(quendal_->ChartWindow(), nullptr);
  EXPECT_TRUE(form_->isVisible());
  EXPECT_EQ(ended_, 0);
}

TEST_F(FormTest, AnOpenedReadingFillsTheFormAndCastsItsChart) {
  const GoldenChart& golden = GoldenChartById(42);
  const QJsonObject& input = golden.input;
  const BirthData& birth = golden.birth;
  QTemporaryDir folder;
  QFile file(folder.filePath("reading.kdl"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  const std::string bytes = EncodeReading(birth, input["ZoneRow"].toInt());
  file.write(bytes.data(), static_cast<qint64>(bytes.size()));
  file.close();
  SetFileDialogHandler([&file](const FileDialogRequest&) { return file.fileName(); });

  QTest::mouseClick(Find<QPushButton>("cmdOpen"), Qt::LeftButton);
  SetFileDialogHandler({});
  EXPECT_TRUE(messages_.empty()) << MessageTexts().join('|').toStdString();
  ExpectChartOf(golden);
}

TEST_F(FormTest, EveryWayOutEndsTheProgramOnce) {
  form_->findChild<QAction*>("mnuExit")->trigger();
  EXPECT_EQ(ended_, 1);
  EXPECT_FALSE(form_->isVisible());
}

TEST_F(FormTest, ClosingEitherWindowEndsTheProgram) {
  EnterValidBirth();
  Calculate();
  QPointer<MDI> window = quendal_->ChartWindow();
  ASSERT_FALSE(window.isNull());
  window->close();  // the close box
  EXPECT_EQ(ended_, 1);
  EXPECT_FALSE(form_->isVisible());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(window.isNull());

  QuendalApplication other;
  int other_ended = 0;
  other.SetEndHandler([&other_ended] { ++other_ended; });
  other.Start();
  other.Form()->close();
  EXPECT_EQ(other_ended, 1);
}

}  // namespace
}  // namespace quendal
