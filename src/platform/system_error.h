#pragma once

#include <QString>

namespace tavo::platform {

// The system's own words for why the last system call failed (errno on POSIX,
// GetLastError() on Windows), as the user is shown them after a file's name.
QString lastSystemError();

// The faults a test run asks the file functions to meet (see text/text_file.h),
// told in the system's own words for them.
enum class Fault {
    DiskFull,      // no space left on the disk
    AccessDenied,  // a folder or file the user may not write
    NoHardLinks,   // a file system without hard links
};
QString faultMessage(Fault fault);

}  // namespace tavo::platform
