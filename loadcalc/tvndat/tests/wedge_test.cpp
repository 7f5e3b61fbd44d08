// The trial wedge of the embankment shape against the closed form of a
// rectangular fill: a fill 2 m high (+2.0 to +4.0, wet 18 kN/m3) carrying a
// surcharge from the wall out to 100 m. For a slip line leaving the crown at
// the width X with the crown layer's angle w, it meets the fill top at
// x_c = X + 2 / tan w; the fill inside the wedge is the trapezoid of height 2
// between widths X and x_c, area (X + x_c) / 2 x 2 = X + x_c, so
// W = 18 (X + x_c), Q = q0 x_c and q = (W + Q) / X.
#include "angles.h"
#include "case_wedges.h"
#include "failure_angles.h"
#include "layer_model.h"
#include "seismic_coefficients.h"
#include "trial_wedge.h"

#include "section_fixture.h"
#include "stop_capture.h"

#include <gtest/gtest.h>

#include <cmath>

namespace wtn {
namespace {

InputRecord rectangular_fill() {
    InputRecord in = test::two_sand_section();
    in.swdat.ground_shape = GroundShape::Embankment;
    in.swdat.surcharge_mode = SurchargeMode::PerLayer; // per layer
    in.ground_points[0] = {0.0, 2.0};                  // the wall point on the crown
    in.ground_points[1] = {0.0, 4.0};
    in.ground_points[2] = {60.0, 4.0};
    in.ground_point_count = 3;
    in.fills[0] = {4.0, 18.0, 10.0, 20.0};
    in.fill_count = 1;
    in.surcharges[0] = {0.0, 100.0, 10.0, 5.0};
    in.surcharge_count = 1;
    return in;
}

struct ClosedForm {
    double x, x_c, w, q;
};

// x: the wedge width at the crown, the sum of h / tan w over the layers below.
ClosedForm closed_form(double x, double crown_angle, double q0) {
    ClosedForm f;
    f.x = x;
    f.x_c = x + 2.0 / std::tan(crown_angle);
    f.w = 18.0 * (f.x + f.x_c);
    f.q = (f.w + q0 * f.x_c) / f.x;
    return f;
}

TEST(TrialWedge, NormalCaseMatchesTheRectangularFill) {
    const InputRecord in = rectangular_fill();
    const CustomisationValues custom = test::plain_customisation();
    LoadModel m;
    prepare_layer_model(in, custom, m);
    // Rows: fill 999.99, fill split at the superstructure crown +3.0, crown
    // +2.0, +0.5, -4.0, -25.
    ASSERT_EQ(m.index.ground_crown, 2);
    normal_case_wedges(m, in, custom, kNormalCase);

    const double w = round_angle(
        sand_failure_angle(0, to_radians(30), to_radians(15), 0, 0, kActive), kRoundToSeconds);
    EXPECT_DOUBLE_EQ(m.land_calc[2].wedge_angle, w);
    // Top of the crown layer: the wall row's surcharge, no fill weight.
    EXPECT_DOUBLE_EQ(m.land_calc[2].surcharge_top, 10.0);
    EXPECT_DOUBLE_EQ(m.land_calc[2].wedge_weight_top, 0.0);

    // Bottoms of the crown layer (1.5 m deep) and of the next (6.0 m deep).
    for (const auto& [row, depth] : {std::pair{2, 1.5}, std::pair{3, 6.0}}) {
        const LandLayerCalc& c = m.land_calc[row];
        // The width is held to 4 decimals; the rest follows from the held width.
        EXPECT_NEAR(c.wedge_width_bottom, depth / std::tan(w), 5e-5) << row;
        const ClosedForm f = closed_form(c.wedge_width_bottom, w, 10.0);
        EXPECT_NEAR(c.crossing_x_bottom, f.x_c, 1e-3) << row;
        EXPECT_NEAR(c.crossing_z_bottom, 4.0, 1e-9) << row;
        EXPECT_NEAR(c.wedge_weight_bottom, f.w, 1e-3) << row;
        EXPECT_NEAR(c.wedge_load_bottom, 10.0 * f.x_c, 1e-3) << row;
        EXPECT_NEAR(c.surcharge_bottom, f.q, 1e-3) << row;
    }
    // The top of a lower layer is the bottom of the one above.
    EXPECT_DOUBLE_EQ(m.land_calc[3].surcharge_top, m.land_calc[2].surcharge_bottom);
    // Two parts above the crown (split at +3.0), each with a label point
    // inside its band of levels.
    EXPECT_GT(m.land_calc[3].label_z[0], 2.0);
    EXPECT_LT(m.land_calc[3].label_z[0], 3.0);
    EXPECT_GT(m.land_calc[3].label_z[1], 3.0);
    EXPECT_LT(m.land_calc[3].label_z[1], 4.0);
}

TEST(TrialWedge, SeismicIterationSettlesOnTheClosedForm) {
    // With the general formula the failure angles do not depend on q: the
    // iteration settles in its second round on the closed form with the
    // seismic angles (k 0.15 in air above the residual water, 0.30 below).
    const InputRecord in = rectangular_fill();
    const CustomisationValues custom = test::plain_customisation();
    LoadModel m;
    prepare_layer_model(in, custom, m);
    seismic_case_wedges(m, in, custom, kSeismicCase);

    auto angle = [](double k) {
        return round_angle(
            sand_failure_angle(0, to_radians(30), to_radians(15), 0, seismic_angle(k), kActive),
            kRoundToSeconds);
    };
    const double w_air = angle(0.15), w_wet = angle(0.30);
    EXPECT_NEAR(m.land_calc[2].wedge_width_bottom, 1.5 / std::tan(w_air), 5e-5);
    const ClosedForm crown = closed_form(m.land_calc[2].wedge_width_bottom, w_air, 5.0);
    EXPECT_NEAR(m.land_calc[2].surcharge_bottom, crown.q, 1e-3);
    EXPECT_NEAR(m.land_calc[3].wedge_width_bottom, 1.5 / std::tan(w_air) + 4.5 / std::tan(w_wet),
                5e-5);
    const ClosedForm next = closed_form(m.land_calc[3].wedge_width_bottom, w_air, 5.0);
    EXPECT_NEAR(m.land_calc[3].surcharge_bottom, next.q, 1e-3);
    EXPECT_DOUBLE_EQ(m.land_calc[3].wedge_angles[3], w_wet);
    EXPECT_DOUBLE_EQ(m.land_calc[2].wedge_angles[3], w_air);
}

TEST(TrialWedge, SurchargeAtTheSeabedIsTakenForEveryLayer) {
    InputRecord in = rectangular_fill();
    in.swdat.surcharge_mode = SurchargeMode::AtSeabedForAllLayers;
    const CustomisationValues custom = test::plain_customisation();
    LoadModel m;
    prepare_layer_model(in, custom, m);
    normal_case_wedges(m, in, custom, kNormalCase);
    ASSERT_GE(m.index.land_seabed, 0);
    const double at_seabed = m.land_calc[m.index.land_seabed - 1].surcharge_bottom;
    for (int i = m.index.ground_crown; i + 1 < m.land_count; ++i) {
        EXPECT_DOUBLE_EQ(m.land_calc[i].surcharge_top, at_seabed) << i;
        EXPECT_DOUBLE_EQ(m.land_calc[i].surcharge_bottom, at_seabed) << i;
    }
}

TEST(TrialWedge, SlipLineAboveTheGroundTableStops) {
    InputRecord in = rectangular_fill();
    in.ground_points[2] = {1.0, 4.0}; // fill only 1 m wide; the dummy row adds 0.5 m
    in.surcharge_count = 0;
    CustomisationValues custom = test::plain_customisation();
    custom.ground_dummy_length = 0.5;
    LoadModel m;
    prepare_layer_model(in, custom, m);
    EXPECT_EQ(test::stop_text([&] { normal_case_wedges(m, in, custom, kNormalCase); }),
              "error: (ERROR)-地表面との交点が検索できません.");
}

TEST(TrialWedge, AZeroFailureAngleAfterYesIsRefusedAndNoStops) {
    // A wall angle of 80 degrees turns the root of the active failure plane
    // negative; Yes would give a flat slip line of unbounded width.
    const InputRecord in = rectangular_fill();
    CustomisationValues custom = test::plain_customisation();
    custom.wall_angle = 80.0;
    for (const char* answer : {"yes", "no"}) {
        test::AnswerBoxes boxes(answer);
        LoadModel m;
        prepare_layer_model(in, custom, m);
        const std::string text =
            test::stop_text([&] { normal_case_wedges(m, in, custom, kNormalCase); });
        EXPECT_EQ(text.rfind("waring: 砂質土主働崩壊角計算式の√内が負の値になりました．", 0), 0u)
            << answer;
        const bool refused =
            text.find("(ERROR)-崩壊角が 0.0 度になり、すべり線が地表面と交わりません.") !=
            std::string::npos;
        EXPECT_EQ(refused, std::string(answer) == "yes");
    }
}

TEST(TrialWedge, WedgesWiderThanOneHundredMetresAreCutWhole) {
    // A deep layer (2.0 down to -196.0 under one sand) gives a wedge about
    // 128 m wide at the crown; the fill reaches 400 m. Its two parts above the
    // crown must still add up to the closed form.
    InputRecord in = rectangular_fill();
    in.ground_points[2] = {400.0, 4.0};
    in.surcharges[0].end = 500.0;
    in.land_layer_count = 1;
    in.joken.soil_bottom = -196.0;
    const CustomisationValues custom = test::plain_customisation();
    LoadModel m;
    prepare_layer_model(in, custom, m);
    normal_case_wedges(m, in, custom, kNormalCase);
    const int last = m.land_count - 2;
    const double w = m.land_calc[2].wedge_angle;
    EXPECT_NEAR(m.land_calc[last].wedge_width_bottom, 198.0 / std::tan(w), 5e-5);
    ASSERT_GT(m.land_calc[last].crossing_x_bottom, 100.0);
    const ClosedForm f = closed_form(m.land_calc[last].wedge_width_bottom, w, 10.0);
    EXPECT_NEAR(m.land_calc[last].wedge_weight_bottom, f.w, 2e-3);
    EXPECT_NEAR(m.land_calc[last].surcharge_bottom, f.q, 1e-3);
}

TEST(TrialWedge, MoreThanFiveRowsAboveTheCrownAreRefused) {
    // Five fills and the superstructure crown inside the lowest of them make
    // six wedge parts above the crown, more than the label points hold.
    InputRecord in = rectangular_fill();
    in.ground_points[1] = {0.0, 9.0};
    in.ground_points[2] = {60.0, 9.0};
    const double tops[] = {9.0, 8.0, 7.0, 6.0, 5.0};
    for (int f = 0; f < 5; ++f)
        in.fills[f] = {tops[f], 18.0, 10.0, 20.0};
    in.fill_count = 5;
    const CustomisationValues custom = test::plain_customisation();
    LoadModel m;
    prepare_layer_model(in, custom, m);
    ASSERT_EQ(m.index.ground_crown, 6);
    EXPECT_EQ(
        test::stop_text([&] { normal_case_wedges(m, in, custom, kNormalCase); }),
        "error: "
        "(ERROR)-地表面天端より上の層(盛土、水位・上部工天端による分割を含む)が5層を超えています.");
}

TEST(TrialWedge, PartsCutAcrossASlopedFillAddUpToTheWholeWedge) {
    // The fill rises at 45 degrees from the wall to +4.0 at 2 m, then runs
    // level. The cut at the superstructure crown +3.0 crosses the slope and
    // the slip line; the two parts must weigh what the whole polygon
    // (0, 2), (2, 4), (x_c, 4), (X, 2) weighs, its area by the plain shoelace.
    InputRecord in = rectangular_fill();
    in.ground_points[1] = {2.0, 4.0};
    in.surcharge_count = 0;
    const CustomisationValues custom = test::plain_customisation();
    LoadModel m;
    prepare_layer_model(in, custom, m);
    normal_case_wedges(m, in, custom, kNormalCase);
    const double w = m.land_calc[2].wedge_angle;
    for (int row : {2, 3}) {
        const LandLayerCalc& c = m.land_calc[row];
        const double x = c.wedge_width_bottom;
        const double x_c = x + 2.0 / std::tan(w);
        const double px[] = {0, 2, x_c, x}, pz[] = {2, 4, 4, 2};
        double twice_area = 0;
        for (int k = 0; k < 4; ++k)
            twice_area += px[k] * pz[(k + 1) % 4] - px[(k + 1) % 4] * pz[k];
        EXPECT_NEAR(c.crossing_x_bottom, x_c, 1e-9) << row;
        EXPECT_NEAR(c.wedge_weight_bottom, 18.0 * std::fabs(twice_area) / 2.0, 1e-3) << row;
        EXPECT_NEAR(c.surcharge_bottom, 18.0 * std::fabs(twice_area) / 2.0 / x, 1e-3) << row;
    }
}

} // namespace
} // namespace wtn
