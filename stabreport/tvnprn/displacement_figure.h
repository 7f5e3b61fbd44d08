// The explanatory sketch beside the head-displacement formula: a cantilever
// sheet pile between the design seabed and the virtual seabed, its deflected
// line and a dimension line that splits the head displacement into δ1, δ2
// and δ3. Nothing in it depends on the case; only the order of the δ2 and δ3
// labels follows the design standard.
#pragma once

#include "report_state.h"

namespace wtn {

inline constexpr const char* kDisplacementFigureName = "HENI_Z.PZK";

// Writes HENI_Z.PZK in the work folder, the same bytes for every case.
void draw_displacement_figure(const StabilityReport& report);

} // namespace wtn
