#include "chart_labels.h"

#include <gtest/gtest.h>

namespace wtn {
namespace {

// A chart frame as the log charts use it: X 500 to 3000, Y 200 to 2700.
ChartMarks empty_chart() {
    ChartMarks marks;
    marks.frame = {500.0, 3000.0, 200.0, 2700.0};
    return marks;
}

// A label of 14 half-width characters of height 60 is 420 long; the point
// (1500, 1500) with its guide lines from the left and the bottom edge.
TEST(ChartLabels, APointLabelMovesOffTheLinesItWouldCover) {
    const std::string text = "(20.0,30000.0)";
    const DrawPoint point{1500.0, 1500.0};
    const ChartSegment guide_up{{1500.0, 2700.0}, point};
    const ChartSegment guide_left{{500.0, 1500.0}, point};
    // Lines through each corner region of the point (the label reaches 420
    // along X and 60 up or down from it).
    const ChartSegment upper_right{{1700.0, 1400.0}, {1700.0, 1480.0}};
    const ChartSegment upper_left{{1300.0, 1400.0}, {1300.0, 1480.0}};
    const ChartSegment lower_right{{1700.0, 1520.0}, {1700.0, 1600.0}};
    const ChartSegment lower_left{{1300.0, 1520.0}, {1300.0, 1600.0}};
    struct Case {
        const char* what;
        DrawPoint point;
        std::vector<ChartSegment> lines;
        DrawPoint anchor;
        bool leader;
    };
    const Case cases[] = {
        // Clear: where the point is, its own guide lines ending there.
        {"clear", point, {guide_up, guide_left}, {1500.0, 1500.0}, false},
        // A line across the upper right: the upper left corner, 15 off.
        {"upper right struck", point, {guide_up, guide_left, upper_right}, {1065.0, 1485.0}, false},
        // Upper corners struck: the lower right, its top 15 below the point.
        {"both upper corners struck",
         point,
         {guide_up, guide_left, upper_right, upper_left},
         {1515.0, 1581.0},
         false},
        // Every corner struck: along the level to the right, past the line
        // at 1700, tied to the point by a leader.
        {"every corner struck",
         point,
         {guide_up, guide_left, upper_right, upper_left, lower_right, lower_left},
         {1725.0, 1485.0},
         true},
        // Against the right edge the label cannot stand right of the point.
        {"at the right edge", {2900.0, 1500.0}, {}, {2465.0, 1485.0}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ChartMarks marks = empty_chart();
        marks.lines = c.lines;
        const PointLabelPlace place = place_point_label(c.point, 60, text, marks);
        EXPECT_DOUBLE_EQ(place.label.anchor.x, c.anchor.x);
        EXPECT_DOUBLE_EQ(place.label.anchor.y, c.anchor.y);
        EXPECT_DOUBLE_EQ(place.label.length, 420.0);
        EXPECT_EQ(place.has_leader, c.leader);
        if (c.leader) {
            EXPECT_DOUBLE_EQ(place.leader.to.x, place.label.anchor.x);
            EXPECT_DOUBLE_EQ(place.leader.to.y, c.point.y);
        }
    }
}

// The corroded-section chart of SP-VL after 30 years: the sea-water point
// (712, 679) and the seabed-mud point (712, 628), 51 apart (less than a
// label's height), where the five lines of t2/t1 fan out from (500, 368).
// Neither label may cover the other, a line, or the other's leader.
TEST(ChartLabels, LabelsOfTwoPointsCloseTogetherStayApart) {
    ChartMarks fan;
    fan.frame = {500.0, 3800.0, 300.0, 2500.0};
    const DrawPoint ends[] = {{3363, 2466}, {2791, 2466}, {2409, 2466}, {2135, 2465}, {1930, 2464}};
    for (const DrawPoint& end : ends)
        fan.lines.push_back({{500.0, 368.0}, end});
    const std::vector<DrawPoint> points = {{712.0, 679.0}, {712.0, 628.0}};
    auto guides = [](DrawPoint p) {
        return std::vector<ChartSegment>{{{p.x, 2500.0}, p}, {{500.0, p.y}, p}};
    };
    ChartMarks marks = fan;
    for (const DrawPoint& p : points)
        for (const ChartSegment& g : guides(p))
            marks.lines.push_back(g);
    const std::vector<PointLabelPlace> places =
        place_point_labels(points, 60, {"(0.9,2924)", "(0.9,2961)"}, marks);
    ASSERT_EQ(places.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        const PointLabelPlace& other = places[1 - i];
        ChartMarks others = fan;
        for (const ChartSegment& g : guides(points[1 - i]))
            others.lines.push_back(g);
        if (other.has_leader) others.lines.push_back(other.leader);
        others.labels = {other.label};
        EXPECT_TRUE(label_is_clear(places[i].label, others));
    }
    // Both labels and their leaders joined the marks for what comes next.
    EXPECT_EQ(marks.labels.size(), 2u);
}

TEST(ChartLabels, AGridLineGivesWayToTheLabelsItCrosses) {
    // A horizontal label from X 1000 to 1300, its ink from Y 940 to 1006;
    // the grid keeps 8 off it on every side.
    const ChartLabel flat = chart_label({1000.0, 1000.0}, 0, 60, "(0.9,2924)");
    // The same turned down the page: Y 1000 to 1300, its ink X 1994 to 2060.
    const ChartLabel turned = chart_label({2000.0, 1000.0}, -90, 60, "(0.9,2924)");
    struct Case {
        const char* what;
        ChartSegment line;
        std::vector<std::pair<double, double>> pieces; // along the line's own axis
    };
    const Case cases[] = {
        {"vertical through the flat label",
         {{1100.0, 200.0}, {1100.0, 2700.0}},
         {{200.0, 932.0}, {1014.0, 2700.0}}},
        {"horizontal through both",
         {{500.0, 1000.0}, {3000.0, 1000.0}},
         {{500.0, 992.0}, {1308.0, 1986.0}, {2068.0, 3000.0}}},
        {"missing both", {{500.0, 1500.0}, {3000.0, 1500.0}}, {{500.0, 3000.0}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::vector<ChartSegment> pieces = grid_line_pieces(c.line, {flat, turned});
        ASSERT_EQ(pieces.size(), c.pieces.size());
        const bool vertical = c.line.from.x == c.line.to.x;
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            EXPECT_NEAR(vertical ? pieces[i].from.y : pieces[i].from.x, c.pieces[i].first, 1e-9);
            EXPECT_NEAR(vertical ? pieces[i].to.y : pieces[i].to.x, c.pieces[i].second, 1e-9);
        }
    }
}

} // namespace
} // namespace wtn
