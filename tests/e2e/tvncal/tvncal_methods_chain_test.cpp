// TVNCAL with embedment methods 2 to 5 after the load programs: the case
// records of NEIRE.PRN as the stability report reads them, method 2 on
// uniform sand against Chang's closed forms from the totals TVNDAT wrote,
// methods 3 and 4 on the same C-type ground against each other, and method 4
// on the land layers that TVNWAV passes for the construction stage.
#include "byte_io.h"
#include "child_process.h"
#include "current_folder.h"
#include "force_case.h"
#include "input_file.h"
#include "input_record.h"
#include "program_folder.h"
#include "result_images.h"
#include "text_lines.h"
#include "wall_section.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

namespace wtn {
namespace {

using test::ChildResult;
using test::ProgramFolder;

ChildResult run_program(const ProgramFolder& folder, const char* name) {
    return test::run_batch_in(folder, name);
}

// One case record of NEIRE.PRN, read as the report reads it.
struct CaseRecord {
    std::size_t bytes = 0;
    std::int32_t rows = 0;
    MatrixResult matrix;
    KokenResult koken;
};

// The records of the file for a transfer-matrix (matrix true) or a curve
// method; fails the test when a record does not end where the next begins.
std::vector<CaseRecord> case_records(const std::string& file, bool matrix) {
    std::vector<CaseRecord> records;
    std::size_t at = 0;
    while (at < file.size()) {
        ByteReader r(std::string_view(file).substr(at));
        CaseRecord c;
        r.field(c.rows);
        r.reserved(kLoadItemBytes * static_cast<std::size_t>(c.rows));
        if (matrix) {
            std::int32_t count = 0;
            for (int s = 0; s < 3; ++s)
                r.field(count);
            r.field(c.matrix.moment);
            r.field(c.matrix.max_moment_depth);
            r.field(c.matrix.first_zero);
            for (std::size_t s = 0; s < kSectionCount; ++s) {
                MatrixElements& e = c.matrix.elements[s];
                r.field(e.count);
                r.field(e.length_above);
                r.field(e.embedded_length);
                for (std::vector<double>* a : {&e.rigidity, &e.length, &e.kh, &e.beta, &e.factor}) {
                    a->assign(static_cast<std::size_t>(e.count), 0.0);
                    for (double& v : *a)
                        r.field(v);
                }
                image_fields_matrix_nodes(r, c.matrix.nodes[s]);
            }
        } else {
            image_fields_koken(r, c.koken);
        }
        EXPECT_TRUE(r.complete());
        c.bytes = r.position();
        at += c.bytes;
        records.push_back(std::move(c));
    }
    return records;
}

struct LevelRecord {
    LevelSolverBlock solver;
    LevelDisplacementBlock displacement;
};

LevelRecord level_record(const std::string& file) {
    ByteReader r(file);
    LevelRecord l;
    image_fields_level_solver(r, l.solver);
    image_fields_level_displacement(r, l.displacement);
    EXPECT_TRUE(r.complete());
    return l;
}

ForceCase normal_case(const ProgramFolder& folder) {
    test::CurrentFolder here(folder);
    InputRecord input;
    reset_input_counters(input);
    set_input_defaults(input);
    read_input(input, kInputFileName);
    ForceCase fc;
    std::FILE* file = std::fopen(kForceFileName, "rb");
    EXPECT_NE(file, nullptr);
    if (file == nullptr) return fc;
    LineReader reader(file);
    const int mode = read_force_file_mode(reader);
    read_force_case(reader, 0, mode, input, fc);
    std::fclose(file);
    return fc;
}

// Uniform ground of one sea-side layer from the seabed -6.00 down to -30.00,
// normal case, no check switched on (the first candidate is decided).
test::WallSection uniform_ground(int method, double kh) {
    test::WallSection s;
    s.method = method;
    s.decision = 0;
    s.sea[0].kh = kh;
    s.sea_constant = kh;
    s.young = 200.0;
    s.young_exponent = 0.0;
    return s;
}

// Waves of the construction stage at the H.W.L. and the L.W.L.
constexpr const char* kTwoTideLevels = "wavsw,\"\", 1 , 2 , 1 , 2 , 1 , 1 , 1 , 1 , 1 , 2 , 1\r\n"
                                       "wlvl_, 1 , -6 , -6 , -6 , 2 , 0 , -7 , -7 , -7 , -7 \r\n"
                                       "hwl__, 1 , 1.0 , 1.5 , 2 , 0 , 40 , 0 \r\n"
                                       "lwl__, 1 , 1.0 , 1.5 , 2 , 0 , 40 , 0 \r\n";

struct ChainRun {
    std::unique_ptr<ProgramFolder> folder = std::make_unique<ProgramFolder>();
    ChildResult cal;
};

ChainRun run_completed_state(const test::WallSection& section) {
    ChainRun run;
    run.folder->write("CAL_FILE.DAT", test::input_file_text(section));
    run.folder->write("TVNCSTM.DAT", test::customisation_text());
    EXPECT_EQ(run_program(*run.folder, "TVNDAT").exit_code, 0);
    run.cal = run_program(*run.folder, "TVNCAL");
    return run;
}

// The construction stage at two tide levels: TVNWAV, then TVNCAL.
ChainRun run_construction_stage(test::WallSection section) {
    section.studies = 2;
    section.extra = kTwoTideLevels;
    ChainRun run;
    run.folder->write("CAL_FILE.DAT", test::input_file_text(section));
    run.folder->write("TVNCSTM.DAT", test::customisation_text());
    run.folder->write("PRG_SW.DAT", "0\r\n");
    const ChildResult wav = run_program(*run.folder, "TVNWAV");
    EXPECT_EQ(wav.exit_code, 0) << wav.err;
    EXPECT_EQ(run.folder->read("GAIRYOK.DAT").substr(0, 3), "1\r\n");
    run.cal = run_program(*run.folder, "TVNCAL");
    return run;
}

TEST(TvncalMethodsChain, EveryMethodWritesItsCaseRecordsAndResultFiles) {
    for (int method : {2, 3, 4, 5}) {
        SCOPED_TRACE(method);
        const bool matrix = method == 2 || method == 4;
        // S-type ground takes a coefficient growing with depth (kN/m^3.5).
        const ChainRun run =
            run_completed_state(uniform_ground(method, method == 5 ? 600.0 : 1500.0));
        ASSERT_EQ(run.cal.exit_code, 0) << run.cal.err;
        for (const char* file : {"KEKKA1.DAT", "KEKKA2.DAT", "NEIRE_CM.PRN", "SJOKEN.DAT"})
            EXPECT_TRUE(run.folder->exists(file)) << file;
        const std::vector<CaseRecord> records = case_records(run.folder->read("NEIRE.PRN"), matrix);
        ASSERT_EQ(records.size(), 1u);
        const CaseRecord& c = records[0];
        const std::size_t head = 4 + kLoadItemBytes * static_cast<std::size_t>(c.rows);
        if (!matrix) {
            EXPECT_EQ(c.bytes, head + 1520);
            EXPECT_EQ(c.koken.scale[2], 1000.0);
            // The reaction at the reference level: √(δ1/100)·k on C-type
            // ground, none on S-type ground.
            const LevelRecord level = level_record(run.folder->read("NEIRE_TL.PRN"));
            const double d1 = level.displacement.seabed_deflection[0][0];
            EXPECT_GT(d1, 0.0);
            EXPECT_DOUBLE_EQ(level.displacement.reaction[0][0],
                             method == 3 ? std::sqrt(d1 / 100.0) * 1500.0 : 0.0);
            continue;
        }
        std::size_t sections = 0;
        for (const MatrixElements& e : c.matrix.elements)
            sections += 20 + 40 * static_cast<std::size_t>(e.count) + 1808;
        EXPECT_EQ(c.bytes, head + 84 + sections);
        // One element per layer, or the layer in pieces of 0.1 m.
        const double length = c.matrix.elements[0].embedded_length;
        const int pieces = static_cast<int>(std::floor(length / 0.1 + 1e-9)) +
                           (length - std::floor(length / 0.1 + 1e-9) * 0.1 > 0.00001 ? 1 : 0);
        EXPECT_EQ(c.matrix.elements[0].count, method == 2 ? 1 : pieces);
    }
}

TEST(TvncalMethodsChain, ChangMatrixOnUniformSandGivesChangsClosedForms) {
    const ChainRun run = run_completed_state(uniform_ground(2, 30000.0));
    ASSERT_EQ(run.cal.exit_code, 0) << run.cal.err;
    const ForceCase fc = normal_case(*run.folder);
    const std::vector<CaseRecord> records = case_records(run.folder->read("NEIRE.PRN"), true);
    ASSERT_EQ(records.size(), 1u);
    const MatrixResult& m = records[0].matrix;
    const MatrixElements& e = m.elements[0];
    ASSERT_EQ(e.count, 1);
    EXPECT_DOUBLE_EQ(e.embedded_length, fc.base[0].level + 30.0);

    // The pile of about 24 m is long (βL ≈ 16): the semi-infinite beam's
    // closed forms with the unrounded β of the element hold.
    const double ei = e.rigidity[0];
    const double beta = std::pow(30000.0 / 4.0 / ei, 0.25);
    EXPECT_DOUBLE_EQ(e.beta[0], beta);
    // The file's lever arm is rounded; the solver takes M and P.
    const double p = fc.total_force;
    const double h0 = fc.total_moment / fc.total_force;
    const double bh = beta * h0;
    const double y0 = p * (1.0 + bh) / (2.0 * ei * beta * beta * beta);
    const double theta0 = p * (1.0 + 2.0 * bh) / (2.0 * ei * beta * beta);
    const double depth = std::atan(1.0 / (1.0 + 2.0 * bh)) / beta;
    const double mmax =
        -p * h0 * std::sqrt((1 + 2 * bh) * (1 + 2 * bh) + 1) / (2.0 * bh) * std::exp(-beta * depth);
    const double zero = (std::atan(-bh / (bh + 1.0)) + std::numbers::pi) / beta;
    EXPECT_NEAR(m.nodes[0].deflection[0], y0, 1e-7);
    EXPECT_NEAR(m.nodes[0].angle[0], theta0, 1e-7);
    EXPECT_NEAR(m.moment[0], mmax, 0.0015);
    EXPECT_NEAR(m.max_moment_depth[0], depth, 0.0015);
    EXPECT_NEAR(m.first_zero[0], zero, 0.0015);
    // The report's tables: the head at depth 0, the nodes in m and rad.
    EXPECT_EQ(m.nodes[0].depth[0], 0.0);
    EXPECT_DOUBLE_EQ(m.nodes[0].moment[0], -fc.total_moment);

    const LevelRecord level = level_record(run.folder->read("NEIRE_TL.PRN"));
    EXPECT_DOUBLE_EQ(level.solver.moment[0][0], -m.moment[0]);
    EXPECT_NEAR(level.displacement.seabed_deflection[0][0], y0 * 100.0, 0.0006);
    EXPECT_NEAR(level.displacement.reaction[0][0],
                level.displacement.seabed_deflection[0][0] * 30000.0 / 100.0, 1e-9);
    EXPECT_DOUBLE_EQ(level.displacement.embedment[0][0], e.embedded_length);
}

TEST(TvncalMethodsChain, CTypeMatrixAgreesWithTheCurvesOnUniformGround) {
    const ChainRun curves = run_completed_state(uniform_ground(3, 1500.0));
    const ChainRun matrix = run_completed_state(uniform_ground(4, 1500.0));
    ASSERT_EQ(curves.cal.exit_code, 0) << curves.cal.err;
    ASSERT_EQ(matrix.cal.exit_code, 0) << matrix.cal.err;
    const LevelRecord c = level_record(curves.folder->read("NEIRE_TL.PRN"));
    const LevelRecord m = level_record(matrix.folder->read("NEIRE_TL.PRN"));
    const double moment = c.solver.moment[0][0];
    ASSERT_GT(moment, 0.0);
    EXPECT_NEAR(m.solver.moment[0][0], moment, 0.005 * moment);
    EXPECT_NEAR(m.solver.first_zero[0][0], c.solver.first_zero[0][0],
                0.015 * c.solver.first_zero[0][0]);
    const double y0 = c.displacement.seabed_deflection[0][0];
    EXPECT_NEAR(m.displacement.seabed_deflection[0][0], y0, 0.02 * y0);
    // Both take the reaction √(δ1/100)·k; the curves ask for 1.5 l1, the
    // transfer matrices check the given tip.
    EXPECT_NEAR(c.displacement.reaction[0][0], std::sqrt(y0 / 100.0) * 1500.0, 1e-9);
    EXPECT_NEAR(c.displacement.embedment[0][0], 1.5 * c.solver.first_zero[0][0], 0.0011);
    const ForceCase fc = normal_case(*matrix.folder);
    EXPECT_DOUBLE_EQ(m.displacement.embedment[0][0],
                     std::round((fc.base[0].level + 30.0) * 1000) / 1000);
}

TEST(TvncalMethodsChain, CTypeMatrixOnTheLandLayersOfTheConstructionStage) {
    test::WallSection s;
    s.method = 4;
    s.decision = 0;
    s.pile_tip = -20.0;
    s.land[0].kh = 3000.0;
    s.young = 200.0;
    s.young_exponent = 0.0;
    const ChainRun run = run_construction_stage(s);
    ASSERT_EQ(run.cal.exit_code, 0) << run.cal.err;
    EXPECT_TRUE(run.folder->exists("KEKKA3.DAT"));
    EXPECT_TRUE(run.folder->exists("KEKKA4.DAT"));

    // H.W.L. and L.W.L.: one record each, 14 m of land layers in 0.1 m pieces.
    const std::vector<CaseRecord> records = case_records(run.folder->read("NEIRE.PRN"), true);
    ASSERT_EQ(records.size(), 2u);
    for (const CaseRecord& c : records) {
        const MatrixElements& e = c.matrix.elements[0];
        EXPECT_DOUBLE_EQ(e.embedded_length, 14.0);
        ASSERT_EQ(e.count, 140);
        EXPECT_DOUBLE_EQ(e.kh[0], 3000.0);
        EXPECT_EQ(c.matrix.nodes[0].point_count, 15);
        EXPECT_LT(c.matrix.moment[0], 0.0);
    }
}

TEST(TvncalMethodsChain, LandSideConstantMissingInTheConstructionStageStops) {
    test::WallSection s;
    s.method = 3;
    const ChainRun run = run_construction_stage(s);
    EXPECT_EQ(run.cal.exit_code, 1);
    EXPECT_NE(run.cal.err.find("陸側の横抵抗定数が0.0になっています"), std::string::npos)
        << run.cal.err;
    EXPECT_FALSE(run.folder->exists("KEKKA3.DAT"));
}

} // namespace
} // namespace wtn
