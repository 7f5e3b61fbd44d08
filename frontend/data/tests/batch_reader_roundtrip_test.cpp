// The calculation input written by the front end, read back by the batch
// programs' reader and compared field by field with the design data.
#include "cal_writer.h"
#include "cp932_codec.h"
#include "csv_line.h"
#include "derived_values.h"
#include "input_file.h"
#include "input_file_writer.h"
#include "input_record.h"
#include "number_text.h"
#include "sample_design.h"
#include "text_lines.h"

#include "program_folder.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <map>
#include <set>
#include <vector>

namespace wtn {
namespace {

using test::ProgramFolder;
using test::sample_design;

InputRecord read_back(DesignData& d) {
    ProgramFolder folder(false);
    write_cal_file(d, folder.file(kInputFileName));
    InputRecord input;
    reset_input_counters(input);
    set_input_defaults(input);
    read_input(input, folder.file(kInputFileName));
    return input;
}

TEST(BatchReaderRoundTrip, EveryGroupArrivesAsWritten) {
    DesignData d = sample_design();
    // A title of 36 full-width characters: 72 bytes in code page 932.
    d.data_title = "";
    for (int i = 0; i < kTitleLength; ++i)
        d.data_title += "岸";
    const InputRecord in = read_back(d);
    const SekkeiData& s = d.sekkei_dat;
    const KanseijiData& k = d.kanseiji_dat;
    const SekoujiData& w = d.sekouji_dat;
    const YaitaData& y = d.yaita_dat;

    EXPECT_EQ(in.title, utf8_to_cp932(d.data_title));
    EXPECT_EQ(in.version_text, kVersion200);
    EXPECT_EQ(in.version_number, 1);
    EXPECT_EQ(to_file_value(in.swdat.design_standard), to_file_value(s.std_sw));
    EXPECT_EQ(to_file_value(in.swdat.embedment_method), to_file_value(s.neire_sw));
    EXPECT_EQ(to_file_value(in.swdat.decide_by_seabed_reaction), 2);
    EXPECT_EQ(to_file_value(in.swdat.completed_cases), 3);
    EXPECT_EQ(in.swdat.decision_code, 11);
    EXPECT_EQ(to_file_value(in.swdat.studies), 3);

    EXPECT_EQ(in.wavsw.user_tide_name, utf8_to_cp932(trim_blanks(s.tide_name)));
    EXPECT_EQ(to_file_value(in.wavsw.wave_formula), 1);
    EXPECT_EQ(to_file_value(in.wavsw.dissipating_works), 2);
    EXPECT_EQ(to_file_value(in.wavsw.examine[1]), 1);
    EXPECT_EQ(to_file_value(in.wavsw.examine[2]), 2);
    EXPECT_EQ(to_file_value(in.wavsw.draw[1]), 2);

    EXPECT_DOUBLE_EQ(in.joken.hwl, s.tide_lvl[1]);
    EXPECT_DOUBLE_EQ(in.joken.residual_level, residual_water_level(s));
    EXPECT_DOUBLE_EQ(in.joken.ground_crown, d.dosou_dat.dosou_riku[0].top_lvl);
    EXPECT_DOUBLE_EQ(in.joken.design_seabed, s.seabed_kansei);
    EXPECT_DOUBLE_EQ(in.joken.water_weight, s.water_w);
    EXPECT_DOUBLE_EQ(in.joken.surcharge_seismic, d.tihyou_dat.surcharge_q[1]);
    EXPECT_EQ(to_file_value(in.joken.pile_type), to_file_value(y.yaita_kind));
    EXPECT_DOUBLE_EQ(in.tjkn1.hhwl, s.tide_lvl[0]);
    EXPECT_DOUBLE_EQ(in.tjkn1.allow_stress_seismic, y.stress_allow[1]);
    EXPECT_DOUBLE_EQ(in.tjkn1.young_coefficient, y.young_e);
    EXPECT_DOUBLE_EQ(in.tjkn1.young_exponent, 0.0);

    EXPECT_EQ(to_file_value(in.neire.sea.method), 2);
    EXPECT_DOUBLE_EQ(in.neire.sea.kh, 3000.0);
    EXPECT_DOUBLE_EQ(in.neire.seismic_coefficient, 0.18);
    EXPECT_DOUBLE_EQ(in.neire.importance_factor, k.sindo_factor[2]);
    EXPECT_EQ(to_file_value(in.neire.land.method), 1);
    EXPECT_DOUBLE_EQ(in.neire.land.first_value, 10.0);
    EXPECT_DOUBLE_EQ(in.neire.land.kh, 2090.0);

    EXPECT_DOUBLE_EQ(in.fsyok.sea_rates[0], y.fsyok_dat.sea_rate[0]);
    EXPECT_DOUBLE_EQ(in.fsyok.land_rates[2], y.fsyok_dat.land_rate[2]);
    EXPECT_EQ(in.fsyok.service_life, 50);
    EXPECT_DOUBLE_EQ(in.fsyok.reduction_sea_water, 60.0);
    EXPECT_EQ(to_file_value(in.fsyok.check_range), 0);
    EXPECT_DOUBLE_EQ(in.tugit.section_modulus, 1.0);

    ASSERT_EQ(in.catalogue_piles.count, 3);
    EXPECT_EQ(in.catalogue_piles.ids[2], 13);
    ASSERT_EQ(in.added_piles.count, 1);
    EXPECT_EQ(in.added_piles.ids[0], 101);

    ASSERT_EQ(in.surcharge_count, 2);
    EXPECT_DOUBLE_EQ(in.surcharges[1].end, 10.0);
    ASSERT_EQ(in.force_normal_count, 1);
    EXPECT_EQ(in.forces_normal[0].name, utf8_to_cp932("係船柱"));
    EXPECT_DOUBLE_EQ(in.forces_normal[0].force, -12.5);
    ASSERT_EQ(in.force_seismic_count, 1);
    ASSERT_EQ(in.steel_pipe_count, 2);
    EXPECT_DOUBLE_EQ(in.steel_pipes[0].joint, 25.0);
    EXPECT_DOUBLE_EQ(in.steel_pipes[1].joint, 2.0);

    ASSERT_EQ(in.land_layer_count, 2);
    const SoilLayerRow& sand = in.land_layers[0];
    EXPECT_DOUBLE_EQ(sand.top, 3.0);
    EXPECT_DOUBLE_EQ(sand.submerged_weight, 10.0);
    EXPECT_DOUBLE_EQ(sand.friction_angle, 30.0);
    EXPECT_DOUBLE_EQ(sand.cohesion, 0.0);
    EXPECT_EQ(to_file_value(sand.resistance_option), 2);
    EXPECT_DOUBLE_EQ(sand.n_value, 12.3);
    EXPECT_DOUBLE_EQ(sand.kh, 18450.0);
    const SoilLayerRow& clay = in.land_layers[1];
    EXPECT_DOUBLE_EQ(clay.friction_angle, 0.0);
    EXPECT_DOUBLE_EQ(clay.cohesion, 20.0);
    EXPECT_DOUBLE_EQ(clay.cohesion_increase, 2.0);
    EXPECT_DOUBLE_EQ(clay.kh, 5000.0);
    ASSERT_EQ(in.sea_layer_count, 1);
    EXPECT_DOUBLE_EQ(in.sea_layers[0].kh, 20000.0);
    ASSERT_EQ(in.ground_point_count, 2);
    EXPECT_DOUBLE_EQ(in.ground_points[1].level, 3.5);
    ASSERT_EQ(in.fill_count, 1);
    EXPECT_DOUBLE_EQ(in.fills[0].submerged_weight, 10.0);

    EXPECT_EQ(to_file_value(in.wlvl.depth_rule), 1);
    EXPECT_DOUBLE_EQ(in.wlvl.h, w.h_lvl);
    EXPECT_EQ(to_file_value(in.wlvl.hb_rule), 2);
    EXPECT_DOUBLE_EQ(in.wlvl.hb[1], w.hb_lvl[1]);
    const TideLevelRow& hhwl = in.tide_levels[kTideHhwl];
    EXPECT_EQ(to_file_value(hhwl.breaking_influence), 1);
    EXPECT_DOUBLE_EQ(hhwl.h13, 2.35);
    EXPECT_EQ(to_file_value(hhwl.wave_length_method), 1);
    EXPECT_DOUBLE_EQ(hhwl.wave_length, 70.85);
    EXPECT_DOUBLE_EQ(in.tide_levels[kTideHwl].wave_length, 60.0);
    EXPECT_DOUBLE_EQ(in.tide_levels[kTideHwl].incidence_angle, 15.0);

    EXPECT_EQ(to_file_value(in.nir_t.dynamic_water), 1);
    EXPECT_EQ(to_file_value(in.nir_t.pipe_secondary_check), 2);
    EXPECT_DOUBLE_EQ(in.nir_t.lambda2, 1.0);
    EXPECT_EQ(to_file_value(in.nir_t.okabe_when_negative), 1);
    EXPECT_EQ(to_file_value(in.static_water), 1);
    EXPECT_DOUBLE_EQ(in.add_1.normal_passive, -15.0);
    EXPECT_DOUBLE_EQ(in.add_1.seismic_active, 15.0);
}

// The lines of a calculation input grouped by key (lower case), in file order.
using LinesByKey = std::map<std::string, std::vector<CsvLine>>;

void add_line(LinesByKey& lines, const std::string& cp932_text) {
    CsvLine line;
    split_csv_line(cp932_text, line);
    std::string key = line.field(0);
    for (char& c : key)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    lines[key].push_back(line);
}

// Decimals of a number written in a fixed format ("12.35" has 2).
int decimals_of(const std::string& text) {
    const std::size_t point = text.find('.');
    return point == std::string::npos ? 0 : static_cast<int>(text.size() - point - 1);
}

// Every item of every line the front end writes reaches the reader's field
// of that item: the front end's file is read, written back by the library's
// writer in the reference formats, and the two files compared item by item.
// A value may differ only by the rounding of the reference format. The keys
// the library's writer leaves out (version, adopted values, options, static
// water, wall friction) are compared field by field in the other test.
TEST(BatchReaderRoundTrip, EveryItemOfEveryWrittenKeyReachesItsField) {
    DesignData d = sample_design();
    // Distinct values where the sample repeats one, so that two items read
    // into each other's fields cannot pass unnoticed.
    d.yaita_dat.joint_alpha = {0.9, 0.8, 0.7};
    d.yaita_dat.stress_allow = {180.0, 270.0, 150.0, 0.0};
    d.sekkei_dat.crown_yaita = 2.6;
    d.dosou_dat.dosou_hoho[1].hoho_n = {0.0, 7.0, 0.4};

    ProgramFolder folder(false);
    const std::vector<std::string> front_end_lines = cal_file_lines(d);
    write_cal_file(d, folder.file(kInputFileName));
    InputRecord input;
    reset_input_counters(input);
    set_input_defaults(input);
    read_input(input, folder.file(kInputFileName));
    ASSERT_EQ(write_input(input, folder.file("BACK")), 0);
    std::vector<std::string> written_back;
    ASSERT_TRUE(read_lines(folder.file("BACK.CAL"), written_back));

    LinesByKey sent;
    for (const std::string& line : front_end_lines)
        add_line(sent, utf8_to_cp932(line));
    LinesByKey back;
    for (const std::string& line : written_back)
        add_line(back, line);

    const std::set<std::string> not_written_back = {"versi", "caldt", "nir_t", "wav_t", "add_1"};
    for (const auto& [key, sent_lines] : sent) {
        if (not_written_back.count(key) != 0) continue;
        SCOPED_TRACE(key);
        ASSERT_EQ(back[key].size(), sent_lines.size());
        for (std::size_t n = 0; n < sent_lines.size(); ++n) {
            const CsvLine& from = sent_lines[n];
            const CsvLine& to = back[key][n];
            SCOPED_TRACE("line " + std::to_string(n + 1));
            EXPECT_EQ(to.texts, from.texts);
            ASSERT_EQ(to.fields.size(), from.fields.size());
            for (std::size_t item = 1; item < from.fields.size(); ++item) {
                const double tolerance = 0.5 * std::pow(10.0, -decimals_of(to.field(item))) + 1e-9;
                EXPECT_NEAR(to.real(item), from.real(item), tolerance)
                    << "item " << item << ": sent \"" << from.field(item) << "\", read back \""
                    << to.field(item) << "\"";
            }
        }
    }
    // Nothing the library's writer writes is missing from the front end's file.
    for (const auto& [key, lines] : back)
        EXPECT_EQ(sent.count(key), 1u) << key;
}

TEST(BatchReaderRoundTrip, OptionsAndWallFrictionArriveItemByItem) {
    DesignData d = sample_design();
    d.sekkei_dat.delta_jyo = {14.0, -13.0, 0.0};
    d.sekkei_dat.delta_jis = {12.0, -11.0, 0.0};
    d.yaita_dat.kh_lm = 30000.0;
    d.kanseiji_dat.clay_sw = ClayNormalFormula::FirstOnly;
    d.kanseiji_dat.okabe_sw = OkabeWhenNegative::Off;
    d.sekouji_dat.lambda2 = 0.8;
    const InputRecord in = read_back(d);

    EXPECT_EQ(to_file_value(in.nir_t.dynamic_water), 1);
    EXPECT_EQ(to_file_value(in.nir_t.pipe_secondary_check), 2);
    EXPECT_DOUBLE_EQ(in.nir_t.pipe_kh, 30000.0);
    EXPECT_DOUBLE_EQ(in.nir_t.lambda2, 0.8);
    EXPECT_EQ(to_file_value(in.nir_t.clay_normal_formula), 1);
    EXPECT_EQ(to_file_value(in.nir_t.okabe_when_negative), 0);
    EXPECT_DOUBLE_EQ(in.add_1.normal_active, 14.0);
    EXPECT_DOUBLE_EQ(in.add_1.normal_passive, -13.0);
    EXPECT_DOUBLE_EQ(in.add_1.seismic_active, 12.0);
    EXPECT_DOUBLE_EQ(in.add_1.seismic_passive, -11.0);
}

} // namespace
} // namespace wtn
