// Part routines of the external-force figure of a case: the diagrams down to
// the virtual seabed, the net diagram split into the triangles of the force
// calculation, the hydrodynamic pressure and a small model figure with the
// resultant.
#pragma once

#include "drawing_file.h"
#include "earth_pressure_report.h"

namespace wtn {

void draw_active_water_diagram(DrawingFile& file, const EarthPressureReport& report, int c);
void draw_load_passive_diagram(DrawingFile& file, const EarthPressureReport& report, int c);
void draw_net_diagram(DrawingFile& file, const EarthPressureReport& report, int c);
void draw_load_force_numbers(DrawingFile& file, const EarthPressureReport& report, int c);
void draw_net_labels(DrawingFile& file, EarthPressureReport& report, int c);
void draw_hydrodynamic_pressure(DrawingFile& file, EarthPressureReport& report, int c);
void draw_load_level_labels(DrawingFile& file, EarthPressureReport& report, int c);
void draw_model_figure(DrawingFile& file, const EarthPressureReport& report, int c);
void draw_load_parts(int c, DrawingFile& file, EarthPressureReport& report);

} // namespace wtn
