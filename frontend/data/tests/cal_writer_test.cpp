// The calculation input written from the design data, and the values the
// writer derives.
#include "cal_writer.h"
#include "derived_values.h"
#include "kh_chart.h"
#include "marume_round.h"
#include "number_text.h"
#include "row_tests.h"
#include "sample_design.h"

#include <gtest/gtest.h>

#include <cmath>

namespace wtn {
namespace {

using test::sample_design;

// Every line of the sample, worked out by hand from the design data.
TEST(CalculationInput, SampleSectionLineByLine) {
    DesignData d = sample_design();
    const std::vector<std::string> expected = {
        "versi,\"<2.00>\", 1 ",
        "gyonm,\"岸壁改良設計　第１工区\"",
        "swdat, 1 , 1 , 1 , 1 , 2 , 3 , 1 , 1 , 11 , 1 , 1 , 1 , 3 , 1 ",
        "wavsw,\"任意潮位\", 1 , 2 , 1 , 1 , 1 , 1 , 2 , 2 , 2 , 2 , 2 ",
        // R.W.L. = (2.0 - 0.0) x 2/3 + 0.0 = 1.333 -> 1.33
        "joken, 2 , 0 , 1 , 1.33 , 3 ,-7.5 ,-20 ,-25 , 0 , 0 , 10.1 , 10 , 5 , 5 , 7.5 , 3 , 2 , "
        "1 ",
        "tjkn1, 2.5 , 1.2 , 3 , 2.8 ,-10 , 10 , 180 , 270 , 180 ,-7 , 200 , 0 ",
        // sea side given 3000; k = 0.15 x 1.0 x 1.2 = 0.18; land side mean N 10 on the
        // N-Kc line: 10^(log 520 + (log 8400 - log 520) / 2) = sqrt(520 x 8400) = 2089.98
        "neire, 2 , 0 , 0 , 3000 , 1 , .18 , .15 , 1 , 1.2 , 1 , 0 , 1 , 10 , 0 , 2090 ",
        "fsyok, .3 , .1 , .1 , .03 , .03 , .02 , .02 , 0 , 0 , 50 , 60 , 100 , 0 ",
        "tugit, 1 , 1 , 1 ",
        "tyait, 11 , 12 , 13 ",
        "apdyt, 101 ",
        "josai, 0 , 5 , 10 , 5 ",
        "josai, 5 , 10 , 20 , 10 ",
        "etcjo,\"係船柱\",-12.5 , 3 ",
        "etcjs,\"地震時の外力\", 20 , 2 ",
        "kokan, 1000 , 12 , 25 ",
        "kokan, 800 , 10 , 2 ",
        // sand: Kh = 1500 x 12.3 = 18450; clay keeps its given 5000
        "sdatu, 3 , 18 , 10 , 20 , 30 , 0 , 0 , 2 , 12.3 , 18450 ",
        "sdatu,-10 , 16 , 6 , 16 , 0 , 20 , 2 , 1 , 0 , 5000 ",
        // Yokoyama's line is K = 2000 N: 20000 for N 10
        "jdatu,-7.5 , 18 , 10 , 20 , 30 , 0 , 0 , 3 , 10 , 20000 ",
        "tikei, 0 , 3 ",
        "tikei, 10 , 3.5 ",
        "morid, 3 , 18 , 10 , 20 ",
        "wlvl_, 1 ,-8 ,-8 ,-7.5 , 2 , 50 ,-7.6 ,-7.7 , 0 , 0 ",
        // H.H.W.L. 2.5 over h -7.5: depth 10 m, T 8 s: L = 70.85
        "hhwl_, 1 , 2.35 , 4.23 , 1 , 8 , 70.85 , 0 ",
        "hwl__, 2 , 2 , 3.6 , 2 , 7 , 60 , 15 ",
        "caldt, 12.5 , 20 ",
        "nir_t, 1 , 2 , 0 , 1 , 0 , 1 ",
        "wav_t, 1 ",
        "add_1, 15 ,-15 , 15 ,-15 ",
    };
    EXPECT_EQ(cal_file_lines(d), expected);
    EXPECT_EQ(cal_file_lines(d), expected); // the same data gives the same text
}

TEST(CalculationInput, VirtualSeabedSwitchIsWrittenOnceAsFound) {
    DesignData d = sample_design();
    d.sekkei_dat.zevove_sw = YesNo::Yes;
    EXPECT_EQ(cal_file_lines(d)[2],
              "swdat, 1 , 1 , 1 , 1 , 1 , 3 , 1 , 1 , 11 , 1 , 1 , 1 , 3 , 1 ");
    EXPECT_EQ(cal_file_lines(d)[2],
              "swdat, 1 , 1 , 1 , 1 , 2 , 3 , 1 , 1 , 11 , 1 , 1 , 1 , 3 , 1 ");
}

TEST(CalculationInput, CaseAndStageCodes) {
    struct Case {
        int kanseiji, sekouji, jyo, jis, case_code, stage_code;
    };
    const Case cases[] = {
        {0, 1, 0, 1, 1, 2}, // construction stage only: normal case whatever the boxes say
        {1, 0, 0, 1, 2, 1},
        {1, 1, 1, 0, 1, 3},
        {0, 0, 0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        DesignData d = sample_design();
        d.sekkei_dat.kanseiji_sw = code_of_list_index<CheckBox>(c.kanseiji);
        d.sekkei_dat.sekouji_sw = code_of_list_index<CheckBox>(c.sekouji);
        d.kanseiji_dat.jyo_sw = code_of_list_index<CheckBox>(c.jyo);
        d.kanseiji_dat.jis_sw = code_of_list_index<CheckBox>(c.jis);
        const std::string swdat = cal_file_lines(d)[2];
        std::vector<std::string> items;
        for (std::size_t at = 0; at != std::string::npos;) {
            const std::size_t comma = swdat.find(',', at);
            items.push_back(swdat.substr(at, comma == std::string::npos ? comma : comma - at));
            at = comma == std::string::npos ? comma : comma + 1;
        }
        ASSERT_EQ(items.size(), 15u);
        EXPECT_EQ(items[6], " " + std::to_string(c.case_code) + " ") << swdat;
        EXPECT_EQ(items[13], " " + std::to_string(c.stage_code) + " ") << swdat;
    }
}

std::vector<std::string> lines_with_key(const std::vector<std::string>& lines,
                                        const std::string& key) {
    std::vector<std::string> out;
    for (const auto& line : lines)
        if (line.rfind(key, 0) == 0) out.push_back(line);
    return out;
}

// An unused row in the middle of a table is skipped; the rows after it still
// reach the calculation.
TEST(CalculationInput, RowTablesSkipUnusedRowsAndWriteTheRowsAfterThem) {
    DesignData d = sample_design();
    TihyouData& t = d.tihyou_dat;
    t.josai_tbl[1] = JosaiRow{5.0, 10.0, 0.0, 0.0};
    t.josai_tbl[2] = JosaiRow{10.0, 15.0, 0.0, -15.0}; // a seismic intensity alone is used
    d.yaita_dat.kokan_tbl[1].thickness = 0.0;
    d.yaita_dat.kokan_tbl[2] = KokanRec{600.0, 9.0, PipeJoint::LT, 0.0};
    d.yaita_dat.kokan_tbl[3] = KokanRec{0.0, 5.0, PipeJoint::PT, 0.0}; // no diameter
    d.yaita_dat.kokan_tbl[4] = KokanRec{500.0, 8.0, PipeJoint::PP, 0.0};
    t.tikei_tbl[1] = TikeiPoint{};
    t.tikei_tbl[2] = TikeiPoint{0.0, -1.5}; // a point on the wall line below the datum
    t.morid_tbl[0] = MoridRow{};
    t.morid_tbl[1] = MoridRow{1.0, 0.0, 19.0}; // below water: wet weight left 0
    d.gairyoku_dat.gairyoku_jyo[0].force = 0.0;
    d.gairyoku_dat.gairyoku_jyo[1] = GairyokuRec{"けん引力", ForceSide::Active, -5.0, 1.5};
    d.dosou_dat.dosou_riku[0] = DosouRec{};
    d.dosou_dat.dosou_umi[1] = d.dosou_dat.dosou_umi[0];
    d.dosou_dat.dosou_umi[0].unit_w[0] = 0.0; // wet 0, saturated 20: used
    const auto lines = cal_file_lines(d);
    EXPECT_EQ(lines_with_key(lines, "josai"),
              (std::vector<std::string>{"josai, 0 , 5 , 10 , 5 ", "josai, 10 , 15 , 0 ,-15 "}));
    EXPECT_EQ(lines_with_key(lines, "kokan"),
              (std::vector<std::string>{"kokan, 1000 , 12 , 25 ", "kokan, 600 , 9 , 1 ",
                                        "kokan, 500 , 8 , 3 "}));
    EXPECT_EQ(lines_with_key(lines, "tikei"),
              (std::vector<std::string>{"tikei, 0 , 3 ", "tikei, 0 ,-1.5 "}));
    EXPECT_EQ(lines_with_key(lines, "morid"), std::vector<std::string>{"morid, 1 , 0 , 9 , 19 "});
    EXPECT_EQ(lines_with_key(lines, "etcjo"),
              std::vector<std::string>{"etcjo,\"けん引力\",-5 , 1.5 "});
    EXPECT_EQ(lines_with_key(lines, "sdatu"),
              std::vector<std::string>{"sdatu,-10 , 16 , 6 , 16 , 0 , 20 , 2 , 1 , 0 , 5000 "});
    EXPECT_EQ(lines_with_key(lines, "jdatu").size(), 2u);
    EXPECT_EQ(lines_with_key(lines, "jdatu")[0].rfind("jdatu,-7.5 , 0 ,", 0), 0u);
    // The soil top of the land side is the top of its first used layer.
    EXPECT_EQ(lines_with_key(lines, "joken")[0].rfind("joken, 2 , 0 , 1 , 1.33 ,-10 ,", 0), 0u);
}

TEST(CalculationInput, RowTestsOfEachTable) {
    EXPECT_TRUE(row_used(MoridRow{0.0, 0.0, 19.0}));
    EXPECT_TRUE(row_used(MoridRow{0.0, 18.0, 0.0}));
    EXPECT_FALSE(row_used(MoridRow{3.0, 0.0, 0.0}));
    EXPECT_FALSE(row_used(MoridRow{3.0, -1.0, 0.0}));
    EXPECT_TRUE(row_used(JosaiRow{0.0, 0.0, -2.0, 0.0}));
    EXPECT_FALSE(row_used(JosaiRow{5.0, 10.0, 0.0, 0.0}));
    EXPECT_TRUE(row_used(TikeiPoint{0.0, -1.5}));
    EXPECT_FALSE(row_used(TikeiPoint{0.0, 0.0}));
    EXPECT_TRUE(row_used(GairyokuRec{"", ForceSide::Active, -5.0, 0.0}));
    EXPECT_FALSE(row_used(GairyokuRec{"名前だけ", ForceSide::Passive, 0.0, 3.0}));
    EXPECT_TRUE(row_used(KokanRec{800.0, 12.0, PipeJoint::LT, 0.0}));
    EXPECT_FALSE(row_used(KokanRec{800.0, 0.0, PipeJoint::LT, 0.0}));
    EXPECT_FALSE(row_used(KokanRec{-800.0, 12.0, PipeJoint::LT, 0.0}));
    DosouRec layer;
    EXPECT_FALSE(row_used(layer));
    layer.unit_w[1] = 18.0;
    EXPECT_TRUE(row_used(layer));
}

TEST(CalculationInput, PileIdsOnlyForFreeChoiceTwentyFourToALine) {
    DesignData d = sample_design();
    for (int i = 0; i < 49; ++i)
        d.yaita_dat.yaita_sel[i] = {i + 1, 0};
    auto lines = cal_file_lines(d);
    const auto tyait = lines_with_key(lines, "tyait");
    ASSERT_EQ(tyait.size(), 3u);
    EXPECT_EQ(tyait[2], "tyait, 49 ");
    EXPECT_TRUE(lines_with_key(lines, "apdyt").empty());
    d.yaita_dat.yaita_kind = PileType::PcOfFreeChoice; // PC of free choice takes its own list
    lines = cal_file_lines(d);
    EXPECT_EQ(lines_with_key(lines, "tyait"), std::vector<std::string>{"tyait, 201 "});
    d.yaita_dat.yaita_kind = PileType::U; // U-type: no list even with ids selected
    lines = cal_file_lines(d);
    EXPECT_TRUE(lines_with_key(lines, "tyait").empty());
}

TEST(CalculationInput, TideLevelsNotExaminedWriteNoLineButKeepTheirFlags) {
    DesignData d = sample_design();
    d.sekouji_dat.tide_kentou_sw[1] = CheckBox::Clear;
    const auto lines = cal_file_lines(d);
    EXPECT_TRUE(lines_with_key(lines, "hwl__").empty());
    EXPECT_EQ(lines[3], "wavsw,\"任意潮位\", 1 , 2 , 1 , 1 , 1 , 2 , 2 , 2 , 2 , 2 , 2 ");
}

TEST(CalculationInput, KurodaRowsTakeTheirLengthMethodFromTheFirstFlag) {
    DesignData d = sample_design();
    d.sekouji_dat.wave_sw = WaveFormula::KurodaHiroi;
    d.sekouji_dat.depth_sw = WaveDepthRule::AtToeWorks; // depth to d: 2.5 - (-8) = 10.5 m
    d.sekouji_dat.kuroda_tbl[0] = WaveRec{
        BreakingInfluence::Influenced, WaveLengthMethod::Computed, 1.5, 2.7, 8.0, 50.0, 0.0};
    const auto line = lines_with_key(cal_file_lines(d), "hhwl_");
    const double length = marume::round_dec(calc_wave_length(8.0, 10.5), 2);
    EXPECT_EQ(line, std::vector<std::string>{"hhwl_, 0 , 1.5 , 2.7 , 1 , 8 , " +
                                             real_text(length, "L") + " , 0 "});
}

TEST(CalculationInput, TitleBlanksTrimmedAndQuotesRefusedByField) {
    DesignData d = sample_design();
    d.data_title = "  岸壁  ";
    EXPECT_EQ(cal_file_lines(d)[1], "gyonm,\"岸壁\"");
    d.sekkei_dat.tide_name = "A\"B";
    try {
        cal_file_lines(d);
        FAIL() << "a double quote was written";
    } catch (const DataError& e) {
        EXPECT_NE(std::string(e.what()).find("任意潮位の名称"), std::string::npos) << e.what();
    }
}

// A value that is not a number is refused with the caption of the first
// item it reaches, derived items included.
TEST(CalculationInput, ValueThatIsNotANumberNamesItsItem) {
    const double nan = std::nan("");
    struct Case {
        void (*spoil)(DesignData&, double);
        const char* caption;
    };
    const Case cases[] = {
        {[](DesignData& d, double x) { d.sekouji_dat.lambda1 = x; }, "λ1"},
        {[](DesignData& d, double x) { d.sekkei_dat.tide_lvl[1] = x; }, "H.W.L."},
        {[](DesignData& d, double x) { d.sekkei_dat.embed_lvl = x; }, "根入れ高"},
        {[](DesignData& d, double x) { d.sekkei_dat.bottom_lvl = x; }, "最終土層の下限高"},
        {[](DesignData& d, double x) { d.tihyou_dat.ground_ang[0] = x; }, "地表面角度"},
        {[](DesignData& d, double x) { d.sekkei_dat.water_w = x; }, "海水の単位体積重量"},
        {[](DesignData& d, double x) { d.yaita_dat.disp_allow[1] = x; }, "許容変位量"},
        {[](DesignData& d, double x) { d.sekkei_dat.crown_yaita = x; }, "矢板天端高"},
        {[](DesignData& d, double x) { d.sekkei_dat.seabed_sekou = x; }, "施工時設計海底面"},
        {[](DesignData& d, double x) { d.yaita_dat.young_e = x; }, "ヤング係数"},
        {[](DesignData& d, double x) { d.dosou_dat.dosou_hoho[1].hoho_n[1] = x; }, "平均N値"},
        // A factor of the product is met first in the design seismic coefficient.
        {[](DesignData& d, double x) { d.kanseiji_dat.sindo_factor[0] = x; }, "設計震度"},
        {[](DesignData& d, double x) { d.yaita_dat.fsyok_dat.sea_rate[0] = x; }, "腐食速度"},
        {[](DesignData& d, double x) { d.yaita_dat.fsyok_dat.service_life = x; }, "耐用年数"},
        {[](DesignData& d, double x) { d.yaita_dat.joint_alpha[2] = x; }, "継手効率"},
        {[](DesignData& d, double x) { d.tihyou_dat.josai_tbl[0].end_x = x; }, "載荷範囲"},
        {[](DesignData& d, double x) { d.gairyoku_dat.gairyoku_jyo[0].height = x; }, "作用高"},
        {[](DesignData& d, double x) { d.yaita_dat.kokan_tbl[0].joint_spacing = x; }, "継手"},
        // The submerged weight, derived from the saturated one, comes first.
        {[](DesignData& d, double x) { d.dosou_dat.dosou_riku[0].unit_w[1] = x; }, "水中重量"},
        {[](DesignData& d, double x) { d.dosou_dat.dosou_riku[1].soil_val[1] = x; }, "C0"},
        {[](DesignData& d, double x) { d.tihyou_dat.tikei_tbl[1].y = x; }, "地形"},
        {[](DesignData& d, double x) { d.tihyou_dat.morid_tbl[0].top_lvl = x; }, "盛土"},
        {[](DesignData& d, double x) { d.sekouji_dat.h2_lvl = x; }, "h'"},
        {[](DesignData& d, double x) { d.sekouji_dat.hb_lvl[2] = x; }, "hb"},
        {[](DesignData& d, double x) { d.sekouji_dat.goda_tbl[0].hmax = x; }, "Hmax"},
        {[](DesignData& d, double x) { d.sekouji_dat.goda_tbl[1].beta = x; }, "入射角"},
        {[](DesignData& d, double x) { d.caldt_vals[1] = x; }, "矢板長"},
        {[](DesignData& d, double x) { d.yaita_dat.kh_lm = x; }, "kh"},
        {[](DesignData& d, double x) { d.sekouji_dat.lambda2 = x; }, "λ2"},
        {[](DesignData& d, double x) { d.sekkei_dat.delta_jis[1] = x; }, "壁面摩擦角"},
        // Two bad values: the earlier line names its item.
        {[](DesignData& d, double x) {
             d.sekouji_dat.lambda2 = x;
             d.sekkei_dat.tide_lvl[1] = x;
         },
         "H.W.L."},
    };
    for (const auto& c : cases) {
        DesignData d = sample_design();
        c.spoil(d, nan);
        try {
            cal_file_lines(d);
            ADD_FAILURE() << "written with a bad " << c.caption;
        } catch (const DataError& e) {
            EXPECT_EQ(std::string(e.what()), std::string(c.caption) + "の値が数値になりません。");
        }
    }
    // Kuroda / Hiroi rows call their wave height HD.
    DesignData d = sample_design();
    d.sekouji_dat.wave_sw = WaveFormula::KurodaHiroi;
    d.sekouji_dat.kuroda_tbl[0] = WaveRec{
        BreakingInfluence::Influenced, WaveLengthMethod::Computed, 1.5, nan, 8.0, 50.0, 0.0};
    EXPECT_THROW(
        {
            try {
                cal_file_lines(d);
            } catch (const DataError& e) {
                EXPECT_EQ(std::string(e.what()), "HDの値が数値になりません。");
                throw;
            }
        },
        DataError);
}

TEST(DerivedValues, ResidualWaterLevel) {
    SekkeiData s;
    s.tide_lvl[1] = 2.0;
    s.tide_lvl[2] = 0.0;
    s.tide_lvl[4] = 1.234;
    s.rwl_sw = ResidualLevelRule::TwoThirdsOfRange;
    EXPECT_DOUBLE_EQ(residual_water_level(s), 1.33);
    s.rwl_sw = ResidualLevelRule::WholeRange;
    EXPECT_DOUBLE_EQ(residual_water_level(s), 2.0);
    s.rwl_sw = ResidualLevelRule::Given;
    EXPECT_DOUBLE_EQ(residual_water_level(s), 1.234); // given, not rounded
    s.tide_lvl = {0.0, 1.9, -0.2, 0.0, 0.0, 0.0};     // 2.1 x 2/3 - 0.2 = 1.2
    s.rwl_sw = ResidualLevelRule::TwoThirdsOfRange;
    EXPECT_DOUBLE_EQ(residual_water_level(s), 1.2);
}

TEST(DerivedValues, DesignSeismicCoefficient) {
    KanseijiData k;
    k.sindo_sw = SeismicCoefficientRule::ProductOfFactors;
    k.sindo_factor = {0.15, 1.0, 1.2, 0.0};
    EXPECT_DOUBLE_EQ(design_seismic_coefficient(k, SeismicRounding::HalfUp), 0.18);
    EXPECT_DOUBLE_EQ(design_seismic_coefficient(k, SeismicRounding::StepsOfFiveHundredths),
                     0.2);                  // nearest 0.05
    k.sindo_factor = {0.12, 1.2, 1.0, 0.0}; // 0.144
    EXPECT_DOUBLE_EQ(design_seismic_coefficient(k, SeismicRounding::StepsOfFiveHundredths), 0.15);
    k.sindo_sw = SeismicCoefficientRule::Given;
    k.sindo_val = 0.123;
    EXPECT_DOUBLE_EQ(design_seismic_coefficient(k, SeismicRounding::StepsOfFiveHundredths), 0.123);
}

TEST(DerivedValues, ChartLinesThroughTheirPointsAndBeyond) {
    struct Case {
        int line;
        double n, k;
    };
    const Case cases[] = {
        {1, 1.0, 2000.0},
        {1, 50.0, 100000.0},
        {1, 10.0, 20000.0}, // the chart ends and K = 2000
                            // N
        {2, 0.5, 550.0},
        {2, 100.0, 13000.0},
        {2, 10.0, 3288.5},
        {3, 1.0, 520.0},
        {3, 100.0, 8400.0},
        {3, 10.0, 2090.0},
        {3, 1000.0, 33761.2}, // extrapolated a decade:
                              // 8400 x sqrt(8400 / 520) =
                              // 33761.2
        {1, 0.00005, 0.0},
        {4, 10.0, 0.0},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(kh_from_n(c.line, c.n, marume::round_dec), c.k) << c.line << " " << c.n;
}

TEST(DerivedValues, SoilLayerConstantByMethod) {
    DosouRec l;
    l.kh_val[0] = 4000.0;
    l.kh_sw = LayerKhOption::LinearInN;
    l.n_val[1] = 12.3;
    EXPECT_DOUBLE_EQ(soil_layer_constant(l), 18450.0);
    l.n_val[1] = 0.0;
    EXPECT_DOUBLE_EQ(soil_layer_constant(l), 0.0);
    l.kh_sw = LayerKhOption::Given; // given, even with no N
    EXPECT_DOUBLE_EQ(soil_layer_constant(l), 4000.0);
}

// Linear wave theory: L = g T^2 / (2 pi) tanh(2 pi h / L).
double dispersion_residual(double t, double h, double l) {
    const double pi = std::acos(-1.0);
    return l - 9.8 * t * t / (2.0 * pi) * std::tanh(2.0 * pi * h / l);
}

TEST(DerivedValues, WaveLengthsSatisfyTheDispersionRelation) {
    struct Case {
        double t, h, rounded;
    };
    const Case cases[] = {
        {8.0, 100.0, 99.82}, // deep water: L0 = 9.8 x 64 / 2 pi = 99.82
        {8.0, 10.0, 70.85},
        {10.0, 5.0, 67.64}, // shallow: near T sqrt(g h) = 70
    };
    for (const auto& c : cases) {
        const double l = calc_wave_length(c.t, c.h);
        EXPECT_NEAR(dispersion_residual(c.t, c.h, l), 0.0, 1e-4 * l) << c.t << " " << c.h;
        EXPECT_DOUBLE_EQ(marume::round_dec(l, 2), c.rounded);
    }
    EXPECT_EQ(calc_wave_length(0.0, 10.0), 0.0);
    EXPECT_EQ(calc_wave_length(8.0, 0.0), 0.0);
    EXPECT_EQ(calc_wave_length(8.0, -1.0), 0.0); // tide level below the ground
}

TEST(DerivedValues, HbLevelsFromTheSeabedSlope) {
    SekoujiData w;
    w.h_lvl = -7.5;
    w.slope_x = 50.0;
    w.goda_tbl[0].h13 =
        2.35; // -7.5 - 5 x 2.35 / 50 = -7.735 -> -7.74 (773.5 in the tie band, to even 774)
    w.goda_tbl[1].h13 = 1.0; // -7.6
    derive_hb_levels(w);
    EXPECT_DOUBLE_EQ(w.hb_lvl[0], -7.74);
    EXPECT_DOUBLE_EQ(w.hb_lvl[1], -7.6);
    EXPECT_DOUBLE_EQ(w.hb_lvl[2], -7.5);
    w.hb_sw = BreakerDepthRule::Given; // given: left alone
    w.hb_lvl[0] = -9.0;
    derive_hb_levels(w);
    EXPECT_DOUBLE_EQ(w.hb_lvl[0], -9.0);
}

TEST(DerivedValues, ExtremeWaveInputsGiveFiniteLengthsOrARefusal) {
    // A period far too short for the depth: the hyperbolic functions of the
    // old formula overflowed here; the deep-water length is the answer.
    const double l = calc_wave_length(0.01, 1000.0);
    EXPECT_TRUE(std::isfinite(l));
    EXPECT_NEAR(l, 9.8 * 0.0001 / (2.0 * 3.14159265358979), 1e-12);
    EXPECT_THROW(calc_wave_length(1e200, 10.0), DataError);
}

} // namespace
} // namespace wtn
