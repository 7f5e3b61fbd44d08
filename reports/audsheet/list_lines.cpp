#include "list_lines.h"

namespace wtn {

std::string switch_label(const SwitchLabels& labels, int code) {
    for (const CodeLabel& choice : labels.labels) {
        if (choice.code == code) return choice.label;
    }
    if (labels.otherwise != nullptr) return labels.otherwise;
    return format_text("%d:", code);
}

void switch_line(ListWriter& list, std::string_view caption, const SwitchLabels& labels, int code) {
    list.line(std::string(caption) + switch_label(labels, code));
}

void switch_line(ListWriter& list, std::string_view caption, std::string_view label) {
    list.line(std::string(caption) + std::string(label));
}

void open_block(ListWriter& list, int marker, std::string_view heading) {
    list.marker(marker);
    list.line(heading);
    list.line("");
}

} // namespace wtn
