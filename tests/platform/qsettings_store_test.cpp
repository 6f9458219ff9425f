#include "platform/qsettings_store.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <unistd.h>

using lumo::platform::QSettingsStore;

namespace {
const QString kApplication = QStringLiteral("lumo-soul-urge-number");
const QString kSection = QStringLiteral("Settings");
const QString kKey = QStringLiteral("Duration");

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

class QSettingsStoreTest final : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_savedConfig = qgetenv("XDG_CONFIG_HOME");
        m_savedHome = qgetenv("HOME");
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir->path()));
    }
    void cleanup()
    {
        QFile::setPermissions(m_dir->path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        m_dir.reset();
        qputenv("XDG_CONFIG_HOME", m_savedConfig);
        qputenv("HOME", m_savedHome);
    }

    void writesAnIniFileInTheConfigFolder()
    {
        const QString path = m_dir->filePath(kApplication + QStringLiteral(".ini"));
        QSettingsStore store(kApplication);
        QCOMPARE(store.location(), path);
        store.write(kSection, kKey, QStringLiteral("12/8/2026"));
        const QByteArray content = contentOf(path);
        QVERIFY2(content.contains("[Settings]\nDuration=12/8/2026\n"), content.constData());
        QCOMPARE(QSettingsStore(kApplication).read(kSection, kKey), QStringLiteral("12/8/2026"));
    }

    void configFolderDefaultsToDotConfigInHome()
    {
        QTemporaryDir home;
        QVERIFY(home.isValid());
        qputenv("HOME", QFile::encodeName(home.path()));
        for (const bool unset : {true, false}) {
            if (unset) {
                qunsetenv("XDG_CONFIG_HOME");
            } else {
                qputenv("XDG_CONFIG_HOME", QByteArray());
            }
            QCOMPARE(QSettingsStore(kApplication).location(),
                     home.filePath(QStringLiteral(".config/lumo-soul-urge-number.ini")));
        }
    }

    void createsAMissingConfigFolder()
    {
        const QString config = m_dir->filePath(QStringLiteral("fresh/account"));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config));
        QSettingsStore store(kApplication);
        store.write(kSection, kKey, QStringLiteral("12/8/2026"));
        QVERIFY(QFile::exists(config + QStringLiteral("/lumo-soul-urge-number.ini")));
        QCOMPARE(store.read(kSection, kKey), QStringLiteral("12/8/2026"));
    }

    void missingValueReadsEmptyAndCreatesNothing()
    {
        QSettingsStore store(kApplication);
        QCOMPARE(store.read(kSection, kKey), QString());
        QVERIFY(!QFile::exists(store.location()));
    }

    void keepsOtherValuesAndNonAsciiText()
    {
        QSettingsStore store(kApplication);
        {
            QFile file(store.location());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("[Settings]\nDuration=1/1/2020\nOther=kept\n[More]\nX=1\n");
        }
        const QString persian = QStringLiteral("\u06f2\u06f0\u06f2\u06f6/\u06f1\u06f2/\u06f8");
        store.write(kSection, kKey, persian);
        QCOMPARE(store.read(kSection, kKey), persian);
        QCOMPARE(store.read(kSection, QStringLiteral("Other")), QStringLiteral("kept"));
        QCOMPARE(store.read(QStringLiteral("More"), QStringLiteral("X")), QStringLiteral("1"));
    }

    void configPathBlockedByAFileDropsWrites()
    {
        // A plain file where the config folder should be: nothing can be created there, even
        // by root.
        const QString blocker = m_dir->filePath(QStringLiteral("blocker"));
        QFile file(blocker);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(blocker));
        QSettingsStore store(kApplication);
        store.write(kSection, kKey, QStringLiteral("12/8/2026"));
        QCOMPARE(store.read(kSection, kKey), QString());
    }

    void readOnlyFolderDropsWrites()
    {
        if (::geteuid() == 0) {
            QSKIP("running as root, which writes into a folder whatever its mode");
        }
        QVERIFY(QFile::setPermissions(m_dir->path(), QFile::ReadOwner | QFile::ExeOwner));
        QSettingsStore store(kApplication);
        store.write(kSection, kKey, QStringLiteral("12/8/2026"));
        QCOMPARE(store.read(kSection, kKey), QString());
        QVERIFY(!QFile::exists(store.location()));
    }

    void unreadableFileReadsEmptyAndIsLeftAlone()
    {
        if (::geteuid() == 0) {
            QSKIP("running as root, which reads a file whatever its mode");
        }
        QSettingsStore store(kApplication);
        const QByteArray content("[Settings]\nDuration=12/8/2026\n");
        {
            QFile file(store.location());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        QVERIFY(QFile::setPermissions(store.location(), QFile::WriteOwner));
        QCOMPARE(store.read(kSection, kKey), QString());
        store.write(kSection, kKey, QStringLiteral("1/1/2020"));
        QVERIFY(QFile::setPermissions(store.location(), QFile::ReadOwner | QFile::WriteOwner));
        QCOMPARE(contentOf(store.location()), content);
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir; // a fresh config folder for each test
    QByteArray m_savedConfig;
    QByteArray m_savedHome;
};

QTEST_GUILESS_MAIN(QSettingsStoreTest)
#include "qsettings_store_test.moc"
