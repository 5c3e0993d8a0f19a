#include "main_window/running_copy.h"

namespace tavo {

bool RunningCopy::acquire(const QDir& folder) {
    lock_ = std::make_unique<QLockFile>(folder.filePath(QLatin1String(lockName)));
    // Never stale by age: only a lock whose process is gone is taken over.
    lock_->setStaleLockTime(0);
    if (lock_->tryLock(0))
        return true;
    lock_.reset();
    return false;
}

}  // namespace tavo
