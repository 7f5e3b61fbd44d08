// Opening, closing and clearing for the batch programs' files and work areas.
#pragma once

#include "file_replace.h"

#include <cstddef>
#include <cstdio>
#include <memory>
#include <string>

namespace wtn {

// Closes a C stream; one opened for rewriting is first cut to the length
// written (close_rewrite).
struct FileCloser {
    bool rewrite = false;
    void operator()(std::FILE* file) const {
        if (file == nullptr) return;
        if (rewrite)
            close_rewrite(file);
        else
            std::fclose(file);
    }
};
// An open C stream that is closed when it goes out of scope, also when a
// fatal condition unwinds to main, so a stopped program leaves no file longer
// than what it wrote.
using CFile = std::unique_ptr<std::FILE, FileCloser>;

// Opens name with the C mode text ("wt", "rb", ...). Text modes are taken as
// binary, since line ends are handled by the readers and writers themselves.
// A write mode ("w...") writes the file anew (open_rewrite).
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

// Largest work area the calculation clears in one piece; a larger request is
// refused with ErrorCode::ZeroFillTooLarge.
inline constexpr std::size_t kZeroFillLimit = 65000;

} // namespace wtn
