#include "project_lines.h"

#include "number_field.h"
#include "number_text.h"

#include <cmath>

namespace wtn {

namespace {

bool is_blank_line(const std::string& line) {
    return line.find_first_not_of(" \t") == std::string::npos;
}

bool is_blank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

ProjectLines::ProjectLines(const std::vector<std::string>& lines, std::string path,
                           bool last_line_ended)
    : lines_(lines), path_(std::move(path)), last_line_ended_(last_line_ended) {}

void ProjectLines::require_every_line() {
    every_line_ = true;
    if (!last_line_ended_ && !lines_.empty()) {
        throw DataError("ファイル「" + path_ + "」の" + std::to_string(lines_.size()) +
                        "行目: 行が途中で切れています（行末がありません）。");
    }
}

bool ProjectLines::at_end() const {
    if (open_ || every_line_) return false;
    for (std::size_t i = line_; i < lines_.size(); ++i)
        if (!is_blank_line(lines_[i])) return false;
    return true;
}

std::string ProjectLines::item_name(const std::string& what) const {
    std::string name = *screen_ != '\0' ? std::string(screen_) + "の" : std::string();
    return name + "「" + what + "」";
}

void ProjectLines::fail(const std::string& why) const {
    throw DataError("ファイル「" + path_ + "」の" + std::to_string(line_) + "行目: " + why);
}

const ProjectLines::Field& ProjectLines::take(const std::string& what) {
    if (!open_) {
        if (line_ >= lines_.size())
            throw DataError("ファイル「" + path_ + "」が途中で終わっています（" +
                            std::to_string(line_ + 1) + "行目の" + item_name(what) +
                            "がありません）。");
        const std::string& line = lines_[line_++];
        open_ = true;
        fields_.clear();
        next_ = 0;
        // A blank line holds no field; otherwise every comma separates two.
        for (std::size_t i = 0; !is_blank_line(line);) {
            while (i < line.size() && is_blank(line[i]))
                ++i;
            Field field;
            std::size_t comma = 0;
            if (i < line.size() && line[i] == '"') {
                const std::size_t close = line.find('"', i + 1);
                field.quoted = true;
                if (close == std::string::npos) {
                    field.text = line.substr(i + 1);
                    field.broken = true;
                    comma = std::string::npos;
                } else {
                    field.text = line.substr(i + 1, close - i - 1);
                    std::size_t after = close + 1;
                    while (after < line.size() && is_blank(line[after]))
                        ++after;
                    comma = line.find(',', after);
                    field.broken = after < line.size() && line[after] != ',';
                }
            } else {
                comma = line.find(',', i);
                const std::size_t end = comma == std::string::npos ? line.size() : comma;
                field.text = trim_blanks(line.substr(i, end - i));
            }
            fields_.push_back(std::move(field));
            if (comma == std::string::npos) break;
            i = comma + 1;
        }
    }
    if (next_ >= fields_.size()) fail(item_name(what) + "がありません。");
    last_what_ = item_name(what);
    const Field& field = fields_[next_++];
    if (field.broken) fail(item_name(what) + "の引用符が正しく閉じられていません。");
    return field;
}

std::string ProjectLines::text(const std::string& what) {
    const Field& field = take(what);
    if (!field.quoted) fail(item_name(what) + "が引用符で囲まれた文字列ではありません。");
    return field.text;
}

double ProjectLines::real(const std::string& what) {
    const Field& field = take(what);
    if (field.quoted) fail(item_name(what) + "が数値ではありません。");
    if (field.text.empty()) fail(item_name(what) + "が空です。");
    double value = 0.0;
    if (!parse_real(field.text, value)) fail(item_name(what) + "が数値ではありません。");
    return value;
}

double ProjectLines::real(const std::string& what, double limit) {
    const double value = real(what);
    if (!(std::fabs(value) <= limit)) fail(item_name(what) + "が入力できる範囲を超えています。");
    return value;
}

int ProjectLines::integer(const std::string& what) {
    const Field& field = take(what);
    if (field.quoted) fail(item_name(what) + "が数値ではありません。");
    if (field.text.empty()) fail(item_name(what) + "が空です。");
    int value = 0;
    switch (parse_integer16(field.text, value)) {
    case IntegerField::Read:
        return value;
    case IntegerField::NotANumber:
        fail(item_name(what) + "が数値ではありません。");
    case IntegerField::OutOfRange:
        break;
    }
    fail(item_name(what) + "が" + std::to_string(kInt16Min) + "～" + std::to_string(kInt16Max) +
         "の範囲にありません。");
}

void ProjectLines::end_line() {
    if (!open_) return;
    if (next_ < fields_.size()) fail(last_what_ + "の後に余分な値があります。");
    open_ = false;
}

void ProjectLines::finish() const {
    for (std::size_t i = line_; i < lines_.size(); ++i)
        if (!is_blank_line(lines_[i]))
            throw DataError("ファイル「" + path_ + "」の" + std::to_string(i + 1) +
                            "行目: 最後の項目の後に余分な行があります。");
}

} // namespace wtn
