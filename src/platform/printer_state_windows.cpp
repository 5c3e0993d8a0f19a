#include "platform/printer_state.h"

#include <windows.h>
// After windows.h, which it needs.
#include <winspool.h>
#include <string>
#include <vector>

namespace tavo::platform {
namespace {

// The spooler's status and attributes of the printer `name`; false when it
// cannot be asked.
bool printerStatus(const QString& name, DWORD* status, DWORD* attributes) {
    std::wstring native = name.toStdWString();
    HANDLE printer = nullptr;
    if (!OpenPrinterW(native.data(), &printer, nullptr))
        return false;
    DWORD size = 0;
    GetPrinterW(printer, 2, nullptr, 0, &size);
    std::vector<BYTE> buffer(size);
    const bool known = size > 0 && GetPrinterW(printer, 2, buffer.data(), size, &size);
    if (known) {
        const auto* info = reinterpret_cast<const PRINTER_INFO_2W*>(buffer.data());
        *status = info->Status;
        *attributes = info->Attributes;
    }
    ClosePrinter(printer);
    return known;
}

}  // namespace

QString printerRefusal(const QString& queue) {
    DWORD status = 0;
    DWORD attributes = 0;
    if (!printerStatus(queue, &status, &attributes))
        return QStringLiteral("the printer '%1' cannot be reached").arg(queue);
    if (status & PRINTER_STATUS_PENDING_DELETION)
        return QStringLiteral("the printer '%1' does not accept jobs").arg(queue);
    // Paused, offline or set to "Use Printer Offline": the spooler keeps the
    // pages until someone starts it again, as a stopped CUPS queue does.
    if ((status & (PRINTER_STATUS_PAUSED | PRINTER_STATUS_OFFLINE)) ||
        (attributes & PRINTER_ATTRIBUTE_WORK_OFFLINE)) {
        return QStringLiteral("the printer '%1' is stopped").arg(queue);
    }
    return QString();
}

}  // namespace tavo::platform
