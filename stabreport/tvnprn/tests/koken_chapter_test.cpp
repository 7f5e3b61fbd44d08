// The pages of the port-research-institute chapter, written from a result
// list whose every entry tells its index (entry i holds i + i / 1000), so a
// line that prints the wrong entry shows it; and the whole chapter's block
// numbering for C-type and S-type ground.
#include "current_folder.h"
#include "koken_chapter.h"
#include "page_text.h"
#include "program_folder.h"
#include "text_search.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace wtn {
namespace {

using test::CurrentFolder;
using test::pages_of;
using test::ProgramFolder;

using test::contains;
using test::count_of;

double tagged(std::size_t i) {
    return static_cast<double>(i) + static_cast<double>(i) / 1000.0;
}

// C-type ground under the normal case of the completed state, no corrosion,
// without joint efficiency; P 9.093, h0 2.846, k_c 1500.
StabilityReport koken_report() {
    StabilityReport r;
    r.input.swdat.embedment_method = EmbedmentMethod::CType;
    r.input.swdat.decision_code = 111;
    r.input.joken.pile_type = PileType::U;
    r.results.corrosion.case_flag = kNoCorrosion;
    r.results.design_values.young_modulus = 200.0;
    r.results.design_values.lateral_constant = 1500.0;
    r.results.design_values.allowable_stress = {180.0, 270.0};
    r.results.design_values.allowable_displacement = {10.0, 15.0};
    DecidedPile& p = r.results.decided;
    p.id = 23;
    p.name = "SP-VL";
    p.inertia = {63000.0, 58216.0, 59003.0};
    p.rigidity = {126000.0, 116432.0, 118006.0};
    p.modulus = {3150.0, 2924.0, 2961.0};
    ForceCase& fc = r.force_case;
    fc.start_index = 0;
    fc.layer_count = 2;
    fc.layers[0] = {-3.0, 27.0, 0.5236, 2, 20.0, 0, 30000.0};
    fc.layers[1] = {-30.0, 0.0, 0.0, 1, 0.0, 0, 0.0};
    fc.base[kNormalCase] = {-7.0, 42.745};
    fc.total_force = 9.093;
    fc.total_moment = 25.879;
    fc.lever_arm = 2.846;
    KokenResult& k = r.results.areas.koken;
    k.scale = {1.0, 1.0e4, 1000.0};
    for (std::size_t i = 0; i < k.result.size(); ++i)
        k.result[i] = tagged(i);
    for (std::size_t i = 0; i < k.curve.size(); ++i)
        k.curve[i] = tagged(i) / 10.0;
    r.results.level_displacement.embedment[kNormalCase] = {6.073, 5.976};
    return r;
}

TEST(KokenPages, GroundPagesWithoutJointEfficiency) {
    const std::string text =
        pages_of([](PageFile& p) { write_koken_ground_pages(p, koken_report(), 0); });
    EXPECT_EQ(text, "$1  KOKEN1.PFM\r\n$0  KOKEN2.PFM\r\n98  B$Skc$Z\r\n97  $U1.5$Z\r\n"
                    "00        1000.0\r\n01         2.846\r\n02    12.600\r\n"
                    "10             $U $Z\r\n03      1500.000\r\n04     0.000\r\n"
                    "05       2.002\r\n11   $S  $Z           \r\n06      14.014\r\n"
                    "07     1.001\r\n08     8.008\r\n12          \r\n09    15.015\r\n");
}

TEST(KokenPages, CurveLookUpPrintsTheRowsOfEachRigidity) {
    StabilityReport r = koken_report();
    std::string text = pages_of([&](PageFile& p) { write_koken_moment_pages(p, r, 0); });
    // Section 0, rigidity 0: the parameter B[0], the rows B[6], B[7] (keys),
    // B[18], B[19] (moment), B[30], B[31] (l1), B[42], B[43], B[54], B[55];
    // the readings A[40], A[46], A[52], A[58].
    EXPECT_EQ(text, "$R  33\r\n$0  KOKEN5.PFM\r\n$0  KOKEN6.PFM\r\n00     9.093\r\n"
                    "01    16.016\r\n02   0.000\r\n03    0.6\r\n04    1.8018\r\n05    3.0030\r\n"
                    "06    4.2042\r\n07    5.4054\r\n08    0.7\r\n09    1.9019\r\n10    3.1031\r\n"
                    "11    4.3043\r\n12    5.5055\r\n13   -0.1\r\n14   -0.1001\r\n"
                    "15   -0.1001\r\n16   -0.1001\r\n17   -0.1001\r\n18  40.040\r\n"
                    "19  46.046\r\n20  52.052\r\n21  58.058\r\n");

    // Joint efficiency and corrosion: l1 from the embedment rigidity (B[32],
    // A[47]); the seabed-mud state shifts every entry by 2 (A) or 4 (B).
    r.results.joint_efficiency_flag = 1;
    r.results.corrosion.case_flag = kCorrosionZonesSame;
    text = pages_of([&](PageFile& p) { write_koken_moment_pages(p, r, 0); });
    EXPECT_TRUE(contains(text, "$R  60\r\n")) << text;
    EXPECT_EQ(count_of(text, "$0  KOKEN6A.PFM\r\n"), 2);
    EXPECT_TRUE(contains(text, "99  腐食前\r\n00     9.093\r\n01    16.016\r\n02   0.000\r\n"
                               "22    17.017\r\n23   0.100\r\n03    0.6\r\n04    1.8018\r\n"
                               "24    0.8\r\n05    3.2032\r\n"))
        << text;
    EXPECT_TRUE(contains(text, "19  47.047\r\n")) << text;
    EXPECT_TRUE(contains(text, "99  腐食後\r\n00     9.093\r\n01    20.020\r\n02   0.400\r\n"))
        << text;
    EXPECT_TRUE(contains(text, "26   -0.1\r\n18  44.044\r\n19  51.051\r\n")) << text;
}

TEST(KokenPages, ResultsAsReadingPlusSignedTerm) {
    StabilityReport r = koken_report();
    r.results.areas.koken.result[kKokenTerm2] = -1.25; // T2 of section 0
    r.results.areas.koken.result[kKokenTerm3] = 0.0;
    const std::string text = pages_of([&](PageFile& p) { write_koken_head_pages(p, r, 0); });
    EXPECT_EQ(text, "$R  20\r\n$0  KOKEN7.PFM\r\n$0  KOKEN8.PFM\r\n"
                    "00  40.040\r\n98   - \r\n01   1.250\r\n02  64.064\r\n03    88.088\r\n"
                    "04  46.046\r\n97   + \r\n05   1.001\r\n06  70.070\r\n07    94.094\r\n"
                    "08  52.052\r\n96   + \r\n09  28.028\r\n10  76.076\r\n11   100.100\r\n"
                    // A zero term adds; θ is printed in 10^-3 rad.
                    "12  58.058\r\n95   + \r\n13   0.000\r\n14  82.082\r\n15  106106.000\r\n");
}

TEST(KokenPages, CurveVariablesByGroundType) {
    StabilityReport r = koken_report();
    std::string text = pages_of([&](PageFile& p) { write_koken_curve_pages(p, r, 0); });
    EXPECT_TRUE(contains(text, "$R  14\r\n$0  KOKEN3.PFM\r\n00    ５\r\n01    ６\r\n02    ７\r\n"
                               "03    ８\r\n$0  KOKEN4.PFM\r\n00    5\r\n01    6\r\n02    7\r\n"
                               "03    8\r\n04     1.001\r\n05     8.008\r\n06    15.015\r\n"
                               "07    16.016\r\n08    22.022\r\n09    34.034\r\n10    28.028\r\n"))
        << text;
    r.input.swdat.embedment_method = EmbedmentMethod::SType;
    r.results.joint_efficiency_flag = 1;
    text = pages_of([&](PageFile& p) {
        write_koken_curve_pages(p, r, 0);
        write_koken_ground_pages(p, r, 0);
    });
    EXPECT_TRUE(contains(text, "$R  15\r\n$0  KOKEN3.PFM\r\n00    ７\r\n01    ８\r\n02    ９\r\n"
                               "03  １０\r\n$0  KOKEN4A.PFM\r\n00    7\r\n01    8\r\n02    9\r\n"
                               "03   10\r\n"))
        << text;
    EXPECT_TRUE(contains(text, "11     9.009\r\n12    17.017\r\n")) << text;
    EXPECT_TRUE(contains(text, "98  B$Sks$Z\r\n97  $U2.5$Z\r\n")) << text;
}

TEST(KokenPages, EmbedmentLengthIsOneAndAHalfL1) {
    StabilityReport r = koken_report();
    std::string text = pages_of([&](PageFile& p) { write_koken_embedment_pages(p, r, 0, 8); });
    EXPECT_EQ(text, "$R  15\r\n$0  KOKENLEN.PFM\r\n99    8\r\n$0  KKNLEN1.PFM\r\n"
                    "00  94.094\r\n01   6.073\r\n$0  KKNLEN3.PFM\r\n05  常  時\r\n06   6.073\r\n");
    // Equal lengths take the one after corrosion.
    r.results.corrosion.case_flag = kCorrosionZonesDiffer;
    r.results.level_displacement.embedment[kNormalCase] = {6.0, 6.0};
    text = pages_of([&](PageFile& p) { write_koken_embedment_pages(p, r, 0, 8); });
    EXPECT_TRUE(contains(text, "99  腐食後\r\n00  98.098\r\n01   6.000\r\n")) << text;
    EXPECT_TRUE(contains(text, "$0  KKNLEN2.PFM\r\n01   6.000\r\n03   6.000\r\n04   ＜ \r\n"
                               "05  常  時\r\n06   6.000\r\n"))
        << text;
}

TEST(KokenPages, SteelPipeBetaOnlyInTheNormalCase) {
    StabilityReport r = koken_report();
    r.input.nir_t.pipe_kh = 30000.0;
    std::string text;
    int next = 0;
    text = pages_of([&](PageFile& p) { next = write_lmmax_beta_pages(p, r, 0, 6); });
    EXPECT_EQ(next, 7);
    EXPECT_EQ(text, "$0  CYAN1.PFM       CYAN1.PZK\r\n"
                    "99   6) ｌ$SmMAX$Z位置計算用地盤の特性値(β)を求める\r\n"
                    "$0  CYAN11.PFM      CYAN11.PZK\r\n99\r\n98   200.0\r\n00   30000.0\r\n"
                    "97  10$U6$Z\r\n01       63000\r\n96  10$U-8$Z\r\n02  115.115\r\n");
    // Without corrosion no sea-water state, whatever customisation 14 says.
    r.custom.chang_displacement_rule = from_file_value<ChangDisplacementRule>(1);
    text = pages_of([&](PageFile& p) { next = write_lmmax_beta_pages(p, r, 0, 6); });
    EXPECT_EQ(count_of(text, "CYAN11.PFM"), 1);
    r.results.corrosion.case_flag = kCorrosionZonesDiffer;
    text = pages_of([&](PageFile& p) { next = write_lmmax_beta_pages(p, r, 0, 6); });
    EXPECT_EQ(count_of(text, "CYAN11.PFM"), 3);
    EXPECT_TRUE(contains(text, "99\r\n98   200.0\r\n00   30000.0\r\n97  10$U6$Z\r\n"
                               "01       58216\r\n96  10$U-8$Z\r\n02  116.116\r\n"))
        << text;
    EXPECT_TRUE(contains(text, "99  腐食後\r\n")) << text;
    text = pages_of([&](PageFile& p) { next = write_lmmax_beta_pages(p, r, 1, 6); });
    EXPECT_EQ(next, 6);
    EXPECT_EQ(text, "");
}

// The whole chapter: the stress page is item 5, then the displacement, the
// check at the virtual seabed (C-type only) and the embedment length.
TEST(KokenChapter, NumbersTheBlocksFromFive) {
    struct Case {
        EmbedmentMethod method;
        std::vector<std::string> present;
        std::vector<std::string> absent;
    };
    const Case cases[] = {
        {EmbedmentMethod::CType,
         {"$0  Y_ORYK3.PFM\r\n99    5\r\n", "HENI_Z.PZK\r\n99    6\r\n",
          "$0  KOKNHNRK.PFM    KOKNHNRK.PZK\r\n99    7\r\n", "$0  KOKENLEN.PFM\r\n99    8\r\n"},
         {}},
        {EmbedmentMethod::SType,
         {"$0  Y_ORYK3.PFM\r\n99    5\r\n", "HENI_Z.PZK\r\n99    6\r\n",
          "$0  KOKENLEN.PFM\r\n99    7\r\n"},
         {"KOKNHNRK"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.method));
        StabilityReport r = koken_report();
        r.input.swdat.embedment_method = c.method;
        r.level_names = {""};
        ProgramFolder folder(false);
        CurrentFolder here(folder);
        write_koken_report(r, 0, 0);
        const std::string text = folder.read("JD103KKN.PDT");
        EXPECT_EQ(text.rfind("完成時-常    時:根入れ(港研方式)\r\n", 0), 0u);
        for (const std::string& part : c.present)
            EXPECT_TRUE(contains(text, part)) << part << "\n" << text;
        for (const std::string& part : c.absent)
            EXPECT_FALSE(contains(text, part)) << part;
        EXPECT_TRUE(folder.exists("HENI_Z.PZK"));
    }
}

} // namespace
} // namespace wtn
