#include "platform/desktop.h"

#include <QDir>

namespace tavo::platform {

bool displayPresent() {
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

QString defaultWorkingFolder(bool) {
    return QDir::currentPath();
}

}  // namespace tavo::platform
