#pragma once

#include <QString>

namespace lumo::platform {

// Per-user string settings addressed by section and key. A missing value reads as empty; a store
// that cannot be read or written behaves as empty and drops writes, without an error.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    [[nodiscard]] virtual QString read(const QString& section, const QString& key) = 0;
    virtual void write(const QString& section, const QString& key, const QString& value) = 0;
};

} // namespace lumo::platform
