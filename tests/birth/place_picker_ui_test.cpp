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
#include "ui_common/message_box.h"

namespace quendal {
namespace {

class PlacePickerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetMessageHandler([this](const MessageRequest& request) {
      messages_ << request.text;
      return MessageAnswer::Ok;
    });
    form_ = std::make_unique<frmMain>(session_);
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

  ChartSession session_;
  std::unique_ptr<frmMain> form_;
  QStringList messages_;
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

}  // namespace
}  // namespace quendal
