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

        lumo::platform::createNativeWebOpener()->open(address);

        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(recordPath), 20000);
        QFile record(recordPath);
        QVERIFY(record.open(QIODevice::ReadOnly));
        QCOMPARE(record.readLine().trimmed(), QByteArray("1"));
        QCOMPARE(QString::fromUtf8(record.readAll()), address);
        QVERIFY(!QFile::exists(QStringLiteral("PWNED")));
        QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("PWNED"))));
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(WebOpenerUnixTest)
#include "web_opener_unix_test.moc"
