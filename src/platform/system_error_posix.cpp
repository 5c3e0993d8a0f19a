#include "platform/system_error.h"

#include <cerrno>
#include <cstring>

namespace tavo::platform {

QString lastSystemError() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

QString faultMessage(Fault fault) {
    switch (fault) {
        case Fault::DiskFull:
            return QString::fromLocal8Bit(std::strerror(ENOSPC));
        case Fault::AccessDenied:
            return QString::fromLocal8Bit(std::strerror(EACCES));
        case Fault::NoHardLinks:
            break;
    }
    return QString::fromLocal8Bit(std::strerror(EPERM));
}

}  // namespace tavo::platform
