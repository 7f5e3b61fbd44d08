#include "template_use.h"

#include <cctype>

namespace wtn {

const TemplateUse* find_template_use(TemplateTable table, std::string_view name) {
    for (const TemplateUse& use : table) {
        if (use.name == name) return &use;
    }
    return nullptr;
}

std::vector<int> template_codes(const TemplateUse& use) {
    std::vector<int> codes;
    std::size_t i = 0;
    const std::string_view text = use.codes;
    while (i < text.size()) {
        if (text[i] == ' ') {
            ++i;
            continue;
        }
        std::size_t end = text.find(' ', i);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view word = text.substr(i, end - i);
        const bool two_digits = word.size() == 2 &&
                                std::isdigit(static_cast<unsigned char>(word[0])) &&
                                std::isdigit(static_cast<unsigned char>(word[1]));
        codes.push_back(two_digits ? (word[0] - '0') * 10 + (word[1] - '0') : -1);
        i = end;
    }
    return codes;
}

} // namespace wtn
