#include "chart_window/jpeg_naming.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace quendal {
namespace {

void Touch(const QString& path) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
}

TEST(JpegNamingTest, WantedPathReplacesOnlyTheFileNamesExtension) {
  EXPECT_EQ(WantedJpegPath("/home/a/chart.jpg"), "/home/a/chart.jpg");
  EXPECT_EQ(WantedJpegPath("/home/a/my.chart.jpg"), "/home/a/my.chart.jpg");
  EXPECT_EQ(WantedJpegPath("/home/a/chart.png"), "/home/a/chart.jpg");
  EXPECT_EQ(WantedJpegPath("/home/My.Docs/chart"), "/home/My.Docs/chart.jpg");
  EXPECT_EQ(WantedJpegPath("/home/a/.hidden"), "/home/a/.hidden.jpg");
  EXPECT_EQ(WantedJpegPath("chart"), "chart.jpg");
}

TEST(JpegNamingTest, SplitPathAndTimeStamp) {
  std::string folder = "old";
  std::string name = "kept";
  SplitPath("chart.jpg", folder, name);
  EXPECT_EQ(folder, "old");
  EXPECT_EQ(name, "kept");
  SplitPath("//server/share/chart.jpg", folder, name);
  EXPECT_EQ(folder, "//server/share");
  EXPECT_EQ(name, "chart.jpg");

  const LocalTime at{2024, 3, 5, 7, 5, 9, 42};
  EXPECT_EQ(TimeStampText(false, at), "20240305070509042");
  EXPECT_EQ(TimeStampText(true, at), "20240305");
  EXPECT_EQ(TimeStampText(false).size(), 17u);
}

TEST(JpegNamingTest, FolderFormsAndEmptyNames) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const std::string root = dir.path().toStdString();
  JpegNameContext context;
  context.program_folder = root;
  context.clock = [] { return LocalTime{2024, 3, 5, 7, 5, 9, 42}; };

  EXPECT_EQ(UniqueJpegName("", "", context), root + "/20240305.jpg");
  EXPECT_EQ(UniqueJpegName(root + "//", "chart", context), root + "/chart.jpg");
  EXPECT_EQ(UniqueJpegName(root, "chart.bmp", context), root + "/chart.jpg");
  // A network share keeps both leading separators; doubled ones inside become one.
  EXPECT_EQ(UniqueJpegName("//server//share", "chart.jpg", context), "//server/share/chart.jpg");
}

TEST(JpegNamingTest, NumbersTakenNamesAndGivesUpAfter999) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const std::string root = dir.path().toStdString();
  std::string refused_name;
  JpegNameContext context;
  context.too_many_copies = [&refused_name](const std::string& name) { refused_name = name; };

  Touch(dir.filePath("my.chart.jpg"));
  EXPECT_EQ(UniqueJpegName(root, "my.chart.jpg", context), root + "/my.chart_001.jpg");
  // A folder in the way counts as taken.
  QDir(dir.path()).mkdir("my.chart_001.jpg");
  EXPECT_EQ(UniqueJpegName(root, "my.chart.jpg", context), root + "/my.chart_002.jpg");

  Touch(dir.filePath("x.jpg"));
  for (int k = 1; k <= 998; ++k) Touch(dir.filePath(QString("x_%1.jpg").arg(k, 3, 10, QChar('0'))));
  EXPECT_EQ(UniqueJpegName(root, "x.jpg", context), root + "/x_999.jpg");
  EXPECT_TRUE(refused_name.empty());
  Touch(dir.filePath("x_999.jpg"));
  EXPECT_EQ(UniqueJpegName(root, "x.jpg", context), "");
  EXPECT_EQ(refused_name, "x.jpg");
  EXPECT_EQ(TooManyCopiesText("x.jpg"), "There are too many Copies of this file  x.jpg");
  EXPECT_EQ(TooManyCopiesTitle("x.jpg"), " UNABLE  TO  CREATE  NEW  FILEx.jpg");
}

}  // namespace
}  // namespace quendal
