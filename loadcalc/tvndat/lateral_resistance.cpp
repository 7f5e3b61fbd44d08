#include "lateral_resistance.h"

#include "rounding.h"

#include <cmath>

namespace wtn {
namespace {

struct ChartLine {
    double n1, k1, n2, k2;
};

// Two points of each chart line (N, k_h in kN/m3).
constexpr ChartLine kChartLines[] = {
    {1.0, 2000.0, 50.0, 100000.0},
    {0.5, 550.0, 100.0, 13000.0},
    {1.0, 520.0, 100.0, 8400.0},
};

constexpr double kSmallestN = 0.0001;

} // namespace

double kh_from_n(int line, double n) {
    if (n < kSmallestN) return 0.0;
    if (line < kKhLineFirst || line > kKhLineLast) return 0.0;
    const ChartLine& c = kChartLines[line - kKhLineFirst];
    const double slope =
        (std::log10(c.k2) - std::log10(c.k1)) / (std::log10(c.n2) - std::log10(c.n1));
    const double log_kh = std::log10(c.k1) + slope * (std::log10(n) - std::log10(c.n1));
    return round_dec(std::pow(10.0, log_kh), 1);
}

double n_value_from_cohesion(double c0, double k, double z_top, double z_bottom, double z_ref,
                             double f) {
    const double z_mid = (z_top + z_bottom) * 0.5;
    const double c_mid = c0 + k * (z_ref - z_mid);
    return round_dec(f * 0.001 * (2.0 * c_mid), 3);
}

} // namespace wtn
