// The installed templates and drawings SRGPRT's wave chapters name, each with
// the field codes the chapter writer fills; the page writer of a test build
// refuses any other. The title, moment, force-summary and resultant templates
// are shared with the earth-pressure report and filled alike
// (load_chapter_templates.h).
#pragma once

#include "load_chapter_templates.h"
#include "template_use.h"

namespace wtn {

inline constexpr TemplateUse kWaveReportTemplates[] = {
    // Shared with the earth-pressure report.
    kChapterTitleTemplate,
    kMomentCaptionTemplate,
    kMomentHeadingTemplate,
    kMomentFootingTemplate,
    kMomentRowTemplate,
    kMomentTotalTemplate,
    kForceCaptionTemplate,
    kForceRowTemplate,
    kForceTotalTemplate,
    kResultantHeightTemplate,
    // The wave chapter's own.
    {"HAT_TITL.PFM", ""},
    {"JW_HLL0.PFM", "00"},
    {"JW_HLL1.PFM", "00 01 02"},
    {"JW_HHDG0.PFM", "00 01 02"},
    {"JW_HHDG1.PFM", "00 01"},
    {"JW_HHDK0.PFM", "00 01"},
    {"JW_HGY00.PFM", "00 01 02 03 04 05 06 07 08 09"},
    {"JW_HGY01.PFM", "00 01 02 03 04 05 06 07 08 09 10 11 12 13 14 15 16 98 99"},
    {"JW_HGY0.PFM", "00 01 02 03 04 05 06 07"},
    {"JW_HGY1.PFM", "00 01 02 03 04 05 06 07 08 09 10 11 12 13 14 15 16"},
    {"JW_HGY2.PFM", "00 01 02 03 04 05 06 07 08"},
    {"JW_HGY3.PFM", "00 01 02 03 04 05 06 07 08 09 10 11 12 13 14 15 16 99"},
    {"JW_HCYK.PFM", "00 01 02 03 04 05 06 07 08 98 99"},
    {"JW_HCYG.PFM", "00 01 02 03 04 05 06 07 98 99"},
    {"JW_HSYK.PFM", "00 01 02 06 98 99"},
    {"JW_HSYG.PFM", "00 01 02 03 04 05 06 98 99"},
    {"JW_HSYKS.PFM", "00 01 02 03 04 05 06 98 99"},
    {"JW_HSYGS.PFM", "00 01 02 03 04 05 06 98 99"},
    {"STA_WP.PFM", "00 01 02 03 04"},
    {"KASOU3.PFM", "00 99"},
    {"MOMENT4.PFM", ""},
    // Installed drawings of the formula templates.
    {"JW_HGY00.PZK", ""},
    {"JW_HGY01.PZK", ""},
    {"JW_HGY0.PZK", ""},
    {"JW_HGY1.PZK", ""},
    {"JW_HGY2.PZK", ""},
    {"JW_HGY3.PZK", ""},
    {"JW_HCYK.PZK", ""},
    {"JW_HCYG.PZK", ""},
    {"JW_HSYKS.PZK", ""},
};

} // namespace wtn
