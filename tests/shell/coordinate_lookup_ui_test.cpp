#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QVBoxLayout>
#include <vector>

#include "moc_url_recorder.cpp"
#include "shell/coordinate_lookup.h"
#include "ui_common/message_box.h"
#include "url_recorder.h"

namespace quendal {
namespace {

// A stand-in for the birth-data form: the lookup only knows its fields by name.
class CoordinateLookup : public ::testing::Test {
 protected:
  void SetUp() override {
    auto* layout = new QVBoxLayout(&form_);
    for (const char* name : {"txtName", "txtCity", "txtState", "txtCountry"}) {
      auto* field = new QLineEdit(&form_);
      field->setObjectName(QLatin1String(name));
      layout->addWidget(field);
    }
    form_.show();
    SetMessageHandler([this](const MessageRequest& request) {
      messages_.push_back(request);
      return MessageAnswer::Ok;
    });
  }
  void TearDown() override { SetMessageHandler({}); }

  QLineEdit* Field(const char* name) { return form_.findChild<QLineEdit*>(QLatin1String(name)); }
  void Fill(const QString& city, const QString& state, const QString& country) {
    Field("txtCity")->setText(city);
    Field("txtState")->setText(state);
    Field("txtCountry")->setText(country);
  }

  QWidget form_;
  std::vector<MessageRequest> messages_;
  test::UrlRecorder browser_;
};

TEST_F(CoordinateLookup, FirstEmptyPlaceFieldIsReportedAndFocused) {
  struct Case {
    const char* city;
    const char* state;
    const char* country;
    const char* message;
    const char* focus;
  };
  for (const Case c : {Case{"", "", "", "Please Enter City", "txtCity"},
                       Case{"", "Maharashtra", "India", "Please Enter City", "txtCity"},
                       Case{"Pune", "", "", "Please Enter State", "txtState"},
                       Case{"Pune", "Maharashtra", "", "Please Enter Country", "txtCountry"}}) {
    Fill(c.city, c.state, c.country);
    Field("txtName")->setFocus();
    messages_.clear();
    EXPECT_FALSE(LookUpCoordinates(&form_));
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].text, c.message);
    EXPECT_EQ(messages_[0].icon, MessageIcon::Stop);
    EXPECT_EQ(messages_[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(form_.focusWidget(), Field(c.focus)) << c.message;
  }
  EXPECT_TRUE(browser_.Opened().isEmpty());
}

TEST_F(CoordinateLookup, OpensOneSearchForTheQueryAndLeavesTheFieldsAlone) {
  Fill("Pune", "Maharashtra", "India");
  EXPECT_TRUE(LookUpCoordinates(&form_));
  EXPECT_TRUE(messages_.empty());
  EXPECT_EQ(
      browser_.Opened(),
      QStringList{"https://duckduckgo.com/?q=Pune%20Maharashtra%20India%20Latitude%20Longitude"});
  EXPECT_EQ(Field("txtCity")->text(), "Pune");
  EXPECT_EQ(Field("txtState")->text(), "Maharashtra");
  EXPECT_EQ(Field("txtCountry")->text(), "India");
}

TEST_F(CoordinateLookup, BlanksAreTextSoTheyPassAndReachTheSearchAsTyped) {
  Fill(" ", "New  York", "USA ");
  EXPECT_TRUE(LookUpCoordinates(&form_));
  EXPECT_TRUE(messages_.empty());
  EXPECT_EQ(
      browser_.Opened(),
      QStringList{"https://duckduckgo.com/?q=%20%20New%20%20York%20USA%20%20Latitude%20Longitude"});
}

TEST(CoordinateLookupUrl, EncodesCharactersThatWouldBreakTheQuery) {
  // Text the reading file puts into the fields is not filtered, so anything can arrive here.
  EXPECT_EQ(CoordinateLookupUrl("A&B #1+2=3 São").toString(QUrl::FullyEncoded),
            "https://duckduckgo.com/?q=A%26B%20%231%2B2%3D3%20S%C3%A3o");
}

}  // namespace
}  // namespace quendal
