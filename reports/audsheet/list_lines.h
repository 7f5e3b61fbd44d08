// The kinds of line the input check list is made of: a block opening (marker,
// heading in 【】, empty line), value lines (a literal with one printf
// format) and switch lines (a caption, then the label of the switch's code,
// as one line).
#pragma once

#include "code_table.h"
#include "format_values.h"
#include "list_templates.h"

#include <span>
#include <string>
#include <string_view>

namespace wtn {

// One choice of a switch: its code as the file carries it, and its label
// ("1:港湾基準").
struct CodeLabel {
    int code;
    const char* label;
};

// The labels of a switch. otherwise labels every code the list does not
// hold; without it such a code prints as "code:", so the line still ends
// and the reader sees the value the calculation got.
struct SwitchLabels {
    std::span<const CodeLabel> labels;
    const char* otherwise = nullptr;
};

std::string switch_label(const SwitchLabels& labels, int code);

// Caption and label as one line.
void switch_line(ListWriter& list, std::string_view caption, const SwitchLabels& labels, int code);
void switch_line(ListWriter& list, std::string_view caption, std::string_view label);

// The label of a code as the list prints it from the code's table: "1:港湾基準"
// for DesignStandard::Port; a value outside the table prints as "value:".
template <class Code> std::string numbered_label(Code code) {
    return format_text("%d:", to_file_value(code)) + printed_label(code);
}

// The code a value stands for where the calculation takes every value
// outside the code's table as one of the listed codes: the value's own code
// when it is listed, else otherwise.
template <class Code> constexpr Code listed_or(Code code, Code otherwise) {
    return is_listed(code) ? code : otherwise;
}

// The same for a code the input holds as its type; printed by its file value.
template <class Code>
void switch_line(ListWriter& list, std::string_view caption, const SwitchLabels& labels,
                 Code code) {
    switch_line(list, caption, labels, to_file_value(code));
}

// Marker "@-n", the heading and the empty line under it.
void open_block(ListWriter& list, int marker, std::string_view heading);

// The empty line that closes a block.
inline void close_block(ListWriter& list) {
    list.line("");
}

} // namespace wtn
