#pragma once

#include "platform/instance_lock.h"

#include <QString>
#include <memory>

namespace lumo::platform {

// A lock file in a folder only this user can write to. On Unix the lock is the system's file lock
// (flock) on that file, which ends with its process however the process ends: whatever a copy
// that died left behind (its file in any mode, a file of someone else's, a folder, a link, a FIFO
// by the lock's name) is taken over, and only a live copy refuses another. On Windows a QLockFile,
// whose dead owner's lock is taken over too.
class LockFileInstanceLock final : public InstanceLock {
public:
    explicit LockFileInstanceLock(QString lockFilePath);
    // Gives the lock up, if this copy holds it, so that an ordinary end leaves nothing behind.
    ~LockFileInstanceLock() override;
    Q_DISABLE_COPY_MOVE(LockFileInstanceLock)

    [[nodiscard]] bool acquire() override;

    // The lock file the program uses for `applicationName`.
    [[nodiscard]] static QString defaultPath(const QString& applicationName);

private:
    struct Held; // what the system holds while this copy has the lock

    QString m_path;
    std::unique_ptr<Held> m_held;
    bool m_tried = false;
    bool m_anotherRunning = false;
};

} // namespace lumo::platform
