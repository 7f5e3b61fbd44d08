// One front end per program folder: an advisory lock on a lock file in the
// folder, held for the life of the program and released by the system when
// the process ends, however it ends.
#pragma once

#include <string>

namespace wtn::mainwin {

inline constexpr const char* kLockFileName = "WTN_WIN.LCK";

class InstanceLock {
  public:
    InstanceLock() = default;
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // Takes the lock of folder; false when another front end holds it or
    // the lock file cannot be created there.
    bool acquire(const std::string& folder);
    bool held() const { return fd_ >= 0; }
    // After a refused acquire: true when another front end holds the lock,
    // false when the folder could not take the lock file at all (missing,
    // not a folder, not writable).
    bool held_elsewhere() const { return held_elsewhere_; }

  private:
    int fd_ = -1;
    bool held_elsewhere_ = false;
};

} // namespace wtn::mainwin
