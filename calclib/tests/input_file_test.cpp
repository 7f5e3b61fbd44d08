// The calculation input file read as the front end writes it: items with a
// blank before and after, ".5" for 0.5, CR LF line ends, code page 932 texts.
#include "cp932_codec.h"
#include "current_folder.h"
#include "input_file.h"
#include "input_file_writer.h"
#include "input_items.h"
#include "program_folder.h"
#include "program_stop.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace wtn {
namespace {

// The "swdat" items as the file carries them.
std::vector<int> swdat_values(const CalcSwitches& s) {
    std::vector<int> values;
    for (const Item<CalcSwitches>& item : kSwdatItems)
        values.push_back(item.get_integer(s));
    return values;
}

using test::ProgramFolder;

// A 36-character full-width title: 72 bytes in code page 932, more than the
// 64 bytes an old reader slot held.
const std::string kTitleUtf8 =
    "岸壁（－７．５ｍ）自立式鋼矢板の設計計算書第一期工事区間の検討結果ＡＢＣ";

std::string crlf_lines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += utf8_to_cp932(line) + "\r\n";
    return text;
}

// A wall section as the front end writes it, line by line; with_added_conditions
// false gives a file of an earlier release: version number 0, without the
// "tjkn1" and "caldt" lines.
std::vector<std::string> front_end_lines(bool with_added_conditions) {
    std::vector<std::string> lines = {
        with_added_conditions ? "versi,\"<2.00>\", 1 " : "versi,\"\", 0 ",
        "gyonm,\"" + kTitleUtf8 + "\"",
        "swdat, 1 , 2 , 1 , 2 , 2 , 3 , 2 , 1 , 10 , 1 , 2 , 1 , 3 , 2 ",
        "wavsw,\"朔望平均満潮位\", 1 , 2 , .8 , 1 , 1 , 1 , 2 , 2 , 2 , 1 , 1 ",
        "joken, 1.8 , 0 , 1 , 1.2 , 3.5 , -10 , -20.5 , -30 , 0 , 5.5 , 10.1 , 10 , 5 , 15 , 20 , "
        "4 , 2 , 2 ",
    };
    if (with_added_conditions) {
        lines.push_back("tjkn1, 2.2 , 1.1 , 4 , 3.8 , -10 , 25 , 180 , 270 , 200 , -9 , 200 , 0 ");
    }
    std::vector<std::string> rest = {
        "neire, 1 , 10 , .5 , 0 , 1 , .15 , .15 , 1 , 1 , 1 , 0 , 2 , 1 , 1 , 3000 ",
        "fsyok, .03 , .03 , .1 , .03 , .03 , .03 , .02 , 0 , 0 , 50 , 90 , 80 , 1 ",
        "tugit, .8 , 1 , .6 ",
        "tyait, 101 , 102 , 103 ",
        "apdyt, 7 ",
        "josai, 0 , 5 , 10 , 5 ",
        "josai, 5 , 20 , 20 , 10 ",
        "etcjo,\"係船柱牽引力\", -12.5 , 2.5 ",
        "etcjs,\"係船柱牽引力\", 6 , 2.5 ",
        "kokan, 800 , 12 , 2 ",
        "sdatu, 3.5 , 18 , 10 , 20 , 30 , 0 , 0 , 1 , 0 , 3000 ",
        "sdatu, -5 , 17 , 8 , 18 , 0 , 20 , 1.5 , 2 , 4 , 6000 ",
        "jdatu, -10 , 17 , 8 , 18 , 0 , 15 , .5 , 3 , 5 , 7500 ",
        "tikei, 0 , 3.5 ",
        "tikei, 10 , 4.25 ",
        "morid, 5 , 18 , 10 , 20 ",
        "wlvl_, 1 , -5 , -8 , -10 , 2 , 0 , 1.5 , 2.5 , 3.5 , 4.5 ",
        "hhwl_, 2 , 3.5 , 6.3 , 2 , 10 , 80 , 15 ",
        "hwl__, 1 , 3 , 5.4 , 1 , 9 , 70.25 , 0 ",
        "caldt, 12.5 , 20 ",
        "nir_t, 1 , 2 , 30000 , .6 , 0 , 1 ",
        "wav_t, 1 ",
        "add_1, 15 , -15 , 7.5 , 0 ",
    };
    for (const std::string& line : rest)
        if (with_added_conditions || line.rfind("caldt", 0) != 0) lines.push_back(line);
    return lines;
}

std::string front_end_file(bool with_added_conditions) {
    return crlf_lines(front_end_lines(with_added_conditions));
}

InputRecord read_text(const std::string& text) {
    ProgramFolder folder(false);
    folder.write("CAL_FILE.DAT", text);
    InputRecord input;
    reset_input_counters(input);
    set_input_defaults(input);
    read_input(input, folder.file("CAL_FILE.DAT"));
    return input;
}

TEST(InputFile, FrontEndFileIsReadFieldByField) {
    const InputRecord in = read_text(front_end_file(true));

    EXPECT_EQ(in.version_text, "<2.00>");
    EXPECT_EQ(in.version_number, 1);
    EXPECT_EQ(in.title, utf8_to_cp932(kTitleUtf8)); // kept whole: 72 bytes
    EXPECT_EQ(in.title.size(), 72u);

    const CalcSwitches& s = in.swdat;
    EXPECT_EQ(swdat_values(s), (std::vector<int>{1, 2, 1, 2, 2, 3, 2, 1, 10, 1, 2, 1, 3, 2}));

    EXPECT_EQ(in.wavsw.user_tide_name, utf8_to_cp932("朔望平均満潮位"));
    EXPECT_EQ(to_file_value(in.wavsw.wave_formula), 1);
    EXPECT_EQ(to_file_value(in.wavsw.dissipating_works), 2);
    EXPECT_DOUBLE_EQ(in.wavsw.lambda1, 0.8);
    EXPECT_EQ((std::array<int, 4>{
                  to_file_value(in.wavsw.examine[0]), to_file_value(in.wavsw.examine[1]),
                  to_file_value(in.wavsw.examine[2]), to_file_value(in.wavsw.examine[3])}),
              (std::array<int, 4>{1, 1, 2, 1}));
    EXPECT_EQ(
        (std::array<int, 4>{to_file_value(in.wavsw.draw[0]), to_file_value(in.wavsw.draw[1]),
                            to_file_value(in.wavsw.draw[2]), to_file_value(in.wavsw.draw[3])}),
        (std::array<int, 4>{1, 2, 2, 1}));

    const DesignConditions& j = in.joken;
    EXPECT_DOUBLE_EQ(j.hwl, 1.8);
    EXPECT_DOUBLE_EQ(j.lwl, 0.0);
    EXPECT_EQ(to_file_value(j.residual_level_rule), 1);
    EXPECT_DOUBLE_EQ(j.residual_level, 1.2);
    EXPECT_DOUBLE_EQ(j.ground_crown, 3.5);
    EXPECT_DOUBLE_EQ(j.design_seabed, -10.0);
    EXPECT_DOUBLE_EQ(j.embedment_level, -20.5);
    EXPECT_DOUBLE_EQ(j.soil_bottom, -30.0);
    EXPECT_DOUBLE_EQ(j.seabed_angle, 5.5);
    EXPECT_DOUBLE_EQ(j.water_weight, 10.1);
    EXPECT_DOUBLE_EQ(j.surcharge_normal, 10.0);
    EXPECT_DOUBLE_EQ(j.surcharge_seismic, 5.0);
    EXPECT_DOUBLE_EQ(j.allow_disp_normal, 15.0);
    EXPECT_DOUBLE_EQ(j.allow_disp_seismic, 20.0);
    EXPECT_EQ(to_file_value(j.pile_type), 4);
    EXPECT_EQ(to_file_value(j.u_variant), 2);
    EXPECT_EQ(to_file_value(j.steel_grade), 2);

    const AddedConditions& t = in.tjkn1;
    EXPECT_DOUBLE_EQ(t.hhwl, 2.2);
    EXPECT_DOUBLE_EQ(t.user_tide_level, 1.1);
    EXPECT_DOUBLE_EQ(t.superstructure_crown, 4.0);
    EXPECT_DOUBLE_EQ(t.pile_crown, 3.8);
    EXPECT_DOUBLE_EQ(t.cohesion_ref_level, -10.0);
    EXPECT_DOUBLE_EQ(t.allow_disp_construction, 25.0);
    EXPECT_DOUBLE_EQ(t.allow_stress_normal, 180.0);
    EXPECT_DOUBLE_EQ(t.allow_stress_seismic, 270.0);
    EXPECT_DOUBLE_EQ(t.allow_stress_construction, 200.0);
    EXPECT_DOUBLE_EQ(t.construction_seabed, -9.0);
    EXPECT_DOUBLE_EQ(t.young_coefficient, 200.0);
    EXPECT_DOUBLE_EQ(t.young_exponent, 0.0);

    const EmbedmentConditions& n = in.neire;
    EXPECT_EQ(to_file_value(n.sea.method), 1);
    EXPECT_DOUBLE_EQ(n.sea.first_value, 10.0);
    EXPECT_DOUBLE_EQ(n.sea.second_value, 0.5);
    EXPECT_DOUBLE_EQ(n.sea.kh, 0.0);
    EXPECT_EQ(to_file_value(n.seismic_rule), 1);
    EXPECT_DOUBLE_EQ(n.seismic_coefficient, 0.15);
    EXPECT_DOUBLE_EQ(n.regional_factor, 0.15);
    EXPECT_DOUBLE_EQ(n.ground_factor, 1.0);
    EXPECT_DOUBLE_EQ(n.importance_factor, 1.0);
    EXPECT_EQ(to_file_value(n.apparent_rule), 1);
    EXPECT_DOUBLE_EQ(n.apparent_coefficient, 0.0);
    EXPECT_EQ(to_file_value(n.land.method), 2);
    EXPECT_DOUBLE_EQ(n.land.kh, 3000.0);

    const CorrosionData& c = in.fsyok;
    EXPECT_DOUBLE_EQ(c.sea_rates[2], 0.1);
    EXPECT_DOUBLE_EQ(c.land_rates[2], 0.02);
    EXPECT_DOUBLE_EQ(c.allowance_water, 0.0);
    EXPECT_EQ(c.service_life, 50);
    EXPECT_DOUBLE_EQ(c.reduction_sea_water, 90.0);
    EXPECT_DOUBLE_EQ(c.reduction_seabed_mud, 80.0);
    EXPECT_EQ(to_file_value(c.check_range), 1);

    EXPECT_DOUBLE_EQ(in.tugit.section_inertia, 0.8);
    EXPECT_DOUBLE_EQ(in.tugit.embedment_inertia, 1.0);
    EXPECT_DOUBLE_EQ(in.tugit.section_modulus, 0.6);

    ASSERT_EQ(in.catalogue_piles.count, 3);
    EXPECT_EQ(in.catalogue_piles.ids[2], 103);
    ASSERT_EQ(in.added_piles.count, 1);
    EXPECT_EQ(in.added_piles.ids[0], 7);

    ASSERT_EQ(in.surcharge_count, 2);
    EXPECT_DOUBLE_EQ(in.surcharges[1].start, 5.0);
    EXPECT_DOUBLE_EQ(in.surcharges[1].end, 20.0);
    EXPECT_DOUBLE_EQ(in.surcharges[1].normal, 20.0);
    EXPECT_DOUBLE_EQ(in.surcharges[1].seismic, 10.0);

    ASSERT_EQ(in.force_normal_count, 1);
    EXPECT_EQ(in.forces_normal[0].name, utf8_to_cp932("係船柱牽引力"));
    EXPECT_DOUBLE_EQ(in.forces_normal[0].force, -12.5);
    EXPECT_DOUBLE_EQ(in.forces_normal[0].height, 2.5);
    ASSERT_EQ(in.force_seismic_count, 1);
    EXPECT_DOUBLE_EQ(in.forces_seismic[0].force, 6.0);

    ASSERT_EQ(in.steel_pipe_count, 1);
    EXPECT_DOUBLE_EQ(in.steel_pipes[0].diameter, 800.0);
    EXPECT_DOUBLE_EQ(in.steel_pipes[0].thickness, 12.0);
    EXPECT_DOUBLE_EQ(in.steel_pipes[0].joint, 2.0);

    ASSERT_EQ(in.land_layer_count, 2);
    const SoilLayerRow& clay = in.land_layers[1];
    EXPECT_DOUBLE_EQ(clay.top, -5.0);
    EXPECT_DOUBLE_EQ(clay.wet_weight, 17.0);
    EXPECT_DOUBLE_EQ(clay.submerged_weight, 8.0);
    EXPECT_DOUBLE_EQ(clay.saturated_weight, 18.0);
    EXPECT_DOUBLE_EQ(clay.friction_angle, 0.0);
    EXPECT_DOUBLE_EQ(clay.cohesion, 20.0);
    EXPECT_DOUBLE_EQ(clay.cohesion_increase, 1.5);
    EXPECT_EQ(to_file_value(clay.resistance_option), 2);
    EXPECT_DOUBLE_EQ(clay.n_value, 4.0);
    EXPECT_DOUBLE_EQ(clay.kh, 6000.0);
    EXPECT_EQ(to_file_value(in.land_layers[2].resistance_option), 1); // beyond the count: default
    ASSERT_EQ(in.sea_layer_count, 1);
    EXPECT_DOUBLE_EQ(in.sea_layers[0].cohesion_increase, 0.5);
    EXPECT_EQ(to_file_value(in.sea_layers[0].resistance_option), 3);

    ASSERT_EQ(in.ground_point_count, 2);
    EXPECT_DOUBLE_EQ(in.ground_points[1].distance, 10.0);
    EXPECT_DOUBLE_EQ(in.ground_points[1].level, 4.25);
    ASSERT_EQ(in.fill_count, 1);
    EXPECT_DOUBLE_EQ(in.fills[0].top, 5.0);
    EXPECT_DOUBLE_EQ(in.fills[0].saturated_weight, 20.0);

    const WaveConditions& w = in.wlvl;
    EXPECT_EQ(to_file_value(w.depth_rule), 1);
    EXPECT_DOUBLE_EQ(w.d, -5.0);
    EXPECT_DOUBLE_EQ(w.h_dash, -8.0);
    EXPECT_DOUBLE_EQ(w.h, -10.0);
    EXPECT_EQ(to_file_value(w.hb_rule), 2);
    EXPECT_DOUBLE_EQ(w.hb[0], 1.5);
    EXPECT_DOUBLE_EQ(w.hb[3], 4.5);

    const TideLevelRow& hhwl = in.tide_levels[kTideHhwl];
    EXPECT_EQ(to_file_value(hhwl.breaking_influence), 2);
    EXPECT_DOUBLE_EQ(hhwl.h13, 3.5);
    EXPECT_DOUBLE_EQ(hhwl.hmax, 6.3);
    EXPECT_EQ(to_file_value(hhwl.wave_length_method), 2);
    EXPECT_DOUBLE_EQ(hhwl.period, 10.0);
    EXPECT_DOUBLE_EQ(hhwl.wave_length, 80.0);
    EXPECT_DOUBLE_EQ(hhwl.incidence_angle, 15.0);
    EXPECT_DOUBLE_EQ(in.tide_levels[kTideHwl].wave_length, 70.25);
    EXPECT_EQ(to_file_value(in.tide_levels[kTideLwl].wave_length_method),
              2); // no line: default row

    EXPECT_EQ(to_file_value(in.nir_t.dynamic_water), 1);
    EXPECT_EQ(to_file_value(in.nir_t.pipe_secondary_check), 2);
    EXPECT_DOUBLE_EQ(in.nir_t.pipe_kh, 30000.0);
    EXPECT_DOUBLE_EQ(in.nir_t.lambda2, 0.6);
    EXPECT_EQ(to_file_value(in.nir_t.clay_normal_formula), 0);
    EXPECT_EQ(to_file_value(in.nir_t.okabe_when_negative), 1);
    EXPECT_EQ(to_file_value(in.static_water), 1);
    EXPECT_DOUBLE_EQ(in.add_1.normal_active, 15.0);
    EXPECT_DOUBLE_EQ(in.add_1.normal_passive, -15.0);
    EXPECT_DOUBLE_EQ(in.add_1.seismic_active, 7.5);
}

TEST(InputFile, FileOfAnEarlierReleaseFillsTheAddedConditionsFromJoken) {
    const InputRecord in = read_text(front_end_file(false));
    const AddedConditions& t = in.tjkn1;
    // joken item 5 (crown) is 3.50 and item 6 (seabed) -10.00.
    EXPECT_DOUBLE_EQ(t.superstructure_crown, 3.5);
    EXPECT_DOUBLE_EQ(t.pile_crown, 3.5);
    EXPECT_DOUBLE_EQ(t.construction_seabed, -10.0);
    EXPECT_DOUBLE_EQ(t.hhwl, 0.0);
    EXPECT_DOUBLE_EQ(t.cohesion_ref_level, 0.0);
    EXPECT_DOUBLE_EQ(t.allow_stress_normal, 0.0);
    EXPECT_DOUBLE_EQ(t.allow_stress_construction, 0.0);
    EXPECT_DOUBLE_EQ(t.young_coefficient, 0.0);
    // The line's own 90 and 80 are replaced: the old release knew no reduction.
    EXPECT_DOUBLE_EQ(in.fsyok.reduction_sea_water, 100.0);
    EXPECT_DOUBLE_EQ(in.fsyok.reduction_seabed_mud, 100.0);
}

TEST(InputRecordDefaults, ResetAndDefaultsAloneGiveTheDefaultWall) {
    InputRecord in;
    in.version_number = 2; // no default: must survive
    in.nir_t.dynamic_water = YesNo::Yes;
    in.nir_t.lambda2 = 0.7;
    in.land_layers[24].resistance_option = LayerKhOption::ChartFirstLine;
    in.swdat.studies = Studies::ConstructionOnly;
    reset_input_counters(in);
    set_input_defaults(in);

    const CalcSwitches& s = in.swdat;
    EXPECT_EQ(swdat_values(s), (std::vector<int>{1, 1, 1, 1, 2, 3, 1, 1, 111, 1, 1, 2, 1, 1}));
    const CorrosionData& c = in.fsyok;
    EXPECT_EQ(
        (std::vector<double>{c.sea_rates[0], c.sea_rates[1], c.sea_rates[2], c.sea_rates[3],
                             c.land_rates[0], c.land_rates[1], c.land_rates[2], c.allowance_water,
                             c.allowance_land, c.reduction_sea_water, c.reduction_seabed_mud}),
        (std::vector<double>{0.03, 0.03, 0.03, 0.03, 0.03, 0.03, 0.02, 1.0, 1.0, 100.0, 100.0}));
    EXPECT_EQ(c.service_life, 30);
    EXPECT_DOUBLE_EQ(
        in.tugit.section_inertia + in.tugit.embedment_inertia + in.tugit.section_modulus, 3.0);
    for (int i = 0; i < kMaxSoilLayerRows; ++i) {
        EXPECT_EQ(to_file_value(in.land_layers[i].resistance_option), 1);
        EXPECT_EQ(to_file_value(in.sea_layers[i].resistance_option), 1);
    }
    EXPECT_EQ(to_file_value(in.neire.sea.method), 1);
    EXPECT_DOUBLE_EQ(in.neire.land.second_value, 1.0);
    EXPECT_EQ(in.version_number, 2);
    EXPECT_EQ(to_file_value(in.nir_t.dynamic_water), 1);
    EXPECT_DOUBLE_EQ(in.nir_t.lambda2, 0.0);
    EXPECT_DOUBLE_EQ(in.steel_pipes[9].joint, 1.0);
    EXPECT_EQ(to_file_value(in.wavsw.examine[4]), 1);
}

TEST(InputFile, LineRules) {
    struct Case {
        const char* name;
        std::vector<std::string> lines;
        std::function<void(const InputRecord&)> check;
    };
    const std::vector<Case> cases = {
        {"key compared without case; studies and L.W.L. switch out of range read as 1",
         {"SWDAT,1,2,1,1,2,3,1,1,111,1,1,2,9,5"},
         [](const InputRecord& in) {
             EXPECT_EQ(to_file_value(in.swdat.embedment_method), 2);
             EXPECT_EQ(to_file_value(in.swdat.studies), 1);
             EXPECT_EQ(to_file_value(in.swdat.lwl_seismic), 1);
         }},
        {"studies 4 read as 1, L.W.L. switch 3 as 1",
         {"swdat,1,1,1,1,2,3,1,1,111,1,1,2,0,3", "swdat,1,1,1,1,2,3,1,1,111,1,1,2,4,2"},
         [](const InputRecord& in) {
             EXPECT_EQ(to_file_value(in.swdat.studies), 1);
             EXPECT_EQ(to_file_value(in.swdat.lwl_seismic), 2); // last line wins
         }},
        {"studies 0, both boxes clear in the front end, kept as neither study",
         {"swdat,1,1,1,1,2,3,1,1,111,1,1,2,0,1"},
         [](const InputRecord& in) { EXPECT_EQ(in.swdat.studies, Studies::Neither); }},
        {"ids stop at the first empty item",
         {"tyait,101,102,,104"},
         [](const InputRecord& in) {
             ASSERT_EQ(in.catalogue_piles.count, 2);
             EXPECT_EQ(in.catalogue_piles.ids[1], 102);
         }},
        {"two id lines append in line order",
         {"tyait,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24", "tyait,25,26,27"},
         [](const InputRecord& in) {
             ASSERT_EQ(in.catalogue_piles.count, 27);
             EXPECT_EQ(in.catalogue_piles.ids[23], 24);
             EXPECT_EQ(in.catalogue_piles.ids[26], 27);
         }},
        {"comments, empty and unknown lines change nothing",
         {"# comment,1,2", "", "xxxxx,1,2"},
         [](const InputRecord& in) {
             EXPECT_EQ(in.swdat.decision_code, 111);
             EXPECT_EQ(in.catalogue_piles.count, 0);
         }},
        {"a tide-level line replaces its row",
         {"lwl__,1,2,3,1,5,6,7", "lwl__,2,2.5,3,1,5,6,7"},
         [](const InputRecord& in) {
             EXPECT_EQ(to_file_value(in.tide_levels[kTideLwl].breaking_influence), 2);
             EXPECT_DOUBLE_EQ(in.tide_levels[kTideLwl].h13, 2.5);
         }},
        {"a file without swdat keeps the default switches",
         {"gyonm,\"A\""},
         [](const InputRecord& in) {
             EXPECT_EQ(to_file_value(in.swdat.decide_by_seabed_reaction), 2);
             EXPECT_EQ(in.swdat.decision_code, 111);
             EXPECT_EQ(to_file_value(in.swdat.earth_pressure_method), 2);
             EXPECT_EQ(in.version_number, 0);
             EXPECT_EQ(to_file_value(in.static_water), 0);
         }},
        {"a file of another version lacks later keys and keeps their defaults",
         {"versi,\"<1.00>\", 1 ", "gyonm,\"A\""},
         [](const InputRecord& in) {
             EXPECT_EQ(in.version_number, 1);
             EXPECT_EQ(in.fsyok.service_life, 30);
         }},
        {"LF line ends read like CR LF, no CR kept in a text", {}, [](const InputRecord&) {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.check(read_text(crlf_lines(c.lines)));
    }
    const InputRecord lf = read_text("gyonm,\"abc\"\nsdatu,1,2,3,4,5,6,7,2,9,10\n");
    EXPECT_EQ(lf.title, "abc");
    EXPECT_DOUBLE_EQ(lf.land_layers[0].kh, 10.0);
}

TEST(InputFile, BadInputStopsTheProgram) {
    std::string full_table;
    for (int i = 0; i <= kMaxSoilLayerRows; ++i)
        full_table += "sdatu,1,2,3,4,5,6,7,1,9,10\r\n";
    std::string ids;
    for (int line = 0; line < 3; ++line) {
        ids += "apdyt";
        for (int i = 0; i < 20; ++i)
            ids += ",5";
        ids += "\r\n";
    }
    const std::vector<std::pair<const char*, std::string>> cases = {
        {"26 land layers", full_table},
        {"60 added ids", ids},
        {"6 fills", "morid,1,2,3,4\r\nmorid,1,2,3,4\r\nmorid,1,2,3,4\r\nmorid,1,2,3,4\r\n"
                    "morid,1,2,3,4\r\nmorid,1,2,3,4\r\n"},
        {"infinite level", "joken,1e999\r\n"},
        {"not a number", "tugit,nan\r\n"},
    };
    for (const auto& [name, text] : cases) {
        SCOPED_TRACE(name);
        testing::internal::CaptureStderr();
        EXPECT_THROW(read_text(text), ProgramStop);
        EXPECT_NE(testing::internal::GetCapturedStderr().find("(ERROR)-"), std::string::npos);
    }

    ProgramFolder empty(false);
    InputRecord in;
    testing::internal::CaptureStderr();
    EXPECT_THROW(read_input(in, empty.file("CAL_FILE.DAT")), ProgramStop);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "error: (ERROR)-データファイルが選択されていません.\n\n");
}

// The front end writes every item of its keys as a number and every key on
// each run, so a field that is no number, an empty or missing one, a lost
// line or a value beyond what a box of the screens can hold is damage: read
// as 0 or as written it would design another wall. Each case stops the
// program naming the key, the item and the line.
TEST(InputFile, DamagedFrontEndFileStopsNamingKeyItemAndLine) {
    // Where a cut file ends: after the line end of the case's line, or before it.
    enum class Cut { None, AfterLine, InLine };
    struct Case {
        const char* damage;
        std::size_t line; // 1-based line replaced, the last one kept when cut
        const char* text; // its new text, or nullptr to delete it
        const char* message;
        Cut cut = Cut::None;
    };
    const Case cases[] = {
        {"decision switch no number", 3,
         "swdat, 1 , 2 , 1 , 2 , 2 , 3 , 2 , 1 , abc , 1 , 2 , 1 , 3 , 2 ",
         "(ERROR)-入力データ(swdat)の9番目の項目が数値ではありません(3行目)."},
        {"land-side unit weight no number", 17,
         "sdatu, 3.5 , abc , 10 , 20 , 30 , 0 , 0 , 1 , 0 , 3000 ",
         "(ERROR)-入力データ(sdatu)の2番目の項目が数値ではありません(17行目)."},
        {"an empty field", 5,
         "joken, 1.8 , 0 , 1 , 1.2 , 3.5 , -10 , -20.5 , -30 , 0 , 5.5 ,, 10 , 5 , 15 , 20 , 4 , 2 "
         ", "
         "2 ",
         "(ERROR)-入力データ(joken)の11番目の項目が数値ではありません(5行目)."},
        {"a line cut short", 9, "tugit, .8 , 1 ",
         "(ERROR)-入力データ(tugit)の3番目の項目が数値ではありません(9行目)."},
        {"a whole number with a fraction", 28, "wav_t, 1.5 ",
         "(ERROR)-入力データ(wav_t)の1番目の項目が整数ではありません(28行目)."},
        {"a switch with a fraction", 3,
         "swdat, 1 , 2 , 1 , 2 , 2 , 3 , 2 , 1 , 10.5 , 1 , 2 , 1 , 3 , 2 ",
         "(ERROR)-入力データ(swdat)の9番目の項目が整数ではありません(3行目)."},
        {"an infinite value", 20, "tikei, 0 , 1e999 ",
         "(ERROR)-入力データ(tikei)の2番目の項目が数値ではありません(20行目)."},
        {"adopted length no number", 26, "caldt, 12.5 , x ",
         "(ERROR)-入力データ(caldt)の2番目の項目が数値ではありません(26行目)."},
        {"friction angle beyond its box", 17,
         "sdatu, 3.5 , 18 , 10 , 20 , 1e30 , 0 , 0 , 1 , 0 , 3000 ",
         "(ERROR)-入力データ(sdatu)の5番目の項目が入力できる範囲を超えています(17行目)."},
        {"surcharge zone start beyond its box", 12, "josai, -1e308 , 5 , 10 , 5 ",
         "(ERROR)-入力データ(josai)の1番目の項目が入力できる範囲を超えています(12行目)."},
        {"adopted depth beyond its box", 26, "caldt, 12345 , 20 ",
         "(ERROR)-入力データ(caldt)の1番目の項目が入力できる範囲を超えています(26行目)."},
        {"a switch beyond a whole number of the screens", 28, "wav_t, 99999 ",
         "(ERROR)-入力データ(wav_t)の1番目の項目が入力できる範囲を超えています(28行目)."},
        {"corrosion line lost", 8, nullptr, "(ERROR)-入力データに(fsyok)の行がありません."},
        {"version line lost", 1, nullptr, "(ERROR)-入力データに(versi)の行がありません."},
        {"cut before the adopted values", 25, "hwl__, 1 , 3 , 5.4 , 1 , 9 , 70.25 , 0 ",
         "(ERROR)-入力データに(caldt)の行がありません.", Cut::AfterLine},
        {"cut before the corrosion line", 7,
         "neire, 1 , 10 , .5 , 0 , 1 , .15 , .15 , 1 , 1 , 1 , 0 , 2 , 1 , 1 , 3000 ",
         "(ERROR)-入力データに(fsyok)の行がありません.", Cut::AfterLine},
        {"last line cut in a number", 29, "add_1, 15 , -15 , 7.5 , 2",
         "(ERROR)-入力データの最終行が途中で切れています(29行目).", Cut::InLine},
        {"cut in the adopted length (20000 to 200)", 26, "caldt, 12.5 , 200",
         "(ERROR)-入力データの最終行が途中で切れています(26行目).", Cut::InLine},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.damage);
        std::vector<std::string> lines = front_end_lines(true);
        if (c.text != nullptr) {
            lines[c.line - 1] = c.text;
        } else {
            lines.erase(lines.begin() + static_cast<long>(c.line - 1));
        }
        if (c.cut != Cut::None) lines.resize(c.line);
        std::string text = crlf_lines(lines);
        if (c.cut == Cut::InLine) text.resize(text.size() - 2);
        testing::internal::CaptureStderr();
        EXPECT_THROW(read_text(text), ProgramStop);
        EXPECT_EQ(testing::internal::GetCapturedStderr(),
                  std::string("error: ") + c.message + "\n");
    }
    // The largest values the boxes hold are read.
    std::vector<std::string> lines = front_end_lines(true);
    lines[16] = "sdatu, 3.5 , 18 , 10 , 20 , 9999.99 , 0 , 0 , 1 , 0 , 99999999 ";
    const InputRecord in = read_text(crlf_lines(lines));
    EXPECT_DOUBLE_EQ(in.land_layers[0].friction_angle, 9999.99);
    EXPECT_DOUBLE_EQ(in.land_layers[0].kh, 99999999.0);
}

TEST(InputFile, EmptyNameOrNewDataReadsTheInstalledDefaultWall) {
    for (const char* name : {"", "New_Data"}) {
        SCOPED_TRACE(name);
        ProgramFolder folder(false);
        test::CurrentFolder here(folder);
        folder.write("TVNDATA.DEF", "joken,1,2,3,4,5.5,-10,-20,-30,0,0,10.1,0,0,5,5,1,1,1\r\n"
                                    "sdatu,1,2,3,4,5,6,7,2,9,10\r\n");
        InputRecord in;
        in.swdat.decision_code = 11; // reset to its default first
        in.land_layer_count = 3;     // counted afresh
        read_input(in, name);
        EXPECT_EQ(in.swdat.decision_code, 111);
        EXPECT_DOUBLE_EQ(in.joken.ground_crown, 5.5);
        EXPECT_EQ(in.land_layer_count, 1);
        EXPECT_DOUBLE_EQ(in.tjkn1.pile_crown, 5.5); // no tjkn1 line: filled from joken

        std::remove("TVNDATA.DEF");
        testing::internal::CaptureStderr();
        EXPECT_THROW(read_input(in, name), ProgramStop);
        EXPECT_EQ(testing::internal::GetCapturedStderr(),
                  "error: (ERROR)-データファイル(TVNDATA.DEF)がオープンできません.\n");
    }
}

TEST(InputFile, WrittenFileReadsBackAndCarriesSubmergedWeightAsSaturatedLessTen) {
    InputRecord in = read_text(front_end_file(true));
    in.land_layers[0].submerged_weight = 123.0; // ignored by the writer
    in.land_layers[0].saturated_weight = 19.0;
    in.catalogue_piles.count = 25;
    for (int i = 0; i < 25; ++i)
        in.catalogue_piles.ids[i] = 200 + i;
    // Quotes and commas inside texts must not shift the items after them.
    in.title = "Quay \"A\", 2";
    in.forces_normal[0].name = "\"\"F,1";

    ProgramFolder folder(false);
    ASSERT_EQ(write_input(in, folder.file("OUT")), 0);
    const std::string text = folder.read("OUT.CAL");
    EXPECT_NE(text.find("\r\nsdatu,3.50,18.000,9.000,19.000,30.0,0.000,0.000,1,0.0,3000.0\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("\r\ntyait,224\r\n"), std::string::npos); // 25 ids: lines of 24 and 1
    EXPECT_EQ(text.find("lwl__"), std::string::npos);             // not examined
    EXPECT_EQ(text.rfind("gyonm,\"Quay \"\"A\"\", 2\"\r\n", 0), 0u);

    InputRecord back;
    read_input(back, folder.file("OUT.CAL"));
    EXPECT_EQ(back.title, in.title);
    EXPECT_EQ(back.catalogue_piles.count, 25);
    EXPECT_DOUBLE_EQ(back.land_layers[0].submerged_weight, 9.0);
    EXPECT_DOUBLE_EQ(back.joken.embedment_level, -20.5);
    EXPECT_DOUBLE_EQ(back.tide_levels[kTideHwl].wave_length, 70.25);
    EXPECT_EQ(back.forces_normal[0].name, in.forces_normal[0].name);
    EXPECT_DOUBLE_EQ(back.forces_normal[0].force, in.forces_normal[0].force);
    EXPECT_EQ(to_file_value(back.wavsw.draw[1]), 2);
    EXPECT_DOUBLE_EQ(back.tjkn1.allow_stress_seismic, 270.0);

    EXPECT_EQ(write_input(in, folder.file("no/such/folder/OUT")), 1);
}

TEST(InputFile, ValuesOfEveryMagnitudeAreWrittenWhole) {
    // "%1.1lf" of the largest lateral constant is 11 characters, more than
    // an old reader's slot; a cut figure would read back as a number of
    // another magnitude.
    InputRecord in = read_text(front_end_file(true));
    in.land_layers[0].kh = kLateralConstantLimit;
    ProgramFolder folder(false);
    ASSERT_EQ(write_input(in, folder.file("OUT")), 0);
    InputRecord back;
    read_input(back, folder.file("OUT.CAL"));
    EXPECT_DOUBLE_EQ(back.land_layers[0].kh, kLateralConstantLimit);
}

} // namespace
} // namespace wtn
