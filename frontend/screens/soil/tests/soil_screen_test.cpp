// The soil-layer screen driven through the toolkit as a user drives it:
// loading, the enabled inputs, the row editing, the options and the live edit,
// checked through the lists, the controls and the stored design data.
#include "soil_fixture.h"

#include <gtest/gtest.h>

namespace wtn::soil::test {
namespace {

constexpr Side kSides[] = {Side::land, Side::sea};

TEST(SoilScreenLoad, KeepsEveryLayerWithAUnitWeightAndStoresThemFromTheTop) {
    SoilFixture f;
    DosouData& d = f.data.dosou_dat;
    d = DosouData{};
    d.dosou_riku[0] = layer(3.0, 18, 20);
    d.dosou_riku[2] = layer(-2.0, 0.0, 18.0); // below water, wet weight left 0
    d.dosou_riku[3] = layer(-4.0, -1.0, -1.0);
    d.dosou_riku[5] = layer(-9.0, 17, 19);
    d.dosou_riku[15].top_lvl = 77.0; // the spare record is never touched
    f.show();
    ASSERT_EQ(f.lst(Side::land).list_count(), 3u);
    EXPECT_EQ(f.lst(Side::land).list(2).substr(0, 15), "  3       -9.00");
    EXPECT_EQ(f.lst(Side::land).list_index(), 0);
    EXPECT_EQ(f.lst(Side::sea).list_count(), 0u);

    const DosouData& s = f.stored();
    EXPECT_EQ(s.dosou_riku[1].top_lvl, -2.0);
    EXPECT_EQ(s.dosou_riku[1].unit_w[1], 18.0);
    EXPECT_EQ(s.dosou_riku[2].top_lvl, -9.0);
    for (int i = 3; i < kSoilLayerRoom; ++i)
        EXPECT_EQ(s.dosou_riku[i].unit_w[0] + s.dosou_riku[i].unit_w[1] + s.dosou_riku[i].top_lvl,
                  0.0)
            << i;
    EXPECT_EQ(s.dosou_riku[15].top_lvl, 77.0);
}

// The enabled state after the loading, by embedment method, studies, side
// and soil type of the layer shown.
TEST(SoilScreenLoad, EnablingFollowsMethodStudiesAndSoilType) {
    // Per method (neire_sw 0 to 4): frame 4, buttons 2-5, frame 5, buttons 6-8.
    struct MethodRow {
        bool frame4;
        bool layer_buttons[4];
        bool frame5;
        bool side_buttons[3];
    };
    const MethodRow methods[] = {
        {true, {true, true, true, false}, false, {false, false, false}},  // Chang
        {true, {true, true, true, false}, false, {false, false, false}},  // Chang, multi-layer
        {false, {false, false, false, false}, true, {true, true, false}}, // C-type
        {true, {true, false, false, true}, false, {false, false, false}}, // C-type, multi-layer
        {false, {false, false, false, false}, true, {true, false, true}}, // S-type
    };
    const int studies[][2] = {{1, 1}, {1, 0}, {0, 1}, {0, 0}};
    for (int neire = 0; neire < 5; ++neire) {
        for (const auto& study : studies) {
            for (int soil = 0; soil < 2; ++soil) {
                SoilFixture f;
                f.data.sekkei_dat.neire_sw = code_of_list_index<EmbedmentMethod>(neire);
                f.data.sekkei_dat.kanseiji_sw = code_of_list_index<CheckBox>(study[0]);
                f.data.sekkei_dat.sekouji_sw = code_of_list_index<CheckBox>(study[1]);
                f.data.dosou_dat = DosouData{};
                f.data.dosou_dat.dosou_riku[0] = layer(3, 18, 20, soil, 0);
                f.data.dosou_dat.dosou_umi[0] = layer(-5, 18, 20, soil, 0);
                f.show();
                for (Side side : kSides) {
                    SCOPED_TRACE(::testing::Message()
                                 << "neire " << neire << " studies " << study[0] << study[1]
                                 << " soil " << soil << (side == Side::land ? " land" : " sea"));
                    const bool blocked =
                        study[0] != study[1] && (side == Side::land ? study[0] : study[1]) == 1;
                    const MethodRow& m = methods[neire];
                    for (int i : {1, 2})
                        EXPECT_TRUE(f.fra(side, i).enabled()) << i;
                    for (int i : {0, 1, 2})
                        EXPECT_TRUE(f.txt(side, i).enabled()) << i;
                    for (int i : {16, 17, 18})
                        EXPECT_TRUE(f.lbl(side, i).enabled()) << i;
                    for (int i : {0, 1, 2})
                        EXPECT_TRUE(f.cmd(side, i).enabled()) << i;
                    EXPECT_EQ(f.opt(side, soil).value(), true);
                    EXPECT_EQ(f.txt(side, 3).enabled(), soil == 0);
                    EXPECT_EQ(f.lbl(side, 19).enabled(), soil == 0);
                    for (int i : {4, 5})
                        EXPECT_EQ(f.txt(side, i).enabled(), soil == 1) << i;
                    for (int i : {20, 21})
                        EXPECT_EQ(f.lbl(side, i).enabled(), soil == 1) << i;
                    EXPECT_EQ(f.fra(side, 3).enabled(), !blocked);
                    EXPECT_EQ(f.fra(side, 4).enabled(), m.frame4 && !blocked);
                    EXPECT_EQ(f.fra(side, 5).enabled(), m.frame5 && !blocked);
                    for (int k = 0; k < 4; ++k)
                        EXPECT_EQ(f.opt(side, 2 + k).enabled(), m.layer_buttons[k] && !blocked)
                            << "button " << 2 + k;
                    for (int k = 0; k < 3; ++k)
                        EXPECT_EQ(f.opt(side, 6 + k).enabled(), m.side_buttons[k] && !blocked)
                            << "button " << 6 + k;
                    // Option 0 of both groups is selected: only its box can be on.
                    EXPECT_EQ(f.txt(side, 6).enabled(), m.layer_buttons[0] && !blocked);
                    EXPECT_EQ(f.txt(side, 10).enabled(), m.side_buttons[0] && !blocked);
                    for (int i : {7, 8, 9, 11, 12})
                        EXPECT_FALSE(f.txt(side, i).enabled()) << i;
                    // A blocked side dashes its N value and constant columns.
                    const std::string tail = f.lst(side).list(0).substr(kLineWidth - 28);
                    EXPECT_EQ(tail == "        ----        --------", blocked) << tail;
                }
            }
        }
    }
}

TEST(SoilScreenLoad, ASelectedButtonThatTheMethodBlocksKeepsItsBoxDisabled) {
    SoilFixture f;
    f.data.sekkei_dat.neire_sw =
        EmbedmentMethod::CTypeMultiLayer; // C-type, multi-layer: no Kh = 1500 N
    f.data.dosou_dat = DosouData{};
    f.data.dosou_dat.dosou_riku[0] = layer(3, 18, 20, 0, 1);
    f.show();
    EXPECT_TRUE(f.opt(Side::land, 3).value());
    EXPECT_FALSE(f.opt(Side::land, 3).enabled());
    EXPECT_FALSE(f.txt(Side::land, 7).enabled());
    EXPECT_EQ(f.txt(Side::land, 7).text(), "10.0");
}

TEST(SoilScreenLoad, AnEmptySideOffersOnlyAddWithZeroTexts) {
    SoilFixture f;
    f.data.dosou_dat = DosouData{};
    f.data.dosou_dat.dosou_hoho[1].hoho_k[0] = 700.0;
    f.show(Side::sea);
    const char* zero[] = {"0.00", "0.000", "0.000", "0.0", "0.000", "0.000", "0.0",
                          "0.0",  "0.0",   "0.0",   "0.0", "0.0",   "0.00"};
    for (int i = 0; i < kBoxCount; ++i) {
        EXPECT_EQ(f.txt(Side::sea, i).text(), zero[i]) << i;
        EXPECT_FALSE(f.txt(Side::sea, i).enabled()) << i;
    }
    for (int i = 0; i < kOptionCount; ++i)
        EXPECT_FALSE(f.opt(Side::sea, i).enabled()) << i;
    for (int i = 1; i < kFrameCount; ++i)
        EXPECT_FALSE(f.fra(Side::sea, i).enabled()) << i;
    for (int i : {0, 2, 6})
        EXPECT_TRUE(f.opt(Side::sea, i).value()) << i;
    EXPECT_TRUE(f.cmd(Side::sea, 0).enabled());
    EXPECT_FALSE(f.cmd(Side::sea, 1).enabled());
    EXPECT_FALSE(f.cmd(Side::sea, 2).enabled());
    EXPECT_EQ(f.lst(Side::sea).list_index(), -1);
    // A text set with no layer selected writes no row; it is what the next
    // add takes. An empty side stores a zero method record.
    f.txt(Side::sea, 0).set_text("5");
    EXPECT_EQ(f.lst(Side::sea).list_count(), 0u);
    EXPECT_EQ(f.stored().dosou_hoho[1].hoho_k[0], 0.0);
    f.press(Side::sea, kAddButton);
    EXPECT_EQ(f.lst(Side::sea).list_index(), 0);
    EXPECT_EQ(f.stored().dosou_umi[0].top_lvl, 5.0);
    EXPECT_TRUE(f.txt(Side::sea, 0).enabled());
    EXPECT_TRUE(f.cmd(Side::sea, kDeleteButton).enabled());
}

TEST(SoilScreenRows, EachSideTakesFifteenLayersAndTheLandButtonsLeaveTheSeaAlone) {
    SoilFixture f;
    f.data.dosou_dat = DosouData{};
    f.data.dosou_dat.dosou_umi[0] = layer(-5, 17, 19);
    f.show();
    for (Side side : kSides) {
        f.page(side);
        const std::size_t start = f.lst(side).list_count();
        for (std::size_t n = start; n < kSoilLayerRoom; ++n) {
            f.press(side, n % 2 == 0 ? kAddButton : kInsertButton);
            ASSERT_EQ(f.lst(side).list_count(), n + 1);
            // A layer without unit weights is no layer to the next loading.
            if (n == 0) f.type(side, 1, "18");
        }
        EXPECT_FALSE(f.cmd(side, kAddButton).enabled());
        EXPECT_FALSE(f.cmd(side, kInsertButton).enabled());
        EXPECT_TRUE(f.cmd(side, kDeleteButton).enabled());
        EXPECT_EQ(f.lst(side).list(14).substr(0, 3), " 15");
        if (side == Side::land) {
            EXPECT_EQ(f.lst(Side::sea).list_count(), 1u);
        }
        f.press(side, kDeleteButton);
        EXPECT_TRUE(f.cmd(side, kAddButton).enabled());
        EXPECT_TRUE(f.cmd(side, kInsertButton).enabled());
        f.press(side, kAddButton);
    }
    // Leaving the screen and coming back loads 15 layers: no room again.
    f.window->opt_menu[0]->user_click();
    f.window->opt_menu[kSoilScreen]->user_click();
    for (Side side : kSides) {
        EXPECT_EQ(f.lst(side).list_count(), 15u);
        EXPECT_FALSE(f.cmd(side, kAddButton).enabled());
        EXPECT_FALSE(f.cmd(side, kInsertButton).enabled());
    }
    EXPECT_EQ(f.stored().dosou_umi[14].top_lvl, -5.0);
}

TEST(SoilScreenRows, InsertOnTheFirstLineAndDeleteInTheMiddleAtTheEndAndTheOnly) {
    SoilFixture f;
    f.data.dosou_dat = DosouData{};
    for (int i = 0; i < 3; ++i)
        f.data.dosou_dat.dosou_riku[i] = layer(-3.0 * i, 18, 20);
    f.show();
    ui::ListBox& list = f.lst(Side::land);
    f.type(Side::land, 0, "5");
    f.press(Side::land, kInsertButton); // a copy of layer 1 as its boxes show it, before it
    EXPECT_EQ(list.list_count(), 4u);
    EXPECT_EQ(list.list_index(), 0);
    EXPECT_EQ(list.list(1).substr(0, 15), "  2        5.00");
    EXPECT_EQ(list.list(3).substr(0, 15), "  4       -6.00");

    f.select(Side::land, 1);
    f.press(Side::land, kDeleteButton); // middle: the next layer moves up, selected
    EXPECT_EQ(list.list_index(), 1);
    EXPECT_EQ(f.txt(Side::land, 0).text(), "-3.00");
    f.select(Side::land, 2);
    f.press(Side::land, kDeleteButton); // last: the selection moves up
    EXPECT_EQ(list.list_count(), 2u);
    EXPECT_EQ(list.list_index(), 1);
    f.press(Side::land, kDeleteButton);
    f.press(Side::land, kDeleteButton); // the only one
    EXPECT_EQ(list.list_count(), 0u);
    EXPECT_EQ(list.list_index(), -1);
    EXPECT_EQ(f.txt(Side::land, 0).text(), "0.00");
    EXPECT_FALSE(f.cmd(Side::land, kDeleteButton).enabled());
    EXPECT_FALSE(f.txt(Side::land, 0).enabled());
    EXPECT_EQ(f.stored().dosou_riku[0].unit_w[0], 0.0);
    EXPECT_EQ(f.data.dosou_dat.dosou_hoho[0].hoho_sw, SideResistanceOption::Given);
}

TEST(SoilScreenEdit, BoxSevenStoresNAnd1500NUnrounded) {
    SoilFixture f;
    f.data.dosou_dat = DosouData{};
    f.data.dosou_dat.dosou_riku[0] = layer(3, 18, 20, 0, 1);
    f.show();
    f.type(Side::land, 7, "12");
    const DosouRec& r = f.stored().dosou_riku[0];
    EXPECT_EQ(r.n_val[1], 12.0);
    EXPECT_EQ(r.kh_val[1], 18000.0);
    EXPECT_EQ(f.lst(Side::land).list(0).substr(kLineWidth - 28), "        12.0        --------");

    f.type(Side::land, 7, "2.3");
    EXPECT_EQ(f.stored().dosou_riku[0].kh_val[1], 1500.0 * 2.3);
    EXPECT_EQ(f.txt(Side::land, 7).text(), "2.3");
    // A 1500-fold beyond the range of a double reads as no number.
    f.type(Side::land, 7, "2E305");
    EXPECT_EQ(f.stored().dosou_riku[0].n_val[1], 0.0);
    EXPECT_EQ(f.data.dosou_dat.dosou_riku[0].kh_val[1], 0.0);
}

TEST(SoilScreenEdit, SideBoxTenOnALaterLineShowsOnLineZeroOnEitherSide) {
    for (Side side : kSides) {
        SoilFixture f;
        f.data.sekkei_dat.neire_sw = EmbedmentMethod::CType; // C-type: one method per side
        f.data.sekkei_dat.kanseiji_sw = CheckBox::Checked;
        f.data.sekkei_dat.sekouji_sw = CheckBox::Checked;
        f.data.dosou_dat = DosouData{};
        for (int i = 0; i < 5; ++i) {
            f.data.dosou_dat.dosou_riku[i] = layer(-2.0 * i, 18, 20);
            f.data.dosou_dat.dosou_umi[i] = layer(-3.0 * i, 18, 20);
        }
        f.data.dosou_dat.dosou_hoho[0].hoho_n[0] = 4.0;
        f.data.dosou_dat.dosou_hoho[1].hoho_n[0] = 4.0;
        f.show(side);
        f.select(side, 3);
        f.type(side, 10, "500");
        const std::string line3 = f.lst(side).list(3);
        const std::string line0 = f.lst(side).list(0);
        EXPECT_EQ(line0.substr(kLineWidth - 28), "        ----           500.0");
        EXPECT_EQ(line3.substr(kLineWidth - 28), "        ----        --------");
        const DosouHohoRec& h = f.stored().dosou_hoho[side == Side::land ? 0 : 1];
        EXPECT_EQ(h.hoho_k[0], 500.0);
        EXPECT_EQ(h.hoho_n[0], 0.0);
        // The other side is untouched.
        EXPECT_EQ(f.data.dosou_dat.dosou_hoho[side == Side::land ? 1 : 0].hoho_n[0], 4.0);
    }
}

TEST(SoilScreenEdit, ClayKeepsTheFrictionAngleInRowAndBox) {
    SoilFixture f;
    f.data.dosou_dat = DosouData{};
    f.data.dosou_dat.dosou_riku[0] = layer(3, 18, 20);
    f.show();
    f.choose(Side::land, kClayOption);
    EXPECT_TRUE(f.txt(Side::land, 4).enabled());
    EXPECT_FALSE(f.txt(Side::land, 3).enabled());
    EXPECT_EQ(f.txt(Side::land, 3).text(), "30.0");
    const DosouRec& r = f.stored().dosou_riku[0];
    EXPECT_EQ(r.soil_sw, SoilKind::Clay);
    EXPECT_EQ(r.soil_val[0], 30.0);
    EXPECT_EQ(f.lst(Side::land).list(0).substr(39, 12), "        ----");
}

TEST(SoilScreenEdit, StoredDigitsSurviveLoadSelectionAndStoreAndAddCopiesWhatTheBoxShows) {
    SoilFixture f;
    f.data.dosou_dat = DosouData{};
    DosouRec top = layer(12.3456, 18, 20);
    top.kh_val[0] = 987.654;
    f.data.dosou_dat.dosou_riku[0] = top;
    f.data.dosou_dat.dosou_riku[1] = layer(-4, 18, 20);
    f.data.dosou_dat.dosou_hoho[0].hoho_k[0] = 1234.56;
    f.data.dosou_dat.dosou_hoho[0].hoho_n[2] = 12.345;
    f.show();
    EXPECT_EQ(f.txt(Side::land, 0).text(), "12.35");
    EXPECT_EQ(f.txt(Side::land, 6).text(), "987.7");
    f.select(Side::land, 1);
    f.select(Side::land, 0);
    f.press(Side::land, kAddButton); // a copy of the top layer as its boxes show it
    const DosouData& s = f.stored();
    EXPECT_EQ(s.dosou_riku[0].top_lvl, 12.3456);
    EXPECT_EQ(s.dosou_riku[0].kh_val[0], 987.654);
    EXPECT_EQ(s.dosou_riku[2].top_lvl, 12.35);
    EXPECT_EQ(s.dosou_riku[2].kh_val[0], 987.7);
    // A side with layers keeps its method record as it was.
    EXPECT_EQ(s.dosou_hoho[0].hoho_k[0], 1234.56);
    EXPECT_EQ(s.dosou_hoho[0].hoho_n[2], 12.345);
}

TEST(SoilScreenEdit, TheLandHintShowsOnTheNBoxesAndLeavingClearsIt) {
    SoilFixture f;
    f.data.sekkei_dat.neire_sw = EmbedmentMethod::Chang;
    f.data.dosou_dat = DosouData{};
    f.data.dosou_dat.dosou_riku[0] = layer(3, 18, 20, 0, 2);
    f.data.dosou_dat.dosou_umi[0] = layer(3, 18, 20, 0, 2);
    f.show();
    ui::StatusBar& bar = f.window->stv_gm;
    ASSERT_TRUE(f.window->form.set_focus(&f.txt(Side::land, 8)));
    EXPECT_EQ(bar.panel_text(1), kNValueHint);
    EXPECT_EQ(f.txt(Side::land, 8).sel_length(), 3u); // "8.0", ready to be typed over
    f.window->form.set_focus(&f.txt(Side::land, 3));
    EXPECT_EQ(bar.panel_text(1), "");
    bar.set_panel_text(1, "x");
    f.window->form.set_focus(&f.txt(Side::land, 0));
    EXPECT_EQ(bar.panel_text(1), "");
    f.page(Side::sea);
    bar.set_panel_text(1, "x");
    f.window->form.set_focus(&f.txt(Side::sea, 8));
    f.window->form.set_focus(&f.txt(Side::sea, 0));
    EXPECT_EQ(bar.panel_text(1), "x");
}

} // namespace
} // namespace wtn::soil::test
