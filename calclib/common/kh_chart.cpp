#include "kh_chart.h"

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

} // namespace

double kh_chart_value(int line, double n) {
    if (n < kKhChartSmallestN) return 0.0;
    if (line < kKhLineFirst || line > kKhLineLast) return 0.0;
    const ChartLine& c = kChartLines[line - kKhLineFirst];
    const double slope =
        (std::log10(c.k2) - std::log10(c.k1)) / (std::log10(c.n2) - std::log10(c.n1));
    const double log_kh = std::log10(c.k1) + slope * (std::log10(n) - std::log10(c.n1));
    return std::pow(10.0, log_kh);
}

double kh_from_n(int line, double n, RoundDecimals round) {
    return round(kh_chart_value(line, n), 1);
}

} // namespace wtn
