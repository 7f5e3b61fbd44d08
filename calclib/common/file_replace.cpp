#include "file_replace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace wtn {

namespace {

// Length of a regular file, or -1 for anything else (a device, a pipe),
// which is written as it is and never cut.
long regular_file_length(int descriptor) {
    struct stat status {};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) return -1;
    return static_cast<long>(status.st_size);
}

} // namespace

std::FILE* open_rewrite(const std::string& name) {
    const int descriptor = ::open(name.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
    if (descriptor < 0) return nullptr;
    if (regular_file_length(descriptor) > kRewriteKeptLength &&
        ::ftruncate(descriptor, kRewriteKeptLength) != 0) {
        ::close(descriptor);
        return nullptr;
    }
    std::FILE* file = ::fdopen(descriptor, "wb");
    if (file == nullptr) ::close(descriptor);
    return file;
}

bool close_rewrite(std::FILE* file) {
    bool written = std::fflush(file) == 0;
    const long length = std::ftell(file);
    const int descriptor = ::fileno(file);
    if (written && length >= 0 && regular_file_length(descriptor) > length)
        written = ::ftruncate(descriptor, length) == 0;
    return std::fclose(file) == 0 && written;
}

} // namespace wtn
