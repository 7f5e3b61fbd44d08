// Coefficients and failure angles against independent closed forms and a
// numerical Coulomb trial-wedge search.
#include "angles.h"
#include "failure_angles.h"
#include "pressure_formulas.h"

#include "stop_capture.h"

#include <gtest/gtest.h>

#include <cmath>

namespace wtn {
namespace {

using test::AnswerBoxes;
using test::stop_text;

double deg(double d) {
    return to_radians(d);
}

// Coulomb's trial wedge behind a vertical wall with level ground, searched
// numerically over the slip-plane angle a from the horizontal (no closed form
// used). The wedge of height 1 weighs W = cot(a) / 2 per unit weight; the
// force on the wall, inclined at the wall friction d, is
//   active:  P(a) = W sin(a - phi) / cos(a - phi - d), largest over a;
//   passive: P(a) = W sin(a + phi) / cos(a + phi + d), smallest over a.
// K = 2P; returns K cos(d) and the critical angle.
struct Wedge {
    double k_cos_delta;
    double angle;
};

Wedge coulomb_search(double phi, double d, bool passive) {
    double best = passive ? 1e300 : -1e300;
    double best_a = 0.0;
    const int steps = 200000;
    for (int s = 1; s < steps; ++s) {
        const double a = (kPi / 2.0) * s / steps;
        const double w = 0.5 / std::tan(a);
        const double p = passive ? w * std::sin(a + phi) / std::cos(a + phi + d)
                                 : w * std::sin(a - phi) / std::cos(a - phi - d);
        if (passive ? (p > 0.0 && p < best) : p > best) {
            best = p;
            best_a = a;
        }
    }
    return {2.0 * best * std::cos(d), best_a};
}

TEST(EarthPressureCoefficients, SandActiveMatchesCoulombTrialWedge) {
    for (double phi : {25.0, 30.0, 35.0, 40.0}) {
        for (double delta : {0.0, 10.0, 15.0}) {
            const Wedge w = coulomb_search(deg(phi), deg(delta), false);
            EXPECT_NEAR(active_coefficient(0, deg(phi), deg(delta), 0, 0), w.k_cos_delta, 0.00006)
                << phi << " " << delta;
            EXPECT_NEAR(sand_failure_angle(0, deg(phi), deg(delta), 0, 0, kActive), w.angle, 1e-4);
        }
    }
    // phi 30, delta 15: Ka cos(delta) = 0.2911; the failure plane 56.8598 degrees.
    EXPECT_DOUBLE_EQ(active_coefficient(0, deg(30), deg(15), 0, 0), 0.2911);
    EXPECT_NEAR(to_degrees(sand_failure_angle(0, deg(30), deg(15), 0, 0, kActive)), 56.8598, 5e-5);
}

TEST(EarthPressureCoefficients, SandPassiveMatchesCoulombWithFrictionResistingUplift) {
    // The passive wedge rises along the wall; wall friction resisting that
    // enters the formula as a negative angle.
    for (double phi : {25.0, 30.0, 35.0}) {
        for (double delta : {0.0, 10.0, 15.0}) {
            const Wedge w = coulomb_search(deg(phi), deg(delta), true);
            EXPECT_NEAR(passive_coefficient(0, deg(phi), deg(-delta), 0, 0), w.k_cos_delta, 0.00006)
                << phi << " " << delta;
            EXPECT_NEAR(sand_failure_angle(0, deg(phi), deg(-delta), 0, 0, kPassive), w.angle,
                        1e-4);
        }
    }
    // phi 30, delta -15: Kp = cos^2 30 / (cos 15 (1 - sqrt(sin 45 sin 30 / cos 15))^2)
    // = 4.9766, Kp cos(delta) = 4.8069. With delta +15 the formula gives 1.8660
    // and the failure angle 45 degrees.
    EXPECT_DOUBLE_EQ(passive_coefficient(0, deg(30), deg(-15), 0, 0), 4.8069);
    EXPECT_DOUBLE_EQ(passive_coefficient(0, deg(30), deg(15), 0, 0), 1.8660);
    EXPECT_NEAR(to_degrees(sand_failure_angle(0, deg(30), deg(15), 0, 0, kPassive)), 45.0, 1e-9);
    // phi 45, delta -45: sin 90 sin 45 / cos 45 = 1, the coefficient is unbounded.
    EXPECT_EQ(stop_text([&] { passive_coefficient(0, deg(45), deg(-45), 0, 0); }),
              "error: (ERROR)-受働土圧係数の計算で√内が 1.0 "
              "以上になり、受働土圧係数が求まりません.壁面摩擦角と内部摩擦角を確認して下さい.");
}

TEST(EarthPressureCoefficients, MononobeOkabeWithTheSeismicAngle) {
    // Mononobe-Okabe, vertical wall, level ground:
    //   K = cos^2(phi - theta) / (cos theta cos(delta + theta)
    //       (1 + sqrt(sin(phi + delta) sin(phi - theta) / cos(delta + theta)))^2)
    // with k' = 0.2: theta = atan 0.2.
    const double phi = deg(35), delta = deg(15), theta = std::atan(0.2);
    const double root =
        std::sqrt(std::sin(phi + delta) * std::sin(phi - theta) / std::cos(delta + theta));
    const double mo = std::pow(std::cos(phi - theta), 2) /
                      (std::cos(theta) * std::cos(delta + theta) * std::pow(1 + root, 2));
    EXPECT_NEAR(active_coefficient(0, phi, delta, 0, theta), mo * std::cos(delta), 0.00005);
}

TEST(EarthPressureCoefficients, NegativeRootAsksAndGoesOnWithZeroOrStops) {
    // Ground steeper than phi - theta: sin(phi - beta - theta) < 0.
    const double beta = deg(25), phi = deg(30), theta = deg(10);
    {
        AnswerBoxes yes("yes");
        testing::internal::CaptureStderr();
        const double k = active_coefficient(beta, phi, 0, 0, theta);
        const std::string err = testing::internal::GetCapturedStderr();
        EXPECT_EQ(err, "waring: 主働土圧係数計算式の√内が負の値になりました．\n\n      "
                       "0.0として計算を続行しますか？\n");
        // Root taken as 0: cos^2(phi - theta) / (cos theta cos theta) = cos^2 20 / cos^2 10.
        EXPECT_NEAR(k, std::pow(std::cos(deg(20)) / std::cos(deg(10)), 2), 0.00005);
        testing::internal::CaptureStderr();
        EXPECT_DOUBLE_EQ(sand_failure_angle(beta, phi, 0, 0, theta, kActive), 0.0);
        EXPECT_NE(testing::internal::GetCapturedStderr().find("主働崩壊角を0.0として"),
                  std::string::npos);
    }
    AnswerBoxes no("no");
    EXPECT_NE(stop_text([&] { active_coefficient(beta, phi, 0, 0, theta); }), "");
    EXPECT_NE(stop_text([&] { sand_failure_angle(beta, phi, 0, 0, theta, kActive); }), "");
    EXPECT_NE(stop_text([&] { passive_coefficient(-beta, deg(20), 0, 0, theta); }), "");
}

TEST(Angles, RoundingToSecondsAndTenths) {
    // atan 0.3 = 16.699244 degrees = 16 41' 57.3": whole seconds give 16.699167.
    EXPECT_NEAR(to_degrees(round_angle(std::atan(0.3), kRoundToSeconds)),
                16.0 + 41 / 60.0 + 57 / 3600.0, 1e-12);
    EXPECT_NEAR(
        to_degrees(round_angle(round_angle(std::atan(0.3), kRoundToSeconds), kRoundToTenthDegree)),
        16.7, 1e-12);
}

TEST(ClayFailureAngle, OrdinaryOkabeAndFallbacks) {
    // sigma 50, q 10, c 40, k' 0.2: D = 1 - 0.2 x 70 / 80 = 0.825, angle = atan sqrt D
    // = 42.2487 degrees.
    const double theta = std::atan(0.2);
    EXPECT_NEAR(to_degrees(clay_failure_angle(50, 10, 40, theta, kOrdinaryClayFormula)), 42.2487,
                5e-5);
    // Without cohesion the ordinary formula has no angle; a large theta gives D < 0.
    EXPECT_DOUBLE_EQ(clay_failure_angle(50, 10, 0.0, theta, kOrdinaryClayFormula), kNoClayAngle);
    EXPECT_DOUBLE_EQ(clay_failure_angle(50, 10, 5.0, theta, kOrdinaryClayFormula),
                     1 - 0.2 * 70 / 10.0);
    // Okabe: s = sin theta, g = 2c cos theta / (sigma + q) + s,
    // angle = (90 - atan(s / sqrt(g^2 - s^2))) / 2; with theta = 0 it is 45 degrees.
    const double s = std::sin(theta), g = 2 * 5.0 * std::cos(theta) / 60.0 + s;
    EXPECT_NEAR(clay_failure_angle(50, 10, 5.0, theta, kOkabeFormula),
                (kPi / 2 - std::atan(s / std::sqrt(g * g - s * s))) / 2, 1e-12);
    EXPECT_NEAR(clay_failure_angle(50, 10, 5.0, 0.0, kOkabeFormula), kPi / 4, 1e-12);
    // Okabe without cohesion: a flat plane while theta > 0; with theta = 0 the
    // formula is 0 / 0 and the input is refused, never NaN.
    EXPECT_DOUBLE_EQ(clay_failure_angle(50, 10, 0.0, theta, kOkabeFormula), 0.0);
    EXPECT_EQ(stop_text([&] { clay_failure_angle(50, 10, 0.0, 0.0, kOkabeFormula); }),
              "error: (ERROR)-粘性土の崩壊角の計算(岡部式)で粘着力Ｃと震度がともに 0.0 "
              "のため、崩壊角が求まりません.");
}

TEST(ClayFailureAngle, MeanAngleTakesTheSeismicZetaForAMissingEnd) {
    const double z = deg(40);
    struct Case {
        double top, bottom, angle;
        int mean_case;
    } cases[] = {
        {-1.0, -0.2, z, 0},
        {-1.0, deg(30), (deg(30) + z) / 2, 1},
        {deg(36), -0.5, (deg(36) + z) / 2, 2},
        {deg(36), deg(30), deg(33), 3},
    };
    for (const Case& c : cases) {
        const MeanClayAngle m = mean_clay_angle(c.top, c.bottom, z);
        EXPECT_NEAR(m.angle, c.angle, 1e-12);
        EXPECT_EQ(m.mean_case, c.mean_case);
    }
}

TEST(PointPressures, SandAndClayIntensities) {
    // Ka cos(delta) 0.2911, sigma 18, q 10: 0.2911 x 28 = 8.1508 -> 8.151.
    EXPECT_DOUBLE_EQ(sand_pressure(0.2911, 18.0, 10.0, 0.0, 0.0), 8.151);
    EXPECT_DOUBLE_EQ(clay_passive_pressure(30.0, 0.0, 25.0), 80.0);

    ClayActiveOptions normal;
    normal.consolidation = 0.5;
    // sigma + q = 50, c = 40: f1 = -30, f2 = 25, adopted 25.
    ClayActiveResult r = clay_active_pressure(normal, 0.0, 40, 10, 40, 0, 0, false);
    EXPECT_DOUBLE_EQ(r.formula1, -30.0);
    EXPECT_DOUBLE_EQ(r.formula2, 25.0);
    EXPECT_DOUBLE_EQ(r.adopted, 25.0);
    normal.normal_formula_switch = ClayNormalFormula::FirstOnly; // formula 1 only
    r = clay_active_pressure(normal, 0.0, 40, 10, 40, 0, 0, false);
    EXPECT_DOUBLE_EQ(r.formula2, kFormulaNotUsed);
    EXPECT_DOUBLE_EQ(r.adopted, -30.0);

    ClayActiveOptions seismic;
    seismic.load_case = 1;
    seismic.consolidation = 0.5;
    // Seismic formula: (sigma + q) sin(zeta + theta) / (cos theta sin zeta) - c / (cos zeta sin
    // zeta)
    const double zeta = deg(40), theta = deg(10);
    const double expected = 50 * std::sin(zeta + theta) / (std::cos(theta) * std::sin(zeta)) -
                            40 / (std::cos(zeta) * std::sin(zeta));
    r = clay_active_pressure(seismic, 3.0, 40, 10, 40, zeta, theta, false);
    EXPECT_NEAR(r.formula1, expected, 0.0005);
    EXPECT_DOUBLE_EQ(r.adopted, 25.0); // formula 2 larger
    // 10 m or more below the seabed: sigma + q - 2c, not the seismic formula.
    r = clay_active_pressure(seismic, 10.0, 40, 10, 40, zeta, theta, false);
    EXPECT_DOUBLE_EQ(r.formula1, -30.0);
    // A zero failure angle would divide by zero: refused.
    EXPECT_NE(stop_text([&] { clay_active_pressure(seismic, 3.0, 40, 10, 40, 0.0, theta, false); }),
              "");
}

} // namespace
} // namespace wtn
