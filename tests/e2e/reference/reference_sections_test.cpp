// The reference wall sections from their example projects to the decided
// pile: each example of examples/ is read by the front end's project reader,
// written as the calculation input by its writer, and run through the real
// check-list, load and stability programs in a fresh program folder with the
// installed data. The expected values are worked out independently of the
// programs by reference_sections.py beside this file (textbook formulas,
// numerical integration of the pressure diagrams); the tolerances below say
// how far the programs' rounding of each piece may move a result.
#include "reference_designs.h"
#include "reference_run.h"

#include "child_process.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace wtn::test {
namespace {

// The land-side total (active earth pressure plus residual water pressure)
// at the top of the diagram row at a level.
struct LandTotal {
    double level;
    double value;
};

struct CaseExpect {
    int case_index; // 0 normal, 1 seismic
    double virtual_seabed;
    double force;
    double moment;
    double lever_arm;
    std::vector<LandTotal> land;
    // Chang's method with the decided pile.
    double beta = 0.0;
    double kh = 0.0;
    double max_moment = 0.0;
    double stress = 0.0; // steel only (a concrete pile is checked by its moment)
    double displacement = 0.0;
    double embedment = 0.0;
    double secondary = 0.0; // steel pipe: ring stress at the depth of Mmax
    double combined = 0.0;  // steel pipe: combined stress
};

struct SectionExpect {
    std::string file;
    double crown; // of the sheet pile
    std::string pile;
    double length;
    std::vector<CaseExpect> cases;
};

// The land-side totals of the uniform sand (+2.50 to the seabed -2.50):
// at the crown Ka cos(delta) q; at the R.W.L. +1.00 and the L.W.L. 0.00 with
// the residual water pressure 10.1 (R.W.L. - L.W.L.) below the L.W.L.
const std::vector<LandTotal> kSandNormal = {
    {2.5, 2.911}, {1.0, 10.771}, {0.0, 23.782}, {-2.5, 31.059}};
// Seismic case: the coefficient changes at the R.W.L. from k = 0.15 to
// k' = 0.30; the row below it starts with the submerged coefficient.
const std::vector<LandTotal> kSandSeismic = {
    {2.5, 1.965}, {1.0, 17.389}, {0.0, 32.923}, {-2.5, 46.508}};

// The loads of the uniform sand in both cases.
CaseExpect sand_normal() {
    return {.case_index = 0,
            .virtual_seabed = -3.1878,
            .force = 106.770,
            .moment = 245.766,
            .lever_arm = 2.3018,
            .land = kSandNormal};
}
CaseExpect sand_seismic() {
    return {.case_index = 1,
            .virtual_seabed = -4.0495,
            .force = 171.383,
            .moment = 482.520,
            .lever_arm = 2.8155,
            .land = kSandSeismic};
}

CaseExpect with_pile(CaseExpect c, double beta, double kh, double max_moment, double stress,
                     double displacement, double embedment) {
    c.beta = beta;
    c.kh = kh;
    c.max_moment = max_moment;
    c.stress = stress;
    c.displacement = displacement;
    c.embedment = embedment;
    return c;
}

// Steel pipe: the ring stress (D/t)^2 |dp| 2.1e-4 of the normal case's
// maximum-moment depth, taken over by the seismic case, and the combined
// stress sqrt(s2^2 + s^2 - s s2).
CaseExpect with_ring(CaseExpect c, double secondary, double combined) {
    c.secondary = secondary;
    c.combined = combined;
    return c;
}

// Values printed by reference_sections.py.
const std::vector<SectionExpect>& expectations() {
    static const std::vector<SectionExpect> sections = {
        {"uniform_sand.tn2",
         2.5,
         "SP-IVA",
         12.0,
         {with_pile(sand_normal(), 0.495, 20000.0, 274.967, 122.2, 8.037, 6.061)}},
        // beta from the mean kh of the sand and the clay down to 1/beta, the
        // embedment where the sum of beta_i t_i reaches 3.
        {"sand_over_clay.tn2",
         2.5,
         "SP-IVA",
         14.0,
         {with_pile(sand_normal(), 0.417, 10082.9, 284.056, 126.2, 9.883, 8.235)}},
        // Method 2: beam on springs to the given tip (beam_on_springs of the
        // script); the embedment is the embedded length down to the tip.
        {"sand_over_clay_layered.tn2",
         2.5,
         "SP-IVA",
         17.5,
         {with_pile(sand_normal(), kNotChecked, kNotChecked, 270.630, 120.3, 8.622, 11.812)}},
        {"seismic_sand.tn2",
         2.5,
         "SP-VL",
         13.5,
         {with_pile(sand_normal(), 0.446, 20000.0, 280.228, 89.0, 6.001, 6.726),
          with_pile(sand_seismic(), 0.446, 20000.0, 531.523, 168.7, 13.090, 6.726)}},
        // Crown +2.00, seabed -1.50; PC-300 (allowable 120.0 kN.m/m) fails
        // with 123.7, PC-350 (163.3) holds.
        {"concrete_sand.tn2",
         2.0,
         "PC-350",
         11.0,
         {with_pile({.case_index = 0,
                     .virtual_seabed = -2.0653,
                     .force = 62.420,
                     .moment = 103.756,
                     .lever_arm = 1.6622,
                     .land = {{2.0, 2.911}, {1.0, 8.151}, {0.0, 21.162}, {-1.5, 25.528}}},
                    0.448, 20000.0, 127.555, kNotChecked, 2.045, 6.696)}},
        {"steel_pipe_sand.tn2",
         2.5,
         "φ 800.0 x t 9.0 (P-T)型",
         15.5,
         {with_ring(with_pile(sand_normal(), 0.344, 20000.0, 297.185, 66.6, 2.986, 8.721), 80.4,
                    74.5),
          with_ring(with_pile(sand_seismic(), 0.344, 20000.0, 556.651, 124.7, 6.297, 8.721), 80.4,
                    109.5)}},
    };
    return sections;
}

TEST(ReferenceSections, ExampleProjectsGiveTheHandWorkedResults) {
    for (const SectionExpect& section : expectations()) {
        SCOPED_TRACE(section.file);
        ProgramFolder folder;
        prepare_run(folder, section.file);
        for (const char* program : {"AUDSHEET", "TVNDAT", "TVNCAL"}) {
            const ChildResult run = run_batch_in(folder, program);
            ASSERT_EQ(run.exit_code, 0) << program << ": " << run.err;
        }
        std::vector<int> case_indices;
        for (const CaseExpect& c : section.cases)
            case_indices.push_back(c.case_index);
        const StabilityRead read = read_results(folder, case_indices);
        ASSERT_EQ(read.cases.size(), section.cases.size());
        ASSERT_EQ(read.chang.size(), section.cases.size());
        for (std::size_t i = 0; i < section.cases.size(); ++i) {
            const CaseExpect& e = section.cases[i];
            const ForceCase& f = read.cases[i];
            const auto c = static_cast<std::size_t>(e.case_index);
            SCOPED_TRACE(e.case_index == 0 ? "normal case" : "seismic case");
            EXPECT_NEAR(f.base[c].level, e.virtual_seabed, kLevelTol) << "virtual seabed";
            expect_relative(f.total_force, e.force, kForceRel, "total force P");
            expect_relative(f.total_moment, e.moment, kMomentRel, "total moment M");
            EXPECT_NEAR(f.lever_arm, e.lever_arm, kArmTol) << "lever arm h0";
            for (const LandTotal& t : e.land) {
                bool found = false;
                for (int r = 0; r < f.diagram_rows; ++r) {
                    const ActiveDiagramRow& row = f.active[static_cast<std::size_t>(r)];
                    if (std::abs(row.level - t.level) > 1e-6) continue;
                    found = true;
                    EXPECT_NEAR(row.top, t.value, kPressureTol) << "land side at " << t.level;
                }
                EXPECT_TRUE(found) << "no diagram row at " << t.level;
            }
            // Before corrosion (section 0, state 0): none of these sections corrodes.
            const ChangResult& chang = read.chang[i];
            if (e.beta != kNotChecked) {
                EXPECT_NEAR(chang.beta[0], e.beta, kBetaTol) << "beta";
                expect_relative(chang.kh[0], e.kh, kKhRel, "kh down to 1/beta");
            }
            const LevelSolverBlock& solver = read.results->level_solver;
            const LevelDisplacementBlock& disp = read.results->level_displacement;
            expect_relative(solver.moment[c][0], e.max_moment, kMomentRel, "Mmax");
            if (e.stress != kNotChecked) {
                EXPECT_NEAR(solver.bending_stress[c][0], e.stress, kStressTol) << "stress";
            }
            expect_relative(disp.total[c][0], e.displacement, kDisplacementRel,
                            "head displacement");
            EXPECT_NEAR(disp.embedment[c][0], e.embedment, kEmbedmentTol) << "embedment";
            if (e.secondary > 0.0) {
                EXPECT_NEAR(solver.pipe_secondary[c][0], e.secondary, kStressTol) << "ring stress";
                EXPECT_NEAR(solver.pipe_combined[c][0], e.combined, kStressTol) << "combined";
            }
        }
        // The decided pile and its length as the results dialog reads them.
        const std::vector<std::string> pile = split_lines(folder.read("KEKKA2.DAT"));
        ASSERT_EQ(pile.size(), 1u);
        EXPECT_EQ(pile[0], decided_pile_line("完成時", section.pile, section.crown - section.length,
                                             section.length));
    }
}

// The construction stage of both_studies: Goda's wave pressure at the H.W.L.
// and the L.W.L. on the completed state's SP-VL, reference level the
// construction seabed -2.50 (construction_stage() of the script).
struct WaveLevelExpect {
    double force;
    double moment;
    double lever_arm;
    double max_moment;
    double stress;
    double displacement;
};

TEST(ReferenceSections, ConstructionStageUnderGodasWavesAtTwoTideLevels) {
    const WaveLevelExpect levels[] = {
        {60.426, 155.419, 2.5721, 173.686, 55.1, 3.338}, // H.W.L. +1.50
        {58.013, 120.461, 2.0764, 140.302, 44.5, 2.676}, // L.W.L. 0.00
    };
    constexpr double kBeta = 0.446;      // SP-VL in kh 20000 kN/m3
    constexpr double kEmbedment = 6.726; // 3 / beta
    ProgramFolder folder;
    prepare_run(folder, "both_studies.tn2");
    for (const char* program : {"AUDSHEET", "TVNDAT", "TVNCAL", "TVNWAV", "TVNCAL"}) {
        const ChildResult run = run_batch_in(folder, program);
        ASSERT_EQ(run.exit_code, 0) << program << ": " << run.err;
    }
    const std::vector<WaveLevelRead> read = read_wave_levels(folder, 2);
    ASSERT_EQ(read.size(), 2u);
    for (std::size_t l = 0; l < read.size(); ++l) {
        const WaveLevelExpect& e = levels[l];
        const WaveLevelRead& r = read[l];
        SCOPED_TRACE(l == 0 ? "H.W.L." : "L.W.L.");
        EXPECT_EQ(r.file_mode, kConstructionStageMode);
        EXPECT_NEAR(r.force.base[0].level, -2.5, kLevelTol) << "reference level";
        expect_relative(r.force.total_force, e.force, kForceRel, "wave force P");
        expect_relative(r.force.total_moment, e.moment, kMomentRel, "wave moment M");
        EXPECT_NEAR(r.force.lever_arm, e.lever_arm, kArmTol) << "lever arm h0";
        EXPECT_NEAR(r.beta, kBeta, kBetaTol) << "beta";
        expect_relative(r.max_moment, e.max_moment, kMomentRel, "Mmax");
        EXPECT_NEAR(r.stress, e.stress, kStressTol) << "stress";
        expect_relative(r.displacement, e.displacement, kWaveDisplacementRel, "head displacement");
        EXPECT_NEAR(r.embedment, kEmbedment, kEmbedmentTol);
    }
    // Only the completed state's pile is tried; its length follows the
    // construction stage's own tip, -2.50 - 6.726, rounded up to 0.5 m.
    EXPECT_EQ(split_lines(folder.read("KEKKA4.DAT")).at(0),
              decided_pile_line("施工時", "SP-VL", -9.5, 12.0));
}

} // namespace
} // namespace wtn::test
