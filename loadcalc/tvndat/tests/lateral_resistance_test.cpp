#include "lateral_resistance.h"
#include "rounding.h"

#include <gtest/gtest.h>

namespace wtn {
namespace {

TEST(LateralResistance, ConstantFollowsTheLogLogChartLines) {
    struct Case {
        int line;
        double n;
        double kh;
    } cases[] = {
        {1, 1.0, 2000.0}, // the chart's end points
        {1, 50.0, 100000.0},  {2, 0.5, 550.0},
        {3, 100.0, 8400.0},   {3, 10.0, 2090.0}, // mid-way in log N: sqrt(520 x 8400) = 2089.98
        {1, 100.0, 200000.0}, // beyond the chart: 2000 x 100^(log 50 / log 50) = 2000 x 100
        {1, 0.0, 0.0},        // no N value
        {1, 0.00009, 0.0},    {0, 10.0, 0.0}, // no such line
        {4, 10.0, 0.0},
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(kh_from_n(c.line, c.n, round_dec), c.kh) << c.line << " " << c.n;
}

TEST(LateralResistance, NValueFromMidDepthCohesion) {
    // Layer +2 to -4, mid-depth -1; C0 20 at +1, K 2 per m: c = 20 + 2 x 2 = 24;
    // qu = 48 kN/m2; factor 40 gives N = 40 x 0.001 x 48 = 1.92.
    EXPECT_DOUBLE_EQ(n_value_from_cohesion(20.0, 2.0, 2.0, -4.0, 1.0, 40.0), 1.92);
    // A layer above the reference level has less cohesion than C0.
    // Mid-depth +5: c = 20 + 2 x (1 - 5) = 12, N = 40 x 0.001 x 24 = 0.96.
    EXPECT_DOUBLE_EQ(n_value_from_cohesion(20.0, 2.0, 6.0, 4.0, 1.0, 40.0), 0.96);
    // Mid-depth cohesion 0 gives N 0 (the layer loop refuses it).
    EXPECT_DOUBLE_EQ(n_value_from_cohesion(0.0, 2.0, 2.0, 0.0, 1.0, 40.0), 0.0);
}

} // namespace
} // namespace wtn
