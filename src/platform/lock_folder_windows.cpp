#include "platform/lock_folder.h"

#include <QDir>
#include <QStandardPaths>

namespace lumo::platform {

// The user's local application data folder: it belongs to the user's profile, where other users
// cannot write.
QString privateLockFolder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty() || !QDir().mkpath(folder)) {
        return {};
    }
    return folder;
}

} // namespace lumo::platform
