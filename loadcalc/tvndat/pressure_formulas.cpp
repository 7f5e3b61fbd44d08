#include "pressure_formulas.h"

#include "error_messages.h"
#include "load_records.h"
#include "message_box.h"
#include "rounding.h"
#include "wall_codes.h"

#include <cmath>

namespace wtn {
namespace {

const char* const kActiveRootWarning = "主働土圧係数計算式の√内が負の値になりました．\n\n"
                                       "      0.0として計算を続行しますか？";
const char* const kPassiveRootWarning = "受働土圧係数計算式の√内が負の値になりました．\n\n"
                                        "      0.0として計算を続行しますか？";

const char* const kPassiveWithoutMinimum =
    "(ERROR)-受働土圧係数の計算で√内が 1.0 "
    "以上になり、受働土圧係数が求まりません.壁面摩擦角と内部摩擦角を確認して下さい.";

const char* const kClayAngleZero =
    "(ERROR)-粘性土の地震時土圧の計算で崩壊角が 0.0 又は 90.0 度になり、土圧強度が求まりません.";

constexpr double kLevelTolerance = 0.0001;
constexpr double kRootMargin = 1e-6;

double square(double x) {
    return x * x;
}

} // namespace

double active_coefficient(double beta, double phi, double delta, double psi, double theta) {
    double r = std::sin(phi + delta) * std::sin(phi - beta - theta) /
               (std::cos(psi - beta) * std::cos(psi + delta + theta));
    if (r < 0.0) {
        warn_or_stop(kActiveRootWarning);
        r = 0.0;
    }
    const double k = std::cos(delta) * square(std::cos(phi - psi - theta)) /
                     (std::cos(theta) * square(std::cos(psi)) * std::cos(psi + delta + theta) *
                      square(1.0 + std::sqrt(r)));
    return round_dec(k, 4);
}

double passive_coefficient(double beta, double phi, double delta, double psi, double theta) {
    double r = std::sin(phi - delta) * std::sin(phi + beta - theta) /
               (std::cos(psi - beta) * std::cos(psi + delta - theta));
    if (r < 0.0) {
        warn_or_stop(kPassiveRootWarning);
        r = 0.0;
    }
    // At a root of 1 the passive wedge has no least force (the coefficient
    // grows without bound); beyond it the formula no longer describes a wedge.
    // The margin keeps rounding noise at exactly 1 from passing as a number.
    if (std::sqrt(r) > 1.0 - kRootMargin) stop_with_error(kPassiveWithoutMinimum);
    const double k = std::cos(delta) * square(std::cos(phi + psi - theta)) /
                     (std::cos(theta) * square(std::cos(psi)) * std::cos(psi + delta - theta) *
                      square(1.0 - std::sqrt(r)));
    return round_dec(k, 4);
}

double sand_pressure(double k, double sigma, double q, double psi, double beta) {
    return round_dec(k * (sigma + q * std::cos(psi) / std::cos(psi - beta)), 3);
}

ClayActiveResult clay_active_pressure(const ClayActiveOptions& o, double depth_below_seabed,
                                      double sigma, double q, double c, double zeta, double theta,
                                      bool bottom) {
    ClayActiveResult r;
    r.formula1 = sigma + q - 2.0 * c;
    const double formula2 = (sigma + q) * o.consolidation;
    const bool compare_seismic = o.seismic_formula_switch == ClaySeismicFormula::CompareBoth;
    if (o.load_case == kNormalCase) {
        if (o.normal_formula_switch == ClayNormalFormula::CompareBoth) r.formula2 = formula2;
    } else if (depth_below_seabed >= kSeismicFormulaDepth) {
        if (compare_seismic) r.formula2 = formula2;
    } else if (depth_below_seabed > kLevelTolerance && bottom &&
               o.pressure_method == EarthPressureMethod::InterpolatedBelowSeabed) {
        if (compare_seismic) r.formula2 = formula2;
    } else {
        const double sin_zeta = std::sin(zeta);
        const double cos_zeta = std::cos(zeta);
        // The seismic formula divides by sin and cos of the failure angle; a
        // flat or vertical slip plane has no finite wedge.
        if (std::fabs(sin_zeta) < 1e-12 || std::fabs(cos_zeta) < 1e-12)
            stop_with_error(kClayAngleZero);
        r.formula1 = (sigma + q) * std::sin(zeta + theta) / (std::cos(theta) * sin_zeta) -
                     c / (cos_zeta * sin_zeta);
        if (compare_seismic) r.formula2 = formula2;
    }
    r.formula1 = round_dec(r.formula1, 3);
    if (r.formula2 != kFormulaNotUsed) r.formula2 = round_dec(r.formula2, 3);
    r.adopted = r.formula2 > r.formula1 ? r.formula2 : r.formula1;
    return r;
}

double clay_passive_pressure(double sigma, double q, double c) {
    return round_dec(sigma + q + 2.0 * c, 3);
}

} // namespace wtn
