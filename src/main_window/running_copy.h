#pragma once

#include <QDir>

#include "platform/running_copy_lock.h"

namespace tavo {

// Only one copy of the program works on a working folder at a time: the lock
// file tavo.lock in that folder is held for the whole run. A lock left by a
// copy that died is taken over, even an empty one (a copy killed between
// creating the file and writing its process number into it).
//
// A folder the user may not write has no lock: no copy can change its files,
// so the program runs there and says so when a save fails.
class RunningCopy {
  public:
    static constexpr const char* lockName = "tavo.lock";

    // Takes the lock of `folder`; false when another running copy holds it.
    bool acquire(const QDir& folder);

  private:
    platform::RunningCopyLock lock_;
};

}  // namespace tavo
