#include "platform/running_copy_lock.h"

#include <windows.h>

#include "platform/windows_path.h"

namespace tavo::platform {

// The lock file open, with a lock (LockFileEx) on its first byte. The system
// lets the lock go when the handle is closed, and so when the process ends,
// however it ends: a lock left by a copy that died is free at once, whatever
// the file holds. Nothing is written in it.
struct RunningCopyLock::Held {
    std::wstring path;
    HANDLE handle = INVALID_HANDLE_VALUE;

    ~Held() {
        OVERLAPPED start{};
        UnlockFileEx(handle, 0, 1, 0, &start);
        CloseHandle(handle);
        // Fails, and the file stays, while a copy starting now has it open:
        // that copy holds no delete sharing, so a name it opened is never
        // taken from under it.
        DeleteFileW(path.c_str());
    }
};

RunningCopyLock::RunningCopyLock() = default;
RunningCopyLock::~RunningCopyLock() = default;

namespace {

// Opens the lock file, made when missing; INVALID_HANDLE_VALUE and the
// system's code when it cannot be. Read access is all a lock needs, and a lock
// file left read-only opens all the same. Shared for reading and writing,
// never for deleting.
HANDLE openLockFile(const std::wstring& path, DWORD* code) {
    for (int attempt = 1;; ++attempt) {
        const HANDLE handle =
            CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                        OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle != INVALID_HANDLE_VALUE)
            return handle;
        *code = GetLastError();
        // A lock file being removed by the copy before while a virus scanner
        // looks at it is refused a moment with ERROR_ACCESS_DENIED too.
        if (*code != ERROR_ACCESS_DENIED || attempt == 6)
            return INVALID_HANDLE_VALUE;
        Sleep(50);
    }
}

}  // namespace

bool RunningCopyLock::acquire(const QString&, const QString& path) {
    held_.reset();
    const std::wstring native = nativePath(path);
    DWORD code = 0;
    const HANDLE handle = openLockFile(native, &code);
    if (handle == INVALID_HANDLE_VALUE) {
        // No copy can change the files of a folder this user may not write:
        // the program runs there without the lock (and its saves fail, with a
        // message).
        return code == ERROR_ACCESS_DENIED || code == ERROR_WRITE_PROTECT;
    }
    OVERLAPPED start{};
    if (!LockFileEx(handle, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &start)) {
        CloseHandle(handle);
        return false;
    }
    held_ = std::make_unique<Held>();
    held_->path = native;
    held_->handle = handle;
    return true;
}

}  // namespace tavo::platform
