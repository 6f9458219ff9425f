#pragma once

#include "platform/settings_store.h"

#include <QString>

namespace lumo::platform {

// The per-user store of `applicationName`, opened afresh for each read and write:
// on Windows the registry key HKEY_CURRENT_USER\Software\<applicationName>, each section a
// subkey; elsewhere the INI file <config folder>/<applicationName>.ini, each section a [group],
// the config folder being $XDG_CONFIG_HOME, or ~/.config when that is unset or empty.
// A store that cannot be read reads as empty; a write that fails is dropped. Neither complains.
class QSettingsStore final : public SettingsStore {
public:
    explicit QSettingsStore(QString applicationName);
    [[nodiscard]] QString read(const QString& section, const QString& key) override;
    void write(const QString& section, const QString& key, const QString& value) override;

    // Where the values live: the registry key on Windows, the INI file's path elsewhere.
    [[nodiscard]] QString location() const;

private:
    QString m_applicationName;
};

} // namespace lumo::platform
