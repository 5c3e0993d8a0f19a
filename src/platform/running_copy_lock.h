#pragma once

#include <QString>
#include <memory>

namespace tavo::platform {

// The lock file that lets one running copy of the program at a time work on
// a working folder. Held from `acquire` until this goes (or the process ends,
// however it ends: a lock left by a copy that died is taken over).
//
// A folder the user may not write has no lock: no copy can change its files,
// so `acquire` gives true there without one.
class RunningCopyLock {
  public:
    RunningCopyLock();
    ~RunningCopyLock();
    RunningCopyLock(const RunningCopyLock&) = delete;
    RunningCopyLock& operator=(const RunningCopyLock&) = delete;

    // Takes the lock file `path` in the folder `folder`; false when another
    // running copy holds it. Taking it again lets the lock held before go first.
    bool acquire(const QString& folder, const QString& path);

  private:
    struct Held;
    std::unique_ptr<Held> held_;
};

}  // namespace tavo::platform
