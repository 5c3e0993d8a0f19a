#include "platform/system_error.h"

#include <windows.h>

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

}  // namespace

QString lastSystemError() {
    return messageOf(GetLastError());
}

QString faultMessage(Fault fault) {
    switch (fault) {
        case Fault::DiskFull:
            return messageOf(ERROR_DISK_FULL);
        case Fault::AccessDenied:
            return messageOf(ERROR_ACCESS_DENIED);
        case Fault::NoHardLinks:
            break;
    }
    return messageOf(ERROR_NOT_SUPPORTED);
}

}  // namespace tavo::platform
