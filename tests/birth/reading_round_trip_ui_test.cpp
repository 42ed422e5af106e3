// Reading files through the real windows: saved from the chart window, opened from the form.
#include <QJsonArray>
#include <QLabel>

#include "birth/reading_file.h"
#include "tests/app/running_program.h"

namespace quendal {
namespace {

using test::FileBytes;
using test::GoldenChartById;

class ReadingRoundTrip : public test::RunningProgram {
 protected:
  // The chart window shows the golden chart of id: positions, house cells and sign signs.
  void ExpectChartShown(int id) {
    ASSERT_NE(Display(), nullptr);
    const QJsonObject& expected = GoldenChartById(id).expected;
    const auto text = [this](const QString& name) {
      auto* label = Display()->findChild<QLabel*>(name);
      return label ? label->text() : QStringLiteral("<none>");
    };
    for (int i = 0; i < 10; ++i) {
      EXPECT_EQ(text(QStringLiteral("Planet_%1").arg(i)),
                expected["table"].toArray()[i].toString());
    }
    for (int h = 0; h < 12; ++h) {
      EXPECT_EQ(text(QStringLiteral("lblNatal_%1").arg(h)).remove(QStringLiteral(" (R) ")),
                expected["house_cells"].toArray()[h].toString())
          << "house " << h + 1;
    }
    EXPECT_EQ(text("lblLagna"), expected["SunSign"].toString());
    EXPECT_EQ(text("lblRashi"), expected["MoonSignName"].toString());
  }

  QString WriteReading(const QString& name, const std::vector<std::string>& lines, int shift) {
    QFile file(dir_.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    for (const auto& line : lines) {
      file.write(QByteArray::fromStdString(ShiftEncode(line, shift)) + "\r\n");
    }
    return file.fileName();
  }
};

TEST_F(ReadingRoundTrip, ASavedReadingOpensToTheSameEntryAndChart) {
  // South, West and daylight saving, so every flag and list travels away from its default.
  const QJsonObject& first = GoldenChartById(0).input;
  Enter(first, "  " + first["PersonName"].toString() + " ");
  Calculate();
  ASSERT_NE(Window(), nullptr) << MessageTexts().join('|').toStdString();
  const BirthData stored = program_->Session().birth_data;
  Field("txtName")->setText(first["PersonName"].toString());  // how it comes back: trimmed
  const QStringList entered = FormState();

  answers_ = {dir_.filePath("asha.kdl"), dir_.filePath("again.kdl")};
  Menu("mnuSaveAsText");
  ToolbarButton("Save");
  ASSERT_EQ(asked_.size(), 2u);
  EXPECT_EQ(asked_[1].initial_path, dir_.filePath("asha.kdl"));
  const QByteArray saved = FileBytes(dir_.filePath("asha.kdl"));
  EXPECT_EQ(saved.count("\r\n"), 17);
  EXPECT_EQ(saved.toStdString(), EncodeReading(stored, first["ZoneRow"].toInt()));
  EXPECT_EQ(FileBytes(dir_.filePath("again.kdl")), saved);

  Back();
  Enter(GoldenChartById(1).input);
  ASSERT_NE(FormState(), entered);
  answers_ = {dir_.filePath("asha.kdl")};
  Open();
  EXPECT_TRUE(messages_.empty()) << MessageTexts().join('|').toStdString();
  EXPECT_EQ(FormState(), entered);
  EXPECT_EQ(program_->Session().birth_data, stored);
  EXPECT_EQ(program_->Session().zone_row, first["ZoneRow"].toInt());
  EXPECT_FALSE(form_->isVisible());
  ExpectChartShown(0);
}

TEST_F(ReadingRoundTrip, AReadingWrittenWithAnotherShiftOpens) {
  const QJsonObject& input = GoldenChartById(33).input;
  const auto number = [&](const char* key) { return std::to_string(input[key].toInt()); };
  const auto flag = [&](const char* key) { return input[key].toBool() ? "TRUE" : "0"; };
  const auto text = [&](const char* key) { return input[key].toString().toStdString(); };
  answers_ = {WriteReading(
      "elsewhere.kdl",
      {text("PersonName"), number("BirthMonth"), number("BirthDay"), number("BirthYear"),
       number("BirthHour"), number("BirthMinute"), number("ZoneRow"), number("LongitudeDegrees"),
       number("LongitudeMinutes"), number("LatitudeDegrees"), number("LatitudeMinutes"),
       input["LongitudeIsEast"].toBool() ? "True" : "False", flag("LatitudeIsSouth"),
       flag("DaylightSaving"), text("BirthCity"), text("BirthState"), text("BirthCountry")},
      63)};
  Open();
  EXPECT_TRUE(messages_.empty()) << MessageTexts().join('|').toStdString();
  ExpectChartShown(33);
}

TEST_F(ReadingRoundTrip, RefusedAndTruncatedFilesKeepTheFormInView) {
  const std::vector<std::string> lines = {
      "Asha Rao", "7",  "9",    "1984",  "5",     "40",   "34",          "73",   "52",
      "18",       "31", "True", "False", "False", "Pune", "Maharashtra", "India"};
  Field("txtName")->setText("Typed Before");
  List("cboYear")->setCurrentIndex(20);
  const QStringList before = FormState();
  answers_ = {WriteReading("READING.KDL", lines, ReadingShift)};
  Open();
  EXPECT_EQ(MessageTexts(), QStringList{"Please Check The File."});
  EXPECT_EQ(messages_[0].icon, MessageIcon::Stop);
  EXPECT_EQ(FormState(), before);
  EXPECT_EQ(Window(), nullptr);

  messages_.clear();
  const std::vector<std::string> five(lines.begin(), lines.begin() + 5);
  answers_ = {WriteReading("short.kdl", five, ReadingShift)};
  Open();
  EXPECT_EQ(MessageTexts(), QStringList{"Please Enter Degree of Latitude"});
  EXPECT_EQ(Window(), nullptr);
  EXPECT_TRUE(form_->isVisible());
  EXPECT_EQ(Field("txtName")->text(), "Asha Rao");
  EXPECT_EQ(List("cboYear")->currentText(), "1984");
  EXPECT_EQ(List("cboMinute")->currentText(), "0");  // no line: the list keeps its item
  EXPECT_TRUE(Field("txtLatD")->hasFocus());
}

}  // namespace
}  // namespace quendal
