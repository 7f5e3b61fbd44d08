#include "wedge_polygon.h"

namespace wtn {

std::vector<Point2> build_wedge_polygon(const LoadModel& model, const InputRecord& input, int a) {
    const LandLayerCalc& layer = model.land_calc[static_cast<std::size_t>(a)];
    const double exit_x = layer.crossing_x_bottom;
    std::vector<Point2> polygon;
    for (int g = 0; g < model.ground_count; ++g) {
        const GroundRow& row = model.ground[static_cast<std::size_t>(g)];
        if (row.distance > exit_x) break;
        polygon.push_back({row.distance, row.level});
    }
    polygon.push_back({exit_x, layer.crossing_z_bottom});
    polygon.push_back({layer.wedge_width_bottom, input.joken.ground_crown});

    const double length = cut_length(polygon);
    for (int r = model.index.ground_crown - 1; r >= 0; --r)
        cut_polygon(polygon, model.land_calc[static_cast<std::size_t>(r)].top, length);
    return polygon;
}

std::vector<Point2> select_layer_vertices(const LoadModel& model, int r,
                                          const std::vector<Point2>& polygon) {
    return vertices_between(polygon, model.land_calc[static_cast<std::size_t>(r)].top,
                            model.land_calc[static_cast<std::size_t>(r) + 1].top);
}

} // namespace wtn
