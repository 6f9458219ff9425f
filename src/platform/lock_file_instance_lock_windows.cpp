#include "platform/lock_file_instance_lock.h"

#include <QLockFile>
#include <QThread>

namespace lumo::platform {

namespace {
// How long a writer may take between creating its lock file and writing its owner into it.
constexpr unsigned long kOwnerWriteMilliseconds = 100;
// How long a copy waits for another that is taking an unreadable lock over.
constexpr int kTakeoverWaitMilliseconds = 5000;

bool ownerReadable(const QLockFile& lock)
{
    qint64 pid = 0;
    QString host;
    QString application;
    return lock.getLockInfo(&pid, &host, &application);
}
} // namespace

struct LockFileInstanceLock::Held {
    explicit Held(const QString& path)
        : lock(path)
    {
    }
    QLockFile lock;
};

LockFileInstanceLock::LockFileInstanceLock(QString lockFilePath)
    : m_path(std::move(lockFilePath))
{
}

// QLockFile unlocks and removes its file as it is destroyed.
LockFileInstanceLock::~LockFileInstanceLock() = default;

bool LockFileInstanceLock::acquire()
{
    if (m_tried || m_path.isEmpty()) {
        return !m_anotherRunning;
    }
    m_tried = true;
    m_held = std::make_unique<Held>(m_path);
    QLockFile& lock = m_held->lock;
    // A live owner keeps the lock however old it is; only a dead owner's lock is stale.
    lock.setStaleLockTime(0);
    if (!lock.tryLock(0) && lock.error() == QLockFile::LockFailedError && !ownerReadable(lock)) {
        // A lock that names no owner, as a crash between creating and writing it leaves, would
        // refuse every later start. Give a copy that is writing it right now the moment it
        // needs, then take the lock over. Removing fails while a live copy holds the file.
        // Copies taking over at the same time go one after another, so that none removes the
        // lock another has just made in its place.
        QLockFile takeover(m_path + QStringLiteral(".takeover"));
        takeover.setStaleLockTime(0);
        const bool alone = takeover.tryLock(kTakeoverWaitMilliseconds);
        QThread::msleep(kOwnerWriteMilliseconds);
        if (!lock.tryLock(0) && lock.error() == QLockFile::LockFailedError &&
            !ownerReadable(lock) && lock.removeStaleLockFile()) {
            lock.tryLock(0);
        }
        if (alone) {
            takeover.unlock();
        }
    }
    // Any failure other than a live owner (an unwritable folder, say) lets the program run.
    m_anotherRunning = !lock.isLocked() && lock.error() == QLockFile::LockFailedError;
    return !m_anotherRunning;
}

} // namespace lumo::platform
