// The reference sections with the special loads, from their example
// projects through the real programs: the dynamic water pressure of an
// earthquake with the Arai-Yokoi apparent seismic coefficient, the
// construction stage under the Kuroda / Hiroi (Morihira) waves, and an
// embankment with a fill and surcharge zones. The expected values are those
// of reference_special_loads.py beside this file, worked out from the
// textbook formulas without the programs' code.
#include "reference_designs.h"
#include "reference_run.h"

#include "child_process.h"
#include "current_folder.h"
#include "load_tables.h"
#include "wav_data_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace wtn::test {
namespace {

constexpr double kSecondOfArc = 3.141592653589793 / 180.0 / 3600.0;
constexpr double kCoefficientTol = 0.00005; // k' to 4 decimals
constexpr double kWedgeRel = 0.0005;        // wedge values to 4 decimals, q of rounded parts
constexpr double kWavePressureTol = 0.002;  // kN/m2, each rounded to 3 decimals

void run_programs(const ProgramFolder& folder, const std::vector<const char*>& programs) {
    for (const char* program : programs) {
        const ChildResult run = run_batch_in(folder, program);
        ASSERT_EQ(run.exit_code, 0) << program << ": " << run.err;
    }
}

// The completed state's loads and Chang's results of one case.
struct CaseExpect {
    double virtual_seabed;
    double force;
    double moment;
    double lever_arm;
    // the land-side total (earth plus residual water) at the top of the
    // diagram rows at +2.50, +1.00 (R.W.L.), 0.00 (L.W.L.), -2.50 (seabed)
    double land[4];
    double max_moment;
    double stress;
    double displacement;
    double embedment;
};

void expect_case(const ForceCase& f, const ChangResult& chang, const StabilityResults& results,
                 int c, const CaseExpect& e, double beta) {
    SCOPED_TRACE(c == 0 ? "normal case" : "seismic case");
    const auto ci = static_cast<std::size_t>(c);
    EXPECT_NEAR(f.base[ci].level, e.virtual_seabed, kLevelTol) << "virtual seabed";
    expect_relative(f.total_force, e.force, kForceRel, "total force P");
    expect_relative(f.total_moment, e.moment, kMomentRel, "total moment M");
    EXPECT_NEAR(f.lever_arm, e.lever_arm, kArmTol) << "lever arm h0";
    const double levels[] = {2.5, 1.0, 0.0, -2.5};
    for (std::size_t i = 0; i < 4; ++i) {
        bool found = false;
        for (int r = 0; r < f.diagram_rows && !found; ++r) {
            const ActiveDiagramRow& row = f.active[static_cast<std::size_t>(r)];
            if (std::abs(row.level - levels[i]) > 1e-6) continue;
            found = true;
            EXPECT_NEAR(row.top, e.land[i], kPressureTol) << "land side at " << levels[i];
        }
        EXPECT_TRUE(found) << "no diagram row at " << levels[i];
    }
    EXPECT_NEAR(chang.beta[0], beta, kBetaTol) << "beta";
    expect_relative(results.level_solver.moment[ci][0], e.max_moment, kMomentRel, "Mmax");
    EXPECT_NEAR(results.level_solver.bending_stress[ci][0], e.stress, kStressTol) << "stress";
    expect_relative(results.level_displacement.total[ci][0], e.displacement, kDisplacementRel,
                    "head displacement");
    EXPECT_NEAR(results.level_displacement.embedment[ci][0], e.embedment, kEmbedmentTol)
        << "embedment";
}

// The layer of the load tables whose top lies at a level.
const LandLayerCalc* land_layer_at(const LoadModel& model, double level) {
    for (int i = 0; i < model.land_count; ++i)
        if (std::abs(model.land_calc[static_cast<std::size_t>(i)].top - level) < 1e-6)
            return &model.land_calc[static_cast<std::size_t>(i)];
    return nullptr;
}

struct LoadTablesRead {
    std::unique_ptr<LoadModel> model = std::make_unique<LoadModel>();
    std::unique_ptr<CaseLoadTables> tables = std::make_unique<CaseLoadTables>();
    std::unique_ptr<CommonLoadResults> common = std::make_unique<CommonLoadResults>();
};

LoadTablesRead read_load_tables(const ProgramFolder& folder, int c) {
    LoadTablesRead read;
    CurrentFolder here(folder);
    read_gai_case(c, *read.model, *read.tables);
    read_gai_cm(*read.model, *read.common);
    return read;
}

// Seismic case: the apparent coefficient by the Arai-Yokoi proposal, 0.2743
// on the land side below the R.W.L. (0.27 for the pressures) and 0.30 on the
// sea side; Westergaard's pressure over the 2.5 m of water above the seabed,
// P_d = 7/12 k w H^2 = 5.523 kN/m at 0.4 H, added to P and M; the virtual
// seabed that of the earth pressures. SP-VL as in seismic_sand.
TEST(ReferenceSpecialLoads, SeismicCaseWithTheDynamicWaterPressure) {
    ProgramFolder folder;
    prepare_run(folder, "seismic_dynamic_water.tn2");
    ASSERT_NO_FATAL_FAILURE(run_programs(folder, {"AUDSHEET", "TVNDAT", "TVNCAL"}));

    const LoadTablesRead seismic = read_load_tables(folder, 1);
    const LandLayerCalc* submerged = land_layer_at(*seismic.model, 1.0);
    ASSERT_NE(submerged, nullptr);
    EXPECT_NEAR(submerged->k_top, 0.2743, kCoefficientTol) << "land k' below the R.W.L.";
    EXPECT_NEAR(submerged->k_bottom, 0.2743, kCoefficientTol);
    const SeaLayerCalc& sea =
        seismic.model->sea_calc[static_cast<std::size_t>(seismic.model->index.sea_seabed)];
    EXPECT_NEAR(sea.k_top, 0.30, kCoefficientTol) << "sea k'";
    const DynamicWaterData& dynamic = seismic.common->dynamic;
    EXPECT_NEAR(dynamic.force, 5.523, 0.001) << "P_d";
    EXPECT_NEAR(dynamic.height, 1.0, 0.001) << "h_d";
    EXPECT_NEAR(dynamic.moment, 13.547, 0.03) << "M_d about the virtual seabed";
    EXPECT_NEAR(dynamic.seabed_pressure, 3.314, 0.001) << "pressure at the seabed";

    const StabilityRead read = read_results(folder, {0, 1});
    ASSERT_EQ(read.cases.size(), 2u);
    expect_case(read.cases[0], read.chang[0], *read.results, 0,
                {-3.1878,
                 106.770,
                 245.766,
                 2.3018,
                 {2.911, 10.771, 23.782, 31.059},
                 280.228,
                 89.0,
                 6.001,
                 6.726},
                0.446);
    expect_case(read.cases[1], read.chang[1], *read.results, 1,
                {-3.9526,
                 166.729,
                 458.214,
                 2.7483,
                 {1.965, 16.246, 31.423, 44.116},
                 506.611,
                 160.8,
                 12.271,
                 6.726},
                0.446);
    EXPECT_GT(read.cases[1].dynamic_count, 0) << "dynamic-water lines of the force file";
    EXPECT_EQ(split_lines(folder.read("KEKKA2.DAT")).at(0),
              decided_pile_line("完成時", "SP-VL", -11.0, 13.5));
}

// The construction stage under the Kuroda / Hiroi waves on the completed
// state's SP-VL. H.W.L.: a standing wave (2 H1/3 = 3.0 below d = 4.0),
// raised to Hiroi's p = 1.5 w0 H within H/2 of the tide level; L.W.L.: a
// breaking wave, p uniform from 1.25 H above the tide level to the seabed.
// The cantilever term of the displacement takes each pressure piece as a
// point load at its centroid, by hand as in the program.
TEST(ReferenceSpecialLoads, ConstructionStageUnderKurodaHiroiWaves) {
    struct LevelExpect {
        int breaking;
        double wave_length;
        double p, p_s, p_b, rise; // the formula's values (standing wave only p_s, p_b, rise)
        double force, moment, lever_arm, max_moment, stress, displacement;
    };
    const LevelExpect levels[] = {
        {0, 34.75, 22.725, 16.411, 11.902, 0.329, 80.862, 222.527, 2.7519, 245.980, 78.1, 4.699},
        {1, 28.31, 22.725, 0.0, 0.0, 0.0, 99.422, 217.485, 2.1875, 250.519, 79.5, 4.612},
    };
    ProgramFolder folder;
    prepare_run(folder, "kuroda_hiroi_waves.tn2");
    ASSERT_NO_FATAL_FAILURE(
        run_programs(folder, {"AUDSHEET", "TVNDAT", "TVNCAL", "TVNWAV", "TVNCAL"}));

    std::FILE* wav = std::fopen(folder.file(kWavDataFileName).c_str(), "rb");
    ASSERT_NE(wav, nullptr);
    LineReader reader(wav);
    const std::vector<WaveLevelRead> read = read_wave_levels(folder, 2);
    ASSERT_EQ(read.size(), 2u);
    for (std::size_t l = 0; l < 2; ++l) {
        const LevelExpect& e = levels[l];
        SCOPED_TRACE(l == 0 ? "H.W.L." : "L.W.L.");
        auto block = std::make_unique<WaveBlock>();
        ASSERT_TRUE(read_wave_block(reader, WaveFormula::KurodaHiroi, *block));
        EXPECT_NEAR(block->common.wave_length, e.wave_length, 0.005) << "L";
        EXPECT_EQ(block->kuroda_hiroi.breaking, e.breaking);
        EXPECT_NEAR(block->kuroda_hiroi.pressure, e.p, kWavePressureTol) << "p";
        EXPECT_NEAR(block->kuroda_hiroi.pressure_at_tide, e.p_s, kWavePressureTol) << "p_s";
        EXPECT_NEAR(block->kuroda_hiroi.pressure_at_depth, e.p_b, kWavePressureTol) << "p_b";
        EXPECT_NEAR(block->kuroda_hiroi.level_rise, e.rise, 0.001) << "delta0";
        expect_relative(block->resultant.total_force, e.force, kForceRel, "wave force");
        expect_relative(block->resultant.total_moment, e.moment, kMomentRel, "wave moment");

        const WaveLevelRead& r = read[l];
        EXPECT_EQ(r.file_mode, kConstructionStageMode);
        EXPECT_NEAR(r.force.base[0].level, -2.5, kLevelTol) << "reference level";
        expect_relative(r.force.total_force, e.force, kForceRel, "P");
        expect_relative(r.force.total_moment, e.moment, kMomentRel, "M");
        EXPECT_NEAR(r.force.lever_arm, e.lever_arm, kArmTol) << "h0";
        EXPECT_NEAR(r.beta, 0.446, kBetaTol) << "beta";
        expect_relative(r.max_moment, e.max_moment, kMomentRel, "Mmax");
        EXPECT_NEAR(r.stress, e.stress, kStressTol) << "stress";
        expect_relative(r.displacement, e.displacement, kDisplacementRel, "displacement");
        EXPECT_NEAR(r.embedment, 6.726, kEmbedmentTol) << "embedment";
    }
    std::fclose(wav);
    EXPECT_EQ(split_lines(folder.read("KEKKA4.DAT")).at(0),
              decided_pile_line("施工時", "SP-VL", -9.5, 12.0));
}

// The embankment: the trial wedge from the design seabed gives every layer
// its equivalent surcharge q = (W + Q) / X; failure angles 56°51'35" in the
// normal case, 48°34'53" (k 0.15) and 37°50'56" (k' 0.30) in the seismic
// case. SP-VL fails the seismic displacement (18.1 cm), SP-VIL holds.
TEST(ReferenceSpecialLoads, EmbankmentWithFillAndSurchargeZones) {
    struct WedgeExpect {
        double angle_top, angle_below_rwl; // of the wedge, seconds of arc
        double width, weight, load, surcharge;
    };
    const WedgeExpect wedges[] = {
        {(56 * 60 + 51) * 60 + 35, (56 * 60 + 51) * 60 + 35, 3.2645, 30.8495, 31.8189, 19.1969},
        {(48 * 60 + 34) * 60 + 53, (37 * 60 + 50) * 60 + 56, 5.8275, 54.4324, 42.6860, 16.6655},
    };
    ProgramFolder folder;
    prepare_run(folder, "embankment_fill.tn2");
    ASSERT_NO_FATAL_FAILURE(run_programs(folder, {"AUDSHEET", "TVNDAT", "TVNCAL"}));

    for (int c = 0; c < 2; ++c) {
        SCOPED_TRACE(c == 0 ? "normal case" : "seismic case");
        const WedgeExpect& e = wedges[c];
        const LoadTablesRead tables = read_load_tables(folder, c);
        const LandLayerCalc* above = land_layer_at(*tables.model, 2.5);
        const LandLayerCalc* below = land_layer_at(*tables.model, 1.0);
        ASSERT_TRUE(above != nullptr && below != nullptr);
        // The angles inside the wedge that starts at the bottom of the layer
        // below the R.W.L., held to whole seconds.
        const std::size_t wedge = static_cast<std::size_t>(below - tables.model->land_calc.data());
        EXPECT_NEAR(above->wedge_angles[wedge], e.angle_top * kSecondOfArc, 0.5 * kSecondOfArc);
        EXPECT_NEAR(below->wedge_angles[wedge], e.angle_below_rwl * kSecondOfArc,
                    0.5 * kSecondOfArc);
        // The wedge from the seabed ends the layer above it; every layer
        // takes its values.
        expect_relative(below->wedge_width_bottom, e.width, kWedgeRel, "X");
        expect_relative(below->wedge_weight_bottom, e.weight, kWedgeRel, "W");
        expect_relative(below->wedge_load_bottom, e.load, kWedgeRel, "Q");
        for (const LandLayerCalc* layer : {above, below}) {
            expect_relative(layer->surcharge_top, e.surcharge, kWedgeRel, "q at the top");
            expect_relative(layer->surcharge_bottom, e.surcharge, kWedgeRel, "q at the bottom");
        }
    }

    const StabilityRead read = read_results(folder, {0, 1});
    ASSERT_EQ(read.cases.size(), 2u);
    expect_case(read.cases[0], read.chang[0], *read.results, 0,
                {-3.2471,
                 122.082,
                 296.324,
                 2.4273,
                 {5.589, 13.449, 26.460, 33.737},
                 339.461,
                 88.9,
                 5.841,
                 7.264},
                0.413);
    expect_case(read.cases[1], read.chang[1], *read.results, 1,
                {-4.2608,
                 210.953,
                 647.788,
                 3.0708,
                 {6.551, 23.730, 39.264, 52.849},
                 712.520,
                 186.5,
                 14.373,
                 7.264},
                0.413);
    EXPECT_EQ(split_lines(folder.read("KEKKA2.DAT")).at(0),
              decided_pile_line("完成時", "SP-VIL", -12.0, 14.5));
}

} // namespace
} // namespace wtn::test
