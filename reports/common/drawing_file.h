// Writer of a drawing file (.PZK): line 1 the drawing's name and title, line
// 2 its size in full-width cells and lines ("46 67" for a full page), then
// one command a line: L (line), Q (rectangle), K (text, followed by a line
// holding the text), Y (arrow) and P (angle mark). Coordinates are page units
// truncated toward zero and written "%4d". Every line ends with CR LF.
#pragma once

#include "file_io.h"

#include <cstdio>
#include <initializer_list>
#include <string>
#include <string_view>

namespace wtn {

// Arrowhead length and width of every Y command.
inline constexpr int kArrowHeadLength = 30;
inline constexpr int kArrowHeadWidth = 20;

// How the angle of a K command is written: plain ("90"), as the frame title
// does, or "%4d" ("  90"), as the labels do.
enum class AngleField { plain, padded };

class DrawingFile {
  public:
    // Creates name ("wt") through open_or_stop and writes the heading
    // "name  title" and the size line "columns lines".
    DrawingFile(const std::string& name, std::string_view title, int columns, int lines);
    DrawingFile(const DrawingFile&) = delete;
    DrawingFile& operator=(const DrawingFile&) = delete;

    void line(double x1, double y1, double x2, double y2, int type, int pen);
    void rectangle(double x1, double y1, double x2, double y2);
    void text(double x, double y, int height, int width, int angle, AngleField form, int pen,
              std::string_view text);
    void arrow(double x1, double y1, double x2, double y2, int pen);
    void angle_mark(double x1, double y1, double x2, double y2, double x3, double y3, int pen);

    // A page coordinate truncated toward zero. A coordinate that is not a
    // number or lies beyond the 32-bit range is a calculation fault: the
    // program stops with a message naming this drawing.
    int page_unit(double value) const;

    // The open stream, for the calculation library's symbols.
    std::FILE* stream() const { return file_.get(); }
    const std::string& name() const { return name_; }
    // Closes the file; a failed write stops the program naming the file.
    void close();

  private:
    void command(std::string_view text);
    // " x1 y1 ..." each "%4d".
    std::string points(std::initializer_list<double> values) const;

    CFile file_;
    std::string name_;
};

// "%4d" of a value: right-aligned in four columns, wider when it needs.
std::string page_number_field(int value);

} // namespace wtn
