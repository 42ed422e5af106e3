// The match window offscreen, opened from the chart window's File menu with a saved reading.
#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <vector>

#include "birth/reading_file.h"
#include "chart_window/MDI.h"
#include "chart_window/match_window.h"
#include "tests/test_births.h"
#include "ui_common/file_dialogs.h"
#include "ui_common/message_box.h"

namespace quendal {
namespace {

// Sidereal Moons: the bride's in Cancer (Pushya: Deva, Brahmin), the groom's in Leo (Magha:
// Rakshasa, Kshatriya), so Varna and Gana change with the roles.
BirthData Bride() {
  BirthData birth = test::AtPlace(test::BirthAt(1990, 3, 7, 19, 0), 73, 52, true, 18, 31);
  birth.PersonName = "Asha Rao";
  birth.BirthCity = "Pune";
  birth.BirthState = "Maharashtra";
  birth.BirthCountry = "India";
  return birth;
}
BirthData Groom() {
  BirthData birth = test::AtPlace(test::BirthAt(1988, 3, 2, 12, 0), 77, 35, true, 12, 58);
  birth.PersonName = "Vikram Rao";
  birth.BirthCity = "Bangalore";
  birth.BirthState = "Karnataka";
  birth.BirthCountry = "India";
  return birth;
}

class MatchWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    session_.birth_data = Bride();
    SetMessageHandler([this](const MessageRequest& request) {
      messages_.push_back(request);
      return MessageAnswer::Ok;
    });
    SetFileDialogHandler([this](const FileDialogRequest& request) {
      asked_.push_back(request);
      return answer_;
    });
  }
  void TearDown() override {
    SetMessageHandler({});
    SetFileDialogHandler({});
    SetPrinterCheck({});
  }
  QString Write(const QString& name, const QByteArray& bytes) {
    QFile file(dir_.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return file.fileName();
  }
  MatchWindow* Open(const QString& path) {
    answer_ = path;
    window_.findChild<QAction*>("mnuMatch")->trigger();
    return window_.findChild<MatchWindow*>();
  }

  QTemporaryDir dir_;
  bool settings_cleared_ = (QSettings().clear(), true);
  ChartSession session_;
  MDI window_{session_};
  QString answer_;
  std::vector<FileDialogRequest> asked_;
  std::vector<MessageRequest> messages_;
};

TEST_F(MatchWindowTest, ARefusedReadingGivesTheFormsMessagesAndNoWindow) {
  BirthData stateless = Groom();
  stateless.BirthState.clear();
  const struct {
    QString path;
    QString message;
  } cases[] = {
      {Write("huge.kdl", QByteArray(70000, 'x')), "Please Check The File."},
      {Write("groom.txt", QByteArray::fromStdString(EncodeReading(Groom(), 29))),
       "Please Check The File."},
      {Write("stateless.kdl", QByteArray::fromStdString(EncodeReading(stateless, 29))),
       "Please Enter Your State name"},
  };
  for (const auto& c : cases) {
    messages_.clear();
    EXPECT_EQ(Open(c.path), nullptr) << c.path.toStdString();
    ASSERT_EQ(messages_.size(), 1u) << c.path.toStdString();
    EXPECT_EQ(messages_[0].text, c.message);
  }
  ASSERT_FALSE(asked_.empty());
  EXPECT_EQ(asked_[0].kind, FileDialogRequest::Kind::Open);
  EXPECT_EQ(asked_[0].filter, "Quendal Reading (*.kdl)");
}

TEST_F(MatchWindowTest, SwapKeepsTheSymmetricKootasAndTurnsTheDirectionalOnes) {
  const QString path = Write("groom.kdl", QByteArray::fromStdString(EncodeReading(Groom(), 29)));
  MatchWindow* match = Open(path);
  ASSERT_NE(match, nullptr);
  EXPECT_TRUE(match->isVisible());
  EXPECT_FALSE(match->isModal());
  EXPECT_EQ(match->Sheet().bride.name, "Asha Rao");
  const MatchResult before = match->Result();

  match->findChild<QPushButton*>("cmdSwap")->click();
  const MatchResult after = match->Result();
  EXPECT_EQ(match->Sheet().bride.name, "Vikram Rao");
  for (std::size_t k : {1u, 2u, 3u, 4u, 6u, 7u})
    EXPECT_EQ(after.kootas[k].points, before.kootas[k].points) << before.kootas[k].name;
  EXPECT_NE(after.kootas[0].points, before.kootas[0].points);  // Varna
  EXPECT_NE(after.kootas[5].points, before.kootas[5].points);  // Gana
  EXPECT_EQ(after.total - before.total, (after.kootas[0].points - before.kootas[0].points) +
                                            (after.kootas[5].points - before.kootas[5].points));
  EXPECT_EQ(after.bride_mars, before.groom_mars);

  // Choosing again renews the one window, with the chart on screen the bride again.
  EXPECT_EQ(Open(path), match);
  EXPECT_EQ(window_.findChildren<MatchWindow*>().size(), 1);
  EXPECT_EQ(match->Sheet().bride.name, "Asha Rao");
}

TEST_F(MatchWindowTest, SavesThePageAsPdfAndNamesItWhenNoPrinterIsThere) {
  MatchWindow* match =
      Open(Write("groom.kdl", QByteArray::fromStdString(EncodeReading(Groom(), 29))));
  ASSERT_NE(match, nullptr);
  answer_ = dir_.filePath("match.pdf");
  match->findChild<QAction*>("mnuSaveAsPdf")->trigger();
  QFile pdf(answer_);
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
  EXPECT_TRUE(pdf.read(5) == "%PDF-");

  SetPrinterCheck([] { return false; });
  messages_.clear();
  match->findChild<QAction*>("mnuPrint")->trigger();
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0].text,
            "No printer is installed, so the match cannot be printed. To keep it as a file, "
            "choose File > Save As PDF.");
}

}  // namespace
}  // namespace quendal
