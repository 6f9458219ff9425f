#pragma once

#include "platform/settings_store.h"

#include <QString>

namespace lumo::platform {

// The per-user store of `applicationName` in the Windows registry, opened afresh for each read
// and write: the key HKEY_CURRENT_USER\Software\<applicationName>, each section a subkey.
// A store that cannot be read reads as empty; a write that fails is dropped and reported.
class QSettingsStore final : public SettingsStore {
public:
    explicit QSettingsStore(QString applicationName);
    [[nodiscard]] QString read(const QString& section, const QString& key) override;
    bool write(const QString& section, const QString& key, const QString& value) override;
    // The registry key the values live in.
    [[nodiscard]] QString location() const override;

private:
    QString m_applicationName;
};

} // namespace lumo::platform
