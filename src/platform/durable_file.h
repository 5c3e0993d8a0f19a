#pragma once

#include <QString>
#include <QtGlobal>

namespace tavo::platform {

// A file written anew from its first byte: created, or emptied when it
// exists. Closed, if still open, when it goes. Every failure gives the
// system's reason in `reason`.
class NewFile {
  public:
    NewFile() = default;
    ~NewFile();
    NewFile(const NewFile&) = delete;
    NewFile& operator=(const NewFile&) = delete;

    // Opens `path` for writing; the user may read and write it, others read it.
    bool create(const QString& path, QString* reason);
    // Writes all `size` bytes at `data`.
    bool write(const char* data, qint64 size, QString* reason);
    // Sends what was written to the disk itself (fsync, FlushFileBuffers), so
    // that a crash or a power cut afterwards keeps it.
    bool sync(QString* reason);
    bool close(QString* reason);

  private:
#ifdef Q_OS_WIN
    void* handle_ = nullptr;  // a HANDLE, open while not null
#else
    int fd_ = -1;
#endif
};

// How a rename reaches the disk: `Durable` when it must stand after a crash
// that follows the call, `Lazy` for a scratch file written anew at each use.
enum class RenameDurability { Durable, Lazy };

// Renames `from` over `to` in one step: the old `to` stays until the new one
// replaces it, never deleted first. Durable, the rename itself is on the disk
// when the call returns. A rename that fails leaves both files as they were.
//
// On Windows a virus scanner or the indexer may hold `to` open for a moment:
// the rename is tried again for about two seconds before it fails.
bool renameOver(const QString& from, const QString& to, RenameDurability durability,
                QString* reason);

// Syncs a folder, so that the names just made or removed in it are durable.
// Nothing on Windows, where a rename written through is durable already.
void syncFolder(const QString& folder);

}  // namespace tavo::platform
