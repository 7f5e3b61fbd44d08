// Layout set-ups of the earth-pressure report's figures: each fixes the
// frame, the sheet orientation, the drawing window and the label size in the
// figure kit before its figure is drawn.
#pragma once

#include "earth_pressure_report.h"

namespace wtn {

// Design-condition figure: upright.
void set_condition_layout(FigureKit& kit);
// Surcharge figures: upright or landscape, whichever gives the larger scale.
void set_surcharge_layout(FigureKit& kit);
void set_surcharge_layout_landscape(FigureKit& kit);
// Earth-pressure figure: landscape.
void set_pressure_layout(FigureKit& kit);
// External-force figure of case c: upright; its window starts further right
// when the virtual seabed lies on the design seabed, where no sea-side
// pressure is drawn.
void set_load_layout(const EarthPressureReport& report, int c, FigureKit& kit);

} // namespace wtn
