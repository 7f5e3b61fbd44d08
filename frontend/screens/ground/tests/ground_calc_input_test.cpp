// Screens 4 and 6 used as an engineer would from the template project, then
// the calculation input as the run writes it, read back by the batch reader,
// and the project saved and reopened.
#include "cal_writer.h"
#include "ground_fixture.h"
#include "input_file.h"
#include "number_text.h"
#include "project_reader.h"
#include "project_writer.h"
#include "text_file.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace wtn::ground::test {
namespace {

struct GroundCalcInputTest : GroundScreensTest {
    void type(ui::TextBox& box, const std::string& text) {
        box.got_focus();
        ASSERT_TRUE(box.user_edit(text)) << box.full_name();
        box.lost_focus();
    }
    // Adds a row to a ground list and types its values.
    void add_row(int group, int first_box, std::vector<std::string> values) {
        ASSERT_TRUE(g.add(group).user_click());
        for (std::size_t i = 0; i < values.size(); ++i)
            type(*g.txt[first_box + i], values[i]);
    }
    void add_force(int t, const std::string& name, const std::string& force,
                   const std::string& height, bool passive) {
        ASSERT_TRUE(e.cmd[t * 3]->user_click());
        type(e.name(t), name);
        type(e.force(t), force);
        type(e.height(t), height);
        ASSERT_TRUE(e.opt[t * 2 + (passive ? 1 : 0)]->user_click());
    }
    // The calculation input as the run writes it, every screen stored first.
    std::vector<std::string> run_file() {
        f.window->store_all_screens();
        write_cal_file(f.data, f.folder.file(kInputFileName));
        return read_text_file(f.folder.file(kInputFileName));
    }
    InputRecord read_back() {
        InputRecord input;
        read_input(input, f.folder.file(kInputFileName));
        return input;
    }
    static bool holds(const std::vector<std::string>& lines, const std::string& line) {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }
};

TEST_F(GroundCalcInputTest, EmbankmentAndForcesReachTheRunAndSurviveSaveAndReopen) {
    // Surcharges on the straight page, then the embankment shape.
    choose_shape(*f.window, 0);
    show_screen(*f.window, kGroundScreen);
    type(*g.txt13[2], "10");
    type(*g.txt13[3], "5");
    choose_shape(*f.window, 1);
    show_screen(*f.window, kGroundScreen);
    type(*g.txt[0], "-2.5");
    add_row(kFillGroup, 1, {"3", "18", "20"});
    add_row(kFillGroup, 1, {"1", "17", "19"});
    add_row(kZoneGroup, 4, {"0", "10", "10", "5"});
    add_row(kZoneGroup, 4, {"10", "20", "20", "10"});
    add_row(kPointGroup, 8, {"0", "3"});
    add_row(kPointGroup, 8, {"10", "3"});
    add_row(kPointGroup, 8, {"20", "5"});

    show_screen(*f.window, kForceScreen);
    add_force(0, "係船柱", "12.5", "3.25", false);
    add_force(0, "けん引力", "20", "1.5", true);
    add_force(1, "Mooring pull", "6.25", "3.25", false);

    const std::vector<std::string> lines = run_file();
    for (const char* expected :
         {"josai, 0 , 10 , 10 , 5 ", "josai, 10 , 20 , 20 , 10 ", "tikei, 0 , 3 ", "tikei, 10 , 3 ",
          "tikei, 20 , 5 ", "morid, 3 , 18 , 10 , 20 ", "morid, 1 , 17 , 9 , 19 ",
          "etcjo,\"係船柱\", 12.5 , 3.25 ", "etcjo,\"けん引力\",-20 , 1.5 ",
          "etcjs,\"Mooring pull\", 6.25 , 3.25 "})
        EXPECT_TRUE(holds(lines, expected)) << expected;

    const InputRecord in = read_back();
    EXPECT_EQ(in.joken.ground_angle, 0.0);
    EXPECT_EQ(in.joken.seabed_angle, -2.5);
    EXPECT_EQ(in.joken.surcharge_normal, 10.0);
    EXPECT_EQ(in.joken.surcharge_seismic, 5.0);
    ASSERT_EQ(in.fill_count, 2);
    EXPECT_EQ(in.fills[1].submerged_weight, 9.0);
    ASSERT_EQ(in.surcharge_count, 2);
    EXPECT_EQ(in.surcharges[1].seismic, 10.0);
    ASSERT_EQ(in.ground_point_count, 3);
    EXPECT_EQ(in.ground_points[2].level, 5.0);
    ASSERT_EQ(in.force_normal_count, 2);
    EXPECT_EQ(in.forces_normal[1].force, -20.0);
    ASSERT_EQ(in.force_seismic_count, 1);
    EXPECT_EQ(in.forces_seismic[0].height, 3.25);

    // Saved and reopened, both screens show the same lines.
    show_screen(*f.window, kGroundScreen);
    std::array<std::vector<std::string>, kGroupCount> ground_lines;
    for (int i = 0; i < kGroupCount; ++i)
        ground_lines[i] = g.lst[i]->lines();
    show_screen(*f.window, kForceScreen);
    const auto force_lines = std::array{e.lst[0]->lines(), e.lst[1]->lines()};
    f.window->store_all_screens();
    const std::string project = f.folder.file("ground.tn2");
    write_data_file(f.data, project);
    f.data.tihyou_dat = TihyouData{};
    f.data.gairyoku_dat = GairyokuData{};
    read_data_file(f.data, project);
    show_screen(*f.window, kGroundScreen);
    for (int i = 0; i < kGroupCount; ++i)
        EXPECT_EQ(g.lst[i]->lines(), ground_lines[i]);
    EXPECT_EQ(g.txt[0]->text(), "-2.50");
    show_screen(*f.window, kForceScreen);
    EXPECT_EQ(e.lst[0]->lines(), force_lines[0]);
    EXPECT_EQ(e.lst[1]->lines(), force_lines[1]);
}

TEST_F(GroundCalcInputTest, NegativePointsAndForcesAndRowsAfterAZeroRowReachTheRun) {
    choose_shape(*f.window, 1);
    show_screen(*f.window, kGroundScreen);
    add_row(kPointGroup, 8, {"0", "3"});
    add_row(kPointGroup, 8, {"0", "-1.5"});
    add_row(kFillGroup, 1, {"0", "0", "0"}); // a zero fill before a real one
    add_row(kFillGroup, 1, {"2", "18", "20"});
    show_screen(*f.window, kForceScreen);
    ASSERT_TRUE(e.cmd[0]->user_click()); // a zero force before a real one
    add_force(0, "after", "7", "1", false);
    add_force(1, "pull", "-5", "2", false);

    // A screen switch stores and reloads: nothing used is lost.
    show_screen(*f.window, kGroundScreen);
    EXPECT_EQ(g.lst[kPointGroup]->list(1), "  2       0.000      -1.500");
    EXPECT_EQ(g.lst[kFillGroup]->list_count(), 1u);
    show_screen(*f.window, kForceScreen);
    ASSERT_EQ(e.lst[0]->list_count(), 1u);
    EXPECT_EQ(e.force(0).text(), "7.000");
    EXPECT_EQ(e.lst[1]->list(0), "  1   pull                    主働        -5.000        2.000");

    run_file();
    const InputRecord in = read_back();
    ASSERT_EQ(in.ground_point_count, 2);
    EXPECT_EQ(in.ground_points[1].level, -1.5);
    ASSERT_EQ(in.fill_count, 1);
    EXPECT_EQ(in.fills[0].top, 2.0);
    ASSERT_EQ(in.force_normal_count, 1);
    EXPECT_EQ(in.forces_normal[0].force, 7.0);
    ASSERT_EQ(in.force_seismic_count, 1);
    EXPECT_EQ(in.forces_seismic[0].force, -5.0);
}

TEST_F(GroundCalcInputTest, AQuoteInAForceNameStopsTheRunFileWithItsField) {
    show_screen(*f.window, kForceScreen);
    add_force(0, "say \"hi\"", "1", "1", false);
    f.window->store_all_screens();
    EXPECT_THROW(cal_file_lines(f.data), DataError);
}

} // namespace
} // namespace wtn::ground::test
