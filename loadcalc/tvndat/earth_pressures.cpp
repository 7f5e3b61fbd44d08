#include "earth_pressures.h"

#include "angles.h"
#include "failure_angles.h"
#include "pressure_formulas.h"
#include "rounding.h"
#include "wall_codes.h"

#include <cmath>

namespace wtn {
namespace {

ClayActiveOptions clay_options(const InputRecord& input, const CustomisationValues& custom,
                               int load_case) {
    ClayActiveOptions o;
    o.load_case = load_case;
    o.normal_formula_switch = input.nir_t.clay_normal_formula;
    o.seismic_formula_switch = input.swdat.clay_seismic_formula;
    o.pressure_method = input.swdat.earth_pressure_method;
    o.consolidation = custom.consolidation_factor;
    return o;
}

// Failure angle of clay at an active point: the ordinary formula, else
// Okabe's when allowed, else the customised angle of the seismic case.
double clay_active_angle(const InputRecord& input, const CustomisationValues& custom, double sigma,
                         double q, double c, double theta) {
    const double zeta = clay_failure_angle(sigma, q, c, theta, kOrdinaryClayFormula);
    if (zeta >= 0.0) return zeta;
    if (input.nir_t.okabe_when_negative == OkabeWhenNegative::On)
        return clay_failure_angle(sigma, q, c, theta, kOkabeFormula);
    return to_radians(custom.clay_failure_angle_seismic);
}

} // namespace

double pressure_theta(const InputRecord& input, const CustomisationValues& custom, int load_case,
                      double k, int kind) {
    if (load_case == kNormalCase) return 0.0;
    if (kind == kApparentCoefficient && input.neire.apparent_rule != ApparentSeismicRule::Given) {
        const bool to_steps = custom.apparent_rounding_rule != SeismicRounding::HalfUp;
        k = to_steps ? round_dec(2.0 * k, 1) / 2.0 : round_dec(k, 2);
    }
    return round_angle(std::atan(k), kRoundToTenthDegree);
}

void active_pressures(LoadModel& model, const InputRecord& input, const CustomisationValues& custom,
                      int load_case) {
    const double seabed = input.joken.design_seabed;
    const ClayActiveOptions options = clay_options(input, custom, load_case);
    for (int i = model.index.ground_crown; i >= 0 && i + 1 < model.land_count; ++i) {
        LandLayerCalc& c = model.land_calc[i];
        ActiveIntensityRow& row = model.active[i];
        const double delta = load_case == kNormalCase ? c.delta_normal : c.delta_seismic;
        const double theta_top = pressure_theta(input, custom, load_case, c.k_top, c.k_kind_top);
        const double theta_bottom =
            pressure_theta(input, custom, load_case, c.k_bottom, c.k_kind_bottom);
        const double q_top = round_dec(c.surcharge_top, 2);
        const double q_bottom = round_dec(c.surcharge_bottom, 2);
        c.bottom_at_minus10 = 0;
        row.formula1_top = row.formula1_bottom = row.formula2_top = row.formula2_bottom = 0.0;
        row.k_top = row.k_bottom = 0.0;

        if (is_sand(model.land.rows[i])) {
            c.failure_top =
                round_angle(sand_failure_angle(c.beta, c.phi, delta, c.psi, theta_top, kActive),
                            kRoundToTenthDegree);
            row.k_top = active_coefficient(c.beta, c.phi, delta, c.psi, theta_top);
            row.active_top = sand_pressure(row.k_top, c.sigma_top, q_top, c.psi, c.beta);
            c.failure_bottom =
                round_angle(sand_failure_angle(c.beta, c.phi, delta, c.psi, theta_bottom, kActive),
                            kRoundToTenthDegree);
            row.k_bottom = active_coefficient(c.beta, c.phi, delta, c.psi, theta_bottom);
            row.active_bottom =
                sand_pressure(row.k_bottom, c.sigma_bottom, q_bottom, c.psi, c.beta);
            continue;
        }

        c.failure_top = round_angle(
            clay_active_angle(input, custom, c.sigma_top, q_top, c.cohesion_top, theta_top),
            kRoundToTenthDegree);
        const ClayActiveResult top =
            clay_active_pressure(options, seabed - c.top, c.sigma_top, q_top, c.cohesion_top,
                                 c.failure_top, theta_top, false);
        c.failure_bottom = round_angle(clay_active_angle(input, custom, c.sigma_bottom, q_bottom,
                                                         c.cohesion_bottom, theta_bottom),
                                       kRoundToTenthDegree);
        double sigma = c.sigma_bottom;
        double cohesion = c.cohesion_bottom;
        if (load_case == kSeismicCase &&
            input.swdat.earth_pressure_method == EarthPressureMethod::InterpolatedBelowSeabed &&
            c.top <= seabed && c.top > seabed - kSeismicFormulaDepth) {
            sigma = c.sigma_minus10;
            cohesion = c.cohesion_minus10;
            c.bottom_at_minus10 = 1;
        }
        const ClayActiveResult bottom =
            clay_active_pressure(options, seabed - (c.top - c.thickness), sigma, q_bottom, cohesion,
                                 c.failure_bottom, theta_bottom, true);
        row.formula1_top = top.formula1;
        row.formula2_top = top.formula2;
        row.active_top = top.adopted;
        row.formula1_bottom = bottom.formula1;
        row.formula2_bottom = bottom.formula2;
        row.active_bottom = bottom.adopted;
        interpolate_to_seabed_minus_10(input, load_case, c.top, c.thickness, row.active_top,
                                       row.active_bottom);
    }
}

void interpolate_to_seabed_minus_10(const InputRecord& input, int load_case, double top, double h,
                                    double p_top, double& p_bottom) {
    if (load_case != kSeismicCase) return;
    const double seabed = input.joken.design_seabed;
    const double minus10 = seabed - kSeismicFormulaDepth;
    const double bottom = top - h;
    if (std::fabs(bottom - seabed) < kBoundaryTolerance || bottom > seabed) return;
    if (bottom > minus10) {
        if (input.swdat.earth_pressure_method != EarthPressureMethod::InterpolatedBelowSeabed)
            return;
        p_bottom = round_dec(p_top + h * (p_bottom - p_top) / (top - minus10), 3);
    }
    if (p_bottom < p_top) p_bottom = p_top;
}

void passive_pressures(LoadModel& model, int load_case) {
    for (int j = model.index.sea_seabed; j >= 0 && j + 1 < model.sea_count; ++j) {
        SeaLayerCalc& c = model.sea_calc[j];
        PassiveIntensityRow& row = model.passive[j];
        const double delta = load_case == kNormalCase ? c.delta_normal : c.delta_seismic;
        const double theta_top = load_case == kNormalCase ? 0.0 : c.theta_top;
        const double theta_bottom = load_case == kNormalCase ? 0.0 : c.theta_bottom;
        if (!is_sand(model.sea.rows[j])) {
            c.failure_top = c.failure_bottom = round_angle(kPi / 4.0, kRoundToTenthDegree);
            row.k_top = row.k_bottom = 0.0;
            row.passive_top = clay_passive_pressure(c.sigma_top, c.surcharge_top, c.cohesion_top);
            row.passive_bottom =
                clay_passive_pressure(c.sigma_bottom, c.surcharge_bottom, c.cohesion_bottom);
            continue;
        }
        c.failure_top =
            round_angle(sand_failure_angle(-c.beta, c.phi, delta, c.psi, theta_top, kPassive),
                        kRoundToTenthDegree);
        c.failure_bottom =
            round_angle(sand_failure_angle(-c.beta, c.phi, delta, c.psi, theta_bottom, kPassive),
                        kRoundToTenthDegree);
        row.k_top = passive_coefficient(-c.beta, c.phi, delta, c.psi, theta_top);
        row.k_bottom = passive_coefficient(-c.beta, c.phi, delta, c.psi, theta_bottom);
        row.passive_top = sand_pressure(row.k_top, c.sigma_top, c.surcharge_top, c.psi, c.beta);
        row.passive_bottom =
            sand_pressure(row.k_bottom, c.sigma_bottom, c.surcharge_bottom, c.psi, c.beta);
    }
}

} // namespace wtn
