#include "platform/native_services.h"

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QTemporaryDir>
#include <QTest>
#include <optional>

namespace {
constexpr char kPortal[] = "org.freedesktop.portal.Desktop";
constexpr char kPortalPath[] = "/org/freedesktop/portal/desktop";

// A settings portal that knows only the settings a test gives it; Read of any other answers
// the error a portal answers for an unknown setting.
class FakeSettingsPortal final : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")

public:
    std::optional<uint> contrast;          // org.freedesktop.appearance
    std::optional<bool> gnomeHighContrast; // org.gnome.desktop.a11y.interface
    int reads = 0;

public slots:
    QDBusVariant Read(const QString& group, const QString& key)
    {
        ++reads;
        QVariant value;
        if (group == QLatin1String("org.freedesktop.appearance") &&
            key == QLatin1String("contrast") && contrast) {
            value = *contrast;
        } else if (group == QLatin1String("org.gnome.desktop.a11y.interface") &&
                   key == QLatin1String("high-contrast") && gnomeHighContrast) {
            value = *gnomeHighContrast;
        } else {
            sendErrorReply(QStringLiteral("org.freedesktop.portal.Error.NotFound"),
                           QStringLiteral("Requested setting not found"));
            return {};
        }
        // As the portal answers: the setting's variant inside a variant.
        return QDBusVariant(QVariant::fromValue(QDBusVariant(value)));
    }
};
} // namespace

// The desktop's contrast preference read from its settings portal, on a session bus of the
// test's own (dbus-run-session) with a stand-in portal.
class ContrastPreferenceUnixTest final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(QDBusConnection::sessionBus().isConnected(), "run under dbus-run-session");
        QVERIFY(QDBusConnection::sessionBus().registerObject(QLatin1String(kPortalPath), &m_portal,
                                                             QDBusConnection::ExportAllSlots));
    }

    void portalAnswers_data()
    {
        QTest::addColumn<int>("contrast"); // -1: not known to the portal
        QTest::addColumn<int>("gnome");    // -1: not known; 0 false, 1 true
        QTest::addColumn<bool>("high");
        QTest::newRow("appearance asks for high contrast") << 1 << -1 << true;
        QTest::newRow("appearance: no preference") << 0 << -1 << false;
        QTest::newRow("GNOME asks for it") << -1 << 1 << true;
        QTest::newRow("GNOME does not") << -1 << 0 << false;
        QTest::newRow("GNOME asks, appearance has no preference") << 0 << 1 << true;
        QTest::newRow("neither is known") << -1 << -1 << false;
        QTest::newRow("appearance's other value") << 2 << 0 << false;
    }
    void portalAnswers()
    {
        QFETCH(int, contrast);
        QFETCH(int, gnome);
        QFETCH(bool, high);
        m_portal.contrast = contrast < 0 ? std::nullopt : std::optional<uint>(uint(contrast));
        m_portal.gnomeHighContrast = gnome < 0 ? std::nullopt : std::optional<bool>(gnome == 1);
        QVERIFY(QDBusConnection::sessionBus().registerService(QLatin1String(kPortal)));
        m_portal.reads = 0;
        const bool answer = lumo::platform::createContrastPreference()->highContrast();
        QDBusConnection::sessionBus().unregisterService(QLatin1String(kPortal));
        QCOMPARE(answer, high);
        QVERIFY(m_portal.reads > 0);
    }

    // No portal on the bus: no preference, and nothing is started to find one.
    void noPortalMeansNoPreference()
    {
        m_portal.contrast = 1;
        m_portal.reads = 0;
        QVERIFY(!lumo::platform::createContrastPreference()->highContrast());
        QCOMPARE(m_portal.reads, 0);
    }

    // No session bus named and none at the usual place: no preference, the bus left alone.
    void noSessionBusMeansNoPreference()
    {
        const QByteArray address = qgetenv("DBUS_SESSION_BUS_ADDRESS");
        const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
        QTemporaryDir empty;
        qunsetenv("DBUS_SESSION_BUS_ADDRESS");
        qputenv("XDG_RUNTIME_DIR", empty.path().toLocal8Bit());
        m_portal.contrast = 1;
        QVERIFY(QDBusConnection::sessionBus().registerService(QLatin1String(kPortal)));
        m_portal.reads = 0;
        const bool answer = lumo::platform::createContrastPreference()->highContrast();
        QDBusConnection::sessionBus().unregisterService(QLatin1String(kPortal));
        qputenv("DBUS_SESSION_BUS_ADDRESS", address);
        qputenv("XDG_RUNTIME_DIR", runtime);
        QVERIFY(!answer);
        QCOMPARE(m_portal.reads, 0);
    }

private:
    FakeSettingsPortal m_portal;
};

QTEST_GUILESS_MAIN(ContrastPreferenceUnixTest)
#include "contrast_preference_unix_test.moc"
