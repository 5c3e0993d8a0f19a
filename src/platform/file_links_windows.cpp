#include "platform/file_links.h"

#include <windows.h>
#include <QFileInfo>

#include "platform/system_error.h"
#include "platform/windows_path.h"

namespace tavo::platform {
namespace {

// The volume and the file number of `path`: what names one file on Windows.
bool fileIdentity(const QString& path, BY_HANDLE_FILE_INFORMATION* info) {
    // No access asked for: the file is not read, only told apart, and a file
    // that another program holds open still answers.
    const HANDLE handle = CreateFileW(nativePath(path).c_str(), 0,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return false;
    const bool known = GetFileInformationByHandle(handle, info) != 0;
    CloseHandle(handle);
    return known;
}

}  // namespace

bool hardLink(const QString& existing, const QString& link, QString* reason) {
    // Never QFile::link: on Windows it makes a shortcut (.lnk), not a second name.
    if (CreateHardLinkW(nativePath(link).c_str(), nativePath(existing).c_str(), nullptr))
        return true;
    if (reason)
        *reason = lastSystemError();
    return false;
}

bool sameFile(const QString& a, const QString& b) {
    BY_HANDLE_FILE_INFORMATION first{};
    BY_HANDLE_FILE_INFORMATION second{};
    return fileIdentity(a, &first) && fileIdentity(b, &second) &&
           first.dwVolumeSerialNumber == second.dwVolumeSerialNumber &&
           first.nFileIndexHigh == second.nFileIndexHigh &&
           first.nFileIndexLow == second.nFileIndexLow;
}

bool makeFolder(const QString& folder, QString* reason) {
    if (CreateDirectoryW(nativePath(folder).c_str(), nullptr))
        return true;
    const QString why = lastSystemError();
    if (QFileInfo(folder).isDir())
        return true;
    if (reason)
        *reason = why;
    return false;
}

}  // namespace tavo::platform
