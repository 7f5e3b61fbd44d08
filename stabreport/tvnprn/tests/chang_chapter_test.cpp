// The pages only Chang's-method chapter writes (β, maximum moment, embedment
// length), written from records set here and checked against values worked
// by hand.
#include "chang_chapter.h"
#include "page_text.h"
#include "text_search.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace wtn {
namespace {

using test::contains;
using test::pages_of;

// Uniform ground of k 10 000 below the virtual seabed -7.0 down to the bottom
// boundary -30.0; a pile of I 16 800 cm4/m at E 200 kN/mm2: EI = 33 600 kN·m2/m,
// β = (10 000 / 134 400)^0.25 = 0.5223 -> 0.522, L = 3 / β = 5.747.
StabilityReport uniform_report() {
    StabilityReport r;
    r.input.swdat.embedment_method = EmbedmentMethod::Chang;
    r.results.corrosion.case_flag = kNoCorrosion;
    r.results.design_values.young_modulus = 200.0;
    DecidedPile& p = r.results.decided;
    p.inertia = {16800.0, 16000.0, 15500.0};
    p.rigidity = {33600.0, 32000.0, 31000.0};
    ForceCase& fc = r.force_case;
    fc.start_index = 0;
    fc.layer_count = 2;
    fc.layers[0] = {-5.0, 25.0, 0.5236, 1, 0.0, 0, 10000.0};
    fc.layers[1] = {-30.0, 0.0, 0.0, 1, 0.0, 0, 0.0};
    fc.base[kNormalCase] = {-7.0, 100.0};
    fc.base[kSeismicCase] = {-7.2, 100.0};
    fc.lever_arm = 2.846;
    fc.total_moment = 315.057;
    ChangResult& chang = r.results.areas.chang;
    chang.kh = {10000.0, 10000.0, 10000.0};
    chang.beta = {0.522, 0.530, 0.535};
    chang.moment = {-341.636, 300.0, -340.938};
    r.results.level_displacement.embedment[kNormalCase] = {5.747, 5.660};
    r.results.level_displacement.embedment[kSeismicCase] = {5.800, 5.800};
    return r;
}

// Two layers below the virtual seabed -7.425: -6.0 k 20 000 and -9.0 k 5000,
// bottom boundary -11.0 (k 0). SP-IA, I 4500 cm4/m, EI 9000 kN·m2/m:
// β1 = (20 000 / 36 000)^0.25 = 0.863, β2 = (5000 / 36 000)^0.25 = 0.610.
// Σβl = 3: 0.863 × 1.575 + 0.610 × 2.000 = 2.579, the rest 0.421 / 0.610 =
// 0.690 below -11.0, in the last layer carried on down: L = 4.265.
StabilityReport layered_report() {
    StabilityReport r = uniform_report();
    r.results.decided.inertia = {4500.0, 4300.0, 4200.0};
    r.results.decided.rigidity = {9000.0, 8600.0, 8400.0};
    ForceCase& fc = r.force_case;
    fc.layer_count = 3;
    fc.layers[0] = {-6.0, 3.0, 0.5236, 1, 0.0, 0, 20000.0};
    fc.layers[1] = {-9.0, 2.0, 0.5236, 1, 0.0, 0, 5000.0};
    fc.layers[2] = {-11.0, 0.0, 0.0, 1, 0.0, 0, 0.0};
    fc.base[kNormalCase] = {-7.425, 100.0};
    r.results.level_displacement.embedment[kNormalCase] = {4.265, 4.265};
    return r;
}

std::string embedment_pages(const StabilityReport& r, bool varies, int case_index = 0) {
    return pages_of([&](PageFile& p) { write_chang_embedment_pages(p, r, case_index, 7, varies); });
}

TEST(ChangEmbedment, UniformGroundWorksBetaFromTheStartLayer) {
    const std::string expected = "$R  33\r\n$0  CYANLEN1.PFM    CYANLEN1.PZK\r\n99    7\r\n"
                                 "98  3.00\r\n$0  CYANLEN8.PFM\r\n95  3.00\r\n"
                                 "98   200.0\r\n97  10$U6$Z\r\n00   10000.0\r\n01       16800\r\n"
                                 "96  10$U-8$Z\r\n02   0.522\r\n03   5.747\r\n"
                                 "$0  CYANLEN7.PFM\r\n03  常  時\r\n04   5.747\r\n";
    EXPECT_EQ(embedment_pages(uniform_report(), false), expected);
}

TEST(ChangEmbedment, UniformGroundVariants) {
    struct Case {
        const char* what;
        std::function<void(StabilityReport&)> change;
        int case_index;
        std::vector<std::string> present;
    };
    const Case cases[] = {
        {"corroded: both slots, the longer decides, equal lengths take the corroded one",
         [](StabilityReport& r) {
             r.results.corrosion.case_flag = kCorrosionZonesDiffer;
             r.results.level_displacement.embedment[kSeismicCase] = {5.800, 5.800};
         },
         kSeismicCase,
         {"$R  43\r\n", "99  腐食前\r\n98   200.0\r\n", "01       15500\r\n",
          // β of the seabed-mud section: (10 000 / 4 / 31 000)^0.25 = 0.5329.
          "02   0.533\r\n03   5.800\r\n",
          "$0  CYANLEN6.PFM\r\n00   5.800\r\n01   5.800\r\n02   ＜ \r\n03  地震時\r\n"
          "04   5.800\r\n"}},
        {"before corrosion longer",
         [](StabilityReport& r) { r.results.corrosion.case_flag = kCorrosionZonesSame; },
         kNormalCase,
         {"02   ＞ \r\n03  常  時\r\n04   5.747\r\n"}},
        {"customised numerator",
         [](StabilityReport& r) { r.custom.chang_embedment_numerator = 2.5; },
         kNormalCase,
         {"98  2.50\r\n", "95  2.50\r\n"}},
        {"joint efficiency: I of the embedment calculation",
         [](StabilityReport& r) {
             r.results.joint_efficiency_flag = 1;
             r.results.decided.inertia_embed = {13440.0, 0.0, 0.0};
         },
         kNormalCase,
         // EI = 200 × 13 440 × 0.01 = 26 880: β = (10 000 / 107 520)^0.25 = 0.5522.
         {"01       13440\r\n", "02   0.552\r\n"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        StabilityReport r = uniform_report();
        c.change(r);
        const std::string text = embedment_pages(r, false, c.case_index);
        for (const std::string& part : c.present)
            EXPECT_TRUE(contains(text, part)) << part << "\n" << text;
    }
}

// L below the bottom boundary: the third row is the last layer carried on
// down, as the calculation takes it, not the boundary's empty constant.
TEST(ChangEmbedment, LayeredGroundBelowTheBottomBoundaryShowsTheLastLayer) {
    const std::string expected =
        "$0  CYANLEN2.PFM    CYANLEN2.PZK\r\n99    7\r\n98  3.00\r\n"
        "$R  19\r\n$0  CYANLEN3.PFM\r\n98   200.0\r\n95  10$U6$Z\r\n96        4500\r\n"
        "97  10$U-8$Z\r\n"
        "$0  CYANLEN4.PFM\r\n00  $S 1$Z\r\n03   20000.0\r\n01   0.863\r\n"
        "02  ｌ$S 1$Z＝ 1.575 m\r\n"
        "$0  CYANLEN4.PFM\r\n00  $S 2$Z\r\n03    5000.0\r\n01   0.610\r\n"
        "02  ｌ$S 2$Z＝ 2.000 m\r\n"
        "$0  CYANLEN4.PFM\r\n00  $S 3$Z\r\n03    5000.0\r\n01   0.610\r\n"
        "$0  CYANLEN5.PFM\r\n00   0.690\r\n01   3.575\r\n02   4.265\r\n"
        "$0  CYANLEN7.PFM\r\n03  常  時\r\n04   4.265\r\n";
    EXPECT_EQ(embedment_pages(layered_report(), true), expected);
}

TEST(ChangEmbedment, LayeredGroundEndingInsideALayerOrOnItsBottom) {
    // L 3.0 ends at -10.425, inside the second layer: two rows, the second
    // without its thickness, and 3.0 - 1.575 in it.
    StabilityReport r = layered_report();
    r.results.level_displacement.embedment[kNormalCase] = {3.0, 3.0};
    std::string text = embedment_pages(r, true);
    EXPECT_TRUE(contains(text, "$R  15\r\n")) << text; // 2 × 2 rows + 11
    EXPECT_TRUE(contains(text, "03    5000.0\r\n01   0.610\r\n$0  CYANLEN5.PFM\r\n"
                               "00   1.425\r\n01   1.575\r\n02   3.000\r\n"))
        << text;
    // L 3.575 ends on the bottom boundary: nothing left below it, printed
    // 0.000 and not -0.000.
    r.results.level_displacement.embedment[kNormalCase] = {3.575, 3.575};
    text = embedment_pages(r, true);
    EXPECT_TRUE(contains(text, "00   0.000\r\n01   3.575\r\n")) << text;
}

TEST(ChangGround, VariesWhereAnotherConstantIsReached) {
    StabilityReport r = layered_report();
    // The averaged k_h of every state equals the start layer's: uniform for β.
    r.results.areas.chang.kh = {20000.0, 20000.0, 20000.0005};
    EXPECT_FALSE(ground_varies(r, 0, GroundVariesOver::BetaDepth));
    r.results.areas.chang.kh[2] = 19000.0;
    EXPECT_TRUE(ground_varies(r, 0, GroundVariesOver::BetaDepth));
    // L within the start layer (1.575 m below the virtual seabed) is uniform;
    // reaching the second layer is not.
    r.results.level_displacement.embedment[kNormalCase] = {1.5, 1.5};
    EXPECT_FALSE(ground_varies(r, 0, GroundVariesOver::Embedment));
    r.results.level_displacement.embedment[kNormalCase] = {1.5, 1.6};
    EXPECT_TRUE(ground_varies(r, 0, GroundVariesOver::Embedment));
}

std::string beta_pages(const StabilityReport& r, bool varies) {
    return pages_of([&](PageFile& p) { write_beta_pages(p, r, 0, varies); });
}

TEST(ChangBeta, StatesAndLabelsByCorrosion) {
    StabilityReport r = uniform_report();
    const std::string uniform = beta_pages(r, false);
    EXPECT_EQ(uniform, "$1  NEIRE_T.PFM\r\n$0  CYAN1.PFM       CYAN1.PZK\r\n"
                       "99   1) 矢板断面計算用地盤の特性値(β)を求める\r\n"
                       "$0  CYAN11.PFM\r\n99\r\n98   200.0\r\n00   10000.0\r\n"
                       "97  10$U6$Z\r\n01       16800\r\n96  10$U-8$Z\r\n02   0.522\r\n");

    r.results.corrosion.case_flag = kCorrosionZonesSame;
    std::string text = beta_pages(r, false);
    EXPECT_TRUE(contains(text, "99  腐食前\r\n")) << text;
    EXPECT_TRUE(contains(text, "99  腐食後\r\n")) << text;
    EXPECT_FALSE(contains(text, "02   0.530\r\n")) << text; // never state 1 here

    r.results.corrosion.case_flag = kCorrosionZonesDiffer;
    r.custom.chang_displacement_rule = from_file_value<ChangDisplacementRule>(1);
    text = beta_pages(r, false);
    EXPECT_TRUE(contains(text, "99  腐食後（海  中  部）\r\n98   200.0\r\n00   10000.0\r\n"
                               "97  10$U6$Z\r\n01       16000\r\n96  10$U-8$Z\r\n02   0.530\r\n"))
        << text;
    EXPECT_TRUE(contains(text, "99  腐食後（海底泥層中）\r\n")) << text;

    r.results.areas.chang.kh = {12000.0, 12500.0, 13000.0};
    text = beta_pages(r, true);
    EXPECT_EQ(text.rfind("$1  CYAN2.PFM       CYAN2.PZK\r\n", 0), 0u) << text;
    EXPECT_FALSE(contains(text, "NEIRE_T"));
    EXPECT_TRUE(contains(text, "$0  CYAN21.PFM\r\n99  腐食前\r\n00       16800\r\n"
                               "96  10$U-8$Z\r\n01     12000.0\r\n02       0.522\r\n"))
        << text;
}

TEST(ChangMoment, MaximumMomentInTheLoadsSense) {
    StabilityReport r = uniform_report();
    const std::string expected = "$R  27\r\n$0  CYAN3.PFM       CYAN3.PZK\r\n"
                                 "$0  CYAN31.PFM\r\n00   0.522\r\n01   2.846\r\n"
                                 "02   315.057\r\n03     341.636\r\n";
    EXPECT_EQ(pages_of([&](PageFile& p) { write_moment_pages(p, r, 0); }), expected);
    r.results.corrosion.case_flag = kCorrosionZonesDiffer;
    const std::string corroded = pages_of([&](PageFile& p) { write_moment_pages(p, r, 0); });
    EXPECT_TRUE(contains(corroded, "$R  39\r\n")) << corroded;
    EXPECT_TRUE(contains(corroded, "99  腐食後\r\n00   0.535\r\n01   2.846\r\n02   315.057\r\n"
                                   "03     340.938\r\n"))
        << corroded;
    EXPECT_FALSE(contains(corroded, "0.530")); // the sea-water state is never shown
}

} // namespace
} // namespace wtn
