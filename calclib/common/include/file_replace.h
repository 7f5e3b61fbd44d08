// Writing a result file anew on every run of a program.
#pragma once

#include <cstdio>
#include <string>

namespace wtn {

// Length the old contents are cut to when a file is opened for rewriting.
inline constexpr long kRewriteKeptLength = 1;

// Opens name to be written from its start, as fopen(name, "wb") does, but
// keeps the existing file: its old contents are cut to one byte and the new
// ones written over it. Creating a file anew after deleting the old one makes
// the file system search its inode table past every recently deleted inode
// (a chain run rewrites about a hundred files), and cutting a file to zero
// length makes it write the new contents out at close, which a run soon
// after waits for. A program stopped part way therefore leaves a short file,
// never new data followed by old. Returns nullptr when the file cannot be
// opened for writing (the same cases as fopen: no permission, a folder...).
std::FILE* open_rewrite(const std::string& name);

// Flushes a file opened by open_rewrite, cuts it to the length written
// (files are written front to back) and closes it. False when the flush,
// the cut or the close failed.
bool close_rewrite(std::FILE* file);

} // namespace wtn
