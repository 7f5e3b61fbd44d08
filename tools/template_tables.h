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

// TVNCAL's trial-result pages CTRAIAL0.PDT and CTRAIAL1.PDT.
inline constexpr TemplateUse kTrialPageTemplates[] = {
    {"TRI_TITL.PFM", ""},
    {"TRAIAL1.PFM", "00 01 02 03 04 05 06 07 08 09 10 11 12 13 14 15 16 17 18 19 20 21 22 23 99"},
    {"TRAIAL2.PFM", "00 01 02 04 05 07 08 10 11 12 13 14 15 17 18 19 20 21 22 23"},
    {"TRAIAL3.PFM", "00 01 02 05 08 11 13 15 18 20 22"},
    {"T-MMAX1.PFM", "00 01 02 03 04"},
    {"T-ORYK1.PFM", "00 01 02 03 04 05 06 07 08 09"},
    {"T-ORYK2.PFM", "00 01 02 03 07 08 09"},
    {"T-ORYK3.PFM", "00 01 02 03"},
    {"T-HENI1.PFM", "00 01 02 03 04 05 06"},
    {"T-HENI2.PFM", "00 01 02 03"},
    {"T-HANR1.PFM", "00 01 02 03 04 05 06 07"},
    {"T-HANR2.PFM", "00 01 02 03 04"},
    {"T-SIGM21.PFM", "00 01 02 03 07 08 09"},
    {"T-SIGM22.PFM", "00 01 02 03"},
    {"T-SIGMF1.PFM", "00 01 02 03 07 08 09"},
    {"T-SIGMF2.PFM", "00 01 02 03"},
};

struct ProgramTemplates {
    std::string_view program;
    TemplateTable table;
};

// Every program's table; a program that names installed templates adds its
// own here.
inline constexpr ProgramTemplates kProgramTemplateTables[] = {
    {"sample", kSampleTemplates},
    {"tvncal", kTrialPageTemplates},
};

} // namespace wtn::tools
