// The template table of every program that fills installed page templates:
// each template it names with the field codes it writes. The page writer of
// a test build refuses anything outside its program's table; a test checks
// the installed templates against all tables together.
#pragma once

#include "template_use.h"

#include <span>
#include <string_view>

namespace wtn::tools {

// The sample set the viewer's tests lay out.
inline constexpr TemplateUse kSampleTemplates[] = {
    {"SAMPLE_TITL.PFM", "98 99"},    {"SAMPLE_COND.PFM", "00 01 02 03 04 05"},
    {"SAMPLE_TBLC.PFM", "97 98 99"}, {"SAMPLE_TBLH.PFM", "97 98 99"},
    {"SAMPLE_TBLR.PFM", "00 01 02"}, {"SAMPLE_TBLF.PFM", ""},
    {"SAMPLE_TBLE.PFM", ""},         {"SAMPLE_FIG.PFM", "00 01"},
    {"SAMPLE_MARK.PZK", ""},
};

struct ProgramTemplates {
    std::string_view program;
    TemplateTable table;
};

// Every program's table; a program that names installed templates adds its
// own here.
inline constexpr ProgramTemplates kProgramTemplateTables[] = {
    {"sample", kSampleTemplates},
};

} // namespace wtn::tools
