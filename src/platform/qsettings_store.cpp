#include "platform/qsettings_store.h"

#include <QSettings>
#include <QStandardPaths>

namespace lumo::platform {

namespace {
#ifdef Q_OS_WIN
constexpr auto kFormat = QSettings::NativeFormat;

QString storeLocation(const QString& applicationName)
{
    return QStringLiteral("HKEY_CURRENT_USER\\Software\\") + applicationName;
}
#else
constexpr auto kFormat = QSettings::IniFormat;

QString storeLocation(const QString& applicationName)
{
    // Looked up at each use, so the config folder in force now is the one used.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QLatin1Char('/') + applicationName + QStringLiteral(".ini");
}
#endif

QString keyPath(const QString& section, const QString& key)
{
    return section + QLatin1Char('/') + key;
}
} // namespace

QSettingsStore::QSettingsStore(QString applicationName)
    : m_applicationName(std::move(applicationName))
{
}

QString QSettingsStore::location() const
{
    return storeLocation(m_applicationName);
}

QString QSettingsStore::read(const QString& section, const QString& key)
{
    const QSettings settings(location(), kFormat);
    if (settings.status() != QSettings::NoError) {
        return {};
    }
    return settings.value(keyPath(section, key)).toString();
}

void QSettingsStore::write(const QString& section, const QString& key, const QString& value)
{
    QSettings settings(location(), kFormat);
    // A file that cannot be read or parsed is left alone rather than overwritten.
    if (settings.status() != QSettings::NoError) {
        return;
    }
    settings.setValue(keyPath(section, key), value);
    settings.sync();
}

} // namespace lumo::platform
