#include "store/earlier_versions.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <optional>

#include "platform/durable_file.h"
#include "platform/file_links.h"
#include "platform/stored_file.h"
#include "text/text_file.h"

namespace tavo::store {
namespace {

const QString kStampFormat = QStringLiteral("yyyyMMdd-HHmmss-zzz");

// The local wall-clock time, counted as UTC so that adding a millisecond
// never jumps (summer time) and names compare as the times they show.
QDateTime wallClock(const QDateTime& local) {
    return QDateTime(local.date(), local.time(), Qt::UTC);
}

QString versionName(const QDateTime& stamp) {
    return QStringLiteral("ordine-") + stamp.toString(kStampFormat) + QStringLiteral(".txt");
}

std::optional<QDateTime> stampOf(const QString& name) {
    const QDate date = QDate::fromString(name.mid(7, 8), QStringLiteral("yyyyMMdd"));
    const QTime time =
        QTime::fromString(name.mid(16, 6) + name.mid(23, 3), QStringLiteral("HHmmsszzz"));
    if (!date.isValid() || !time.isValid())
        return std::nullopt;
    return QDateTime(date, time, Qt::UTC);
}

// The name of a new version: now, or just after the newest one.
QString nextName(const QStringList& names) {
    QDateTime stamp = wallClock(QDateTime::currentDateTime());
    if (!names.isEmpty()) {
        const std::optional<QDateTime> newest = stampOf(names.back());
        if (newest && *newest >= stamp)
            stamp = newest->addMSecs(1);
    }
    return versionName(stamp);
}

}  // namespace

QStringList EarlierVersions::names() const {
    static const QRegularExpression versionPattern(
        QStringLiteral("^ordine-\\d{8}-\\d{6}-\\d{3}\\.txt$"));
    QStringList names = QDir(folder()).entryList({QStringLiteral("ordine-*.txt")}, QDir::Files);
    names.removeIf([](const QString& name) { return !versionPattern.match(name).hasMatch(); });
    std::sort(names.begin(), names.end());
    return names;
}

// Whether the newest version holds `bytes` (`file` itself after a run that
// stopped between keeping it and replacing it, or a version copied back).
bool EarlierVersions::isNewest(const QStringList& names, const QString& file,
                               QByteArrayView bytes) const {
    if (names.isEmpty())
        return false;
    const QString newest = QDir(folder()).filePath(names.back());
    if (QFileInfo(newest).size() != bytes.size())
        return false;
    if (platform::sameFile(newest, file))
        return true;
    const platform::StoredFile stored(newest);
    return stored && stored.bytes() == bytes;
}

QString EarlierVersions::relative(const QString& reason) const {
    const QString prefix = working_.path() + QLatin1Char('/');
    return reason.startsWith(prefix) ? reason.mid(prefix.size()) : reason;
}

EarlierVersions::Kept EarlierVersions::keep(const QString& file, QByteArrayView bytes) const {
    Kept result;
    const QString versions = folder();
    if (QString why; !platform::makeFolder(versions, &why)) {
        result.failure = QLatin1String(folderName) + QStringLiteral(": ") + why;
        return result;
    }
    QStringList names = this->names();
    if (isNewest(names, file, bytes))
        return result;

    const QDir dir(versions);
    QFile::remove(dir.filePath(QLatin1String(tempName)));  // left by a stopped copy
    while (names.size() > kept - 1) QFile::remove(dir.filePath(names.takeFirst()));

    const QString version = dir.filePath(nextName(names));
    if (text::linkFile(file, version)) {
        platform::syncFolder(versions);
        result.path = version;
        return result;
    }
    // No hard links here (FAT, a network share) or the link failed: a copy.
    const QString temp = dir.filePath(QLatin1String(tempName));
    QString why;
    if (!text::writeSynced(temp, QByteArray::fromRawData(bytes.data(), bytes.size()), &why) ||
        !text::renameOver(temp, version, &why)) {
        QFile::remove(temp);
        result.failure = relative(why);
        return result;
    }
    result.path = version;
    return result;
}

void EarlierVersions::drop(const Kept& version) const {
    if (!version.path.isEmpty())
        QFile::remove(version.path);
}

QString keepFailureMessage(const QString& failure) {
    return QStringLiteral(
               "Fisierul 'ordine.txt' a fost scris, dar versiunea lui anterioara "
               "nu a putut fi pastrata in dosarul 'versiuni' (%1).")
        .arg(failure);
}

}  // namespace tavo::store
