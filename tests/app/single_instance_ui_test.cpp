// Two real copies of the program: the second refuses to start, and a crashed copy's lock does
// not block the next start.
#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include "tests/test_data.h"

namespace quendal {
namespace {

constexpr int kAlreadyRunningExitCode = 3;

class SingleInstanceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(home_.isValid());
    program_ = QString::fromStdString(test::BinaryPath("app/quendal"));
    ASSERT_TRUE(QFile::exists(program_)) << "build the quendal target first";
  }

  void TearDown() override {
    for (QProcess* process : started_) {
      process->kill();
      process->waitForFinished(5000);
      delete process;
    }
  }

  QProcess* Launch() {
    auto* process = new QProcess;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("QUENDAL_LOCK_DIR", home_.filePath("lock"));
    environment.insert("QUENDAL_MESSAGES_TO_STDERR", "1");
    // Settings the program writes (the update reminder) stay out of the user's home.
    environment.insert("HOME", home_.path());
    environment.insert("XDG_CONFIG_HOME", home_.filePath("config"));
    process->setProcessEnvironment(environment);
    process->start(program_, {});
    started_.push_back(process);
    EXPECT_TRUE(process->waitForStarted(5000));
    return process;
  }

  // Waits until the lock file names the given process as its holder.
  bool WaitForLockHeldBy(const QProcess* holder) {
    const QDeadlineTimer deadline(10000);
    while (!deadline.hasExpired()) {
      QLockFile lock(LockPath());
      qint64 pid = 0;
      QString host, application;
      if (lock.getLockInfo(&pid, &host, &application) && pid == holder->processId()) return true;
      QThread::msleep(20);
    }
    return false;
  }

  QString LockPath() const { return home_.filePath("lock/quendal.lock"); }

  QTemporaryDir home_;
  QString program_;
  std::vector<QProcess*> started_;
};

TEST_F(SingleInstanceTest, ASecondCopyRefusesAndLeavesTheFirstRunning) {
  QProcess* first = Launch();
  ASSERT_TRUE(WaitForLockHeldBy(first));

  QProcess* second = Launch();
  ASSERT_TRUE(second->waitForFinished(10000));
  EXPECT_EQ(second->exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(second->exitCode(), kAlreadyRunningExitCode);
  EXPECT_TRUE(
      second->readAllStandardError().contains("quendal: message: Application is already running"));

  EXPECT_EQ(first->state(), QProcess::Running);
  EXPECT_FALSE(first->readAllStandardError().contains("quendal: message:"));
}

TEST_F(SingleInstanceTest, TheLockOfACrashedCopyDoesNotBlock) {
  QProcess* crashed = Launch();
  ASSERT_TRUE(WaitForLockHeldBy(crashed));
  crashed->kill();  // no chance to remove its lock file
  ASSERT_TRUE(crashed->waitForFinished(5000));
  ASSERT_TRUE(QFile::exists(LockPath()));

  QProcess* next = Launch();
  EXPECT_TRUE(WaitForLockHeldBy(next)) << next->readAllStandardError().toStdString();
  EXPECT_EQ(next->state(), QProcess::Running);
}

}  // namespace
}  // namespace quendal
