// Construction stage: enabling by formula and hb rule, the study and drawing
// boxes, the wave-row editors, the store with hb from the seabed slope.
#include "design_fixture.h"

#include "wave_lines.h"

#include <gtest/gtest.h>

namespace wtn::design::test {
namespace {

// Goda page, Kuroda page; depth frame; wave-dissipating frame; λ1 and λ2;
// hb frame; slope box; hb boxes.
std::string formula_states(DesignFixture& f) {
    const ConstructionScreen& c = f.construction();
    const ui::TabControl& tab = *f.window->tab_gm[2];
    std::string s;
    auto put = [&s](bool on) { s += on ? '1' : '0'; };
    put(tab.tab_enabled(1));
    put(tab.tab_enabled(2));
    s += ' ';
    put(c.fra_gm5[3]->enabled());
    EXPECT_EQ(c.opt_gm5[4]->enabled(), c.fra_gm5[3]->enabled());
    EXPECT_EQ(c.opt_gm5[5]->enabled(), c.fra_gm5[3]->enabled());
    put(c.fra_gm5[1]->enabled());
    EXPECT_EQ(c.opt_gm5[2]->enabled(), c.fra_gm5[1]->enabled());
    EXPECT_EQ(c.opt_gm5[3]->enabled(), c.fra_gm5[1]->enabled());
    put(c.txt_gm5[0]->enabled());
    for (ui::Control* other :
         std::initializer_list<ui::Control*>{c.txt_gm5[9], c.lbl_gm5[2], c.lbl_gm5[11]})
        EXPECT_EQ(other->enabled(), c.txt_gm5[0]->enabled());
    s += ' ';
    put(c.fra_gm5[4]->enabled());
    EXPECT_EQ(c.opt_gm5[6]->enabled(), c.fra_gm5[4]->enabled());
    EXPECT_EQ(c.opt_gm5[7]->enabled(), c.fra_gm5[4]->enabled());
    put(c.txt_gm5[4]->enabled());
    EXPECT_EQ(c.lbl_gm5[6]->enabled(), c.txt_gm5[4]->enabled());
    put(c.txt_gm5[5]->enabled());
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(c.txt_gm5[5 + i]->enabled(), c.txt_gm5[5]->enabled());
        EXPECT_EQ(c.lbl_gm5[7 + i]->enabled(), c.txt_gm5[5]->enabled());
    }
    return s;
}

TEST(ConstructionEnabling, FormulaTimesHbRuleByLoadAndByClicks) {
    struct Case {
        int wave_sw, hb_sw;
        const char* expected;
    };
    const Case cases[] = {
        {0, 0, "10 001 110"},
        {0, 1, "10 001 101"},
        {1, 0, "01 110 000"},
        {1, 1, "01 110 000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.wave_sw) + " " + std::to_string(c.hb_sw));
        DesignFixture by_load;
        by_load.data.sekouji_dat.wave_sw = code_of_list_index<WaveFormula>(c.wave_sw);
        by_load.data.sekouji_dat.hb_sw = code_of_list_index<BreakerDepthRule>(c.hb_sw);
        by_load.load_all();
        EXPECT_EQ(formula_states(by_load), c.expected);

        // From the other formula and rule: first the hb rule under Goda, then
        // the formula.
        DesignFixture by_click;
        by_click.data.sekouji_dat.wave_sw = WaveFormula::Goda;
        by_click.data.sekouji_dat.hb_sw = code_of_list_index<BreakerDepthRule>(1 - c.hb_sw);
        by_click.load_all();
        by_click.use_page(2, 0);
        ConstructionScreen& s = by_click.construction();
        ASSERT_TRUE(s.opt_gm5[6 + c.hb_sw]->user_click());
        if (c.wave_sw == 1) {
            ASSERT_TRUE(s.opt_gm5[1]->user_click());
        }
        EXPECT_EQ(formula_states(by_click), c.expected);
        if (c.wave_sw == 1) {
            // Back to Goda: the hb rule chosen before holds again.
            ASSERT_TRUE(s.opt_gm5[0]->user_click());
            EXPECT_EQ(formula_states(by_click), cases[c.hb_sw].expected);
        }
    }
}

TEST(ConstructionEnabling, AStudiedLevelIsAlwaysDrawn) {
    struct Case {
        int kentou, sakuzu;
        int study_box, draw_box;
        bool draw_enabled;
        int stored_sakuzu;
    };
    const Case cases[] = {
        {0, 0, 0, 0, true, 0},
        {1, 0, 1, 1, false, 1},
        {0, 1, 0, 1, true, 1},
        {1, 1, 1, 1, false, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.kentou) + " " + std::to_string(c.sakuzu));
        DesignFixture f;
        f.data.sekouji_dat.tide_kentou_sw[1] = code_of_list_index<CheckBox>(c.kentou);
        f.data.sekouji_dat.tide_sakuzu_sw[1] = code_of_list_index<CheckBox>(c.sakuzu);
        f.load_all();
        const ConstructionScreen& s = f.construction();
        EXPECT_EQ(s.chk_gm5[2]->value(), c.study_box);
        EXPECT_EQ(s.chk_gm5[3]->value(), c.draw_box);
        EXPECT_EQ(s.chk_gm5[3]->enabled(), c.draw_enabled);
        f.construction().put_sekouji_jk();
        EXPECT_EQ(list_index_of(f.data.sekouji_dat.tide_sakuzu_sw[1]), c.stored_sakuzu);
    }
    // By clicks: ticking the study box ticks and locks the drawing box;
    // clearing it gives the drawing box back, still ticked.
    DesignFixture f;
    f.load_all();
    f.use_page(2, 0);
    ConstructionScreen& s = f.construction();
    ASSERT_TRUE(s.chk_gm5[2]->user_click());
    EXPECT_EQ(s.chk_gm5[3]->value(), ui::CheckBox::kChecked);
    EXPECT_FALSE(s.chk_gm5[3]->enabled());
    ASSERT_TRUE(s.chk_gm5[2]->user_click());
    EXPECT_TRUE(s.chk_gm5[3]->enabled());
    EXPECT_EQ(s.chk_gm5[3]->value(), ui::CheckBox::kChecked);
    ASSERT_TRUE(s.chk_gm5[5]->user_click());
    EXPECT_EQ(s.chk_gm5[4]->value(), ui::CheckBox::kUnchecked);
}

TEST(ConstructionScreen, HbFromTheSeabedSlope) {
    struct Case {
        const char* name;
        int wave_sw;
        int hb_sw;
        double slope_x;
        std::array<double, 5> expected;
    };
    const std::array<double, 5> kept{1, 2, 3, 4, 5};
    const Case cases[] = {
        {"Goda, from the slope", 0, 0, 50, {-10.0, -10.2, -10.0, -10.0, 5}},
        {"slope 0", 0, 0, 0, kept},
        {"Kuroda", 1, 0, 50, kept},
        {"given directly", 0, 1, 50, {1, 2, 3, 4, 5}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DesignFixture f;
        SekoujiData& w = f.data.sekouji_dat;
        w.wave_sw = code_of_list_index<WaveFormula>(c.wave_sw);
        w.hb_sw = code_of_list_index<BreakerDepthRule>(c.hb_sw);
        w.h_lvl = -10;
        w.slope_x = c.slope_x;
        w.hb_lvl = kept;
        w.goda_tbl[1].h13 = 2.0;
        f.load_all();
        f.construction().put_sekouji_jk();
        for (int j = 0; j < 5; ++j)
            EXPECT_DOUBLE_EQ(w.hb_lvl[j], c.expected[j]) << j;
    }
}

TEST(WaveRows, TypedValuesKeepTheirPrecisionAndTheLineFollowsTheTyping) {
    DesignFixture f;
    f.data.sekouji_dat.goda_tbl[2] =
        WaveRec{BreakingInfluence::NotInfluenced, WaveLengthMethod::Given, 1, 3, 7, 55, 0};
    f.load_all();
    f.use_page(2, 1);
    ConstructionScreen& s = f.construction();
    ui::Form& form = f.window->form;
    ASSERT_TRUE(s.lst_gm6->user_select(2));
    EXPECT_EQ(s.txt_gm6[0]->text(), "1.00");
    // Without breaking waves Hmax is off, and with L given T is off.
    EXPECT_FALSE(s.txt_gm6[1]->enabled());
    EXPECT_FALSE(s.txt_gm6[2]->enabled());
    EXPECT_TRUE(s.txt_gm6[3]->enabled());

    form.set_focus(s.txt_gm6[0]);
    s.txt_gm6[0]->user_edit("1.234");
    EXPECT_DOUBLE_EQ(s.gm6_row[2].h13, 1.234);
    EXPECT_EQ(s.lst_gm6->list(2), goda_line(2, s.gm6_row[2]));
    form.set_focus(nullptr);
    EXPECT_EQ(s.txt_gm6[0]->text(), "1.23");
    EXPECT_DOUBLE_EQ(s.gm6_row[2].h13, 1.234);

    ASSERT_TRUE(s.opt_gm6[1]->user_click());
    EXPECT_EQ(s.gm6_row[2].breaking, BreakingInfluence::Influenced);
    EXPECT_TRUE(s.txt_gm6[1]->enabled());
    EXPECT_NE(s.lst_gm6->list(2).find("3.00"), std::string::npos);
    // Selecting another line fills the boxes without changing either row.
    ASSERT_TRUE(s.lst_gm6->user_select(0));
    EXPECT_EQ(s.txt_gm6[0]->text(), "0.00");
    EXPECT_DOUBLE_EQ(s.gm6_row[0].h13, 0.0);
    EXPECT_DOUBLE_EQ(s.gm6_row[2].h13, 1.234);

    s.put_sekouji_jk();
    EXPECT_DOUBLE_EQ(f.data.sekouji_dat.goda_tbl[2].h13, 1.234);
    EXPECT_EQ(f.data.sekouji_dat.goda_tbl[2].breaking, BreakingInfluence::Influenced);
}

TEST(WaveRows, KurodaBreakingFieldAndTheFifthElementsNeverChange) {
    DesignFixture f;
    SekoujiData& w = f.data.sekouji_dat;
    w.wave_sw = WaveFormula::KurodaHiroi;
    for (int i = 0; i < 5; ++i)
        w.kuroda_tbl[i].breaking = code_of_list_index<BreakingInfluence>(7 + i);
    w.goda_tbl[0].breaking = code_of_list_index<BreakingInfluence>(5);
    w.kuroda_tbl[1].length_method = code_of_list_index<WaveLengthMethod>(-2);
    w.tide_kentou_sw[4] = code_of_list_index<CheckBox>(3);
    w.tide_sakuzu_sw[4] = code_of_list_index<CheckBox>(4);
    w.hb_lvl[4] = 9.5;
    w.goda_tbl[4] = WaveRec{code_of_list_index<BreakingInfluence>(3),
                            code_of_list_index<WaveLengthMethod>(3),
                            3,
                            3,
                            3,
                            3,
                            3};
    w.kuroda_tbl[4].h13 = 6;
    const SekoujiData before = w;
    for (int round = 0; round < 2; ++round) {
        f.load_all();
        f.use_page(2, 2);
        ASSERT_TRUE(f.construction().lst_gm7->user_select(1));
        ASSERT_TRUE(f.construction().opt_gm7[0]->user_click());
        f.store_all();
    }
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(w.kuroda_tbl[i].breaking, code_of_list_index<BreakingInfluence>(7 + i));
    EXPECT_EQ(w.goda_tbl[0].breaking, BreakingInfluence::Influenced);
    EXPECT_EQ(w.kuroda_tbl[1].length_method, WaveLengthMethod::Computed);
    EXPECT_EQ(w.tide_kentou_sw[4], before.tide_kentou_sw[4]);
    EXPECT_EQ(w.tide_sakuzu_sw[4], before.tide_sakuzu_sw[4]);
    EXPECT_DOUBLE_EQ(w.hb_lvl[4], 9.5);
    EXPECT_EQ(w.goda_tbl[4].breaking, code_of_list_index<BreakingInfluence>(3));
    EXPECT_DOUBLE_EQ(w.kuroda_tbl[4].h13, 6);
}

TEST(ConstructionScreen, LambdaIsStoredAsShownAndOutOfRangeSwitchesStoreTheButtons) {
    DesignFixture f;
    SekoujiData& w = f.data.sekouji_dat;
    w.lambda1 = 0.1234;
    w.goda_tbl[0].h13 = 0.1234;
    w.static_sw = StaticWater::On;
    w.dissip_sw = DissipatingWorks::Absent;
    f.load_all();
    EXPECT_EQ(f.construction().txt_gm5[0]->text(), "0.12");
    EXPECT_TRUE(f.construction().opt_gm5[8]->value());
    w.dissip_sw = code_of_list_index<DissipatingWorks>(4);
    f.construction().set_sekouji_jk();
    f.construction().put_sekouji_jk();
    EXPECT_DOUBLE_EQ(w.lambda1, 0.12);
    EXPECT_DOUBLE_EQ(w.goda_tbl[0].h13, 0.1234);
    EXPECT_EQ(w.static_sw, StaticWater::On);
    EXPECT_EQ(w.dissip_sw, DissipatingWorks::Absent);
    // A page switched off by the load is not left shown.
    f.window->tab_gm[2]->set_tab(1);
    w.wave_sw = WaveFormula::KurodaHiroi;
    f.construction().set_sekouji_jk();
    EXPECT_EQ(f.window->tab_gm[2]->tab(), 0);
}

} // namespace
} // namespace wtn::design::test
