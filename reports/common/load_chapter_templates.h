// The installed templates that both load-report programs fill with the same
// codes: the chapter heading and the force, moment and resultant tables that
// close a chapter of earth or wave pressure. Each program lists these entries
// in its own template table beside its other templates.
#pragma once

#include "template_use.h"

namespace wtn {

inline constexpr TemplateUse kChapterTitleTemplate{"GAI_TITL.PFM", "98 99"};
inline constexpr TemplateUse kMomentCaptionTemplate{"MOMENT1.PFM", "98 99"};
inline constexpr TemplateUse kMomentHeadingTemplate{"MOMNT_HD.PFM", ""};
inline constexpr TemplateUse kMomentFootingTemplate{"MOMNT_FT.PFM", ""};
inline constexpr TemplateUse kMomentRowTemplate{"MOMENT2.PFM", "00 01 02 03 04 05 06"};
inline constexpr TemplateUse kMomentTotalTemplate{"MOMENT3.PFM", "00 01"};
inline constexpr TemplateUse kForceCaptionTemplate{"GAI_MTM1.PFM", "99"};
inline constexpr TemplateUse kForceRowTemplate{"GAI_MTM2.PFM", "00 01 02 03 04"};
inline constexpr TemplateUse kForceTotalTemplate{"GAI_MTM3.PFM", "00 01"};
inline constexpr TemplateUse kResultantHeightTemplate{"H0.PFM", "00 01 02"};

inline constexpr TemplateUse kLoadChapterTemplates[] = {
    kChapterTitleTemplate, kMomentCaptionTemplate,   kMomentHeadingTemplate, kMomentFootingTemplate,
    kMomentRowTemplate,    kMomentTotalTemplate,     kForceCaptionTemplate,  kForceRowTemplate,
    kForceTotalTemplate,   kResultantHeightTemplate,
};

} // namespace wtn
