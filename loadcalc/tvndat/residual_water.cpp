#include "residual_water.h"

#include "load_records.h"
#include "rounding.h"

namespace wtn {
namespace {

// Share of p_w at level z between the R.W.L. boundary r and the L.W.L.
double scaled(double pw, double z, double r, double lwl) {
    const double span = r - lwl;
    if (span <= 0.0) return pw; // R.W.L. at or below the L.W.L.: no sloping part
    return pw * (r - z) / span;
}

} // namespace

double residual_water_base(double rwl, double lwl, double water_weight) {
    return round_dec((rwl - lwl) * water_weight, 3);
}

double residual_water_at_boundary_top(double z, double rwl_boundary, double rwl, double lwl,
                                      double pw) {
    double value = z >= rwl ? 0.0 : pw;
    if (z > lwl) value = scaled(value, z, rwl_boundary, lwl);
    return round_dec(value, 3);
}

double residual_water_at_boundary_bottom(double z, double rwl_boundary, double lwl, double pw) {
    double value = pw;
    if (z > lwl) value = scaled(value, z, rwl_boundary, lwl);
    return round_dec(value, 3);
}

void fill_residual_water_rows(PressureRowTable& rows, double pw, double rwl, double lwl) {
    for (int i = 0; i < rows.count; ++i) {
        rows[i].water_top = 0.0;
        rows[i].water_bottom = 0.0;
    }
    for (int i = 0; i + 1 < rows.count; ++i) {
        const double z = rows[i].level;
        if (z > rwl) continue;
        double c = pw;
        if (z > lwl) c = round_dec(scaled(pw, z, rwl, lwl), 3);
        rows[i].water_top = c;
        if (i > 0) rows[i - 1].water_bottom = c;
        if (i == rows.count - 2) rows[i].water_bottom = c;
    }
}

ZeroPressure zero_pressure_level(const ClayZeroInputs& layer, double design_seabed) {
    if (layer.phi > 0.0) return {};
    if (layer.formula2_top > 0.0 && layer.formula2_bottom > 0.0) return {};
    if (layer.formula1_top > 0.0) return {};
    ZeroPressure result{kZeroNoCrossing, 0.0};
    if (!(layer.formula1_bottom > 0.0) || !(layer.adopted_top > 0.0 || layer.adopted_bottom > 0.0))
        return result;
    double b = layer.thickness;
    double c = layer.level - layer.thickness;
    if (layer.bottom_at_seabed_minus_10) {
        c = design_seabed - kSeismicFormulaDepth;
        b = layer.level - c;
    }
    // formula1_top <= 0 < formula1_bottom, so the divisor is negative, never 0.
    const double pt = layer.formula1_top;
    const double pb = layer.formula1_bottom;
    result.flag = kZeroCrossing;
    result.level = c - b * pb / (pt - pb);
    return result;
}

} // namespace wtn
