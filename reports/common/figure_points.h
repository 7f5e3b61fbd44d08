// Page points as the report figures store them: integers,
// truncated toward zero from the mapped model point, as they are written.
#pragma once

#include "figure_kit.h"

#include <string_view>

namespace wtn {

struct FigurePoint {
    int x = 0;
    int y = 0;
};

// A stored line: its two points (x1, y1) and (x2, y2).
struct FigureLine {
    int x1 = 0;
    int x2 = 0;
    int y1 = 0;
    int y2 = 0;
};

// A page coordinate truncated toward zero. One that is not a number or lies
// beyond the 32-bit range stops the program with a message naming figure:
// the model it came from cannot be drawn.
int stored_unit(double value, std::string_view figure);

// A point of a diagram with a value axis: (value, level) through an origin,
// value_scale page units per kN/m2 across and page_scale per metre down. The
// model origin maps onto the page point centre.
struct DiagramMapping {
    double origin_value = 0.0;
    double origin_level = 0.0;
    PagePoint centre;
    double value_scale = 1.0;
    double page_scale = 1.0;
};

FigurePoint map_diagram_point(const DiagramMapping& m, double value, double level,
                              std::string_view figure);

} // namespace wtn
