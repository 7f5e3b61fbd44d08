// Steel-pipe sheet pile D 1000 mm, t 12 mm, E 200 kN/mm2, checked against
// the ring formulas and, after corrosion, against the two half rings
// integrated numerically.
#include "checks.h"
#include "math_constants.h"
#include "program_stop.h"
#include "steel_pipe_section.h"

#include <gtest/gtest.h>

#include <cmath>

namespace wtn {
namespace {

TEST(SteelPipeSection, UncorrodedPerPileAndPerMetre) {
    const PipeSection pile = steel_pipe_section(false, 1000.0, 12.0, 0.0, 0.0, 1.0, 200.0);
    // pi (100^4 - 97.6^4) / 64 cm4; Z = 2 I / d.
    EXPECT_DOUBLE_EQ(pile.inertia, std::round(kPi * (1.0e8 - std::pow(97.6, 4)) / 64.0));
    EXPECT_DOUBLE_EQ(pile.inertia, 454544.0);
    EXPECT_DOUBLE_EQ(pile.modulus, 9091.0);

    // L-T joint: (sqrt(100^2 / 4 - 64) + 50 + 7.6 - 100) * 10 = 69.56 mm.
    const PipeSection metre = steel_pipe_section(true, 1000.0, 12.0, 0.0, 0.0, 1.0, 200.0);
    EXPECT_DOUBLE_EQ(metre.width, 106.956);
    EXPECT_DOUBLE_EQ(metre.inertia, 424982.0); // 100 / 106.956 * 454544
    EXPECT_DOUBLE_EQ(metre.modulus, 8500.0);
    EXPECT_DOUBLE_EQ(metre.rigidity, 849964.0);

    // The P-T joint by its code and by its length.
    EXPECT_DOUBLE_EQ(steel_pipe_section(true, 1000.0, 12.0, 0.0, 0.0, 2.0, 200.0).width, 118.0);
    EXPECT_DOUBLE_EQ(steel_pipe_section(true, 1000.0, 12.0, 0.0, 0.0, 180.0, 200.0).width, 118.0);
    EXPECT_EQ(pipe_joint_label(180.0), "(P-T)型");
    EXPECT_EQ(pipe_joint_label(247.8), "(P-P)型");
    EXPECT_EQ(pipe_joint_label(4.0), "(L-T)型");
}

// Second moment of area (cm4) about its centroid of the upper half ring of
// outer diameter a and the lower half ring of outer diameter c around the
// bore b, by strips of height dy.
double half_rings_inertia(double a, double c, double b) {
    const int strips = 400000;
    double area = 0.0;
    double first = 0.0;
    double second = 0.0;
    const auto strip_width = [](double outer, double inner, double y) {
        const double w = 2.0 * std::sqrt(std::max(0.0, outer * outer - y * y));
        return w - 2.0 * std::sqrt(std::max(0.0, inner * inner - y * y));
    };
    for (int half = 0; half < 2; ++half) {
        const double outer = (half == 0 ? a : c) / 2.0;
        const double sign = half == 0 ? 1.0 : -1.0;
        const double dy = outer / strips;
        for (int i = 0; i < strips; ++i) {
            const double y = (i + 0.5) * dy;
            const double da = strip_width(outer, b / 2.0, y) * dy;
            area += da;
            first += sign * y * da;
            second += y * y * da;
        }
    }
    const double centroid = first / area;
    return second - area * centroid * centroid;
}

TEST(SteelPipeSection, CorrodedHalfRingsAgreeWithNumericalIntegration) {
    const PipeSection s = steel_pipe_section(true, 1000.0, 12.0, 2.0, 1.0, 1.0, 200.0);
    ASSERT_TRUE(s.left);
    const double rings = half_rings_inertia(99.6, 99.8, 97.6);
    EXPECT_NEAR(rings, 395174.0, 1.0);
    EXPECT_DOUBLE_EQ(s.inertia, 369473.0);
    EXPECT_NEAR(s.inertia, 100.0 / 106.956 * rings, 1.0);
    EXPECT_DOUBLE_EQ(s.ratio, 0.5);
}

TEST(SteelPipeSection, CorrosionThroughTheWallLeavesNoSection) {
    EXPECT_FALSE(steel_pipe_section(true, 1000.0, 12.0, 12.5, 12.0, 1.0, 200.0).left);
    EXPECT_FALSE(steel_pipe_section(true, 1000.0, 12.0, 12.0, 12.0, 1.0, 200.0).left);
    EXPECT_TRUE(steel_pipe_section(true, 1000.0, 12.0, 11.0, 1.0, 1.0, 200.0).left);
    EXPECT_THROW(steel_pipe_section(true, 1000.0, 12.0, 1.0, 2.0, 1.0, 200.0), ProgramStop);
}

TEST(SteelPipeSecondaryStress, RingStressUnderTheNetPressureAtTheMaximumMoment) {
    auto run = std::make_unique<StabilityRun>();
    run->input.joken.pile_type = PileType::SteelPipe;
    run->input.nir_t.pipe_secondary_check = YesNo::Yes;
    ForceCase& fc = run->force_case;
    fc.base[0] = {-7.0, 0.0};
    fc.diagram_rows = 3;
    fc.active[0] = {-7.0, 40.0, 60.0};
    fc.active[1] = {-10.0, 80.0, 90.0};
    fc.active[2] = {-20.0, 0.0, 0.0};
    fc.passive[1] = {30.0, 30.0};
    // 1.5 m below -7.00, halfway down the first row: 40 + (60 - 40) / 2 = 50.
    // sigma2 = r1((1000 / 12)^2 * 50 * 2.1e-4) = 72.9.
    EXPECT_DOUBLE_EQ(find_lm_max(*run, 0, 0, 1.5, 1000.0, 12.0, 0.0, 0.0), 72.9);
    EXPECT_EQ(run->results.pipe_stress.search_status[0], 2);
    // At the row at -10.00: from above 60, from below 80 - 30 = 50; the larger.
    find_lm_max(*run, 0, 1, 3.0, 1000.0, 12.0, 0.0, 0.0);
    EXPECT_EQ(run->results.pipe_stress.search_status[1], 1);
    EXPECT_DOUBLE_EQ(run->results.pipe_stress.pressure_difference[1], 60.0);
    // Below the diagram.
    EXPECT_THROW(find_lm_max(*run, 0, 0, 20.0, 1000.0, 12.0, 0.0, 0.0), ProgramStop);
    EXPECT_DOUBLE_EQ(combined_stress(*run, 100.0, 72.9), 89.6); // sqrt(72.9^2 + 100^2 - 7290)
}

} // namespace
} // namespace wtn
