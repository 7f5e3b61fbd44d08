// TVNPRN's pages of the steel-pipe and the prestressed-concrete sheet piles
// after TVNDAT and TVNCAL on the sand of the chain tests: the secondary
// stress of the pipe wall at the depth of the maximum moment and the
// combined stress, and the cracking-moment check of a concrete pile, with
// their key values worked by hand.
#include "program_folder.h"
#include "stability_chain.h"
#include "text_search.h"
#include "viewer_check.h"
#include "wall_section.h"

#include <gtest/gtest.h>

#include <string>

namespace wtn {
namespace {

using test::completed_state_chain;
using test::sand_by_n_value;

using test::contains;

// The sand section (P 110.688 kN/m, h0 2.846 m, virtual seabed -4.050, k
// 30000) on a steel pipe of 800 x 9 mm with P-T joints (joint 180 mm),
// allowable stress 140 N/mm2, the secondary stress examined. By hand:
// I = π (80^4 - 78.2^4) / 64 = 174940 cm4 a pile; the width 80 + 18 = 98 cm
// gives I = 100 / 98 x 174940 = 178510 cm4/m and Z = 2 I / 80 = 4463 cm3/m.
// β = (30000 / (4 x 200 x 1785.10))^0.25 = 0.381; the maximum moment lies
// lm = atan(1 / (1 + 2 β h0)) / β = 0.802 m below the virtual seabed, at
// -4.852, where the net pressure below the zero point -4.050 falls by
// (Kp - Ka) γ' = (3.0 - 0.3333) x 10 = 26.667 kN/m2 a metre: Δp = -21.387.
// σ2 = (D / t)^2 |Δp| x 2.1 x 10^-4 = (800 / 9)^2 x 21.387 x 0.00021 = 35.5;
// after corrosion in the seabed mud (t1 0.90, t2 0.60 mm) the thinner half
// decides: D / t' = 798.2 / 8.1, lm 0.775 m, Δp = -20.667, σ2 = 42.1.
// M_max = P / 2β · sqrt((1 + 2βh0)^2 + 1) · exp(-β lm) = 355.57 kN·m/m, σ =
// 355.572 / 4463 = 79.7; combined sqrt(35.5^2 + 79.7^2 - 35.5 x 79.7) = 69.2
// against 1.1 x 140 = 154.0.
TEST(PileKindsChain, SteelPipePagesCheckTheSecondaryStress) {
    test::WallSection section = sand_by_n_value();
    section.pile_type = 4;
    section.pipes = {test::SteelPipe{800.0, 9.0, 2.0}};
    section.pipe_check = 1;
    section.allow_stress_normal = 140.0;
    section.allow_stress_seismic = 210.0;
    const auto folder = completed_state_chain(section);
    const std::string chapter = folder->read("JD103CYN.PDT");
    EXPECT_TRUE(contains(chapter, "00  φ 800.0 x t 9.0 (P-T)型\r\n04       200.0\r\n"
                                  "01      174940\r\n02        4374\r\n$0  KOKAN_FM.PFM\r\n"
                                  "07  98.000\r\n08      178510\r\n09        4463\r\n"))
        << chapter;
    EXPECT_TRUE(contains(chapter, "01      178510\r\n96  10$U-8$Z\r\n02   0.381\r\n"));
    EXPECT_TRUE(contains(chapter, "03     355.572\r\n04        4463\r\n05     79.7\r\n"));
    // The position of the maximum moment, the pressure difference there by
    // interpolation between the rows at -4.050 (0.000) and -30.000 (-692.012),
    // the secondary and the combined stress, before and after corrosion.
    EXPECT_TRUE(contains(chapter, "$0  LMMAX2.PFM\r\n99  (腐食前)\r\n00   0.381\r\n01   2.846\r\n"
                                  "02   0.802\r\n03  -4.050\r\n04  -4.852\r\n"))
        << chapter;
    EXPECT_TRUE(contains(chapter, "01  -692.012\r\n02     0.000\r\n98   - \r\n03    -4.050\r\n"
                                  "04    30.000\r\n96   + \r\n05     4.852\r\n97   + \r\n"
                                  "06   -21.387\r\n"));
    EXPECT_TRUE(contains(chapter, "99  (腐食前)\r\n00    21.387\r\n01    800.00\r\n02    9.00\r\n"
                                  "03     35.5\r\n09   140.0\r\n10   ≦ \r\n13  OK \r\n"));
    EXPECT_TRUE(contains(chapter, "99  (腐食後)\r\n00    20.667\r\n01    798.20\r\n02    8.10\r\n"
                                  "03     42.1\r\n"));
    EXPECT_TRUE(contains(chapter, "99  (腐食前)\r\n00     79.7\r\n01     35.5\r\n02     69.2\r\n"
                                  "09   154.0\r\n10   ≦ \r\n13  OK \r\n"));
    // The four pages in their order, numbered on from the stress check (3).
    std::size_t at = 0;
    for (const char* page : {"$0  Y_ORYK1.PFM\r\n99    3\r\n", "$0  LMMAX1.PFM\r\n99   4)\r\n",
                             "$0  LMMAXP1.PFM\r\n99   5)\r\n", "$0  SIGMA21.PFM\r\n99   6)\r\n",
                             "$0  SIGMAF1.PFM     SIGMAF1.PZK\r\n99   7)\r\n",
                             "$0  Y_HENI11.PFM    HENI_Z.PZK\r\n99    8\r\n"}) {
        at = chapter.find(page, at);
        ASSERT_NE(at, std::string::npos) << page;
    }
    test::check_viewer(*folder, {"φ800.0xt9.0", "-21.387", "35.5", "69.2"}, "tvnprn_steel_pipe");
}

// The same section with the secondary-stress check off: no pipe pages, and
// the displacement follows the stress check as item 4.
TEST(PileKindsChain, SteelPipeWithoutTheCheckHasNoPipePages) {
    test::WallSection section = sand_by_n_value();
    section.pile_type = 4;
    section.pipes = {test::SteelPipe{800.0, 9.0, 2.0}};
    section.allow_stress_normal = 140.0;
    const auto folder = completed_state_chain(section);
    const std::string chapter = folder->read("JD103CYN.PDT");
    for (const char* page : {"LMMAX1.PFM", "LMMAXP1.PFM", "SIGMA21.PFM", "SIGMAF1.PFM"})
        EXPECT_FALSE(contains(chapter, page)) << page;
    EXPECT_TRUE(contains(chapter, "$0  Y_HENI11.PFM    HENI_Z.PZK\r\n99    4\r\n"));
}

// A lower wall of prestressed concrete sheet piles (general environment, E
// 34.8 kN/mm2): crown +2.00, design seabed -1.50, the sand of N 20 (k 30000).
// By hand: Ka 0.3333, the land pressure 12.000 at 0.00 and 17.000 at -1.50;
// the net pressure is zero 17 / 26.667 = 0.6375 m below the seabed, at
// -2.1375; P = 12 + 21.75 + 5.419 = 39.169 kN/m, M0 = 65.19 kN·m/m, h0 =
// 1.664 m. PC-200 (I 66667): β = (30000 / (4 x 34.8 x 666.67))^0.25 = 0.754,
// M_max = 71.8 > Mγ 53.3; PC-250 (I 130208): β = 0.638, M_max = P / 2β ·
// sqrt((1 + 2βh0)^2 + 1) · exp(-atan(1 / (1 + 2βh0))) = 73.8 ≦ 83.3: decided.
TEST(PileKindsChain, ConcretePileIsCheckedByItsCrackingMoment) {
    test::WallSection pc = sand_by_n_value();
    pc.pile_type = 6;
    pc.young = 34.8;
    pc.crown = 2.0;
    pc.land = {test::Layer{2.0}};
    pc.seabed = -1.5;
    pc.sea[0].top = -1.5;
    const auto folder = completed_state_chain(pc);
    const std::string chapter = folder->read("JD103CYN.PDT");
    EXPECT_TRUE(contains(chapter, "00  PC-250\r\n04        34.8\r\n01      130208\r\n")) << chapter;
    EXPECT_FALSE(contains(chapter, "Y_ORYK1.PFM"));
    EXPECT_FALSE(contains(chapter, "LMMAX1.PFM"));
    EXPECT_TRUE(contains(chapter, "01      130208\r\n96  10$U-8$Z\r\n02   0.638\r\n"));
    EXPECT_TRUE(contains(chapter, "$0  Y_MMAX1.PFM\r\n99    3\r\n"
                                  "00  ひび割れモーメント Ｍγ =   83.300 kN･m/m\r\n01  Ｍγ\r\n"
                                  "02    83.300\r\n03      73.8"))
        << chapter;
    EXPECT_TRUE(contains(chapter, "04   ≦ \r\n05  OK \r\n"));
    const std::string summary = folder->read("JD999MTM.PDT");
    EXPECT_TRUE(contains(summary, "$0  MATOME7B.PFM\r\n00      73.8")) << summary;
    EXPECT_TRUE(contains(summary, "09      83.300\r\n")) << summary;
    test::check_viewer(*folder, {"ひび割れモーメント", "83.300", "PC-250"}, "tvnprn_concrete");
}

} // namespace
} // namespace wtn
