#include "platform/durable_file.h"

#include <windows.h>
#include <algorithm>

#include "platform/system_error.h"
#include "platform/windows_path.h"

namespace tavo::platform {
namespace {

void setReason(QString* reason) {
    if (reason)
        *reason = lastSystemError();
}

// Whether a rename that failed with `code` may go through in a moment: a
// virus scanner, the indexer or a backup program holds the file briefly.
bool heldForAMoment(DWORD code) {
    return code == ERROR_SHARING_VIOLATION || code == ERROR_ACCESS_DENIED ||
           code == ERROR_LOCK_VIOLATION;
}

constexpr ULONGLONG kRetryMs = 2000;
constexpr DWORD kPauseMs = 50;

}  // namespace

NewFile::~NewFile() {
    if (handle_)
        CloseHandle(handle_);
}

bool NewFile::create(const QString& path, QString* reason) {
    const HANDLE handle = CreateFileW(nativePath(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ,
                                      nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle != INVALID_HANDLE_VALUE) {
        handle_ = handle;
        return true;
    }
    setReason(reason);
    return false;
}

bool NewFile::write(const char* data, qint64 size, QString* reason) {
    while (size > 0) {
        const DWORD chunk = DWORD(std::min<qint64>(size, 1 << 30));
        DWORD written = 0;
        if (!WriteFile(handle_, data, chunk, &written, nullptr)) {
            setReason(reason);
            return false;
        }
        data += written;
        size -= written;
    }
    return true;
}

bool NewFile::sync(QString* reason) {
    if (FlushFileBuffers(handle_))
        return true;
    setReason(reason);
    return false;
}

bool NewFile::close(QString* reason) {
    const HANDLE handle = handle_;
    handle_ = nullptr;
    if (CloseHandle(handle))
        return true;
    setReason(reason);
    return false;
}

bool renameOver(const QString& from, const QString& to, RenameDurability durability,
                QString* reason) {
    const std::wstring source = nativePath(from);
    const std::wstring target = nativePath(to);
    // Written through: the call returns once the rename is on the disk, which
    // is what a folder sync gives on POSIX.
    const DWORD flags = MOVEFILE_REPLACE_EXISTING |
                        (durability == RenameDurability::Durable ? MOVEFILE_WRITE_THROUGH : 0);
    const ULONGLONG deadline = GetTickCount64() + kRetryMs;
    for (;;) {
        if (MoveFileExW(source.c_str(), target.c_str(), flags))
            return true;
        const DWORD code = GetLastError();
        if (!heldForAMoment(code) || GetTickCount64() >= deadline) {
            SetLastError(code);
            setReason(reason);
            return false;
        }
        Sleep(kPauseMs);
    }
}

void syncFolder(const QString&) {}

}  // namespace tavo::platform
