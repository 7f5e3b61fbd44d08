#include "file_io.h"

#include "error_messages.h"
#include "program_stop.h"

namespace wtn {

CFile open_file(const std::string& name, const char* mode) {
    if (mode[0] == 'w') return CFile(open_rewrite(name), FileCloser{true});
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
    const bool failed = std::ferror(file.get()) != 0;
    const bool rewrite = file.get_deleter().rewrite;
    std::FILE* stream = file.release();
    const bool closed = rewrite ? close_rewrite(stream) : std::fclose(stream) == 0;
    return closed && !failed;
}

void close_written_or_stop(CFile& file, const std::string& name) {
    if (!close_written(file))
        stop_with_error("(ERROR)-ファイル(" + name + ")の書き込みに失敗しました.");
}

} // namespace wtn
