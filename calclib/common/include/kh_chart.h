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

} // namespace wtn
