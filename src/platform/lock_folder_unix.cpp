#include "platform/lock_folder.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace lumo::platform {

namespace {
constexpr mode_t kOwnerOnly = S_IRWXU;

// A real folder (not a link) that belongs to this user, that no one else may write to, and
// that this user can write to.
bool isPrivateFolder(const QString& path)
{
    struct stat info {};
    const QByteArray native = QFile::encodeName(path);
    if (::lstat(native.constData(), &info) != 0 || !S_ISDIR(info.st_mode)) {
        return false;
    }
    return info.st_uid == ::getuid() && (info.st_mode & (S_IWGRP | S_IWOTH)) == 0 &&
           ::access(native.constData(), W_OK | X_OK) == 0;
}

// The user's own folder in the shared temporary folder, named by the numeric user id (never by
// an environment variable, which another user's program may not share), created owner-only.
QString temporaryPrivateFolder()
{
    const QString path =
        QDir(QDir::tempPath()).filePath(QStringLiteral("lumo-soul-urge-number-%1").arg(::getuid()));
    const QByteArray native = QFile::encodeName(path);
    if (::mkdir(native.constData(), kOwnerOnly) != 0 && errno != EEXIST) {
        return {};
    }
    return isPrivateFolder(path) ? path : QString();
}
} // namespace

QString privateLockFolder()
{
    // The runtime folder as the desktop session names it. Not Qt's stand-in for a missing one,
    // which is named after the user's name and may have been made by someone else.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && isPrivateFolder(runtime)) {
        return runtime;
    }
    return temporaryPrivateFolder();
}

} // namespace lumo::platform
