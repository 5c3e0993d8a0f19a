#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace tavo::text {

// Splits a file's text into lines. Lines end in CR LF; a lone LF also ends a
// line (a file edited elsewhere), and a last line without an end still counts.
QStringList splitLines(const QString& text);

// The bytes of a file whose lines each end in CR LF, the last one included.
QByteArray joinLines(const QStringList& lines);

// Reads a CP1250 text file as lines; nothing when it is missing or unreadable.
std::optional<QStringList> readLines(const QString& path);

// Writes `bytes` to `path` completely, flushes them and syncs them to disk.
//
// Tests make these writes meet the faults of a real disk through two
// environment variables, read once on the first write (a run without them
// pays one test of a cached value per write):
//   TAVO_FAULT_WRITE_AFTER=N  every file written here takes its first N bytes
//                             and then fails as on a full disk (ENOSPC);
//   TAVO_FAULT_READ_ONLY=1    creating a file here, `renameOver` and
//                             `linkFile` fail as in a folder the user may not
//                             write (EACCES; what chmod cannot show a test
//                             run as root);
//   TAVO_FAULT_NO_HARD_LINKS=1  `linkFile` fails (EPERM), as on a file
//                             system without hard links (FAT, many network
//                             shares); read at every call, so that a test can
//                             turn it on and off.
bool writeSynced(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// Renames `from` over `to` in one step (the old `to` stays until the new one
// replaces it), durable: the rename itself reaches the disk before the call
// returns. A rename that fails leaves both files as they were.
bool renameOver(const QString& from, const QString& to, QString* error = nullptr);

// Gives the file `existing` a second name `link` (a hard link: no copy; the
// content is shared). Never replaces an existing `link`.
bool linkFile(const QString& existing, const QString& link, QString* error = nullptr);

// How a replaced file reaches the disk: synced before the call returns, so
// that a crash afterwards keeps it, or left to the system, for a scratch file
// the program writes anew at each use, where waiting for the disk buys nothing.
enum class Durability { Synced, Unsynced };

// The safe replacement of a file: the whole new content goes to `temp` first,
// synced, and only then is renamed over `target`. A failure at any step leaves
// `target` as it was, and `temp` is removed. Unsynced, a reader still meets
// the old file or the whole new one, never a part.
bool replaceFile(const QString& target, const QString& temp, const QByteArray& bytes,
                 QString* error = nullptr, Durability durability = Durability::Synced);

// Writes lines as a CP1250 CR LF file through "<path>.tmp".
bool writeLines(const QString& path, const QStringList& lines, QString* error = nullptr,
                Durability durability = Durability::Synced);

}  // namespace tavo::text
