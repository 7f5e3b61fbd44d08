#include "adopted_values.h"

#include "file_replace.h"
#include "format_values.h"
#include "number_field.h"
#include "text_lines.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <memory>
#include <optional>

namespace wtn {

namespace {

std::string format_value(double value) {
    return format_text("%1.3f", value);
}

} // namespace

bool fits_adopted_box(double value) {
    if (!std::isfinite(value)) return false;
    const std::string text = format_value(std::fabs(value));
    return text.find('.') <= kAdoptedIntegerPlaces;
}

bool write_adopted_values(const std::string& path, const AdoptedValues& values) {
    if (!fits_adopted_box(values.embedment_depth) || !fits_adopted_box(values.pile_length))
        return false;
    std::unique_ptr<std::FILE, bool (*)(std::FILE*)> file(open_rewrite(path), &close_rewrite);
    if (!file) return false;
    const std::string text =
        format_value(values.embedment_depth) + "\r\n" + format_value(values.pile_length) + "\r\n";
    bool written = std::fwrite(text.data(), 1, text.size(), file.get()) == text.size();
    return close_rewrite(file.release()) && written;
}

AdoptedFileRead read_adopted_values(const std::string& path, AdoptedValues& values) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                         &std::fclose);
    if (!file) return {AdoptedRead::missing, 0};
    LineReader reader(file.get());
    std::array<double, 2> read{};
    std::string line;
    for (std::size_t i = 0; i < read.size(); ++i) {
        const int line_no = static_cast<int>(i) + 1;
        if (!reader.next(line)) return {AdoptedRead::damaged, line_no};
        const std::optional<double> value = whole_number(line);
        if (!value || !fits_adopted_box(*value)) return {AdoptedRead::damaged, line_no};
        read[i] = *value;
    }
    if (reader.failed()) return {AdoptedRead::damaged, 0};
    values.embedment_depth = read[0];
    values.pile_length = read[1];
    return {AdoptedRead::ok, 0};
}

bool nothing_adopted(const AdoptedValues& values) {
    return values.embedment_depth == 0.0 && values.pile_length == 0.0;
}

bool adoption_falls_short(const AdoptedValues& adopted, const AdoptedValues& required) {
    return adopted.embedment_depth > required.embedment_depth + kAdoptionTolerance ||
           adopted.pile_length < required.pile_length - kAdoptionTolerance;
}

} // namespace wtn
