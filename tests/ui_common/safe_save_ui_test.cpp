#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QIODevice>
#include <QTemporaryDir>
#include <vector>

#include "ui_common/message_box.h"
#include "ui_common/safe_save.h"

namespace quendal {
namespace {

class SafeSaveTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    SetMessageHandler([this](const MessageRequest& request) {
      messages_.push_back(request);
      return MessageAnswer::Ok;
    });
  }
  void TearDown() override { SetMessageHandler({}); }
  QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  void ExpectStopMessageNaming(const QString& path) {
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].icon, MessageIcon::Stop);
    EXPECT_EQ(messages_[0].title, "Quendal");
    EXPECT_TRUE(messages_[0].text.contains(QDir::toNativeSeparators(path)));
    // The reason stands on its own line after the file name.
    EXPECT_FALSE(messages_[0].text.section('\n', 1).trimmed().isEmpty());
  }

  QTemporaryDir dir_;
  std::vector<MessageRequest> messages_;
};

TEST_F(SafeSaveTest, ReplacesAnExistingFileWholeAndSilently) {
  const QString path = dir_.filePath("chart.txt");
  ASSERT_TRUE(SaveBytesSafely(nullptr, path, "first version, longer"));
  ASSERT_TRUE(SaveBytesSafely(nullptr, path, "second"));
  EXPECT_EQ(Contents(path), "second");
  EXPECT_TRUE(messages_.empty());
}

TEST_F(SafeSaveTest, AWriteThatFailsHalfwayKeepsTheOldFileAndLeavesNoTemporary) {
  const QString path = dir_.filePath("chart.txt");
  ASSERT_TRUE(SaveBytesSafely(nullptr, path, "old contents"));
  const bool saved = SaveSafely(nullptr, path, [](QIODevice& device, QString& reason) {
    device.write("half of the new");
    reason = "disk full";
    return false;
  });
  EXPECT_FALSE(saved);
  EXPECT_EQ(Contents(path), "old contents");
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"chart.txt"});
  ExpectStopMessageNaming(path);
  EXPECT_TRUE(messages_[0].text.contains("disk full"));
}

TEST_F(SafeSaveTest, UnwritablePlacesAreReported) {
  // Tests run as root, so permissions cannot make a folder read-only; a regular file where
  // the folder should be, or a folder where the file should be, fails for everyone.
  const QString blocker = dir_.filePath("not_a_folder");
  ASSERT_TRUE(SaveBytesSafely(nullptr, blocker, "x"));
  const QString under_file = blocker + "/chart.txt";
  EXPECT_FALSE(SaveBytesSafely(nullptr, under_file, "data"));
  ExpectStopMessageNaming(under_file);

  messages_.clear();
  ASSERT_TRUE(QDir(dir_.path()).mkdir("taken.txt"));
  const QString folder_in_way = dir_.filePath("taken.txt");
  EXPECT_FALSE(SaveBytesSafely(nullptr, folder_in_way, "data"));
  ExpectStopMessageNaming(folder_in_way);
  EXPECT_TRUE(QFileInfo(folder_in_way).isDir());
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"not_a_folder"});
}

}  // namespace
}  // namespace quendal
