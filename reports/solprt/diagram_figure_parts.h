// Part routines of the two diagram figures of a case: the earth-pressure
// figure (active, passive and residual-water diagrams with their values and a
// column of levels, landscape) and the external-force figure (the diagrams
// down to the virtual seabed, the net diagram split into the triangles of the
// force calculation, the hydrodynamic pressure and a small model figure with
// the resultant).
#pragma once

#include "drawing_file.h"
#include "report_state.h"

namespace wtn {

int draw_active_diagram(DrawingFile& file, const EarthPressureReport& report);
int draw_passive_diagram(DrawingFile& file, const EarthPressureReport& report);
int draw_active_labels(DrawingFile& file, EarthPressureReport& report);
int draw_passive_labels(DrawingFile& file, EarthPressureReport& report);
int draw_water_diagram(DrawingFile& file, const EarthPressureReport& report);
int draw_water_labels(DrawingFile& file, EarthPressureReport& report);
int draw_pressure_level_labels(DrawingFile& file, EarthPressureReport& report);
int draw_pressure_parts(int c, DrawingFile& file, EarthPressureReport& report);

int draw_active_water_diagram(DrawingFile& file, const EarthPressureReport& report, int c);
int draw_load_passive_diagram(DrawingFile& file, const EarthPressureReport& report, int c);
int draw_net_diagram(DrawingFile& file, const EarthPressureReport& report, int c);
int draw_load_force_numbers(DrawingFile& file, const EarthPressureReport& report, int c);
int draw_net_labels(DrawingFile& file, EarthPressureReport& report, int c);
int draw_hydrodynamic_pressure(DrawingFile& file, EarthPressureReport& report, int c);
int draw_load_level_labels(DrawingFile& file, EarthPressureReport& report, int c);
int draw_model_figure(DrawingFile& file, const EarthPressureReport& report, int c);
int draw_load_parts(int c, DrawingFile& file, EarthPressureReport& report);

} // namespace wtn
