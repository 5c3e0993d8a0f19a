#include "text/text_file.h"

#include <QFile>

#include "platform/durable_file.h"
#include "platform/file_links.h"
#include "platform/system_error.h"
#include "text/cp1250.h"

namespace tavo::text {
namespace {

using platform::Fault;
using platform::faultMessage;

void setError(QString* error, const QString& message) {
    if (error)
        *error = message;
}

// The faults a test asked for through the environment (see writeSynced).
struct Faults {
    qint64 writeAfter = -1;  // the bytes a file takes before the disk is full; -1: no limit
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

// Writes `bytes` whole; a full disk asked for by a test takes its first bytes
// and then says so.
bool writeAll(platform::NewFile& file, const QByteArray& bytes, QString* why) {
    const qint64 limit = faults().writeAfter;
    const bool full = limit >= 0 && bytes.size() > limit;
    if (!file.write(bytes.constData(), full ? limit : bytes.size(), why))
        return false;
    if (full)
        *why = faultMessage(Fault::DiskFull);
    return !full;
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
    QString why;
    platform::NewFile file;
    if (faults().readOnly) {
        why = faultMessage(Fault::AccessDenied);
    } else if (file.create(path, &why) && writeAll(file, bytes, &why) &&
               (durability == Durability::Unsynced || file.sync(&why)) && file.close(&why)) {
        return true;
    }
    setError(error, path + ": " + why);
    return false;
}

// Renames `from` over `to` (see renameOver), durable when synced.
bool renameWhole(const QString& from, const QString& to, QString* error, Durability durability) {
    QString why;
    if (faults().readOnly) {
        why = faultMessage(Fault::AccessDenied);
    } else if (platform::renameOver(from, to,
                                    durability == Durability::Synced
                                        ? platform::RenameDurability::Durable
                                        : platform::RenameDurability::Lazy,
                                    &why)) {
        return true;
    }
    setError(error, to + ": " + why);
    return false;
}

}  // namespace

bool linkFile(const QString& existing, const QString& link, QString* error) {
    QString why;
    if (faults().readOnly)
        why = faultMessage(Fault::AccessDenied);
    else if (qEnvironmentVariableIntValue("TAVO_FAULT_NO_HARD_LINKS") != 0)
        why = faultMessage(Fault::NoHardLinks);
    else if (platform::hardLink(existing, link, &why))
        return true;
    setError(error, link + ": " + why);
    return false;
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
