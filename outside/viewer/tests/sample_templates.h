// The templates of the sample report the viewer's tests lay out.
#pragma once

#include "template_use.h"

namespace wtn {

// The sample set the viewer's tests lay out.
inline constexpr TemplateUse kSampleTemplates[] = {
    {"SAMPLE_TITL.PFM", "98 99"},    {"SAMPLE_COND.PFM", "00 01 02 03 04 05"},
    {"SAMPLE_TBLC.PFM", "97 98 99"}, {"SAMPLE_TBLH.PFM", "97 98 99"},
    {"SAMPLE_TBLR.PFM", "00 01 02"}, {"SAMPLE_TBLF.PFM", ""},
    {"SAMPLE_TBLE.PFM", ""},         {"SAMPLE_FIG.PFM", "00 01"},
    {"SAMPLE_MARK.PZK", ""},
};

} // namespace wtn
