// The file boundary of the front end's text files: UTF-8 lines inside,
// code page 932 with CR LF on disk.
#pragma once

#include <string>
#include <vector>

namespace wtn {

// Reads a whole code page 932 file as UTF-8 lines (CR LF or LF, no line end
// kept). DataError naming the file when it cannot be opened, read or decoded.
std::vector<std::string> read_text_file(const std::string& path);
// As above; last_line_ended tells whether the last line has its line end (a
// file that a writer of the system wrote whole always ends with one).
std::vector<std::string> read_text_file(const std::string& path, bool& last_line_ended);

// Writes the lines as code page 932 with CR LF after each. The text goes to a
// temporary file beside path first and replaces path only when every byte is
// on disk, so a failed write leaves the previous file as it was. An existing
// file keeps its permission bits and one reached by a link is replaced where
// the link leads; a file the user may not write is refused. DataError naming
// the file on any failure (a character that code page 932 cannot hold
// included).
void write_text_file(const std::string& path, const std::vector<std::string>& lines);

// True when a file of that name exists.
bool file_exists(const std::string& path);

// path joined to a folder with one "/" between them.
std::string join_path(const std::string& folder, const std::string& name);

} // namespace wtn
