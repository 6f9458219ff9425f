#include "platform/qsettings_store.h"

#include "platform/settings_store_native.h"

#include <QSettings>

namespace lumo::platform {

namespace {
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
    return QStringLiteral("HKEY_CURRENT_USER\\Software\\") + m_applicationName;
}

QString QSettingsStore::read(const QString& section, const QString& key)
{
    const QSettings settings(location(), QSettings::NativeFormat);
    if (settings.status() != QSettings::NoError) {
        return {};
    }
    return settings.value(keyPath(section, key)).toString();
}

bool QSettingsStore::write(const QString& section, const QString& key, const QString& value)
{
    QSettings settings(location(), QSettings::NativeFormat);
    if (settings.status() != QSettings::NoError) {
        return false;
    }
    settings.setValue(keyPath(section, key), value);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

std::unique_ptr<SettingsStore> createNativeSettingsStore(const QString& applicationName)
{
    return std::make_unique<QSettingsStore>(applicationName);
}

} // namespace lumo::platform
