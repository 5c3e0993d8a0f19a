#pragma once

#include <QString>

namespace tavo::platform {

// Why the printer queue `queue` (a name QPrinterInfo gives) would not print
// pages sent to it now, or empty when it would. A queue that refuses jobs
// drops them without a word, and a stopped one keeps them until someone starts
// it again: both are told to the user before anything is sent. Asked of CUPS
// on Linux, of the Windows spooler on Windows (a paused or offline printer is
// a stopped one).
QString printerRefusal(const QString& queue);

}  // namespace tavo::platform
