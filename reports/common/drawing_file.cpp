#include "drawing_file.h"

#include "error_messages.h"
#include "text_lines.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <iterator>

namespace wtn {

std::string page_number_field(int value) {
    constexpr std::size_t kFieldWidth = 4;
    char digits[16];
    const auto end = std::to_chars(std::begin(digits), std::end(digits), value).ptr;
    const auto length = static_cast<std::size_t>(end - digits);
    std::string text(length < kFieldWidth ? kFieldWidth - length : 0, ' ');
    text.append(digits, length);
    return text;
}

DrawingFile::DrawingFile(const std::string& name, std::string_view title, int columns, int lines)
    : file_(open_or_stop(name, "wt")), name_(name) {
    command(name + "  " + std::string(title));
    command(std::to_string(columns) + " " + std::to_string(lines));
}

int DrawingFile::page_unit(double value) const {
    if (!std::isfinite(value) || std::fabs(value) >= static_cast<double>(INT32_MAX))
        stop_with_error("(ERROR)-図(" + name_ + ")の座標値が正しくありません.");
    return static_cast<int>(std::trunc(value));
}

std::string DrawingFile::points(std::initializer_list<double> values) const {
    std::string text;
    for (double value : values) {
        text += ' ';
        text += page_number_field(page_unit(value));
    }
    return text;
}

void DrawingFile::line(double x1, double y1, double x2, double y2, int type, int pen) {
    std::string text(1, 'L');
    text += points({x1, y1, x2, y2});
    text += ' ';
    text += std::to_string(type);
    text += ' ';
    text += std::to_string(pen);
    command(text);
}

void DrawingFile::rectangle(double x1, double y1, double x2, double y2) {
    std::string text(1, 'Q');
    text += points({x1, y1, x2, y2});
    text += " 0 3";
    command(text);
}

void DrawingFile::text(double x, double y, int height, int width, int angle, AngleField form,
                       int pen, std::string_view text) {
    std::string line(1, 'K');
    line += points({x, y});
    for (int size : {height, width}) {
        line += ' ';
        line += page_number_field(size);
    }
    line += ' ';
    line += form == AngleField::padded ? page_number_field(angle) : std::to_string(angle);
    line += ' ';
    line += std::to_string(pen);
    command(line);
    command(text);
}

void DrawingFile::arrow(double x1, double y1, double x2, double y2, int pen) {
    std::string text(1, 'Y');
    text += points({x1, y1, x2, y2});
    for (int number : {kArrowHeadLength, kArrowHeadWidth, pen}) {
        text += ' ';
        text += std::to_string(number);
    }
    command(text);
}

void DrawingFile::angle_mark(double x1, double y1, double x2, double y2, double x3, double y3,
                             int pen) {
    std::string text(1, 'P');
    text += points({x1, y1, x2, y2, x3, y3});
    text += ' ';
    text += std::to_string(pen);
    command(text);
}

void DrawingFile::command(std::string_view text) {
    write_crlf_line(file_.get(), text);
}

void DrawingFile::close() {
    close_written_or_stop(file_, name_);
}

} // namespace wtn
