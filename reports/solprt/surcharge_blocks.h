// Surcharge blocks on the ground line of the design-condition figure and of
// the surcharge figures: a block as high as its intensity (load_scale page
// units per kN/m2), arrows at a fixed pitch onto the ground and the intensity
// of each loaded zone above it.
#pragma once

#include "drawing_file.h"
#include "earth_pressure_report.h"

namespace wtn {

// Design-condition figure of case c: a straight ground surface or the
// ground profile out to the last ground point.
void draw_surcharge_blocks(DrawingFile& file, EarthPressureReport& report, int c);
// Surcharge figure of case c: the profile out to where the deepest failure
// plane reaches the ground.
void draw_surcharge_figure_blocks(DrawingFile& file, EarthPressureReport& report, int c);

} // namespace wtn
