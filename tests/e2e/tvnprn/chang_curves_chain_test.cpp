// TVNPRN's Chang and port-research-institute chapters after TVNDAT and
// TVNCAL on the sand of the chain tests and on the section as it stands:
// the β, moment, stress and embedment values worked by hand, and every
// value of the curve chapters against what TVNCAL stored in its work files.
#include "child_process.h"
#include "current_folder.h"
#include "file_io.h"
#include "program_folder.h"
#include "stability_chain.h"
#include "text_search.h"
#include "viewer_check.h"
#include "wall_section.h"
#include "work_files.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace wtn {
namespace {

using test::chain;
using test::ChildResult;
using test::completed_state_chain;
using test::fmt;
using test::ProgramFolder;
using test::sand_by_n_value;

using test::contains;

// The first case record of NEIRE.PRN, read back as TVNPRN reads it.
CaseAreas stored_case(const ProgramFolder& folder, EmbedmentMethod method,
                      StabilityResults& level) {
    test::CurrentFolder here(folder);
    CFile tl = open_file(kNeireTlFile, "rb");
    CFile neire = open_file(kNeireFile, "rb");
    read_neire_tl(tl.get(), level);
    CaseAreas areas;
    read_neire_case(neire.get(), areas, method, CaseAreaSizes{60, 60});
    return areas;
}

// Fixture (a): uniform sand. β = (30000 / 4EI)^0.25 with EI = 200 × I × 0.01:
// 0.494 (I 63000) and 0.502 (I 59003); L = 3 / β = 6.073 and 5.976, the
// longer before corrosion decides.
TEST(ChangChain, SandByItsNValueReadsAsWorkedByHand) {
    const auto folder = completed_state_chain(sand_by_n_value());
    const std::string chapter = folder->read("JD103CYN.PDT");
    EXPECT_TRUE(contains(chapter, "$1  NEIRE_T.PFM\r\n$0  CYAN1.PFM       CYAN1.PZK\r\n"));
    EXPECT_TRUE(contains(chapter, "99  腐食前\r\n98   200.0\r\n00   30000.0\r\n97  10$U6$Z\r\n"
                                  "01       63000\r\n96  10$U-8$Z\r\n02   0.494\r\n"))
        << chapter;
    EXPECT_TRUE(contains(chapter, "01       59003\r\n96  10$U-8$Z\r\n02   0.502\r\n"));
    EXPECT_TRUE(contains(chapter, "99  腐食前\r\n00   0.494\r\n01   2.846\r\n02   315.057\r\n"
                                  "03     341.636\r\n"))
        << chapter;
    EXPECT_TRUE(contains(chapter, "99  腐食後\r\n00   0.502\r\n01   2.846\r\n02   315.057\r\n"
                                  "03     340.938\r\n"));
    // σ of the three states against 180.0, the stress page item 3.
    EXPECT_TRUE(contains(chapter, "$0  Y_ORYK1.PFM\r\n99    3\r\n09   180.0\r\n"
                                  "03     341.636\r\n04        3150\r\n05    108.5\r\n10   ≦ \r\n"
                                  "13  OK \r\n"))
        << chapter;
    EXPECT_TRUE(contains(chapter, "07        2961\r\n08    115.1\r\n11   ≦ \r\n14  OK \r\n"));
    EXPECT_TRUE(contains(chapter, "00     315.057\r\n01        2924\r\n02    107.7\r\n"));
    // The embedment length from the start layer's constant.
    EXPECT_TRUE(contains(chapter, "$R  43\r\n$0  CYANLEN1.PFM    CYANLEN1.PZK\r\n"));
    EXPECT_TRUE(contains(chapter, "02   0.494\r\n03   6.073\r\n"));
    EXPECT_TRUE(contains(chapter, "02   0.502\r\n03   5.976\r\n"));
    EXPECT_TRUE(contains(chapter, "$0  CYANLEN6.PFM\r\n00   6.073\r\n01   5.976\r\n02   ＞ \r\n"
                                  "03  常  時\r\n04   6.073\r\n"))
        << chapter;
    // The values stored by TVNCAL are the ones printed.
    StabilityResults level;
    const CaseAreas areas = stored_case(*folder, EmbedmentMethod::Chang, level);
    EXPECT_DOUBLE_EQ(areas.chang.beta[0], 0.494);
    EXPECT_DOUBLE_EQ(level.level_displacement.embedment[0][0], 6.073);
    EXPECT_DOUBLE_EQ(level.level_displacement.embedment[0][1], 5.976);
    test::check_viewer(*folder, {"341.636", "6.073", "0.494"}, "tvnprn_chang_sand");
}

// Fixture (b): the section as it stands (seabed -6.0, k 10000) at E 200:
// SP-VIL (I 86000, 81146 after corrosion), β = (10000 / 4 / 172000)^0.25 =
// 0.347, L = 3 / 0.347 = 8.646 and 3 / 0.352 = 8.523; the pile fails on
// stress.
TEST(ChangChain, SectionAsItStandsFailsItsChecks) {
    test::WallSection section;
    section.young = 200.0;
    section.young_exponent = 0.0;
    const auto folder = completed_state_chain(section);
    const std::string chapter = folder->read("JD103CYN.PDT");
    EXPECT_TRUE(contains(chapter, "02   0.347\r\n")) << chapter;
    EXPECT_TRUE(contains(chapter, "03    1010.423\r\n")) << chapter;
    EXPECT_TRUE(contains(chapter, "264.5\r\n10   ＞ \r\n13  OUT\r\n")) << chapter;
    EXPECT_TRUE(contains(chapter, "$0  CYANLEN6.PFM\r\n00   8.646\r\n01   8.523\r\n02   ＞ \r\n"
                                  "03  常  時\r\n04   8.646\r\n"))
        << chapter;
    test::check_viewer(*folder, {"1010.423", "264.5"}, "tvnprn_chang_failing");
}

// Methods 3 (C-type, k_c 1500) and 5 (S-type, k_s 600) on the ground of the
// sand: every result the pages print is the one TVNCAL stored.
TEST(CurvesChain, PrintedResultsAreTheStoredOnes) {
    struct Case {
        int method;
        EmbedmentMethod method_code;
        double constant;
        bool seabed_check;
    };
    for (const Case& c : {Case{3, EmbedmentMethod::CType, 1500.0, true},
                          Case{5, EmbedmentMethod::SType, 600.0, false}}) {
        SCOPED_TRACE(c.method);
        test::WallSection section = sand_by_n_value();
        section.method = c.method;
        section.sea_constant = c.constant;
        section.decision = 111; // the check at the virtual seabed on
        const auto folder = completed_state_chain(section);
        const std::string chapter = folder->read("JD103KKN.PDT");
        ASSERT_FALSE(chapter.empty());
        StabilityResults level;
        const CaseAreas areas = stored_case(*folder, c.method_code, level);
        const KokenResult& k = areas.koken;
        for (std::size_t s : {kSectionUncorroded, kSectionSeabedMud}) {
            const std::size_t i = koken_index(s, 0);
            const std::string label = s == 0 ? "99  腐食前\r\n" : "99  腐食後\r\n";
            const std::string head =
                label + "00  " + fmt("%6.3lf", k.result[kKokenReadMoment + i]) + "\r\n";
            const auto at = chapter.find("$0  KOKEN8.PFM\r\n" + head);
            ASSERT_NE(at, std::string::npos) << head << chapter;
            const std::string block = chapter.substr(at, 400);
            EXPECT_TRUE(contains(block, "03  " + fmt("%8.3lf", k.result[kKokenMoment + i])));
            EXPECT_TRUE(contains(block, "07  " + fmt("%8.3lf", k.result[kKokenZero + i])));
            EXPECT_TRUE(contains(block, "11  " + fmt("%8.3lf", k.result[kKokenDeflection + i])));
            EXPECT_TRUE(
                contains(block, "15  " + fmt("%8.3lf", k.result[kKokenSlope + i] * 1000.0)));
        }
        const PerCaseState& length = level.level_displacement.embedment;
        EXPECT_TRUE(contains(chapter, "$0  KKNLEN2.PFM\r\n01  " + fmt("%6.3lf", length[0][0]) +
                                          "\r\n03  " + fmt("%6.3lf", length[0][1]) + "\r\n"))
            << chapter;
        EXPECT_EQ(contains(chapter, "KOKNHNRK.PFM"), c.seabed_check);
        EXPECT_TRUE(contains(chapter, "$0  Y_ORYK1.PFM\r\n99    5\r\n"));
        test::check_viewer(*folder, {"港研方式"},
                           c.method == 3 ? "tvnprn_curves_c" : "tvnprn_curves_s");
    }
}

} // namespace
} // namespace wtn
