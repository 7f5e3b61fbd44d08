#include "kuroda_hiroi.h"

#include "error_messages.h"
#include "goda.h"
#include "math_constants.h"
#include "rounding.h"
#include "wave_diagram.h"

#include <algorithm>
#include <cmath>

namespace wtn {
namespace {

inline constexpr double kWideAngle = 45.0; // degrees

// The band rows always lie inside a standing-wave diagram of a positive wave
// height; a row that cannot be placed means the diagram is broken.
int band_row_or_stop(int index) {
    if (index < 0) stop_with_wave_error("(ERROR)-波圧分布に波高の範囲の行を挿入できません.");
    return index;
}

} // namespace

void kuroda_hiroi_flags(const WaveCommon& wave, bool port_standard, bool depth_at_h,
                        KurodaHiroiValues& values) {
    values.depth_used = depth_at_h ? wave.depth_h : wave.depth_d;
    const double twice_h13 = 2.0 * wave.significant_height;
    if (port_standard) {
        values.breaking = twice_h13 > wave.depth_d ? 1 : 0;
        values.wide_angle = wave.incidence_angle > kWideAngle ? 1 : 0;
    } else {
        values.breaking = twice_h13 >= wave.depth_d ? 1 : 0;
        values.wide_angle = wave.incidence_angle >= kWideAngle ? 1 : 0;
    }
}

void kuroda_hiroi_pressure(const WaveCommon& wave, const KurodaHiroiOptions& options,
                           KurodaHiroiValues& values) {
    const double w0 = wave.water_unit_weight;
    const double H = wave.wave_height;
    const double L = wave.wave_length;
    const double D = values.depth_used;
    const double beta = wave.incidence_angle * kWaveDegree;
    const double cos_beta = std::cos(beta);
    const double cos2 = cos_beta * cos_beta;

    if (values.breaking == 0) {
        values.pressure = round_dec(options.port_standard ? 1.5 * w0 * H * cos2 : 1.5 * w0 * H, 3);
        values.level_rise =
            round_dec((1.0 / std::tanh(kTwoPiAsTabled * D / L)) * (kPiAsTabled * H * H / L), 3);
        values.pressure_at_depth = round_dec(w0 * H / std::cosh(kTwoPiAsTabled * D / L), 3);
        const double rise = values.level_rise;
        values.pressure_at_tide =
            round_dec((w0 * D + values.pressure_at_depth) * (H + rise) / (D + H + rise), 3);
        return;
    }

    double p = 0.0;
    if (options.dissipating_works) {
        p = values.wide_angle == 0 ? 1.0 * w0 * H * cos_beta : 0.7 * w0 * H;
    } else if (options.port_standard) {
        p = 1.5 * w0 * H * cos2;
    } else {
        p = values.wide_angle == 0 ? 1.5 * w0 * H * cos2 : 0.75 * w0 * H;
    }
    values.pressure = round_dec(p, 3);
}

void kuroda_hiroi_distribution(const WaveCommon& wave, const KurodaHiroiValues& values,
                               bool dissipating_works, double z_top, double z_h_dash,
                               WaveDiagram& diagram) {
    auto& rows = diagram.rows;
    const double eta0 = wave.tide_level;
    const double H = wave.wave_height;
    int c = 0;

    if (values.breaking == 0) {
        const double D = values.depth_used;
        const double ps = values.pressure_at_tide;
        const double pb = values.pressure_at_depth;
        // When the bottom of the wave lies above h', the straight line through
        // p_s at the tide level and p_b at depth D is extended down to h'.
        double z_b = eta0 - D;
        double depth_bottom = D;
        double p_bottom = pb;
        if (eta0 - D > z_h_dash) {
            z_b = z_h_dash;
            depth_bottom = eta0 - z_h_dash;
            p_bottom = round_dec(pb - (ps - pb) * (depth_bottom - D) / D, 3);
        }
        const double crest = eta0 + values.level_rise + H;
        if (crest < z_top) {
            rows[0] = {0, z_top, z_top - crest, 0.0, 0.0};
            c = 1;
        }
        rows[c] = {0, crest, values.level_rise + H, 0.0, ps};
        ++c;
        rows[c] = {0, eta0, depth_bottom, ps, p_bottom};
        ++c;
        rows[c] = {0, z_b, 0.0, p_bottom, p_bottom};
        diagram.count = c;
        standing_wave_band(wave, values, diagram);
        return;
    }

    const double eta = round_dec((dissipating_works ? 1.0 : 1.25) * H, 3);
    const double crest = eta0 + eta;
    if (crest < z_top) {
        rows[0] = {0, z_top, z_top - crest, 0.0, 0.0};
        c = 1;
    }
    rows[c] = {0, crest, eta0 - z_h_dash + eta, values.pressure, values.pressure};
    ++c;
    rows[c] = {0, z_h_dash, 0.0, values.pressure, values.pressure};
    diagram.count = c;
}

void standing_wave_band(const WaveCommon& wave, const KurodaHiroiValues& values,
                        WaveDiagram& diagram) {
    auto& rows = diagram.rows;
    const double eta0 = wave.tide_level;
    const double H = wave.wave_height;
    const double D = values.depth_used;
    const double p = values.pressure;
    const double ps = values.pressure_at_tide;
    const double pb = values.pressure_at_depth;
    const double e = round_dec(0.5 * H, 3);

    // Above the tide level: the line from 0 at the crest to p_s at the tide.
    const int k = band_row_or_stop(insert_wave_level(diagram, eta0 + e));
    const double upper = std::max(rows[k].top, rows[k].bottom);
    const double lower = std::min(rows[k].top, rows[k].bottom);
    if (p > lower && p < upper) {
        const double y = round_dec((ps - p) * (values.level_rise + H) / ps, 3);
        insert_wave_level(diagram, eta0 + y);
    }
    if (p > rows[k].top) rows[k].top = p;

    // Below the tide level: the line from p_s at the tide to p_b at depth D.
    const int band_bottom = insert_wave_level(diagram, eta0 - e);
    int k2 = band_bottom < 0 ? diagram.count - 1 : band_bottom - 1;
    if (p < rows[k2].top && p > rows[k2].bottom) {
        const double y2 = round_dec(D * (ps - p) / (ps - pb), 3);
        k2 = band_row_or_stop(insert_wave_level(diagram, eta0 - y2));
    }
    if (p > rows[k2].bottom) rows[k2].bottom = p;

    if (p < ps) return;
    const int k3 = band_row_or_stop(insert_wave_level(diagram, eta0));
    rows[k3 - 1].bottom = p;
    rows[k3].top = p;
}

} // namespace wtn
