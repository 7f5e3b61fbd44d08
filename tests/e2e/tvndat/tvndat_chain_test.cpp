// TVNDAT run as the run chain runs it, in a fresh program folder, on
// hand-written wall sections. Engineering values are checked against hand
// calculations worked out beside each case (levels m, pressures kN/m2, forces
// kN/m, moments kN.m/m); results read back through the force-file reader and
// the load-table readers the later programs use.
#include "wall_section.h"

#include "child_process.h"
#include "cp932_codec.h"
#include "current_folder.h"
#include "file_io.h"
#include "force_case.h"
#include "input_file.h"
#include "input_record.h"
#include "load_tables.h"
#include "program_folder.h"
#include "program_stop.h"
#include "text_lines.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <memory>
#include <unistd.h>

namespace wtn::test {
namespace {

constexpr double kTol = 1e-9;

// The chooser of the virtual seabed is a Qt program: a build without Qt has
// none for TVNDAT to start.
#ifdef WTN_WITH_CHOOSER
constexpr bool kWithChooser = true;
#else
constexpr bool kWithChooser = false;
#endif

// Runs TVNDAT in a fresh program folder holding the section's files.
struct TvndatRun {
    std::unique_ptr<ProgramFolder> folder = std::make_unique<ProgramFolder>();
    ChildResult result;
};

TvndatRun run_tvndat(const WallSection& section, std::map<std::string, std::string> env = {},
                     void (*prepare)(const ProgramFolder&) = nullptr) {
    TvndatRun run;
    run.folder->write("CAL_FILE.DAT", input_file_text(section));
    run.folder->write("TVNCSTM.DAT", customisation_text());
    if (prepare != nullptr) prepare(*run.folder);
    env.emplace("WTN_ANSWER", "no");
    ChildRun child{program_path("TVNDAT"),
                   {},
                   run.folder->path(),
                   env,
                   {"WTN_UI_PIPE", "WTN_ZEVOVE_CHOICE"},
                   {}};
    if (env.count("WTN_ZEVOVE_CHOICE") != 0) child.unset_env = {"WTN_UI_PIPE"};
    run.result = run_child(child);
    return run;
}

struct ForceFile {
    int mode = -1;
    std::vector<ForceCase> sections;
};

// Reads GAIRYOK.DAT with the stability programs' reader, one section per case.
ForceFile read_force_file(const ProgramFolder& folder, const WallSection& section,
                          std::vector<int> cases) {
    CurrentFolder in(folder.path());
    auto input = std::make_unique<InputRecord>();
    read_input(*input, "CAL_FILE.DAT");
    ForceFile file;
    CFile stream = open_file("GAIRYOK.DAT", "rb");
    EXPECT_TRUE(stream.get() != nullptr);
    if (stream.get() == nullptr) return file;
    LineReader reader(stream.get());
    file.mode = read_force_file_mode(reader);
    for (const int c : cases) {
        file.sections.emplace_back();
        read_force_case(reader, c, file.mode, *input, file.sections.back());
    }
    std::string rest;
    EXPECT_FALSE(reader.next(rest)) << "unread line: " << rest;
    (void)section;
    return file;
}

struct Tables {
    std::unique_ptr<LoadModel> model = std::make_unique<LoadModel>();
    std::unique_ptr<CaseLoadTables> case_tables = std::make_unique<CaseLoadTables>();
    std::unique_ptr<CommonLoadResults> common = std::make_unique<CommonLoadResults>();
};

Tables read_tables(const ProgramFolder& folder, int c) {
    CurrentFolder in(folder.path());
    Tables t;
    read_gai_case(c, *t.model, *t.case_tables);
    read_gai_cm(*t.model, *t.common);
    return t;
}

// ---------------------------------------------------------------------------
// Uniform sand, normal case.
// Ka = Kp^-1 = (1 - sin 30)/(1 + sin 30) = 1/3 -> 0.3333 (4 decimals); Kp = 3.0.
// Land: sigma = 18 x 3 = 54 at 0.0, + 10 per m below (R.W.L. = L.W.L. = 0.0);
//   pa(+3.0) = 0, pa(0.0) = 0.3333 x 54 = 17.998, pa(-6.0) = 0.3333 x 114 =
//   37.996, pa(-30.0) = 0.3333 x 354 = 117.988.
// Sea: pp = 3.0 x 10 y = 30 y at y m below the seabed.
// Virtual seabed: 30 y = 37.996 + (79.992 / 24) y -> y = 1.42483 -> -7.425,
//   pp there 30 x 1.42483 = 42.745.
// Net pieces about -7.425:
//   triangle 0..17.998 over +3.0..0.0: 26.997 at +1.000, arm 8.425, M 227.450
//   triangle 17.998 over 0.0..-6.0:    53.994 at -2.000, arm 5.425, M 292.917
//   triangle 37.996 over 0.0..-6.0:   113.988 at -4.000, arm 3.425, M 390.409
//   triangle 37.996 over -6.0..-7.425: 27.072 at -6.475, arm 0.950, M  25.718
//   sum P = 222.051 (= 26.997 + 3 x (17.998 + 37.996) + 0.7125 x 37.996),
//   M = 936.494, arm = 936.494 / 222.051 = 4.217.
TEST(TvndatChain, UniformSandNormalCase) {
    const WallSection section;
    const TvndatRun run = run_tvndat(section);
    ASSERT_EQ(run.result.exit_code, 0) << run.result.err;
    const ProgramFolder& folder = *run.folder;
    EXPECT_TRUE(folder.exists("GAI_JYO.PRN"));
    EXPECT_FALSE(folder.exists("GAI_JIS.PRN"));
    EXPECT_FALSE(folder.exists("ZEVOVE.DAT")); // one candidate: no chooser
    const std::string head = "0\r\n" + utf8_to_cp932("#  常  時") + "\r\n0,2,4\r\n";
    EXPECT_EQ(folder.read("GAIRYOK.DAT").substr(0, head.size()), head);

    const ForceFile file = read_force_file(folder, section, {0});
    ASSERT_EQ(file.mode, 0);
    ASSERT_EQ(file.sections.size(), 1u);
    const ForceCase& f = file.sections[0];
    EXPECT_EQ(f.start_index, 0); // -7.425 lies inside the layer from -6.0
    ASSERT_EQ(f.layer_count, 2);
    EXPECT_NEAR(f.layers[0].level, -6.0, kTol);
    EXPECT_NEAR(f.layers[0].thickness, 24.0, kTol);
    EXPECT_NEAR(f.layers[1].level, -30.0, kTol);
    ASSERT_EQ(f.force_count, 4);
    const double arms[] = {8.425, 5.425, 3.425, 0.950};
    const double forces[] = {26.997, 53.994, 113.988, 27.072};
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(f.forces[i].lever_arm, arms[i], 1e-6) << i;
        EXPECT_NEAR(f.forces[i].force, forces[i], 1e-6) << i;
    }
    EXPECT_NEAR(f.total_force, 222.051, 1e-6);
    EXPECT_NEAR(f.total_moment, 936.494, 1e-6);
    EXPECT_NEAR(f.lever_arm, 4.217, 1e-6);
    EXPECT_NEAR(f.base[0].level, -7.425, 1e-6);
    EXPECT_NEAR(f.base[0].pressure, 42.745, 1e-6);
    EXPECT_EQ(f.dynamic_count, 0);
    // Split diagram: +3.0, 0.0, -6.0 (seabed row k = 2), -7.425, -30.0.
    ASSERT_EQ(f.diagram_rows, 5);
    EXPECT_EQ(f.diagram_seabed_row, 2);
    const double levels[] = {3.0, 0.0, -6.0, -7.425, -30.0};
    const double tops[] = {0.0, 17.998, 37.996, 42.745, 0.0};
    const double passive_tops[] = {0.0, 0.0, 0.0, 42.745, 0.0};
    for (int i = 0; i < 5; ++i) {
        EXPECT_NEAR(f.active[i].level, levels[i], 1e-6) << i;
        EXPECT_NEAR(f.active[i].top, tops[i], 1e-6) << i;
        EXPECT_NEAR(f.passive[i].top, passive_tops[i], 1e-6) << i;
    }
    EXPECT_NEAR(f.passive[2].bottom, 42.745, 1e-6);
    EXPECT_NEAR(f.passive[3].bottom, 720.0, 1e-6); // 3.0 x 10 x 24

    const Tables t = read_tables(folder, 0);
    EXPECT_EQ(t.common->seabed.candidate_count, 1);
    EXPECT_EQ(t.common->seabed.data.chosen[0], 1);
    EXPECT_NEAR(t.common->seabed.data.level[0], -7.425, 1e-9);
    EXPECT_NEAR(t.common->seabed.data.boundary_above[0], -6.0, 1e-9);
    EXPECT_NEAR(t.common->seabed.data.boundary_below[0], -30.0, 1e-9);
    EXPECT_EQ(t.common->net_segment_count[0], 4);
    EXPECT_NEAR(t.common->totals.force[0], 222.051, 1e-9);
    EXPECT_NEAR(t.common->totals.lever_arm[0], 4.217, 1e-9);
    EXPECT_EQ(t.case_tables->merged.seabed_row, 2);
    EXPECT_EQ(t.case_tables->merged.rows.count - 2, t.case_tables->merged.passive.count);
    EXPECT_NEAR(t.case_tables->merged.rows[2].active_top, 37.996, 1e-9);
}

// An other external force of 10 kN/m at +2.0 on the uniform section: arm
// 2.0 + 7.425 = 9.425, moment 94.250; totals 222.051 + 10 = 232.051 and
// 936.494 + 94.250 = 1030.744, arm 1030.744 / 232.051 = 4.442. The force
// enters the totals line only, not the force lines.
TEST(TvndatChain, OtherExternalForcesJoinTheTotals) {
    WallSection section;
    section.normal_forces = {OtherForce{10.0, 2.0}};
    const TvndatRun run = run_tvndat(section);
    ASSERT_EQ(run.result.exit_code, 0) << run.result.err;
    const ForceFile file = read_force_file(*run.folder, section, {0});
    ASSERT_EQ(file.sections.size(), 1u);
    const ForceCase& f = file.sections[0];
    EXPECT_EQ(f.force_count, 4);
    EXPECT_NEAR(f.total_force, 232.051, 1e-6);
    EXPECT_NEAR(f.total_moment, 1030.744, 1e-6);
    EXPECT_NEAR(f.lever_arm, 4.442, 1e-6);
    const Tables t = read_tables(*run.folder, 0);
    EXPECT_NEAR(t.case_tables->net.other[0].moment, 94.25, 1e-9);
    EXPECT_NEAR(t.case_tables->net.other[0].lever_arm, 9.425, 1e-9);
    EXPECT_NEAR(t.common->totals.segment_force[0], 222.051, 1e-9);
}

// The load tables are fixed-size images whatever the counts: the case image of
// 39028 bytes with its dynamic-water piece table grown from 50 to 400 pieces
// of 64 bytes (39028 + 350 x 64 = 61428), the common image of 1464 bytes with
// its two distribution arrays grown from 50 to 201 reals (1464 + 2 x 151 x 8
// = 3880).
// Both cases: two sections, of which only the seismic one carries the
// dynamic-water lines.
TEST(TvndatChain, BothCasesWriteTwoSectionsAndFixedSizeTables) {
    WallSection section;
    section.cases = 3;
    const TvndatRun run = run_tvndat(section);
    ASSERT_EQ(run.result.exit_code, 0) << run.result.err;
    const ForceFile file = read_force_file(*run.folder, section, {0, 1});
    ASSERT_EQ(file.sections.size(), 2u);
    EXPECT_EQ(file.sections[0].dynamic_count, 0);
    EXPECT_EQ(file.sections[1].dynamic_count, 23);
    EXPECT_NEAR(file.sections[0].total_force, 222.051, 1e-6);
    for (const char* name : {"GAI_JYO.PRN", "GAI_JIS.PRN"}) {
        EXPECT_EQ(std::filesystem::file_size(run.folder->file(name)), 61428u) << name;
    }
    EXPECT_EQ(std::filesystem::file_size(run.folder->file("GAI_CM.PRN")), 3880u);
    EXPECT_EQ(kLoadCaseImageBytes, 61428u);
    EXPECT_EQ(kLoadCommonImageBytes, 3880u);
}

// Residual water: R.W.L. +1.0 over L.W.L. 0.0, gamma_w 10: p_w = 10.0.
// Land: sigma 36 at +1.0 (wet 18 x 2), then +10 per m: pa(+1.0) = 11.999,
//   pa(0.0) = 0.3333 x 46 = 15.332, pa(-6.0) = 0.3333 x 106 = 35.330.
//   Water 0 at +1.0, 10 at 0.0 and below: totals 11.999, 25.332, 45.330 at
//   -6.0, growing by (125.322 - 45.330) / 24 = 3.333 per m.
// Virtual seabed: 30 y = 45.330 + 3.333 y -> y = 1.69985 -> -7.700, pp 50.996.
// Pieces about -7.700: 11.999 (arm 9.367), 6.000 (8.367), 12.666 (8.033),
//   75.996 (5.700), 135.990 (3.700), 38.530 (1.133): P = 281.181 (the area
//   11.999 + 18.6655 + 211.986 + 38.5305), M = 1244.337, arm 4.425.
TEST(TvndatChain, ResidualWaterPressureAddsToTheActiveSide) {
    WallSection section;
    section.rwl = 1.0;
    const TvndatRun run = run_tvndat(section);
    ASSERT_EQ(run.result.exit_code, 0) << run.result.err;
    const ForceFile file = read_force_file(*run.folder, section, {0});
    ASSERT_EQ(file.sections.size(), 1u);
    const ForceCase& f = file.sections[0];
    EXPECT_NEAR(f.base[0].level, -7.7, 1e-6);
    EXPECT_NEAR(f.base[0].pressure, 50.996, 1e-6);
    ASSERT_EQ(f.force_count, 6);
    EXPECT_NEAR(f.total_force, 281.181, 1e-6);
    EXPECT_NEAR(f.total_moment, 1244.337, 1e-6);
    EXPECT_NEAR(f.lever_arm, 4.425, 1e-6);

    const Tables t = read_tables(*run.folder, 0);
    EXPECT_NEAR(t.common->totals.residual_water, 10.0, 1e-9);
    const PressureRowTable& rows = t.case_tables->merged.rows;
    ASSERT_EQ(rows.count, 5); // +3.0, +1.0, 0.0 (L.W.L.), -6.0 (seabed), -30.0
    const double water[] = {0.0, 0.0, 10.0, 10.0, 0.0};
    for (int i = 0; i < rows.count; ++i)
        EXPECT_NEAR(rows[i].water_top, water[i], 1e-9) << i;
    EXPECT_NEAR(rows[1].water_bottom, 10.0, 1e-9);
    EXPECT_NEAR(rows[2].active_top, 15.332, 1e-9);
}

// Clay above the R.W.L.: c = 20 from +3.0 to 0.0, formula 1 only: pa = sigma -
// 2c = -40 at +3.0 and 54 - 40 = 14 at 0.0, zero at 3.0 - 3.0 x 40 / 54 =
// +0.7778. The sand below is the uniform section's, so the virtual seabed is
// -7.425 again. Pieces about -7.425: 0.5 x 14 x 0.7778 = 5.444 (centroid
// +0.259, arm 7.684, M 41.832), then the sand pieces 53.994, 113.988, 27.072:
// P = 200.498, M = 41.832 + 292.917 + 390.409 + 25.718 = 750.876, arm 3.745.
TEST(TvndatChain, ClayLayerStartsAtItsZeroPressureLevel) {
    WallSection section;
    Layer clay{3.0};
    clay.phi = 0.0;
    clay.cohesion = 20.0;
    section.land = {clay, Layer{0.0}};
    const TvndatRun run = run_tvndat(section);
    ASSERT_EQ(run.result.exit_code, 0) << run.result.err;
    const ForceFile file = read_force_file(*run.folder, section, {0});
    ASSERT_EQ(file.sections.size(), 1u);
    const ForceCase& f = file.sections[0];
    EXPECT_NEAR(f.base[0].level, -7.425, 1e-6);
    ASSERT_EQ(f.force_count, 4);
    EXPECT_NEAR(f.forces[0].force, 5.444, 1e-6);
    EXPECT_NEAR(f.forces[0].lever_arm, 7.684, 1e-6);
    EXPECT_NEAR(f.total_force, 200.498, 1e-6);
    EXPECT_NEAR(f.total_moment, 750.876, 1e-6);
    EXPECT_NEAR(f.lever_arm, 3.745, 1e-6);

    const Tables t = read_tables(*run.folder, 0);
    const PressureRowTable& rows = t.case_tables->merged.rows;
    ASSERT_GE(rows.count, 2);
    EXPECT_NEAR(rows[0].active_top, 0.0, 1e-9); // -40 clipped
    EXPECT_NEAR(rows[1].level, 3.0 - 3.0 * 40.0 / 54.0, 1e-9);
    EXPECT_EQ(t.model->land_calc[1].zero_pressure_flag, 1);
    EXPECT_NEAR(t.model->active[1].formula1_top, -40.0, 1e-9); // the formula keeps its sign
}

// Seismic case with the Westergaard dynamic water pressure, water depth
// H = 0.0 - (-6.0) = 6.0 m below the crown, k = 0.15, gamma_w = 10:
//   P = 7/12 x 0.15 x 10 x 6^2 = 31.5, acting 0.4 x 6 = 2.4 above the seabed;
//   p(y) = 7/8 x 0.15 x 10 x sqrt(6 y): 13 points every 0.5 m, p(6) = 7.875,
//   p(1.0) = 1.3125 x sqrt(6) = 3.215; 12 steps cut into 1 + 11 x 2 = 23
//   pieces, whose sum approaches P from below.
// The case's total force is the net pressure plus P.
TEST(TvndatChain, SeismicCaseTakesTheDynamicWaterPressure) {
    WallSection section;
    section.cases = 2;
    const TvndatRun run = run_tvndat(section);
    ASSERT_EQ(run.result.exit_code, 0) << run.result.err;
    EXPECT_FALSE(run.folder->exists("GAI_JYO.PRN"));
    EXPECT_TRUE(run.folder->exists("GAI_JIS.PRN"));
    EXPECT_EQ(run.folder->read("GAIRYOK.DAT").substr(0, 3 + 9),
              "0\r\n" + utf8_to_cp932("#  地震時"));

    const ForceFile file = read_force_file(*run.folder, section, {1});
    ASSERT_EQ(file.sections.size(), 1u);
    const ForceCase& f = file.sections[0];
    ASSERT_EQ(f.dynamic_count, 23);

    const Tables t = read_tables(*run.folder, 1);
    const DynamicWaterData& d = t.common->dynamic;
    EXPECT_NEAR(d.force, 31.5, 1e-9);
    EXPECT_NEAR(d.height, 2.4, 1e-9);
    EXPECT_EQ(d.above_crown, 0);
    EXPECT_NEAR(d.seabed_pressure, 7.875, 1e-9);
    ASSERT_EQ(d.point_count, 13);
    EXPECT_NEAR(d.depth[2], 1.0, 1e-9);
    EXPECT_NEAR(d.pressure[2], 3.215, 1e-9);
    EXPECT_NEAR(d.pressure[12], 7.875, 1e-9);
    const double zv = t.common->seabed.data.level[1];
    EXPECT_NEAR(f.base[1].level, zv, 1e-9);
    EXPECT_NEAR(d.moment, std::round((-6.0 - zv + 2.4) * 31.5 * 1000.0) / 1000.0, 1e-9);

    double pieces = 0.0;
    for (int i = 0; i < f.dynamic_count; ++i)
        pieces += f.dynamic_water[i].force;
    EXPECT_LT(pieces, 31.5);
    EXPECT_GT(pieces, 0.97 * 31.5);
    EXPECT_NEAR(t.common->dynamic_totals.force[1], pieces, 1e-6);

    const ForceTotals& totals = t.common->totals;
    EXPECT_NEAR(totals.force[1], totals.segment_force[1] + 31.5, 1e-9);
    EXPECT_NEAR(totals.moment[1], totals.segment_moment[1] + d.moment, 1e-9);
    EXPECT_NEAR(f.total_force, totals.force[1], 1e-6);
    EXPECT_NEAR(totals.lever_arm[1],
                std::round(totals.moment[1] / totals.force[1] * 1000.0) / 1000.0, 1e-9);
}

// The seismic case of the uniform section worked by hand: Mononobe-Okabe
// coefficients (delta 0) with Arai-Yokoi apparent coefficients, k = 0.15.
// Land above the R.W.L. (+3.0 .. 0.0): k' = 0.15, theta = atan 0.15 = 8.531
//   -> 8.5 deg; Ka = cos^2 21.5 / (cos^2 8.5 (1 + sqrt(sin 30 sin 21.5 /
//   cos 8.5))^2) = 0.865677 / (0.978152 x 2.046183) = 0.4325;
//   pa(0.0) = 0.4325 x 54 = 23.355.
// Land below it, one layer 0.0 .. -30.0 (H 30): k' = (2 x 54 + 20 x 30) /
//   (2 x 54 + 10 x 30) x 0.15 = 0.2603 -> 0.26, theta = 14.574 -> 14.6 deg;
//   Ka = cos^2 15.4 / (cos^2 14.6 (1 + sqrt(sin 30 sin 15.4 / cos 14.6))^2)
//   = 0.929480 / (0.936461 x 1.878042) = 0.5285; pa(0.0) = 28.539,
//   pa(-30.0) = 0.5285 x 354 = 187.089, at the seabed 28.539 + 158.55 x 6 /
//   30 = 60.249.
// Sea (-6.0 .. -30.0, no wet overburden): k' = (20 x 24) / (10 x 24) x 0.15
//   = 0.30, theta = 16.699 -> 16.7 deg; Kp = cos^2 13.3 / (cos^2 16.7 (1 -
//   sqrt(sin 30 sin 13.3 / cos 16.7))^2) = 0.947077 / (0.917424 x 0.427010)
//   = 2.4176; pp(-30.0) = 2.4176 x 240 = 580.224.
// Virtual seabed: y = 24 x 60.249 / (580.224 - 126.84) = 3.18930 below the
//   seabed -> -9.189, pp = 580.224 x 3.18930 / 24 = 77.104.
// Pieces about -9.189: 0.5 x 23.355 x 3 = 35.0325 -> 35.032 (half to even) at
//   +1.000, arm 10.189, M 356.941; 28.539 x 3 = 85.617 at -2.000, arm 7.189,
//   M 615.501; 60.249 x 3 = 180.747 at -4.000, arm 5.189, M 937.896;
//   0.5 x 60.249 x 3.189 = 96.067 at (-6 - 6 - 9.189) / 3 = -7.063, arm
//   2.126, M 204.238. Net: P 397.463, M 2114.576.
// Dynamic water 31.5 at 2.4 above the seabed: M = (3.189 + 2.4) x 31.5 =
//   176.0535 -> 176.054 (half to even). Totals 428.963 and 2290.630, arm
//   2290.630 / 428.963 = 5.340.
TEST(TvndatChain, SeismicCaseAgreesWithMononobeOkabeByHand) {
    WallSection section;
    section.cases = 2;
    const TvndatRun run = run_tvndat(section);
    ASSERT_EQ(run.result.exit_code, 0) << run.result.err;
    const ForceFile file = read_force_file(*run.folder, section, {1});
    ASSERT_EQ(file.sections.size(), 1u);
    const ForceCase& f = file.sections[0];
    EXPECT_NEAR(f.base[1].level, -9.189, 1e-6);
    EXPECT_NEAR(f.base[1].pressure, 77.104, 1e-6);
    ASSERT_EQ(f.force_count, 4);
    const double arms[] = {10.189, 7.189, 5.189, 2.126};
    const double forces[] = {35.032, 85.617, 180.747, 96.067};
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(f.forces[i].lever_arm, arms[i], 1e-6) << i;
        EXPECT_NEAR(f.forces[i].force, forces[i], 1e-6) << i;
    }
    EXPECT_NEAR(f.total_force, 428.963, 1e-6);
    EXPECT_NEAR(f.total_moment, 2290.630, 1e-6);
    EXPECT_NEAR(f.lever_arm, 5.340, 1e-6);

    const Tables t = read_tables(*run.folder, 1);
    EXPECT_NEAR(t.common->totals.segment_force[1], 397.463, 1e-9);
    EXPECT_NEAR(t.common->totals.segment_moment[1], 2114.576, 1e-9);
    EXPECT_NEAR(t.common->dynamic.moment, 176.054, 1e-9);
    const PressureRowTable& rows = t.case_tables->merged.rows;
    ASSERT_EQ(rows.count, 4); // +3.0, 0.0, -6.0 (seabed), -30.0
    const double tops[] = {0.0, 28.539, 60.249, 0.0};
    for (int i = 0; i < rows.count; ++i)
        EXPECT_NEAR(rows[i].active_top, tops[i], 1e-9) << i;
    EXPECT_NEAR(rows[0].active_bottom, 23.355, 1e-9);
    EXPECT_NEAR(t.case_tables->merged.passive[0].bottom, 580.224, 1e-9);
}

// An ordinary berth 20 m deep: 41 points and 1 + 39 x 2 = 79 dynamic-water
// pieces, more than the 50 an older table held; P = 7/12 x 0.15 x 10 x 400 = 350.
TEST(TvndatChain, DeepBerthDynamicWaterFitsItsTables) {
    WallSection section;
    section.cases = 2;
    section.seabed = -20.0;
    section.bottom = -50.0;
    section.sea = {Layer{-20.0}};
    const TvndatRun run = run_tvndat(section);
    ASSERT_EQ(run.result.exit_code, 0) << run.result.err;
    const ForceFile file = read_force_file(*run.folder, section, {1});
    ASSERT_EQ(file.sections.size(), 1u);
    EXPECT_EQ(file.sections[0].dynamic_count, 79);
    const Tables t = read_tables(*run.folder, 1);
    EXPECT_NEAR(t.common->dynamic.force, 350.0, 1e-9);
    EXPECT_EQ(t.common->dynamic.point_count, 41);
    EXPECT_EQ(t.common->dynamic.segment_count, 79);
}

// Two candidates: sand (phi 30) from -6.0 to -8.0 over clay (c = 10) down to
// the soil bottom at -8.5. The passive line crosses the active one at -7.425
// (as in the uniform section) and falls below it again at -8.0, where the
// sand's 3.0 x 20 = 60 drops to the clay's 20 + 2 x 10 = 40 against an active
// 44.662; in the clay, 45 at -8.5 stays below 46.329.
// Choosing -8.0: pieces as the uniform section down to -7.425 with arms about
// -8.0 (9.0, 6.0, 4.0, 1.525): P = 222.051, M = 242.973 + 323.964 + 455.952 +
// 41.285 = 1064.174, arm 4.792.
WallSection two_candidate_section() {
    WallSection section;
    section.bottom = -8.5;
    Layer clay{-8.0};
    clay.phi = 0.0;
    clay.cohesion = 10.0;
    section.sea = {Layer{-6.0}, clay};
    return section;
}

TEST(TvndatChain, ChooserPicksAmongTwoCandidates) {
    if (!kWithChooser) GTEST_SKIP() << "built without the chooser";
    const WallSection section = two_candidate_section();
    const TvndatRun run = run_tvndat(section, {{"WTN_ZEVOVE_CHOICE", "1"}});
    ASSERT_EQ(run.result.exit_code, 0) << run.result.err;
    EXPECT_EQ(run.folder->read("ZEVOVE.DAT"), "1\r\n  -7.425\r\n  -8.000\r\n");
    const ForceFile file = read_force_file(*run.folder, section, {0});
    ASSERT_EQ(file.sections.size(), 1u);
    const ForceCase& f = file.sections[0];
    EXPECT_NEAR(f.base[0].level, -8.0, 1e-6);
    EXPECT_NEAR(f.base[0].pressure, 60.0, 1e-6);
    EXPECT_EQ(f.start_index, 1); // -8.0 is the top of the clay layer
    EXPECT_NEAR(f.total_force, 222.051, 1e-6);
    EXPECT_NEAR(f.total_moment, 1064.174, 1e-6);
    EXPECT_NEAR(f.lever_arm, 4.792, 1e-6);
    const Tables t = read_tables(*run.folder, 0);
    EXPECT_EQ(t.common->seabed.candidate_count, 2);
    EXPECT_EQ(t.common->seabed.data.chosen[0], 0);
    EXPECT_EQ(t.common->seabed.data.chosen[1], 1);
}

TEST(TvndatChain, NoValidChoiceStopsTheRun) {
    if (!kWithChooser) GTEST_SKIP() << "built without the chooser";
    // ZEVOVE exits 1 without touching the file (cancelled), or exits 0 with an
    // index that is not a candidate: neither may pass for a choice, and the
    // case index left on line 1 must not be taken as one.
    for (const char* answer : {"cancel", "2", "-1"}) {
        const TvndatRun run = run_tvndat(two_candidate_section(), {{"WTN_ZEVOVE_CHOICE", answer}});
        EXPECT_EQ(run.result.exit_code, 1) << answer;
        EXPECT_NE(run.result.err.find("(ERROR)-仮想海底面位置が選択されていません."),
                  std::string::npos)
            << answer << ": " << run.result.err;
        EXPECT_EQ(run.folder->read("GAIRYOK.DAT"), "0\r\n") << answer;
    }
}

// A run that stops in the seismic case (water deeper than the dynamic-water
// tables take) keeps the finished normal section whole.
TEST(TvndatChain, StopInTheSeismicCaseKeepsTheNormalSection) {
    WallSection section;
    section.cases = 3;
    section.seabed = -101.0;
    section.bottom = -130.0;
    Layer stiff_clay{-101.0};
    stiff_clay.phi = 0.0;
    stiff_clay.cohesion = 500.0;
    section.sea = {stiff_clay};
    const TvndatRun run = run_tvndat(section);
    ASSERT_EQ(run.result.exit_code, 1);
    EXPECT_TRUE(run.folder->exists("GAI_JYO.PRN"));
    EXPECT_FALSE(run.folder->exists("GAI_CM.PRN"));
    const ForceFile file = read_force_file(*run.folder, section, {0});
    ASSERT_EQ(file.sections.size(), 1u);
    EXPECT_NEAR(file.sections[0].base[0].level, -101.0, 1e-6); // 2c = 1000 at the seabed
}

// The L.W.L. 0.005 m above the design seabed: the seabed still becomes a row
// of the merged diagram, k points at it, and the passive rows of the force
// file start there (the reader consumes exactly the lines written).
TEST(TvndatChain, LwlJustAboveTheSeabedKeepsTheSeabedRow) {
    WallSection section;
    section.lwl = -5.995;
    section.rwl = -5.995;
    const TvndatRun run = run_tvndat(section);
    ASSERT_EQ(run.result.exit_code, 0) << run.result.err;
    const ForceFile file = read_force_file(*run.folder, section, {0});
    ASSERT_EQ(file.sections.size(), 1u);
    const ForceCase& f = file.sections[0];
    ASSERT_LT(f.diagram_seabed_row, f.diagram_rows);
    EXPECT_NEAR(f.active[f.diagram_seabed_row].level, -6.0, 1e-9);
    EXPECT_NEAR(f.passive[f.diagram_seabed_row - 1].top, 0.0, 1e-9);
    const Tables t = read_tables(*run.folder, 0);
    EXPECT_EQ(t.case_tables->merged.rows.count - t.case_tables->merged.seabed_row,
              t.case_tables->merged.passive.count);
}

// "%lf" writes every integer digit, so the largest lateral-resistance
// constant the input takes (10^8) makes a long line; the force file keeps it
// whole and the stability program reads back the value that was given.
TEST(TvndatChain, ForceFileLinesAreNeverCut) {
    const TvndatRun run = run_tvndat(WallSection{}, {}, [](const ProgramFolder& f) {
        std::string text = f.read("CAL_FILE.DAT");
        const std::size_t sea = text.find("jdatu");
        const std::size_t kh = text.rfind(',', text.find("\r\n", sea));
        f.write("CAL_FILE.DAT", text.substr(0, kh) + ",1e8\r\n");
    });
    ASSERT_EQ(run.result.exit_code, 0) << run.result.err;
    const ForceFile file = read_force_file(*run.folder, WallSection{}, {0});
    ASSERT_EQ(file.sections.size(), 1u);
    EXPECT_DOUBLE_EQ(file.sections[0].layers[0].kh, 1e8);
    EXPECT_NEAR(file.sections[0].total_force, 222.051, 1e-6);
}

// The report programs index the diagrams by the row indices kept in the load
// tables; a table whose index lies outside its rows is refused as damaged.
TEST(TvndatChain, LoadTableRowIndicesOutsideTheirTablesAreRefused) {
    const TvndatRun run = run_tvndat(WallSection{});
    ASSERT_EQ(run.result.exit_code, 0) << run.result.err;
    const auto refused = [](auto&& read) {
        testing::internal::CaptureStderr();
        bool stopped = false;
        try {
            read();
        } catch (const ProgramStop&) {
            stopped = true;
        }
        const std::string err = testing::internal::GetCapturedStderr();
        return stopped && err.find("の内容が正しくありません.") != std::string::npos;
    };
    CurrentFolder in(run.folder->path());
    const Tables good = read_tables(*run.folder, 0);
    {
        Tables t;
        *t.case_tables = *good.case_tables;
        t.case_tables->merged.seabed_row = t.case_tables->merged.rows.count + 1;
        write_gai_case(0, *good.model, *t.case_tables);
        EXPECT_TRUE(refused([&] { read_gai_case(0, *t.model, *t.case_tables); }));
    }
    for (const int bad : {-2, kDiagramRowRoom}) {
        Tables t;
        *t.common = *good.common;
        t.common->seabed.merged_row[1] = bad;
        write_gai_cm(*good.model, *t.common);
        EXPECT_TRUE(refused([&] { read_gai_cm(*t.model, *t.common); })) << bad;
    }
    {
        Tables t;
        *t.model = *good.model;
        t.model->index.lwl = kLayerRoom;
        write_gai_cm(*t.model, *good.common);
        EXPECT_TRUE(refused([&] { read_gai_cm(*t.model, *t.common); }));
    }
}

struct ErrorCase {
    const char* what;
    WallSection section;
    void (*prepare)(const ProgramFolder&);
    const char* message;
};

TEST(TvndatChain, ErrorPathsStopWithTheirMessages) {
    WallSection shallow; // soil ends at -7.0, before the passive side catches up
    shallow.bottom = -7.0;
    WallSection too_deep; // 101 m of water for the dynamic water pressure
    too_deep.cases = 2;
    too_deep.seabed = -101.0;
    too_deep.bottom = -130.0;
    Layer stiff_clay{-101.0}; // passive 2c = 1000 at the seabed: the virtual seabed is found there
    stiff_clay.phi = 0.0;
    stiff_clay.cohesion = 500.0;
    too_deep.sea = {stiff_clay};
    const ErrorCase cases[] = {
        {"no virtual seabed", shallow, nullptr,
         "全土層が[受働(土圧)強度＜主働(土圧+水圧)強度]となり、仮想海底面が検出できませんでした．"},
        {"water too deep", too_deep, nullptr,
         "(ERROR)-動水圧を計算する水深(101.000 m)が上限(100.0 m)を超えています."},
        {"force file cannot be created", WallSection{},
         [](const ProgramFolder& f) { std::filesystem::create_directory(f.file("GAIRYOK.DAT")); },
         "(ERROR)-外力計算結果ファイル(GAIRYOK.DAT)がオープンできません."},
        {"force file write fails", WallSection{},
         [](const ProgramFolder& f) {
             std::filesystem::create_symlink("/dev/full", f.file("GAIRYOK.DAT"));
         },
         "(ERROR)-ファイル(GAIRYOK.DAT)の書き込みに失敗しました."},
        {"case table cannot be created", WallSection{},
         [](const ProgramFolder& f) { std::filesystem::create_directory(f.file("GAI_JYO.PRN")); },
         "(ERROR)-外力計算結果ファイル(GAI_JYO.PRN)がオープンできません."},
        {"common table write fails", WallSection{},
         [](const ProgramFolder& f) {
             std::filesystem::create_symlink("/dev/full", f.file("GAI_CM.PRN"));
         },
         "(ERROR)-ファイル(GAI_CM.PRN)の書き込みに失敗しました."},
    };
    for (const ErrorCase& c : cases) {
        const TvndatRun run = run_tvndat(c.section, {}, c.prepare);
        EXPECT_EQ(run.result.exit_code, 1) << c.what;
        EXPECT_NE(run.result.err.find(std::string("error: ") + c.message), std::string::npos)
            << c.what << ": " << run.result.err;
    }
}

} // namespace
} // namespace wtn::test
