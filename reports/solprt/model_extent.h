// The bounding box a figure's fit takes of its model, and the page points a
// mapping stores.
#pragma once

#include "figure_kit.h"
#include "figure_points.h"

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

    void take_x(double x);
    void take_y(double y);
    void take(double x, double y);
    double width() const;
    double height() const;
    double middle_x() const;
    double middle_y() const;
};

// The page point of a model point (distance, level), stored.
FigurePoint store_model_point(const FigureKit& kit, double x, double level,
                              std::string_view drawing);

// A level line from the wall face (distance 0) to the page X end_x.
FigureLine store_level_line(const FigureKit& kit, double level, double end_x,
                            std::string_view drawing);

} // namespace wtn
