#include "model_extent.h"

#include <cmath>

namespace wtn {

void ModelExtent::take_x(double x) {
    if (x > max_x) max_x = x;
    if (x < min_x) min_x = x;
}

void ModelExtent::take_y(double y) {
    if (y > max_y) max_y = y;
    if (y < min_y) min_y = y;
}

void ModelExtent::take(double x, double y) {
    take_x(x);
    take_y(y);
}

double ModelExtent::width() const {
    return std::fabs(max_x - min_x);
}

double ModelExtent::height() const {
    return std::fabs(max_y - min_y);
}

double ModelExtent::middle_x() const {
    return (max_x + min_x) / 2.0;
}

double ModelExtent::middle_y() const {
    return (max_y + min_y) / 2.0;
}

FigurePoint store_model_point(const FigureKit& kit, double x, double level,
                              std::string_view drawing) {
    const PagePoint p = model_to_page(kit, x, level);
    return {stored_unit(p.x, drawing), stored_unit(p.y, drawing)};
}

FigureLine store_level_line(const FigureKit& kit, double level, double end_x,
                            std::string_view drawing) {
    const FigurePoint a = store_model_point(kit, 0.0, level, drawing);
    return {a.x, stored_unit(end_x, drawing), a.y, a.y};
}

} // namespace wtn
