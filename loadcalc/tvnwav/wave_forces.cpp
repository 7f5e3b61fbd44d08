#include "wave_forces.h"

#include "error_messages.h"
#include "pressure_segments.h"
#include "rounding.h"

#include <cmath>

namespace wtn {
namespace {

// Widths below this carry no piece.
inline constexpr double kNoPressure = 0.001;
// Widths closer than this make a rectangle.
inline constexpr double kEqualWidths = 0.0001;
inline constexpr int kKindAboveTide = 1;
inline constexpr int kKindBelowTide = 0;
inline constexpr int kKindNotCut = -1;

PressureSegment& next_piece(WaveForces& forces) {
    if (forces.count >= kWaveForceRoom) stop_with_wave_error(WaveErrorCode::ForceRows);
    return forces.rows[forces.count];
}

} // namespace

void still_water_pressure(const WaveCommon& wave, bool still_water_on, double seabed,
                          PressureSegment& still, WaveResultant& resultant) {
    resultant.total_force = 0.0;
    resultant.total_moment = 0.0;
    still = PressureSegment{};
    if (!still_water_on) return;

    const double eta0 = wave.tide_level;
    const double p = round_dec((eta0 - seabed) * wave.water_unit_weight, 3);
    const double values[3] = {0.0, 0.0, p};
    const double levels[3] = {eta0, seabed, seabed};
    still = triangle_segment(values, levels, p, eta0 - seabed, seabed);
    resultant.total_force += still.force;
    resultant.total_moment += still.moment;
}

void split_wave_trapezoid(const double values[4], const double levels[4], double seabed, int& phase,
                          WaveLayerRow& row, WaveForces& forces, WaveResultant& resultant) {
    const double a = values[1];
    const double b = values[3];
    const double z_t = levels[0];
    const double z_b = levels[2];
    const double w_t = std::fabs(a);
    const double w_b = std::fabs(b);
    if (w_t < kNoPressure && w_b < kNoPressure) return;

    PressureSegment& piece = next_piece(forces);
    if (std::fabs(w_t - w_b) >= kEqualWidths) {
        if (w_t == 0.0) phase = 1;
        if (w_b == 0.0) phase = 0;
        // Above the tide the diagonal runs from the top-right to the
        // bottom-left corner, at and below it from the top-left to the
        // bottom-right; the areas and centroid levels are the same.
        const bool above = row.kind == kKindAboveTide;
        double xs[3];
        double zs[3];
        if (phase == 0) {
            if (above) {
                xs[0] = 0.0, zs[0] = z_b, xs[1] = 0.0, zs[1] = z_t, xs[2] = a, zs[2] = z_t;
            } else {
                xs[0] = b, zs[0] = z_b, xs[1] = 0.0, zs[1] = z_t, xs[2] = a, zs[2] = z_t;
            }
            piece = triangle_segment(xs, zs, w_t, z_t - z_b, seabed);
            if (w_b != 0.0) phase = 1;
        } else {
            if (above) {
                xs[0] = a, zs[0] = z_t, xs[1] = b, zs[1] = z_b, xs[2] = 0.0, zs[2] = z_b;
            } else {
                xs[0] = 0.0, zs[0] = z_t, xs[1] = b, zs[1] = z_b, xs[2] = 0.0, zs[2] = z_b;
            }
            piece = triangle_segment(xs, zs, w_b, z_t - z_b, seabed);
            phase = 0;
        }
    } else {
        row.kind = kKindNotCut;
        piece = rectangle_segment(a, b, w_b, z_t, z_b, seabed);
    }
    resultant.wave_force += piece.force;
    resultant.wave_moment += piece.moment;
    ++forces.count;
}

void wave_forces(const WaveCommon& wave, double seabed, WaveDiagram& diagram, WaveForces& forces,
                 WaveResultant& resultant) {
    auto& rows = diagram.rows;
    const int c = diagram.count;
    for (int i = 0; i < c; ++i)
        rows[i].kind = kKindNotCut;

    const int first = diagram.wall_top_row < 0 ? 0 : diagram.wall_top_row;
    const int end = diagram.h_dash_row < 0 ? c : diagram.h_dash_row;
    resultant.wave_force = 0.0;
    resultant.wave_moment = 0.0;
    forces.count = 0;
    int phase = 0;
    int i = first;
    while (i < end) {
        const double values[4] = {0.0, rows[i].top, 0.0, rows[i].bottom};
        const double levels[4] = {rows[i].level, rows[i].level, rows[i + 1].level,
                                  rows[i + 1].level};
        rows[i].kind = rows[i].level > wave.tide_level ? kKindAboveTide : kKindBelowTide;
        split_wave_trapezoid(values, levels, seabed, phase, rows[i], forces, resultant);
        if (phase != 1) ++i;
    }

    resultant.total_force += resultant.wave_force;
    resultant.total_moment += resultant.wave_moment;
    if (resultant.total_force == 0.0) {
        stop_with_wave_error("(ERROR)-波力の合力が 0.0 になりました.合力の作用位置が求まりません.");
    }
    resultant.resultant_height = round_dec(resultant.total_moment / resultant.total_force, 3);
}

} // namespace wtn
