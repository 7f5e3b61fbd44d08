#include "instance_lock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace wtn::mainwin {

InstanceLock::~InstanceLock() {
    if (fd_ >= 0) ::close(fd_);
}

bool InstanceLock::acquire(const std::string& folder) {
    if (fd_ >= 0) return true;
    held_elsewhere_ = false;
    std::string path = folder.empty() ? kLockFileName : folder + "/" + kLockFileName;
    int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    // A lock per open file: a second open of the same file, even in the same
    // process, is refused while this one holds it.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        held_elsewhere_ = errno == EWOULDBLOCK;
        ::close(fd);
        return false;
    }
    fd_ = fd;
    return true;
}

} // namespace wtn::mainwin
