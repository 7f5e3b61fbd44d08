#include "drawing_primitives.h"
#include "file_io.h"
#include "work_folder.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>
#include <sstream>
#include <vector>

namespace wtn {
namespace {

using DrawingFile = test::InWorkFolder;

template <class Draw> std::vector<std::string> drawn_lines(Draw draw) {
    {
        CFile file = open_file("FIG.PZK", "wb");
        draw(file.get());
    }
    CFile file = open_file("FIG.PZK", "rb");
    std::vector<std::string> lines;
    std::string line;
    int c = 0;
    while ((c = std::fgetc(file.get())) != EOF) {
        line.push_back(static_cast<char>(c));
        if (c == '\n') {
            lines.push_back(line);
            line.clear();
        }
    }
    EXPECT_EQ(line, ""); // every record ends with its line end
    return lines;
}

TEST(TransformPoint, TurnsAboutTheOriginScalesAndMoves) {
    struct Case {
        double x, y, x0, y0, c, s, sx, sy, tx, ty, want_x, want_y;
    } cases[] = {
        {12.5, -3.0, 12.5, -3.0, 1, 0, 1, 1, 12.5, -3.0, 12.5, -3.0}, // identity keeps the point
        {3.0, 7.0, 1.0, 1.0, 1, 0, 2, 2, 10, 20, 14.0,
         32.0},                                         // scale about (1, 1), moved to (10, 20)
        {100, 40, 0, 0, 0, 1, 1, 1, 0, 5900, 40, 5800}, // landscape sheet: (Y', 5900 - X')
        {2.0, 0.0, 0.0, 0.0, 0.6, 0.8, 1, 1, 0, 0, 1.2,
         -1.6}, // turn by the angle with cos 0.6, sin 0.8
        {4.0, 5.0, 1.0, 1.0, 1, 0, 10, 100, 0, 0, 30.0, 400.0}, // separate scales
    };
    for (const Case& c : cases) {
        const PointTransform t{{c.x0, c.y0}, c.c, c.s, c.sx, c.sy, {c.tx, c.ty}};
        const DrawPoint out = transform_point({c.x, c.y}, t);
        EXPECT_DOUBLE_EQ(out.x, c.want_x);
        EXPECT_DOUBLE_EQ(out.y, c.want_y);
    }
}

TEST_F(DrawingFile, WaterMarkOnAnUprightSheet) {
    auto lines = drawn_lines([](std::FILE* f) { draw_water_mark(f, SheetTransform{}, 1000, 500); });
    std::vector<std::string> want = {
        "L 1000  500  975  450 0 2\r\n", "L  975  450 1025  450 0 2\r\n",
        "L 1025  450 1000  500 0 2\r\n", "L  925  510 1075  510 0 2\r\n",
        "L  950  520 1050  520 0 2\r\n", "L  975  530 1025  530 0 2\r\n",
    };
    EXPECT_EQ(lines, want);
}

TEST_F(DrawingFile, WaterMarkOnALandscapeSheetGoesThroughTheSheetStage) {
    SheetTransform landscape{0.0, 1.0, 0.0, 5900.0}; // (X', Y') -> (Y', 5900 - X')
    auto lines = drawn_lines([&](std::FILE* f) { draw_water_mark(f, landscape, 1000, 500); });
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], "L  500 4900  450 4925 0 2\r\n");
    EXPECT_EQ(lines[3], "L  510 4975  510 4825 0 2\r\n");
}

// The long strokes, worked by hand: sin a = 0.4 / sqrt(1.16) = 0.371391,
// cos a = 0.928477, reach 60 sin a = 22.2834. Stroke 0 of group 0 runs from
// (40, 0) to (100 - 8.2759, 20.690) = (91, 20) after the cut; stroke 2 from
// (40 - 7.428, 18.570) = (32, 18) to (100 - 15.704, 39.259) = (84, 39).
TEST_F(DrawingFile, HatchingAtTheOriginUnturned) {
    auto lines = drawn_lines([](std::FILE* f) { draw_hatching(f, SheetTransform{}, 0, 0, 0.0); });
    ASSERT_EQ(lines.size(), 15u);
    EXPECT_EQ(lines[0], "L    0    0  -20   50 0 2\r\n");
    EXPECT_EQ(lines[2], "L   40    0   20   50 0 2\r\n");
    EXPECT_EQ(lines[8], "L  240    0  220   50 0 2\r\n");
    EXPECT_EQ(lines[9], "L   40    0   91   20 0 2\r\n");
    EXPECT_EQ(lines[11], "L   32   18   84   39 0 2\r\n");
    EXPECT_EQ(lines[14], "L  132   18  184   39 0 2\r\n");
}

TEST_F(DrawingFile, HatchingCutsTowardZeroLeftOfTheOrigin) {
    // Anchored at (-100, 10): the first long stroke ends at -8.2759 -> -8, not -9.
    auto lines =
        drawn_lines([](std::FILE* f) { draw_hatching(f, SheetTransform{}, -100, 10, 0.0); });
    ASSERT_EQ(lines.size(), 15u);
    EXPECT_EQ(lines[9], "L  -60   10   -8   30 0 2\r\n");
}

TEST_F(DrawingFile, HatchingTurnedAboutItsAnchor) {
    // A half turn (cos -1, sin ~0) about (500, 500) sends (x, y) to
    // (1000 - x, 1000 - y); the tiny sine only nudges values that are cut,
    // so check a short stroke: (520, 500)-(500, 550) -> (480, 500)-(500, 450).
    auto lines =
        drawn_lines([](std::FILE* f) { draw_hatching(f, SheetTransform{}, 500, 500, M_PI); });
    ASSERT_EQ(lines.size(), 15u);
    EXPECT_EQ(lines[1], "L  480  500  500  450 0 2\r\n");
}

// The band a figure keeps its texts clear of holds every stroke of the
// hatching, level or along a slope: each end lies inside it, measured along
// and across the ground from the anchor (a unit of truncation allowed).
TEST_F(DrawingFile, HatchingBandHoldsEveryStroke) {
    for (const double angle : {0.0, 0.3, -0.5}) {
        auto lines = drawn_lines(
            [&](std::FILE* f) { draw_hatching(f, SheetTransform{}, 1000, 2000, angle); });
        const std::array<DrawPoint, 4> band = hatching_band(1000, 2000, angle);
        const double along_x = (band[1].x - band[0].x) / 260.0;
        const double along_y = (band[1].y - band[0].y) / 260.0;
        const double across_x = (band[3].x - band[0].x) / 50.0;
        const double across_y = (band[3].y - band[0].y) / 50.0;
        for (const std::string& line : lines) {
            int p[4] = {};
            ASSERT_EQ(std::sscanf(line.c_str(), "L %d %d %d %d", &p[0], &p[1], &p[2], &p[3]), 4);
            for (int end = 0; end < 2; ++end) {
                const double dx = p[2 * end] - band[0].x;
                const double dy = p[2 * end + 1] - band[0].y;
                const double along = dx * along_x + dy * along_y;
                const double across = dx * across_x + dy * across_y;
                EXPECT_GE(along, -1.5) << angle << ": " << line;
                EXPECT_LE(along, 261.5) << angle << ": " << line;
                EXPECT_GE(across, -1.5) << angle << ": " << line;
                EXPECT_LE(across, 51.5) << angle << ": " << line;
            }
        }
    }
}

} // namespace
} // namespace wtn
