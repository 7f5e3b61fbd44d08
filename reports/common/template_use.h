// The page templates a report program names, each with the field codes it
// writes into it. Every program keeps one table; the page writer of a test
// build refuses a template or a code that is not in its program's table, and
// a test checks the installed templates against all tables, so a template and
// the program filling it cannot drift apart unnoticed.
#pragma once

#include <span>
#include <string_view>
#include <vector>

namespace wtn {

struct TemplateUse {
    std::string_view name;  // "GAI_TITL.PFM", or an installed drawing "JKJU_TZ1.PZK"
    std::string_view codes; // two-digit field codes separated by blanks: "00 01 99"
};

using TemplateTable = std::span<const TemplateUse>;

// The entry of name, or nullptr.
const TemplateUse* find_template_use(TemplateTable table, std::string_view name);

// The codes of an entry as integers; a malformed code reads as -1.
std::vector<int> template_codes(const TemplateUse& use);

} // namespace wtn
