#pragma once

#include "platform/instance_lock.h"

#include <QLockFile>
#include <QString>
#include <memory>

namespace lumo::platform {

// A QLockFile in a folder only this user can write to. QLockFile records the owner's process id,
// so a lock left by a copy that crashed or was killed is recognised as stale and taken over; so
// is a lock file whose owner cannot be read at all.
class LockFileInstanceLock final : public InstanceLock {
public:
    explicit LockFileInstanceLock(QString lockFilePath);
    [[nodiscard]] bool acquire() override;
    void release() override;

    // The lock file the program uses for `applicationName`.
    [[nodiscard]] static QString defaultPath(const QString& applicationName);

private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
    bool m_anotherRunning = false;
};

} // namespace lumo::platform
