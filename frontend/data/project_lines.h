// Line-by-line reading of a project file: every line of a version holds a
// fixed list of items, so a line is read whole and checked against it. A
// field too many or too few, an empty number, a text where a number belongs
// (or a number where a quoted text belongs) and a line too many are damage:
// read on, they would shift every later value into another item and load a
// different wall without a word. The messages name the file, the line and
// the item as the screens caption it.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace wtn {

class ProjectLines {
  public:
    // lines as read from the file; path names the file in messages;
    // last_line_ended false when the file's last line has no line end.
    ProjectLines(const std::vector<std::string>& lines, std::string path,
                 bool last_line_ended = true);

    // A file of the current version holds every line its writer writes,
    // each ended: from here on no trailing group may be missing (at_end is
    // false), and a last line without its end is refused as cut. Files of
    // older versions may end after any trailing group.
    void require_every_line();

    // True when no line is left but blank ones (a line is never left half
    // read); always false once every line is required.
    bool at_end() const;

    // The screen whose items follow, for the messages.
    void screen(const char* name) { screen_ = name; }

    // The next item of the current line (the next line's first when a line
    // was ended). DataError naming the file, the line and what when the file
    // or the line has ended or the field is not of the item's kind: a quoted
    // text, a real, a 16-bit integer (the nearest, halves to the even one).
    std::string text(const std::string& what);
    double real(const std::string& what);
    // A real whose magnitude must stay below limit (what its box can hold).
    double real(const std::string& what, double limit);
    int integer(const std::string& what);

    // Ends the current line; DataError when it holds a field more.
    void end_line();
    // DataError when a line other than a blank one follows the last read.
    void finish() const;

  private:
    struct Field {
        std::string text;
        bool quoted = false;
        bool broken = false; // something other than blanks after the closing quote
    };
    const Field& take(const std::string& what);
    std::string item_name(const std::string& what) const;
    [[noreturn]] void fail(const std::string& why) const;

    std::vector<std::string> lines_;
    std::string path_;
    bool last_line_ended_ = true;
    bool every_line_ = false;
    const char* screen_ = "";
    std::size_t line_ = 0; // lines opened so far: the current line is line_ (1-based)
    bool open_ = false;
    std::vector<Field> fields_;
    std::size_t next_ = 0;
    std::string last_what_;
};

} // namespace wtn
