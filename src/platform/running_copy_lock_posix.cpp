#include "platform/running_copy_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QFile>
#include <QLockFile>
#include <QThread>
#include <cerrno>
#include <optional>

namespace tavo::platform {
namespace {

// The file number of `path` when it is an empty file that no process holds
// locked (a copy holding the lock keeps a flock on it, as QLockFile takes one).
std::optional<ino_t> emptyAndFree(const QByteArray& path) {
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat info {};
    std::optional<ino_t> free;
    if (::fstat(fd, &info) == 0 && info.st_size == 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
        free = info.st_ino;
    ::close(fd);
    return free;
}

// QLockFile knows a dead owner only by the process number in the file, so an
// empty lock would stand for ever. A copy taking the lock right now holds it
// and writes its number within microseconds: one still empty and free after a
// pause was left by a copy that died, and is removed.
bool removeEmptyLock(const QString& path) {
    const QByteArray native = QFile::encodeName(path);
    const std::optional<ino_t> first = emptyAndFree(native);
    if (!first)
        return false;
    QThread::msleep(100);
    const std::optional<ino_t> second = emptyAndFree(native);
    return second == first && ::unlink(native.constData()) == 0;
}

bool writable(const QString& folder) {
    if (::access(QFile::encodeName(folder).constData(), W_OK) == 0)
        return true;
    return errno != EACCES && errno != EROFS;
}

}  // namespace

// QLockFile: the process number, the program and the host in the file, a
// flock held on it while it runs.
struct RunningCopyLock::Held {
    explicit Held(const QString& path) : lock(path) {}
    QLockFile lock;
};

RunningCopyLock::RunningCopyLock() = default;
RunningCopyLock::~RunningCopyLock() = default;

bool RunningCopyLock::acquire(const QString& folder, const QString& path) {
    held_ = std::make_unique<Held>(path);
    QLockFile& lock = held_->lock;
    // Never stale by age: only a lock whose process is gone is taken over.
    lock.setStaleLockTime(0);
    if (lock.tryLock(0))
        return true;
    if (lock.error() == QLockFile::LockFailedError && removeEmptyLock(path) && lock.tryLock(0))
        return true;
    held_.reset();
    // No copy can change the files of a folder this user may not write: the
    // program runs there without the lock (and its saves fail, with a message).
    return !writable(folder);
}

}  // namespace tavo::platform
