#include "platform/desktop_web_opener.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <sys/wait.h>

using lumo::platform::DesktopWebOpener;

namespace {
// Records the working folder, the number of arguments and the first argument, once the test
// lets it go on by creating the file "release" (bounded, so a stray copy ends by itself).
constexpr char kStandIn[] = R"(#!/bin/sh
dir='%1'
i=0
while [ ! -e "$dir/release" ] && [ $i -lt 300 ]; do sleep 0.1; i=$((i+1)); done
[ -e "$dir/release" ] || exit 1
{ pwd; echo "$#"; printf '%s' "$1"; } > "$dir/record.tmp"
mv "$dir/record.tmp" "$dir/record"
)";

bool touch(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly);
}
} // namespace

class DesktopWebOpenerTest final : public QObject {
    Q_OBJECT

private slots:
    void init() { m_path = qgetenv("PATH"); }
    void cleanup() { qputenv("PATH", m_path); }

    void addressArrivesAsOneUnchangedArgument()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString script = dir.filePath(QStringLiteral("xdg-open"));
        {
            QFile file(script);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QString::fromUtf8(kStandIn).arg(dir.path()).toUtf8());
        }
        QVERIFY(
            QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        const QString pwned = dir.filePath(QStringLiteral("pwned"));
        const QString address = QStringLiteral("https://example.test/a b?x=1&y='two' \"three\"") +
                                QStringLiteral("#frag $(touch ") + pwned +
                                QStringLiteral(") `touch ") + pwned +
                                QStringLiteral("`; | * ~ \\ Zo\u00eb\r\nend");

        DesktopWebOpener opener; // the program is looked up when open() runs, not before
        qputenv("PATH", QFile::encodeName(dir.path()) + ':' + m_path);
        opener.open(address);

        // The stand-in is still waiting for its release: open() did not wait for it, and the
        // intermediate child of the detached start has already been reaped.
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("record"))));
        errno = 0;
        QCOMPARE(::waitpid(-1, nullptr, WNOHANG), -1);
        QCOMPARE(errno, ECHILD);

        QVERIFY(touch(dir.filePath(QStringLiteral("release"))));
        const QString recordPath = dir.filePath(QStringLiteral("record"));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(recordPath), 20000);
        QFile record(recordPath);
        QVERIFY(record.open(QIODevice::ReadOnly));
        const QByteArray pwd = record.readLine().trimmed();
        const QByteArray count = record.readLine().trimmed();
        const QString argument = QString::fromUtf8(record.readAll());
        QCOMPARE(pwd, QByteArray("/"));
        QCOMPARE(count, QByteArray("1"));
        QCOMPARE(argument, address);
        QVERIFY(!QFile::exists(pwned));
    }

    void missingOpenerIsIgnored()
    {
        QTemporaryDir emptyDir;
        QVERIFY(emptyDir.isValid());
        qputenv("PATH", QFile::encodeName(emptyDir.path()));
        DesktopWebOpener opener;
        QVERIFY_THROWS_NO_EXCEPTION(opener.open(QStringLiteral("https://example.test/")));
        DesktopWebOpener byPath(emptyDir.filePath(QStringLiteral("no-such-program")));
        QVERIFY_THROWS_NO_EXCEPTION(byPath.open(QStringLiteral("https://example.test/")));
    }

    void failingOpenerIsIgnored()
    {
        // Like xdg-open with no browser: complains and fails.
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString script = dir.filePath(QStringLiteral("xdg-open"));
        {
            QFile file(script);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("#!/bin/sh\necho 'no method available' >&2\nexit 3\n");
        }
        QVERIFY(QFile::setPermissions(script, QFile::ReadOwner | QFile::ExeOwner));
        qputenv("PATH", QFile::encodeName(dir.path()) + ':' + m_path);
        DesktopWebOpener opener;
        QVERIFY_THROWS_NO_EXCEPTION(opener.open(QStringLiteral("https://example.test/")));
        QVERIFY_THROWS_NO_EXCEPTION(opener.open(QStringLiteral("https://example.test/")));
    }

private:
    QByteArray m_path;
};

QTEST_GUILESS_MAIN(DesktopWebOpenerTest)
#include "desktop_web_opener_test.moc"
