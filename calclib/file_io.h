// Opening, closing and clearing for the batch programs' files and work areas.
#pragma once

#include <cstddef>
#include <cstdio>
#include <memory>
#include <string>

namespace wtn {

struct FileCloser {
    void operator()(std::FILE* file) const {
        if (file != nullptr) std::fclose(file);
    }
};
// An open C stream that is closed when it goes out of scope, also when a
// fatal condition unwinds to main.
using CFile = std::unique_ptr<std::FILE, FileCloser>;

// Opens name with the C mode text ("wt", "rb", ...). Text modes are taken as
// binary, since line ends are handled by the readers and writers themselves.
// Returns an empty CFile when the file cannot be opened.
CFile open_file(const std::string& name, const char* mode);

// Opens name or stops the program after the box
// "印字用ファイル(name)がオープンできません.".
CFile open_or_stop(const std::string& name, const char* mode);

// Flushes and closes a file that was written. False when a write or the
// close failed, so a writer never reports a half-written file as written.
bool close_written(CFile& file);

// Flushes and closes a file that was written; a failed write stops the program
// with a message naming the file, so no result file is left half written
// without the user knowing.
void close_written_or_stop(CFile& file, const std::string& name);

// Largest work area zero_fill clears; a larger request is a program fault.
inline constexpr std::size_t kZeroFillLimit = 65000;

// Clears count bytes of area and returns area. Over kZeroFillLimit it shows
// the matching error box and stops the program with exit code 1.
void* zero_fill(void* area, std::size_t count);

// Replaces every line feed among the first length bytes of buffer by NUL and
// sets buffer[length - 1] to NUL, so the buffer is always terminated. Returns 0.
int strip_newline(char* buffer, std::size_t length);

} // namespace wtn
