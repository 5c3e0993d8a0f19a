#include "platform/system_error.h"

#include <windows.h>

#include <QFileDevice>
#include <QFileInfo>

namespace tavo::platform {
namespace {

// The system's message for `code` in the user's language, without the line
// end and the full stop FormatMessage puts after it: the program shows it
// after a file's name, inside a sentence of its own.
QString messageOf(DWORD code) {
    wchar_t* text = nullptr;
    const DWORD size = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    QString message;
    if (size > 0 && text)
        message = QString::fromWCharArray(text, int(size)).trimmed();
    if (message.endsWith(QLatin1Char('.')))
        message.chop(1);
    if (text)
        LocalFree(text);
    if (message.isEmpty())
        message = QStringLiteral("system error %1").arg(code);
    return message;
}

// The errors a file operation meets most, in the words the POSIX systems use
// for them: a working folder carried between Linux and Windows gives the same
// messages on both. Any other error is in the system's own words.
QString reasonOf(DWORD code) {
    switch (code) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
            return QStringLiteral("No such file or directory");
        case ERROR_ACCESS_DENIED:
            return QStringLiteral("Permission denied");
        case ERROR_FILE_EXISTS:
        case ERROR_ALREADY_EXISTS:
            return QStringLiteral("File exists");
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return QStringLiteral("No space left on device");
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
            return QStringLiteral("Device or resource busy");
        case ERROR_WRITE_PROTECT:
            return QStringLiteral("Read-only file system");
        case ERROR_DIRECTORY:
            return QStringLiteral("Not a directory");
        default:
            return messageOf(code);
    }
}

}  // namespace

QString lastSystemError() {
    return reasonOf(GetLastError());
}

QString fileError(const QFileDevice& file) {
    // Opening a folder as a file is refused as access denied: say what it is.
    if (QFileInfo(file.fileName()).isDir())
        return QStringLiteral("Is a directory");
    return reasonOf(GetLastError());
}

QString faultMessage(Fault fault) {
    switch (fault) {
        case Fault::DiskFull:
            return reasonOf(ERROR_DISK_FULL);
        case Fault::AccessDenied:
            return reasonOf(ERROR_ACCESS_DENIED);
        case Fault::NoHardLinks:
            break;
    }
    return messageOf(ERROR_NOT_SUPPORTED);
}

}  // namespace tavo::platform
