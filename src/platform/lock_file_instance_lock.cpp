#include "platform/lock_file_instance_lock.h"

#include "platform/lock_folder.h"

#include <QDir>
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

LockFileInstanceLock::LockFileInstanceLock(QString lockFilePath)
    : m_path(std::move(lockFilePath))
{
}

bool LockFileInstanceLock::acquire()
{
    if (m_lock || m_path.isEmpty()) {
        return !m_anotherRunning;
    }
    m_lock = std::make_unique<QLockFile>(m_path);
    // A live owner keeps the lock however old it is; only a dead owner's lock is stale.
    m_lock->setStaleLockTime(0);
    if (!m_lock->tryLock(0) && m_lock->error() == QLockFile::LockFailedError &&
        !ownerReadable(*m_lock)) {
        // A lock that names no owner, as a crash between creating and writing it leaves, would
        // refuse every later start. Give a copy that is writing it right now the moment it
        // needs, then take the lock over. Removing fails while a live copy holds the file.
        // Copies taking over at the same time go one after another, so that none removes the
        // lock another has just made in its place.
        QLockFile takeover(m_path + QStringLiteral(".takeover"));
        takeover.setStaleLockTime(0);
        const bool alone = takeover.tryLock(kTakeoverWaitMilliseconds);
        QThread::msleep(kOwnerWriteMilliseconds);
        if (!m_lock->tryLock(0) && m_lock->error() == QLockFile::LockFailedError &&
            !ownerReadable(*m_lock) && m_lock->removeStaleLockFile()) {
            m_lock->tryLock(0);
        }
        if (alone) {
            takeover.unlock();
        }
    }
    // Any failure other than a live owner (an unwritable folder, say) lets the program run.
    m_anotherRunning = !m_lock->isLocked() && m_lock->error() == QLockFile::LockFailedError;
    return !m_anotherRunning;
}

void LockFileInstanceLock::release()
{
    if (m_lock && m_lock->isLocked()) {
        m_lock->unlock();
    }
}

QString LockFileInstanceLock::defaultPath(const QString& applicationName)
{
    const QString folder = privateLockFolder();
    if (folder.isEmpty()) {
        return {}; // no folder of the user's own: no lock, and the program runs
    }
    return QDir(folder).filePath(applicationName + QStringLiteral(".lock"));
}

} // namespace lumo::platform
