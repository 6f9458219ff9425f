#pragma once

#include <QString>

namespace lumo::platform {

// Per-user string settings addressed by section and key. A missing value reads as empty; a store
// that cannot be read behaves as empty, and a write it cannot keep is dropped and reported.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    [[nodiscard]] virtual QString read(const QString& section, const QString& key) = 0;
    // False when the value could not be kept; the store is then as it was.
    virtual bool write(const QString& section, const QString& key, const QString& value) = 0;
    // Where the values live, as the user would look for them: a file's path, a registry key.
    [[nodiscard]] virtual QString location() const = 0;
};

} // namespace lumo::platform
