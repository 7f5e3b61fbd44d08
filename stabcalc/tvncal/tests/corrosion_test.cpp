// Sections after corrosion worked by hand from the SP-III row of YAITA.D01:
// Z0 1340 cm3/m, I0 16800 cm4/m, losses of Z per mm 100.33, 125.41, 150.49,
// 175.57, 200.65 at t2/t1 = 0 .. 1, depth value c = 125 mm, E = 200 kN/mm2.
#include "corrosion.h"
#include "program_stop.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace wtn {
namespace {

SheetPileCorrosion sp_iii() {
    SheetPileCorrosion p;
    p.z0 = 1340.0;
    p.i0 = 16800.0;
    p.table = {100.33, 125.41, 150.49, 175.57, 200.65};
    p.depth_value = 125.0;
    return p;
}

struct CorrosionCase {
    const char* name;
    double t1;
    double t2;
    int rule13;     // customisation 13: 1 scales Z0 and I0 by r2(Z'/Z0)
    int digits;     // customisation 15: significant digits
    double modulus; // Z'
    double inertia; // I'
};

TEST(SheetPileCorrosion, SectionsOfSpIIIByTheCorrosionTable) {
    // (2, 1): rho 0.5, Z' = 1340 - 2 * 150.49 = 1039.02, I' = 1039.02 * (125 - 1.5) / 10.
    // (1.5, 1.5): rho 1, Z' = 1340 - 1.5 * 200.65 = 1039.025, I' likewise.
    // (2, 0): rho 0 takes q0: Z' = 1139.34, I' = 1139.34 * 124 / 10.
    // (2, 0.5): rho 0.25 takes q1: Z' = 1089.18, I' = 1089.18 * 123.75 / 10.
    // Rule 13: ratio r2(1039.02 / 1340) = 0.78 on Z0 and I0.
    // Three digits: 1039.02 -> 1030, 12831.9 -> 12800.
    const CorrosionCase cases[] = {
        {"2 and 1", 2.0, 1.0, 0, 0, 1039.0, 12832.0},
        {"1.5 and 1.5", 1.5, 1.5, 0, 0, 1039.0, 12832.0},
        {"2 and 0", 2.0, 0.0, 0, 0, 1139.0, 14128.0},
        {"2 and 0.5", 2.0, 0.5, 0, 0, 1089.0, 13479.0},
        {"remaining section", 2.0, 1.0, 1, 0, 1045.0, 13104.0},
        {"three significant digits", 2.0, 1.0, 0, 3, 1030.0, 12800.0},
    };
    for (const CorrosionCase& c : cases) {
        SCOPED_TRACE(c.name);
        CustomisationValues custom;
        custom.corroded_section_rule = from_file_value<CorrodedSectionRule>(c.rule13);
        custom.steel_significant_digits = c.digits;
        const ZoneSection z = sheet_pile_after_corrosion(sp_iii(), c.t1, c.t2, custom, 200.0);
        ASSERT_TRUE(z.left);
        EXPECT_DOUBLE_EQ(z.modulus, c.modulus);
        EXPECT_DOUBLE_EQ(z.inertia, c.inertia);
        EXPECT_DOUBLE_EQ(z.rigidity, 2.0 * c.inertia); // E 200: EI = 200e6 * I * 1e-8
    }
}

TEST(SheetPileCorrosion, RatioAboveOneAndNothingLeft) {
    CustomisationValues custom;
    EXPECT_THROW(sheet_pile_after_corrosion(sp_iii(), 1.0, 1.5, custom, 200.0), ProgramStop);
    EXPECT_FALSE(sheet_pile_after_corrosion(sp_iii(), 14.0, 0.0, custom, 200.0).left);

    SheetPileCorrosion own = sp_iii();
    own.added = true;
    own.rate = 80.0;
    const ZoneSection z = sheet_pile_after_corrosion(own, 0.0, 0.0, custom, 200.0);
    EXPECT_DOUBLE_EQ(z.modulus, 1072.0);
    EXPECT_DOUBLE_EQ(z.inertia, 13440.0);
    own.rate = 0.0;
    EXPECT_FALSE(sheet_pile_after_corrosion(own, 0.0, 0.0, custom, 200.0).left);
}

TEST(SheetPileCorrosion, SignificantDigitCut) {
    EXPECT_DOUBLE_EQ(cut_significant_digits(1234.6, 3), 1230.0);
    EXPECT_DOUBLE_EQ(cut_significant_digits(98765.4, 3), 98700.0);
}

std::unique_ptr<StabilityRun> steel_run(int pile_type, int grade, int mode) {
    auto run = std::make_unique<StabilityRun>();
    run->input.joken.pile_type = from_file_value<PileType>(pile_type);
    run->input.joken.steel_grade = from_file_value<SteelGrade>(grade);
    run->file_mode = mode;
    run->pile_kind = pile_type <= 4 ? PileKind::steel : PileKind::concrete;
    return run;
}

TEST(Allowables, ByPileTypeGradeAndStage) {
    auto sheet = steel_run(1, 1, kCompletedStateMode);
    allowable_stresses(*sheet, false, 0);
    EXPECT_DOUBLE_EQ(sheet->results.design_values.allowable_stress[0], 180.0);
    EXPECT_DOUBLE_EQ(sheet->results.design_values.allowable_stress[1], 270.0);

    auto pipe = steel_run(4, 2, kCompletedStateMode);
    allowable_stresses(*pipe, false, 0);
    const DesignValueBlock& d = pipe->results.design_values;
    EXPECT_DOUBLE_EQ(d.allowable_stress[0], 185.0);
    EXPECT_DOUBLE_EQ(d.allowable_stress[1], 277.5);
    EXPECT_DOUBLE_EQ(d.allowable_combined[0], 203.5);
    EXPECT_DOUBLE_EQ(d.allowable_combined[1], 277.5);

    auto stage = steel_run(1, 1, kConstructionStageMode);
    allowable_stresses(*stage, false, 0);
    EXPECT_DOUBLE_EQ(stage->results.design_values.allowable_stress[0], 270.0);
    EXPECT_DOUBLE_EQ(stage->results.design_values.allowable_stress[1], 0.0);

    auto concrete = steel_run(6, 1, kCompletedStateMode);
    concrete->candidates.resize(1);
    concrete->candidates[0].record.allowable_moment = 100.0;
    allowable_stresses(*concrete, true, 0);
    EXPECT_DOUBLE_EQ(concrete->results.design_values.allowable_stress[0], 100.0);
    EXPECT_DOUBLE_EQ(concrete->results.design_values.allowable_stress[1], 200.0);
}

TEST(CorrosionAllowances, ZonesAndCaseFlag) {
    auto run = steel_run(1, 1, kCompletedStateMode);
    run->candidates.resize(1);
    corrosion_allowances(*run, 0);
    // 30 years: sea water 0.9 / 0.9 mm, seabed mud 0.9 / 0.6 mm.
    const CorrosionBlock& c = run->results.corrosion;
    EXPECT_DOUBLE_EQ(c.t1_sea, 0.9);
    EXPECT_DOUBLE_EQ(c.t2_sea, 0.9);
    EXPECT_DOUBLE_EQ(c.t1_mud, 0.9);
    EXPECT_DOUBLE_EQ(c.t2_mud, 0.6);
    EXPECT_EQ(c.case_flag, kCorrosionZonesDiffer);

    run->input.fsyok.check_range = CorrosionRange::MudOnly;
    corrosion_allowances(*run, 0);
    EXPECT_EQ(run->results.corrosion.case_flag, kCorrosionZonesSame);
    EXPECT_DOUBLE_EQ(run->results.corrosion.t2_sea, 0.6);

    run->candidates[0].record.added = 1;
    run->input.fsyok.check_range = CorrosionRange::SeaWaterAndMud;
    corrosion_allowances(*run, 0);
    EXPECT_EQ(run->results.corrosion.case_flag, kNoCorrosion); // both rates 100

    run->file_mode = kConstructionStageMode;
    run->candidates[0].record.added = 0;
    corrosion_allowances(*run, 0);
    EXPECT_EQ(run->results.corrosion.case_flag, kNoCorrosion);
}

TEST(CorrosionWarning, AllowanceBeyondTheTableAsksAndNoStops) {
    auto run = steel_run(1, 1, kCompletedStateMode);
    run->candidates.resize(1);
    CandidateRecord& r = run->candidates[0].record;
    r.name = "SP-III";
    r.table_max_allowance = 6.5;
    r.table_min_modulus = 687.0;
    r.modulus = {1340.0, 1039.0, 1039.0};
    run->results.corrosion = {7.0, 1.0, 1.0, 0.5, 0.14, 0.5, kCorrosionZonesDiffer};
    unsetenv("WTN_UI_PIPE");
    setenv("WTN_ANSWER", "yes", 1);
    EXPECT_NO_THROW(confirm_corrosion_warnings(*run, 0));
    setenv("WTN_ANSWER", "no", 1);
    EXPECT_THROW(confirm_corrosion_warnings(*run, 0), ProgramStop);
    // Within the table: no box, whatever the answer.
    run->results.corrosion.t1_sea = 2.0;
    EXPECT_NO_THROW(confirm_corrosion_warnings(*run, 0));
    unsetenv("WTN_ANSWER");
}

} // namespace
} // namespace wtn
