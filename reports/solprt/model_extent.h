// The bounding box a figure's fit takes of its model, and the page points a
// mapping stores.
#pragma once

#include "figure_kit.h"
#include "figure_points.h"

#include <cmath>
#include <string_view>

namespace wtn {

// An extent below this (m, or kN/m2 on a value axis) cannot be scaled.
inline constexpr double kSmallestExtent = 0.0001;

// Starts empty; a value is taken when it is strictly beyond the box.
struct ModelExtent {
    double min_x = 999999.9;
    double max_x = -999999.9;
    double min_y = 999999.9;
    double max_y = -999999.9;

    void take_x(double x) {
        if (x > max_x) max_x = x;
        if (x < min_x) min_x = x;
    }
    void take_y(double y) {
        if (y > max_y) max_y = y;
        if (y < min_y) min_y = y;
    }
    void take(double x, double y) {
        take_x(x);
        take_y(y);
    }
    double width() const { return std::fabs(max_x - min_x); }
    double height() const { return std::fabs(max_y - min_y); }
    double middle_x() const { return (max_x + min_x) / 2.0; }
    double middle_y() const { return (max_y + min_y) / 2.0; }
};

// The page point of a model point (distance, level), stored.
inline FigurePoint store_model_point(const FigureKit& kit, double x, double level,
                                     std::string_view drawing) {
    const PagePoint p = model_to_page(kit, x, level);
    return {stored_unit(p.x, drawing), stored_unit(p.y, drawing)};
}

// A level line from the wall face (distance 0) to the page X end_x.
inline FigureLine store_level_line(const FigureKit& kit, double level, double end_x,
                                   std::string_view drawing) {
    const FigurePoint a = store_model_point(kit, 0.0, level, drawing);
    return {a.x, stored_unit(end_x, drawing), a.y, a.y};
}

} // namespace wtn
