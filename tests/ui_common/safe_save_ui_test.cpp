#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QIODevice>
#include <QImage>
#include <QTemporaryDir>
#include <memory>
#include <optional>
#include <vector>

#include "tests/file_size_limit.h"
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

using test::FileSizeLimit;

// A device node that refuses every write, made in dir where the system lets us (it then
// cannot harm the machine's own /dev/full if a save ever replaced it).
QString RefusingDevice(const QTemporaryDir& dir) {
  const QString node = dir.filePath("full");
  if (QFileInfo::exists(node)) return node;
  if (mknod(QFile::encodeName(node).constData(), S_IFCHR | 0600, makedev(1, 7)) == 0) return node;
  return QStringLiteral("/dev/full");
}

// Every save of the windows (reading file, export, JPEG) and of quendal-chart goes through
// here: each way a system refuses the bytes keeps the old file and names the system's reason.
TEST_F(SafeSaveTest, RefusedWritesKeepTheOldFileOrDeviceAndSayWhy) {
  const QByteArray bytes(4000, 'n');
  QImage image(300, 300, QImage::Format_RGB32);
  image.fill(Qt::white);
  const struct {
    const char* name;
    QString target;
    rlim_t size_limit;  // 0: none
    bool jpeg;
    const char* reason;
  } cases[] = {
      {"the last bytes over a size limit", dir_.filePath("limited.txt"), 1024, false,
       "File too large"},
      {"a JPEG over a size limit", dir_.filePath("limited.jpg"), 1024, true, "File too large"},
      {"a device", RefusingDevice(dir_), 0, false, "No space left on device"},
      {"a JPEG onto a device", RefusingDevice(dir_), 0, true, "No space left on device"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    messages_.clear();
    const bool regular = !QFileInfo(c.target).exists() || QFileInfo(c.target).isFile();
    if (regular) {
      ASSERT_TRUE(SaveBytesSafely(nullptr, c.target, "old contents"));
    }
    const QStringList files_before = QDir(dir_.path()).entryList(QDir::AllEntries | QDir::Hidden);
    std::optional<FileSizeLimit> limit;
    if (c.size_limit > 0) limit.emplace(c.size_limit);
    const bool saved = c.jpeg ? SaveJpegSafely(nullptr, c.target, image)
                              : SaveBytesSafely(nullptr, c.target, bytes);
    limit.reset();
    EXPECT_FALSE(saved);
    ExpectStopMessageNaming(c.target);
    if (!messages_.empty()) {
      EXPECT_TRUE(messages_[0].text.endsWith(c.reason)) << messages_[0].text.toStdString();
    }
    if (regular) {
      EXPECT_EQ(Contents(c.target), "old contents");
    } else {
      EXPECT_FALSE(QFileInfo(c.target).isFile());
    }
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::AllEntries | QDir::Hidden), files_before);
  }
}

TEST_F(SafeSaveTest, AFullFileSystemKeepsTheOldFile) {
  ASSERT_TRUE(QDir(dir_.path()).mkdir("small"));
  const QByteArray mount_point = QFile::encodeName(dir_.filePath("small"));
  if (mount("quendal-test", mount_point.constData(), "tmpfs", 0, "size=64k") != 0) {
    GTEST_SKIP() << "cannot mount a small file system here";
  }
  const std::unique_ptr<const char, void (*)(const char*)> unmount(
      mount_point.constData(), [](const char* point) { umount2(point, MNT_DETACH); });
  const QString path = dir_.filePath("small/reading.kdl");
  ASSERT_TRUE(SaveBytesSafely(nullptr, path, "old contents"));
  QFile filler(dir_.filePath("small/filler"));
  ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
  while (filler.write(QByteArray(512, 'f')) > 0) {
  }
  filler.close();
  EXPECT_FALSE(SaveBytesSafely(nullptr, path, QByteArray(4000, 'n')));
  ASSERT_NO_FATAL_FAILURE(ExpectStopMessageNaming(path));
  EXPECT_TRUE(messages_[0].text.endsWith("No space left on device"));
  EXPECT_EQ(Contents(path), "old contents");
}

TEST_F(SafeSaveTest, APipeIsWrittenWhereItIs) {
  const QString pipe = dir_.filePath("pipe");
  ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
  // Opened before the save and without waiting, so a save that misses the pipe cannot hang.
  const int reader = open(QFile::encodeName(pipe).constData(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(reader, 0);
  EXPECT_TRUE(SaveBytesSafely(nullptr, pipe, "through the pipe"));
  char received[64] = {};
  EXPECT_EQ(read(reader, received, sizeof received), 16);
  close(reader);
  EXPECT_STREQ(received, "through the pipe");
  EXPECT_FALSE(QFileInfo(pipe).isFile());
  EXPECT_TRUE(messages_.empty());
}

}  // namespace
}  // namespace quendal
