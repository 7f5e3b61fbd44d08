#include "figure_placement.h"

#include <gtest/gtest.h>

#include <vector>

namespace wtn {
namespace {

// Text 70 high, a half-width cell 37.5 wide: the six-cell label "+12.50" is
// 225 wide and stands on its Y, 80.5 high with the room of a raised
// character; every box is tested 4 inside its edges.
FigureKit label_kit() {
    FigureKit kit;
    kit.text_height = 70;
    kit.text_width = 75;
    return kit;
}

TEST(FigurePlacement, LinesAlongTheEdgesLeaveALabelClearLinesThroughItStrikeIt) {
    const FigureKit kit = label_kit();
    const LabelBox box = text_box(kit, 1000, 2000, "+12.50"); // 1000..1225, 1919.5..2000
    struct Case {
        const char* what;
        InkLine line;
        bool strikes;
    };
    const Case cases[] = {
        {"its own level line under it", {{800, 2000}, {1400, 2000}}, false},
        {"the line of the label above, on its top edge", {{800, 1919}, {1400, 1919}}, false},
        {"a level line through its middle", {{800, 1965}, {1400, 1965}}, true},
        {"a wall beside it", {{990, 1500}, {990, 2500}}, false},
        {"a slope crossing its corner", {{1100, 2100}, {1300, 1900}}, true},
        {"a slope ending short of it", {{1300, 2100}, {1240, 1990}}, false},
        {"a diagonal through it end to end", {{900, 2050}, {1400, 1900}}, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(line_strikes_box(c.line, box), c.strikes) << c.what;
}

TEST(FigurePlacement, ALabelMovesTheLeastThatClearsItAlongItsLineFirst) {
    const FigureKit kit = label_kit();
    const LabelBox wanted = text_box(kit, 1000, 2000, "+12.50");
    // Along the level line as far as four cells, down as far as two lines.
    const LabelMoves moves = label_moves(kit, {1.0, 0.0}, 4.0, {0.0, 1.0}, 2.0);
    struct Case {
        const char* what;
        FigureInk ink;
        LabelShift expected;
    };
    const Case cases[] = {
        {"nothing in the way stays", {}, {0.0, 0.0}},
        // A slope through its right end: 17.5 (a quarter text height) to the
        // left at a time until its right edge, less the clearance, is left
        // of the slope at the label's lower edge (X 1200).
        {"a slope through its right end moves it back along its line",
         {{{{1200, 2000}, {1260, 1900}}}, {}, {}},
         {-35.0, 0.0}},
        {"a level line through it moves it down",
         {{{{0, 1965}, {3000, 1965}}}, {}, {}},
         {0.0, 52.5}},
        {"a text printed where it stands moves it down",
         {{}, {text_box(kit, 900, 1990, "+12.50  +3.00")}, {}},
         {0.0, 70.0}},
        // Clear of the mark 121 along, 106.5 down: along first at 122.5.
        {"a water mark over its start moves it on along its line",
         {{}, {water_mark_box(1050, 2000)}, {}},
         {122.5, 0.0}},
        {"boxed in everywhere within reach stays",
         {{}, {LabelBox{0, 3000, 3000, 0}}, {}},
         {0.0, 0.0}},
    };
    for (const Case& c : cases) {
        const LabelShift got = clear_label_shift(c.ink, wanted, moves);
        EXPECT_DOUBLE_EQ(got.dx, c.expected.dx) << c.what;
        EXPECT_DOUBLE_EQ(got.dy, c.expected.dy) << c.what;
    }
}

TEST(FigurePlacement, AOneWayLabelNeverCrossesToTheOtherSideOfItsAnchor) {
    const FigureKit kit = label_kit();
    const LabelBox wanted = text_box(kit, 1000, 2000, "+12.50");
    LabelMoves moves = label_moves(kit, {1.0, 0.0}, 4.0, {0.0, 1.0}, 2.0);
    moves.one_way = true;
    FigureInk ink;
    // Cleared 35 back, which it may not go; on along its line it clears
    // only beyond its reach, so it goes down below the slope's end.
    add_ink_line(ink, 1200, 2000, 1260, 1900);
    const LabelShift got = clear_label_shift(ink, wanted, moves);
    EXPECT_DOUBLE_EQ(got.dx, 0.0);
    EXPECT_DOUBLE_EQ(got.dy, 87.5);
}

TEST(FigurePlacement, ALineGivesWayOnlyBehindTheBoxesItStrikes) {
    const InkLine level{{0, 1000}, {1000, 1000}};
    const LabelBox through_left{100, 200, 1040, 960};
    const LabelBox through_right{600, 700, 1040, 960};
    const LabelBox on_its_top_edge{300, 400, 1100, 1000};
    const LabelBox past_its_end{1100, 1200, 1040, 960};

    const std::vector<InkLine> pieces =
        line_pieces_outside(level, {through_right, on_its_top_edge, through_left, past_its_end});
    ASSERT_EQ(pieces.size(), 3u);
    const double ends[3][2] = {{0, 100}, {200, 600}, {700, 1000}};
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        EXPECT_DOUBLE_EQ(pieces[i].a.x, ends[i][0]) << i;
        EXPECT_DOUBLE_EQ(pieces[i].b.x, ends[i][1]) << i;
        EXPECT_DOUBLE_EQ(pieces[i].a.y, 1000.0);
        EXPECT_DOUBLE_EQ(pieces[i].b.y, 1000.0);
    }
    // Two boxes over one stretch leave one gap; a box over an end shortens it.
    const LabelBox overlapping{150, 650, 1040, 960};
    const LabelBox over_the_start{-50, 50, 1040, 960};
    const std::vector<InkLine> merged =
        line_pieces_outside(level, {through_left, overlapping, over_the_start});
    ASSERT_EQ(merged.size(), 2u);
    EXPECT_DOUBLE_EQ(merged[0].a.x, 50.0);
    EXPECT_DOUBLE_EQ(merged[0].b.x, 100.0);
    EXPECT_DOUBLE_EQ(merged[1].a.x, 650.0);
    EXPECT_DOUBLE_EQ(merged[1].b.x, 1000.0);
    // Nothing struck: the line as it was, drawn whole.
    const std::vector<InkLine> whole = line_pieces_outside(level, {on_its_top_edge});
    ASSERT_EQ(whole.size(), 1u);
    EXPECT_DOUBLE_EQ(whole[0].b.x, 1000.0);
}

} // namespace
} // namespace wtn
