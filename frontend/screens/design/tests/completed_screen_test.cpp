// Completed state: enabling by the load and the clicks, the store's
// encodings, and the explanatory pictures under the pointer.
#include "design_fixture.h"
#include "picture_label.h"

#include <gtest/gtest.h>

namespace wtn::design::test {
namespace {

// Apparent coefficient inputs: direct box, dynamic-water frame and buttons,
// the water-level frames and buttons.
std::string apparent_states(const CompletedScreen& c) {
    std::string s;
    s += c.txt_gm4[4]->enabled() ? '1' : '0';
    s += c.fra_gm4[8]->enabled() ? '1' : '0';
    EXPECT_EQ(c.opt_gm4[14]->enabled(), c.fra_gm4[8]->enabled());
    EXPECT_EQ(c.opt_gm4[15]->enabled(), c.fra_gm4[8]->enabled());
    s += c.fra_gm4[2]->enabled() ? '1' : '0';
    for (int f : {3, 4})
        EXPECT_EQ(c.fra_gm4[f]->enabled(), c.fra_gm4[2]->enabled());
    for (int i = 5; i <= 8; ++i)
        EXPECT_EQ(c.opt_gm4[i]->enabled(), c.fra_gm4[2]->enabled());
    return s;
}

TEST(CompletedEnabling, ApparentCoefficientByLoadAndByClicks) {
    struct Case {
        int mikake_sw;
        int button;
        const char* expected;
    };
    const Case cases[] = {{0, 2, "101"}, {1, 3, "001"}, {2, 4, "000"}, {3, 13, "011"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mikake_sw);
        DesignFixture by_load;
        by_load.data.kanseiji_dat.mikake_sw = code_of_list_index<ApparentSeismicRule>(c.mikake_sw);
        by_load.load_all();
        EXPECT_TRUE(by_load.completed().opt_gm4[c.button]->value());
        EXPECT_EQ(apparent_states(by_load.completed()), c.expected);

        DesignFixture by_click;
        by_click.data.kanseiji_dat.jis_sw = CheckBox::Checked;
        by_click.data.kanseiji_dat.mikake_sw =
            code_of_list_index<ApparentSeismicRule>(c.mikake_sw == 2 ? 3 : 2);
        by_click.load_all();
        by_click.use_page(1, 1);
        ASSERT_TRUE(by_click.completed().opt_gm4[c.button]->user_click());
        EXPECT_EQ(apparent_states(by_click.completed()), c.expected);
        by_click.completed().put_kanseiji_jk();
        EXPECT_EQ(list_index_of(by_click.data.kanseiji_dat.mikake_sw), c.mikake_sw);
    }
    // A value outside 0 to 3 changes nothing, and the store keeps it.
    DesignFixture f;
    f.data.kanseiji_dat.mikake_sw = ApparentSeismicRule::Niken;
    f.load_all();
    f.data.kanseiji_dat.mikake_sw = code_of_list_index<ApparentSeismicRule>(9);
    f.completed().set_kanseiji_jk();
    EXPECT_TRUE(f.completed().opt_gm4[4]->value());
    EXPECT_EQ(apparent_states(f.completed()), "000");
    f.completed().opt_gm4[4]->set_value(false);
    f.completed().put_kanseiji_jk();
    EXPECT_EQ(f.data.kanseiji_dat.mikake_sw, code_of_list_index<ApparentSeismicRule>(9));
}

TEST(CompletedEnabling, StandardAndSeismicCoefficientMethod) {
    struct Case {
        int std_sw, sindo_sw;
        bool direct_on, factors_allowed;
        int stored_sindo;
    };
    const Case cases[] = {
        {0, 0, true, true, 0},
        {0, 1, false, true, 1},
        // The fishery-port standard gives the coefficient directly.
        {1, 1, true, false, 0},
        {1, 0, true, false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.std_sw) + " " + std::to_string(c.sindo_sw));
        DesignFixture f;
        f.data.sekkei_dat.std_sw = code_of_list_index<DesignStandard>(c.std_sw);
        f.data.kanseiji_dat.sindo_sw = code_of_list_index<SeismicCoefficientRule>(c.sindo_sw);
        // Start from the other button so that the load's click runs.
        f.completed().opt_gm4[c.direct_on ? 1 : 0]->set_value(true);
        f.load_all();
        const CompletedScreen& s = f.completed();
        EXPECT_EQ(list_index_of(f.data.kanseiji_dat.sindo_sw), c.stored_sindo);
        EXPECT_EQ(s.opt_gm4[0]->value(), c.direct_on);
        EXPECT_EQ(s.opt_gm4[1]->enabled(), c.factors_allowed);
        EXPECT_EQ(s.txt_gm4[0]->enabled(), c.direct_on);
        for (int i = 1; i <= 3; ++i)
            EXPECT_EQ(s.txt_gm4[i]->enabled(), !c.direct_on);
        for (const ui::Label* l : s.lbl_gm4)
            EXPECT_EQ(l->enabled(), !c.direct_on);
    }
}

TEST(CompletedEnabling, ShapeAndSeismicStudy) {
    DesignFixture f;
    f.data.kanseiji_dat.shape_sw = GroundShape::Embankment;
    f.data.kanseiji_dat.load_sw = SurchargeMode::PerLayer;
    f.data.kanseiji_dat.jis_sw = CheckBox::Checked;
    f.load_all();
    CompletedScreen& c = f.completed();
    ui::TabControl& tab = *f.window->tab_gm[1];
    EXPECT_TRUE(c.fra_gm3[2]->enabled());
    EXPECT_TRUE(tab.tab_enabled(1));
    tab.set_tab(1);

    f.data.kanseiji_dat.shape_sw = GroundShape::Straight;
    f.data.kanseiji_dat.jis_sw = CheckBox::Clear;
    f.completed().set_kanseiji_jk();
    EXPECT_FALSE(c.fra_gm3[2]->enabled());
    EXPECT_FALSE(c.opt_gm3[2]->enabled());
    EXPECT_FALSE(c.opt_gm3[3]->enabled());
    EXPECT_FALSE(tab.tab_enabled(1));
    // The page shown was switched off: page 0 is shown instead.
    EXPECT_EQ(tab.tab(), 0);
    // The load-calculation choice is kept though its frame is off.
    c.put_kanseiji_jk();
    EXPECT_EQ(f.data.kanseiji_dat.load_sw, SurchargeMode::PerLayer);

    f.use_page(1, 0);
    ASSERT_TRUE(c.chk_gm3[1]->user_click());
    EXPECT_TRUE(tab.tab_enabled(1));
    ASSERT_TRUE(c.chk_gm3[1]->user_click());
    EXPECT_FALSE(tab.tab_enabled(1));
    ASSERT_TRUE(c.opt_gm3[1]->user_click());
    EXPECT_TRUE(c.fra_gm3[2]->enabled());
}

TEST(CompletedScreen, StoreRoundsTheBoxesAndWritesDynamicWaterAsOneOrTwo) {
    DesignFixture f;
    KanseijiData& k = f.data.kanseiji_dat;
    k.sindo_val = 0.1234;
    k.sindo_factor = {0.2, 1.005, 1.2, 7.5};
    k.mikake_val = 0.156;
    k.dynwater_sw = from_file_value<YesNo>(0);
    k.okabe_sw = code_of_list_index<OkabeWhenNegative>(3);
    k.clay_sw = code_of_list_index<ClayNormalFormula>(5);
    f.load_all();
    EXPECT_EQ(f.completed().txt_gm4[0]->text(), "0.12");
    EXPECT_EQ(f.completed().txt_gm4[1]->text(), "0.20");
    EXPECT_TRUE(f.completed().opt_gm4[15]->value());
    f.completed().put_kanseiji_jk();
    EXPECT_DOUBLE_EQ(k.sindo_val, 0.12);
    EXPECT_DOUBLE_EQ(k.sindo_factor[1], 1.01);
    EXPECT_DOUBLE_EQ(k.sindo_factor[3], 7.5);
    EXPECT_DOUBLE_EQ(k.mikake_val, 0.16);
    EXPECT_EQ(k.dynwater_sw, YesNo::No);
    EXPECT_EQ(k.okabe_sw, OkabeWhenNegative::On);
    EXPECT_EQ(k.clay_sw, ClayNormalFormula::FirstOnly);
}

TEST(CompletedPictures, TheFrameUnderThePointerChoosesThePicture) {
    DesignFixture f;
    f.data.kanseiji_dat.jis_sw = CheckBox::Checked;
    // The embankment shape: the frame of the surcharge calculation takes the
    // pointer too.
    f.data.kanseiji_dat.shape_sw = GroundShape::Embankment;
    f.load_all();
    f.use_page(1, 0);
    CompletedScreen& c = f.completed();
    auto move = [](ui::Frame* frame) { frame->user_mouse_move(ui::MouseButton::None, 0, 10, 10); };
    // Both pages show a picture before the pointer comes near.
    EXPECT_EQ(picture_label(*c.img_gm3), "1");
    EXPECT_EQ(picture_label(*c.img_gm4), "3");
    move(c.fra_gm3[0]);
    EXPECT_EQ(picture_label(*c.img_gm3), "1");
    const std::pair<int, const char*> normal[] = {{1, "1"}, {0, "1"}, {3, "1"}, {2, "2"}, {1, "1"}};
    for (const auto& [frame, picture] : normal) {
        move(c.fra_gm3[frame]);
        EXPECT_EQ(picture_label(*c.img_gm3), picture) << frame;
    }
    // The same frame again draws nothing anew.
    const std::size_t drawn = c.img_gm3->commands().size();
    c.img_gm3->cls();
    move(c.fra_gm3[1]);
    EXPECT_TRUE(c.img_gm3->commands().empty());
    EXPECT_GT(drawn, 0u);

    f.use_page(1, 1);
    const std::pair<int, const char*> seismic[] = {{6, "5"}, {5, "5"}, {7, "6"}, {6, "5"},
                                                   {3, "3"}, {2, "3"}, {4, "4"}, {8, "4"},
                                                   {9, "4"}, {0, "4"}, {1, "4"}, {10, "4"}};
    for (const auto& [frame, picture] : seismic) {
        move(c.fra_gm4[frame]);
        EXPECT_EQ(picture_label(*c.img_gm4), picture) << frame;
    }
    EXPECT_EQ(c.img_no[1], 4);
    // A frame that is not usable reports no move.
    c.fra_gm4[2]->set_enabled(false);
    move(c.fra_gm4[3]);
    EXPECT_EQ(picture_label(*c.img_gm4), "4");
}

} // namespace
} // namespace wtn::design::test
