// TVNWAV run as the front end's chain runs it, on a prepared program folder:
// a wall with the tide at H.W.L. +2.00 and L.W.L. 0.00, the toe works and the
// lower limit of the wave pressure at -6.00, the ground in front at -8.00
// (also the construction-stage design seabed), h_b at -9.00.
#include "child_process.h"
#include "cp932_codec.h"
#include "default_input_lines.h"
#include "force_case.h"
#include "input_file.h"
#include "input_record.h"
#include "program_folder.h"
#include "stability_ranges.h"
#include "text_lines.h"
#include "wav_data_file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace wtn {
namespace {

using test::ChildResult;
using test::ChildRun;
using test::program_path;
using test::ProgramFolder;

struct Fixture {
    int system_switch = 0;
    int cases = 1;   // swdat item 6
    int formula = 1; // 1 Goda, 2 Kuroda / Hiroi
    std::string hwl = "hwl__, 1 , 2.35 , 0 , 2 , 0 , 60 , 0 ";
    std::string lwl = "lwl__, 2 , 1.5 , 2.7 , 2 , 0 , 50 , 10 ";
    double construction_seabed = -8.0;
    double soil_bottom = -30.0; // lower limit of the last soil layer
    double pile_crown = 3.0;
    std::string examine = "2 , 1 , 1 , 1 , 1 , 1 , 2 , 1"; // H.W.L. and L.W.L.
    // h_b levels per tide level (H.H.W.L., H.W.L., L.W.L., user level): the
    // two examined levels take -9.00; the others differ, so a level that read
    // its neighbour's h_b would change alpha2 and p1.
    std::string wlvl = "wlvl_, 1 , -6 , -6 , -8 , 2 , 0 , -5 , -9 , -9 , -20 ";
};

std::string input_file(const Fixture& f) {
    const std::vector<std::string> lines = {
        "versi,\"<2.00>\", 1 ",
        "gyonm,\"施工時の波圧\"",
        "swdat, 1 , 1 , 1 , 1 , 2 , " + std::to_string(f.cases) +
            " , 1 , 1 , 111 , 1 , 1 , 2 , 2 , 1 ",
        "wavsw,\"\", " + std::to_string(f.formula) + " , 2 , 1 , " + f.examine + " ",
        "joken, 2 , 0 , 1 , 1 , 3.5 , -10 , -20 , " + std::to_string(f.soil_bottom) +
            " , 0 , 0 , 10.1 , 0 , 0 , 5 , 5 , 1 , 1 , 1 ",
        // superstructure crown +10.00, sheet-pile crown +3.00, cohesion reference -10.00
        "tjkn1, 2.5 , 1 , 10 , " + std::to_string(f.pile_crown) +
            " , -10 , 5 , 180 , 270 , 180 , " + std::to_string(f.construction_seabed) +
            " , 200 , 0 ",
        test::kDefaultEmbedmentLine,
        test::kDefaultCorrosionLine,
        test::kDefaultJointLine,
        "sdatu, 3.5 , 18 , 10 , 20 , 30 , 0 , 0 , 1 , 0 , 3000 ",
        "sdatu, -5 , 17 , 7 , 17 , 0 , 20 , 1.5 , 2 , 0 , 0 ",
        "jdatu, -10 , 17 , 7 , 17 , 30 , 0 , 0 , 1 , 0 , 5000 ",
        f.wlvl,
        f.hwl,
        f.lwl,
        test::kNoAdoptedValuesLine,
        "nir_t, 2 , 2 , 0 , 1 , 0 , 0 ",
        "wav_t, 1 ",
        test::kDefaultWallFrictionLine,
    };
    std::string text;
    for (const auto& line : lines)
        text += line + "\r\n"; // literals are code page 932 here
    return text;
}

// Line 19 (12.5) is the factor of the N value from the cohesion; line 12 the
// element length, which must be positive.
std::string customisation_file() {
    const char* lines[] = {"15", "0",  "45", "40", "dummy", "1",   "0", "1", "10",   ".8",
                           "2",  ".5", "1",  "0",  "3",     "2.5", "1", "1", "12.5", "1"};
    std::string text;
    for (const char* line : lines)
        text += std::string(line) + "\r\n";
    return text;
}

struct WaveRun {
    std::unique_ptr<ProgramFolder> folder = std::make_unique<ProgramFolder>(false);
    ChildResult result;
};

WaveRun run_tvnwav(const Fixture& f) {
    WaveRun run;
    run.folder->write("CAL_FILE.DAT", input_file(f));
    run.folder->write("TVNCSTM.DAT", customisation_file());
    run.folder->write("PRG_SW.DAT", std::to_string(f.system_switch) + "\r\n");
    ChildRun child;
    child.program = program_path("TVNWAV");
    child.work_dir = run.folder->path();
    child.unset_env = {"WTN_UI_PIPE"};
    child.env = {{"WTN_ANSWER", "no"}};
    run.result = run_child(child);
    return run;
}

// Reads back the files of a run with the readers the later programs use.
struct ReadBack {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file{nullptr, &std::fclose};
    std::unique_ptr<LineReader> reader;
    explicit ReadBack(const std::string& path) {
        file.reset(std::fopen(path.c_str(), "rb"));
        if (file) reader = std::make_unique<LineReader>(file.get());
    }
};

InputRecord read_fixture_input(const WaveRun& run) {
    InputRecord input;
    reset_input_counters(input);
    set_input_defaults(input);
    read_input(input, run.folder->file(kInputFileName));
    return input;
}

TEST(TvnwavChain, GodaTwoTideLevelsWithTheSheetPileCrownAsWallTop) {
    const WaveRun run = run_tvnwav(Fixture{});
    ASSERT_EQ(run.result.exit_code, 0) << run.result.err;
    const InputRecord input = read_fixture_input(run);

    ReadBack force(run.folder->file("GAIRYOK.DAT"));
    ASSERT_TRUE(force.reader);
    EXPECT_EQ(read_force_file_mode(*force.reader), 1);

    // H.W.L.: H 4.23, eta* 6.345, p1 32.569, p3 22.798 (as in the formula
    // tests). The sheet-pile crown +3.00 cuts the crest line at
    // 32.569 x 5.345 / 6.345 = 27.436; the diagram from +3.00 to h' -6.00:
    // 0.5 x (27.436 + 32.569) x 1 + 0.5 x (32.569 + 22.798) x 8 = 251.4705,
    // first moment about -8.00 1695.518 (integrated). As rounded pieces
    // about -8.00: 13.718 at 10.667 (M 146.330), 0.5 x 32.569 = 16.2845 ->
    // 16.284 (half to even) at 10.333 (168.263), 130.276 at 7.333 (955.314),
    // 91.192 at 4.667 (425.593): 251.470 and 1695.500. Still water:
    // 0.5 x 101.0 x 10 = 505.0 at 3.333, 1683.165. Totals 756.470 and
    // 3378.665 / 756.470 = 4.466.
    // L.W.L.: H = Hmax 2.7, beta 10, h 8, h' 6, d 6, h_b 9, L 50: eta* 4.019,
    // p1 20.883, p3 15.328; wall top +3.00 at 5.295; waves 147.900 with
    // 921.172 about the seabed. As rounded pieces: 1.5 x 5.295 = 7.9425 ->
    // 7.942 and 1.5 x 20.883 = 31.3245 -> 31.324 (half to even) at 10 and 9,
    // 62.649 at 6, 45.984 at 4: 147.899 and 921.166. Still water
    // 0.5 x 80.8 x 8 = 323.2 at 2.667, 861.974. Totals 471.099 and
    // 1783.140 / 471.099 = 3.785.
    struct Expect {
        double total_force, lever_arm, still_arm, still_force;
    } expects[] = {{756.470, 4.466, 3.333, 505.0}, {471.099, 3.785, 2.667, 323.2}};
    for (const auto& e : expects) {
        ForceCase section;
        read_force_case(*force.reader, kCaseNormal, 1, input, section);
        // Land side: 3.50 sand, -5.00 clay split at the construction seabed -8.00,
        // bottom -30.00; the seabed is boundary 2.
        EXPECT_EQ(section.start_index, 2);
        ASSERT_EQ(section.layer_count, 4);
        const double levels[] = {3.5, -5.0, -8.0, -30.0};
        for (int i = 0; i < 4; ++i)
            EXPECT_DOUBLE_EQ(section.layers[i].level, levels[i]);
        EXPECT_NEAR(section.layers[0].friction_angle, 30.0 * 3.141592653589793 / 180.0, 1e-6);
        // Both clay parts get their own N from the cohesion at mid-depth and
        // k_h = 1500 N: c(-6.5) = 20 + 1.5 x (-10 + 6.5) = 14.75 gives
        // N = 12.5 x 0.001 x 29.5 = 0.369; c(-19) = 33.5 gives 0.838.
        EXPECT_DOUBLE_EQ(section.layers[1].n_value, 0.369);
        EXPECT_EQ(section.layers[1].n_from_cohesion, 1);
        EXPECT_DOUBLE_EQ(section.layers[1].kh, 553.5);
        EXPECT_DOUBLE_EQ(section.layers[2].n_value, 0.838);
        EXPECT_DOUBLE_EQ(section.layers[2].kh, 1257.0);
        EXPECT_EQ(section.force_count, 4);
        EXPECT_NEAR(section.total_force, e.total_force, 1e-6);
        EXPECT_NEAR(section.lever_arm, e.lever_arm, 1e-6);
        EXPECT_DOUBLE_EQ(section.base[kCaseNormal].level, -8.0);
        EXPECT_DOUBLE_EQ(section.still_water.force, e.still_force);
        EXPECT_NEAR(section.still_water.lever_arm, e.still_arm, 1e-9);
    }
    std::string rest;
    EXPECT_FALSE(force.reader->next(rest)) << rest;

    ReadBack wav(run.folder->file("WAV_DATA.PRN"));
    ASSERT_TRUE(wav.reader);
    WaveBlock hwl;
    ASSERT_TRUE(read_wave_block(*wav.reader, WaveFormula::Goda, hwl));
    EXPECT_DOUBLE_EQ(hwl.goda.p1, 32.569);
    EXPECT_DOUBLE_EQ(hwl.goda.p2, 20.36);
    EXPECT_DOUBLE_EQ(hwl.goda.p3, 22.798);
    // Rows: crest +8.345, wall top +3.00, tide +2.00, h' -6.00, h -8.00.
    EXPECT_EQ(hwl.diagram.count, 4);
    EXPECT_EQ(hwl.diagram.wall_top_row, 1);
    EXPECT_EQ(hwl.diagram.h_dash_row, 3);
    EXPECT_EQ(hwl.diagram.first_loaded_row, 1);
    EXPECT_DOUBLE_EQ(hwl.diagram.rows[1].top, 27.436);
    WaveBlock lwl;
    ASSERT_TRUE(read_wave_block(*wav.reader, WaveFormula::Goda, lwl));
    EXPECT_DOUBLE_EQ(lwl.common.wave_height, 2.7);
    EXPECT_DOUBLE_EQ(lwl.goda.p1, 20.883);
    EXPECT_DOUBLE_EQ(lwl.goda.p3, 15.328);
    EXPECT_FALSE(read_wave_block(*wav.reader, WaveFormula::Goda, lwl));

    const std::string text = run.folder->read("WAV_DATA.PRN");
    EXPECT_NE(text.find("\r\n#  L.W.L.  常時\r\n#  合田式\r\n"), std::string::npos);
}

TEST(TvnwavChain, SwitchOneWritesBothCasesAlikeUnderTheSuperstructureCrown) {
    Fixture f;
    f.system_switch = 1;
    f.cases = 3;
    const WaveRun run = run_tvnwav(f);
    ASSERT_EQ(run.result.exit_code, 0) << run.result.err;

    const std::string force = run.folder->read("GAIRYOK.DAT");
    EXPECT_EQ(force.rfind("2\r\n#  H.W.L.  常時\r\n", 0), 0u);
    const std::string labels[] = {"#  H.W.L.  常時", "#  H.W.L.  地震時", "#  L.W.L.  常時",
                                  "#  L.W.L.  地震時"};
    std::size_t at = 0;
    for (const auto& label : labels) {
        at = force.find(label + "\r\n", at);
        ASSERT_NE(at, std::string::npos) << label;
    }

    // The wall top +10.00 lies above the crest: the whole diagram down to h'
    // is loaded, 103.325 + 130.276 + 91.192 = 324.793, with still water 829.793.
    const std::string wav = run.folder->read("WAV_DATA.PRN");
    const std::size_t seismic = wav.find("#  層分割数", 1);
    const std::string normal_block = wav.substr(0, seismic);
    const std::string seismic_block =
        wav.substr(seismic, wav.find("#  層分割数", seismic + 1) - seismic);
    EXPECT_NE(normal_block.find("829.793000,"), std::string::npos);
    std::string as_normal = seismic_block;
    as_normal.replace(as_normal.find("地震時"), std::string("地震時").size(), "常時");
    EXPECT_EQ(as_normal, normal_block);
    EXPECT_NE(normal_block.find("4,3,0,3,2\r\n"), std::string::npos) << normal_block;
}

TEST(TvnwavChain, KurodaHiroiBreakingAndStandingWaves) {
    Fixture f;
    f.system_switch = 1;
    f.formula = 2;
    // H.W.L.: 2 x 4.5 > d 8 breaks: p = 1.5 x 10.1 x 5 = 75.75 from the crest
    // +2.00 + 1.25 x 5 = +8.25 down to h' -6.00: 75.75 x 14.25 = 1079.4375
    // -> 1079.438 (half to even), with still water 1584.438.
    f.hwl = "hwl__, 0 , 4.5 , 5 , 2 , 0 , 60 , 0 ";
    // L.W.L.: standing wave, H 2, L 40, D = h 8: delta0 0.369, p_b 10.642,
    // p_s 20.892, p = 30.3 raised over +1.00 .. -1.00; the diagram from the
    // crest +2.369 to h' -6.00: 0.5 x 12.073 x 1.369 = 8.264 at 9.456 (the
    // crest line at +1.00: 20.892 x 1.369 / 2.369 = 12.073), 30.3 at 8.5 and
    // at 7.5, then from 19.611 at -1.00 to 13.205 at -6.00 (on the line to
    // 10.642 at -8.00): 2.5 x 19.611 = 49.0275 -> 49.028 and 2.5 x 13.205 =
    // 33.0125 -> 33.012 (half to even) at 5.333 and 3.667; 150.904 with
    // 945.465 about -8.00; still water 0.5 x 80.8 x 8 = 323.2 with 861.974:
    // 474.104 and 1807.439 / 474.104 = 3.812.
    f.lwl = "lwl__, 0 , 1 , 2 , 2 , 0 , 40 , 0 ";
    const WaveRun run = run_tvnwav(f);
    ASSERT_EQ(run.result.exit_code, 0) << run.result.err;
    const InputRecord input = read_fixture_input(run);
    ReadBack force(run.folder->file("GAIRYOK.DAT"));
    ASSERT_TRUE(force.reader);
    EXPECT_EQ(read_force_file_mode(*force.reader), 2);
    ForceCase hwl;
    read_force_case(*force.reader, kCaseNormal, 2, input, hwl);
    EXPECT_NEAR(hwl.total_force, 1584.438, 1e-6);
    ForceCase lwl;
    read_force_case(*force.reader, kCaseNormal, 2, input, lwl);
    EXPECT_NEAR(lwl.total_force, 474.104, 1e-6);
    EXPECT_NEAR(lwl.lever_arm, 3.812, 1e-6);

    ReadBack wav(run.folder->file("WAV_DATA.PRN"));
    WaveBlock block;
    ASSERT_TRUE(read_wave_block(*wav.reader, WaveFormula::KurodaHiroi, block));
    EXPECT_EQ(block.kuroda_hiroi.breaking, 1);
    EXPECT_DOUBLE_EQ(block.kuroda_hiroi.pressure, 75.75);
    ASSERT_TRUE(read_wave_block(*wav.reader, WaveFormula::KurodaHiroi, block));
    EXPECT_EQ(block.kuroda_hiroi.breaking, 0);
    // The forces stop at the h' row, which the driver inserted above the
    // wave's bottom -8.00.
    ASSERT_GE(block.diagram.h_dash_row, 0);
    EXPECT_DOUBLE_EQ(block.diagram.rows[block.diagram.h_dash_row].level, -6.0);
    EXPECT_DOUBLE_EQ(block.diagram.rows[block.diagram.count].level, -8.0);
}

TEST(TvnwavChain, RefusedInputStopsBeforeAnyFileIsWritten) {
    struct Case {
        const char* name;
        Fixture fixture;
        const char* message;
    } cases[] = {
        {"wave length 0",
         [] {
             Fixture f;
             f.lwl = "lwl__, 2 , 1.5 , 2.7 , 2 , 0 , 0 , 10 ";
             return f;
         }(),
         "L.W.L.:波長Ｌが 0.0 以下です."},
        {"construction seabed below the soil",
         [] {
             Fixture f;
             f.construction_seabed = -35;
             return f;
         }(),
         "陸側の土層内に海底面がありません."},
        {"wall top below the diagram",
         [] {
             Fixture f;
             f.pile_crown = -9;
             return f;
         }(),
         "H.W.L.:天端位置が波圧分布の下端より下にあります."},
        // The soil ends at -4.00, above the last land-side top -5.00, with the
        // construction seabed -4.50 inside the land side: the closing row
        // would give the layer from -5.00 a thickness of -1.00.
        {"soil ends above the last layer top",
         [] {
             Fixture f;
             f.soil_bottom = -4;
             f.construction_seabed = -4.5;
             return f;
         }(),
         "陸側の土層の標高が逆転しています."},
        // Standing wave at the L.W.L. with D = d = 3 (H 2, L 40): delta0 0.715,
        // p_b = 20.2 / cosh 0.471 = 18.149, p_s = (30.3 + 18.149) x 2.715 /
        // 5.715 = 23.016; run on to h' 15 m below the tide the line reaches
        // 18.149 - 4.867 x 12 / 3 = -1.319, a suction the pieces would add.
        {"standing wave below zero above h'",
         [] {
             Fixture f;
             f.formula = 2;
             f.examine = "2 , 1 , 2 , 1 , 1 , 1 , 2 , 1";
             f.wlvl = "wlvl_, 2 , -3 , -15 , -16 , 2 , 0 , -17 , -17 , -17 , -17 ";
             f.lwl = "lwl__, 0 , 1 , 2 , 2 , 0 , 40 , 0 ";
             f.construction_seabed = -16;
             return f;
         }(),
         "L.W.L.:重複波の波圧がh'までに負になります.水深Ｄとh'を確認して下さい."},
        {"still water under a seabed above the tide",
         [] {
             Fixture f;
             f.construction_seabed = 2.5;
             return f;
         }(),
         "H.W.L.:施工時の設計海底面が潮位より上にあります."},
    };
    for (const auto& c : cases) {
        const WaveRun run = run_tvnwav(c.fixture);
        EXPECT_EQ(run.result.exit_code, 1) << c.name;
        EXPECT_NE(run.result.err.find(cp932_to_utf8(c.message)), std::string::npos)
            << c.name << ": " << run.result.err;
        EXPECT_FALSE(run.folder->exists("GAIRYOK.DAT")) << c.name;
        EXPECT_FALSE(run.folder->exists("WAV_DATA.PRN")) << c.name;
    }
}

TEST(TvnwavChain, NoExaminedTideLevelLeavesTheModeLineOnly) {
    Fixture f;
    f.examine = "2 , 1 , 2 , 1 , 2 , 1 , 2 , 1";
    const WaveRun run = run_tvnwav(f);
    ASSERT_EQ(run.result.exit_code, 0) << run.result.err;
    EXPECT_EQ(run.folder->read("GAIRYOK.DAT"), "1\r\n");
    EXPECT_TRUE(run.folder->exists("WAV_DATA.PRN"));
    EXPECT_EQ(run.folder->read("WAV_DATA.PRN"), "");
}

// The wave program writes a section per examined tide level and the
// stability programs expect one per level of tide_level_range: whatever the
// switches, the file the writer leaves reads exactly, or the writer refuses
// the input naming the key and the tide level and leaves no file.
TEST(TvnwavChain, TideLevelSwitchesWriterAndReaderAgree) {
    struct Case {
        const char* examine;
        const char* refusal; // what the message names after the key; nullptr: accepted
    } cases[] = {
        {"2 , 1 , 1 , 1 , 1 , 1 , 2 , 1", nullptr},
        {"2 , 1 , 1 , 1 , 2 , 1 , 2 , 1", nullptr},
        {"0 , 1 , 1 , 1 , 1 , 1 , 2 , 1", "H.H.W.L.の検討スイッチ"},
        {"2 , 1 , 3 , 1 , 1 , 1 , 2 , 1", "H.W.L.の検討スイッチ"},
        // The line cut short: the input reader refuses the missing switch.
        {"2 , 1 , 1 , 1 , 1 , 1", "10番目の項目が数値ではありません"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.examine);
        Fixture f;
        f.examine = c.examine;
        const WaveRun run = run_tvnwav(f);
        if (c.refusal != nullptr) {
            EXPECT_EQ(run.result.exit_code, 1);
            const std::string message =
                cp932_to_utf8(std::string("(ERROR)-入力データ(wavsw)の") + c.refusal);
            EXPECT_NE(run.result.err.find(message), std::string::npos) << run.result.err;
            EXPECT_FALSE(run.folder->exists("GAIRYOK.DAT"));
            continue;
        }
        ASSERT_EQ(run.result.exit_code, 0) << run.result.err;
        const InputRecord input = read_fixture_input(run);
        ReadBack force(run.folder->file("GAIRYOK.DAT"));
        ASSERT_TRUE(force.reader);
        const int mode = read_force_file_mode(*force.reader);
        const TideLevelRange levels = tide_level_range(input, mode);
        ForceCase section;
        for (int level = 0; level < levels.count; ++level)
            read_force_case(*force.reader, kCaseNormal, mode, input, section);
        check_force_file_end(*force.reader);
    }
}

} // namespace
} // namespace wtn
