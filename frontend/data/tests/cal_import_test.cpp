// Import of old calculation-input files, and their conversion to SI units.
#include "cal_import.h"
#include "number_text.h"
#include "sample_design.h"
#include "text_file.h"
#include "unit_conversion.h"

#include "program_folder.h"

#include <gtest/gtest.h>

#include <cmath>

namespace wtn {
namespace {

using test::ProgramFolder;
using test::sample_design;

// An old input file in gravitational units (tf/m3, tf/m2, tf/m, kgf/cm2),
// written as the old programs wrote it, with an empty last line.
const std::vector<std::string> kOldFile = {
    "versi,\"<1.00>\", 1 ",
    "gyonm,\"旧岸壁\"",
    "swdat, 1 , 5 , 1 , 2 , 2 , 2 , 1 , 1 , 1 , 1 , 1 , 1 , 3 , 1 ",
    "wavsw,\"任意\", 1 , 1 , .8 , 1 , 1 , 1 , 2 , 2 , 2 , 2 , 2 ",
    "joken, 2 , 0 , 0 , 1.25 , 3 ,-7.5 ,-20 ,-25 , 0 , 5 , 1.03 , 1 , .5 , 5 , 7.5 , 3 , 2 , 1 ",
    "tjkn1, 2.5 , 1.2 , 3 , 2.8 ,-10 , 10 , 1800 , 2700 , 1500 ,-7 , 2.05 , 6 ",
    "neire, 1 , 10 , .5 , 999 , 1 , .18 , .15 , 1 , 1.2 , 0 , .2 , 2 , 0 , 0 , 3000 ",
    "fsyok, .1 , .3 , .2 , .1 , .03 , .03 , .02 , 0 , 0 , 50 , 60 , 100 ",
    "tugit, 0 , .8 , 1 ",
    "tyait, 1 , 2 , 3 , 4 , 5 , 6 , 7 , 8 , 9 , 10 , 11 , 12 , 13 , 14 , 15 , 16 , 17 , 18 , 19 , "
    "20 , 21 , 22 , 23 , 24 ",
    "tyait, 25 , 26 , 27 ",
    "apdyt, 101 , 102 ",
    "josai, 0 , 5 , 1 , .5 ",
    "etcjs,\"波力\",-30 , 2 ",
    "etcjs,\"牽引力\", 1 , 3 ",
    "kokan, 1000 , 12 , 2 ",
    "kokan, 800 , 10 , 25.4 ",
    "sdatu, 3 , 1.8 , 1 , 2 , 30 , 0 , 0 , 1 , 0 , 1 ",
    "sdatu,-10 , 1.6 , .6 , 1.6 , 0 , 2 , .2 , 2 , 12.3 , 18450 ",
    "jdatu,-7.5 , 1.8 , 1 , 2 , 30 , 0 , 0 , 3 , 10 , 20000 ",
    "tikei, 0 , 3 ",
    "morid, 3 , 1.8 , 1 , 2 ",
    "wlvl_, 1 ,-8 ,-8 ,-7.5 , 2 , 50 ,-7.6 ,-7.7 , 0 , 0 ",
    "hhwl_, 1 , 2.35 , 4.23 , 2 , 8 , 60 , 0 ",
    "nir_t, 1 , 1 , 0 , 1 , 0 , 1 ",
    "",
};

DesignData import_lines(const std::vector<std::string>& lines, DesignData start,
                        ConversionScope* scope = nullptr) {
    ProgramFolder folder(false);
    write_text_file(folder.file("old.cal"), lines);
    const ConversionScope read = import_cal_file(start, folder.file("old.cal"));
    if (scope != nullptr) *scope = read;
    return start;
}

TEST(OldInputImport, KeysRebuildTheScreenFields) {
    DesignData start = sample_design(); // stands in for the template
    const DesignData d = import_lines(kOldFile, start);
    EXPECT_EQ(d.data_ver, kVersion100);
    EXPECT_EQ(d.data_title, fixed_text("旧岸壁", kTitleLength));
    EXPECT_EQ(d.sekkei_dat.neire_sw, EmbedmentMethod::SType);
    EXPECT_EQ(d.kanseiji_dat.jyo_sw, CheckBox::Clear); // item 6 = 2: seismic case only
    EXPECT_EQ(d.kanseiji_dat.jis_sw, CheckBox::Checked);
    EXPECT_EQ(d.sekkei_dat.kanseiji_sw, CheckBox::Checked); // item 13 = 3: both studies
    EXPECT_EQ(d.sekkei_dat.sekouji_sw, CheckBox::Checked);
    EXPECT_EQ(d.sekkei_dat.rwl_sw, ResidualLevelRule::Given); // kind 0: the given level
    EXPECT_EQ(d.sekkei_dat.tide_lvl[4], 1.25);
    EXPECT_EQ(d.tihyou_dat.ground_ang[1], 5.0);
    EXPECT_EQ(d.tihyou_dat.seabed_ang, 5.0);
    EXPECT_EQ(d.yaita_dat.young_exp, 6);
    // Sea side: code 1 under the S-type method is the rate of increase of N;
    // the coefficient is derived again when written.
    EXPECT_EQ(d.dosou_dat.dosou_hoho[1].hoho_sw, SideResistanceOption::STypeFromN);
    EXPECT_EQ(d.dosou_dat.dosou_hoho[1].hoho_k[0], 0.0);
    EXPECT_EQ(d.dosou_dat.dosou_hoho[1].hoho_n[2], 0.5);
    EXPECT_EQ(d.dosou_dat.dosou_hoho[0].hoho_sw, SideResistanceOption::Given);
    EXPECT_EQ(d.dosou_dat.dosou_hoho[0].hoho_k[0], 3000.0);
    EXPECT_EQ(d.kanseiji_dat.mikake_val, 0.2);
    EXPECT_EQ(d.yaita_dat.fsyok_dat.sea_rate, (std::array<double, 5>{0.1, 0.3, 0.3, 0.1, 0.0}));
    EXPECT_EQ(d.yaita_dat.fsyok_dat.land_rate[1], 0.02);
    EXPECT_EQ(d.yaita_dat.alpha_sw, CheckBox::Clear);
    EXPECT_EQ(d.yaita_dat.joint_alpha, (std::array<double, 3>{1.0, 0.8, 1.0}));
    EXPECT_EQ(d.yaita_dat.yaita_sel[26].catalogue_id, 27); // two lines fill pairs 0 to 26
    EXPECT_EQ(d.yaita_dat.yaita_sel[27].catalogue_id, 0);
    EXPECT_EQ(d.yaita_dat.yaita_sel[0].user_id, 0); // "apdyt" is not read
    EXPECT_EQ(d.gairyoku_dat.gairyoku_jis[0].direction, ForceSide::Passive);
    EXPECT_EQ(d.gairyoku_dat.gairyoku_jis[0].force, 30.0);
    EXPECT_EQ(d.gairyoku_dat.gairyoku_jis[1].name, fixed_text("牽引力", kForceNameLength));
    EXPECT_EQ(d.yaita_dat.kokan_tbl[0].joint_type, PipeJoint::PT);
    EXPECT_EQ(d.yaita_dat.kokan_tbl[1].joint_type, PipeJoint::GivenSpacing);
    EXPECT_EQ(d.yaita_dat.kokan_tbl[1].joint_spacing, 25.4);
    const DosouRec& sand = d.dosou_dat.dosou_riku[0];
    EXPECT_EQ(sand.soil_sw, SoilKind::Sand);
    EXPECT_EQ(sand.kh_val[0], 1.0);
    const DosouRec& clay = d.dosou_dat.dosou_riku[1];
    EXPECT_EQ(clay.soil_sw, SoilKind::Clay); // no friction angle
    EXPECT_EQ(clay.kh_sw, LayerKhOption::LinearInN);
    EXPECT_EQ(clay.n_val[1], 12.3);
    EXPECT_EQ(clay.kh_val[1], 0.0); // derived constants are derived again
    EXPECT_EQ(d.sekouji_dat.goda_tbl[0].length_method, WaveLengthMethod::Given);
    EXPECT_EQ(d.sekouji_dat.goda_tbl[0].length, 60.0);
    // Rows the file does not carry are gone, not left from the template.
    EXPECT_EQ(d.dosou_dat.dosou_riku[2].unit_w[0], 0.0);
    EXPECT_EQ(d.tihyou_dat.josai_tbl[1].q_normal, 0.0);
    EXPECT_EQ(d.tihyou_dat.tikei_tbl[1].x, 0.0);
    EXPECT_EQ(d.gairyoku_dat.gairyoku_jyo[0].force, 0.0);
}

TEST(OldInputImport, PileIdsOnlyForTheFreeChoiceTypes) {
    auto lines = kOldFile;
    lines[4] =
        "joken, 2 , 0 , 1 , 0 , 3 ,-7.5 ,-20 ,-25 , 0 , 5 , 1.03 , 1 , .5 , 5 , 7.5 , 1 , 2 , 1 ";
    const DesignData d = import_lines(lines, sample_design());
    EXPECT_EQ(d.sekkei_dat.rwl_sw, ResidualLevelRule::TwoThirdsOfRange);
    EXPECT_EQ(d.sekkei_dat.tide_lvl[4], 0.0);
    EXPECT_EQ(d.yaita_dat.yaita_sel[0].catalogue_id, 0);
    EXPECT_EQ(d.yaita_dat.pcyaita_sel[0].catalogue_id, 0);
}

TEST(OldInputImport, ConvertsOnlyWhatTheFileCarried) {
    ConversionScope scope;
    DesignData d = import_lines(kOldFile, sample_design(), &scope);
    conv_si_unit(d, scope);
    EXPECT_DOUBLE_EQ(d.sekkei_dat.water_w, 10.1);
    EXPECT_DOUBLE_EQ(d.yaita_dat.young_e, 201.0);
    EXPECT_DOUBLE_EQ(d.yaita_dat.stress_allow[0], 180.0);
    EXPECT_DOUBLE_EQ(d.yaita_dat.stress_allow[2], 147.1);
    EXPECT_DOUBLE_EQ(d.tihyou_dat.surcharge_q[0], 9.81);
    EXPECT_DOUBLE_EQ(d.tihyou_dat.josai_tbl[0].q_normal, 9.81);
    EXPECT_DOUBLE_EQ(d.tihyou_dat.morid_tbl[0].wet_w, 18.0);
    EXPECT_DOUBLE_EQ(d.gairyoku_dat.gairyoku_jis[0].force, 294.2); // 30 x 9.80665 = 294.1995
    EXPECT_DOUBLE_EQ(d.dosou_dat.dosou_riku[0].unit_w[0], 18.0);
    EXPECT_DOUBLE_EQ(d.dosou_dat.dosou_riku[1].unit_w[0], 15.691);
    // neire_sw 4: a given Ks is in tf/m3.5: x 9.8 / 1000 x 100^3.5
    EXPECT_DOUBLE_EQ(d.dosou_dat.dosou_hoho[0].hoho_k[0],
                     3000.0 * 9.8 / 1000.0 * std::pow(100.0, 3.5));

    // Without "tjkn1", "joken" and the tables, the template's SI values stay.
    const std::vector<std::string> small = {
        "gyonm,\"小\"", "swdat, 1 , 1 , 1 , 1 , 2 , 3 , 1 , 1 , 11 , 1 , 1 , 1 , 1 , 1 "};
    DesignData t = import_lines(small, sample_design(), &scope);
    conv_si_unit(t, scope);
    EXPECT_DOUBLE_EQ(t.yaita_dat.young_e, 200.0);
    EXPECT_DOUBLE_EQ(t.yaita_dat.stress_allow[1], 270.0);
    EXPECT_DOUBLE_EQ(t.sekkei_dat.water_w, 10.1);
    EXPECT_DOUBLE_EQ(t.tihyou_dat.surcharge_q[0], 10.0);
}

TEST(OldInputImport, BadFilesFailWithTheFileAndLineNamed) {
    struct Case {
        std::vector<std::string> lines;
        const char* expected_in_message;
    };
    std::vector<std::string> six_surcharges(6, "josai, 0 , 5 , 1 , .5 ");
    std::vector<std::string> sixteen_layers(16, "sdatu, 3 , 1.8 , 1 , 2 , 30 , 0 , 0 , 1 , 0 , 1 ");
    std::vector<std::string> six_forces(6, "etcjo,\"a\", 1 , 2 ");
    std::vector<std::string> four_fills(4, "morid, 3 , 1.8 , 1 , 2 ");
    const Case cases[] = {
        {six_surcharges, "6行目"},
        {sixteen_layers, "16行目"},
        {six_forces, "6行目"},
        {four_fills, "4行目"},
        {{"gyonm,\"a\"", "swdat"}, "2行目"}, // a line without a comma
        {{"tikei, 1 "}, "1行目"},            // too few items
        {{"tikei, 1 , x "}, "x"},            // text where a number belongs
        // The resistance option is checked before the N value is read.
        {{"sdatu, 3 , 1.8 , 1 , 2 , 30 , 0 , 0 , 9 , x , 1 "}, "横抵抗の計算方法が範囲外です。"},
    };
    for (const auto& c : cases) {
        ProgramFolder folder(false);
        write_text_file(folder.file("bad.cal"), c.lines);
        DesignData d;
        try {
            import_cal_file(d, folder.file("bad.cal"));
            ADD_FAILURE() << "imported: " << c.lines.back();
        } catch (const DataError& e) {
            const std::string message = e.what();
            EXPECT_NE(message.find("bad.cal"), std::string::npos) << message;
            EXPECT_NE(message.find(c.expected_in_message), std::string::npos) << message;
        }
    }
}

} // namespace
} // namespace wtn
