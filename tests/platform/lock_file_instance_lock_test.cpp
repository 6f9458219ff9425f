#include "platform/lock_file_instance_lock.h"
#include "platform/lock_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <QTemporaryDir>
#include <array>
#include <gtest/gtest.h>
#include <sys/stat.h>
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
    EXPECT_TRUE(first.acquire());
    EXPECT_FALSE(second.acquire());
    // The answer is taken once and kept for the life of the copy.
    EXPECT_TRUE(first.acquire());
    EXPECT_TRUE(QFile::exists(path));
}

TEST_F(LockFileInstanceLockTest, ReleaseRemovesTheLockSoTheNextStartRuns)
{
    LockFileInstanceLock first(path);
    ASSERT_TRUE(first.acquire());
    first.release();
    EXPECT_FALSE(QFile::exists(path));
    LockFileInstanceLock next(path);
    EXPECT_TRUE(next.acquire());
}

TEST_F(LockFileInstanceLockTest, ARefusedCopyReleasingLeavesTheRunningCopysLock)
{
    LockFileInstanceLock running(path);
    LockFileInstanceLock refused(path);
    ASSERT_TRUE(running.acquire());
    ASSERT_FALSE(refused.acquire());
    refused.release();
    EXPECT_TRUE(QFile::exists(path));
    LockFileInstanceLock third(path);
    EXPECT_FALSE(third.acquire());
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
    EXPECT_TRUE(next.acquire());
}

TEST_F(LockFileInstanceLockTest, AnUnusableFolderLetsTheProgramRun)
{
    LockFileInstanceLock lock(folder.filePath(QStringLiteral("no/such/folder/lumo.lock")));
    EXPECT_TRUE(lock.acquire());
}

// Lock files that name no owner, as a crash between creating and writing one leaves.
TEST_F(LockFileInstanceLockTest, ALockWhoseOwnerCannotBeReadDoesNotStopTheNextStart)
{
    for (const QByteArray& content : {QByteArray(), QByteArray("garbage"), QByteArray("\n\n\n"),
                                      QByteArray("not-a-pid\nlumo\nhost\n")}) {
        QFile::remove(path);
        QFile planted(path);
        ASSERT_TRUE(planted.open(QIODevice::WriteOnly));
        planted.write(content);
        planted.close();

        LockFileInstanceLock next(path);
        EXPECT_TRUE(next.acquire()) << content.toStdString();
        // ... and the lock is now really held: a later copy is refused.
        LockFileInstanceLock later(path);
        EXPECT_FALSE(later.acquire()) << content.toStdString();
        next.release();
    }
}

// Copies that start together over an unreadable lock: exactly one runs.
TEST_F(LockFileInstanceLockTest, OfCopiesStartedTogetherOverAnUnreadableLockExactlyOneRuns)
{
    QFile planted(path);
    ASSERT_TRUE(planted.open(QIODevice::WriteOnly));
    planted.close();

    constexpr int kCopies = 3;
    std::array<int, 2> results{};
    ASSERT_EQ(::pipe(results.data()), 0);
    std::array<pid_t, kCopies> copies{};
    for (pid_t& copy : copies) {
        copy = fork();
        ASSERT_GE(copy, 0);
        if (copy == 0) {
            LockFileInstanceLock lock(path);
            const char answer = lock.acquire() ? 'R' : 'r';
            (void)::write(results[1], &answer, 1);
            ::sleep(2); // hold the lock while the others decide
            _exit(0);
        }
    }
    ::close(results[1]);
    std::string answers;
    char answer = 0;
    while (::read(results[0], &answer, 1) == 1) {
        answers += answer;
    }
    ::close(results[0]);
    for (const pid_t copy : copies) {
        int status = 0;
        EXPECT_EQ(waitpid(copy, &status, 0), copy);
    }
    ASSERT_EQ(answers.size(), std::size_t{kCopies});
    EXPECT_EQ(std::count(answers.begin(), answers.end(), 'R'), 1) << answers;
}

// Where the lock goes: the runtime folder when only this user can write to it, else a private
// folder named by the user id; never a folder, file or link that someone else has planted.
class LockFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_runtime = qgetenv("XDG_RUNTIME_DIR");
        m_tmp = qgetenv("TMPDIR");
        ASSERT_TRUE(root.isValid());
        qputenv("TMPDIR", QFile::encodeName(root.filePath(QStringLiteral("tmp"))));
        ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("tmp")));
    }
    void TearDown() override
    {
        qputenv("XDG_RUNTIME_DIR", m_runtime);
        qputenv("TMPDIR", m_tmp);
    }
    [[nodiscard]] QString privateFolder() const
    {
        return root.filePath(QStringLiteral("tmp/lumo-soul-urge-number-%1").arg(::getuid()));
    }
    [[nodiscard]] QString makeFolder(const char* name, mode_t mode) const
    {
        const QString path = root.filePath(QLatin1String(name));
        EXPECT_EQ(::mkdir(QFile::encodeName(path).constData(), mode), 0);
        EXPECT_EQ(::chmod(QFile::encodeName(path).constData(), mode), 0);
        return path;
    }

    QTemporaryDir root;

private:
    QByteArray m_runtime;
    QByteArray m_tmp;
};

TEST_F(LockFolderTest, APrivateRuntimeFolderIsUsed)
{
    const QString runtime = makeFolder("runtime", 0700);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
    EXPECT_EQ(lumo::platform::privateLockFolder(), runtime);
    EXPECT_EQ(LockFileInstanceLock::defaultPath(QStringLiteral("app")),
              runtime + QStringLiteral("/app.lock"));
}

TEST_F(LockFolderTest, WithoutARuntimeFolderTheLockGoesToAFolderOnlyTheUserOwns)
{
    qunsetenv("XDG_RUNTIME_DIR");
    EXPECT_EQ(lumo::platform::privateLockFolder(), privateFolder());
    struct stat info {};
    ASSERT_EQ(::lstat(QFile::encodeName(privateFolder()).constData(), &info), 0);
    EXPECT_TRUE(S_ISDIR(info.st_mode));
    EXPECT_EQ(info.st_mode & 0777, 0700U);
    EXPECT_EQ(info.st_uid, ::getuid());
    // The same folder next time, and the same lock: one copy at a time still.
    EXPECT_EQ(lumo::platform::privateLockFolder(), privateFolder());
}

TEST_F(LockFolderTest, ARuntimeFolderOthersMayWriteToIsPassedOver)
{
    const QString shared = makeFolder("shared", 0777);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(shared));
    EXPECT_EQ(lumo::platform::privateLockFolder(), privateFolder());
}

TEST_F(LockFolderTest, APlantedLinkOrFileInThePrivateFoldersPlaceIsNeverUsed)
{
    qunsetenv("XDG_RUNTIME_DIR");
    const QString elsewhere = makeFolder("elsewhere", 0700);
    ASSERT_EQ(::symlink(QFile::encodeName(elsewhere).constData(),
                        QFile::encodeName(privateFolder()).constData()),
              0);
    EXPECT_EQ(lumo::platform::privateLockFolder(), QString());
    EXPECT_EQ(LockFileInstanceLock::defaultPath(QStringLiteral("app")), QString());
    LockFileInstanceLock lock(LockFileInstanceLock::defaultPath(QStringLiteral("app")));
    EXPECT_TRUE(lock.acquire()); // a planted name keeps no one from running
    EXPECT_TRUE(QDir(elsewhere).isEmpty());

    ASSERT_EQ(::unlink(QFile::encodeName(privateFolder()).constData()), 0);
    QFile planted(privateFolder());
    ASSERT_TRUE(planted.open(QIODevice::WriteOnly));
    planted.close();
    EXPECT_EQ(lumo::platform::privateLockFolder(), QString());
}

TEST_F(LockFolderTest, AReadOnlyRuntimeFolderFallsBackToThePrivateFolder)
{
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root may write to any folder";
    }
    const QString readOnly = makeFolder("read-only", 0500);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(readOnly));
    EXPECT_EQ(lumo::platform::privateLockFolder(), privateFolder());
}

} // namespace
