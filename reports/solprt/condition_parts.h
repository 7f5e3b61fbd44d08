// Part routines of the design-condition figure: the wall, the ground surface,
// the soil layers of both sides with their levels and labels, the water
// levels, the design seabed with its hatching and the level marks of the
// crown and the ground-surface top. The residual-water line is also drawn in
// the surcharge figures.
#pragma once

#include "drawing_file.h"
#include "report_state.h"

namespace wtn {

int draw_ground_surface(DrawingFile& file, const EarthPressureReport& report);
// Only layers the layout mapped (those reaching below the ground level, or
// below the design seabed at sea) get lines, levels and labels; the first of
// them has no top line.
int draw_land_layers(DrawingFile& file, const EarthPressureReport& report);
int draw_sea_layers(DrawingFile& file, const EarthPressureReport& report);
int draw_rwl_line(DrawingFile& file, const EarthPressureReport& report, const FigureLine& line);
int draw_seabed_line(DrawingFile& file, const EarthPressureReport& report, double level,
                     double angle_degrees, const FigureLine& line);
int draw_hwl_line(DrawingFile& file, const EarthPressureReport& report);
int draw_lwl_line(DrawingFile& file, const EarthPressureReport& report, double level,
                  const FigureLine& line);
int draw_crown_mark(DrawingFile& file, const EarthPressureReport& report);
int draw_ground_top_mark(DrawingFile& file, const EarthPressureReport& report);

// The wall, then every part in drawing order.
int draw_condition_parts(int c, DrawingFile& file, EarthPressureReport& report);

} // namespace wtn
