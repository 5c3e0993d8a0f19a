#include "platform/durable_file.h"

#include <fcntl.h>
#include <unistd.h>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>

#include "platform/system_error.h"

namespace tavo::platform {
namespace {

void setReason(QString* reason) {
    if (reason)
        *reason = lastSystemError();
}

}  // namespace

NewFile::~NewFile() {
    if (fd_ >= 0)
        ::close(fd_);
}

bool NewFile::create(const QString& path, QString* reason) {
    fd_ =
        ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd_ >= 0)
        return true;
    setReason(reason);
    return false;
}

bool NewFile::write(const char* data, qint64 size, QString* reason) {
    while (size > 0) {
        const ssize_t written = ::write(fd_, data, size_t(size));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            setReason(reason);
            return false;
        }
        data += written;
        size -= written;
    }
    return true;
}

bool NewFile::sync(QString* reason) {
    if (::fsync(fd_) == 0)
        return true;
    setReason(reason);
    return false;
}

bool NewFile::close(QString* reason) {
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) == 0)
        return true;
    setReason(reason);
    return false;
}

bool renameOver(const QString& from, const QString& to, RenameDurability durability,
                QString* reason) {
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0) {
        setReason(reason);
        return false;
    }
    if (durability == RenameDurability::Lazy)
        return true;
    // The new file is in place: a folder that cannot be synced does not undo
    // that, and saying otherwise would have the user save again for nothing.
    syncFolder(QFileInfo(to).absolutePath());
    return true;
}

void syncFolder(const QString& folder) {
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace tavo::platform
