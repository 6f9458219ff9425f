#include "platform/lock_file_instance_lock.h"

#include "platform/lock_folder.h"

#include <QDir>

namespace lumo::platform {

QString LockFileInstanceLock::defaultPath(const QString& applicationName)
{
    const QString folder = privateLockFolder();
    if (folder.isEmpty()) {
        return {}; // no folder of the user's own: no lock, and the program runs
    }
    return QDir(folder).filePath(applicationName + QStringLiteral(".lock"));
}

} // namespace lumo::platform
