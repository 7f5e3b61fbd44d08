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

// Removes name before it is written anew, when it is a regular file this
// program may write. Truncating the old file instead makes the file system
// write the new contents out at close (its guard for programs that rewrite a
// file in place), and a run soon after waits for that write before it can
// truncate the file again: every program of the chain rewrites its result
// files on each run. A new file is written out later, off the program's path.
// A file the program may not write, a link or anything else is left for the
// open that follows, which refuses or follows it as before.
void remove_before_rewrite(const std::string& name);

// Opens name with the C mode text ("wt", "rb", ...). Text modes are taken as
// binary, since line ends are handled by the readers and writers themselves.
// A write mode ("w...") replaces an existing file (remove_before_rewrite).
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
