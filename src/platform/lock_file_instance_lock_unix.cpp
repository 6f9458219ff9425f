#include "platform/lock_file_instance_lock.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lumo::platform {

namespace {
// Readable and writable by its owner alone, whatever the umask, so that every later copy of the
// same user can open it and ask the system whether its holder lives.
constexpr mode_t kLockMode = S_IRUSR | S_IWUSR;
// How long a copy waits for another that is taking a lock over.
constexpr int kTakeoverWaitMilliseconds = 5000;
constexpr unsigned long kTakeoverPollMilliseconds = 20;
// Between opening the file and locking it, the copy that held it may have ended and removed it;
// then the copy tries again with the file now there.
constexpr int kOpenRounds = 3;

enum class Taken { Held, Busy, Unusable };

bool sameFile(const struct stat& one, const struct stat& other)
{
    return one.st_dev == other.st_dev && one.st_ino == other.st_ino;
}

// Opens the regular file at `path` (making it if there is none) without following a link or
// blocking on a FIFO, and takes its lock: Busy when a live copy holds it.
Taken take(const QByteArray& path, int& held)
{
    for (int round = 0; round < kOpenRounds; ++round) {
        const int descriptor =
            ::open(path.constData(),
                   O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, kLockMode);
        if (descriptor < 0) {
            return Taken::Unusable;
        }
        struct stat opened {};
        if (::fstat(descriptor, &opened) != 0 || !S_ISREG(opened.st_mode)) {
            ::close(descriptor);
            return Taken::Unusable;
        }
        if (::flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
            const bool busy = errno == EWOULDBLOCK;
            ::close(descriptor);
            return busy ? Taken::Busy : Taken::Unusable;
        }
        struct stat named {};
        if (::lstat(path.constData(), &named) == 0 && sameFile(named, opened)) {
            (void)::fchmod(descriptor, kLockMode);
            // The owner's process id, for a person who looks; the lock itself is the flock.
            const QByteArray owner = QByteArray::number(QCoreApplication::applicationPid()) + '\n';
            if (::ftruncate(descriptor, 0) == 0) {
                (void)!::write(descriptor, owner.constData(), static_cast<size_t>(owner.size()));
            }
            held = descriptor;
            return Taken::Held;
        }
        ::close(descriptor);
    }
    return Taken::Unusable;
}

// Takes the lock of the lock folder itself for as long as it is held, so that copies taking a
// lock over go one after another and none removes the lock another has just made. Gives up
// after a while rather than wait for ever.
class FolderTurn final {
public:
    explicit FolderTurn(const QString& folder)
        : m_descriptor(
              ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
    {
        for (int waited = 0; m_descriptor >= 0 && waited < kTakeoverWaitMilliseconds;
             waited += static_cast<int>(kTakeoverPollMilliseconds)) {
            if (::flock(m_descriptor, LOCK_EX | LOCK_NB) == 0) {
                return;
            }
            QThread::msleep(kTakeoverPollMilliseconds);
        }
    }
    ~FolderTurn()
    {
        if (m_descriptor >= 0) {
            ::close(m_descriptor);
        }
    }
    Q_DISABLE_COPY_MOVE(FolderTurn)

private:
    int m_descriptor;
};

// Makes way for a lock at `path` where something that no live copy can hold stands: the live
// copies of this user hold only regular files of their own that they can open. A file of this
// user's in another mode gets the lock's mode back, so that a live holder is still seen; anything
// else (someone else's file, a folder, a link, a FIFO) is removed. The folder is this user's.
void makeWay(const QByteArray& path)
{
    struct stat entry {};
    if (::lstat(path.constData(), &entry) != 0) {
        return;
    }
    if (S_ISREG(entry.st_mode) && entry.st_uid == ::geteuid()) {
        (void)::chmod(path.constData(), kLockMode);
    } else if (S_ISDIR(entry.st_mode)) {
        (void)::rmdir(path.constData());
    } else {
        (void)::unlink(path.constData());
    }
}
} // namespace

struct LockFileInstanceLock::Held {
    int descriptor = -1;
};

LockFileInstanceLock::LockFileInstanceLock(QString lockFilePath)
    : m_path(std::move(lockFilePath))
{
}

LockFileInstanceLock::~LockFileInstanceLock()
{
    if (!m_held) {
        return;
    }
    // Removed while still locked, so that no copy takes a lock on a file that is going away.
    const QByteArray path = QFile::encodeName(m_path);
    struct stat named {};
    struct stat opened {};
    if (::lstat(path.constData(), &named) == 0 && ::fstat(m_held->descriptor, &opened) == 0 &&
        sameFile(named, opened)) {
        ::unlink(path.constData());
    }
    ::close(m_held->descriptor);
}

bool LockFileInstanceLock::acquire()
{
    if (m_tried || m_path.isEmpty()) {
        return !m_anotherRunning;
    }
    m_tried = true;
    const QByteArray path = QFile::encodeName(m_path);
    int descriptor = -1;
    Taken taken = take(path, descriptor);
    if (taken == Taken::Unusable) {
        const FolderTurn turn(QFileInfo(m_path).absolutePath());
        // Another copy may have taken it over while this one waited for its turn.
        taken = take(path, descriptor);
        if (taken == Taken::Unusable) {
            makeWay(path);
            taken = take(path, descriptor);
        }
    }
    if (taken == Taken::Held) {
        m_held = std::make_unique<Held>(Held{descriptor});
    }
    // Where no lock can be had at all (an unwritable folder, a folder by the lock's name that
    // holds files) the program runs unguarded rather than not at all.
    m_anotherRunning = taken == Taken::Busy;
    return !m_anotherRunning;
}

} // namespace lumo::platform
