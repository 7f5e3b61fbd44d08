#include "adopted_values.h"

#include "file_replace.h"
#include "format_values.h"
#include "text_lines.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

namespace wtn {

namespace {

std::string format_value(double value) {
    return format_text("%1.3f", value);
}

} // namespace

std::string format_adopted_values(const AdoptedValues& values) {
    return format_value(values.embedment_depth) + "\r\n" + format_value(values.pile_length) +
           "\r\n";
}

bool write_adopted_values(const std::string& path, const AdoptedValues& values) {
    if (!std::isfinite(values.embedment_depth) || !std::isfinite(values.pile_length)) return false;
    std::unique_ptr<std::FILE, bool (*)(std::FILE*)> file(open_rewrite(path), &close_rewrite);
    if (!file) return false;
    std::string text = format_adopted_values(values);
    bool written = std::fwrite(text.data(), 1, text.size(), file.get()) == text.size();
    return close_rewrite(file.release()) && written;
}

AdoptedRead read_adopted_values(const std::string& path, AdoptedValues& values) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                         &std::fclose);
    if (!file) return AdoptedRead::missing;
    LineReader reader(file.get());
    double read[2] = {0.0, 0.0};
    std::string line;
    for (double& value : read) {
        if (!reader.next(line)) return AdoptedRead::damaged;
        value = std::strtod(line.c_str(), nullptr);
        if (!std::isfinite(value)) return AdoptedRead::damaged;
    }
    if (reader.failed()) return AdoptedRead::damaged;
    values.embedment_depth = read[0];
    values.pile_length = read[1];
    return AdoptedRead::ok;
}

} // namespace wtn
