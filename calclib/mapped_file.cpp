#include "mapped_file.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace wtn {

MappedFile::MappedFile(const std::string& name) {
    const int descriptor = ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) return;
    struct stat status {};
    if (::fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode)) {
        size_ = static_cast<std::size_t>(status.st_size);
        if (size_ == 0) {
            open_ = true;
        } else {
            data_ = ::mmap(nullptr, size_, PROT_READ, MAP_PRIVATE, descriptor, 0);
            open_ = data_ != MAP_FAILED;
            if (!open_) {
                data_ = nullptr;
                size_ = 0;
            }
        }
    }
    ::close(descriptor);
}

MappedFile::~MappedFile() {
    if (data_ != nullptr) ::munmap(data_, size_);
}

} // namespace wtn
