#include "customisation_file.h"

#include "csv_line.h"

#include <cmath>

namespace wtn {

int customisation_from_lines(const std::vector<std::string>& lines, int last_line,
                             CustomisationValues& values) {
    static const std::string kMissingLine;
    for (const CustomisationItem& item : kCustomisationItems) {
        if (item.line > last_line) break;
        const std::size_t index = static_cast<std::size_t>(item.line - 1);
        const std::string& text = index < lines.size() ? lines[index] : kMissingLine;
        if (item.real) {
            const double value = text_to_real(text);
            if (!std::isfinite(value)) return item.line;
            values.*item.real = value;
        } else if (item.integer) {
            values.*item.integer = text_to_integer(text);
        }
    }
    return 0;
}

} // namespace wtn
