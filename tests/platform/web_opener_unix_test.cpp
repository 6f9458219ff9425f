#include "platform/web_opener_native.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
// A stand-in browser: records its number of arguments and its first argument, then ends.
constexpr char kStandIn[] = R"(#!/bin/sh
{ echo "$#"; printf '%s' "$1"; } > '%1/record.tmp'
mv '%1/record.tmp' '%1/record'
)";

const QString kAddress =
    QStringLiteral("https://www.starwell.example/x?page=donate&taf1=Ann%20Lee%25s");

bool writeScript(const QString& path, const QByteArray& text)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size()) {
        return false;
    }
    file.close();
    return QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}
} // namespace

class WebOpenerUnixTest final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        const QString script = m_dir.filePath(QStringLiteral("xdg-open"));
        QVERIFY(writeScript(script, QString::fromUtf8(kStandIn).arg(m_dir.path()).toUtf8()));
        // The desktop services look for their opener once, at the first page; both the usual
        // opener and a chosen browser lead to the stand-in.
        qputenv("PATH", QFile::encodeName(m_dir.path()) + ':' + qgetenv("PATH"));
        qputenv("BROWSER", QFile::encodeName(script));
        qunsetenv("DEFAULT_BROWSER");
    }

    void addressArrivesAsOneUnchangedArgument_data()
    {
        QTest::addColumn<QString>("address");
        QTest::newRow("catalogue page") << QStringLiteral(
            "https://www.starwell.example/lumo-free-soul-urge-number/ssd.php?page=lumo-help");
        // What the referral request looks like: every value percent-encoded.
        QTest::newRow("referral") << QStringLiteral(
            "https://www.starwell.example/lumo-free-soul-urge-number/ssd.php?page=lumo-refer-a-"
            "friend&taf1=Ann%20Lee&taf2=ann%40x.org&taf3=Your%20Message%0D%0A&taf4=Bob%20%26%20Co");
        // Shell syntax in an address stays text: no shell ever sees it.
        QTest::newRow("shell syntax")
            << QStringLiteral("https://example.test/x?a=$(touch%20PWNED)&b=;touch%20PWNED;");
    }

    void addressArrivesAsOneUnchangedArgument()
    {
        QFETCH(QString, address);
        const QString recordPath = m_dir.filePath(QStringLiteral("record"));
        QFile::remove(recordPath);

        bool failed = false;
        lumo::platform::createNativeWebOpener()->open(address, [&failed] { failed = true; });

        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(recordPath), 20000);
        QFile record(recordPath);
        QVERIFY(record.open(QIODevice::ReadOnly));
        QCOMPARE(record.readLine().trimmed(), QByteArray("1"));
        QCOMPARE(QString::fromUtf8(record.readAll()), address);
        QVERIFY(!QFile::exists(QStringLiteral("PWNED")));
        QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("PWNED"))));
        // The opener has ended well by now, or soon will; a failure would show right after.
        QTest::qWait(300);
        QVERIFY(!failed);
    }

    // $BROWSER by its convention: a ":"-separated list whose first installed entry is run, "%s"
    // standing for the address ("%%" for "%"), the address last where there is no "%s".
    void browserVariableFollowsItsConvention_data()
    {
        QTest::addColumn<QString>("browser"); // "REC" stands for the recording stand-in
        QTest::addColumn<QStringList>("arguments");
        const QString address = kAddress;
        QTest::newRow("plain") << QStringLiteral("REC") << QStringList{address};
        QTest::newRow("%s as an argument") << QStringLiteral("REC --new-window %s")
                                           << QStringList{QStringLiteral("--new-window"), address};
        QTest::newRow("%s inside an argument")
            << QStringLiteral("REC --url=%s") << QStringList{QStringLiteral("--url=") + address};
        QTest::newRow("%% and no %s")
            << QStringLiteral("REC 100%%") << QStringList{QStringLiteral("100%"), address};
        QTest::newRow("first entry missing")
            << QStringLiteral("/no/such/browser %s:REC %s") << QStringList{address};
        QTest::newRow("empty entries") << QStringLiteral("::REC:") << QStringList{address};
    }
    void browserVariableFollowsItsConvention()
    {
        QFETCH(QString, browser);
        QFETCH(QStringList, arguments);
        QTemporaryDir bin;
        QVERIFY(bin.isValid());
        const QString recorder = bin.filePath(QStringLiteral("recorder"));
        const QString record = bin.filePath(QStringLiteral("record"));
        QVERIFY(writeScript(recorder, QStringLiteral("#!/bin/sh\nfor a in \"$@\"; do printf "
                                                     "'%s\\n' \"$a\"; done > '%1.tmp'\n"
                                                     "mv '%1.tmp' '%1'\n")
                                          .arg(record)
                                          .toUtf8()));
        const QByteArray before = qgetenv("BROWSER");
        qputenv("BROWSER", QFile::encodeName(browser.replace(QStringLiteral("REC"), recorder)));
        bool failed = false;
        lumo::platform::createNativeWebOpener()->open(kAddress, [&failed] { failed = true; });
        qputenv("BROWSER", before);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(record), 20000);
        QFile file(record);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QStringList recorded = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
        recorded.removeLast(); // after the last line end
        QCOMPARE(recorded, arguments);
        QVERIFY(!failed);
    }

    // However the desktop fails to open a page, the failure is reported: a chosen browser or
    // xdg-open that ends unsuccessfully (xdg-open says 3 when it finds no tool, 4 when the tool
    // failed), one that cannot be run, and no opener at all, where Qt's desktop services find no
    // browser either ("Unable to detect a web browser").
    void everyFailureIsReported_data()
    {
        QTest::addColumn<QString>("browser"); // $BROWSER; empty: unset
        QTest::addColumn<QString>("xdgOpen"); // the script standing in for xdg-open; empty: none
        QTest::addColumn<bool>("reported");
        const QString failing = QStringLiteral("#!/bin/sh\n: >\"$0.ran\"\nexit 4\n");
        const QString toolMissing =
            QStringLiteral("#!/bin/sh\n: >\"$0.ran\"\necho 'no method' >&2\nexit 3\n");
        const QString succeeding = QStringLiteral("#!/bin/sh\n: >\"$0.ran\"\nexit 0\n");
        const QString killed = QStringLiteral("#!/bin/sh\n: >\"$0.ran\"\nkill -9 $$\n");
        QTest::newRow("xdg-open fails") << QString() << failing << true;
        QTest::newRow("xdg-open finds no tool") << QString() << toolMissing << true;
        QTest::newRow("xdg-open is killed") << QString() << killed << true;
        QTest::newRow("xdg-open succeeds") << QString() << succeeding << false;
        QTest::newRow("chosen browser fails") << failing << succeeding << true;
        QTest::newRow("chosen browser succeeds") << succeeding << failing << false;
        QTest::newRow("nothing to open with") << QString() << QString() << true;
    }
    void everyFailureIsReported()
    {
        QFETCH(QString, browser);
        QFETCH(QString, xdgOpen);
        QFETCH(bool, reported);
        QTemporaryDir bin;
        QVERIFY(bin.isValid());
        if (!xdgOpen.isEmpty()) {
            QVERIFY(writeScript(bin.filePath(QStringLiteral("xdg-open")), xdgOpen.toUtf8()));
        }
        const QString chosen = bin.filePath(QStringLiteral("chosen-browser"));
        if (!browser.isEmpty()) {
            QVERIFY(writeScript(chosen, browser.toUtf8()));
        }
        const QByteArray path = qgetenv("PATH");
        const QByteArray chosenBefore = qgetenv("BROWSER");
        // Only the stand-ins can be found: no real browser, no real xdg-open.
        qputenv("PATH", QFile::encodeName(bin.path()));
        if (browser.isEmpty()) {
            qunsetenv("BROWSER");
        } else {
            qputenv("BROWSER", QFile::encodeName(chosen));
        }

        int failures = 0;
        const auto opener = lumo::platform::createNativeWebOpener();
        opener->open(QStringLiteral("https://www.starwell.example/x?page=donate"),
                     [&failures] { ++failures; });
        if (reported) {
            QTRY_COMPARE_WITH_TIMEOUT(failures, 1, 20000);
        } else {
            // Each stand-in notes that it ran; the opener it stands for is the one run.
            const QString ran =
                (browser.isEmpty() ? bin.filePath(QStringLiteral("xdg-open")) : chosen) +
                QStringLiteral(".ran");
            QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(ran), 20000);
        }
        // A failure would be reported as soon as the stand-in has ended.
        QTest::qWait(300);
        qputenv("PATH", path);
        qputenv("BROWSER", chosenBefore);
        QCOMPARE(failures, reported ? 1 : 0);
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(WebOpenerUnixTest)
#include "web_opener_unix_test.moc"
