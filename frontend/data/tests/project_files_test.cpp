// Project files of the three versions, their defaults and the conversion of
// older projects to SI units; the customisation file.
#include "custom_file.h"
#include "number_text.h"
#include "project_reader.h"
#include "project_writer.h"
#include "sample_design.h"
#include "text_file.h"
#include "unit_conversion.h"

#include "program_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace wtn {
namespace {

using test::ProgramFolder;
using test::sample_design;

std::string bytes_of(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

const std::string kTemplatePath = std::string(WTN_SOURCE_DIR) + "/installed/新規.tn2";

TEST(ProjectFile, TemplateReadAndWrittenAgainIsByteIdentical) {
    ProgramFolder folder(false);
    DesignData d;
    read_data_file(d, kTemplatePath);
    EXPECT_EQ(d.data_ver, kVersion200);
    write_data_file(d, folder.file("copy.tn2"));
    EXPECT_EQ(bytes_of(folder.file("copy.tn2")), bytes_of(kTemplatePath));
    // The defaults an older project gets for the missing groups.
    EXPECT_EQ(d.kanseiji_dat.dynwater_sw, YesNo::No);
    EXPECT_EQ(d.yaita_dat.second_sw, YesNo::No);
    EXPECT_EQ(d.yaita_dat.joint_alpha, (std::array<double, 3>{1.0, 1.0, 1.0}));
    EXPECT_EQ(d.sekkei_dat.delta_jyo[1], -15.0);
    EXPECT_EQ(d.sekkei_dat.zevove_sw, YesNo::No);
}

TEST(ProjectFile, SavedProjectReadsBackToTheSameFile) {
    ProgramFolder folder(false);
    DesignData original = sample_design();
    original.sekkei_dat.zevove_sw = YesNo::Yes;
    original.yaita_dat.young_exp = 2;
    write_data_file(original, folder.file("a.tn2"));
    const auto lines = read_text_file(folder.file("a.tn2"));
    ASSERT_EQ(lines.size(), 168u);
    EXPECT_EQ(lines[1], "\"岸壁改良設計　第１工区                         \""); // 36 characters
    EXPECT_EQ(lines[2], "0,0,1,1,0,0,1,10.1");                     // zevove_sw saved as 1
    EXPECT_EQ(lines[151], "\"係船柱                 \",1,12.5,3"); // name as 20 characters

    DesignData reread;
    reread.sekouji_dat.kuroda_tbl[0].breaking =
        code_of_list_index<BreakingInfluence>(7); // not carried by the file
    read_data_file(reread, folder.file("a.tn2"));
    write_data_file(reread, folder.file("b.tn2"));
    EXPECT_EQ(bytes_of(folder.file("a.tn2")), bytes_of(folder.file("b.tn2")));
    EXPECT_EQ(reread.sekkei_dat.zevove_sw, YesNo::No);
    EXPECT_EQ(reread.yaita_dat.young_exp, 0);
    EXPECT_EQ(reread.sekouji_dat.kuroda_tbl[0].breaking, code_of_list_index<BreakingInfluence>(7));
    EXPECT_EQ(reread.dosou_dat.dosou_riku[0].n_val[1], 12.3);
    EXPECT_EQ(reread.gairyoku_dat.gairyoku_jis[0].name,
              fixed_text("地震時の外力", kForceNameLength));
    EXPECT_EQ(reread.caldt_vals, (std::array<double, 2>{12.5, 20.0}));
}

TEST(ProjectFile, TextsThatWouldBreakTheFileAreRefusedAndTheOldFileKept) {
    ProgramFolder folder(false);
    DesignData d = sample_design();
    write_data_file(d, folder.file("p.tn2"));
    const std::string before = bytes_of(folder.file("p.tn2"));
    d.gairyoku_dat.gairyoku_jyo[0].name = "係船柱\"A\"";
    try {
        write_data_file(d, folder.file("p.tn2"));
        FAIL() << "a double quote was written";
    } catch (const DataError& e) {
        EXPECT_NE(std::string(e.what()).find(kForceNameCaption), std::string::npos) << e.what();
    }
    d = sample_design();
    d.data_title = "岸壁\U0001F30A"; // no code page 932 character for it
    EXPECT_THROW(write_data_file(d, folder.file("p.tn2")), DataError);
    EXPECT_EQ(bytes_of(folder.file("p.tn2")), before);
    EXPECT_FALSE(folder.exists("p.tn2.tmp~"));
}

TEST(ProjectFile, SavingOverAFileKeepsItsPermissionsAndTheLinkToIt) {
    namespace fs = std::filesystem;
    ProgramFolder folder(false);
    DesignData d = sample_design();
    // A project shared through a group-writable file, opened through a link.
    write_data_file(d, folder.file("shared.tn2"));
    fs::permissions(folder.file("shared.tn2"), fs::perms(0664));
    fs::create_symlink(folder.file("shared.tn2"), folder.file("link.tn2"));

    d.data_title = "改訂";
    write_data_file(d, folder.file("link.tn2"));
    EXPECT_TRUE(fs::is_symlink(folder.file("link.tn2")));
    EXPECT_EQ(fs::status(folder.file("shared.tn2")).permissions(), fs::perms(0664));
    DesignData back;
    read_data_file(back, folder.file("shared.tn2"));
    EXPECT_EQ(trim_blanks(back.data_title), "改訂");
    EXPECT_FALSE(folder.exists("shared.tn2.tmp~"));
}

// The sample in the gravitational units of an older project.
DesignData gravitational_sample() {
    DesignData d = sample_design();
    d.sekkei_dat.water_w = 1.03;
    d.yaita_dat.young_e = 2.05;
    d.yaita_dat.young_exp = 6;
    d.yaita_dat.stress_allow = {1800.0, 1500.0, 2400.0, 0.0};
    d.tihyou_dat.surcharge_q = {1.0, 0.5, 0.0};
    d.tihyou_dat.morid_tbl[0] = MoridRow{3.0, 1.8, 2.0};
    d.tihyou_dat.josai_tbl[0] = JosaiRow{0.0, 5.0, 1.0, 0.5};
    d.tihyou_dat.josai_tbl[1] = JosaiRow{};
    DosouRec& sand = d.dosou_dat.dosou_riku[0];
    sand.unit_w = {1.8, 2.0, 0.0};
    sand.kh_sw = LayerKhOption::Given;
    sand.kh_val = {1.0, 0.0, 0.0, 0.0, 0.0};
    DosouRec& clay = d.dosou_dat.dosou_riku[1];
    clay.unit_w = {1.6, 1.6, 0.0};
    clay.soil_val = {0.0, 2.0, 0.2, 0.0};
    d.gairyoku_dat.gairyoku_jyo[0].force = 1.0;
    d.sekouji_dat.wave_sw = WaveFormula::Goda;
    d.sekouji_dat.dissip_sw = DissipatingWorks::Present; // Goda with wave-dissipating works
    d.sekouji_dat.lambda1 = 0.8;
    return d;
}

// Lines 2 to 163 of a project file: the layout of a version-1.00 file, which
// still carries the exponent of the Young's modulus on line 18.
std::vector<std::string> v100_lines(const DesignData& d) {
    auto all = project_file_lines(d);
    std::string& line18 = all[17];
    std::size_t comma = 0;
    for (int i = 0; i < 4; ++i)
        comma = line18.find(',', comma) + 1;
    line18.replace(comma, line18.find(',', comma) - comma, std::to_string(d.yaita_dat.young_exp));
    return {all.begin() + 1, all.begin() + 163};
}

TEST(OlderProjectFile, Version100ReadsWithTheDefaultsOfLaterVersions) {
    ProgramFolder folder(false);
    write_text_file(folder.file("old.wtn"), v100_lines(gravitational_sample()));
    DesignData d = sample_design(); // what a previous project left
    d.kanseiji_dat.clay_sw = ClayNormalFormula::FirstOnly;
    read_data_file(d, folder.file("old.wtn"));
    EXPECT_EQ(d.data_ver, kVersion100);
    EXPECT_EQ(d.data_title, fixed_text("岸壁改良設計　第１工区", kTitleLength));
    EXPECT_EQ(d.kanseiji_dat.okabe_sw, OkabeWhenNegative::Off);
    EXPECT_EQ(d.sekkei_dat.delta_jyo[0], 15.0);
    EXPECT_EQ(d.sekkei_dat.delta_jis[1], -15.0);
    EXPECT_EQ(d.yaita_dat.alpha_sw, CheckBox::Clear);
    EXPECT_EQ(d.yaita_dat.joint_alpha, (std::array<double, 3>{1.0, 1.0, 1.0}));
    EXPECT_EQ(d.kanseiji_dat.clay_sw, ClayNormalFormula::CompareBoth);
}

TEST(OlderProjectFile, ConversionToSiMatchesHandConversions) {
    ProgramFolder folder(false);
    write_text_file(folder.file("old.wtn"), v100_lines(gravitational_sample()));
    DesignData d;
    read_data_file(d, folder.file("old.wtn"));
    conv_si_unit(d);
    EXPECT_DOUBLE_EQ(d.sekkei_dat.water_w, 10.1); // 1.03 x 9.81 = 10.1043
    EXPECT_DOUBLE_EQ(d.yaita_dat.young_e, 201.0); // 2.05e6 x 9.807 / 1e5 = 201.04
    EXPECT_EQ(d.yaita_dat.young_exp, 0);
    EXPECT_DOUBLE_EQ(d.yaita_dat.stress_allow[0], 180.0);    // tabled
    EXPECT_DOUBLE_EQ(d.yaita_dat.stress_allow[1], 147.1);    // 1500 x 9.807 / 100 = 147.105
    EXPECT_DOUBLE_EQ(d.yaita_dat.stress_allow[2], 235.0);    // tabled
    EXPECT_DOUBLE_EQ(d.tihyou_dat.surcharge_q[0], 9.81);     // 9.807
    EXPECT_DOUBLE_EQ(d.tihyou_dat.surcharge_q[1], 4.9);      // 4.9035 to 2 decimals
    EXPECT_DOUBLE_EQ(d.tihyou_dat.morid_tbl[0].wet_w, 18.0); // 1.8 x 9.8 = 17.64
    EXPECT_DOUBLE_EQ(d.tihyou_dat.josai_tbl[0].q_normal, 9.81);
    const DosouRec& sand = d.dosou_dat.dosou_riku[0];
    const DosouRec& clay = d.dosou_dat.dosou_riku[1];
    EXPECT_DOUBLE_EQ(sand.unit_w[0], 18.0);                     // sand: whole kN/m3
    EXPECT_DOUBLE_EQ(clay.unit_w[0], 15.691);                   // clay: 1.6 x 9.80665 = 15.69064
    EXPECT_DOUBLE_EQ(clay.soil_val[1], 19.613);                 // C0 2.0 x 9.80665
    EXPECT_DOUBLE_EQ(clay.soil_val[2], 1.961);                  // K 0.2 x 9.80665 = 1.96133
    EXPECT_DOUBLE_EQ(sand.kh_val[0], 1.0 * 9.8 / 1000.0 * 1e6); // Kh in kN/m3, unrounded
    EXPECT_DOUBLE_EQ(d.gairyoku_dat.gairyoku_jyo[0].force, 9.807);
    EXPECT_DOUBLE_EQ(d.sekouji_dat.lambda1, 0.8); // Goda with works keeps λ1
    EXPECT_DOUBLE_EQ(d.sekouji_dat.lambda2, 0.0);
    EXPECT_EQ(d.kanseiji_dat.dynwater_sw, YesNo::No);
    EXPECT_EQ(d.yaita_dat.second_sw, YesNo::No);
    EXPECT_EQ(d.sekkei_dat.zevove_sw, YesNo::No);
    // Levels and angles stay as read.
    EXPECT_DOUBLE_EQ(d.sekkei_dat.seabed_kansei, -7.5);
}

TEST(OlderProjectFile, LateralResistanceConstantsTakeThePowerOfTheirUnit) {
    // 2.0 tf/m^p is 2.0 x 9.8 / 1000 kN/m^p per cm^p of the old constants:
    // x 100^3 = 19600 (Kh, kN/m3), x 100^2.5 = 1960 (Kc, kN/m2.5),
    // x 100^3.5 = 196000 (Ks, kN/m3.5). The given constant C(0) of a layer and
    // A(0) of a method record follow the embedment method (0-based neire_sw).
    struct Case {
        int neire_sw;
        double layer_c0, method_a0;
    };
    const Case cases[] = {
        {0, 19600.0, 2.0},  // Chang: Kh
        {1, 19600.0, 2.0},  // Chang, multi-layer: Kh
        {2, 2.0, 1960.0},   // C-type: Kc on the method record
        {3, 1960.0, 2.0},   // C-type, multi-layer: Kc per layer
        {4, 2.0, 196000.0}, // S-type: Ks on the method record
    };
    for (const auto& c : cases) {
        DesignData d;
        d.sekkei_dat.neire_sw = code_of_list_index<EmbedmentMethod>(c.neire_sw);
        d.dosou_dat.dosou_umi[0].kh_val = {2.0, 2.0, 2.0, 2.0};
        d.dosou_dat.dosou_hoho[1].hoho_k = {2.0, 2.0, 2.0, 0.0};
        conv_si_unit(d);
        const DosouRec& l = d.dosou_dat.dosou_umi[0];
        const DosouHohoRec& m = d.dosou_dat.dosou_hoho[1];
        const double expected[] = {c.layer_c0,  19600.0, 19600.0, 1960.0,
                                   c.method_a0, 1960.0,  196000.0};
        const double got[] = {l.kh_val[0], l.kh_val[1], l.kh_val[2], l.kh_val[3],
                              m.hoho_k[0], m.hoho_k[1], m.hoho_k[2]};
        for (int i = 0; i < 7; ++i)
            EXPECT_NEAR(got[i], expected[i], expected[i] * 1e-12)
                << "neire_sw " << c.neire_sw << ", value " << i;
    }
}

TEST(OlderProjectFile, ModulusAndReductionRatesByTheirOwnRules) {
    struct Case {
        double young_e;
        int young_exp;
        int wave_sw, dissip_sw;
        double expected_e, lambda1, lambda2;
    };
    const Case cases[] = {
        {2.1, 7, 0, 0, 200.0, 0.8, 0.0},  // steel whatever the exponent
        {3.5, 5, 1, 0, 34.3, 1.0, 1.0},   // concrete; Kuroda: both rates 1
        {2.05, 6, 0, 1, 201.0, 1.0, 1.0}, // no works: both rates 1
    };
    for (const auto& c : cases) {
        DesignData d;
        d.yaita_dat.young_e = c.young_e;
        d.yaita_dat.young_exp = c.young_exp;
        d.sekouji_dat.wave_sw = code_of_list_index<WaveFormula>(c.wave_sw);
        d.sekouji_dat.dissip_sw = code_of_list_index<DissipatingWorks>(c.dissip_sw);
        d.sekouji_dat.lambda1 = 0.8;
        conv_si_unit(d);
        EXPECT_DOUBLE_EQ(d.yaita_dat.young_e, c.expected_e) << c.young_e;
        EXPECT_DOUBLE_EQ(d.sekouji_dat.lambda1, c.lambda1) << c.young_e;
        EXPECT_DOUBLE_EQ(d.sekouji_dat.lambda2, c.lambda2) << c.young_e;
    }
    DesignData huge;
    huge.yaita_dat.young_e = 2.0;
    huge.yaita_dat.young_exp = 400;
    EXPECT_THROW(conv_si_unit(huge), DataError);
}

TEST(OlderProjectFile, Version101CutShortDefaultsEachMissingGroup) {
    ProgramFolder folder(false);
    DesignData source = gravitational_sample();
    source.sekouji_dat.dissip_sw = DissipatingWorks::Absent;
    source.yaita_dat.fsyok_dat.sea_rate = {0.3, 0.3, 0.1, 0.03, 0.0};
    source.yaita_dat.fsyok_dat.land_rate = {0.03, 0.05, 0.02, 0.0};
    source.yaita_dat.fsyok_dat.range_sw = CorrosionRange::MudOnly;
    auto lines = project_file_lines(source);
    lines[0] = "\"<1.01>\"";

    // Lines 1 to 165: group 3 of the version-1.01 additions is missing; the
    // last line without its line end, as older files may be.
    write_text_file(folder.file("a.wtn"), {lines.begin(), lines.begin() + 165});
    std::filesystem::resize_file(folder.file("a.wtn"),
                                 std::filesystem::file_size(folder.file("a.wtn")) - 2);
    DesignData d;
    d.yaita_dat.alpha_sw = CheckBox::Checked;
    read_data_file(d, folder.file("a.wtn"));
    EXPECT_EQ(d.data_ver, kVersion101);
    EXPECT_EQ(d.kanseiji_dat.dynwater_sw, YesNo::Yes); // read from line 164
    EXPECT_EQ(d.yaita_dat.alpha_sw, CheckBox::Clear);
    EXPECT_EQ(d.yaita_dat.joint_alpha, (std::array<double, 3>{1.0, 1.0, 1.0}));
    EXPECT_EQ(d.kanseiji_dat.okabe_sw, OkabeWhenNegative::Off);

    // Lines 1 to 161: no adopted values, an older corrosion layout, no additions.
    write_text_file(folder.file("b.wtn"), {lines.begin(), lines.begin() + 161});
    DesignData e;
    e.caldt_vals = {3.0, 4.0};
    read_data_file(e, folder.file("b.wtn"));
    EXPECT_EQ(e.caldt_vals, (std::array<double, 2>{0.0, 0.0}));
    EXPECT_EQ(e.yaita_dat.fsyok_dat.sea_rate[1], 0.3);
    EXPECT_EQ(e.yaita_dat.fsyok_dat.sea_rate[2], 0.3);
    EXPECT_EQ(e.yaita_dat.fsyok_dat.land_rate[1], 0.02);
    EXPECT_EQ(e.yaita_dat.fsyok_dat.range_sw, CorrosionRange::SeaWaterAndMud);
    EXPECT_EQ(e.kanseiji_dat.dynwater_sw, YesNo::No);
    EXPECT_EQ(e.yaita_dat.second_sw, YesNo::No);
    EXPECT_EQ(e.sekouji_dat.lambda1, 1.0); // no wave-dissipating works
    EXPECT_EQ(e.sekouji_dat.lambda2, 1.0);
}

TEST(ProjectFile, Version200TagMayHaveBlanksInsideItsQuotes) {
    ProgramFolder folder(false);
    DesignData source = sample_design();
    source.kanseiji_dat.clay_sw = ClayNormalFormula::FirstOnly;
    source.sekkei_dat.delta_jyo = {10.0, -10.0, 0.0};
    auto lines = project_file_lines(source);
    lines[0] = "\" <2.00> \"";
    write_text_file(folder.file("c.tn2"), lines);
    DesignData d;
    read_data_file(d, folder.file("c.tn2"));
    EXPECT_EQ(d.data_ver, kVersion200);
    EXPECT_EQ(d.kanseiji_dat.clay_sw, ClayNormalFormula::FirstOnly);
    EXPECT_EQ(d.sekkei_dat.delta_jyo[0], 10.0);
}

// A damaged project file is refused whole, with the line and the item as the
// screens caption it: read on, an extra or missing value would shift every
// later value into another item and load a different wall.
TEST(ProjectFile, DamagedFilesAreRefusedNamingLineAndItem) {
    ProgramFolder folder(false);
    const std::string example = std::string(WTN_SOURCE_DIR) + "/examples/uniform_sand.tn2";
    const std::vector<std::string> sound = read_text_file(example);
    ASSERT_EQ(sound.size(), 168u);
    auto replaced = [&](std::size_t line, const std::string& text) {
        auto lines = sound;
        lines[line - 1] = text;
        return lines;
    };
    auto appended = [&](std::size_t line, const std::string& text) {
        return replaced(line, sound[line - 1] + text);
    };
    auto without = [&](std::size_t line) {
        auto lines = sound;
        lines.erase(lines.begin() + static_cast<long>(line - 1));
        return lines;
    };
    auto doubled = [&](std::size_t line) {
        auto lines = sound;
        lines.insert(lines.begin() + static_cast<long>(line - 1), sound[line - 1]);
        return lines;
    };
    auto v101 = [&](std::size_t line, const std::string& text) {
        std::vector<std::string> lines(sound.begin(), sound.begin() + 166);
        lines[0] = "\"<1.01>\"";
        lines[line - 1] = text;
        return lines;
    };
    auto v100 = [&](std::size_t line, const std::string& text) {
        std::vector<std::string> lines(sound.begin() + 1, sound.begin() + 163);
        lines[line - 1] = text;
        return lines;
    };
    auto first = [&](std::size_t count) {
        return std::vector<std::string>(sound.begin(), sound.begin() + static_cast<long>(count));
    };
    struct Case {
        const char* damage;
        std::vector<std::string> lines;
        const char* message;   // after "ファイル「path」"
        bool open_end = false; // the last line is written without its line end
    };
    const Case cases[] = {
        {"a value added at the end of a line", appended(3, ",7"),
         "の3行目: 基本条件の「水の単位体積重量」の後に余分な値があります。"},
        {"the last value of a line deleted", replaced(5, "0,2.5,2.5,-2.5,-2.5,-4,-15"),
         "の5行目: 基本条件の「最終土層の下限高」がありません。"},
        {"an empty field: a surcharge zone's end", replaced(72, "0,0,0,0,0,,0,0,0,0"),
         "の72行目: 地表面の「上載荷重 No.1 作用範囲 Xmax」が空です。"},
        {"text where a number belongs", replaced(3, "0,0,1,0,0,0,1,abc"),
         "の3行目: 基本条件の「水の単位体積重量」が数値ではありません。"},
        {"a number in quotes", replaced(3, "0,0,1,0,0,0,1,\"10.1\""),
         "の3行目: 基本条件の「水の単位体積重量」が数値ではありません。"},
        {"a switch beyond any integer", replaced(3, "0,99999,1,0,0,0,1,10.1"),
         "の3行目: 基本条件の「根入れ部の計算方法」が-32768～32767の範囲にありません。"},
        {"the title without its quotes", replaced(2, "title"),
         "の2行目: 基本条件の「業務名称」が引用符で囲まれた文字列ではありません。"},
        {"a character after a closing quote", replaced(2, "\"title\"x"),
         "の2行目: 基本条件の「業務名称」の引用符が正しく閉じられていません。"},
        {"a line deleted", without(70),
         "の70行目: 地表面の「上載荷重 地震時」の後に余分な値があります。"},
        {"a line doubled", doubled(70), "の71行目: 地表面の「盛土 No.1 湿潤」がありません。"},
        {"a blank line inside the body", replaced(100, ""),
         "の100行目: 土層の「陸側土層 No.6 層上限の標高」がありません。"},
        {"a line too many", appended(168, "\r\n1"),
         "の169行目: 最後の項目の後に余分な行があります。"},
        {"cut in half", first(84),
         "が途中で終わっています（85行目の地表面の「地表面形状 No.31 Ｙ座標」がありません）。"},
        {"the last line deleted", first(167),
         "が途中で終わっています（168行目の基本条件の「壁面摩擦角 常時 主働側」がありません）。"},
        {"cut after the additions of version 1.01", first(166),
         "が途中で終わっています（167行目の完成時の「√内が負の値の場合、岡部式を用いる」がありませ"
         "ん）。"},
        {"cut after the body", first(161),
         "が途中で終わっています（162行目の検討結果の「施工根入れ深度」がありません）。"},
        {"cut in the last number: its line end lost", replaced(168, "15,-15,15,-1"),
         "の168行目: 行が途中で切れています（行末がありません）。", true},
        {"version 1.01: a value added to its last line", v101(166, "0,1,1,1,0,5"),
         "の166行目: 施工時の「静水圧考慮SW」の後に余分な値があります。"},
        {"version 1.00: text in the adopted values", v100(161, "x,0"),
         "の161行目: 検討結果の「施工根入れ深度」が数値ではありません。"},
        {"an adopted depth beyond its box", replaced(162, "12345,0"),
         "の162行目: 検討結果の「施工根入れ深度」が入力できる範囲を超えています。"},
    };
    for (const Case& c : cases) {
        const std::string path = folder.file("damaged.tn2");
        std::vector<std::string> lines = c.lines;
        // A line with a break inside stands for two lines of the file.
        std::vector<std::string> split;
        for (const std::string& l : lines) {
            const std::size_t cr = l.find("\r\n");
            split.push_back(l.substr(0, cr));
            if (cr != std::string::npos) split.push_back(l.substr(cr + 2));
        }
        write_text_file(path, split);
        if (c.open_end) std::filesystem::resize_file(path, std::filesystem::file_size(path) - 2);
        DesignData d = sample_design();
        try {
            read_data_file(d, path);
            ADD_FAILURE() << c.damage << ": read";
        } catch (const DataError& e) {
            EXPECT_EQ(std::string(e.what()), "ファイル「" + path + "」" + c.message) << c.damage;
        }
    }
    DesignData d;
    EXPECT_THROW(read_data_file(d, folder.file("missing.tn2")), DataError);
}

// Every example project and the template open as they are, and write back
// to the same bytes.
TEST(ProjectFile, ExamplesAndTemplateOpenUnchanged) {
    ProgramFolder folder(false);
    std::vector<std::string> files = {kTemplatePath};
    for (const auto& entry :
         std::filesystem::directory_iterator(std::string(WTN_SOURCE_DIR) + "/examples"))
        if (entry.path().extension() == ".tn2") files.push_back(entry.path().string());
    ASSERT_GT(files.size(), 10u);
    for (const std::string& file : files) {
        DesignData d;
        ASSERT_NO_THROW(read_data_file(d, file)) << file;
        write_data_file(d, folder.file("copy.tn2"));
        EXPECT_EQ(bytes_of(folder.file("copy.tn2")), bytes_of(file)) << file;
    }
}

CustomisationValues sample_custom() {
    CustomisationValues t;
    t.wall_friction_angle = 15.0;
    t.wall_angle = 0.0;
    t.clay_failure_angle_normal = 45.0;
    t.clay_failure_angle_seismic = 40.0;
    t.apparent_crown_rule = from_file_value<CrownApparentRule>(1);
    t.ground_dummy_length = 50.0;
    t.consolidation_factor = 0.5;
    t.pile_tip_condition = from_file_value<PileTipCondition>(3);
    t.division_pitch = 0.1;
    t.corroded_section_rule = from_file_value<CorrodedSectionRule>(1);
    t.steel_significant_digits = 3;
    t.chang_embedment_numerator = 0.5;
    t.apparent_rounding_rule = from_file_value<SeismicRounding>(1);
    t.qu_denominator = 80.0;
    t.sindo_round_sw = from_file_value<SeismicRounding>(1);
    return t;
}

TEST(CustomisationFile, WrittenAndReadBack) {
    ProgramFolder folder(false);
    write_custom_file(sample_custom(), folder.path());
    const auto lines = read_text_file(folder.file(kCustomisationFileName));
    ASSERT_EQ(lines.size(), 20u);
    EXPECT_EQ(lines[4], kCustomDummyLine);
    EXPECT_EQ(lines[15], ".5");
    const CustomisationValues t = read_custom_file(folder.path());
    EXPECT_EQ(custom_file_lines(t), lines);
}

TEST(CustomisationFile, EighteenLinesReadWithZerosForTheLastTwo) {
    ProgramFolder folder(false);
    auto lines = custom_file_lines(sample_custom());
    lines[4] = "何でもよい,1,2"; // line 5 is dropped whatever it holds
    write_text_file(folder.file(kCustomisationFileName), {lines.begin(), lines.begin() + 18});
    const CustomisationValues t = read_custom_file(folder.path());
    EXPECT_EQ(t.qu_denominator, 0.0);
    EXPECT_EQ(to_file_value(t.sindo_round_sw), 0);
    EXPECT_EQ(to_file_value(t.apparent_crown_rule), 1);
    EXPECT_EQ(to_file_value(t.apparent_rounding_rule), 1);
    write_custom_file(t, folder.path());
    EXPECT_EQ(read_text_file(folder.file(kCustomisationFileName)).size(), 20u);
}

TEST(CustomisationFile, MissingOrShortFileIsNamed) {
    ProgramFolder folder(false);
    try {
        read_custom_file(folder.path());
        FAIL() << "a missing file was read";
    } catch (const DataError& e) {
        EXPECT_NE(std::string(e.what()).find(kCustomisationFileName), std::string::npos);
    }
    auto lines = custom_file_lines(sample_custom());
    write_text_file(folder.file(kCustomisationFileName), {lines.begin(), lines.begin() + 10});
    EXPECT_THROW(read_custom_file(folder.path()), DataError);
}

} // namespace
} // namespace wtn
