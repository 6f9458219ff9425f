#include "platform/ini_file_store.h"
#include "platform/ini_text.h"
#include "platform/settings_store_native.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace lumo::platform {

namespace {
constexpr mode_t kNewFileMode = S_IRUSR | S_IWUSR;
constexpr mode_t kPermissionBits = 07777;

// What lies where the settings file belongs.
struct Examined {
    enum class Kind { Nothing, Own, NotOwn };
    Kind kind = Kind::NotOwn;
    QString target;              // the regular file itself, the link's target for a link
    std::optional<IniText> text; // for Own
    struct stat info {};         // of the target, for Own
};

// The XDG rule: a relative $XDG_CONFIG_HOME is ignored, as is an empty one.
QString configFolder()
{
    const QString chosen = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!chosen.isEmpty() && QDir::isAbsolutePath(chosen)) {
        return QDir::cleanPath(chosen);
    }
    return QDir::homePath() + QStringLiteral("/.config");
}

// Reads the regular file `path`, not more than the largest settings file and without blocking:
// only a regular file is opened, and only the one that was looked at (`expected`).
std::optional<QByteArray> readRegularFile(const QByteArray& path, const struct stat& expected)
{
    const int descriptor =
        ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY);
    if (descriptor < 0) {
        return std::nullopt;
    }
    struct stat opened {};
    std::optional<QByteArray> content;
    if (::fstat(descriptor, &opened) == 0 && S_ISREG(opened.st_mode) &&
        opened.st_dev == expected.st_dev && opened.st_ino == expected.st_ino) {
        QFile file;
        if (file.open(descriptor, QIODevice::ReadOnly)) {
            content = file.read(IniFileStore::kLargestFile + 1);
            if (content->size() > IniFileStore::kLargestFile) {
                content.reset();
            }
        }
    }
    ::close(descriptor);
    return content;
}

Examined examine(const QString& path)
{
    const QByteArray native = QFile::encodeName(path);
    Examined result;
    struct stat entry {};
    if (::lstat(native.constData(), &entry) != 0) {
        if (errno == ENOENT) {
            result.kind = Examined::Kind::Nothing;
            result.target = path;
        }
        return result;
    }
    QByteArray target = native;
    struct stat info = entry;
    if (S_ISLNK(entry.st_mode)) {
        // Followed only when the link is this user's and names a file of this user's; a dangling
        // link is not followed, so no file is made wherever it points.
        char* resolved = ::realpath(native.constData(), nullptr);
        if (resolved == nullptr) {
            return result;
        }
        target = resolved;
        std::free(resolved);
        if (entry.st_uid != ::geteuid() || ::stat(target.constData(), &info) != 0 ||
            info.st_uid != ::geteuid()) {
            return result;
        }
    }
    if (!S_ISREG(info.st_mode) || info.st_size > IniFileStore::kLargestFile) {
        return result;
    }
    const auto content = readRegularFile(target, info);
    if (!content) {
        return result;
    }
    result.text = IniText::parse(*content);
    if (result.text) {
        result.kind = Examined::Kind::Own;
        result.target = QFile::decodeName(target);
        result.info = info;
    }
    return result;
}

// Makes the folder `path` and any missing folder above it, each only inside a folder of this
// user's: root with a user's home (sudo -E) would otherwise leave a ~/.config of root's there.
bool makeOwnFolder(const QString& path)
{
    const QByteArray native = QFile::encodeName(path);
    struct stat info {};
    if (::stat(native.constData(), &info) == 0) {
        return S_ISDIR(info.st_mode);
    }
    const QString parent = QFileInfo(path).absolutePath();
    if (errno != ENOENT || parent == path || !makeOwnFolder(parent) ||
        ::lstat(QFile::encodeName(parent).constData(), &info) != 0 || info.st_uid != ::geteuid()) {
        return false;
    }
    return ::mkdir(native.constData(), S_IRWXU) == 0 || errno == EEXIST;
}

bool writeAll(int descriptor, const QByteArray& bytes)
{
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t step = ::write(descriptor, bytes.constData() + written,
                                     static_cast<size_t>(bytes.size() - written));
        if (step < 0 && errno == EINTR) {
            continue;
        }
        if (step <= 0) {
            return false;
        }
        written += step;
    }
    return true;
}

// Puts `bytes` in place of `target` through a new file in the same folder, so the old one stays
// whole until the new one is complete. Only in a folder of this user's.
bool replaceFile(const QString& target, const QByteArray& bytes, mode_t mode)
{
    const QFileInfo info(target);
    struct stat folder {};
    if (::lstat(QFile::encodeName(info.absolutePath()).constData(), &folder) != 0 ||
        !S_ISDIR(folder.st_mode) || folder.st_uid != ::geteuid()) {
        return false;
    }
    QByteArray temporary =
        QFile::encodeName(info.absolutePath() + QStringLiteral("/.") + info.fileName()) + ".XXXXXX";
    const int descriptor = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (descriptor < 0) {
        return false;
    }
    const bool written = ::fchmod(descriptor, mode & kPermissionBits) == 0 &&
                         writeAll(descriptor, bytes) && ::fsync(descriptor) == 0;
    const bool closed = ::close(descriptor) == 0;
    if (!written || !closed ||
        ::rename(temporary.constData(), QFile::encodeName(target).constData()) != 0) {
        ::unlink(temporary.constData());
        return false;
    }
    return true;
}
} // namespace

IniFileStore::IniFileStore(QString applicationName)
    : m_applicationName(std::move(applicationName))
{
}

QString IniFileStore::location() const
{
    // Looked up at each use, so the config folder in force now is the one used.
    return configFolder() + QLatin1Char('/') + m_applicationName + QStringLiteral(".ini");
}

QString IniFileStore::read(const QString& section, const QString& key)
{
    const Examined found = examine(location());
    return found.text ? found.text->value(section, key) : QString();
}

bool IniFileStore::write(const QString& section, const QString& key, const QString& value)
{
    const QString path = location();
    if (!makeOwnFolder(QFileInfo(path).absolutePath())) {
        return false;
    }
    Examined found = examine(path);
    switch (found.kind) {
    case Examined::Kind::NotOwn:
        return false;
    case Examined::Kind::Own:
        // Someone else's file would become this user's; a read-only one was made so on purpose.
        if (found.info.st_uid != ::geteuid() || (found.info.st_mode & S_IWUSR) == 0) {
            return false;
        }
        found.text->setValue(section, key, value);
        return replaceFile(found.target, found.text->toBytes(), found.info.st_mode);
    case Examined::Kind::Nothing: {
        IniText text;
        text.setValue(section, key, value);
        return replaceFile(found.target, text.toBytes(), kNewFileMode);
    }
    }
    return false;
}

std::unique_ptr<SettingsStore> createNativeSettingsStore(const QString& applicationName)
{
    return std::make_unique<IniFileStore>(applicationName);
}

} // namespace lumo::platform
