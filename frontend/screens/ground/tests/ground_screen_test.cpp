// Screen 4 driven through the toolkit on a started main window: loading,
// storing, the enabled states, row editing, the live update and the hints.
#include "ground_fixture.h"

#include <gtest/gtest.h>

namespace wtn::ground::test {
namespace {

struct GroundScreenTest : GroundScreensTest {
    GroundScreenTest() { choose_shape(*f.window, 1); }
    void show() { show_screen(*f.window, kGroundScreen); }
    void store() { f.window->screens[kGroundScreen].store(); }
    TihyouData& t() { return f.data.tihyou_dat; }
    const std::string& panel() { return f.window->stv_gm.panel_text(1); }
    void type(ui::TextBox& box, const std::string& text) {
        box.got_focus();
        ASSERT_TRUE(box.user_edit(text)) << box.full_name();
    }
};

TEST_F(GroundScreenTest, LoadKeepsEveryUsedRowInOrderAndStoreWritesThemFromRowZero) {
    t().morid_tbl[0] = {5, 18, 20};
    t().morid_tbl[1] = {3, 0, 0};
    t().morid_tbl[2] = {1, 0, 19}; // only a saturated weight: used
    t().josai_tbl[1] = {0, 10, 0, 5};
    t().josai_tbl[3] = {-2, 4, -1, 0}; // a negative intensity is a load too
    t().tikei_tbl[0] = {0, 3};
    t().tikei_tbl[1] = {0, 0};
    t().tikei_tbl[2] = {0, -1.5}; // below the origin: a real point
    t().tikei_tbl[3] = {20, 5};
    show();

    ASSERT_EQ(g.lst[kFillGroup]->list_count(), 2u);
    EXPECT_EQ(g.lst[kFillGroup]->list(1), "  2           1.00          0.000         19.000");
    EXPECT_EQ(g.lst[kZoneGroup]->list_count(), 2u);
    EXPECT_EQ(g.lst[kZoneGroup]->list(0), "  1       0.000      10.000        0.00        5.00");
    ASSERT_EQ(g.lst[kPointGroup]->list_count(), 3u);
    EXPECT_EQ(g.lst[kPointGroup]->list(1), "  2       0.000      -1.500");
    for (ui::ListBox* list : g.lst)
        EXPECT_EQ(list->list_index(), 0);
    EXPECT_EQ(g.txt[1]->text(), "5.00");
    EXPECT_EQ(g.txt[7]->text(), "5.00");
    EXPECT_EQ(g.txt[9]->text(), "3.000");

    store();
    EXPECT_EQ(t().morid_tbl[1].sat_w, 19.0);
    EXPECT_EQ(t().morid_tbl[2].sat_w, 0.0);
    EXPECT_EQ(t().morid_tbl[2].top_lvl, 0.0);
    EXPECT_EQ(t().josai_tbl[1].q_normal, -1.0);
    EXPECT_EQ(t().josai_tbl[3].end_x, 0.0);
    EXPECT_EQ(t().tikei_tbl[1].y, -1.5);
    EXPECT_EQ(t().tikei_tbl[2].x, 20.0);
    EXPECT_EQ(t().tikei_tbl[3].x, 0.0);
}

TEST_F(GroundScreenTest, EmptyDataShowsZerosAndOnlyTheAddButtons) {
    show();
    for (int i : {0, 1})
        EXPECT_EQ(g.txt13[i]->text(), "0.0");
    for (int i : {2, 3})
        EXPECT_EQ(g.txt13[i]->text(), "0.00");
    const char* expected[kGroundBoxCount] = {"0.00",  "0.00", "0.000", "0.000", "0.000",
                                             "0.000", "0.00", "0.00",  "0.000", "0.000"};
    for (int i = 0; i < kGroundBoxCount; ++i) {
        EXPECT_EQ(g.txt[i]->text(), expected[i]) << i;
        EXPECT_EQ(g.txt[i]->enabled(), i == 0) << i;
    }
    for (int group = 0; group < kGroupCount; ++group) {
        EXPECT_TRUE(g.add(group).enabled());
        EXPECT_FALSE(g.insert(group).enabled());
        EXPECT_FALSE(g.remove(group).enabled());
        EXPECT_EQ(g.lst[group]->list_index(), -1);
    }
}

TEST_F(GroundScreenTest, StudySwitchesAndZoneCountSetTheEnabledStates) {
    struct Case {
        int jyo, jis, zones;
        bool normal_on, seismic_on; // txt_gm14(6), (7)
        bool x_on, add_on, insert_on, delete_on;
    };
    const Case cases[] = {
        {1, 1, 0, false, false, false, true, false, false},
        {1, 0, 2, true, false, true, true, true, true},
        {0, 1, 2, false, true, true, true, true, true},
        {0, 0, 5, false, false, true, false, false, true},
        {1, 1, 5, true, true, true, false, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.jyo << c.jis << " zones " << c.zones);
        show_screen(*f.window, 0); // the screen left is stored before the data is set
        f.data.kanseiji_dat.jyo_sw = code_of_list_index<CheckBox>(c.jyo);
        f.data.kanseiji_dat.jis_sw = code_of_list_index<CheckBox>(c.jis);
        t().josai_tbl = {};
        for (int i = 0; i < c.zones; ++i)
            t().josai_tbl[i] = {double(i), double(i + 1), 1, 1};
        show();
        EXPECT_EQ(g.txt13[2]->enabled(), c.jyo == 1);
        EXPECT_EQ(g.lbl13[2]->enabled(), c.jyo == 1);
        EXPECT_EQ(g.txt13[3]->enabled(), c.jis == 1);
        EXPECT_EQ(g.lbl13[3]->enabled(), c.jis == 1);
        EXPECT_EQ(g.txt[6]->enabled(), c.normal_on);
        EXPECT_EQ(g.lbl[16]->enabled(), c.normal_on);
        EXPECT_EQ(g.txt[7]->enabled(), c.seismic_on);
        EXPECT_EQ(g.lbl[17]->enabled(), c.seismic_on);
        for (int i : {4, 5})
            EXPECT_EQ(g.txt[i]->enabled(), c.x_on);
        EXPECT_EQ(g.add(kZoneGroup).enabled(), c.add_on);
        EXPECT_EQ(g.insert(kZoneGroup).enabled(), c.insert_on);
        EXPECT_EQ(g.remove(kZoneGroup).enabled(), c.delete_on);
    }
}

TEST_F(GroundScreenTest, PagesFollowTheShapeAndBothPagesAreStored) {
    t().ground_ang = {2.5, -1, 0};
    t().morid_tbl[0] = {3, 18, 20};
    choose_shape(*f.window, 0);
    show();
    ui::TabControl& tab = *f.window->tab_gm[kGroundScreen];
    EXPECT_EQ(tab.tab(), kStraightPage);
    EXPECT_TRUE(tab.tab_enabled(kStraightPage));
    EXPECT_FALSE(tab.tab_enabled(kEmbankmentPage));
    EXPECT_EQ(g.lst[kFillGroup]->list_count(), 1u);
    EXPECT_EQ(g.txt13[0]->text(), "2.5");

    g.txt13[1]->got_focus();
    EXPECT_TRUE(g.txt13[1]->user_edit("-3.25abc"));
    g.txt13[1]->lost_focus();
    EXPECT_EQ(g.txt13[1]->text(), "-1.0"); // not a number: refused, the old value stays
    store();
    EXPECT_EQ(t().ground_ang[1], -1.0);
    EXPECT_EQ(t().morid_tbl[0].wet_w, 18.0);

    choose_shape(*f.window, 1);
    show();
    EXPECT_EQ(tab.tab(), kEmbankmentPage);
    EXPECT_FALSE(tab.tab_enabled(kStraightPage));
    EXPECT_TRUE(tab.tab_enabled(kEmbankmentPage));
}

TEST_F(GroundScreenTest, AddAndInsertStopAtEachLimitAndReturnAfterADelete) {
    show();
    for (int group = 0; group < kGroupCount; ++group) {
        SCOPED_TRACE(group);
        for (int n = 0; n < kGroupLimits[group]; ++n) {
            EXPECT_TRUE(g.add(group).user_click());
        }
        EXPECT_EQ(g.lst[group]->list_count(), static_cast<std::size_t>(kGroupLimits[group]));
        EXPECT_EQ(g.lst[group]->list_index(), kGroupLimits[group] - 1);
        EXPECT_FALSE(g.add(group).enabled());
        EXPECT_FALSE(g.insert(group).enabled());
        EXPECT_TRUE(g.remove(group).user_click());
        EXPECT_TRUE(g.add(group).enabled());
        EXPECT_TRUE(g.insert(group).enabled());
        // A call that bypasses the disabled button cannot overflow the rows.
        EXPECT_TRUE(g.add(group).user_click());
        g.add(group).click();
        EXPECT_EQ(g.lst[group]->list_count(), static_cast<std::size_t>(kGroupLimits[group]));
    }
    EXPECT_EQ(g.lst[kPointGroup]->list(79), " 80       0.000       0.000");
}

TEST_F(GroundScreenTest, InsertAndDeleteMoveRowsAndTheSelection) {
    t().tikei_tbl[0] = {1, 1};
    t().tikei_tbl[1] = {2, 2};
    t().tikei_tbl[2] = {3, 3};
    show();
    ui::ListBox& list = *g.lst[kPointGroup];

    // Insert before the first row copies it, every later number one higher.
    EXPECT_TRUE(g.insert(kPointGroup).user_click());
    ASSERT_EQ(list.list_count(), 4u);
    EXPECT_EQ(list.list(1), "  2       1.000       1.000");
    EXPECT_EQ(list.list(3), "  4       3.000       3.000");
    EXPECT_EQ(list.list_index(), 0);

    // Delete of a middle row keeps the position, now on the next row.
    ASSERT_TRUE(list.user_select(2));
    EXPECT_TRUE(g.remove(kPointGroup).user_click());
    EXPECT_EQ(list.list_index(), 2);
    EXPECT_EQ(g.txt[8]->text(), "3.000");
    // Delete of the last row moves the selection up.
    EXPECT_TRUE(g.remove(kPointGroup).user_click());
    EXPECT_EQ(list.list_index(), 1);
    EXPECT_EQ(list.list_count(), 2u);

    // Down to none: no selection, the boxes keep the last values and add
    // brings the row back.
    EXPECT_TRUE(g.remove(kPointGroup).user_click());
    EXPECT_TRUE(g.remove(kPointGroup).user_click());
    EXPECT_EQ(list.list_index(), -1);
    EXPECT_FALSE(g.txt[8]->enabled());
    EXPECT_FALSE(g.remove(kPointGroup).enabled());
    EXPECT_FALSE(g.insert(kPointGroup).enabled());
    EXPECT_EQ(g.txt[8]->text(), "1.000");
    g.insert(kPointGroup).click(); // no selected line: nothing
    g.remove(kPointGroup).click();
    EXPECT_EQ(list.list_count(), 0u);
    EXPECT_TRUE(g.add(kPointGroup).user_click());
    EXPECT_EQ(list.list(0), "  1       1.000       1.000");
}

TEST_F(GroundScreenTest, TypedValuesReachTheRowWholeAndTheLineMasked) {
    t().morid_tbl[0] = {5, 18, 20};
    t().morid_tbl[1] = {3, 17, 19};
    t().josai_tbl[0] = {2.3456, 10, 1, 1};
    show();
    ui::ListBox& fills = *g.lst[kFillGroup];
    ASSERT_TRUE(fills.user_select(1));
    type(*g.txt[2], "12.3456");
    EXPECT_EQ(fills.list(1).substr(18, 15), "         12.346");
    EXPECT_EQ(fills.list(1), "  2           3.00         12.346         19.000");
    g.txt[2]->lost_focus();
    EXPECT_EQ(g.txt[2]->text(), "12.346");

    // The zone's start keeps its four decimals through the selection, the
    // box's leave and the store; the box shows the list's three.
    EXPECT_EQ(g.txt[4]->text(), "2.346");
    g.txt[4]->got_focus();
    g.txt[4]->lost_focus();
    EXPECT_EQ(g.txt[4]->text(), "2.346");
    ASSERT_TRUE(fills.user_select(0));
    ASSERT_TRUE(g.lst[kZoneGroup]->user_select(0));
    store();
    EXPECT_EQ(t().morid_tbl[1].wet_w, 12.3456);
    EXPECT_EQ(t().josai_tbl[0].start_x, 2.3456);

    // A text without a number is 0; typing in txt_gm14(0) touches no row.
    type(*g.txt[0], "-2.5");
    EXPECT_EQ(g.lst[kFillGroup]->list(0), "  1           5.00         18.000         20.000");
    store();
    EXPECT_EQ(t().seabed_ang, -2.5);
}

TEST_F(GroundScreenTest, AnglesShowTheirHintAndLeavingAnyBoxClearsIt) {
    choose_shape(*f.window, 0);
    show();
    g.txt13[0]->got_focus();
    EXPECT_EQ(panel(), kHintUpPositive);
    g.txt13[0]->lost_focus();
    EXPECT_EQ(panel(), "");
    g.txt13[1]->got_focus();
    EXPECT_EQ(panel(), kHintUpNegative);
    g.txt13[2]->got_focus();
    EXPECT_EQ(panel(), kHintUpNegative); // no hint of its own
    g.txt13[2]->lost_focus();
    EXPECT_EQ(panel(), "");

    choose_shape(*f.window, 1);
    show();
    g.txt[0]->got_focus();
    EXPECT_EQ(panel(), kHintUpNegative);
    g.txt[0]->user_edit("1.5");
    g.txt[0]->lost_focus();
    EXPECT_EQ(panel(), "");
    EXPECT_EQ(g.txt[0]->text(), "1.50");
    f.window->stv_gm.set_panel_text(1, "x");
    g.txt[3]->got_focus();
    g.txt[3]->lost_focus();
    EXPECT_EQ(panel(), "");
}

} // namespace
} // namespace wtn::ground::test
