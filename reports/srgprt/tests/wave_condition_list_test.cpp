// The design-condition list of the construction stage: its blocks, their
// numbering and the labels of the tide levels.
#include "report_fixture.h"
#include "tide_level_yes_no.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace wtn::test {
namespace {

std::string list_text(const ReportFixture& f) {
    const ReportRun run = run_report(f);
    EXPECT_EQ(run.stop, "");
    return run.read("PFMTEMP.TMP");
}

TEST(WaveConditionList, ListedBlocksAndTheirNumbering) {
    struct Case {
        const char* what;
        std::function<void(ReportFixture&)> change;
        std::vector<std::string> present;
        std::vector<std::string> absent;
    };
    const std::string blank16(16, ' ');
    const std::string blank28(28, ' ');
    const Case cases[] = {
        {"no period: wave length, angle and water weight are 1-5 to 1-7",
         [](ReportFixture&) {},
         {" 1-5.波    長", " 1-6.入射角",
          " 1-7.水の単位体積重量                                  10.10 kN/m$U3$Z"},
         {" 1-5.周    期"}},
        {"a computed wave length lists the periods first",
         [](ReportFixture& f) {
             f.input.tide_levels[kTideHwl].wave_length_method = WaveLengthMethod::Computed;
             f.input.tide_levels[kTideHwl].period = 8.5;
         },
         {" 1-5.周    期", "    H.W.L.  " + std::string(41, ' ') + "   8.50 sec", " 1-6.波    長"},
         {}},
        {"zones that differ: the larger sea-water rate over the service life",
         [](ReportFixture& f) {
             f.input.fsyok.sea_rates = {0.0, 0.10, 0.30, 0.05};
             f.input.fsyok.land_rates = {0.0, 0.02, 0.04};
             f.input.fsyok.service_life = 50;
         },
         {" 1-8.耐用年数" + std::string(44, ' ') + " 50 年", " 1-9.腐食しろ（ 鋼矢板 ）",
          blank16 + "[海  中  部] （海側） tc=0.300x 50 年 = 15.00 mm",
          blank16 + "             （陸側） tc=0.020x 50 年 = 1.00 mm",
          blank16 + "[海底泥層中] （海側） tc=0.050x 50 年 = 2.50 mm", " 1-10.横方向地盤反力係数"},
         {}},
        {"no corrosion: the numbering runs on without a gap",
         [](ReportFixture& f) { f.conditions.corrosion_case = -1; },
         {" 1-8.横方向地盤反力係数"},
         {" 1-8.耐用年数" + std::string(44, ' ') + " 30 年"}},
        {"an added pile has no corrosion block either",
         [](ReportFixture& f) { f.conditions.user_pile = 1; },
         {" 1-8.横方向地盤反力係数"},
         {}},
        {"Chang's multi-layer method lists the rows from the first index",
         [](ReportFixture& f) {
             f.input.swdat.embedment_method = EmbedmentMethod::ChangMultiLayer;
             f.conditions.layer_start = 1;
             f.conditions.layers.resize(6);
             f.conditions.layers[4].resistance_option = 1;
             f.conditions.layers[4].kh = 5000.0;
         },
         {blank28 + "土層(  1)           kh =     0.0 kN/m$U3$Z",
          blank28 + "土層(  2) (N=  0.8) kh =  1257.0 kN/m$U3$Z",
          blank28 + "土層(  4)           kh =  5000.0 kN/m$U3$Z"},
         {blank28 + "土層(  5)           kh =     0.0 kN/m$U3$Z"}},
        {"C-type method: one constant",
         [](ReportFixture& f) {
             f.input.swdat.embedment_method = EmbedmentMethod::CType;
             f.conditions.n_value_flag = 1;
             f.conditions.n_value = 12.0;
             f.conditions.lateral_constant = 3450.0;
         },
         {" 1-10.横抵抗定数", std::string(38, ' ') + "(N= 12.0) kc =  3450.0 kN/m$U2.5$Z"},
         {}},
        {"switch 0: one allowable stress and displacement without a case",
         [](ReportFixture& f) { f.input.swdat.completed_cases = CompletedCases::Both; },
         {" 1-11.許容応力度（鋼矢板 [ SY295]）",
          std::string(38, ' ') + "          σ$Sa$Z =  180.0 N/mm$U2$Z",
          " 1-12.許容矢板天端許容変位量", std::string(38, ' ') + "                  5.00 cm"},
         {}},
    };
    for (const Case& c : cases) {
        ReportFixture f;
        c.change(f);
        const std::string text = list_text(f);
        for (const std::string& line : c.present)
            EXPECT_TRUE(has_line(text, line)) << c.what << ": missing \"" << line << "\"";
        for (const std::string& line : c.absent)
            EXPECT_FALSE(has_line(text, line)) << c.what << ": unexpected \"" << line << "\"";
    }
}

TEST(WaveConditionList, UserLevelLabelIsCutAtAWholeCharacter) {
    struct Case {
        const char* name;
        const char* label;
    };
    const Case cases[] = {
        {"波高計", "波高計  "},    // three full-width characters and two blanks
        {"A潮位面名", "A潮位面 "}, // a fourth kanji would split at byte 8
        {"$X", "$$X      "},       // user text is escaped for the viewer
    };
    for (const Case& c : cases) {
        ReportFixture f;
        f.input.wavsw.examine = yes_no_codes({2, 1, 2, 1, 2});
        f.input.wavsw.user_tide_name = c.name;
        f.input.tjkn1.user_tide_level = 1.5;
        f.blocks = {hwl_goda_block(), hwl_goda_block()};
        f.blocks[1].tide_level = kTideUser;
        const std::string text = list_text(f);
        EXPECT_TRUE(
            has_line(text, std::string("    ") + c.label + std::string(41, ' ') + "  +1.50 m"))
            << c.name;
    }
}

TEST(WaveConditionList, EveryBlockPresentGivesFourteenTemplatesBeforeTheDrawing) {
    ReportFixture f;
    f.system_switch = 1;
    f.input.swdat.completed_cases = CompletedCases::Both;
    f.input.wavsw.examine = yes_no_codes({1, 1, 1, 1, 2});
    f.input.wavsw.user_tide_name = "USER";
    f.input.tide_levels[kTideLwl].wave_length_method = WaveLengthMethod::Computed;
    f.input.neire.seismic_rule = SeismicCoefficientRule::ProductOfFactors;
    f.input.neire.regional_factor = 0.15;
    f.input.neire.ground_factor = 1.2;
    f.input.neire.importance_factor = 1.0;
    f.input.neire.seismic_coefficient = 0.18;
    f.blocks.clear();
    for (int level = 0; level < 4; ++level)
        for (int c = 0; c < 2; ++c) {
            WaveBlock b = hwl_goda_block();
            b.tide_level = level;
            b.case_index = c;
            f.blocks.push_back(b);
        }
    const ReportRun run = run_report(f);
    ASSERT_EQ(run.stop, "");
    const std::vector<std::string> index = lines_of(run.read("JW000JKN.PDT"));
    ASSERT_EQ(index.size(), 17u);
    EXPECT_EQ(index[0], "設計条件");
    for (int i = 0; i < 14; ++i)
        EXPECT_EQ(index[2 + i], "$0  WSKLST" + std::to_string(i) + ".PFM");
    EXPECT_EQ(index[16], "$1                  W_JOKENZ.PZK");
    const std::string text = run.read("PFMTEMP.TMP");
    EXPECT_TRUE(has_line(text, " 1-9.設計震度         0.15 x  1.20 x  1.00 =  0.180 =   0.18"));
    EXPECT_TRUE(has_line(text, std::string(38, ' ') + "(地震時)  σ$Sa$Z'=  270.0 N/mm$U2$Z"));
    EXPECT_TRUE(has_line(text, std::string(38, ' ') + "(地震時)          7.50 cm"));
}

} // namespace
} // namespace wtn::test
