// Fit, zoom, pan, edge markers, label visibility and zoom states of the
// schematic view, with the figures worked out by hand.
#include "schematic_view.h"

#include <gtest/gtest.h>

namespace wtn::schematic {
namespace {

void expect_window(const ScaleWindow& got, double left, double top, double width, double height) {
    EXPECT_FLOAT_EQ(got.left, static_cast<float>(left));
    EXPECT_FLOAT_EQ(got.top, static_cast<float>(top));
    EXPECT_FLOAT_EQ(got.width, static_cast<float>(width));
    EXPECT_FLOAT_EQ(got.height, static_cast<float>(height));
}

// The wall from 5.0 down to -20.0 and a land-side line to x = x_max, plus
// lines that run to the view's edges (their markers take no part).
std::vector<MseRec> section(double y_max, double y_min, double x_max) {
    return {
        {0, y_max, x_max, y_max, kLightGreen, kSolid},
        {kLeftEdge, y_min, kRightEdge, y_min, kLightRed, kSolid},
        {0, y_max, kRightEdge, y_max, kLightGreen, kDotted},
        {0, y_max, 0, y_min, kWhite, kSolid},
    };
}

TEST(SchematicFit, StraightShapeCentresTheWall) {
    ViewState v;
    set_Mszarea(v, section(5, -20, 23), GroundShape::Straight);
    // H = 1.2 x 25 = 30, T = 5 + 2.5.
    expect_window(v.scale, -15, 7.5, 30, -30);
    EXPECT_DOUBLE_EQ(v.view_cx, 0.0);
    EXPECT_DOUBLE_EQ(v.view_cy, -7.5);
}

TEST(SchematicFit, EmbankmentShapeByItsWidthAndTheCentredMend) {
    struct Case {
        const char* what;
        double y_max, y_min, x_max;
        double left, top, side;
    };
    const Case cases[] = {
        // H 25, W 30: 2W > H, W = 40 > H, so W = H = 1.2 x 40 = 48,
        // T = 0.9 (48 - 20) = 25.2, left -48/3.
        {"wide section near the datum", 5, -20, 30, -16, 25.2, 48},
        // H 20, W 20 -> 26.67 -> 32: T = 0.9 (32 + 200) = 208.8 would cut
        // the top 11.2 m; centred: (220 + 200 + 32) / 2.
        {"levels far above the datum", 220, 200, 20, -32.0 / 3, 226, 32},
        // T = 0.9 (32 - 200) = -151.2 would cut the bottom; centred.
        {"levels far below the datum", -180, -200, 20, -32.0 / 3, -174, 32},
        // H 40, W 10: 2W <= H, as the straight shape: 48 square, wall in the middle.
        {"narrow section", 10, -30, 10, -24, 14, 48},
        // W = 30 + 10 = 40 <= H 45: H = 54, T = 10 + 4.5.
        {"tall wide section", 10, -35, 30, -18, 14.5, 54},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ViewState v;
        set_Mszarea(v, section(c.y_max, c.y_min, c.x_max), GroundShape::Embankment);
        expect_window(v.scale, c.left, c.top, c.side, -c.side);
        EXPECT_NEAR(v.view_cy, c.top - c.side / 2, 1e-9);
        EXPECT_NEAR(v.view_cx, c.left + c.side / 2, 1e-9);
    }
}

TEST(SchematicFit, FlatSectionAndOtherShapesGetAUnitWindow) {
    ViewState v;
    set_Mszarea(v, {{0, 0, 0, 0, kWhite, kSolid}}, GroundShape::Straight);
    expect_window(v.scale, 0, 0, 1, -1);
    set_Mszarea(v, section(5, -20, 23), from_file_value<GroundShape>(3));
    expect_window(v.scale, 0, 0, 1, -1);
}

// A view 100 by 100 around the origin.
ViewState view_of_100() {
    ViewState v;
    v.scale = {-50, 50, 100, -100};
    return v;
}

TEST(SchematicZoom, InAndOutOnARectangle) {
    struct Case {
        bool zoom_in;
        double side;
    };
    // The rectangle (10, 20)-(20, 16) is 10 wide and 4 high: its width
    // decides. In: a view of 10; out: 100 x 100 / 10 = 1000; both centred on
    // (15, 18).
    for (Case c : {Case{true, 10}, Case{false, 1000}}) {
        SCOPED_TRACE(c.zoom_in);
        ViewState v = view_of_100();
        v.zoom_in_sw = c.zoom_in;
        v.zoom_out_sw = !c.zoom_in;
        v.zoom_x1 = 10, v.zoom_y1 = 20, v.zoom_x2 = 20, v.zoom_y2 = 16;
        ASSERT_TRUE(apply_zoom(v));
        expect_window(v.scale, 15 - c.side / 2, 18 + c.side / 2, c.side, -c.side);
        EXPECT_DOUBLE_EQ(v.view_cx, 15);
        EXPECT_DOUBLE_EQ(v.view_cy, 18);
    }
}

TEST(SchematicZoom, TallRectangleTakesTheHeight) {
    ViewState v = view_of_100();
    v.zoom_in_sw = true;
    v.zoom_x1 = 0, v.zoom_y1 = 0, v.zoom_x2 = 2, v.zoom_y2 = -8;
    ASSERT_TRUE(apply_zoom(v));
    expect_window(v.scale, 1 - 4, -4 + 4, 8, -8);
}

TEST(SchematicZoom, EmptyOrOutOfRangeRectanglesLeaveTheView) {
    struct Case {
        const char* what;
        ScaleWindow scale;
        bool zoom_in;
        float x2; // rectangle from (0, 0) to (x2, 0)
    };
    const Case cases[] = {
        {"click without dragging", {-50, 50, 100, -100}, true, 0},
        {"zoom in below a centimetre", {-0.025f, 0.025f, 0.05f, -0.05f}, true, 0.004f},
        {"zoom out beyond 100 km", {-25000, 25000, 50000, -50000}, false, 0.1f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ViewState v;
        v.scale = c.scale;
        v.view_cx = 0, v.view_cy = 0;
        v.zoom_in_sw = c.zoom_in;
        v.zoom_out_sw = !c.zoom_in;
        v.zoom_x1 = 0, v.zoom_y1 = 0, v.zoom_x2 = c.x2, v.zoom_y2 = 0;
        EXPECT_FALSE(apply_zoom(v));
        expect_window(v.scale, c.scale.left, c.scale.top, c.scale.width, c.scale.height);
        EXPECT_EQ(v.view_cx, 0);
    }
}

ViewState fitted_straight() {
    ViewState v;
    set_Mszarea(v, section(5, -20, 23), GroundShape::Straight);
    v.hsb_last = 500;
    v.vsb_last = 500;
    return v;
}

TEST(SchematicPan, OneStepPerChangeHoweverFarTheValueMoved) {
    for (int value : {501, 1000}) {
        SCOPED_TRACE(value);
        ViewState v = fitted_straight();
        hsb_gm18_Change(v, value);
        // 2 % of 30 m.
        EXPECT_NEAR(v.view_cx, 0.6, 1e-6);
        expect_window(v.scale, -14.4, 7.5, 30, -30);
        EXPECT_EQ(v.hsb_last, value);
        hsb_gm18_Change(v, value - 1);
        EXPECT_NEAR(v.view_cx, 0.0, 1e-6);
    }
}

TEST(SchematicPan, VerticalStepsAndRecentresTheOtherAxis) {
    struct Case {
        int value;
        double cy, top;
    };
    for (Case c : {Case{501, -2, 48}, Case{499, 2, 52}}) {
        SCOPED_TRACE(c.value);
        ViewState v;
        v.scale = {7, 50, 100, -100}; // a left edge that no longer matches view_cx
        v.view_cx = 0, v.view_cy = 0, v.vsb_last = 500;
        vsb_gm18_Change(v, c.value);
        EXPECT_DOUBLE_EQ(v.view_cy, c.cy);
        expect_window(v.scale, -50, c.top, 100, -100);
        EXPECT_EQ(v.vsb_last, c.value);
    }
}

TEST(SchematicPan, EdgeMarkersReachThePannedEdges) {
    ViewState v = fitted_straight();
    for (int n = 1; n <= 40; ++n)
        hsb_gm18_Change(v, 500 + n);
    // 40 steps of 0.6 m: the view runs from 9 to 39, right of the wall.
    EXPECT_NEAR(edge_x(kRightEdge, v.scale), 39.0, 1e-4);
    EXPECT_NEAR(edge_x(kLeftEdge, v.scale), 9.0, 1e-4);
    EXPECT_EQ(edge_x(23.0, v.scale), 23.0);
}

bool shown(int kind, const ScaleWindow& scale) {
    return place_label(MmoRec{kind, 0.0, kYellow, "x"}, scale).has_value();
}

TEST(SchematicLabels, SideTextsDisappearAsThePanPassesTheWall) {
    // From -15..15: each step moves the view 0.6 m. The sea-side texts need a
    // quarter of the view (7.5 m) left of the wall, the sea-end elevations a
    // tenth (3 m); the land side is the mirror image.
    struct Case {
        int direction; // +1 pans right (towards the land), -1 left
        int steps;
        int kind;
        bool shown;
    };
    const Case cases[] = {
        {+1, 12, -1, true},   {+1, 13, -1, false},   {+1, 12, -4, true},   {+1, 13, -4, false},
        {+1, 19, -999, true}, {+1, 21, -999, false}, {-1, 12, 1, true},    {-1, 13, 1, false},
        {-1, 12, 4, true},    {-1, 13, 4, false},    {-1, 19, 999, true},  {-1, 21, 999, false},
        {+1, 40, 0, true},    {+1, 40, 999, true},   {-1, 40, -999, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.direction << " x " << c.steps << " kind " << c.kind);
        ViewState v;
        v.scale = {-15, 15, 30, -30};
        v.view_cx = 0, v.view_cy = 0, v.hsb_last = 500;
        for (int n = 1; n <= c.steps; ++n)
            hsb_gm18_Change(v, 500 + c.direction * n);
        EXPECT_EQ(shown(c.kind, v.scale), c.shown);
    }
}

TEST(SchematicLabels, PlacesByKind) {
    const ScaleWindow s{-15, 15, 30, -30};
    struct Case {
        int kind;
        double x, y;
    };
    // Anchor 1.0; 3 % of 30 above a line is 0.9; layer lines 1.05, 0.3,
    // -0.45, -1.2 from the anchor.
    const Case cases[] = {
        {0, -2.1, 1.9}, {999, 9.0, 1.9}, {-999, -15, 1.9},  {1, 7.5, 2.05},    {2, 7.5, 1.3},
        {3, 7.5, 0.55}, {4, 7.5, -0.2},  {-1, -12.0, 2.05}, {-4, -12.0, -0.2},
    };
    for (Case c : cases) {
        SCOPED_TRACE(c.kind);
        auto p = place_label(MmoRec{c.kind, 1.0, kYellow, "x"}, s);
        ASSERT_TRUE(p.has_value());
        EXPECT_NEAR(p->x, c.x, 1e-5);
        EXPECT_NEAR(p->y, c.y, 1e-5);
        EXPECT_EQ(p->crown_tick, c.kind == 0);
        if (c.kind == 0) {
            EXPECT_NEAR(p->tick_x, -2.4, 1e-5);
        }
    }
    EXPECT_FALSE(shown(5, s));
    EXPECT_FALSE(shown(-5, s));
}

TEST(SchematicZoomStates, ButtonsInEachState) {
    struct Case {
        const char* what;
        ZoomOption option;
        bool pending;
        int button;
        ZoomPhase after; // with the options as the reply leaves them
        bool clear_options, refresh;
        const char* prompt; // nullptr: the status is not touched
    };
    const Case cases[] = {
        {"off, left", ZoomOption::none, false, kLeftButton, ZoomPhase::off, false, false, nullptr},
        {"off, right", ZoomOption::none, false, kRightButton, ZoomPhase::off, false, false,
         nullptr},
        {"off, middle", ZoomOption::none, false, 4, ZoomPhase::off, false, false, nullptr},
        {"ready, left", ZoomOption::zoom_in, false, kLeftButton, ZoomPhase::pending, false, false,
         kPromptEnd},
        {"ready, right", ZoomOption::zoom_in, false, kRightButton, ZoomPhase::off, true, false, ""},
        {"ready, middle", ZoomOption::zoom_in, false, 4, ZoomPhase::ready, false, false, nullptr},
        {"pending, left", ZoomOption::zoom_out, true, kLeftButton, ZoomPhase::ready, false, true,
         kPromptStart},
        {"pending, right", ZoomOption::zoom_out, true, kRightButton, ZoomPhase::off, true, true,
         ""},
        {"pending, middle", ZoomOption::zoom_out, true, 4, ZoomPhase::pending, false, false,
         nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ViewState v = view_of_100();
        opt_dgm18_Click(v, c.option);
        v.zoom_pending = c.pending;
        ZoomReply r = pic_gm18_MouseDown(v, c.option, c.button, 3, 4);
        ZoomOption after_option = r.clear_options ? ZoomOption::none : c.option;
        EXPECT_EQ(zoom_phase(v, after_option), c.after);
        EXPECT_EQ(r.clear_options, c.clear_options);
        EXPECT_EQ(r.refresh, c.refresh);
        EXPECT_EQ(r.prompt.has_value(), c.prompt != nullptr);
        if (c.prompt != nullptr && r.prompt) {
            EXPECT_EQ(*r.prompt, c.prompt);
        }
    }
}

TEST(SchematicZoomStates, RectangleFollowsTheMouseAndZoomsOnTheSecondClick) {
    ViewState v = view_of_100();
    EXPECT_EQ(*opt_dgm18_Click(v, ZoomOption::zoom_in).prompt, kPromptStart);
    EXPECT_FALSE(pic_gm18_MouseMove(v, 1, 1)); // nothing pending: no repaint
    pic_gm18_MouseDown(v, ZoomOption::zoom_in, kLeftButton, 10, 20);
    EXPECT_TRUE(pic_gm18_MouseMove(v, 18, 17));
    EXPECT_EQ(v.zoom_x2, 18);
    EXPECT_EQ(v.zoom_y2, 17);
    // Switching to zoom out keeps the start point and asks for the end again;
    // the rectangle then zooms out.
    EXPECT_EQ(*opt_dgm18_Click(v, ZoomOption::zoom_out).prompt, kPromptEnd);
    EXPECT_TRUE(v.zoom_pending);
    pic_gm18_MouseDown(v, ZoomOption::zoom_out, kLeftButton, 20, 16);
    expect_window(v.scale, 15 - 500, 18 + 500, 1000, -1000);
    // The mode stays on: the next click starts a new rectangle.
    EXPECT_EQ(zoom_phase(v, ZoomOption::zoom_out), ZoomPhase::ready);

    reset_zoom(v);
    EXPECT_FALSE(v.zoom_in_sw || v.zoom_out_sw || v.zoom_pending);
}

} // namespace
} // namespace wtn::schematic
