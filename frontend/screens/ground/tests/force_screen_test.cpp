// Screen 6 driven through the toolkit on a started main window: loading,
// storing, the enabled states and the row editing of both cases.
#include "ground_fixture.h"

#include <gtest/gtest.h>

namespace wtn::ground::test {
namespace {

GairyokuRec force(const std::string& name, int direction, double f, double h) {
    return GairyokuRec{force_name_field(name), code_of_list_index<ForceSide>(direction), f, h};
}

struct ForceScreenTest : GroundScreensTest {
    void show() { show_screen(*f.window, kForceScreen); }
    void store() { f.window->screens[kForceScreen].store(); }
    std::array<GairyokuRec, kForceRoom + 1>& normal() { return f.data.gairyoku_dat.gairyoku_jyo; }
    std::array<GairyokuRec, kForceRoom + 1>& seismic() { return f.data.gairyoku_dat.gairyoku_jis; }
    void type(ui::TextBox& box, const std::string& text) {
        box.got_focus();
        ASSERT_TRUE(box.user_edit(text)) << box.full_name();
    }
    // "A", "B", "C" in the normal table with line `selected` chosen.
    void three_rows(int selected) {
        show_screen(*f.window, 0);
        f.data.gairyoku_dat = GairyokuData{};
        normal()[0] = force("A", 0, 1, 1);
        normal()[1] = force("B", 1, 2, 2);
        normal()[2] = force("C", 0, 3, 3);
        show();
        ASSERT_TRUE(e.lst[0]->user_select(static_cast<std::size_t>(selected)));
    }
    std::vector<std::string> names() {
        store();
        std::vector<std::string> out;
        for (int i = 0; i < kForceRoom && normal()[i].force != 0; ++i)
            out.push_back(trim_blanks(normal()[i].name));
        return out;
    }
};

TEST_F(ForceScreenTest, LoadKeepsEveryNonZeroForceAndStoreCompacts) {
    normal()[0] = force("Mooring pull", 0, 10, 3.25);
    normal()[2] = force("けん引力", 1, -5, 1.5); // a negative force is a force
    normal()[4] = force("late", 0, 7, 0);
    show();
    ASSERT_EQ(e.lst[0]->list_count(), 3u);
    EXPECT_EQ(e.lst[0]->list(1), "  2   けん引力                受働        -5.000        1.500");
    EXPECT_EQ(e.lst[0]->list_index(), 0);
    EXPECT_EQ(e.name(0).text(), "Mooring pull        ");
    EXPECT_EQ(e.force(0).text(), "10.000");
    EXPECT_TRUE(e.opt[0]->value());

    store();
    EXPECT_EQ(normal()[1].force, -5.0);
    EXPECT_EQ(normal()[2].force, 7.0);
    EXPECT_EQ(normal()[3].force, 0.0);
    EXPECT_EQ(normal()[4].name, std::string(20, ' '));
    // A revisit shows the same forces.
    show();
    EXPECT_EQ(e.lst[0]->list_count(), 3u);
}

TEST_F(ForceScreenTest, StudySwitchAndRowCountSetTheEnabledStates) {
    struct Case {
        int sw, rows;
        bool frame, boxes, add, insert, remove;
    };
    const Case cases[] = {
        {0, 3, false, false, false, false, false}, {1, 0, true, false, true, false, false},
        {1, 1, true, true, true, true, true},      {1, 4, true, true, true, true, true},
        {1, 5, true, true, false, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "switch " << c.sw << " rows " << c.rows);
        show_screen(*f.window, 0); // the screen left is stored before the data is set
        f.data.kanseiji_dat.jyo_sw = code_of_list_index<CheckBox>(c.sw);
        f.data.gairyoku_dat = GairyokuData{};
        for (int i = 0; i < c.rows; ++i)
            normal()[i] = force("F", 0, i + 1, 0);
        show();
        EXPECT_EQ(e.fra[0]->enabled(), c.frame);
        EXPECT_EQ(e.lst[0]->enabled(), c.frame);
        EXPECT_EQ(e.lbl[0]->enabled(), c.frame);
        EXPECT_EQ(e.lbl[5]->enabled(), c.boxes);
        for (int b = 0; b < 3; ++b)
            EXPECT_EQ(e.txt[b]->enabled(), c.boxes);
        EXPECT_EQ(e.opt[1]->enabled(), c.boxes);
        EXPECT_EQ(e.cmd[0]->enabled(), c.add);
        EXPECT_EQ(e.cmd[1]->enabled(), c.insert);
        EXPECT_EQ(e.cmd[2]->enabled(), c.remove);
        EXPECT_EQ(e.lst[0]->list_count(), static_cast<std::size_t>(c.rows));
        // The seismic frame follows its own switch alone.
        EXPECT_TRUE(e.fra[1]->enabled());
        store();
        EXPECT_EQ(normal()[c.rows > 0 ? c.rows - 1 : 0].force, c.rows > 0 ? c.rows : 0.0);
    }
}

TEST_F(ForceScreenTest, AddInsertAndDeleteOnTheSelectedRow) {
    three_rows(1);
    EXPECT_TRUE(e.cmd[0]->user_click());
    EXPECT_EQ(names(), (std::vector<std::string>{"A", "B", "C", "B"}));
    EXPECT_EQ(e.lst[0]->list_index(), 3);

    three_rows(1);
    EXPECT_TRUE(e.cmd[1]->user_click());
    EXPECT_EQ(names(), (std::vector<std::string>{"A", "B", "B", "C"}));
    EXPECT_EQ(e.lst[0]->list_index(), 1);

    three_rows(1);
    EXPECT_TRUE(e.cmd[2]->user_click());
    EXPECT_EQ(names(), (std::vector<std::string>{"A", "C"}));
    EXPECT_EQ(e.lst[0]->list_index(), 1);
    EXPECT_EQ(e.name(0).text(), "C                   ");

    three_rows(2);
    EXPECT_TRUE(e.cmd[2]->user_click());
    EXPECT_EQ(names(), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(e.lst[0]->list_index(), 1);
}

TEST_F(ForceScreenTest, DeletingTheOnlyRowResetsTheBoxesAndAFifthRowStopsAdding) {
    normal()[0] = force("A", 1, 4, 2);
    show();
    EXPECT_TRUE(e.cmd[2]->user_click());
    EXPECT_EQ(e.lst[0]->list_index(), -1);
    EXPECT_EQ(e.name(0).text(), "");
    EXPECT_EQ(e.force(0).text(), "0.000");
    EXPECT_TRUE(e.opt[0]->value());
    EXPECT_FALSE(e.txt[0]->enabled());
    EXPECT_FALSE(e.cmd[1]->enabled());
    EXPECT_FALSE(e.cmd[2]->enabled());
    e.cmd[1]->click(); // no selected line: nothing
    e.cmd[2]->click();
    EXPECT_EQ(e.lst[0]->list_count(), 0u);

    EXPECT_TRUE(e.cmd[0]->user_click());
    EXPECT_EQ(e.lst[0]->list(0),
              "  1   " + std::string(24, ' ') + "主働         0.000        0.000");
    for (int n = 2; n <= kForceRoom; ++n)
        EXPECT_TRUE(e.cmd[n == 5 ? 1 : 0]->user_click());
    EXPECT_FALSE(e.cmd[0]->enabled());
    EXPECT_FALSE(e.cmd[1]->enabled());
    e.cmd[0]->click();
    EXPECT_EQ(e.lst[0]->list_count(), 5u);
    EXPECT_TRUE(e.cmd[2]->user_click());
    EXPECT_TRUE(e.cmd[0]->enabled());
    EXPECT_TRUE(e.cmd[1]->enabled());
}

TEST_F(ForceScreenTest, SeismicButtonsNeverTouchTheNormalTable) {
    normal()[0] = force("N", 0, 1, 1);
    seismic()[0] = force("S", 0, 2, 2);
    show();
    const auto normal_lines = e.lst[0]->lines();
    for (int i : {3, 4, 5, 5})
        e.cmd[i]->user_click();
    EXPECT_EQ(e.lst[0]->lines(), normal_lines);
    EXPECT_EQ(e.lst[0]->list_index(), 0);
    EXPECT_TRUE(e.cmd[2]->enabled());
    EXPECT_EQ(e.lst[1]->list_count(), 1u);
}

TEST_F(ForceScreenTest, TypingAndDirectionUpdateTheSelectedRow) {
    normal()[0] = force("A", 0, 1, 1);
    normal()[1] = force("B", 0, 2, 2);
    show();
    ASSERT_TRUE(e.lst[0]->user_select(1));
    type(e.name(0), "  けん引力  ");
    type(e.force(0), "0");
    type(e.height(0), "1.23456");
    ASSERT_TRUE(e.opt[1]->user_click());
    EXPECT_EQ(e.lst[0]->list(1), "  2   けん引力                受働         0.000        1.235");
    e.height(0).lost_focus();
    EXPECT_EQ(e.height(0).text(), "1.235");
    e.force(0).lost_focus();
    EXPECT_EQ(e.force(0).text(), "0.000");
    EXPECT_EQ(e.lst[0]->list(0), "  1   A                       主働         1.000        1.000");

    store();
    EXPECT_EQ(normal()[0].name, "A                   ");
    // Force 0: the row is unused and is not stored; the rows keep no gap.
    EXPECT_EQ(normal()[1].force, 0.0);
    EXPECT_EQ(normal()[1].name, std::string(20, ' '));
    type(e.force(0), "-2");
    store();
    EXPECT_EQ(normal()[1].name, "けん引力" + std::string(16, ' '));
    EXPECT_EQ(normal()[1].direction, ForceSide::Passive);
    EXPECT_EQ(normal()[1].force, -2.0);
    EXPECT_EQ(normal()[1].height, 1.23456);
}

} // namespace
} // namespace wtn::ground::test
