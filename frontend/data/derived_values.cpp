#include "derived_values.h"

#include "kh_chart.h"
#include "marume_round.h"
#include "math_constants.h"
#include "number_text.h"
#include "screen_codes.h"
#include "wall_codes.h"

#include <cmath>

namespace wtn {

namespace {

using marume::round_dec;

constexpr double kGravity = 9.8;                 // m/s2
constexpr double kWaveTolerance = 0.000001;      // relative change of L that ends the iteration
constexpr double kSmallestPeriodOrDepth = 0.001; // s, m
constexpr int kWaveIterationLimit = 200;         // Newton settles in a handful of steps
constexpr double kSmallestLayerN = 0.00001;

} // namespace

double residual_water_level(const SekkeiData& s) {
    const double hwl = s.tide_lvl[1];
    const double lwl = s.tide_lvl[2];
    switch (s.rwl_sw) {
    case ResidualLevelRule::TwoThirdsOfRange:
        return round_dec((hwl - lwl) * (2.0 / 3.0) + lwl, 2);
    case ResidualLevelRule::WholeRange:
        return round_dec((hwl - lwl) + lwl, 2);
    case ResidualLevelRule::Given:
        break;
    }
    // A given level, or a rule outside the list.
    return s.tide_lvl[4];
}

double design_seismic_coefficient(const KanseijiData& k, SeismicRounding sindo_round_sw) {
    if (k.sindo_sw == SeismicCoefficientRule::Given) return k.sindo_val;
    const double product = k.sindo_factor[0] * k.sindo_factor[1] * k.sindo_factor[2];
    if (sindo_round_sw != SeismicRounding::HalfUp) return round_dec(2.0 * product, 1) * 0.5;
    return round_dec(product, 2);
}

double soil_layer_constant(const DosouRec& layer) {
    const LayerKhOption option = layer.kh_sw;
    if (!is_listed(option)) return 0.0;
    if (option == LayerKhOption::Given) return layer.kh_val[0];
    const double n = layer.n_val[static_cast<std::size_t>(list_index_of(option))];
    if (n < kSmallestLayerN) return 0.0;
    if (option == LayerKhOption::LinearInN) return round_dec(kh_linear_in_n(n), 1);
    if (option == LayerKhOption::ChartFirstLine) return kh_from_n(1, n, round_dec);
    return kh_from_n(3, n, round_dec);
}

double method_coefficient(const DosouHohoRec& m) {
    const SideResistanceOption option = m.hoho_sw;
    if (option == SideResistanceOption::Given) return m.hoho_k[0];
    if (option == SideResistanceOption::CTypeFromN) return kh_from_n(3, m.hoho_n[1], round_dec);
    return kh_from_n(2, m.hoho_n[2], round_dec);
}

double calc_wave_length(double period, double depth) {
    if (period < kSmallestPeriodOrDepth || depth < kSmallestPeriodOrDepth) return 0.0;
    const double two_pi = 2.0 * kPiFifteenDigits;
    const double l0 = period * period * kGravity / two_pi;
    if (!std::isfinite(l0) || !std::isfinite(depth))
        throw DataError("周期または水深が大きすぎて波長を計算できません。");
    double l = l0;
    for (int step = 0; step < kWaveIterationLimit; ++step) {
        const double c = two_pi * depth / l;
        const double t = std::tanh(c);
        // d/dL of tanh(2 pi h / L) is -c sech^2(c) / L; sech^2 = 1 - tanh^2
        // stays finite where cosh would overflow.
        const double f = l / l0 - t;
        const double df = 1.0 / l0 + c * (1.0 - t * t) / l;
        const double step_l = f / df;
        const double next = l - step_l;
        if (!std::isfinite(next) || next <= 0.0) break;
        const double change = std::fabs(step_l / next);
        l = next;
        if (change <= kWaveTolerance) return l;
    }
    throw DataError("波長の計算が収束しません（周期 " + real_text(period, "周期") + " s、水深 " +
                    real_text(depth, "水深") + " m）。");
}

double tide_wave_length(const SekkeiData& s, const SekoujiData& w, int k, const WaveRec& row) {
    double depth = s.tide_lvl[k] - w.h_lvl;
    if (w.wave_sw != WaveFormula::Goda && w.depth_sw != WaveDepthRule::AtGroundLevel)
        depth = s.tide_lvl[k] - w.d_lvl;
    return round_dec(calc_wave_length(row.period, depth), 2);
}

void derive_hb_levels(SekoujiData& w) {
    if (w.hb_sw != BreakerDepthRule::FromSlope || w.wave_sw != WaveFormula::Goda ||
        w.slope_x == 0.0)
        return;
    for (int j = 0; j < kStudiedTideLevels; ++j)
        w.hb_lvl[j] = round_dec(w.h_lvl - 5.0 * w.goda_tbl[j].h13 / w.slope_x, 2);
}

} // namespace wtn
