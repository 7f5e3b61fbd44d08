// The stress and steel-pipe check pages, written from records set here.
#include "current_folder.h"
#include "program_folder.h"
#include "report_page_templates.h"
#include "stress_pages.h"
#include "text_search.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace wtn {
namespace {

using test::CurrentFolder;
using test::ProgramFolder;

const TemplateTable kTemplates = kStabilityReportTemplates;

using test::contains;

// SP-VL, corrosion zones differ, allowable 180.0: σ = |M| × 10^6 / Z / 1000
// of each state as TVNCAL stores it.
StabilityReport steel_report() {
    StabilityReport r;
    r.input.swdat.embedment_method = EmbedmentMethod::Chang;
    r.input.swdat.decision_code = 111;
    r.input.joken.pile_type = PileType::U;
    r.results.corrosion.case_flag = kCorrosionZonesDiffer;
    r.results.decided.modulus = {3150.0, 2924.0, 2961.0};
    r.results.design_values.allowable_stress = {180.0, 270.0};
    r.results.design_values.allowable_combined = {198.0, 270.0};
    LevelSolverBlock& s = r.results.level_solver;
    s.moment[kNormalCase] = {341.636, 315.057, 340.938};
    s.bending_stress[kNormalCase] = {108.5, 107.7, 115.1};
    r.force_case.base[kNormalCase] = {-7.0, 42.745};
    r.force_case.lever_arm = 2.846;
    return r;
}

struct Written {
    std::string text;
    int item_no = 0;
};

Written written(const std::function<int(PageFile&)>& write) {
    ProgramFolder folder(false);
    CurrentFolder here(folder);
    PageFile page("T.PDT", "title", RunInfo{}, &kTemplates);
    const int next = write(page);
    page.close();
    std::string text = folder.read("T.PDT");
    for (int i = 0; i < 2; ++i)
        text.erase(0, text.find("\r\n") + 2);
    return {text, next};
}

Written stress_page(const StabilityReport& r, int case_index = 0) {
    return written([&](PageFile& p) { return write_stress_check_page(p, r, case_index, 3); });
}
Written moment_page(const StabilityReport& r, int case_index = 0) {
    return written([&](PageFile& p) { return write_cracking_moment_page(p, r, case_index, 3); });
}

TEST(StressCheck, ThreeStatesOfACorrodedSteelPile) {
    const Written w = stress_page(steel_report());
    EXPECT_EQ(w.item_no, 4);
    EXPECT_EQ(w.text, "$0  Y_ORYK1.PFM\r\n99    3\r\n09   180.0\r\n"
                      "03     341.636\r\n04        3150\r\n05    108.5\r\n10   ≦ \r\n13  OK \r\n"
                      "06     340.938\r\n07        2961\r\n08    115.1\r\n11   ≦ \r\n14  OK \r\n"
                      "98  σ$Sm$Z  \r\n97    Ｍ$S0$Z\r\n"
                      "00     315.057\r\n01        2924\r\n02    107.7\r\n12   ≦ \r\n15  OK \r\n");
}

TEST(StressCheck, Variants) {
    struct Case {
        const char* what;
        std::function<void(StabilityReport&)> change;
        std::vector<std::string> present;
        std::vector<std::string> absent;
        int item_no;
    };
    const Case cases[] = {
        {"stress check off: no page, same number",
         [](StabilityReport& r) { r.input.swdat.decision_code = 110; },
         {},
         {"Y_ORYK"},
         3},
        {"zones alike: states 0 and 2 only",
         [](StabilityReport& r) { r.results.corrosion.case_flag = kCorrosionZonesSame; },
         {"$0  Y_ORYK2.PFM\r\n", "08    115.1\r\n"},
         {"98  ", "00  ", "107.7"},
         4},
        {"no corrosion",
         [](StabilityReport& r) { r.results.corrosion.case_flag = kNoCorrosion; },
         {"$0  Y_ORYK3.PFM\r\n", "05    108.5\r\n10   ≦ \r\n13  OK \r\n"},
         {"06  ", "115.1"},
         4},
        {"0.1 above the allowable",
         [](StabilityReport& r) { r.results.level_solver.bending_stress[0][0] = 180.1; },
         {"05    180.1\r\n10   ＞ \r\n13  OUT\r\n"},
         {},
         4},
        {"equal to the allowable",
         [](StabilityReport& r) { r.results.level_solver.bending_stress[0][2] = 180.0; },
         {"08    180.0\r\n11   ≦ \r\n14  OK \r\n"},
         {},
         4},
        {"curves with the maximum moment in the sea water",
         [](StabilityReport& r) {
             r.input.swdat.embedment_method = EmbedmentMethod::CType;
             r.custom.koken_sea_moment_rule = from_file_value<KokenSeaMomentRule>(1);
         },
         {"98  σ$Smax$Z\r\n97  Ｍ$Smax$Z\r\n"},
         {},
         4},
        {"joint efficiency: Z of the section factor",
         [](StabilityReport& r) {
             r.results.joint_efficiency_flag = 1;
             r.results.decided.stress_modulus = {2835.0, 2632.0, 2665.0};
         },
         {"04        2835\r\n", "07        2665\r\n", "01        2632\r\n"},
         {},
         4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        StabilityReport r = steel_report();
        c.change(r);
        const Written w = stress_page(r);
        EXPECT_EQ(w.item_no, c.item_no);
        for (const std::string& part : c.present)
            EXPECT_TRUE(contains(w.text, part)) << part << "\n" << w.text;
        for (const std::string& part : c.absent)
            EXPECT_FALSE(contains(w.text, part)) << part << "\n" << w.text;
    }
}

StabilityReport concrete_report() {
    StabilityReport r = steel_report();
    r.input.joken.pile_type = PileType::Pc;
    r.concrete_pile = true;
    r.results.corrosion.case_flag = kNoCorrosion;
    r.results.design_values.allowable_stress = {300.0, 600.0};
    return r;
}

TEST(CrackingMoment, JudgesTheMomentItPrints) {
    StabilityReport r = concrete_report();
    r.results.level_solver.moment[0][0] = 250.0;
    Written w = moment_page(r);
    EXPECT_EQ(w.item_no, 4);
    EXPECT_EQ(w.text, "$0  Y_MMAX1.PFM\r\n99    3\r\n"
                      "00  ひび割れモーメント Ｍγ =  300.000 kN･m/m\r\n01  Ｍγ\r\n"
                      "02   300.000\r\n03     250.000\r\n04   ≦ \r\n05  OK \r\n");
    // A moment of the other sign cracks the pile alike: |-500| > 300.
    r.results.level_solver.moment[0][0] = -500.0;
    w = moment_page(r);
    EXPECT_TRUE(contains(w.text, "03     500.000\r\n04   ＞ \r\n05  OUT\r\n")) << w.text;
}

TEST(CrackingMoment, TwiceTheCrackingMomentIsNamedSo) {
    const std::string twice =
        "00  破壊規定モーメント Ｍγ'= 2･Ｍγ =  600.000 kN･m/m\r\n01  Ｍγ'\r\n";
    StabilityReport r = concrete_report();
    EXPECT_TRUE(contains(moment_page(r, kSeismicCase).text, twice));
    // The construction stage of force-file mode 1 allows 2·Mγ in its one case.
    r.study_mode = kConstructionStageMode;
    r.results.design_values.allowable_stress = {600.0, 0.0};
    EXPECT_TRUE(contains(moment_page(r, kNormalCase).text, twice));
    r.study_mode = kConstructionCrownMode;
    r.results.design_values.allowable_stress = {300.0, 600.0};
    EXPECT_TRUE(contains(moment_page(r, kNormalCase).text, "01  Ｍγ\r\n"));
    r.input.swdat.decision_code = 110;
    EXPECT_EQ(moment_page(r).item_no, 3);
}

// A steel pipe D 1000, t 12 under Δp 50 kN/m2: σ2 = 2.1 × 10^-4 × (1000 / 12)^2
// × 50 = 72.9 N/mm2 as TVNCAL stores it; corroded D 998.2, t 10.2, Δp 48.
StabilityReport pipe_report() {
    StabilityReport r = steel_report();
    r.input.joken.pile_type = PileType::SteelPipe;
    r.input.nir_t.pipe_secondary_check = YesNo::Yes;
    r.results.corrosion.case_flag = kCorrosionZonesSame;
    PipeStressBlock& p = r.results.pipe_stress;
    p.search_status = {1, 2};
    p.bracket_level[0] = {-9.0, -9.0};
    p.bracket_difference[0] = {40.0, 50.0};
    p.pressure_difference[0] = 50.0;
    p.bracket_level[1] = {-9.0, -10.0};
    p.bracket_difference[1] = {-20.0, 80.0};
    p.max_moment_level[1] = -9.48;
    p.pressure_difference[1] = 28.0;
    p.outer_diameter = {1000.0, 998.2};
    p.wall_thickness = {12.0, 10.2};
    LevelSolverBlock& s = r.results.level_solver;
    s.max_moment_depth[0] = {2.412, 0.0, 2.380};
    s.pipe_secondary[0] = {72.9, 95.8};
    s.pipe_combined[0] = {97.0, 109.9};
    s.pipe_secondary[1] = {72.9, 95.8};
    s.pipe_combined[1] = {120.2, 130.0};
    s.bending_stress[1] = {140.0, 0.0, 150.0};
    return r;
}

TEST(SteelPipePages, PositionPressureAndRingStress) {
    StabilityReport r = pipe_report();
    EXPECT_TRUE(steel_pipe_pages_on(r));
    const PerSection betas = {0.494, 0.0, 0.502};
    Written w = written([&](PageFile& p) { return write_lmmax_position_page(p, r, 0, 5, betas); });
    EXPECT_EQ(w.item_no, 6);
    EXPECT_EQ(w.text, "$R  27\r\n$0  LMMAX1.PFM\r\n99   5)\r\n"
                      "$0  LMMAX2.PFM\r\n99  (腐食前)\r\n00   0.494\r\n01   2.846\r\n02   2.412\r\n"
                      "03  -7.000\r\n04  -9.412\r\n"
                      "$0  LMMAX2.PFM\r\n99  (腐食後)\r\n00   0.502\r\n01   2.846\r\n02   2.380\r\n"
                      "03  -7.000\r\n04  -9.380\r\n");

    w = written([&](PageFile& p) { return write_lmmax_pressure_page(p, r, 0, 6); });
    // At a row (13 lines) and, corroded, between two rows (8 more).
    EXPECT_EQ(w.text, "$R  21\r\n$0  LMMAXP1.PFM\r\n99   6)\r\n"
                      "$0  LMMAXP3.PFM\r\n99  (腐食前)\r\n00    40.000\r\n01    50.000\r\n"
                      "02    50.000\r\n"
                      "$0  LMMAXP2.PFM\r\n99  (腐食後)\r\n00   -20.000\r\n01    80.000\r\n"
                      "02    20.000\r\n98   + \r\n03    -9.000\r\n04    10.000\r\n96   + \r\n"
                      "05     9.480\r\n97   + \r\n06    28.000\r\n");

    w = written([&](PageFile& p) { return write_secondary_stress_page(p, r, 0, 7); });
    EXPECT_TRUE(contains(w.text, "$R  25\r\n$0  SIGMA21.PFM\r\n99   7)\r\n"
                                 "$0  SIGMA22.PFM\r\n99  (腐食前)\r\n00    50.000\r\n"
                                 "01   1000.00\r\n02   12.00\r\n03     72.9\r\n09   180.0\r\n"
                                 "10   ≦ \r\n13  OK \r\n"))
        << w.text;

    // The normal-case pages write nothing for the seismic case.
    for (auto write : {write_lmmax_pressure_page, write_secondary_stress_page})
        EXPECT_EQ(written([&](PageFile& p) { return write(p, r, 1, 7); }).text, "");
}

TEST(SteelPipePages, InterpolationOperatorsFollowTheSigns) {
    StabilityReport r = pipe_report();
    r.results.corrosion.case_flag = kNoCorrosion;
    PipeStressBlock& p = r.results.pipe_stress;
    p.search_status[0] = 2;
    p.bracket_level[0] = {0.5, 0.0};
    p.bracket_difference[0] = {0.0, 30.0};
    p.max_moment_level[0] = 0.2;
    const Written w = written([&](PageFile& pg) { return write_lmmax_pressure_page(pg, r, 0, 6); });
    // A difference of exactly 0 and levels of 0 and above subtract.
    EXPECT_TRUE(contains(w.text, "$R  10\r\n"));
    EXPECT_TRUE(contains(w.text, "99\r\n00     0.000\r\n01    30.000\r\n02     0.000\r\n"
                                 "98   - \r\n03     0.500\r\n04     0.000\r\n96   - \r\n"
                                 "05     0.200\r\n97   - \r\n"))
        << w.text;
}

TEST(SteelPipePages, CombinedStressOfBothCases) {
    StabilityReport r = pipe_report();
    Written w = written([&](PageFile& p) { return write_combined_stress_page(p, r, 0, 8); });
    EXPECT_EQ(w.item_no, 9);
    EXPECT_TRUE(contains(w.text,
                         "$R  21\r\n$0  SIGMAF1.PFM     SIGMAF1.PZK\r\n99   8)\r\n"
                         "$0  SIGMAF2.PFM     SIGMAF2.PZK\r\n99  (腐食前)\r\n00    108.5\r\n"
                         "01     72.9\r\n02     97.0\r\n09   198.0\r\n10   ≦ \r\n13  OK \r\n"))
        << w.text;
    // Seismic: its own reservation and the note on the ring stress.
    r.results.design_values.allowable_combined[1] = 125.0;
    w = written([&](PageFile& p) { return write_combined_stress_page(p, r, 1, 4); });
    EXPECT_TRUE(contains(w.text, "$R  23\r\n$0  SIGMAF1.PFM     SIGMAF1.PZK\r\n99   4)\r\n"
                                 "$0  SIGMAF3.PFM\r\n"))
        << w.text;
    EXPECT_TRUE(contains(w.text, "00    150.0\r\n01     95.8\r\n02    130.0\r\n09   125.0\r\n"
                                 "10   ＞ \r\n13  OUT\r\n"))
        << w.text;
}

TEST(SteelPipePages, OnlyForAPipeInTheCompletedStateWithTheCheckOn) {
    struct Case {
        std::function<void(StabilityReport&)> change;
        bool on;
    };
    const Case cases[] = {
        {[](StabilityReport&) {}, true},
        {[](StabilityReport& r) { r.input.nir_t.pipe_secondary_check = YesNo::No; }, false},
        {[](StabilityReport& r) { r.input.joken.pile_type = PileType::U; }, false},
        {[](StabilityReport& r) { r.study_mode = kConstructionStageMode; }, false},
        {[](StabilityReport& r) { r.input.swdat.completed_cases = CompletedCases::SeismicOnly; },
         false},
    };
    for (const Case& c : cases) {
        StabilityReport r = pipe_report();
        c.change(r);
        EXPECT_EQ(steel_pipe_pages_on(r), c.on);
    }
}

} // namespace
} // namespace wtn
