// The installed templates TVNCAL's trial pages name, each with the field codes
// the trial-page writer fills; the page writer of a test build refuses any other.
#pragma once

#include "template_use.h"

namespace wtn {

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

} // namespace wtn
