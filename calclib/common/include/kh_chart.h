// The log-log charts of the lateral resistance constant k_h against the N
// value. The load programs and the front end read the same three lines.
#pragma once

namespace wtn {

// Lines of the charts, numbered as the layer options use them: option 3 reads
// line 1, option 4 reads line 3.
inline constexpr int kKhLineFirst = 1;
inline constexpr int kKhLineLast = 3;

// N below this reads no value from the charts.
inline constexpr double kKhChartSmallestN = 0.0001;

// k_h (kN/m3) on chart line 1, 2 or 3 for the N value, not yet rounded. The
// straight line through the chart's two points is followed beyond them too.
// N below kKhChartSmallestN, or another line number, gives 0.0.
double kh_chart_value(int line, double n);

// A rounding rule to n decimals: the batch programs pass their round_dec, the
// front end its own, so each side keeps its stored values.
using RoundDecimals = double (*)(double x, double n);

// k_h (kN/m3) on chart line 1, 2 or 3 for the N value, rounded to 1 decimal
// by `round`; 0.0 where kh_chart_value gives 0.0.
//   line 1 (1, 2000)-(50, 100000): Yokoyama's chart, K = 2000 N
//   line 2 (0.5, 550)-(100, 13000): from the rate of increase of N
//   line 3 (1, 520)-(100, 8400): N-Kc chart and the mean N value
double kh_from_n(int line, double n, RoundDecimals round);

// The layer option k_h = 1500 N: kN/m3 per blow.
inline constexpr double kKhPerBlow = 1500.0;

// k_h = 1500 N (kN/m3) for the N value, not yet rounded.
constexpr double kh_linear_in_n(double n) {
    return kKhPerBlow * n;
}

} // namespace wtn
