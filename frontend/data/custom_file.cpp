#include "custom_file.h"

#include "field_reader.h"
#include "number_text.h"
#include "text_file.h"

#include <memory>

namespace wtn {

namespace {

constexpr std::size_t kDummyLineIndex = kCustomisationDummyLine - 1;

std::string line_caption(int line) {
    return std::to_string(line) + "行目";
}

// What a real of the line is called when it cannot be written.
const char* real_caption(int line) {
    switch (line) {
    case 1:
        return "δ";
    case 2:
        return "ψ";
    case 3:
    case 4:
        return "ζ";
    case 9:
        return "地表面形状ダミー長さ";
    case 10:
        return "圧密平衡係数";
    case 12:
        return "分割ピッチ";
    case 16:
        return "根入れ長算定式の分子";
    default:
        return "quの式の分母";
    }
}

} // namespace

CustomisationValues read_custom_file(const std::string& work_dir) {
    const std::string path = join_path(work_dir, kCustomisationFileName);
    const auto lines = read_text_file(path);
    // Lines 1 to 4 as fields, line 5 read whole and dropped, then lines 6 on
    // as fields again; a line end separates fields as a comma does.
    const std::size_t head = std::min(lines.size(), kDummyLineIndex);
    FieldReader first({lines.begin(), lines.begin() + head}, path, 1);
    std::unique_ptr<FieldReader> rest;
    CustomisationValues t;
    for (const CustomisationItem& item : kCustomisationItems) {
        if (item.line < kCustomisationDummyLine) {
            t.*item.real = first.real(line_caption(item.line));
            continue;
        }
        if (item.line == kCustomisationDummyLine) {
            if (lines.size() <= kDummyLineIndex)
                throw DataError("ファイル「" + path + "」が途中で終わっています（5行目）。");
            rest = std::make_unique<FieldReader>(
                std::vector<std::string>(lines.begin() + kDummyLineIndex + 1, lines.end()), path,
                kDummyLineIndex + 2);
            continue;
        }
        // Files of older versions end after line 18: the lines after it read as 0.
        if (item.line > kCustomisationRequiredLines && rest->at_end()) continue;
        if (item.real) {
            t.*item.real = rest->real(line_caption(item.line));
        } else {
            t.*item.integer = rest->integer(line_caption(item.line));
        }
    }
    return t;
}

std::vector<std::string> custom_file_lines(const CustomisationValues& t) {
    return customisation_lines(
        t, kCustomDummyLine,
        [](double value, int line) { return real_text(value, real_caption(line)); },
        [](int value) { return integer_text(value); });
}

void write_custom_file(const CustomisationValues& table, const std::string& work_dir) {
    write_text_file(join_path(work_dir, kCustomisationFileName), custom_file_lines(table));
}

} // namespace wtn
