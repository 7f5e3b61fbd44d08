// Active and passive intensities of whole sections against hand calculations
// and independent closed forms (Coulomb, Mononobe-Okabe, the clay formulas).
#include "angles.h"
#include "case_wedges.h"
#include "earth_pressures.h"
#include "layer_model.h"
#include "rounding.h"
#include "seismic_coefficients.h"

#include "section_fixture.h"
#include "stop_capture.h"

#include <gtest/gtest.h>

#include <cmath>

namespace wtn {
namespace {

double deg(double d) {
    return to_radians(d);
}

// Coulomb / Mononobe-Okabe active coefficient times cos(delta), vertical wall,
// level ground, written out independently of the library's form:
//   K = cos^2(phi - theta) / (cos theta cos(delta + theta)
//       (1 + sqrt(sin(phi + delta) sin(phi - theta) / cos(delta + theta)))^2)
double mo_active(double phi, double delta, double theta) {
    const double root =
        std::sqrt(std::sin(phi + delta) * std::sin(phi - theta) / std::cos(delta + theta));
    const double k = std::pow(std::cos(phi - theta), 2) /
                     (std::cos(theta) * std::cos(delta + theta) * std::pow(1.0 + root, 2));
    return std::round(k * std::cos(delta) * 1e4) / 1e4;
}

// The passive counterpart with the wall friction resisting the uplift (delta > 0 here).
double mo_passive(double phi, double delta, double theta) {
    const double root =
        std::sqrt(std::sin(phi + delta) * std::sin(phi - theta) / std::cos(delta + theta));
    const double k = std::pow(std::cos(phi - theta), 2) /
                     (std::cos(theta) * std::cos(delta + theta) * std::pow(1.0 - root, 2));
    return std::round(k * std::cos(delta) * 1e4) / 1e4;
}

LoadModel run_case(const InputRecord& in, const CustomisationValues& custom, int load_case) {
    LoadModel m;
    clear_load_tables(m);
    prepare_layer_model(in, custom, m);
    normal_case_wedges(m, in, custom, load_case);
    seismic_case_wedges(m, in, custom, load_case);
    active_pressures(m, in, custom, load_case);
    passive_pressures(m, load_case);
    return m;
}

TEST(EarthPressures, TwoSandLayersNormalCaseAreKTimesOverburdenPlusSurcharge) {
    const LoadModel m =
        run_case(test::two_sand_section(), test::plain_customisation(), kNormalCase);
    // Crown row 2 (+2.0 to +0.5, wet 18), row 3 (+0.5 to -4.0, submerged 10),
    // row 4 (-4.0 to -25.0, phi 35, submerged 10); q = 10.
    const double k30 = 0.2911; // Coulomb, phi 30, delta 15
    const double k35 = mo_active(deg(35), deg(15), 0.0);
    struct Point {
        int row;
        double top, bottom;
    } points[] = {
        {2, k30 * (0 + 10), k30 * (27 + 10)},
        {3, k30 * (27 + 10), k30 * (72 + 10)},
        {4, k35 * (72 + 10), k35 * (282 + 10)},
    };
    for (const Point& p : points) {
        EXPECT_DOUBLE_EQ(m.active[p.row].active_top, round_dec(p.top, 3)) << p.row;
        EXPECT_DOUBLE_EQ(m.active[p.row].active_bottom, round_dec(p.bottom, 3)) << p.row;
        EXPECT_DOUBLE_EQ(m.land_calc[p.row].surcharge_top, 10.0);
    }
    EXPECT_DOUBLE_EQ(m.active[2].k_top, 0.2911);
    EXPECT_DOUBLE_EQ(m.active[2].active_bottom, 10.771);
    EXPECT_NEAR(to_degrees(m.land_calc[2].failure_top), 56.9, 1e-9);
    // Rows above the crown carry no pressure.
    EXPECT_DOUBLE_EQ(m.active[1].active_bottom, 0.0);

    // Passive: sand from the seabed, Kp cos(delta) 4.8069 for phi 30, delta -15;
    // sigma 0 at the seabed and 17 x 10 = 170 at -25.
    EXPECT_DOUBLE_EQ(m.passive[0].k_top, 4.8069);
    EXPECT_DOUBLE_EQ(m.passive[0].passive_top, 0.0);
    EXPECT_DOUBLE_EQ(m.passive[0].passive_bottom, round_dec(4.8069 * 170.0, 3));
    EXPECT_NEAR(to_degrees(m.sea_calc[0].failure_top), 20.7, 1e-9);
}

TEST(EarthPressures, SeismicSandUsesMononobeOkabeWithTheApparentCoefficient) {
    // k = 0.15 in air above the residual water level; below it the general
    // formula k' = 20 / (20 - 10) x 0.15 = 0.30. Surcharge 5 in the seismic case.
    const LoadModel m =
        run_case(test::two_sand_section(), test::plain_customisation(), kSeismicCase);
    EXPECT_DOUBLE_EQ(m.land_calc[2].k_top, 0.15);
    EXPECT_EQ(m.land_calc[2].k_kind_top, kCoefficientInAir);
    EXPECT_DOUBLE_EQ(m.land_calc[3].k_top, 0.3);
    EXPECT_EQ(m.land_calc[3].k_kind_top, kApparentCoefficient);
    EXPECT_DOUBLE_EQ(m.land_calc[4].k_bottom, 0.3);
    // The stored theta is atan k' to whole seconds: atan 0.3 = 16 41' 57".
    EXPECT_NEAR(to_degrees(m.land_calc[3].theta_top), 16.0 + 41 / 60.0 + 57 / 3600.0, 1e-12);

    // Pressures take theta to 0.1 degree: atan 0.15 = 8.5, atan 0.30 = 16.7.
    const double in_air = deg(8.5), below = deg(16.7);
    EXPECT_DOUBLE_EQ(m.active[2].k_top, mo_active(deg(30), deg(15), in_air));
    EXPECT_DOUBLE_EQ(m.active[2].active_top,
                     round_dec(mo_active(deg(30), deg(15), in_air) * 5.0, 3));
    EXPECT_DOUBLE_EQ(m.active[3].active_top,
                     round_dec(mo_active(deg(30), deg(15), below) * (27 + 5), 3));
    EXPECT_DOUBLE_EQ(m.active[4].active_bottom,
                     round_dec(mo_active(deg(35), deg(15), below) * (282 + 5), 3));

    // Sea side: k' = 0.30 (rounded to 2 decimals), theta 16.7 degrees.
    EXPECT_DOUBLE_EQ(m.sea_calc[0].k_top, 0.3);
    EXPECT_DOUBLE_EQ(m.passive[0].k_bottom, mo_passive(deg(30), deg(15), below));
    EXPECT_DOUBLE_EQ(m.passive[0].passive_bottom,
                     round_dec(mo_passive(deg(30), deg(15), below) * 170.0, 3));
}

// Sand over clay (c = 30) from the seabed -8.0 to -12.0 over sand.
InputRecord clay_at_seabed_section() {
    InputRecord in = test::two_sand_section();
    in.land_layers[1] = test::layer(-8.0, 0.0, 17.0, 7.0, 17.0);
    in.land_layers[1].cohesion = 30.0;
    in.land_layers[2] = test::layer(-12.0, 35.0, 19.0, 10.0, 20.0);
    in.land_layer_count = 3;
    return in;
}

TEST(EarthPressures, ClayNormalCaseComparesBothFormulas) {
    const LoadModel m =
        run_case(clay_at_seabed_section(), test::plain_customisation(), kNormalCase);
    // Clay row 4 (-8 to -12): sigma 27 + 8.5 x 10 = 112 at the top, + 4 x 7 = 140
    // at the bottom; q 10, c 30, consolidation 0.5.
    const ActiveIntensityRow& r = m.active[4];
    EXPECT_DOUBLE_EQ(r.formula1_top, 112 + 10 - 60.0);
    EXPECT_DOUBLE_EQ(r.formula2_top, 0.5 * 122);
    EXPECT_DOUBLE_EQ(r.active_top, 62.0);
    EXPECT_DOUBLE_EQ(r.formula1_bottom, 90.0);
    EXPECT_DOUBLE_EQ(r.active_bottom, 90.0);
    EXPECT_DOUBLE_EQ(r.k_top, 0.0);
}

TEST(EarthPressures, SeismicClayBelowTheSeabedIsInterpolatedToTenMetresDown) {
    InputRecord in = clay_at_seabed_section();
    in.swdat.earth_pressure_method = EarthPressureMethod::InterpolatedBelowSeabed;
    const LoadModel m = run_case(in, test::plain_customisation(), kSeismicCase);
    const LandLayerCalc& c = m.land_calc[4];
    const ActiveIntensityRow& r = m.active[4];
    ASSERT_DOUBLE_EQ(c.top, -8.0);
    // Top at the seabed: k' = 17 / 7 x 0.15 = 0.3643, 0.36 for the pressure,
    // theta 19.8; the clay angle from D = 1 - tan theta (112 + 2 x 5) / 60, to 0.1 degree.
    const double theta = deg(19.8);
    const double d = 1 - std::tan(theta) * (112 + 10) / 60.0;
    const double zeta = deg(std::round(to_degrees(std::atan(std::sqrt(d))) * 10) / 10);
    EXPECT_NEAR(c.failure_top, zeta, 1e-12);
    const double seismic = 117 * std::sin(zeta + theta) / (std::cos(theta) * std::sin(zeta)) -
                           30 / (std::cos(zeta) * std::sin(zeta));
    EXPECT_DOUBLE_EQ(r.formula1_top, round_dec(seismic, 3));
    EXPECT_DOUBLE_EQ(r.active_top, round_dec(seismic, 3)); // larger than 0.5 x 117
    // Bottom at -12: computed at -18 with sigma 112 + 10 x 7 = 182: 182 + 5 - 60 = 127,
    // then read back 4 m down on the line from the top value.
    EXPECT_EQ(c.bottom_at_minus10, 1);
    EXPECT_DOUBLE_EQ(r.formula1_bottom, 127.0);
    EXPECT_DOUBLE_EQ(r.active_bottom,
                     round_dec(r.active_top + 4.0 * (127.0 - r.active_top) / 10.0, 3));
    EXPECT_DOUBLE_EQ(c.k_bottom, 0.0);
}

TEST(EarthPressures, BottomCorrectionOfClayBelowTheSeabed) {
    InputRecord in = test::two_sand_section(); // seabed -8
    struct Case {
        const char* name;
        int method;
        double top, h, p_top, p_bottom, expected;
    } cases[] = {
        {"ends at the seabed", 1, -4.0, 4.00001, 50, 40, 40},
        {"ends above the seabed", 1, -2.0, 3.0, 50, 40, 40},
        {"interpolated, rising", 1, -8.0, 4.0, 50, 80, 62}, // 50 + 4 x 30 / 10
        {"interpolated, raised to the top", 1, -8.0, 4.0, 50, 30, 50},
        {"apparent k above and below", 2, -8.0, 4.0, 50, 30, 30},
        {"deeper than 10 m, raised", 2, -8.0, 12.0, 50, 30, 50},
    };
    for (const Case& c : cases) {
        in.swdat.earth_pressure_method = from_file_value<EarthPressureMethod>(c.method);
        double p = c.p_bottom;
        interpolate_to_seabed_minus_10(in, kSeismicCase, c.top, c.h, c.p_top, p);
        EXPECT_DOUBLE_EQ(p, c.expected) << c.name;
        p = c.p_bottom;
        interpolate_to_seabed_minus_10(in, kNormalCase, c.top, c.h, c.p_top, p);
        EXPECT_DOUBLE_EQ(p, c.p_bottom) << c.name; // the normal case is left alone
    }
}

TEST(EarthPressures, SeaSideClayHasAFortyFiveDegreePlaneAndSigmaPlusTwoC) {
    InputRecord in = test::two_sand_section();
    in.sea_layers[0] = test::clay_layer(-8.0, 20.0, 1.0); // C = 20 + (0 - z): 28 at -8, 45 at -25
    for (int load_case : {kNormalCase, kSeismicCase}) {
        const LoadModel m = run_case(in, test::plain_customisation(), load_case);
        EXPECT_NEAR(to_degrees(m.sea_calc[0].failure_top), 45.0, 1e-12);
        EXPECT_DOUBLE_EQ(m.passive[0].passive_top, 56.0);
        EXPECT_DOUBLE_EQ(m.passive[0].passive_bottom, 17 * 7.0 + 90.0);
    }
}

TEST(SeismicCoefficients, ApparentCoefficientFormulas) {
    // General: 20 / (20 - 10) x 0.15 = 0.3; a unit weight of 10 leaves no buoyancy.
    EXPECT_DOUBLE_EQ(apparent_k_general(20.0, 0.15), 0.3);
    EXPECT_EQ(test::stop_text([] { apparent_k_general(10.0, 0.15); }),
              "error: (ERROR)-震度の計算でγが 10.0 以下になっています.");
    // Weighing the water above the point: (50 + 10 x 3 + 10) / (50 + 10) x 0.15 = 0.225.
    EXPECT_DOUBLE_EQ(
        apparent_k_niken(50, 3, 10, 20, false, 0.15, 10, CrownApparentRule::SubmergedFormula),
        0.225);
    // No overburden: land side by the crown rule, sea side always the general formula.
    EXPECT_DOUBLE_EQ(
        apparent_k_niken(0, 3, 10, 20, false, 0.15, 10, CrownApparentRule::SubmergedFormula), 0.3);
    EXPECT_DOUBLE_EQ(apparent_k_niken(0, 3, 10, 20, false, 0.15, 10, CrownApparentRule::InAir),
                     0.15);
    EXPECT_DOUBLE_EQ(apparent_k_niken(0, 3, 10, 20, true, 0.15, 10, CrownApparentRule::InAir), 0.3);
    // By layer: (2 (20 + 60 + 10) + 20 x 2) / (2 (20 + 30 + 10) + 10 x 2) x 0.15 = 220 / 140 x
    // 0.15.
    EXPECT_DOUBLE_EQ(apparent_k_arai_yokoi(20, 60, 30, 10, 2, 20, 10, 0.15), 220.0 / 140.0 * 0.15);
}

TEST(SeismicCoefficients, SeaSideRoundsToTwoDecimalsOrToFiveHundredths) {
    // Sea-side sand with a saturated weight of 19: 19 / 9 x 0.15 = 0.3167.
    InputRecord in = test::two_sand_section();
    in.sea_layers[0].saturated_weight = 19.0;
    for (const auto& [rule, k] : {std::pair{0, 0.32}, std::pair{1, 0.30}}) {
        CustomisationValues custom = test::plain_customisation();
        custom.apparent_rounding_rule = from_file_value<SeismicRounding>(rule);
        const LoadModel m = run_case(in, custom, kSeismicCase);
        EXPECT_DOUBLE_EQ(m.sea_calc[0].k_top, k) << rule;
        EXPECT_DOUBLE_EQ(m.sea_calc[0].theta_top,
                         round_angle(seismic_angle(k), kRoundToTenthDegree))
            << rule;
    }
}

} // namespace
} // namespace wtn
