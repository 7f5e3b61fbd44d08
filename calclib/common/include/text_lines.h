// Line-oriented text files. Readers accept CR LF and LF alike and never keep a
// CR in a line; a last line without a line end is returned as a line. Writers
// end every line with CR LF, as the system's files are read on both sides.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace wtn {

class LineReader {
  public:
    explicit LineReader(std::FILE* file) : file_(file) {}
    // Reads the next line without its line end. False at end of file.
    bool next(std::string& line);
    // True when the stream reported a read error.
    bool failed() const;
    // False when the last line returned ran into the end of the file without
    // a line end: every writer ends its lines, so such a line was cut.
    bool line_ended() const { return line_ended_; }

  private:
    std::FILE* file_;
    bool line_ended_ = true;
};

// Reads a whole file as lines; false when it cannot be opened or read.
bool read_lines(const std::string& path, std::vector<std::string>& lines);

// Writes text followed by CR LF.
void write_crlf_line(std::FILE* file, std::string_view text);

} // namespace wtn
