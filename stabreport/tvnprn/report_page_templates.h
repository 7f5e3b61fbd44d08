// The installed templates TVNPRN's pages name, each with the field codes its
// writers fill; the page writer of a test build refuses any other.
#pragma once

#include "template_use.h"

namespace wtn {

// The stability chapters' shared head (section pages, constants table) and
// the results summary.
inline constexpr TemplateUse kStabilityReportTemplates[] = {
    // Section pages.
    {"YAITA.PFM", "00 01 02 03 04 99"},
    {"YAITA_KS.PFM", "03 04 05 06 07"},
    {"YAITA_KZ.PFM", "03 04 05 06 07 10 11 97 98"},
    {"YAITA_KT.PFM", "06 07 10 11 97 98"},
    {"YAITA_FS.PFM", "00 01 02 03 04 05 06 07 08 09 99"},
    {"YAITA_FZ.PFM", "00 01 02 03 04 05 06 07 08 09 10 11 97 98 99"},
    {"YAITA_FT.PFM", "08 09 10 11 97 98 99"},
    {"YAITA_KM.PFM", "00 01 06 07"},
    {"YAITA_KW.PFM", "00 01 06 07 08 09 10 11"},
    {"YAITA_KF.PFM", "00 01 06 07 08 09"},
    {"YAITA_KL.PFM", "00 06 08"},
    {"YAITA_KN.PFM", "00 06"},
    {"KOKAN_FM.PFM", "07 08 09"},
    {"KOKAN_KS.PFM", "05 06 07 08 09"},
    {"KOKAN_FS.PFM", "00 01 02 03 04 05 06 07 08 09 99"},
    {"KHKSKC1.PFM", "00 01 02 99"},
    {"KHKSKC2.PFM", "00 01 02 03"},
    {"KHKSKC3.PFM", ""},
    // Results summary.
    {"MATOME1.PFM", "00 99"},
    {"MATOMET.PFM", "99"},
    {"MATOME2.PFM", "00 01 02 03 04 05 06 07 08 09 10 11 12 13 14"},
    {"MATOME2A.PFM", "00 06 09"},
    {"MATOME2B.PFM", "00 03 06 09 12"},
    {"MATOME3.PFM", "00 01 02 03 04 05 06 07 08 09"},
    {"MATOME3A.PFM", "00 04 06"},
    {"MATOME3B.PFM", "00 02 04 06 08"},
    {"MATOME4.PFM", "00 01 02 03 04 05 06 07 08 09"},
    {"MATOME4A.PFM", "00 04 06"},
    {"MATOME4B.PFM", "00 02 04 06 08"},
    {"MATOME5.PFM", "00 01 02 03"},
    {"MATOME5A.PFM", "00"},
    {"MATOME5B.PFM", "00 02"},
    {"MATOME6.PFM", "00 01 02 03 04 05 06"},
    {"MATOME7A.PFM", "00 06 09"},
    {"MATOME7B.PFM", "00 03 06 09 12"},
    {"MATOME8.PFM", "00 01 04 05 06 07"},
    {"MATOME8A.PFM", "00 04 06"},
    {"MATOME9.PFM", "00 01 02 03 04 05 06 07 08 09"},
    {"MATOME9A.PFM", "00 02 04 06 08"},
    // Head displacement and the subgrade reaction at the virtual seabed.
    {"Y_HENI1.PFM", "99"},
    {"Y_HENI11.PFM", "99"},
    {"Y_HENI2.PFM", "99"},
    {"Y_HENI21.PFM", "99"},
    {"Y_HENI1A.PFM", ""},
    {"Y_HENI1B.PFM", ""},
    {"Y_HENI1C.PFM", ""},
    {"HENKEI1.PFM", ""},
    {"HENKEIHD.PFM", ""},
    {"HENKEIFT.PFM", ""},
    {"HENKEI2.PFM", "00 01 02 03 04 05 06"},
    {"HENKEI3.PFM", "00"},
    {"Y_HENI3.PFM", "00 01 02 03 04 05 06 07 08 09 10 11 12 13 97 98 99"},
    {"Y_HENI31.PFM", "00 01 02 03 04 05 06 07 08 09 10 11 12 13 97 98 99"},
    {"Y_HENI4.PFM", "00 01 02 03 04 05 06 07 11 12 13 97 98 99"},
    {"Y_HENI41.PFM", "00 01 02 03 04 05 06 07 11 12 13 97 98 99"},
    {"CYANHNRK.PFM", "99"},
    {"CYNHNRK1.PFM", "00 01 02 99"},
    {"CYNHNRK2.PFM", "02 04 05 06 07 08 09 10 11"},
    {"CYNHNRK3.PFM", "07 08 09 10 11"},
    {"KOKNHNRK.PFM", "96 97 98 99"},
    {"KKNHNRK1.PFM", "00 01 02 96 97 98 99"},
    {"KKNHNRK2.PFM", "02 04 05 06 07 08 09 10 11"},
    {"KKNHNRK3.PFM", "07 08 09 10 11"},
    {"KOKNHNRK.PZK", ""},
    {"KKNHNRK1.PZK", ""},
};

} // namespace wtn
