#include "platform/lock_file_instance_lock.h"
#include "platform/lock_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <QTemporaryDir>
#include <array>
#include <csignal>
#include <grp.h>
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

TEST_F(LockFileInstanceLockTest, AnOrdinaryEndRemovesTheLockSoTheNextStartRuns)
{
    {
        LockFileInstanceLock first(path);
        ASSERT_TRUE(first.acquire());
    }
    EXPECT_FALSE(QFile::exists(path));
    LockFileInstanceLock next(path);
    EXPECT_TRUE(next.acquire());
}

TEST_F(LockFileInstanceLockTest, ARefusedCopyEndingLeavesTheRunningCopysLock)
{
    LockFileInstanceLock running(path);
    {
        LockFileInstanceLock refused(path);
        ASSERT_TRUE(running.acquire());
        ASSERT_FALSE(refused.acquire());
    }
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

namespace {

constexpr uid_t kNobody = 65534;
constexpr gid_t kNogroup = 65534;
constexpr int kBoundSeconds = 10;
constexpr int kHung = -1;

// The ordinary user the lock cases run as: root opens and changes any file whatever its mode,
// so as root they run as nobody, in a folder of nobody's.
struct User {
    uid_t uid;
    gid_t gid;
};

User ordinaryUser()
{
    return ::geteuid() == 0 ? User{kNobody, kNogroup} : User{::geteuid(), ::getegid()};
}

// Runs `job` in a child process as `user` and returns its exit status, or kHung when it has not
// ended within kBoundSeconds (it is then killed).
template <typename Job> int runAs(User user, Job job)
{
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0 &&
            (::setgroups(0, nullptr) != 0 || ::setresgid(user.gid, user.gid, user.gid) != 0 ||
             ::setresuid(user.uid, user.uid, user.uid) != 0)) {
            ::_exit(99);
        }
        ::_exit(job());
    }
    for (int tenth = 0; tenth < kBoundSeconds * 10; ++tenth) {
        int status = 0;
        if (::waitpid(child, &status, WNOHANG) == child) {
            return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        }
        ::usleep(100 * 1000);
    }
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    return kHung;
}

// 0 when a start takes the lock at `path` and a later one is then refused.
int startRunsAndHolds(const QString& path)
{
    LockFileInstanceLock next(path);
    if (!next.acquire()) {
        return 1;
    }
    LockFileInstanceLock later(path);
    return later.acquire() ? 2 : 0;
}

void owned(const QByteArray& path, User user)
{
    ASSERT_EQ(::lchown(path.constData(), user.uid, user.gid), 0) << path.constData();
}

void plantFile(const QByteArray& path, const QByteArray& content, mode_t mode)
{
    QFile file(QFile::decodeName(path));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    ASSERT_EQ(::chmod(path.constData(), mode), 0);
}

// What a copy that died, or someone else, left by the lock's name.
struct LeftBehind {
    const char* name;
    void (*make)(const QByteArray& lock, const QByteArray& bystander, User user);
    bool othersFile; // a file of another user's: only root can make one
};

class LockTakeover : public ::testing::TestWithParam<LeftBehind> {};

TEST_P(LockTakeover, TheNextStartRunsAndHoldsTheLock)
{
    const LeftBehind& left = GetParam();
    const User user = ordinaryUser();
    if (left.othersFile && ::geteuid() != 0) {
        GTEST_SKIP() << "only root can leave a file of another user in this user's folder";
    }
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QByteArray native = QFile::encodeName(folder.path());
    ASSERT_EQ(::chown(native.constData(), user.uid, user.gid), 0);
    const QByteArray lock = QFile::encodeName(folder.filePath(QStringLiteral("lumo.lock")));
    const QByteArray bystander = QFile::encodeName(folder.filePath(QStringLiteral("notes")));
    plantFile(bystander, "my notes\n", 0600);
    owned(bystander, user);
    left.make(lock, bystander, user);

    EXPECT_EQ(runAs(user, [&] { return startRunsAndHolds(QFile::decodeName(lock)); }), 0);
    QFile notes(QFile::decodeName(bystander));
    ASSERT_TRUE(notes.open(QIODevice::ReadOnly));
    EXPECT_EQ(notes.readAll(), QByteArray("my notes\n")); // a link's target is never touched
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LockTakeover,
    ::testing::Values(
        LeftBehind{"ReadOnlyAsUnderUmask0222",
                   [](const QByteArray& lock, const QByteArray&, User user) {
                       plantFile(lock, "4242\nlumo-soul-urge-number\nhost\n", 0444);
                       owned(lock, user);
                   },
                   false},
        LeftBehind{"Mode000",
                   [](const QByteArray& lock, const QByteArray&, User user) {
                       plantFile(lock, "4242\n", 0);
                       owned(lock, user);
                   },
                   false},
        LeftBehind{"DeadOwnerOnAnotherMachine",
                   [](const QByteArray& lock, const QByteArray&, User user) {
                       plantFile(lock, "4242\nlumo-soul-urge-number\nother-host\n0f1e2d3c\n", 0644);
                       owned(lock, user);
                   },
                   false},
        LeftBehind{
            "RootsFile",
            [](const QByteArray& lock, const QByteArray&, User) { plantFile(lock, "1\n", 0644); },
            true},
        LeftBehind{"Folder",
                   [](const QByteArray& lock, const QByteArray&, User user) {
                       ASSERT_EQ(::mkdir(lock.constData(), 0700), 0);
                       owned(lock, user);
                   },
                   false},
        LeftBehind{"DanglingLink",
                   [](const QByteArray& lock, const QByteArray&, User user) {
                       ASSERT_EQ(::symlink("/nonexistent/lumo.lock", lock.constData()), 0);
                       owned(lock, user);
                   },
                   false},
        LeftBehind{"LinkToTheUsersNotes",
                   [](const QByteArray& lock, const QByteArray& bystander, User user) {
                       ASSERT_EQ(::symlink(bystander.constData(), lock.constData()), 0);
                       owned(lock, user);
                   },
                   false},
        LeftBehind{"Fifo",
                   [](const QByteArray& lock, const QByteArray&, User user) {
                       ASSERT_EQ(::mkfifo(lock.constData(), 0600), 0);
                       owned(lock, user);
                   },
                   false}),
    [](const auto& info) { return std::string(info.param.name); });

// A copy started under a umask that leaves its lock unwritable still refuses another while it
// runs, and once killed leaves nothing that keeps the next start out.
TEST(LockUnderUmask, ALiveCopyRefusesAnotherAndAKilledOneLetsTheNextRun)
{
    const User user = ordinaryUser();
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    ASSERT_EQ(::chown(QFile::encodeName(folder.path()).constData(), user.uid, user.gid), 0);
    const QString lock = folder.filePath(QStringLiteral("lumo.lock"));
    for (const mode_t mask : {mode_t{0222}, mode_t{0277}}) {
        std::array<int, 2> ready{};
        ASSERT_EQ(::pipe(ready.data()), 0);
        const pid_t running = ::fork();
        ASSERT_GE(running, 0);
        if (running == 0) {
            if (::geteuid() == 0 && (::setresgid(user.gid, user.gid, user.gid) != 0 ||
                                     ::setresuid(user.uid, user.uid, user.uid) != 0)) {
                ::_exit(99);
            }
            ::umask(mask);
            LockFileInstanceLock held(lock);
            const char answer = held.acquire() ? 'R' : 'r';
            (void)!::write(ready[1], &answer, 1);
            ::pause(); // until killed, holding the lock
            ::_exit(0);
        }
        ::close(ready[1]);
        char answer = 0;
        ASSERT_EQ(::read(ready[0], &answer, 1), 1);
        ::close(ready[0]);
        EXPECT_EQ(answer, 'R') << "umask " << mask;
        EXPECT_EQ(runAs(user, [&] { return LockFileInstanceLock(lock).acquire() ? 1 : 0; }), 0)
            << "a second copy ran beside a live one, umask " << std::oct << mask;
        ::kill(running, SIGKILL);
        ::waitpid(running, nullptr, 0);
        EXPECT_TRUE(QFile::exists(lock)); // killed: nothing removed it
        EXPECT_EQ(runAs(user, [&] { return startRunsAndHolds(lock); }), 0)
            << "locked out after a copy under umask " << std::oct << mask << " was killed";
    }
}

} // namespace
