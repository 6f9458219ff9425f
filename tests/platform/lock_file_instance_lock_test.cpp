#include "platform/lock_file_instance_lock.h"

#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using lumo::platform::LockFileInstanceLock;

class LockFileInstanceLockTest : public ::testing::Test {
protected:
    QTemporaryDir folder;
    QString path = folder.filePath(QStringLiteral("lumo.lock"));
};

TEST_F(LockFileInstanceLockTest, TheFirstCopyRunsAndALaterOneIsRefusedWhileItHoldsTheLock)
{
    LockFileInstanceLock first(path);
    LockFileInstanceLock second(path);
    EXPECT_FALSE(first.anotherInstanceRunning());
    EXPECT_TRUE(second.anotherInstanceRunning());
    // The answer is taken once and kept for the life of the copy.
    EXPECT_FALSE(first.anotherInstanceRunning());
    EXPECT_TRUE(QFile::exists(path));
}

TEST_F(LockFileInstanceLockTest, ReleaseRemovesTheLockSoTheNextStartRuns)
{
    LockFileInstanceLock first(path);
    ASSERT_FALSE(first.anotherInstanceRunning());
    first.release();
    EXPECT_FALSE(QFile::exists(path));
    LockFileInstanceLock next(path);
    EXPECT_FALSE(next.anotherInstanceRunning());
}

TEST_F(LockFileInstanceLockTest, ARefusedCopyReleasingLeavesTheRunningCopysLock)
{
    LockFileInstanceLock running(path);
    LockFileInstanceLock refused(path);
    ASSERT_FALSE(running.anotherInstanceRunning());
    ASSERT_TRUE(refused.anotherInstanceRunning());
    refused.release();
    EXPECT_TRUE(QFile::exists(path));
    LockFileInstanceLock third(path);
    EXPECT_TRUE(third.anotherInstanceRunning());
}

TEST_F(LockFileInstanceLockTest, ALockLeftByACopyThatDiedDoesNotStopTheNextStart)
{
    // A lock file naming a process that no longer exists, as after kill -9.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    QFile stale(path);
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write(QByteArray::number(child) + "\nlumo-soul-urge-number\n" +
                QSysInfo::machineHostName().toUtf8() + "\n");
    stale.close();

    LockFileInstanceLock next(path);
    EXPECT_FALSE(next.anotherInstanceRunning());
}

TEST_F(LockFileInstanceLockTest, AnUnusableFolderLetsTheProgramRun)
{
    LockFileInstanceLock lock(folder.filePath(QStringLiteral("no/such/folder/lumo.lock")));
    EXPECT_FALSE(lock.anotherInstanceRunning());
}

} // namespace
