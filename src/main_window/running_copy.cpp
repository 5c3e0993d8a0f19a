#include "main_window/running_copy.h"

namespace tavo {

bool RunningCopy::acquire(const QDir& folder) {
    return lock_.acquire(folder.absolutePath(), folder.filePath(QLatin1String(lockName)));
}

}  // namespace tavo
