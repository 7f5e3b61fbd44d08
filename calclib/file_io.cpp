#include "file_io.h"

#include "error_messages.h"
#include "program_stop.h"

#include <sys/stat.h>
#include <unistd.h>

namespace wtn {

void remove_before_rewrite(const std::string& name) {
    struct stat status {};
    if (::lstat(name.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) return;
    if (::access(name.c_str(), W_OK) != 0) return;
    ::unlink(name.c_str());
}

CFile open_file(const std::string& name, const char* mode) {
    if (mode[0] == 'w') remove_before_rewrite(name);
    std::string binary_mode;
    for (const char* m = mode; *m != '\0'; ++m) {
        if (*m != 't' && *m != 'b') binary_mode += *m;
    }
    binary_mode += 'b';
    return CFile(std::fopen(name.c_str(), binary_mode.c_str()));
}

CFile open_or_stop(const std::string& name, const char* mode) {
    CFile file = open_file(name, mode);
    if (!file) stop_with_error("印字用ファイル(" + name + ")がオープンできません.");
    return file;
}

bool close_written(CFile& file) {
    if (!file) return true;
    bool failed = std::ferror(file.get()) != 0;
    failed = std::fclose(file.release()) != 0 || failed;
    return !failed;
}

void close_written_or_stop(CFile& file, const std::string& name) {
    if (!close_written(file))
        stop_with_error("(ERROR)-ファイル(" + name + ")の書き込みに失敗しました.");
}

} // namespace wtn
