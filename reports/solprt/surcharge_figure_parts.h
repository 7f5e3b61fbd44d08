// Part routines of a surcharge figure: the ground profile, the layer
// boundaries with their levels, the failure wedge of the figure's layer with
// the failure angle of every layer it crosses, the numbered calculation
// points, the widths of the loaded zones inside the wedge as dimension lines
// with labels stacked clear of each other, and the wedge width at the level
// of the ground-surface top.
#pragma once

#include "drawing_file.h"
#include "earth_pressure_report.h"
#include "input_record.h"

#include <array>
#include <string_view>

namespace wtn {

void draw_profile_line(DrawingFile& file, const EarthPressureReport& report);
void draw_layer_levels(DrawingFile& file, const EarthPressureReport& report);
void draw_failure_wedge(DrawingFile& file, const EarthPressureReport& report, int a);
void draw_angle_mark(DrawingFile& file, const FigureKit& kit, double x, double y, double angle);
void draw_angle_text(DrawingFile& file, const FigureKit& kit, double x, double y, double angle);
void draw_wedge_points(DrawingFile& file, const EarthPressureReport& report, int a);
void draw_zone_dimensions(DrawingFile& file, const EarthPressureReport& report, int a);
void draw_wedge_width(DrawingFile& file, const EarthPressureReport& report, int a);

// Dimension labels placed so far in a figure: one entry per zone.
struct DimensionTiers {
    struct Entry {
        int tier = -1;  // -1: free
        double x = 0.0; // label start, page units, truncated
        double y = 0.0;
        int bytes = 0;
    };
    std::array<Entry, kMaxSurchargeRows> entries{};
};

// Label k of a dimension of the given length (m) starting at page X start on
// the dimension line at page Y base: centred on the dimension, one text
// height and a quarter higher for every earlier label of a tier it would
// run into (tiers 1 to 3; the fourth is taken as it is).
PagePoint check_dimension_labels(const FigureKit& kit, int k, DimensionTiers& tiers,
                                 std::string_view text, double length, double start, double base);

// The wall, the profile, the levels, the residual water, the blocks, then
// the wedge of layer a with its points and dimensions.
void draw_surcharge_parts(int c, DrawingFile& file, EarthPressureReport& report, int a);

} // namespace wtn
