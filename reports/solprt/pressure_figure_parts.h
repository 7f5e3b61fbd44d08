// Part routines of the earth-pressure figure of a case: the active, passive
// and residual-water diagrams with their values and a column of levels, on a
// landscape sheet.
#pragma once

#include "drawing_file.h"
#include "earth_pressure_report.h"

namespace wtn {

void draw_active_diagram(DrawingFile& file, const EarthPressureReport& report);
void draw_passive_diagram(DrawingFile& file, const EarthPressureReport& report);
void draw_active_labels(DrawingFile& file, EarthPressureReport& report);
void draw_passive_labels(DrawingFile& file, EarthPressureReport& report);
void draw_water_diagram(DrawingFile& file, const EarthPressureReport& report);
void draw_water_labels(DrawingFile& file, EarthPressureReport& report);
void draw_pressure_level_labels(DrawingFile& file, EarthPressureReport& report);
void draw_pressure_parts(int c, DrawingFile& file, EarthPressureReport& report);

} // namespace wtn
