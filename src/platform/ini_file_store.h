#pragma once

#include "platform/settings_store.h"

#include <QString>

namespace lumo::platform {

// The INI file <config folder>/<applicationName>.ini, each section a [group], opened afresh for
// each read and write. The config folder is $XDG_CONFIG_HOME when that is an absolute path, else
// ~/.config.
//
// The file is the user's: it is changed only when the program can read it as its own (see
// IniText) or when there is none, and then only the one line of the value, everything else kept.
// A file it cannot read as its own (another kind of file, too large, not a regular file, owned by
// someone else) stays byte for byte and takes no writes. A link is followed only when the link
// and the file it names are this user's (dotfile managers make such links); a dangling link
// makes no file. Writes go to a new file beside the old one, which then takes its place, so a
// failed write (a full disk) leaves the old file whole.
class IniFileStore final : public SettingsStore {
public:
    explicit IniFileStore(QString applicationName);
    [[nodiscard]] QString read(const QString& section, const QString& key) override;
    bool write(const QString& section, const QString& key, const QString& value) override;
    [[nodiscard]] QString location() const override;

    // The largest settings file read; a larger one is not the program's own.
    static constexpr qint64 kLargestFile = 1024 * 1024;

private:
    QString m_applicationName;
};

} // namespace lumo::platform
