// "Click here to find Latitude && Longitude" on the real birth-data form, fields typed by keys.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMap>
#include <QPushButton>
#include <QTest>
#include <vector>

#include "birth/chart_session.h"
#include "birth/frmMain.h"
#include "moc_url_recorder.cpp"
#include "shell/web_addresses.h"
#include "ui_common/message_box.h"
#include "url_recorder.h"

namespace quendal {
namespace {

class LookupOnForm : public ::testing::Test {
 protected:
  void SetUp() override {
    SetMessageHandler([this](const MessageRequest& request) {
      messages_.push_back(request);
      return MessageAnswer::Ok;
    });
    form_.show();
    QApplication::setActiveWindow(&form_);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form_));
  }
  void TearDown() override { SetMessageHandler({}); }

  QLineEdit* Field(const char* name) {
    auto* field = form_.findChild<QLineEdit*>(QLatin1String(name));
    EXPECT_NE(field, nullptr) << name;
    return field;
  }

  void Type(const char* name, const QString& text) {
    QLineEdit* field = Field(name);
    field->clear();
    field->setFocus();
    QTest::keyClicks(field, text);
  }

  QMap<QString, QString> FieldTexts() const {
    QMap<QString, QString> texts;
    for (const QLineEdit* field : form_.findChildren<QLineEdit*>()) {
      texts.insert(field->objectName(), field->text());
    }
    return texts;
  }

  void ClickLookup() {
    QTest::mouseClick(form_.findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
  }

  ChartSession session_;
  frmMain form_{session_};
  std::vector<MessageRequest> messages_;
  test::UrlRecorder browser_;
};

TEST_F(LookupOnForm, CityStateAndCountryAreCheckedInThatOrder) {
  struct Step {
    const char* type_into;  // filled before the click; the next check then fails
    const char* text;
    const char* message;
    const char* focus;
  };
  const Step steps[] = {
      {nullptr, nullptr, "Please Enter City", "txtCity"},
      {"txtCity", "Pune", "Please Enter State", "txtState"},
      {"txtState", "Maharashtra", "Please Enter Country", "txtCountry"},
  };
  // The name and the coordinates play no part in the lookup.
  Type("txtName", "Asha");
  for (const Step& step : steps) {
    if (step.type_into) Type(step.type_into, step.text);
    Field("txtName")->setFocus();
    messages_.clear();
    const QMap<QString, QString> before = FieldTexts();
    ClickLookup();
    ASSERT_EQ(messages_.size(), 1u) << step.message;
    EXPECT_EQ(messages_[0].text, step.message);
    EXPECT_EQ(messages_[0].icon, MessageIcon::Stop);
    EXPECT_EQ(messages_[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(messages_[0].title, "Quendal");
    EXPECT_EQ(QApplication::focusWidget(), Field(step.focus)) << step.message;
    EXPECT_EQ(FieldTexts(), before);
  }
  EXPECT_TRUE(browser_.Opened().isEmpty());
}

TEST_F(LookupOnForm, SearchesForThePlaceAsTypedAndLeavesTheFormAlone) {
  Type("txtName", "Asha");
  Type("txtLatD", "18");
  Type("txtCity", "New  York");
  Type("txtState", "New York ");
  Type("txtCountry", " United States");
  const QMap<QString, QString> before = FieldTexts();
  ClickLookup();
  EXPECT_TRUE(messages_.empty());
  EXPECT_EQ(
      browser_.Opened(),
      QStringList{QLatin1String(kCoordinateSearchUrl) +
                  "New%20%20York%20New%20York%20%20%20United%20States%20Latitude%20Longitude"});
  EXPECT_EQ(FieldTexts(), before);
  // A second click searches again.
  ClickLookup();
  EXPECT_EQ(browser_.Opened().size(), 2);
}

}  // namespace
}  // namespace quendal
