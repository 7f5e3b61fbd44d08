// Westergaard dynamic water pressure of the seismic case on small sections,
// and the stage box. Water depth H above the design seabed, k the seismic
// coefficient, gamma_w = 10: p(y) = 7/8 k gamma_w sqrt(H y),
// P = 7/12 k gamma_w H^2 acting 0.4 H above the seabed.
#include "dynamic_water.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace wtn {
namespace {

struct Result {
    double force = 0.0;
    double moment = 0.0;
    DynamicWaterData data;
    DynamicWaterSegments segments;
    DynamicWaterTotals totals;
};

std::unique_ptr<Result> run(double lwl, double crown, double seabed, double k,
                            int apparent_rule = 3, double virtual_seabed = -12.0) {
    auto input = std::make_unique<InputRecord>();
    input->joken.lwl = lwl;
    input->joken.design_seabed = seabed;
    input->joken.water_weight = 10.0;
    input->tjkn1.superstructure_crown = crown;
    input->neire.seismic_coefficient = k;
    input->neire.apparent_rule = from_file_value<ApparentSeismicRule>(apparent_rule);
    input->nir_t.dynamic_water = YesNo::Yes;
    auto r = std::make_unique<Result>();
    dynamic_water_pressure(*input, 1, virtual_seabed, r->force, r->moment, r->data, r->segments,
                           r->totals);
    return r;
}

TEST(DynamicWater, DistributionEveryHalfMetreWithALastPointAtTheSeabed) {
    // H = 3.2 below the crown: points at depths 0, 0.5, ..., 3.0 and 3.2.
    const auto r = run(0.0, 3.0, -3.2, 0.2);
    ASSERT_EQ(r->data.point_count, 8);
    EXPECT_DOUBLE_EQ(r->data.depth[6], 3.0);
    EXPECT_DOUBLE_EQ(r->data.depth[7], 3.2);
    // p(3.2) = 0.875 x 0.2 x 10 x 3.2 = 5.6
    EXPECT_DOUBLE_EQ(r->data.pressure[7], 5.6);
    // P = 7/12 x 0.2 x 10 x 3.2^2 = 11.947 at 1.28 above the seabed;
    // arm about the virtual seabed -12.0: -3.2 + 1.28 + 12.0 = 10.08.
    EXPECT_DOUBLE_EQ(r->data.force, 11.947);
    EXPECT_DOUBLE_EQ(r->data.height, 1.28);
    EXPECT_DOUBLE_EQ(r->data.moment, std::round(10.08 * 11.947 * 1000.0) / 1000.0);
    EXPECT_DOUBLE_EQ(r->force, 11.947);
    // The first step is one triangle, the others two each.
    EXPECT_EQ(r->segments.count, 1 + 6 * 2);
    EXPECT_EQ(r->data.segment_count, r->segments.count);
}

TEST(DynamicWater, WaterAboveTheCrownActsOnlyBelowIt) {
    // L.W.L. +4.0 over a crown at +3.0, seabed -6.0: H = 10, H_w = 9.
    // P = 7/12 x 0.15 x 10 x 100 = 87.5; the part above the crown
    // P_c = 7/12 x 0.15 x 10 x sqrt(10) x 1^1.5 = 2.767 at 0.4 above the crown.
    const auto r = run(4.0, 3.0, -6.0, 0.15);
    EXPECT_EQ(r->data.above_crown, 1);
    EXPECT_DOUBLE_EQ(r->data.force, 87.5);
    EXPECT_DOUBLE_EQ(r->data.crown_force, 2.767);
    EXPECT_DOUBLE_EQ(r->data.crown_height, 0.4);
    EXPECT_DOUBLE_EQ(r->force, 87.5 - 2.767);
    // The distribution starts at the crown, 1 m below the surface: depths
    // 1.0, 1.5, ..., 10.0.
    EXPECT_DOUBLE_EQ(r->data.start_level, 3.0);
    ASSERT_EQ(r->data.point_count, 19);
    EXPECT_DOUBLE_EQ(r->data.depth[0], 1.0);
    EXPECT_DOUBLE_EQ(r->data.depth[18], 10.0);
}

TEST(DynamicWater, NoSeismicCoefficientGivesNoForceAndNoArm) {
    const auto r = run(0.0, 3.0, -6.0, 0.0);
    EXPECT_EQ(r->data.force, 0.0);
    EXPECT_EQ(r->force, 0.0);
    EXPECT_EQ(r->segments.count, 0);
    EXPECT_EQ(r->totals.lever_arm[1], 0.0);
    EXPECT_FALSE(std::isnan(r->totals.lever_arm[1]));
}

TEST(DynamicWater, OtherApparentCoefficientRulesTakeNone) {
    const auto r = run(0.0, 3.0, -6.0, 0.15, 1);
    EXPECT_EQ(r->data.point_count, 0);
    EXPECT_EQ(r->force, 0.0);
}

} // namespace
} // namespace wtn
