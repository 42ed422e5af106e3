// The atlas on the birth-data form, driven as a user drives it: type in the city field,
// choose from the list, then change the date and the zone.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include "birth/chart_session.h"
#include "birth/frmMain.h"
#include "chart_window/MDI.h"
#include "chart_window/frmDisplay.h"
#include "positions/zone_line.h"
#include "ui_common/message_box.h"

namespace quendal {
namespace {

class PlacePickerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetMessageHandler([this](const MessageRequest& request) {
      messages_ << request.text;
      requests_.push_back(request);
      return request.buttons == MessageButtons::YesNo ? answer_ : MessageAnswer::Ok;
    });
    form_ = std::make_unique<frmMain>(session_);
    QObject::connect(form_.get(), &frmMain::ChartCalculated, [this] { ++casts_; });
    form_->show();
    QApplication::setActiveWindow(form_.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
  }

  template <typename T = QWidget>
  T* Find(const char* name) {
    T* widget = form_->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  QComboBox* List(const char* name) { return Find<QComboBox>(name); }
  QString Text(const char* name) { return Find<QLineEdit>(name)->text(); }
  QString Note() { return Find<QLabel>("lblZoneNote")->text(); }
  int ZoneRow() { return List("cboTimeZone")->currentIndex(); }

  void SetMoment(int year, int month, int day, int hour, int minute) {
    List("cboYear")->setCurrentIndex(year - 1901);
    List("cboMonth")->setCurrentIndex(month - 1);
    List("cboDate")->setCurrentIndex(day - 1);
    List("cboHour")->setCurrentIndex(hour);
    List("cboMinute")->setCurrentIndex(minute);
  }

  // Types into the city field and returns the list that opens under it.
  QAbstractItemView* TypeCity(const QString& text) {
    QLineEdit* city = Find<QLineEdit>("txtCity");
    city->setFocus();
    city->clear();
    QTest::keyClicks(city, text);
    return form_->findChild<QAbstractItemView*>("lstPlaces");
  }

  // Types, moves down the list `downs` times and presses Enter, as the keys come: to the field.
  void ChoosePlace(const QString& text, int downs = 1) {
    QAbstractItemView* list = TypeCity(text);
    ASSERT_NE(list, nullptr);
    ASSERT_TRUE(list->isVisible());
    for (int i = 0; i < downs; ++i) QTest::keyClick(Find("txtCity"), Qt::Key_Down);
    QTest::keyClick(Find("txtCity"), Qt::Key_Return);
    EXPECT_FALSE(list->isVisible());
  }

  // Name and moment for a chart the checks let through.
  void FillPerson(int year) {
    Find<QLineEdit>("txtName")->setText("Asha");
    SetMoment(year, 7, 9, 12, 0);
  }
  void Cast() { QTest::mouseClick(Find("cmdCalculate"), Qt::LeftButton); }

  ChartSession session_;
  std::unique_ptr<frmMain> form_;
  QStringList messages_;
  std::vector<MessageRequest> requests_;
  MessageAnswer answer_ = MessageAnswer::No;
  int casts_ = 0;
};

TEST_F(PlacePickerTest, ChoosingAPlaceFillsTheFormAndTheZoneInForce) {
  SetMoment(1987, 8, 15, 14, 35);
  Find<QCheckBox>("chkDST")->setChecked(true);
  QAbstractItemView* list = TypeCity("pune");
  ASSERT_NE(list, nullptr);
  EXPECT_TRUE(list->isVisible());
  EXPECT_EQ(list->model()->index(0, 0).data().toString(), "Pune, Maharashtra, India");
  EXPECT_LE(list->model()->rowCount(), 12);
  QTest::keyClick(Find("txtCity"), Qt::Key_Escape);
  EXPECT_FALSE(list->isVisible());
  EXPECT_EQ(Text("txtCity"), "pune");
  // A click chooses too; the list lies inside the form.
  TypeCity("pune");
  EXPECT_TRUE(form_->rect().contains(list->geometry()));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                    list->visualRect(list->model()->index(0, 0)).center());
  EXPECT_EQ(Text("txtState"), "Maharashtra");

  ChoosePlace("pune");
  const std::pair<const char*, const char*> fields[] = {
      {"txtCity", "Pune"}, {"txtState", "Maharashtra"}, {"txtCountry", "India"}, {"txtLatD", "18"},
      {"txtLatM", "31"},   {"txtLonD", "73"},           {"txtLonM", "51"}};
  for (const auto& [name, text] : fields) EXPECT_EQ(Text(name), text) << name;
  EXPECT_TRUE(Find<QRadioButton>("optLatSouth_0")->isChecked());
  EXPECT_TRUE(Find<QRadioButton>("optLongEast_0")->isChecked());
  EXPECT_EQ(ZoneRow(), 34);
  EXPECT_FALSE(Find<QCheckBox>("chkDST")->isChecked());
  EXPECT_EQ(Note(), "Pune, 15 August 1987 14:35: UTC+05:30 (Asia/Kolkata)");

  // A comma narrows by state; a name the reading file cannot hold is placed without accents.
  ChoosePlace("springfield, il");
  EXPECT_EQ(Text("txtState"), "Illinois");
  ChoosePlace("sao paulo");
  EXPECT_EQ(Text("txtCity"), QString::fromUtf8("São Paulo"));
  EXPECT_TRUE(Find<QRadioButton>("optLatSouth_1")->isChecked());
  EXPECT_TRUE(Find<QRadioButton>("optLongEast_1")->isChecked());
  ChoosePlace("lodz");
  EXPECT_EQ(Text("txtState"), "Lodz Voivodeship");
  EXPECT_TRUE(messages_.isEmpty()) << messages_.join('|').toStdString();
}

TEST_F(PlacePickerTest, TheZoneFollowsTheDateUntilTheUserTakesOver) {
  SetMoment(1975, 7, 4, 12, 0);
  ChoosePlace("new york");
  EXPECT_EQ(ZoneRow(), 24);  // EDT
  List("cboMonth")->setCurrentIndex(0);
  EXPECT_EQ(ZoneRow(), 27);  // EST
  EXPECT_EQ(Note(), "New York, 4 January 1975 12:00: UTC-05:00 (America/New_York)");

  SetMoment(2021, 11, 7, 1, 30);
  ChoosePlace("chicago");
  EXPECT_EQ(ZoneRow(), 18);  // CDT, the earlier of the two
  EXPECT_TRUE(Note().contains("came twice")) << Note().toStdString();
  EXPECT_TRUE(Note().contains("Central Standard Time,CST,-6.0")) << Note().toStdString();
  List("cboMonth")->setCurrentIndex(2);
  List("cboDate")->setCurrentIndex(13);
  EXPECT_EQ(ZoneRow(), 21);             // 14 March 2021 01:30, CST
  List("cboHour")->setCurrentIndex(2);  // 02:30 did not exist: the row stays
  EXPECT_EQ(ZoneRow(), 21);
  EXPECT_TRUE(Note().contains("did not exist")) << Note().toStdString();

  SetMoment(1990, 1, 1, 12, 0);
  ChoosePlace("kathmandu");
  EXPECT_EQ(ZoneRow(), 21);  // no row has +05:45: the row stays
  EXPECT_TRUE(Note().contains("UTC+05:45")) << Note().toStdString();

  ChoosePlace("chicago");
  EXPECT_EQ(ZoneRow(), 21);
  List("cboTimeZone")->setCurrentIndex(22);  // by hand
  EXPECT_EQ(Note(), "");
  List("cboMonth")->setCurrentIndex(6);
  EXPECT_EQ(ZoneRow(), 22);

  ChoosePlace("chicago");
  Find<QLineEdit>("txtLatM")->setText("2");
  List("cboMonth")->setCurrentIndex(0);
  EXPECT_EQ(ZoneRow(), 18);
  EXPECT_EQ(Note(), "");
}

// Enter while the list shows chooses from it, typed as fast as QTest can; only an Enter with
// no list open casts the chart.
TEST_F(PlacePickerTest, EnterWhileTheListIsOpenChoosesAndNeverCasts) {
  FillPerson(1987);
  struct Case {
    const char* typed;
    int downs;  // 0: nothing highlighted, the first place is taken
  };
  for (const Case& c : {Case{"london", 0}, Case{"pune", 0}, Case{"springfield", 3}}) {
    SCOPED_TRACE(c.typed);
    QAbstractItemView* list = TypeCity(c.typed);
    ASSERT_TRUE(list && list->isVisible());
    for (int i = 0; i < c.downs; ++i) QTest::keyClick(Find("txtCity"), Qt::Key_Down);
    const QString label = list->model()->index(std::max(c.downs - 1, 0), 0).data().toString();
    QTest::keyClick(Find("txtCity"), Qt::Key_Enter);
    EXPECT_FALSE(list->isVisible());
    EXPECT_EQ(QStringList({Text("txtCity"), Text("txtState"), Text("txtCountry")}).join(", "),
              label);
    EXPECT_EQ(casts_, 0);
  }
  QTest::keyClick(Find("txtCity"), Qt::Key_Return);
  EXPECT_EQ(casts_, 1);
  EXPECT_EQ(session_.birth_data.BirthState, "Illinois");  // the third Springfield
}

TEST_F(PlacePickerTest, AnOffsetNoRowHasIsAskedAboutAndTheZoneUsedIsShown) {
  FillPerson(1901);
  ChoosePlace("pune", 0);
  ASSERT_EQ(ZoneRow(), 0);  // left as it was
  Cast();
  ASSERT_EQ(requests_.size(), 1u);
  EXPECT_EQ(requests_[0].text,
            "No zone of the list has the offset in force at Pune on 9 July 1901 (UTC+05:21:10). "
            "Cast the chart in Alaska/Hawaii Daylight Time,AHDT,-9.0 anyway?");
  EXPECT_EQ(requests_[0].buttons, MessageButtons::YesNo);
  EXPECT_EQ(requests_[0].title, "Quendal");
  EXPECT_EQ(casts_, 0);
  EXPECT_EQ(QApplication::focusWidget(), Find("cboTimeZone"));

  answer_ = MessageAnswer::Yes;
  Cast();
  EXPECT_EQ(casts_, 1);
  MDI window(session_);
  window.Display()->FillChart(session_.chart);
  EXPECT_EQ(window.findChild<QLabel*>("lblStatusZone")->text(),
            "Zone: Alaska/Hawaii Daylight Time,AHDT,-9.0 (UTC-09:00)");

  // A row chosen by hand is the user's: no question.
  List("cboTimeZone")->setCurrentIndex(34);
  Cast();
  EXPECT_EQ(casts_, 2);
  EXPECT_EQ(requests_.size(), 2u);
}

TEST_F(PlacePickerTest, FormerNamesFindThePlaceAndNoMatchSaysWhatToDo) {
  QAbstractItemView* list = TypeCity("bombay");
  ASSERT_TRUE(list && list->isVisible());
  EXPECT_EQ(list->model()->index(0, 0).data().toString(), "Mumbai (Bombay), Maharashtra, India");
  QTest::keyClick(Find("txtCity"), Qt::Key_Return);
  EXPECT_EQ(Text("txtCity"), "Mumbai");
  TypeCity("xyzzy");
  EXPECT_FALSE(list->isVisible());
  EXPECT_EQ(Note(),
            "No place in the atlas matches 'xyzzy'; type the coordinates and choose the zone.");
  TypeCity("pun");
  EXPECT_EQ(Note(), "");
}

TEST_F(PlacePickerTest, TickingDaylightSavingOnADaylightRowSaysSoWithoutBlocking) {
  FillPerson(1987);
  ChoosePlace("new york", 0);
  ASSERT_EQ(ZoneRow(), 24);  // Eastern Daylight Time holds the whole offset
  const QString twice = QString::fromUtf8(kDaylightTwiceNote);
  struct Case {
    int row;
    bool ticked;
    bool noted;
  };
  for (const Case& c : {Case{24, true, true}, Case{24, false, false}, Case{27, true, false},
                        Case{15, true, true}, Case{46, true, true}}) {
    SCOPED_TRACE(c.row);
    List("cboTimeZone")->setCurrentIndex(c.row);
    Find<QCheckBox>("chkDST")->setChecked(c.ticked);
    EXPECT_EQ(Note() == twice, c.noted) << Note().toStdString();
  }
  answer_ = MessageAnswer::Yes;
  Cast();
  EXPECT_EQ(casts_, 1);
  EXPECT_TRUE(requests_.empty());
}

}  // namespace
}  // namespace quendal
