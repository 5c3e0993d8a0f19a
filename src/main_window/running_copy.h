#pragma once

#include <QDir>
#include <QLockFile>
#include <memory>

namespace tavo {

// Only one copy of the program works on a working folder at a time: the lock
// file tavo.lock in that folder is held for the whole run. A lock left by a
// copy that died is taken over.
class RunningCopy {
  public:
    static constexpr const char* lockName = "tavo.lock";

    // Takes the lock of `folder`; false when another running copy holds it.
    bool acquire(const QDir& folder);

  private:
    std::unique_ptr<QLockFile> lock_;
};

}  // namespace tavo
