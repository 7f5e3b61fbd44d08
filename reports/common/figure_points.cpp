#include "figure_points.h"

#include "error_messages.h"

#include <cmath>
#include <cstdint>
#include <string>

namespace wtn {

int stored_unit(double value, std::string_view figure) {
    if (!std::isfinite(value) || std::fabs(value) >= static_cast<double>(INT32_MAX))
        stop_with_error("(ERROR)-図(" + std::string(figure) + ")の座標値が正しくありません.");
    return static_cast<int>(std::trunc(value));
}

FigurePoint map_diagram_point(const DiagramMapping& m, double value, double level,
                              std::string_view figure) {
    PointTransform t;
    t.centre = {m.origin_value, -m.origin_level};
    t.scale_x = m.value_scale;
    t.scale_y = m.page_scale;
    t.target = m.centre;
    const DrawPoint p = transform_point({value, -level}, t);
    return {stored_unit(p.x, figure), stored_unit(p.y, figure)};
}

} // namespace wtn
