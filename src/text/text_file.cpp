#include "text/text_file.h"

#include <fcntl.h>
#include <unistd.h>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "text/cp1250.h"

namespace tavo::text {
namespace {

void setError(QString* error, const QString& message) {
    if (error)
        *error = message;
}

QString systemError() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

// The faults a test asked for through the environment (see writeSynced).
struct Faults {
    qint64 writeAfter = -1;  // the bytes a file takes before ENOSPC; -1: no limit
    bool readOnly = false;
};

const Faults& faults() {
    static const Faults asked = [] {
        Faults f;
        bool ok = false;
        const qint64 after = qEnvironmentVariable("TAVO_FAULT_WRITE_AFTER").toLongLong(&ok);
        if (ok && after >= 0)
            f.writeAfter = after;
        f.readOnly = qEnvironmentVariableIntValue("TAVO_FAULT_READ_ONLY") != 0;
        return f;
    }();
    return asked;
}

// One write(2) of a file of which `done` bytes are written already; a full
// disk asked for by a test takes what is left of it and then says ENOSPC.
ssize_t writeSome(int fd, const char* data, qsizetype size, qint64 done) {
    const qint64 limit = faults().writeAfter;
    if (limit >= 0 && done + size > limit) {
        size = qsizetype(std::max<qint64>(0, limit - done));
        if (size == 0) {
            errno = ENOSPC;
            return -1;
        }
    }
    return ::write(fd, data, size_t(size));
}

}  // namespace

QStringList splitLines(const QString& text) {
    QStringList lines;
    qsizetype start = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        if (text[i] != QLatin1Char('\n'))
            continue;
        qsizetype end = i;
        if (end > start && text[end - 1] == QLatin1Char('\r'))
            --end;
        lines.append(text.sliced(start, end - start));
        start = i + 1;
    }
    if (start < size)
        lines.append(text.sliced(start));
    return lines;
}

QByteArray joinLines(const QStringList& lines) {
    qsizetype total = 0;
    for (const QString& line : lines) total += line.size() + 2;
    QByteArray out;
    out.reserve(total);
    for (const QString& line : lines) {
        out.append(toCp1250(line));
        out.append("\r\n", 2);
    }
    return out;
}

std::optional<QStringList> readLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return splitLines(fromCp1250(file.readAll()));
}

namespace {

// Writes `bytes` to `path` completely (see writeSynced), synced when asked.
bool writeWhole(const QString& path, const QByteArray& bytes, QString* error,
                Durability durability) {
    const QByteArray native = QFile::encodeName(path);
    int fd = -1;
    if (faults().readOnly)
        errno = EACCES;
    else
        fd = ::open(native.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        setError(error, path + ": " + systemError());
        return false;
    }
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = writeSome(fd, data, left, bytes.size() - left);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            setError(error, path + ": " + systemError());
            ::close(fd);
            return false;
        }
        data += written;
        left -= written;
    }
    if (durability == Durability::Synced && ::fsync(fd) != 0) {
        setError(error, path + ": " + systemError());
        ::close(fd);
        return false;
    }
    if (::close(fd) != 0) {
        setError(error, path + ": " + systemError());
        return false;
    }
    return true;
}

// Renames `from` over `to` (see renameOver), the folder synced when asked.
bool renameWhole(const QString& from, const QString& to, QString* error, Durability durability) {
    if (faults().readOnly)
        errno = EACCES;
    if (faults().readOnly ||
        std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0) {
        setError(error, to + ": " + systemError());
        return false;
    }
    if (durability == Durability::Unsynced)
        return true;
    // The new file is in place: a folder that cannot be synced does not undo
    // that, and saying otherwise would have the user save again for nothing.
    syncFolder(QFileInfo(to).absolutePath());
    return true;
}

}  // namespace

bool linkFile(const QString& existing, const QString& link, QString* error) {
    if (faults().readOnly)
        errno = EACCES;
    else if (qEnvironmentVariableIntValue("TAVO_FAULT_NO_HARD_LINKS") != 0)
        errno = EPERM;
    else if (::link(QFile::encodeName(existing).constData(), QFile::encodeName(link).constData()) ==
             0)
        return true;
    setError(error, link + ": " + systemError());
    return false;
}

void syncFolder(const QString& folder) {
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

bool writeSynced(const QString& path, const QByteArray& bytes, QString* error) {
    return writeWhole(path, bytes, error, Durability::Synced);
}

bool renameOver(const QString& from, const QString& to, QString* error) {
    return renameWhole(from, to, error, Durability::Synced);
}

bool replaceFile(const QString& target, const QString& temp, const QByteArray& bytes,
                 QString* error, Durability durability) {
    if (!writeWhole(temp, bytes, error, durability) ||
        !renameWhole(temp, target, error, durability)) {
        QFile::remove(temp);
        return false;
    }
    return true;
}

bool writeLines(const QString& path, const QStringList& lines, QString* error,
                Durability durability) {
    return replaceFile(path, path + ".tmp", joinLines(lines), error, durability);
}

}  // namespace tavo::text
