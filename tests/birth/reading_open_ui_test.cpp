#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <vector>

#include "birth/reading_open.h"
#include "ui_common/file_dialogs.h"
#include "ui_common/message_box.h"

namespace quendal {
namespace {

// The birth-data form's controls under their object names, with the form's list items.
class FakeForm : public QWidget {
 public:
  FakeForm() {
    for (const char* name : {"txtName", "txtLonD", "txtLonM", "txtLatD", "txtLatM", "txtCity",
                             "txtState", "txtCountry"}) {
      auto* field = new QLineEdit(this);
      field->setObjectName(name);
    }
    AddList("cboMonth", 1, 12);
    AddList("cboDate", 1, 31);
    AddList("cboYear", 1901, 2050);
    AddList("cboHour", 0, 23);
    AddList("cboMinute", 0, 59);
    AddList("cboTimeZone", 100, 170);
    AddPair("optLongEast_0", "optLongEast_1");
    AddPair("optLatSouth_0", "optLatSouth_1");
    (new QCheckBox(this))->setObjectName("chkDST");
  }
  QString Text(const char* name) const { return findChild<QLineEdit*>(name)->text(); }
  int Position(const char* name) const { return findChild<QComboBox*>(name)->currentIndex(); }
  bool Checked(const char* name) const { return findChild<QAbstractButton*>(name)->isChecked(); }
  void Set(const char* name, const QString& text) { findChild<QLineEdit*>(name)->setText(text); }
  void Select(const char* name, int position) {
    findChild<QComboBox*>(name)->setCurrentIndex(position);
  }

  // Every control's state, to show that a refused file changes nothing.
  QStringList State() const {
    QStringList state;
    for (auto* field : findChildren<QLineEdit*>()) state << field->text();
    for (auto* list : findChildren<QComboBox*>()) state << list->currentText();
    for (auto* button : findChildren<QAbstractButton*>())
      state << (button->isChecked() ? "1" : "0");
    return state;
  }

 private:
  void AddList(const char* name, int first, int last) {
    auto* list = new QComboBox(this);
    list->setObjectName(name);
    for (int item = first; item <= last; ++item) list->addItem(QString::number(item));
  }
  void AddPair(const char* first, const char* second) {
    auto* frame = new QWidget(this);
    (new QRadioButton(frame))->setObjectName(first);
    (new QRadioButton(frame))->setObjectName(second);
    findChild<QRadioButton*>(first)->setChecked(true);
  }
};

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
  void ExpectRefused(FakeForm& form, const QString& path) {
    const QStringList before = form.State();
    messages_.clear();
    EXPECT_FALSE(LoadReadingIntoForm(&form, path)) << path.toStdString();
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].text, "Please Check The File.");
    EXPECT_EQ(messages_[0].icon, MessageIcon::Stop);
    EXPECT_EQ(form.State(), before);
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
  FakeForm form;
  EXPECT_TRUE(OpenReading(&form));
  EXPECT_EQ(asked.kind, FileDialogRequest::Kind::Open);
  EXPECT_EQ(asked.title, "Select the source file");
  EXPECT_EQ(asked.filter, "Quendal (*.kdl)");
  EXPECT_EQ(asked.default_suffix, "kdl");
  EXPECT_TRUE(messages_.empty());

  EXPECT_EQ(form.Text("txtName"), "Asha Rao");
  EXPECT_EQ(form.Position("cboMonth"), 2);
  EXPECT_EQ(form.Position("cboDate"), 4);
  EXPECT_EQ(form.Position("cboYear"), 79);
  EXPECT_EQ(form.Position("cboHour"), 7);
  EXPECT_EQ(form.Position("cboMinute"), 30);
  EXPECT_EQ(form.Position("cboTimeZone"), 45);
  EXPECT_EQ(form.Text("txtLonD"), "77");
  EXPECT_EQ(form.Text("txtLatM"), "58");
  EXPECT_TRUE(form.Checked("optLongEast_1"));
  EXPECT_TRUE(form.Checked("optLatSouth_1"));
  EXPECT_TRUE(form.Checked("chkDST"));
  EXPECT_EQ(form.Text("txtCountry"), "India");

  SetFileDialogHandler([](const FileDialogRequest&) { return QString(); });
  EXPECT_FALSE(OpenReading(&form));
  EXPECT_TRUE(messages_.empty());
}

TEST_F(ReadingOpenTest, RefusedFilesLeaveTheFormAsItWas) {
  FakeForm form;
  form.Set("txtName", "Typed Before");
  form.Select("cboYear", 10);
  ExpectRefused(form, Write("READING.KDL", kFullReading, ReadingShift));
  ExpectRefused(form, dir_.filePath("missing.kdl"));
  auto year_1899 = kFullReading;
  year_1899[3] = "1899";
  ExpectRefused(form, Write("old.kdl", year_1899, ReadingShift));
  auto zone_80 = kFullReading;
  zone_80[6] = "80";
  ExpectRefused(form, Write("zone.kdl", zone_80, ReadingShift));
}

TEST_F(ReadingOpenTest, FiveLineFileFillsWhatItHoldsAndEmptiesTheTextFields) {
  FakeForm form;
  form.Set("txtLatD", "12");
  form.Set("txtCity", "Pune");
  form.Select("cboMinute", 15);
  form.Select("cboTimeZone", 3);
  const std::vector<std::string> five(kFullReading.begin(), kFullReading.begin() + 5);
  EXPECT_TRUE(LoadReadingIntoForm(&form, Write("short.kdl", five, ReadingShift)));
  EXPECT_TRUE(messages_.empty());
  EXPECT_EQ(form.Text("txtName"), "Asha Rao");
  EXPECT_EQ(form.Position("cboHour"), 7);
  EXPECT_EQ(form.Position("cboMinute"), 15);
  EXPECT_EQ(form.Position("cboTimeZone"), 3);
  // Validation then stops at the first of these, the latitude degrees.
  for (const char* name :
       {"txtLatD", "txtLatM", "txtLonD", "txtLonM", "txtCity", "txtState", "txtCountry"}) {
    EXPECT_TRUE(form.Text(name).isEmpty()) << name;
  }
  EXPECT_TRUE(form.Checked("optLongEast_1"));
  EXPECT_TRUE(form.Checked("optLatSouth_0"));
  EXPECT_FALSE(form.Checked("chkDST"));
}

}  // namespace
}  // namespace quendal
