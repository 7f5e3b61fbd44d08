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

    // Takes the lock of folder; false when another front end holds it (or
    // the lock file cannot be created).
    bool acquire(const std::string& folder);
    bool held() const { return fd_ >= 0; }

  private:
    int fd_ = -1;
};

} // namespace wtn::mainwin
