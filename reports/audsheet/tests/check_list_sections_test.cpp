// The blocks of the input check list, one input set per row: the runs of
// lines that must appear (each run consecutive, the runs in this order) and
// the lines that must not. Expected lines are the list's literals with the
// row's values; catalogue piles come from the installed catalogues of a
// fresh program folder.
#include "check_list_sections.h"
#include "cp932_codec.h"
#include "current_folder.h"
#include "format_values.h"
#include "program_folder.h"
#include "stop_capture.h"
#include "text_lines.h"
#include "tide_level_yes_no.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace wtn {
namespace {

using test::CurrentFolder;
using test::ProgramFolder;
using Lines = std::vector<std::string>;

std::string fmt(const char* format, double value) {
    return format_text(format, value);
}

// A wall section close to the defaults: completed state only, both cases,
// port standard, Chang's method, U piles, version 1.
CheckListData base_data() {
    CheckListData d;
    reset_input_counters(d.input);
    set_input_defaults(d.input);
    d.input.version_number = 1;
    d.input.title = "東岸壁";
    d.input.joken.hwl = 1.8;
    d.input.joken.lwl = 0.1;
    d.input.tjkn1.hhwl = 2.6;
    d.input.tjkn1.user_tide_level = 1.2;
    d.input.wavsw.user_tide_name = "朔望平均";
    d.custom.division_pitch = 0.5;
    d.custom.pile_tip_condition = from_file_value<PileTipCondition>(1);
    d.custom.steel_significant_digits = 3;
    d.custom.chang_embedment_numerator = 3.0;
    d.custom.qu_denominator = 12.5;
    return d;
}

void add_layer(std::array<SoilLayerRow, kMaxSoilLayerRows>& rows, int& count, SoilLayerRow row) {
    rows[static_cast<std::size_t>(count++)] = row;
}

SoilLayerRow sand_layer() {
    SoilLayerRow r;
    r.top = 3.5;
    r.wet_weight = 18.0;
    r.saturated_weight = 20.0;
    r.friction_angle = 30.0;
    r.resistance_option = LayerKhOption::LinearInN;
    r.n_value = 10.0;
    r.kh = 15000.0;
    return r;
}

SoilLayerRow clay_layer(int option, double n_value) {
    SoilLayerRow r;
    r.top = -5.0;
    r.wet_weight = 16.0;
    r.saturated_weight = 17.0;
    r.friction_angle = 0.0;
    r.cohesion = 20.0;
    r.cohesion_increase = 1.5;
    r.resistance_option = from_file_value<LayerKhOption>(option);
    r.n_value = n_value;
    r.kh = 3000.0;
    return r;
}

struct ListCase {
    const char* name;
    std::function<void(CheckListData&)> set;
    std::vector<Lines> runs;                       // each run consecutive, runs in order
    Lines absent;                                  // lines that must not appear
    std::map<std::string, std::string> files = {}; // written into the folder first
};

Lines written_list(const CheckListData& data, const std::map<std::string, std::string>& files) {
    ProgramFolder folder;
    for (const auto& [name, bytes] : files)
        folder.write(name, bytes);
    CurrentFolder here(folder);
    ListWriter list("CHKLIST.TMP");
    write_check_list(list, data);
    list.close();
    Lines lines;
    EXPECT_TRUE(read_lines("CHKLIST.TMP", lines));
    return lines;
}

std::string shown(const Lines& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += cp932_to_utf8_lossy(line) + "\n";
    return text;
}

// Index just past the first place at or after from where run stands whole.
std::size_t find_run(const Lines& lines, const Lines& run, std::size_t from) {
    for (std::size_t i = from; i + run.size() <= lines.size(); ++i) {
        if (std::equal(run.begin(), run.end(), lines.begin() + static_cast<std::ptrdiff_t>(i)))
            return i + run.size();
    }
    return std::string::npos;
}

const std::string kTwoLevelsHeading =
    "                         H.H.W.L.   H.W.L.    L.W.L.  任意潮位面";
const std::string kDash = " ──── ";
const std::string kLongSoil =
    " NO  標  高    γ      γt    φ　　  C0         K     SW    N値       K値";
const std::string kShortSoil = " NO  標  高    γ      γt    φ　　  C0         K";

std::vector<ListCase> list_cases() {
    return {
        {"completed state only: H.W.L. and L.W.L., the user level's name",
         [](CheckListData&) {},
         {{"@-2", "【高さ条件】", "", " ◎ 設計潮位(m)",
           fmt("  ◇ H.W.L.                   %16.2lf", 1.8),
           fmt("  ◇ L.W.L.                   %16.2lf", 0.1), "",
           " ◎ 任意潮位面名称            朔望平均", " ◎ 残留水位"}},
         {"@-5", "@-6", "@-7", fmt("  ◇ H.H.W.L.                 %16.2lf", 2.6),
          fmt("  ◇ 任意潮位面               %16.2lf", 1.2)}},
        {"neither study (both boxes clear): said so, no block of either study",
         [](CheckListData& d) {
             d.input.swdat.studies = Studies::Neither;
             d.input.swdat.completed_cases = from_file_value<CompletedCases>(0);
         },
         {{" ◎ 完成時・施工時の検討      0:検討しない", " ◎ 断面の決定方法"},
          {" ◎ 設計潮位(m)", fmt("  ◇ H.W.L.                   %16.2lf", 1.8),
           fmt("  ◇ L.W.L.                   %16.2lf", 0.1)}},
         {"@-3", "@-4", "@-5", "@-6", "【完成時】", " ◎ 完成時・施工時の検討      1:完成時のみ検討",
          " ◎ 常時・地震時検討          3:常時・地震時共に検討", " ◎ δ:壁面摩擦角(度)",
          " ◎ 残留水位"}},
        {"construction stage: exactly the drawn levels, no completed-state blocks",
         [](CheckListData& d) {
             InputRecord& in = d.input;
             in.swdat.studies = Studies::ConstructionOnly;
             in.wavsw.draw = yes_no_codes({1, 2, 2, 1, 1});
             in.forces_normal[0] = {"係船力", 10.0, 2.0};
             in.force_normal_count = 1;
             add_layer(in.land_layers, in.land_layer_count, sand_layer());
             add_layer(in.sea_layers, in.sea_layer_count, sand_layer());
         },
         {{" ◎ 設計潮位(m)", fmt("  ◇ H.H.W.L.                 %16.2lf", 2.6),
           fmt("  ◇ 任意潮位面               %16.2lf", 1.2), "",
           " ◎ 任意潮位面名称            朔望平均",
           fmt(" ◎ 矢板天端高(m)             %16.2lf", 0.0)},
          {"@-13", "【土質定数(陸側)】", "", kLongSoil},
          {"@-14", "【土質定数(海側)】", "", kShortSoil}},
         {"@-3", "@-10", "@-11", "@-12", "@-15", " ◎ 残留水位",
          fmt("  ◇ H.W.L.                   %16.2lf", 1.8),
          fmt("  ◇ L.W.L.                   %16.2lf", 0.1)}},
        {"normal case only: no seismic lines",
         [](CheckListData& d) { d.input.swdat.completed_cases = CompletedCases::NormalOnly; },
         {{"@-3", "【完成時】", "", " ◎ 常時・地震時検討          1:常時のみ検討",
           " ◎ 地表面形状                1:直線形状", " ◎ 粘性土主働土圧強度式(常時)２式の比較", "",
           "@-8"}},
         {"@-4", " ◎ 震度の取り扱い", " ◎ 粘性土の取り扱い"}},
        {"port standard, both cases, Arai-Yokoi, version 1",
         [](CheckListData& d) {
             d.input.neire.apparent_rule = ApparentSeismicRule::AraiYokoi;
             d.input.neire.seismic_coefficient = 0.15;
             d.input.nir_t.dynamic_water = YesNo::Yes;
         },
         {{" ◎ 粘性土主働土圧強度式(常時)２式の比較", "", "@-4", "【地震時】", "", " ◎ 設計震度",
           "  ◇ 計算SW                   0:直接入力",
           fmt("  ◇ 設計震度                 %16.2lf", 0.15), " ◎ 水中震度",
           "  ◇ 計算SW                   3:荒井・横井の提案式で計算",
           "  ◇ 動水圧作用SW             1:作用する", " ◎ 震度の取り扱い",
           "  ◇ R.W.L.位置               1:上側空中震度・下側見かけの震度",
           "  ◇ L.W.L.位置               1:上側空中震度・下側見かけの震度", " ◎ 粘性土の取り扱い",
           "  ◇ 土圧強度式               1:２式の比較",
           "  ◇ 土圧計算方法             2:直線補間をかけない", "", "@-8"}},
         {}},
        {"version 0: one reduction factor, no hydrodynamic switch",
         [](CheckListData& d) {
             d.input.version_number = 0;
             d.input.swdat.studies = Studies::Both;
             d.input.neire.apparent_rule = ApparentSeismicRule::AraiYokoi;
             d.input.wavsw.lambda1 = 0.8;
         },
         {{"", fmt(" ◎ 波圧の低減率λ            %16.2lf", 0.8),
           fmt(" ◎ d :根固め工orﾏｳﾝﾄﾞ被覆工高(m)%13.2lf", 0.0)}},
         {"  ◇ 動水圧作用SW             2:作用しない",
          fmt(" ◎ 波圧の低減率λ$S1$Z           %16.2lf", 0.8)}},
        {"fishery-port standard, seismic case: seismic lines under no heading",
         [](CheckListData& d) {
             d.input.swdat.design_standard = DesignStandard::FisheryPort;
             d.input.swdat.completed_cases = CompletedCases::SeismicOnly;
             d.input.neire.seismic_coefficient = 0.12;
             d.input.neire.apparent_rule = ApparentSeismicRule::GeneralFormula;
         },
         {{" ◎ 常時・地震時検討          2:地震時のみ検討",
           " ◎ 地表面形状                1:直線形状", "",
           fmt(" ◎ 設計震度                  %16.2lf", 0.12), " ◎ 水中震度",
           "  ◇ 計算SW                   1:γ／（γ－１０）･ｋで計算", " ◎ 震度の取り扱い"},
          {"@-11", "【腐食】", ""}},
         {"@-4", "【地震時】", "@-10", " ◎ 粘性土主働土圧強度式(常時)２式の比較"}},
        {"river standard, both cases: seismic values in the river block",
         [](CheckListData& d) {
             d.input.swdat.design_standard = DesignStandard::River;
             d.input.neire.seismic_rule = SeismicCoefficientRule::ProductOfFactors;
             d.input.neire.regional_factor = 0.15;
             d.input.neire.ground_factor = 1.2;
             d.input.neire.importance_factor = 1.0;
             d.input.neire.seismic_coefficient = 0.18;
             d.input.neire.apparent_rule = ApparentSeismicRule::Niken;
         },
         {{" ◎ 粘性土主働土圧強度式(常時)２式の比較", "", " ◎ 粘性土の取り扱い"},
          {"@-7",
           "【河川基準】",
           "",
           " ◎ 設計震度",
           "  ◇ 計算SW                   1:設計震度を係数から計算",
           fmt("  ◇ 地域別補正係数           %16.2lf", 0.15),
           fmt("  ◇ 地盤別補正係数           %16.2lf", 1.2),
           fmt("  ◇ 重要度別補正係数         %16.2lf", 1.0),
           fmt("  ◇ 設計震度                 %16.2lf", 0.18),
           " ◎ 水中震度",
           "  ◇ 計算SW                   2:二建の提案式で計算",
           " ◎ 腐食しろ(mm)",
           fmt("  ◇ 水側                     %16.2lf", 1.0),
           fmt("  ◇ 陸側                     %16.2lf", 1.0),
           " ◎ 矢板の継手効率",
           fmt("  ◇ 根入れ長計算時（Ｉ）     %16.1lf", 1.0),
           fmt("  ◇ 矢板断面計算時（Ｉ）     %16.1lf", 1.0),
           fmt("  ◇ 矢板断面計算時（Ｚ）     %16.1lf", 1.0),
           "",
           "@-12"}},
         {"@-4", "@-10", "@-11", " ◎ 震度の取り扱い"}},
        {"a standard code outside the list: labelled and listed as the river standard",
         [](CheckListData& d) {
             d.input.swdat.design_standard = from_file_value<DesignStandard>(4);
         },
         {{" ◎ 設計基準                  3:河川基準"}, {"@-7", "【河川基準】", "", " ◎ 設計震度"}},
         {"@-4", "@-10", "@-11"}},
        {"river standard, PC pile, construction stage: no river block",
         [](CheckListData& d) {
             d.input.swdat.design_standard = DesignStandard::River;
             d.input.swdat.studies = Studies::ConstructionOnly;
             d.input.joken.pile_type = PileType::Pc;
         },
         {{"@-8"}},
         {"@-7", "【河川基準】"}},
        {"Goda: a level not examined, a wave free of breaking with its length given",
         [](CheckListData& d) {
             InputRecord& in = d.input;
             in.swdat.studies = Studies::ConstructionOnly;
             in.wavsw.examine = yes_no_codes({2, 1, 1, 1, 1});
             in.tide_levels[kTideHwl] = {BreakingInfluence::NotInfluenced,
                                         1.5,
                                         2.7,
                                         WaveLengthMethod::Given,
                                         6.0,
                                         48.5,
                                         10.0};
             in.tide_levels[kTideLwl] = {BreakingInfluence::Influenced,
                                         1.4,
                                         2.5,
                                         WaveLengthMethod::Computed,
                                         7.5,
                                         52.0,
                                         0.0};
             in.tide_levels[kTideUser] = {BreakingInfluence::Influenced,
                                          1.3,
                                          2.3,
                                          WaveLengthMethod::Computed,
                                          8.0,
                                          55.0,
                                          15.0};
         },
         {{"@-6", "【波圧算定用データ】", "", kTwoLevelsHeading,
           " ◎ 砕波の影響の有無    " + kDash + "    ×    " + "    ○    " + "    ○    ",
           " ◎ 有義波高 H1/3(m)    " + kDash + fmt(" %8.2lf ", 1.5) + fmt(" %8.2lf ", 1.4) +
               fmt(" %8.2lf ", 1.3),
           " ◎ 波高 Hmax(m)        " + kDash + kDash + fmt(" %8.2lf ", 2.5) + fmt(" %8.2lf ", 2.3),
           " ◎ 波長SW              " + kDash + " 2:入  力 " + " 1:計  算 " + " 1:計  算 ",
           " ◎ 周期Ｔ(sec)         " + kDash + kDash + fmt(" %8.2lf ", 7.5) + fmt(" %8.2lf ", 8.0),
           " ◎ 波長Ｌ(m)           " + kDash + fmt(" %8.2lf ", 48.5) + fmt(" %8.2lf ", 52.0) +
               fmt(" %8.2lf ", 55.0),
           " ◎ 入射角β(度)        " + kDash + fmt(" %8.2lf ", 10.0) + fmt(" %8.2lf ", 0.0) +
               fmt(" %8.2lf ", 15.0),
           "", "@-8"}},
         {"@-7", " ◎ 消波工の有無              2:消波工なし"}},
        {"Kuroda / Hiroi: depth switch, HD of every examined level",
         [](CheckListData& d) {
             InputRecord& in = d.input;
             in.swdat.studies = Studies::ConstructionOnly;
             in.wavsw.wave_formula = WaveFormula::KurodaHiroi;
             in.wavsw.examine = yes_no_codes({1, 1, 2, 2, 1});
             in.wlvl.depth_rule = WaveDepthRule::AtToeWorks;
             in.tide_levels[kTideHhwl] = {BreakingInfluence::KurodaHiroiRow,
                                          1.5,
                                          2.7,
                                          WaveLengthMethod::Computed,
                                          6.0,
                                          48.5,
                                          10.0};
             in.tide_levels[kTideHwl] = {BreakingInfluence::KurodaHiroiRow,
                                         1.4,
                                         2.5,
                                         WaveLengthMethod::Given,
                                         7.5,
                                         52.0,
                                         0.0};
         },
         {{" ◎ 波圧算定式                2:黒田式／広井式（森平式）",
           " ◎ 消波工の有無              2:消波工なし"},
          {fmt(" ◎ h :構造物前面位置の地盤高(m) %13.2lf", 0.0),
           " ◎ 静水圧考慮SW              考慮しない", "", "@-7", "【波圧算定用データ】", "",
           " ◎ 波長・波圧計算用水深SW    2:ｄ位置の水深を使用", "", kTwoLevelsHeading,
           " ◎ 有義波高 H1/3(m)    " + fmt(" %8.2lf ", 1.5) + fmt(" %8.2lf ", 1.4) + kDash + kDash,
           " ◎ 波高 HD(m)          " + fmt(" %8.2lf ", 2.7) + fmt(" %8.2lf ", 2.5) + kDash + kDash,
           " ◎ 波長SW              " + std::string(" 1:計  算 ") + " 2:入  力 " + kDash + kDash,
           " ◎ 周期Ｔ(sec)         " + fmt(" %8.2lf ", 6.0) + kDash + kDash + kDash}},
         {"@-6", " ◎ 砕波の影響の有無    ", " ◎ ｈb位置地盤高計算SW       2:直接入力"}},
        {"a wave formula outside the list is computed and listed as Kuroda / Hiroi",
         [](CheckListData& d) {
             d.input.swdat.studies = Studies::ConstructionOnly;
             d.input.wavsw.wave_formula = from_file_value<WaveFormula>(3);
         },
         {{" ◎ 波圧算定式                2:黒田式／広井式（森平式）",
           " ◎ 消波工の有無              2:消波工なし"},
          {"@-7", "【波圧算定用データ】", "", " ◎ 波長・波圧計算用水深SW    1:ｈ位置の水深を使用"}},
         {"@-6"}},
        {"hb from the seabed slope",
         [](CheckListData& d) {
             d.input.swdat.studies = Studies::ConstructionOnly;
             d.input.wlvl.hb_rule = BreakerDepthRule::FromSlope;
             d.input.wlvl.slope_x = 30.0;
         },
         {{" ◎ ｈb位置地盤高計算SW       1:自動計算",
           fmt(" ◎ 海底面勾配                1/%1.2lf", 30.0),
           " ◎ 静水圧考慮SW              考慮しない"}},
         {" ◎ hb:有義波高の5倍離れた"}},
        {"hb given per examined level",
         [](CheckListData& d) {
             d.input.swdat.studies = Studies::ConstructionOnly;
             d.input.wavsw.examine = yes_no_codes({2, 1, 1, 2, 1});
             d.input.wlvl.hb = {-9.0, -8.5, -8.0, -7.5, 0.0};
             d.input.static_water = StaticWater::On;
         },
         {{" ◎ ｈb位置地盤高計算SW       2:直接入力", " ◎ hb:有義波高の5倍離れた",
           "    地点での地盤高(m)", fmt("  ◇ H.W.L.                   %16.2lf", -8.5),
           fmt("  ◇ L.W.L                    %16.2lf", -8.0),
           " ◎ 静水圧考慮SW              考慮する"}},
         {fmt("  ◇ H.H.W.L.                 %16.2lf", -9.0),
          fmt("  ◇ 任意潮位面               %16.2lf", -7.5)}},
        {"U pile: its form and grade",
         [](CheckListData& d) {
             d.input.joken.u_variant = USection::General;
             d.input.joken.steel_grade = SteelGrade::SY390;
         },
         {{"@-8", "【矢板条件】", "", " ◎ 使用矢板", "  ◇ 形式1                    1:Ｕ型",
           "  ◇ 形式2                    2:一般型", "  ◇ 材質                     2:SY390",
           fmt(" ◎ ヤング係数(kN/mm$U2$Z)        %16.1lf", 200.0)}},
         {}},
        {"steel piles of free choice: catalogue ids in input order, then the user's",
         [](CheckListData& d) {
             InputRecord& in = d.input;
             in.joken.pile_type = PileType::SteelOfFreeChoice;
             in.catalogue_piles.ids[0] = 22;
             in.catalogue_piles.ids[1] = 21;
             in.catalogue_piles.count = 2;
             in.added_piles.ids[0] = 7;
             in.added_piles.count = 1;
         },
         {{"@-9", "【矢板任意指定・鋼管矢板指定】", "",
           " NO      矢板の名称      Ｉ(cm$U4$Z/m)　  Ｚ(cm$U3$Z/m)",
           "  1  SP-III                   16800        1340",
           "  2  SP-II                     8740         874",
           "  3  A$$B                       5000         500", ""},
          {"@-10", "【腐食】", ""},
          {" ◎ 矢板の低減率", fmt("  ◇ 海中部                   %16.1lf", 100.0)}},
         {},
         {{"KOUYAITA.APD", "2\r\n5,\"X\",1,1,0\r\n7,\"A$B\",5000,500,0\r\n"}}},
        {"steel pipe piles: the pipe rows and the pipe grade",
         [](CheckListData& d) {
             InputRecord& in = d.input;
             in.joken.pile_type = PileType::SteelPipe;
             in.steel_pipes[0] = {800.0, 12.0, 1.0};
             in.steel_pipes[1] = {1000.0, 14.5, 2.0};
             in.steel_pipe_count = 2;
             in.nir_t.pipe_secondary_check = YesNo::Yes;
             in.nir_t.pipe_kh = 20000.0;
         },
         {{"  ◇ 材質                     1:SKY400"},
          {" ◎ 二次応力度の検討", "  ◇ 検討SW                   1:検討する", ""},
          {"@-9", "【矢板任意指定・鋼管矢板指定】", "", " NO   外径(mm)   厚さ(mm)     継手",
           "  1     800.00       12.0       1.0", "  2    1000.00       14.5       2.0", ""}},
         {"  ◇ 横方向地盤反力係数(kN/m$U3$Z)" + fmt("%16.1lf", 20000.0)}},
        {"PC piles of free choice: the moment column",
         [](CheckListData& d) {
             d.input.joken.pile_type = PileType::PcOfFreeChoice;
             d.input.catalogue_piles.ids[0] = 51;
             d.input.catalogue_piles.count = 1;
         },
         {{"  ◇ 形式1                    7:ＰＣ矢板任意指定",
           fmt(" ◎ ヤング係数(kN/mm$U2$Z)        %16.1lf", 34.8)},
          {" NO      矢板の名称      Ｉ(cm$U4$Z/m)    Ｚ(cm$U3$Z/m)  Ｍγ(kN･m/m)",
           "  1  PC-150S                  28125        3750        18.8", ""}},
         {}},
        {"PC pile: no material, allowables, rates or factors",
         [](CheckListData& d) { d.input.joken.pile_type = PileType::Pc; },
         {{"  ◇ 形式1                    6:ＰＣ矢板",
           fmt(" ◎ ヤング係数(kN/mm$U2$Z)        %16.1lf", 34.8), " ◎ 矢板の許容変位量(cm)"},
          {"@-10", "【腐食】", "", "", "@-12"}},
         {"  ◇ 材質                     1:SY295", " ◎ 矢板の許容応力度(N/mm$U2$Z)", "@-9"}},
        {"corrosion judged in the seabed mud only: no sea-water rates",
         [](CheckListData& d) {
             d.input.fsyok.check_range = CorrosionRange::MudOnly;
             d.input.fsyok.sea_rates = {0.1, 0.2, 0.3, 0.04};
             d.input.fsyok.land_rates = {0.1, 0.3, 0.05};
         },
         {{"@-10", "【腐食】", "", " ◎ 腐食後断面検討SW              海底泥層中のみ検討",
           " ◎ 腐食速度(mm/年)", fmt("  ◇ 海側 海底泥層中          %16.3lf", 0.04),
           fmt("  ◇ 陸側 海底泥層中          %16.3lf", 0.05),
           format_text(" ◎ 耐用年数(年)              %16d", 30), "", "@-12"}},
         {}},
        {"joint efficiency: embedment I, section I and Z each in their place",
         [](CheckListData& d) {
             d.input.tugit.section_inertia = 1.0;
             d.input.tugit.embedment_inertia = 0.8;
             d.input.tugit.section_modulus = 0.9;
         },
         {{" ◎ 矢板の継手効率", fmt("  ◇ 根入れ長計算時（Ｉ）     %16.2lf", 0.8),
           fmt("  ◇ 矢板断面計算時（Ｉ）     %16.2lf", 1.0),
           fmt("  ◇ 矢板断面計算時（Ｚ）     %16.2lf", 0.9)}},
         {}},
        {"Young's modulus with a power of ten",
         [](CheckListData& d) {
             d.input.tjkn1.young_coefficient = 2.0;
             d.input.tjkn1.young_exponent = 5.0;
         },
         {{" ◎ ヤング係数(kN/mm$U2$Z)                200000.0"}},
         {}},
        {"straight ground, seismic case only",
         [](CheckListData& d) {
             d.input.swdat.completed_cases = CompletedCases::SeismicOnly;
             d.input.joken.ground_angle = 5.0;
             d.input.joken.seabed_angle = 2.0;
             d.input.joken.surcharge_normal = 10.0;
             d.input.joken.surcharge_seismic = 5.0;
         },
         {{"@-12", "【地表面】", "", fmt(" ◎ 地表面傾斜角(度)          %16.1lf", 5.0),
           fmt(" ◎ 設計海底面傾斜角(度)      %16.1lf", 2.0), " ◎ 上載荷重(kN/m$U2$Z)",
           fmt("  ◇ 地震時                   %16.2lf", 5.0), "", "@-13"}},
         {fmt("  ◇ 常　時                   %16.2lf", 10.0)}},
        {"arbitrary ground: fills, surcharge strips of both cases, points",
         [](CheckListData& d) {
             InputRecord& in = d.input;
             in.swdat.ground_shape = GroundShape::Embankment;
             in.swdat.surcharge_mode = SurchargeMode::PerLayer;
             in.joken.seabed_angle = 1.5;
             in.fills[0] = {4.0, 18.0, 10.0, 20.0};
             in.fill_count = 1;
             in.surcharges[0] = {0.0, 5.5, 10.0, 5.0};
             in.surcharge_count = 1;
             in.ground_points[0] = {0.0, 3.5};
             in.ground_points[1] = {10.0, 4.0};
             in.ground_point_count = 2;
         },
         {{" ◎ 地表面形状                2:任意形状",
           " ◎ 荷重計算方法              2:各土層毎に計算した荷重"},
          {"@-12",
           "【地表面】",
           "",
           fmt(" ◎ 設計海底面傾斜角(度)      %16.1lf", 1.5),
           " ◎ 盛土の単位体積重量(kN/m$U3$Z)",
           "",
           "                              NO  層の上限  湿    潤  飽    和",
           "                               1      4.00    18.000    20.000",
           "",
           " ◎ 上載荷重(kN/m$U2$Z)",
           "",
           "                              NO    作用範囲(m)   常    時  地 震 時",
           "                               1   0.000～ 5.500     10.00      5.00",
           "【地表面形状座標値】",
           "",
           " NO   Ｘ座標   Ｙ座標",
           "  1    0.000    3.500",
           "  2   10.000    4.000",
           "",
           "@-13"}},
         {" ◎ 地表面傾斜角(度)"}},
        {"soil layers: sand dashes its cohesion, clay dashes what it lacks",
         [](CheckListData& d) {
             InputRecord& in = d.input;
             add_layer(in.land_layers, in.land_layer_count, sand_layer());
             add_layer(in.land_layers, in.land_layer_count, clay_layer(2, 0.0));
             add_layer(in.land_layers, in.land_layer_count, clay_layer(1, 0.0));
             in.swdat.studies = Studies::Both;
         },
         {{"@-13", "【土質定数(陸側)】", "", kLongSoil,
           "       (m)  (kN/m$U3$Z) (kN/m$U3$Z)  (度)  (kN/m$U2$Z)                  (回)",
           "  1    3.50  18.000  20.000  30.0  ────  ────   2    10.0   15000.0",
           "  2   -5.00  16.000  17.000   0.0    20.000     1.500   2     0.0  ────",
           "  3   -5.00  16.000  17.000   0.0    20.000     1.500   1  ───    3000.0", ""}},
         {}},
        {"C-type method: short tables and the average N value",
         [](CheckListData& d) {
             InputRecord& in = d.input;
             in.swdat.embedment_method = EmbedmentMethod::CType;
             in.swdat.studies = Studies::Both;
             in.neire.land = {LateralResistanceMethod::DerivedFromSoil, 12.0, 0.5, 3500.0};
             in.neire.sea = {LateralResistanceMethod::Given, 8.0, 0.4, 2500.0};
             add_layer(in.land_layers, in.land_layer_count, sand_layer());
         },
         {{"@-13", "【土質定数(陸側)】", "", kShortSoil,
           "       (m)  (kN/m$U3$Z) (kN/m$U3$Z)  (度)  (kN/m$U2$Z)",
           "  1    3.50  18.000  20.000  30.0  ────  ────  ", "",
           " ◎ Ｋ値の計算方法            1:Ｎ値から計算",
           fmt(" ◎ 平均Ｎ値                  %16.1lf", 12.0),
           fmt(" ◎ 横抵抗定数                %16.1lf", 3500.0), ""},
          {"@-14", "【土質定数(海側)】", "", kShortSoil,
           "       (m)  (kN/m$U3$Z) (kN/m$U3$Z)  (度)  (kN/m$U2$Z)", "",
           " ◎ Ｋ値の計算方法            2:直接入力",
           fmt(" ◎ 横抵抗定数                %16.1lf", 2500.0), ""}},
         {kLongSoil}},
        {"S-type method, completed state only: the rate of increase on the sea side",
         [](CheckListData& d) {
             InputRecord& in = d.input;
             in.swdat.embedment_method = EmbedmentMethod::SType;
             in.neire.sea = {LateralResistanceMethod::DerivedFromSoil, 8.0, 0.45, 2500.0};
         },
         {{"@-13", "【土質定数(陸側)】", "", kShortSoil,
           "       (m)  (kN/m$U3$Z) (kN/m$U3$Z)  (度)  (kN/m$U2$Z)", "", "@-14"},
          {" ◎ Ｋ値の計算方法            1:Ｎ値から計算",
           fmt(" ◎ Ｎ値の増加率              %16.2lf", 0.45),
           fmt(" ◎ 横抵抗定数                %16.1lf", 2500.0), ""}},
         {}},
        {"other forces of both cases; a name holding $ keeps the columns",
         [](CheckListData& d) {
             InputRecord& in = d.input;
             in.forces_normal[0] = {"牽引$力", 12.5, 2.25};
             in.force_normal_count = 1;
             in.forces_seismic[0] = {"地震時の係船力", -3.0, 1.0};
             in.forces_seismic[1] = {"B", 4.0, 0.5};
             in.force_seismic_count = 2;
         },
         {{"@-15", "【その他外力】", "", " ◎ 常　時", "",
           "  NO        外力名称        水平力   作用高さ",
           "                            (kN/m)      (m)",
           // 20 columns of name: the escaping "$" takes no column.
           "   1  牽引$$力" + std::string(13, ' ') + fmt(" %8.3lf", 12.5) + fmt(" %8.3lf", 2.25),
           "", " ◎ 地震時", "", "  NO        外力名称        水平力   作用高さ",
           "                            (kN/m)      (m)",
           "   1  地震時の係船力" + std::string(6, ' ') + fmt(" %8.3lf", -3.0) +
               fmt(" %8.3lf", 1.0),
           "   2  B" + std::string(19, ' ') + fmt(" %8.3lf", 4.0) + fmt(" %8.3lf", 0.5), "", "",
           "@-16"}},
         {}},
        {"customisation: fixed tip, digits, Chang's numerator",
         [](CheckListData& d) {
             d.custom.pile_tip_condition = from_file_value<PileTipCondition>(3);
             d.custom.steel_significant_digits = 3;
             d.custom.chang_embedment_numerator = 2.5;
         },
         {{" ◎ 鋼矢板の有効桁数          3 桁", " ◎ 杭先端条件                3:杭先端固定"},
          {" ◎ 矢板の根入れ長(ﾁｬﾝの方式) 2.50:Ｌ＝ 2.50／β",
           " ◎ 応力計算用ﾓｰﾒﾝﾄ(港研方式) 0:仮想海底面位置での曲げモーメントを使用する",
           " ◎ みかけの震度丸め方法      0:四捨五入",
           fmt(" ◎ 粘性土 qu=N/X の分母値(X) %16.1lf", 12.5)}},
         {}},
        {"customisation: no digits, the default numerator",
         [](CheckListData& d) {
             d.custom.steel_significant_digits = 0;
             d.custom.chang_embedment_numerator = 0.0;
         },
         {{" ◎ 鋼矢板の有効桁数          0:小数点以下１桁目を四捨五入"},
          {" ◎ 矢板の根入れ長(ﾁｬﾝの方式) 0.0:Ｌ＝ 3.0／β"}},
         {}},
        {"customisation: a negative digit count and numerator mean the defaults",
         [](CheckListData& d) {
             d.custom.steel_significant_digits = -2;
             d.custom.chang_embedment_numerator = -1.0;
         },
         {{" ◎ 鋼矢板の有効桁数          -2:小数点以下１桁目を四捨五入"},
          {" ◎ 矢板の根入れ長(ﾁｬﾝの方式) -1.0:Ｌ＝ 3.0／β"}},
         {}},
        {"an embedment method outside the list prints its code and ends its line",
         [](CheckListData& d) {
             d.input.swdat.embedment_method = from_file_value<EmbedmentMethod>(6);
         },
         {{" ◎ 根入れ部の計算方法        6:", " ◎ 完成時・施工時の検討      1:完成時のみ検討"}},
         {}},
    };
}

TEST(CheckListSections, EachInputSetWritesItsLines) {
    for (const ListCase& c : list_cases()) {
        SCOPED_TRACE(c.name);
        CheckListData data = base_data();
        c.set(data);
        const Lines lines = written_list(data, c.files);
        std::size_t at = 0;
        for (const Lines& run : c.runs) {
            const std::size_t next = find_run(lines, run, at);
            if (next == std::string::npos) {
                ADD_FAILURE() << "missing in order:\n"
                              << shown(run) << "in the list:\n"
                              << shown(lines);
                break;
            }
            at = next;
        }
        for (const std::string& line : c.absent) {
            EXPECT_EQ(std::find(lines.begin(), lines.end(), line), lines.end())
                << "unexpected: " << cp932_to_utf8_lossy(line);
        }
    }
}

// Every list begins with its first marker and ends with the customisation
// block, which has no closing empty line.
TEST(CheckListSections, ListStartsWithAMarkerAndEndsOnTheLastCustomisationLine) {
    const Lines lines = written_list(base_data(), {});
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), "@-1");
    EXPECT_EQ(lines.back(), fmt(" ◎ 粘性土 qu=N/X の分母値(X) %16.1lf", 12.5));
}

// The title prints as typed inside its brackets: the blanks that pad it to
// its stored width are dropped, blanks inside it and before it stay, a title
// of 36 double-byte characters (72 bytes) is not cut, and a "$" prints as
// typed.
TEST(CheckListSections, TitlePrintsWithoutItsPaddingAndWhole) {
    std::string long_title;
    for (int i = 0; i < 35; ++i)
        long_title += "岸";
    const std::pair<std::string, std::string> cases[] = {
        {"東岸壁" + std::string(30, ' '), "[東岸壁]"},
        {" 東　岸壁 改良  ", "[ 東　岸壁 改良]"},
        {std::string(36, ' '), "[]"},
        {"", "[]"},
        {long_title + "$", "[" + long_title + "$$]"},
    };
    for (const auto& [title, bracket] : cases) {
        CheckListData data = base_data();
        data.input.title = title;
        const Lines lines = written_list(data, {});
        const std::string expected = " ◎ 業務名称 " + bracket;
        EXPECT_NE(std::find(lines.begin(), lines.end(), expected), lines.end()) << shown(lines);
    }
}

TEST(CheckListSections, MissingUserCatalogueStopsWithItsReadersMessage) {
    CheckListData data = base_data();
    data.input.joken.pile_type = PileType::PcOfFreeChoice;
    data.input.added_piles.ids[0] = 3;
    data.input.added_piles.count = 1;
    ProgramFolder folder;
    std::remove(folder.file("PCYAITA.APD").c_str());
    CurrentFolder here(folder);
    ListWriter list("CHKLIST.TMP");
    const std::string text = test::stop_text([&] { write_check_list(list, data); });
    EXPECT_EQ(text, "error: " + cp932_to_utf8("追加矢板ファイルがオープンできません."));
}

} // namespace
} // namespace wtn
