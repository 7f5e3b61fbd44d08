// The machinery of the code tables: a code of the files is described once, as
// a list of {name, file value, label}, and that list gives the enum (its
// enumerators numbered as the files carry them), the conversion at the file
// boundary and the label that pages and messages print.
//
// The enums have int as their fixed underlying type, so a file value outside
// the list is held as it was read: the code is then not listed (is_listed is
// false, code_label empty), the calculation takes its else branch and a writer
// writes the same number back. Nothing is lost or renumbered on the way.
//
// Labels are UTF-8 (u8 literals, which the execution character set of the
// batch targets does not touch); printed_label gives them in code page 932.
#pragma once

#include <string>
#include <string_view>
#include <type_traits>

namespace wtn {

template <class Code> struct CodeEntry {
    Code code;
    const char8_t* label;
};

// Specialised by WTN_DEFINE_CODE for every code; `entries` lists the codes.
template <class Code> struct CodeTable;

// The file value of a code, and the code of a file value (any value: one
// outside the list is kept with its number). Plain int fields pass through,
// so the item lists of the files treat integers and codes alike.
template <class Code> constexpr int to_file_value(Code code) {
    static_assert(std::is_enum_v<Code> || std::is_same_v<Code, int>);
    return static_cast<int>(code);
}
template <class Code> constexpr Code from_file_value(int value) {
    static_assert(std::is_enum_v<Code> || std::is_same_v<Code, int>);
    return static_cast<Code>(value);
}

// Whether the code is one of its table's entries.
template <class Code> constexpr bool is_listed(Code code) {
    for (const CodeEntry<Code>& e : CodeTable<Code>::entries) {
        if (e.code == code) return true;
    }
    return false;
}

// The label of a listed code; empty for a value outside the table.
template <class Code> constexpr std::u8string_view code_label(Code code) {
    for (const CodeEntry<Code>& e : CodeTable<Code>::entries) {
        if (e.code == code) return e.label;
    }
    return {};
}

// The label as code page 932 bytes, for pages of the batch programs.
std::string printed_label_of(std::u8string_view utf8_label);
template <class Code> std::string printed_label(Code code) {
    return printed_label_of(code_label(code));
}

// A code that is a list entry of the front end's screens: its 0-based index
// in the table, and the code of an index (an index outside the table gives
// the code whose file value is index + first file value, so it is kept).
template <class Code> constexpr int list_index_of(Code code) {
    return to_file_value(code) - to_file_value(CodeTable<Code>::entries[0].code);
}
template <class Code> constexpr Code code_of_list_index(int index) {
    return from_file_value<Code>(index + to_file_value(CodeTable<Code>::entries[0].code));
}

} // namespace wtn

// A list is a macro that takes X and names every entry as X(name, file value,
// label). WTN_DEFINE_CODE(Type, LIST) declares `enum class Type : int` with
// the entries as enumerators and its CodeTable.
#define WTN_CODE_ENUMERATOR(name, value, label) name = value,
#define WTN_CODE_ENTRY(name, value, label) {Code::name, label},
#define WTN_DEFINE_CODE(Type, LIST)                                                                \
    enum class Type : int { LIST(WTN_CODE_ENUMERATOR) };                                           \
    template <> struct CodeTable<Type> {                                                           \
        using Code = Type;                                                                         \
        static constexpr CodeEntry<Type> entries[] = {LIST(WTN_CODE_ENTRY)};                       \
    };
