#include "customisation_file.h"

#include "number_field.h"

namespace wtn {

CustomisationProblem customisation_from_lines(const std::vector<std::string>& lines, int last_line,
                                              int required_lines, CustomisationValues& values) {
    for (const CustomisationItem& item : kCustomisationItems) {
        if (item.line > last_line) break;
        const std::size_t index = static_cast<std::size_t>(item.line - 1);
        if (index >= lines.size()) {
            if (item.line <= required_lines) return {CustomisationFault::Missing, item.line};
            // Files of older versions end early: the lines after them read as 0.
            if (item.real) values.*item.real = 0.0;
            if (item.integer) item.set_integer(values, 0);
            continue;
        }
        const std::string& text = lines[index];
        if (item.real) {
            double value = 0.0;
            if (!parse_real(text, value)) return {CustomisationFault::NotANumber, item.line};
            values.*item.real = value;
        } else if (item.integer) {
            int value = 0;
            const IntegerField read = parse_integer16(text, value);
            if (read == IntegerField::NotANumber)
                return {CustomisationFault::NotANumber, item.line};
            if (read == IntegerField::OutOfRange)
                return {CustomisationFault::OutOfRange, item.line};
            item.set_integer(values, value);
        }
    }
    return {};
}

} // namespace wtn
