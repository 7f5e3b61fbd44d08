// Part routines of the design-condition figure: the wall, the ground surface,
// the soil layers of both sides with their levels and labels, the water
// levels, the design seabed with its hatching and the level marks of the
// crown and the ground-surface top. The residual-water line is also drawn in
// the surcharge figures.
#pragma once

#include "drawing_file.h"
#include "earth_pressure_report.h"

#include <string>

namespace wtn {

void draw_ground_surface(DrawingFile& file, const EarthPressureReport& report);
// Only layers the layout mapped (those reaching below the ground level, or
// below the design seabed at sea) get lines, levels and labels; the first of
// them has no top line.
void draw_land_layers(DrawingFile& file, const EarthPressureReport& report);
void draw_sea_layers(DrawingFile& file, const EarthPressureReport& report);
// The R.W.L. text and its mark on the residual-water line.
struct RwlLabel {
    std::string text;
    double text_x = 0.0;
    double text_y = 0.0;
    double mark_x = 0.0;
};

// The land layers' lines in the figure's ink ahead of their drawing, so that
// the R.W.L. text placed before them keeps clear.
void note_land_layer_lines(const EarthPressureReport& report);
// The R.W.L. text and mark placed clear of the ink so far and noted in it
// ahead of their drawing, so that texts drawn before them keep clear.
RwlLabel note_rwl_label(const EarthPressureReport& report, const FigureLine& line);
void draw_rwl_line(DrawingFile& file, const EarthPressureReport& report, const FigureLine& line,
                   const RwlLabel& label);
// The design seabed's line in the figure's ink ahead of its drawing.
void note_seabed_line(const EarthPressureReport& report, double angle_degrees,
                      const FigureLine& line);
void draw_seabed_line(DrawingFile& file, const EarthPressureReport& report, double level,
                      double angle_degrees, const FigureLine& line);
void draw_hwl_line(DrawingFile& file, const EarthPressureReport& report);
void draw_lwl_line(DrawingFile& file, const EarthPressureReport& report, double level,
                   const FigureLine& line);
void draw_crown_mark(DrawingFile& file, const EarthPressureReport& report);
void draw_ground_top_mark(DrawingFile& file, const EarthPressureReport& report);

// The wall, then every part in drawing order.
void draw_condition_parts(int c, DrawingFile& file, EarthPressureReport& report);

} // namespace wtn
