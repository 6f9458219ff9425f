#include "platform/ini_file_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <memory>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using lumo::platform::IniFileStore;

namespace {
const QString kApplication = QStringLiteral("lumo-soul-urge-number");
const QString kSection = QStringLiteral("Settings");
const QString kKey = QStringLiteral("Duration");
const QString kDate = QStringLiteral("12/8/2026");
constexpr uid_t kNobody = 65534;

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

bool isLink(const QString& path)
{
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 && S_ISLNK(info.st_mode);
}

// Runs `job` in a child process and waits for it at most `seconds`: false when it had not ended
// by then (it is killed) or did not end with status 0.
template <typename Job> bool endsWithin(int seconds, Job job)
{
    const pid_t child = ::fork();
    if (child == 0) {
        ::_exit(job() ? 0 : 1);
    }
    for (int tenth = 0; tenth < seconds * 10; ++tenth) {
        int status = 0;
        if (::waitpid(child, &status, WNOHANG) == child) {
            return WIFEXITED(status) && WEXITSTATUS(status) == 0;
        }
        QTest::qSleep(100);
    }
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    return false;
}
} // namespace

class IniFileStoreTest final : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_savedConfig = qgetenv("XDG_CONFIG_HOME");
        m_savedHome = qgetenv("HOME");
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir->path()));
        m_ini = m_dir->filePath(kApplication + QStringLiteral(".ini"));
    }
    void cleanup()
    {
        QFile::setPermissions(m_dir->path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        m_dir.reset();
        qputenv("XDG_CONFIG_HOME", m_savedConfig);
        qputenv("HOME", m_savedHome);
    }

    void writesAnOwnerOnlyIniFileInTheConfigFolder()
    {
        IniFileStore store(kApplication);
        QCOMPARE(store.location(), m_ini);
        QVERIFY(store.write(kSection, kKey, kDate));
        QCOMPARE(contentOf(m_ini), QByteArray("[Settings]\nDuration=12/8/2026\n"));
        QCOMPARE(QFileInfo(m_ini).permissions() & 0x0777,
                 QFile::ReadUser | QFile::WriteUser); // 0600: nobody else reads it
        QCOMPARE(IniFileStore(kApplication).read(kSection, kKey), kDate);
        // Only the settings file is left in the folder: no temporary file.
        QCOMPARE(
            QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList{kApplication + QStringLiteral(".ini")});
    }

    void configFolderFollowsTheXdgRule_data()
    {
        QTest::addColumn<QByteArray>("config"); // $XDG_CONFIG_HOME; "-" leaves it unset
        QTest::addColumn<QString>("expected");  // relative to $HOME, or "" for the config given
        QTest::newRow("unset") << QByteArray("-") << QStringLiteral(".config");
        QTest::newRow("empty") << QByteArray() << QStringLiteral(".config");
        QTest::newRow("relative") << QByteArray("conf") << QStringLiteral(".config");
        QTest::newRow("dot relative") << QByteArray("./conf") << QStringLiteral(".config");
        QTest::newRow("absolute") << QByteArray("/srv/cfg") << QString();
    }
    void configFolderFollowsTheXdgRule()
    {
        QFETCH(QByteArray, config);
        QFETCH(QString, expected);
        QTemporaryDir home;
        QVERIFY(home.isValid());
        qputenv("HOME", QFile::encodeName(home.path()));
        if (config == "-") {
            qunsetenv("XDG_CONFIG_HOME");
        } else {
            qputenv("XDG_CONFIG_HOME", config);
        }
        const QString folder =
            expected.isEmpty() ? QString::fromUtf8(config) : home.filePath(expected);
        QCOMPARE(IniFileStore(kApplication).location(),
                 folder + QStringLiteral("/lumo-soul-urge-number.ini"));
    }

    void aRelativeConfigFolderMakesNothingInTheWorkingFolder()
    {
        QTemporaryDir home;
        QTemporaryDir working;
        QVERIFY(home.isValid() && working.isValid());
        qputenv("HOME", QFile::encodeName(home.path()));
        qputenv("XDG_CONFIG_HOME", "conf");
        const QString before = QDir::currentPath();
        QDir::setCurrent(working.path());
        const bool stored = IniFileStore(kApplication).write(kSection, kKey, kDate);
        QDir::setCurrent(before);
        QVERIFY(stored);
        QVERIFY(!QFileInfo::exists(working.filePath(QStringLiteral("conf"))));
        QVERIFY(QFileInfo::exists(
            home.filePath(QStringLiteral(".config/") + kApplication + QStringLiteral(".ini"))));
    }

    void createsAMissingConfigFolder()
    {
        const QString config = m_dir->filePath(QStringLiteral("fresh/account"));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config));
        IniFileStore store(kApplication);
        QVERIFY(store.write(kSection, kKey, kDate));
        QVERIFY(QFile::exists(config + QStringLiteral("/lumo-soul-urge-number.ini")));
        QCOMPARE(store.read(kSection, kKey), kDate);
    }

    void missingValueReadsEmptyAndCreatesNothing()
    {
        IniFileStore store(kApplication);
        QCOMPARE(store.read(kSection, kKey), QString());
        QVERIFY(!QFile::exists(store.location()));
    }

    // A write changes the one line of the value; comments, other keys and sections stay.
    void aWriteKeepsEverythingElse_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("value replaced")
            << QByteArray("; my notes\n[Settings]\n# when\nDuration=1/1/2020\nOther=kept\n\n"
                          "[More]\nX=1\n")
            << QByteArray("; my notes\n[Settings]\n# when\nDuration=12/8/2026\nOther=kept\n\n"
                          "[More]\nX=1\n");
        QTest::newRow("key added to its section")
            << QByteArray("[Settings]\nOther=kept\n\n[More]\nX=1\n")
            << QByteArray("[Settings]\nOther=kept\nDuration=12/8/2026\n\n[More]\nX=1\n");
        QTest::newRow("section added")
            << QByteArray("; only a comment\n[More]\nX=1")
            << QByteArray("; only a comment\n[More]\nX=1\n\n[Settings]\nDuration=12/8/2026\n");
        QTest::newRow("Windows line ends") << QByteArray("[Settings]\r\nDuration=1/1/2020\r\n")
                                           << QByteArray("[Settings]\r\nDuration=12/8/2026\r\n");
        QTest::newRow("empty file")
            << QByteArray() << QByteArray("[Settings]\nDuration=12/8/2026\n");
    }
    void aWriteKeepsEverythingElse()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        QVERIFY(writeFile(m_ini, before));
        QVERIFY(IniFileStore(kApplication).write(kSection, kKey, kDate));
        QCOMPARE(contentOf(m_ini), after);
    }

    void keepsTheModeOfAnExistingFile()
    {
        QVERIFY(writeFile(m_ini, "[Settings]\nDuration=1/1/2020\n"));
        QVERIFY(QFile::setPermissions(m_ini, QFile::ReadOwner | QFile::WriteOwner |
                                                 QFile::ReadGroup | QFile::ReadOther));
        QVERIFY(IniFileStore(kApplication).write(kSection, kKey, kDate));
        QCOMPARE(QFileInfo(m_ini).permissions() & 0x0777,
                 QFile::ReadUser | QFile::WriteUser | QFile::ReadGroup | QFile::ReadOther);
    }

    void nonAsciiValuesReadBack()
    {
        IniFileStore store(kApplication);
        const QString persian = QStringLiteral("\u06f2\u06f0\u06f2\u06f6/\u06f1\u06f2/\u06f8");
        QVERIFY(store.write(kSection, kKey, persian));
        QCOMPARE(store.read(kSection, kKey), persian);
    }

    // Files that are not the program's own: left byte for byte, read as empty, no write kept.
    void aFileThatIsNotItsOwnIsLeftAlone_data()
    {
        QTest::addColumn<QByteArray>("content");
        QByteArray random(4096, '\0');
        QRandomGenerator generator(24);
        for (char& byte : random) {
            byte = static_cast<char>(generator.bounded(256));
        }
        random[0] = '\xff'; // never UTF-8, whatever the generator gives
        QTest::newRow("random bytes") << random;
        QTest::newRow("notes") << QByteArray(
            "Shopping list\n- milk\n[Settings]\nDuration=1/1/2020\n");
        QTest::newRow("a line with a colon key")
            << QByteArray("TODO: call x=1\n[Settings]\nDuration=1/1/2020\n");
        QTest::newRow("a NUL byte") << QByteArray("[Settings]\nDuration=1/1/2020\n\0", 30);
        QByteArray large("[Settings]\nDuration=1/1/2020\n");
        large += QByteArray(IniFileStore::kLargestFile, ';');
        QTest::newRow("larger than a settings file") << large;
    }
    void aFileThatIsNotItsOwnIsLeftAlone()
    {
        QFETCH(QByteArray, content);
        QVERIFY(writeFile(m_ini, content));
        IniFileStore store(kApplication);
        QCOMPARE(store.read(kSection, kKey), QString());
        QVERIFY(!store.write(kSection, kKey, kDate));
        QCOMPARE(contentOf(m_ini), content);
    }

    void aHugeFileIsNeitherReadNorRewritten()
    {
        // 100 MB that the disk need not hold: only its size is looked at.
        QFile huge(m_ini);
        QVERIFY(huge.open(QIODevice::WriteOnly));
        QVERIFY(huge.write("[Settings]\nDuration=1/1/2020\n") > 0);
        QVERIFY(huge.resize(100 * 1000 * 1000));
        huge.close();
        const QDateTime modified = QFileInfo(m_ini).lastModified();
        IniFileStore store(kApplication);
        QCOMPARE(store.read(kSection, kKey), QString());
        QVERIFY(!store.write(kSection, kKey, kDate));
        QCOMPARE(QFileInfo(m_ini).size(), qint64{100 * 1000 * 1000});
        QCOMPARE(QFileInfo(m_ini).lastModified(), modified);
    }

    void aLinkToTheUsersNotesLeavesThem()
    {
        const QString notes = m_dir->filePath(QStringLiteral("notes.txt"));
        const QByteArray content("Dear diary,\nToday I tried a numerology program.\n");
        QVERIFY(writeFile(notes, content));
        QVERIFY(QFile::link(notes, m_ini));
        IniFileStore store(kApplication);
        QCOMPARE(store.read(kSection, kKey), QString());
        QVERIFY(!store.write(kSection, kKey, kDate));
        QCOMPARE(contentOf(notes), content);
        QVERIFY(isLink(m_ini));
    }

    void aLinkToTheUsersOwnSettingsIsFollowed()
    {
        // As dotfile managers keep it: the real file elsewhere, a link in the config folder.
        QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("dotfiles")));
        const QString real = m_dir->filePath(QStringLiteral("dotfiles/lumo.ini"));
        QVERIFY(writeFile(real, "; kept in git\n[Settings]\nDuration=1/1/2020\n"));
        QVERIFY(QFile::link(real, m_ini));
        IniFileStore store(kApplication);
        QCOMPARE(store.read(kSection, kKey), QStringLiteral("1/1/2020"));
        QVERIFY(store.write(kSection, kKey, kDate));
        QCOMPARE(contentOf(real), QByteArray("; kept in git\n[Settings]\nDuration=12/8/2026\n"));
        QVERIFY(isLink(m_ini));
    }

    void aDanglingLinkMakesNoFile()
    {
        const QString nowhere = m_dir->filePath(QStringLiteral("elsewhere/planted.ini"));
        QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("elsewhere")));
        QVERIFY(QFile::link(nowhere, m_ini));
        IniFileStore store(kApplication);
        QCOMPARE(store.read(kSection, kKey), QString());
        QVERIFY(!store.write(kSection, kKey, kDate));
        QVERIFY(!QFileInfo::exists(nowhere));
        QVERIFY(isLink(m_ini));
    }

    void aFifoInPlaceOfTheFileDoesNotHang()
    {
        QVERIFY(::mkfifo(QFile::encodeName(m_ini).constData(), 0600) == 0);
        QVERIFY2(endsWithin(5,
                            [] {
                                IniFileStore store(kApplication);
                                return store.read(kSection, kKey).isEmpty() &&
                                       !store.write(kSection, kKey, kDate);
                            }),
                 "reading or writing beside a FIFO did not end in 5 s, or stored something");
        struct stat info {};
        QVERIFY(::lstat(QFile::encodeName(m_ini).constData(), &info) == 0);
        QVERIFY(S_ISFIFO(info.st_mode));
    }

    void aReadOnlyFileKeepsItsDate()
    {
        const QByteArray content("[Settings]\nDuration=1/1/2020\n");
        QVERIFY(writeFile(m_ini, content));
        QVERIFY(QFile::setPermissions(m_ini, QFile::ReadOwner));
        IniFileStore store(kApplication);
        QCOMPARE(store.read(kSection, kKey), QStringLiteral("1/1/2020"));
        QVERIFY(!store.write(kSection, kKey, kDate));
        QCOMPARE(contentOf(m_ini), content);
    }

    void aFullDiskLeavesTheOldFileWhole()
    {
        const QByteArray content("; a comment long enough to pass the limit\n[Settings]\n"
                                 "Duration=1/1/2020\n");
        QVERIFY(writeFile(m_ini, content));
        // A file size limit stands in for a full disk: writing past it fails as ENOSPC would.
        QVERIFY(endsWithin(5, [] {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{16, 16};
            return ::setrlimit(RLIMIT_FSIZE, &limit) == 0 &&
                   !IniFileStore(kApplication).write(kSection, kKey, kDate);
        }));
        QCOMPARE(contentOf(m_ini), content);
        QCOMPARE(
            QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList{kApplication + QStringLiteral(".ini")});
    }

    void configPathBlockedByAFileDropsWrites()
    {
        const QString blocker = m_dir->filePath(QStringLiteral("blocker"));
        QVERIFY(writeFile(blocker, {}));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(blocker));
        IniFileStore store(kApplication);
        QVERIFY(!store.write(kSection, kKey, kDate));
        QCOMPARE(store.read(kSection, kKey), QString());
    }

    void readOnlyFolderDropsWrites()
    {
        if (::geteuid() == 0) {
            QSKIP("running as root, which writes into a folder whatever its mode");
        }
        QVERIFY(QFile::setPermissions(m_dir->path(), QFile::ReadOwner | QFile::ExeOwner));
        IniFileStore store(kApplication);
        QVERIFY(!store.write(kSection, kKey, kDate));
        QCOMPARE(store.read(kSection, kKey), QString());
        QVERIFY(!QFile::exists(store.location()));
    }

    // Run as root with a user's home (sudo -E): nothing of the user's or anyone else's becomes
    // root's, and no root file is changed through the user's links.
    void asRootOtherUsersFilesAndLinksAreLeftAlone_data()
    {
        QTest::addColumn<QString>("what");
        QTest::newRow("a link of the user's to a root file") << QStringLiteral("link");
        QTest::newRow("the user's own settings file") << QStringLiteral("file");
        QTest::newRow("no file, in the user's folder") << QStringLiteral("folder");
        QTest::newRow("no config folder, in the user's home") << QStringLiteral("home");
    }
    void asRootOtherUsersFilesAndLinksAreLeftAlone()
    {
        QFETCH(QString, what);
        if (::geteuid() != 0) {
            QSKIP("needs root to make files of another user");
        }
        const QByteArray settings("[Settings]\nDuration=1/1/2020\n");
        const QString rootFile = m_dir->filePath(QStringLiteral("passwd-copy"));
        QVERIFY(writeFile(rootFile, "root:x:0:0:root:/root:/bin/bash\n"));
        const QString config = m_dir->filePath(QStringLiteral("user-config"));
        QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("user-config")));
        QVERIFY(::chown(QFile::encodeName(config).constData(), kNobody, kNobody) == 0);
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config));
        if (what == QStringLiteral("home")) {
            qputenv("XDG_CONFIG_HOME", QFile::encodeName(config + QStringLiteral("/.config")));
        }
        const QString ini = config + QStringLiteral("/lumo-soul-urge-number.ini");
        const QByteArray native = QFile::encodeName(ini);
        if (what == QStringLiteral("link")) {
            QVERIFY(QFile::link(rootFile, ini));
            QVERIFY(::lchown(native.constData(), kNobody, kNobody) == 0);
        } else if (what == QStringLiteral("file")) {
            QVERIFY(writeFile(ini, settings));
            QVERIFY(::chown(native.constData(), kNobody, kNobody) == 0);
        }
        QVERIFY(!IniFileStore(kApplication).write(kSection, kKey, kDate));
        QCOMPARE(contentOf(rootFile), QByteArray("root:x:0:0:root:/root:/bin/bash\n"));
        struct stat info {};
        if (what == QStringLiteral("file")) {
            QVERIFY(::lstat(native.constData(), &info) == 0);
            QCOMPARE(info.st_uid, kNobody);
            QCOMPARE(contentOf(ini), settings);
        } else if (what == QStringLiteral("folder")) {
            QVERIFY(!QFileInfo::exists(ini));
        } else if (what == QStringLiteral("home")) {
            QVERIFY(!QFileInfo::exists(config + QStringLiteral("/.config")));
        } else {
            QVERIFY(isLink(ini));
        }
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir; // a fresh config folder for each test
    QString m_ini;
    QByteArray m_savedConfig;
    QByteArray m_savedHome;
};

QTEST_GUILESS_MAIN(IniFileStoreTest)
#include "ini_file_store_test.moc"
