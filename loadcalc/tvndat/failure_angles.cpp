#include "failure_angles.h"

#include "angles.h"
#include "error_messages.h"
#include "message_box.h"

#include <cmath>

namespace wtn {
namespace {

constexpr double kSmallestCohesion = 0.00001;

const char* const kActiveRootWarning = "砂質土主働崩壊角計算式の√内が負の値になりました．\n\n"
                                       "        主働崩壊角を0.0として計算を続行しますか？";
const char* const kPassiveRootWarning = "砂質土受働崩壊角計算式の√内が負の値になりました．\n\n"
                                        "        受働崩壊角を0.0として計算を続行しますか？";

const char* const kOkabeWithoutCohesion =
    "(ERROR)-粘性土の崩壊角の計算(岡部式)で粘着力Ｃと震度がともに 0.0 "
    "のため、崩壊角が求まりません.";

} // namespace

double sand_failure_angle(double beta, double phi, double delta, double psi, double theta,
                          bool passive) {
    double r = 0.0;
    double a = 0.0;
    if (passive) {
        r = std::sin(phi - delta) * std::cos(psi + delta - theta) /
            (std::cos(psi - beta) * std::sin(phi + beta - theta));
        a = phi - delta - psi + beta;
    } else {
        r = std::sin(phi + delta) * std::cos(psi + delta + theta) /
            (std::cos(psi - beta) * std::sin(phi - beta - theta));
        a = phi + delta + psi - beta;
    }
    if (r < 0.0) {
        warn_or_stop(passive ? kPassiveRootWarning : kActiveRootWarning);
        return 0.0;
    }
    const double root_term = std::sqrt(r) / std::cos(a);
    const double denominator = passive ? root_term + std::tan(a) : root_term - std::tan(a);
    // A plane whose cotangent term vanishes stands vertical.
    if (denominator == 0.0) return beta + kPi / 2.0;
    return beta + std::atan(1.0 / denominator);
}

double clay_failure_angle(double sigma, double q, double c, double theta, bool okabe) {
    if (!okabe) {
        if (c < kSmallestCohesion) return kNoClayAngle;
        const double d = 1.0 - std::tan(theta) * (sigma + 2.0 * q) / (2.0 * c);
        if (d < 0.0) return d;
        return std::atan(std::sqrt(d));
    }
    const double s = std::sin(theta);
    if (c < kSmallestCohesion) {
        // Without cohesion the formula tends to a flat slip plane as long as
        // there is a seismic angle; with neither it has no value at all.
        if (s == 0.0) stop_with_error(kOkabeWithoutCohesion);
        return 0.0;
    }
    // With no overburden and no surcharge the cohesion term dominates and the
    // angle tends to 45 degrees.
    if (sigma + q <= 0.0) return kPi / 4.0;
    const double g = 2.0 * c * std::cos(theta) / (sigma + q) + s;
    return (kPi / 2.0 - std::atan(s / std::sqrt(g * g - s * s))) / 2.0;
}

MeanClayAngle mean_clay_angle(double a_top, double a_bottom, double zeta_seismic) {
    const bool top_missing = a_top < 0.0;
    const bool bottom_missing = a_bottom < 0.0;
    if (top_missing && bottom_missing) return {zeta_seismic, 0};
    if (top_missing) return {(a_bottom + zeta_seismic) / 2.0, 1};
    if (bottom_missing) return {(a_top + zeta_seismic) / 2.0, 2};
    return {(a_top + a_bottom) / 2.0, 3};
}

} // namespace wtn
