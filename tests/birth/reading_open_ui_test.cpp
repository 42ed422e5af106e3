#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <vector>

#include "birth/reading_open.h"
#include "ui_common/file_dialogs.h"
#include "ui_common/message_box.h"

namespace quendal {
namespace {

class ReadingOpenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    SetMessageHandler([this](const MessageRequest& request) {
      messages_.push_back(request);
      return MessageAnswer::Ok;
    });
  }
  void TearDown() override {
    SetMessageHandler({});
    SetFileDialogHandler({});
  }
  QString Write(const QString& name, const std::vector<std::string>& lines, int shift) {
    QFile file(dir_.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    for (const auto& line : lines)
      file.write(QByteArray::fromStdString(ShiftEncode(line, shift) + "\r\n"));
    return file.fileName();
  }
  void ExpectRefused(FormValues& form, const QString& path) {
    const FormValues before = form;
    messages_.clear();
    EXPECT_FALSE(LoadReading(nullptr, path, form)) << path.toStdString();
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].text, "Please Check The File.");
    EXPECT_EQ(messages_[0].icon, MessageIcon::Stop);
    EXPECT_EQ(form, before);
  }

  QTemporaryDir dir_;
  std::vector<MessageRequest> messages_;
};

const std::vector<std::string> kFullReading = {
    "Asha Rao", "3",  "5",     "1980", "7", "30",        "45",        "77",   "35",
    "12",       "58", "False", "True", "1", "Bangalore", "Karnataka", "India"};

TEST_F(ReadingOpenTest, OpensAReadingWrittenWithAnotherShiftThroughTheDialog) {
  const QString path = Write("other.kdl", kFullReading, 5);
  FileDialogRequest asked;
  SetFileDialogHandler([&](const FileDialogRequest& request) {
    asked = request;
    return path;
  });
  FormValues form = InitialFormValues();
  EXPECT_TRUE(OpenReading(nullptr, form));
  EXPECT_EQ(asked.kind, FileDialogRequest::Kind::Open);
  EXPECT_EQ(asked.title, "Select the source file");
  EXPECT_EQ(asked.filter, "Quendal (*.kdl)");
  EXPECT_EQ(asked.default_suffix, "kdl");
  EXPECT_TRUE(messages_.empty());

  EXPECT_EQ(form.txtName, "Asha Rao");
  EXPECT_EQ(form.MonthPosition, 2);
  EXPECT_EQ(form.DayText, "5");
  EXPECT_EQ(form.YearText, "1980");
  EXPECT_EQ(form.HourText, "7");
  EXPECT_EQ(form.MinuteText, "30");
  EXPECT_EQ(form.ZoneRow, 45);
  EXPECT_EQ(form.txtLonD, "77");
  EXPECT_EQ(form.txtLatM, "58");
  EXPECT_FALSE(form.LongitudeIsEast);
  EXPECT_TRUE(form.LatitudeIsSouth);
  EXPECT_TRUE(form.DaylightSaving);
  EXPECT_EQ(form.txtCountry, "India");

  SetFileDialogHandler([](const FileDialogRequest&) { return QString(); });
  const FormValues opened = form;
  EXPECT_FALSE(OpenReading(nullptr, form));
  EXPECT_EQ(form, opened);
  EXPECT_TRUE(messages_.empty());
}

TEST_F(ReadingOpenTest, RefusedFilesLeaveTheFormAsItWas) {
  FormValues form = InitialFormValues();
  form.txtName = "Typed Before";
  form.YearText = "1911";
  ExpectRefused(form, Write("READING.KDL", kFullReading, ReadingShift));
  ExpectRefused(form, dir_.filePath("missing.kdl"));
  auto year_1899 = kFullReading;
  year_1899[3] = "1899";
  ExpectRefused(form, Write("old.kdl", year_1899, ReadingShift));
  auto zone_80 = kFullReading;
  zone_80[6] = "80";
  ExpectRefused(form, Write("zone.kdl", zone_80, ReadingShift));
  auto long_name = kFullReading;
  long_name[0] = std::string(kMaxReadingBytes, 'a');
  ExpectRefused(form, Write("long.kdl", long_name, ReadingShift));
}

TEST_F(ReadingOpenTest, FiveLineFileFillsWhatItHoldsAndEmptiesTheTextFields) {
  FormValues form = InitialFormValues();
  form.txtLatD = "12";
  form.txtCity = "Pune";
  form.MinuteText = "15";
  form.ZoneRow = 3;
  const std::vector<std::string> five(kFullReading.begin(), kFullReading.begin() + 5);
  EXPECT_TRUE(LoadReading(nullptr, Write("short.kdl", five, ReadingShift), form));
  EXPECT_TRUE(messages_.empty());
  EXPECT_EQ(form.txtName, "Asha Rao");
  EXPECT_EQ(form.HourText, "7");
  EXPECT_EQ(form.MinuteText, "15");
  EXPECT_EQ(form.ZoneRow, 3);
  // Validation then stops at the first of these, the latitude degrees.
  for (const std::string* text : {&form.txtLatD, &form.txtLatM, &form.txtLonD, &form.txtLonM,
                                  &form.txtCity, &form.txtState, &form.txtCountry}) {
    EXPECT_TRUE(text->empty());
  }
  EXPECT_FALSE(form.LongitudeIsEast);
  EXPECT_FALSE(form.LatitudeIsSouth);
  EXPECT_FALSE(form.DaylightSaving);
}

}  // namespace
}  // namespace quendal
