#include "platform/lock_file_instance_lock.h"

#include <QDir>
#include <QStandardPaths>

namespace lumo::platform {

LockFileInstanceLock::LockFileInstanceLock(QString lockFilePath)
    : m_path(std::move(lockFilePath))
{
}

bool LockFileInstanceLock::anotherInstanceRunning()
{
    if (m_lock) {
        return m_anotherRunning;
    }
    m_lock = std::make_unique<QLockFile>(m_path);
    // A live owner keeps the lock however old it is; only a dead owner's lock is stale.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0)) {
        m_anotherRunning = false;
    } else {
        // Any failure other than a live owner (an unwritable folder, say) lets the program run.
        m_anotherRunning = m_lock->error() == QLockFile::LockFailedError;
    }
    return m_anotherRunning;
}

void LockFileInstanceLock::release()
{
    if (m_lock && m_lock->isLocked()) {
        m_lock->unlock();
    }
}

QString LockFileInstanceLock::defaultPath(const QString& applicationName)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!folder.isEmpty()) {
        return QDir(folder).filePath(applicationName + QStringLiteral(".lock"));
    }
    // The shared temporary folder serves every user: the user's name keeps one user's copy
    // from refusing another's.
    const QString user = qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME"));
    return QDir(QDir::tempPath())
        .filePath(applicationName + QLatin1Char('-') + user + QStringLiteral(".lock"));
}

} // namespace lumo::platform
