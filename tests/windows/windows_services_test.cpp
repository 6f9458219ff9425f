// The Windows services of src/platform, run under Wine on an X display with Qt's windows
// platform: the registry store, the topmost flag and the shell's web opener.
#include "platform/desktop_session.h"
#include "platform/qsettings_store.h"
#include "platform/web_opener_native.h"

#include <QCoreApplication>
#include <QFile>
#include <QTest>
#include <QWidget>
#include <windows.h>

using lumo::platform::QSettingsStore;

namespace {
const QString kSection = QStringLiteral("Settings");
const QString kKey = QStringLiteral("Duration");

// A name of its own, so the test never touches the program's real settings.
QString testApplicationName()
{
    return QStringLiteral("lumo-registry-test-%1").arg(QCoreApplication::applicationPid());
}

// The value as the registry itself holds it, read without Qt.
QString registryValue(const QString& subkey, const QString& name)
{
    wchar_t buffer[256] = {};
    DWORD size = sizeof buffer;
    const LSTATUS status = RegGetValueW(
        HKEY_CURRENT_USER, reinterpret_cast<const wchar_t*>(subkey.utf16()),
        reinterpret_cast<const wchar_t*>(name.utf16()), RRF_RT_REG_SZ, nullptr, buffer, &size);
    return status == ERROR_SUCCESS ? QString::fromWCharArray(buffer) : QString();
}

void deleteRegistryTree(const QString& subkey)
{
    RegDeleteTreeW(HKEY_CURRENT_USER, reinterpret_cast<const wchar_t*>(subkey.utf16()));
}

// The stand-in xdg-open writes each address it gets to this Unix file; Wine shows it on Z:.
QString openedLogPath()
{
    return QStringLiteral("Z:") + qEnvironmentVariable("LUMO_OPENED_LOG");
}

QStringList openedAddresses()
{
    QFile file(openedLogPath());
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}
} // namespace

class WindowsServicesTest final : public QObject {
    Q_OBJECT

private slots:
    void settingsLiveInTheUsersRegistryKey()
    {
        const QString name = testApplicationName();
        const QString subkey = QStringLiteral("Software\\") + name;
        deleteRegistryTree(subkey);
        QSettingsStore store(name);
        QCOMPARE(store.location(), QStringLiteral("HKEY_CURRENT_USER\\Software\\") + name);

        QCOMPARE(store.read(kSection, kKey), QString());
        store.write(kSection, kKey, QStringLiteral("12/8/2026"));
        QCOMPARE(registryValue(subkey + QStringLiteral("\\Settings"), kKey),
                 QStringLiteral("12/8/2026"));
        QCOMPARE(QSettingsStore(name).read(kSection, kKey), QStringLiteral("12/8/2026"));
        store.write(kSection, kKey, QStringLiteral("1/2/2027"));
        QCOMPARE(registryValue(subkey + QStringLiteral("\\Settings"), kKey),
                 QStringLiteral("1/2/2027"));
        deleteRegistryTree(subkey);
    }

    void topmostWindowStaysHiddenUntilShown()
    {
        QWidget window;
        const auto handle = reinterpret_cast<HWND>(window.winId());
        lumo::platform::makeTopmost(window);
        QVERIFY((GetWindowLongPtrW(handle, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0);
        QVERIFY(!IsWindowVisible(handle));
        QVERIFY(!window.isVisible());

        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(IsWindowVisible(handle));
        QVERIFY((GetWindowLongPtrW(handle, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0);
    }

    void shellHandsEachAddressToTheBrowser()
    {
        QVERIFY2(qEnvironmentVariableIsSet("LUMO_OPENED_LOG"), "run through CTest");
        QFile::remove(openedLogPath());
        const QStringList addresses = {
            QStringLiteral("https://www.starwell.example/lumo-free-soul-urge-number/"
                           "ssd.php?page=help-web-page"),
            QStringLiteral("https://www.starwell.example/lumo-free-soul-urge-number/"
                           "ssd.php?page=help-web-page"),
            QStringLiteral("https://www.starwell.example/lumo-free-soul-urge-number/"
                           "ssd.php?page=donate"),
        };
        const auto opener = lumo::platform::createNativeWebOpener();
        for (qsizetype sent = 1; sent <= addresses.size(); ++sent) {
            opener->open(addresses.at(sent - 1), [] { QFAIL("the shell refused the address"); });
            // One at a time, so the log keeps their order; a repeat is a request of its own.
            QTRY_VERIFY_WITH_TIMEOUT(openedAddresses().size() >= sent, 20000);
        }
        QTRY_COMPARE_WITH_TIMEOUT(openedAddresses(), addresses, 20000);
    }
};

QTEST_MAIN(WindowsServicesTest)
#include "windows_services_test.moc"
