#include "corrosion_columns.h"

#include <cmath>

namespace wtn::tools {

namespace {

double round_to_hundredths(double v) {
    return std::round(v * 100.0) / 100.0;
}
// Line ends are rounded down so a line never runs past the covered range.
double floor_to_hundredths(double v) {
    return std::floor(v * 100.0 + 1e-9) / 100.0;
}

} // namespace

double extreme_fibre_distance(const SteelSection& section) {
    return depth_value_stored_twice(section.id) ? section.height / 2.0 : section.height;
}

double idealised_corroded_z(const SteelSection& section, double t1, double t2) {
    const double s = t1 + t2;
    const double c = extreme_fibre_distance(section);
    return section.z0 * (1.0 - s / section.thickness) * c / (c - s / 2.0);
}

CorrosionColumns corrosion_columns(const SteelSection& section) {
    CorrosionColumns out;
    const double half = section.thickness / 2.0;
    const double z_min = idealised_corroded_z(section, half, 0.0);
    for (std::size_t k = 0; k < kCorrosionRatios.size(); ++k) {
        const double end = half / (1.0 + kCorrosionRatios[k]);
        out.loss_per_mm[k] = round_to_hundredths((section.z0 - z_min) / end);
        out.line_ends[k] = floor_to_hundredths(end);
    }
    out.depth_value = depth_value_stored_twice(section.id) ? 2.0 * extreme_fibre_distance(section)
                                                           : extreme_fibre_distance(section);
    out.smallest_z = std::floor(z_min);
    out.largest_t1 = round_to_hundredths(half);
    return out;
}

} // namespace wtn::tools
