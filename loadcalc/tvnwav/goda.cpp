#include "goda.h"

#include "math_constants.h"
#include "rounding.h"

#include <cmath>

namespace wtn {
void goda_pressure(const WaveCommon& wave, const GodaOptions& options, GodaValues& goda) {
    const double H = wave.wave_height;
    const double h = wave.depth_h;
    const double d = wave.depth_d;
    const double hb = goda.breaking_depth;
    const double L = wave.wave_length;
    const double beta = wave.incidence_angle * kWaveDegree;
    const double cos_beta = std::cos(beta);
    const double lambda1 = options.lambda1;

    goda.crest_height = round_dec(0.75 * (1.0 + cos_beta) * lambda1 * H, 3);

    const double x = kFourPiAsTabled * h / L;
    const double ratio = x / std::sinh(x);
    goda.alpha1 = round_dec(0.6 + 0.5 * ratio * ratio, 3);

    // alpha2 is the smaller of the two expressions, compared unrounded.
    const double a = ((hb - d) / (3.0 * hb)) * (H / d) * (H / d);
    const double b = 2.0 * d / H;
    goda.alpha2a = round_dec(a, 3);
    goda.alpha2b = round_dec(b, 3);
    if (b < a) {
        goda.alpha2 = goda.alpha2b;
        goda.alpha2_choice = 1;
    } else {
        goda.alpha2 = goda.alpha2a;
        goda.alpha2_choice = 0;
    }

    const double cosh_kh = std::cosh(kTwoPiAsTabled * h / L);
    goda.alpha3 = round_dec(1.0 - (wave.depth_h_dash / h) * (1.0 - 1.0 / cosh_kh), 3);

    const double cos2 = cos_beta * cos_beta;
    double p1 = 0.0;
    if (options.input_version == 0) {
        // Older inputs: lambda1 below 1 reduces the pressure and drops alpha2.
        if (lambda1 >= 1.0) {
            p1 = 0.5 * (1.0 + cos_beta) * (goda.alpha1 + goda.alpha2 * cos2) *
                 wave.water_unit_weight * H;
        } else {
            p1 = 0.5 * (1.0 + cos_beta) * lambda1 * goda.alpha1 * wave.water_unit_weight * H;
        }
    } else {
        // Current inputs: the unit weight of sea water is fixed at
        // 1.03 x 9.81 kN/m3, multiplied in this order as the tables were.
        p1 = 0.5 * (1.0 + cos_beta) *
             (lambda1 * goda.alpha1 + options.lambda2 * goda.alpha2 * cos2) * 1.03 * 9.81 * H;
    }
    goda.p1 = round_dec(p1, 3);
    goda.p2 = round_dec(goda.p1 / cosh_kh, 3);
    goda.p3 = round_dec(goda.alpha3 * goda.p1, 3);
}

void goda_distribution(const WaveCommon& wave, const GodaValues& goda, double z_top,
                       double z_h_dash, double z_h, WaveDiagram& diagram) {
    auto& rows = diagram.rows;
    const double eta0 = wave.tide_level;
    const double crest = eta0 + goda.crest_height;
    int c = 0;
    diagram.h_dash_row = -1;
    if (crest < z_top) {
        rows[0] = {0, z_top, z_top - crest, 0.0, 0.0};
        c = 1;
    }
    rows[c] = {0, crest, goda.crest_height, 0.0, goda.p1};
    ++c;
    rows[c] = {0, eta0, eta0 - z_h_dash, goda.p1, goda.p3};
    ++c;
    diagram.h_dash_row = c;
    if (std::fabs(wave.depth_h - wave.depth_h_dash) < kSameDepthTolerance) {
        rows[c] = {0, z_h_dash, 0.0, 0.0, 0.0};
        diagram.count = c;
        return;
    }
    rows[c] = {0, z_h_dash, z_h_dash - z_h, goda.p3, goda.p2};
    ++c;
    rows[c] = {0, z_h, 0.0, goda.p2, goda.p2};
    diagram.count = c;
}

} // namespace wtn
