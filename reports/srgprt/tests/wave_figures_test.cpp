// The two drawings worked by hand: the design-condition drawing and the
// wave-load drawing with and without still water.
#include "report_fixture.h"
#include "tide_level_yes_no.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace wtn::test {
namespace {

// Crest +4.00, lowest soil -30.00, H.W.L. +2.00 and L.W.L. 0.00 drawn: the
// levels span 34 m over the window's 5100 page units, 150 units a metre,
// with the middle level -13.00 on the window middle Y 3150: +4.00 at Y 600,
// +2.00 at 900, 0.00 at 1200, -8.00 at 2400, -30.00 at 5700.
TEST(WaveConditionFigure, DrawnByHand) {
    ReportFixture f;
    f.input.tjkn1.pile_crown = 4.0;
    f.input.wavsw.draw = yes_no_codes({2, 1, 1, 2, 2});
    f.input.land_layers[1].top = -8.0; // the first layer ends at the seabed
    ReportRun run = run_report(f);
    ASSERT_EQ(run.stop, "");
    std::string pzk = run.read("W_JOKENZ.PZK");
    const std::vector<std::string> lines = lines_of(pzk);
    EXPECT_EQ(lines.at(0), "W_JOKENZ.PZK  設計条件図");
    EXPECT_EQ(lines.at(1), "46 67");
    EXPECT_TRUE(has_line(pzk, "L 1950  600 1950 5700 0 2")); // the wall
    // With still water the tide lines start at the wall.
    EXPECT_TRUE(has_line(pzk, "L 1950  900  100  900 0 2"));
    EXPECT_TRUE(has_line(pzk, "L 1950 1200  100 1200 0 2"));
    EXPECT_TRUE(has_line(pzk, "K  250 2400   70   75    0 2"));
    EXPECT_TRUE(has_line(pzk, "D.L. -8.00"));
    EXPECT_TRUE(has_line(pzk, "矢板天端 +4.00"));
    EXPECT_TRUE(has_line(pzk, "H.W.L. +2.00"));
    // The layer that ends at the seabed lies above it: no boundary text of
    // its own; the one below gets the bottom line and both texts.
    EXPECT_FALSE(has_line(pzk, "-8.00"));
    EXPECT_TRUE(has_line(pzk, "L  100 5700 3800 5700 0 2"));
    EXPECT_TRUE(has_line(pzk, "-30.00"));

    f.input.static_water = StaticWater::Off;
    run = run_report(f);
    pzk = run.read("W_JOKENZ.PZK");
    EXPECT_TRUE(has_line(pzk, "L 3800  900  100  900 0 2"));
    EXPECT_TRUE(has_line(pzk, "L 3800 1200  100 1200 0 2"));

    // With system switch 1 the crest is the superstructure's.
    f.system_switch = 1;
    f.input.tjkn1.superstructure_crown = 4.0;
    pzk = run_report(f).read("W_JOKENZ.PZK");
    EXPECT_TRUE(has_line(pzk, "上部工天端 +4.00"));
    EXPECT_TRUE(has_line(pzk, "L 1950  600 1950 5700 0 2"));
}

// Crest +5.00 on row 0 (0 -> 26 kN/m2), row 1 at 0.00 (26 -> 13), bottom row
// and seabed -22.00: p_max 26 over the window's 1300 units, 50 a kN/m2; 27 m
// over 2700 units, 100 a metre. The model point (-13, -8.50) sits on the
// window middle (2650, 1550): the wall at X 3300, 26 kN/m2 at X 2000, +5.00
// at Y 200, 0.00 at Y 700, -22.00 at Y 2900.
WaveBlock hand_block() {
    WaveBlock b = hwl_goda_block();
    WaveDiagram& d = b.diagram;
    d = {};
    d.count = 2;
    d.rows[0] = {-1, 5.0, 5.0, 0.0, 26.0};
    d.rows[1] = {0, 0.0, 22.0, 26.0, 13.0};
    d.rows[2] = {0, -22.0, 0.0, 0.0, 0.0};
    d.wall_top_row = 0;
    d.h_dash_row = 2;
    d.first_loaded_row = 1;
    b.common.tide_level = 0.0;
    b.forces.count = 1;
    b.forces[0] = {1, 13.0, -11.0, 11.0, 13.0, 22.0, 286.0, 3146.0};
    b.still = {};
    b.resultant = {286.0, 3146.0, 286.0, 3146.0, 11.0};
    return b;
}

ReportFixture hand_fixture() {
    ReportFixture f;
    f.input.tjkn1.pile_crown = 5.0;
    f.input.tjkn1.construction_seabed = -22.0;
    f.input.static_water = StaticWater::Off;
    f.blocks = {hand_block()};
    return f;
}

TEST(WaveLoadFigure, DiagramWithoutStillWaterByHand) {
    const ReportRun run = run_report(hand_fixture());
    ASSERT_EQ(run.stop, "");
    const std::string pzk = run.read("HMOMNTZ0.PZK");
    const std::vector<std::string> lines = lines_of(pzk);
    EXPECT_EQ(lines.at(0), "HMOMNTZ0.PZK  波圧荷重図");
    EXPECT_EQ(lines.at(1), "46 31");
    EXPECT_TRUE(has_line(pzk, "L 3300  700 2000  700 0 2")); // 26 at 0.00 below row 0
    EXPECT_TRUE(has_line(pzk, "L 3300  200 3300  700 0 2")); // the wall beside row 0
    EXPECT_TRUE(has_line(pzk, "L 2000  700 2650 2900 0 2")); // 26 -> 13 down row 1
    EXPECT_TRUE(has_line(pzk, "L 3300  700 2650 2900 1 2")); // row kind 0: wall top to far bottom
    EXPECT_TRUE(has_line(pzk, "Y 2485 2930 2815 2930 30 20 1"));
    EXPECT_TRUE(has_line(pzk, "K 2485 3000   60   60    0 2"));
    EXPECT_TRUE(has_line(pzk, " ＷＡＶＥ "));
    // Intensities in one column: x_left 2000 less 1.5 cells and the label.
    EXPECT_TRUE(has_line(pzk, "K 1460  685   60   60    0 2"));
    EXPECT_TRUE(has_line(pzk, "   26.000kN/m\\U2 "));
    EXPECT_TRUE(has_line(pzk, "   13.000kN/m\\U2 "));
    EXPECT_TRUE(has_line(pzk, "    0.000kN/m\\U2 "));
    EXPECT_TRUE(has_line(pzk, " -22.000 "));
    // The sketch of the resultant at its fixed columns: the seabed stroke,
    // the force arrow 11 m above the seabed (Y 1800), the still-water stroke.
    EXPECT_TRUE(has_line(pzk, "L  950 2900 1400 2900 0 2"));
    EXPECT_TRUE(has_line(pzk, "Y  950 1800 1400 1800 30 20 1"));
    EXPECT_TRUE(has_line(pzk, "Y 1040 2900 1040 1800 30 20 2"));
    EXPECT_TRUE(has_line(pzk, "L  190  700  920  700 0 2"));
}

TEST(WaveLoadFigure, DiagonalAndDashedSidesFollowTheRows) {
    ReportFixture f = hand_fixture();
    f.blocks[0].diagram.rows[1].kind = 1; // far top to the wall at the bottom
    f.blocks[0].diagram.wall_top_row = 1; // row 0 stands above the wall top
    const std::string pzk = run_report(f).read("HMOMNTZ0.PZK");
    EXPECT_TRUE(has_line(pzk, "L 2000  700 3300 2900 1 2"));
    EXPECT_FALSE(has_line(pzk, "L 3300  700 2650 2900 1 2"));
    EXPECT_TRUE(has_line(pzk, "L 3300  200 3300  700 1 2"));
    EXPECT_TRUE(has_line(pzk, "L 3300  700 2000  700 1 2"));
    EXPECT_TRUE(has_line(pzk, "L 2000  700 2650 2900 0 2"));

    // No h' row (-1) names no segment below it: the outline stays solid.
    f = hand_fixture();
    f.blocks[0].diagram.h_dash_row = -1;
    const std::string open_bottom = run_report(f).read("HMOMNTZ0.PZK");
    EXPECT_TRUE(has_line(open_bottom, "L 2000  700 2650 2900 0 2"));
}

// With p_s 47 the value range is 73 over 2600 - 1140 units: 20 a kN/m2. The
// triangle's model point (-23.5) sits at 900 + 570 + 470 = 1940, so it spans
// X 1470 to 2410; the wave diagram's (-13) at 1940 + 470 + 570 + 260 = 3240,
// which puts the wall at 3500. Both keep 100 units a metre about -8.50.
TEST(WaveLoadFigure, StillWaterTriangleBesideTheDiagram) {
    ReportFixture f = hand_fixture();
    f.input.static_water = StaticWater::On;
    f.blocks[0].still = {0, 15.667, -14.667, 7.333, 47.0, 22.0, 517.0, 3791.0};
    const ReportRun run = run_report(f);
    ASSERT_EQ(run.stop, "");
    const std::string pzk = run.read("HMOMNTZ0.PZK");
    EXPECT_TRUE(has_line(pzk, "L 2410 2900 1470 2900 0 2"));
    EXPECT_TRUE(has_line(pzk, "L 2410  700 2410 2900 0 2"));
    EXPECT_TRUE(has_line(pzk, "L 2410  700 1470 2900 0 2"));
    EXPECT_TRUE(has_line(pzk, "L 3500  200 3500  700 0 2"));
    EXPECT_TRUE(
        has_line(pzk, "L 3500  700 2980  700 0 2")); // 26 at 0.00: the same Y as the triangle's top
    EXPECT_TRUE(has_line(pzk, "   47.000kN/m\\U2 "));
    // The sketch moves left of the triangle.
    EXPECT_TRUE(has_line(pzk, "L  330 2900  780 2900 0 2"));
    EXPECT_TRUE(has_line(pzk, "L    0  700  730  700 0 2"));
}

} // namespace
} // namespace wtn::test
