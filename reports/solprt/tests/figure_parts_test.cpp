// The figure layouts and parts over hand-made records, one fixture for each
// room or placement the figures must get right.
#include "condition_parts.h"
#include "embankment_fixture.h"
#include "figure_layouts.h"
#include "figure_placement.h"
#include "ground_figure_fits.h"
#include "model_extent.h"
#include "report_figures.h"
#include "surcharge_blocks.h"
#include "surcharge_figure_parts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace wtn {
namespace {

using test::EmbankmentFixture;
using test::file_lines;
using test::ReportFixture;

std::vector<std::string> drawing(ReportFixture& f, const std::function<void(DrawingFile&)>& draw) {
    {
        DrawingFile file("T.PZK", "test", 46, 67);
        draw(file);
        file.close();
    }
    return file_lines(f.folder.read("T.PZK"));
}

// Every coordinate of the L, Y, Q and P commands of a drawing.
std::vector<int> coordinates(const std::vector<std::string>& lines) {
    std::vector<int> values;
    for (const std::string& line : lines) {
        if (line.empty() || std::string("LYQP").find(line[0]) == std::string::npos) continue;
        const int count = line[0] == 'P' ? 6 : 4;
        int v[6] = {};
        std::sscanf(line.c_str() + 1, "%d %d %d %d %d %d", &v[0], &v[1], &v[2], &v[3], &v[4],
                    &v[5]);
        values.insert(values.end(), v, v + count);
    }
    return values;
}

// Labels of ten zones half a metre wide, 100 page units to the metre: each
// "0.5000m" label (262.5 units) runs into the ones before it, so they climb
// the tiers and, with all three taken, stand in the fourth. The tiers have
// room for every zone of the input.
TEST(SurchargeFigure, TenZoneLabelsClimbTheTiers) {
    ReportFixture f;
    FigureKit& kit = f.report->kit;
    set_surcharge_layout(kit);
    kit.page_scale = 100.0;
    DimensionTiers tiers;
    std::vector<int> got;
    std::vector<double> ys;
    for (int k = 0; k < kMaxSurchargeRows; ++k) {
        const PagePoint p =
            check_dimension_labels(kit, k, tiers, "0.5000m", 0.5, 1000 + 50 * k, 600);
        got.push_back(tiers.entries[static_cast<std::size_t>(k)].tier);
        ys.push_back(p.y);
    }
    EXPECT_EQ(got, (std::vector<int>{1, 2, 3, 4, 4, 4, 1, 2, 3, 4}));
    // Tier 1 just above the line, each further tier 1.25 text heights higher.
    EXPECT_DOUBLE_EQ(ys[0], 600 - 0.25 * 70);
    EXPECT_DOUBLE_EQ(ys[3], 600 - 0.25 * 70 - 3 * 1.25 * 70);
}

TEST(SurchargeFigure, TenZonesInsideOneWedgeAreAllDimensioned) {
    EmbankmentFixture f;
    InputRecord& in = f.report->input;
    in.surcharge_count = kMaxSurchargeRows;
    for (int j = 0; j < kMaxSurchargeRows; ++j)
        in.surcharges[static_cast<std::size_t>(j)] = {0.2 * j, 0.2 * j + 0.2, 10.0, 5.0};
    f.report->model.land_calc[1].crossing_x_bottom = 2.8868;
    set_surcharge_layout(f.report->kit);
    f.report->kit.page_scale = 100.0;
    const auto lines = drawing(f, [&](DrawingFile& d) { draw_zone_dimensions(d, *f.report, 1); });
    int arrows = 0;
    for (const std::string& l : lines)
        arrows += l.rfind("Y ", 0) == 0 ? 1 : 0;
    EXPECT_EQ(arrows, kMaxSurchargeRows);
}

// Two land layers above the ground level (7.0..5.0 and 5.0..3.0 over the
// ground-surface top +3.0) are not drawn: no line at the page origin, no level
// of theirs, and the bottom line runs from the wall to the window's edge.
TEST(ConditionFigure, LayersAboveTheGroundLevelAreLeftOut) {
    ReportFixture f;
    InputRecord& in = f.report->input;
    in.joken.ground_crown = 3.0;
    in.joken.soil_bottom = -30.0;
    in.joken.hwl = 1.0;
    in.land_layer_count = 3;
    in.land_layers[0].top = 7.0;
    in.land_layers[1].top = 5.0;
    in.land_layers[2].top = 3.0;
    in.sea_layer_count = 1;
    in.sea_layers[0].top = -6.0;
    for (auto& row : in.land_layers)
        row.friction_angle = 30.0;
    f.report->kit.max_surcharge = -999.99;
    load_condition_profile(*f.report);
    set_condition_layout(f.report->kit);
    fit_figure_scale(*f.report, "T.PZK");
    const ConditionFigure& c = f.report->figures.condition;
    EXPECT_EQ(c.first_land, 2);
    const auto lines = drawing(f, [&](DrawingFile& d) { draw_land_layers(d, *f.report); });
    for (int v : coordinates(lines)) {
        EXPECT_GT(v, 0);
        EXPECT_LE(v, 5900);
    }
    EXPECT_EQ(test::count_of(lines, "+7.00"), 0);
    EXPECT_EQ(test::count_of(lines, "+5.00"), 0);
    EXPECT_EQ(test::count_of(lines, "+3.00"), 0); // the first drawn layer has no top line
    EXPECT_TRUE(test::in_order(lines, {"L 1875 5700 3800 5700 0 2", "-30.00"}));
    // One soil label, for the layer below the ground level.
    int labels = 0;
    for (const std::string& l : lines)
        labels += l.rfind("γ =", 0) == 0 ? 1 : 0;
    EXPECT_EQ(labels, 1);
}

// 25 land layers fill 26 lines: every top and the bottom line, each at its
// own level, none written over another.
TEST(ConditionFigure, TwentyFiveLayersGetTwentySixLines) {
    ReportFixture f;
    InputRecord& in = f.report->input;
    in.joken.ground_crown = 3.0;
    in.joken.soil_bottom = -30.0;
    in.land_layer_count = kMaxSoilLayerRows;
    for (int i = 0; i < kMaxSoilLayerRows; ++i)
        in.land_layers[static_cast<std::size_t>(i)].top = 3.0 - i;
    f.report->kit.max_surcharge = -999.99;
    load_condition_profile(*f.report);
    set_condition_layout(f.report->kit);
    fit_figure_scale(*f.report, "T.PZK");
    const ConditionFigure& c = f.report->figures.condition;
    for (int i = 0; i <= kMaxSoilLayerRows; ++i) {
        const double level = i < kMaxSoilLayerRows ? 3.0 - i : -30.0;
        const FigurePoint p = store_model_point(f.report->kit, 0.0, level, "T.PZK");
        EXPECT_EQ(c.land[static_cast<std::size_t>(i)].y1, p.y) << i;
        EXPECT_EQ(c.land[static_cast<std::size_t>(i)].x2, 3800) << i;
    }
}

// A flat ground +3.0 out to 40 m with its surcharge rows: zone A [0, 2],
// zone B [2, 6] unloaded in the normal case (8 kN/m2 in the seismic case),
// zone C [6, 10] of 20 kN/m2, then zone D [10, 14] of 20 kN/m2 too.
struct ZoneBlocksFixture : ReportFixture {
    ZoneBlocksFixture() {
        EarthPressureReport& r = *report;
        InputRecord& in = r.input;
        in.swdat.ground_shape = GroundShape::Embankment;
        in.joken.ground_crown = 3.0;
        in.joken.soil_bottom = -30.0;
        in.ground_point_count = 2;
        in.ground_points[0] = {0.0, 3.0};
        in.ground_points[1] = {40.0, 3.0};
        in.surcharge_count = 4;
        in.surcharges[0] = {0.0, 2.0, 10.0, 5.0};
        in.surcharges[1] = {2.0, 6.0, 0.0, 8.0};
        in.surcharges[2] = {6.0, 10.0, 20.0, 10.0};
        in.surcharges[3] = {10.0, 14.0, 20.0, 10.0};
        LoadModel& m = r.model;
        const double rows[][4] = {{0, 3, 10, 5}, {2, 3, 0, 8},  {6, 3, 20, 10}, {10, 3, 20, 10},
                                  {14, 3, 0, 0}, {40, 3, 0, 0}, {45, 3, 0, 0}};
        for (const auto& g : rows)
            m.ground[static_cast<std::size_t>(m.ground_count++)] = {g[0], g[1], g[2], g[3]};
        find_max_surcharge(r);
        load_condition_profile(r);
        set_condition_layout(r.kit);
        fit_figure_scale(r, "T.PZK");
    }

    // X where the label of the block from distance a to b starts: centred
    // over the block's top line, but not left of the wall (a label wider
    // than the block at the wall would reach across it).
    int label_x(double a, double b, const std::string& text) {
        const FigureKit& k = report->kit;
        const double wall = store_model_point(k, 0.0, 3.0, "T.PZK").x;
        const double xa = store_model_point(k, a, 3.0, "T.PZK").x;
        const double xb = store_model_point(k, b, 3.0, "T.PZK").x;
        return static_cast<int>(
            std::max(wall, (xa + xb) / 2.0 - (text.size() - 2.0) * 0.5 * k.text_width * 0.5));
    }
};

// The K command written just before a label text.
std::string k_line_of(const std::vector<std::string>& lines, const std::string& text) {
    for (std::size_t i = 1; i < lines.size(); ++i)
        if (lines[i] == text) return lines[i - 1];
    return "";
}

int k_x(const std::string& k_line) {
    int x = -1;
    std::sscanf(k_line.c_str(), "K %d", &x);
    return x;
}

// Each zone label stands centred over the block it closes: the normal case's
// second label over zones C and D (one block of equal intensity), not over
// the unloaded zone B; the seismic case's labels count every loaded block.
TEST(SurchargeBlocks, EachLabelCentredOverItsBlock) {
    ZoneBlocksFixture f;
    const auto normal = drawing(f, [&](DrawingFile& d) { draw_surcharge_blocks(d, *f.report, 0); });
    const std::string w1 = "ｗ\\D1 =   10.00 kN/m\\U2";
    const std::string w2 = "ｗ\\D2 =   20.00 kN/m\\U2";
    EXPECT_EQ(k_x(k_line_of(normal, w1)), f.label_x(0.0, 2.0, w1));
    EXPECT_EQ(k_x(k_line_of(normal, w2)), f.label_x(6.0, 14.0, w2));
    EXPECT_EQ(test::count_of(normal, "ｗ\\D3 =   20.00 kN/m\\U2"), 0);

    const auto seismic =
        drawing(f, [&](DrawingFile& d) { draw_surcharge_blocks(d, *f.report, kSeismicCase); });
    const std::string s2 = "ｗ\\D2'=    8.00 kN/m\\U2";
    const std::string s3 = "ｗ\\D3'=   10.00 kN/m\\U2";
    EXPECT_EQ(k_x(k_line_of(seismic, s2)), f.label_x(2.0, 6.0, s2));
    EXPECT_EQ(k_x(k_line_of(seismic, s3)), f.label_x(6.0, 14.0, s3));
}

// Zones close together: a label wider than its block stands above the
// higher block beside it, and the second label, which would run into the
// first, stands one text line above it; its X stays centred over its block.
// Equal intensities, and a low zone beside a high one.
TEST(SurchargeBlocks, LabelsOfZonesCloseTogetherDoNotOverlap) {
    for (const double second : {10.0, 20.0}) {
        SCOPED_TRACE(second);
        ZoneBlocksFixture f;
        LoadModel& m = f.report->model;
        m.ground_count = 0;
        const double rows[][4] = {{0, 3, 10, 5}, {2, 3, 0, 0},  {3, 3, second, 5},
                                  {5, 3, 0, 0},  {40, 3, 0, 0}, {45, 3, 0, 0}};
        for (const auto& g : rows)
            m.ground[static_cast<std::size_t>(m.ground_count++)] = {g[0], g[1], g[2], g[3]};
        load_condition_profile(*f.report);
        const auto lines =
            drawing(f, [&](DrawingFile& d) { draw_surcharge_blocks(d, *f.report, 0); });
        const std::string w1 = "ｗ\\D1 =   10.00 kN/m\\U2";
        const std::string w2 = format_text("ｗ\\D2 =%8.2lf kN/m\\U2", second);
        int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        ASSERT_EQ(std::sscanf(k_line_of(lines, w1).c_str(), "K %d %d", &x1, &y1), 2);
        ASSERT_EQ(std::sscanf(k_line_of(lines, w2).c_str(), "K %d %d", &x2, &y2), 2);
        EXPECT_EQ(x2, f.label_x(3.0, 5.0, w2));
        EXPECT_LT(x2, x1 + static_cast<int>((w1.size() - 2) * 0.5 * f.report->kit.text_width));
        EXPECT_NEAR(std::abs(y2 - y1), f.report->kit.text_height, 1);
    }
}

// A ground table at its full room of 80 rows with a layer's failure plane
// reaching the ground between every two of the first 24: all 79 rows and the
// 24 slip points are drawn.
TEST(SurchargeFigure, FullGroundTableWithSlipPointsIsDrawnWhole) {
    ReportFixture f;
    EarthPressureReport& r = *f.report;
    r.input.swdat.ground_shape = GroundShape::Embankment;
    r.input.swdat.surcharge_mode = SurchargeMode::PerLayer;
    LoadModel& m = r.model;
    m.ground_count = kGroundRoom;
    for (int g = 0; g < kGroundRoom; ++g)
        m.ground[static_cast<std::size_t>(g)] = {1.0 * g, 3.0 + 0.01 * g, 0.0, 0.0};
    m.index.ground_crown = 0;
    m.land_count = kLayerRoom;
    for (int a = 0; a < kLayerRoom; ++a) {
        LandLayerCalc& layer = m.land_calc[static_cast<std::size_t>(a)];
        layer.top = 3.0 - a;
        layer.thickness = 1.0;
        layer.crossing_x_bottom = a + 0.5;
        layer.crossing_z_bottom = 3.0 + 0.01 * (a + 0.5);
    }
    load_surcharge_profile(r);
    ASSERT_EQ(r.figures.profile.count, (kGroundRoom - 1) + (kLayerRoom - 1));
    for (int i = 1; i < r.figures.profile.count; ++i)
        EXPECT_LT(r.figures.profile.points[static_cast<std::size_t>(i) - 1].x,
                  r.figures.profile.points[static_cast<std::size_t>(i)].x);
    set_surcharge_layout(r.kit);
    fit_surcharge_scale(r);
    map_surcharge_figure(r, "T.PZK");
    const auto lines = drawing(f, [&](DrawingFile& d) { draw_profile_line(d, r); });
    EXPECT_EQ(static_cast<int>(lines.size()) - 2, r.figures.profile.count - 1);
}

// The K command's X and Y of the line before the first text starting with
// prefix.
bool text_at(const std::vector<std::string>& lines, const std::string& prefix, int& x, int& y) {
    for (std::size_t i = 1; i < lines.size(); ++i)
        if (lines[i].rfind(prefix, 0) == 0)
            return std::sscanf(lines[i - 1].c_str(), "K %d %d", &x, &y) == 2;
    return false;
}

// The R.W.L. in the middle of the one land layer: its text and water mark
// (the mark 150 wide and 80 high about its tip, 1.5 characters before the
// text) stand where the layer's label runs to its "φ". Drawn as the figure
// draws it, with its ink kept, the label moves clear of both: wholly below
// the mark or wholly left of it. Without the ink it stays where it was.
TEST(ConditionFigure, AWaterMarkInALayerMovesTheLayerLabelClear) {
    ReportFixture f;
    EarthPressureReport& r = *f.report;
    InputRecord& in = r.input;
    in.joken.ground_crown = 3.0;
    in.joken.soil_bottom = -30.0;
    in.joken.residual_level = -13.5; // the layer's middle
    in.land_layer_count = 1;
    in.land_layers[0].top = 3.0;
    in.land_layers[0].friction_angle = 30.0;
    in.sea_layer_count = 1;
    in.sea_layers[0].top = -6.0;
    r.kit.max_surcharge = -999.99;
    load_condition_profile(r);
    set_condition_layout(r.kit);
    fit_figure_scale(r, "T.PZK");
    const FigureLine& rwl = r.figures.condition.rwl;
    auto label_and_water = [&](bool keep_ink) {
        FigureInk ink;
        if (keep_ink) r.kit.ink = &ink;
        const auto lines = drawing(f, [&](DrawingFile& d) {
            const RwlLabel label = note_rwl_label(r, rwl);
            draw_land_layers(d, r);
            draw_rwl_line(d, r, rwl, label);
        });
        r.kit.ink = nullptr;
        return lines;
    };
    const double w = r.kit.text_width;
    const double h = r.kit.text_height;
    int rx = 0, ry = 0;
    const auto kept = label_and_water(true);
    ASSERT_TRUE(text_at(kept, "R.W.L.", rx, ry));
    const double mark_left = rx - 1.5 * w - 75.0;
    const double mark_bottom = ry + 30.0;
    const std::string label = "γ =  18.000,γ'=  10.000,φ =30.0ﾟ";
    const double label_width = label_cells(label) * w * 0.5;
    int lx = 0, ly = 0;
    ASSERT_TRUE(text_at(kept, "γ =", lx, ly));
    EXPECT_TRUE(ly - h >= mark_bottom || lx + label_width <= mark_left)
        << "label at " << lx << " " << ly << ", mark from " << mark_left << " down to "
        << mark_bottom;

    const auto plain = label_and_water(false);
    int px = 0, py = 0;
    ASSERT_TRUE(text_at(plain, "γ =", px, py));
    EXPECT_FALSE(py - h >= mark_bottom || px + label_width <= mark_left);
}

// A zone of 10 kN/m2 from the wall out to 14 m, and a wedge leaving the
// ground at 5 m: the surcharge figure cuts the block at the exit and closes
// it there with its far edge.
TEST(SurchargeBlocks, AZoneCutByTheWedgeExitIsClosed) {
    ReportFixture f;
    EarthPressureReport& r = *f.report;
    r.input.swdat.ground_shape = GroundShape::Embankment;
    r.input.swdat.surcharge_mode = SurchargeMode::PerLayer;
    LoadModel& m = r.model;
    m.ground_count = 0;
    const double rows[][4] = {{0, 3, 10, 0}, {14, 3, 0, 0}, {40, 3, 0, 0}};
    for (const auto& g : rows)
        m.ground[static_cast<std::size_t>(m.ground_count++)] = {g[0], g[1], g[2], g[3]};
    m.index.ground_crown = 0;
    m.land_count = 2;
    m.land_calc[0] = {};
    m.land_calc[0].top = 3.0;
    m.land_calc[0].thickness = 5.0;
    m.land_calc[0].crossing_x_bottom = 5.0;
    m.land_calc[0].crossing_z_bottom = 3.0;
    find_max_surcharge(r);
    load_surcharge_profile(r);
    set_surcharge_layout(r.kit);
    fit_surcharge_scale(r);
    map_surcharge_figure(r, "T.PZK");
    const auto lines = drawing(f, [&](DrawingFile& d) { draw_surcharge_figure_blocks(d, r, 0); });
    const FigurePoint wall = store_model_point(r.kit, 0.0, 3.0, "T.PZK");
    const FigurePoint exit = store_model_point(r.kit, 5.0, 3.0, "T.PZK");
    const int top = wall.y - static_cast<int>(10.0 * r.kit.load_scale);
    auto edge = [](int x, int y1, int y2) {
        return format_text("L %4d %4d %4d %4d 0 1", x, y1, x, y2);
    };
    EXPECT_EQ(test::count_of(lines, edge(wall.x, wall.y, top)), 1);
    EXPECT_EQ(test::count_of(lines, edge(exit.x, top, exit.y)), 1);
}

} // namespace
} // namespace wtn
