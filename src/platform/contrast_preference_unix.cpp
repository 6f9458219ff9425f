#include "platform/contrast_preference_native.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusVariant>
#include <QDir>
#include <QFileInfo>
#include <QString>
#include <QVariant>

namespace lumo::platform {

namespace {
constexpr char kPortal[] = "org.freedesktop.portal.Desktop";
constexpr char kPortalPath[] = "/org/freedesktop/portal/desktop";
constexpr char kSettings[] = "org.freedesktop.portal.Settings";
// The longest the program waits for the bus or the portal at start-up, in milliseconds.
constexpr int kAnswerTimeout = 200;

// What the desktop's settings portal says, as xdg-desktop-portal serves it on GNOME, KDE and
// others: the portal's own "contrast" of "org.freedesktop.appearance" (1 asks for high
// contrast), and GNOME's "high-contrast" of "org.gnome.desktop.a11y.interface", which the GNOME
// and GTK portals pass on. No session bus, no portal or no answer in time: no preference.
class SettingsPortal final : public ContrastPreference {
public:
    [[nodiscard]] bool highContrast() override
    {
        if (!sessionBusMayExist()) {
            return false; // nothing to ask, and asking would look for a bus to start
        }
        QDBusConnection bus = QDBusConnection::sessionBus();
        if (!bus.isConnected() || !portalRuns(bus)) {
            return false;
        }
        QDBusPendingCall appearance = read(bus, "org.freedesktop.appearance", "contrast");
        QDBusPendingCall gnome = read(bus, "org.gnome.desktop.a11y.interface", "high-contrast");
        return answer(appearance).toUInt() == 1 || answer(gnome).toBool();
    }

private:
    // Only a bus that someone named, or the usual per-user socket: left alone, the D-Bus library
    // may start a bus of its own ("autolaunch"), which takes far longer than start-up may.
    [[nodiscard]] static bool sessionBusMayExist()
    {
        if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) {
            return true;
        }
        const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
        return !runtime.isEmpty() &&
               QFileInfo::exists(QDir(runtime).filePath(QStringLiteral("bus")));
    }

    // Asked of the bus itself, which answers at once: a portal that is not running is not
    // started for this.
    [[nodiscard]] static bool portalRuns(QDBusConnection& bus)
    {
        QDBusMessage ask = QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
            QStringLiteral("org.freedesktop.DBus"), QStringLiteral("NameHasOwner"));
        ask << QLatin1String(kPortal);
        const QDBusMessage reply = bus.call(ask, QDBus::Block, kAnswerTimeout);
        return reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty() &&
               reply.arguments().constFirst().toBool();
    }

    [[nodiscard]] static QDBusPendingCall read(QDBusConnection& bus, const char* group,
                                               const char* key)
    {
        QDBusMessage ask =
            QDBusMessage::createMethodCall(QLatin1String(kPortal), QLatin1String(kPortalPath),
                                           QLatin1String(kSettings), QStringLiteral("Read"));
        ask << QLatin1String(group) << QLatin1String(key);
        return bus.asyncCall(ask, kAnswerTimeout);
    }

    // The value read, unwrapped: Read answers a variant holding the setting's variant.
    [[nodiscard]] static QVariant answer(QDBusPendingCall& call)
    {
        call.waitForFinished();
        const QDBusMessage reply = call.reply();
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
            return {};
        }
        QVariant value = reply.arguments().constFirst();
        while (value.canConvert<QDBusVariant>() &&
               value.userType() == qMetaTypeId<QDBusVariant>()) {
            value = value.value<QDBusVariant>().variant();
        }
        return value;
    }
};
} // namespace

std::unique_ptr<ContrastPreference> createNativeContrastPreference()
{
    return std::make_unique<SettingsPortal>();
}

} // namespace lumo::platform
