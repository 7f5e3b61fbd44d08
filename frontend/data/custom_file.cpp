#include "custom_file.h"

#include "number_text.h"
#include "text_file.h"

namespace wtn {

namespace {

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
    CustomisationValues t;
    const CustomisationProblem problem = customisation_from_lines(
        read_text_file(path), kCustomisationLines, kCustomisationRequiredLines, t);
    const std::string line = line_caption(problem.line);
    switch (problem.fault) {
    case CustomisationFault::None:
        break;
    case CustomisationFault::Missing:
        throw DataError("ファイル「" + path + "」が途中で終わっています（" + line + "）。");
    case CustomisationFault::NotANumber:
        throw DataError("ファイル「" + path + "」の" + line + ": " + line +
                        "が数値ではありません。");
    case CustomisationFault::OutOfRange:
        throw DataError("ファイル「" + path + "」の" + line + ": " + line +
                        "の値が整数の範囲を超えています。");
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
