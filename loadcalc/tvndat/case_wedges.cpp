#include "case_wedges.h"

#include "angles.h"
#include "failure_angles.h"
#include "seismic_coefficients.h"
#include "trial_wedge.h"
#include "wall_codes.h"

#include <cmath>

namespace wtn {
namespace {

// The last layer of the land-side table (the closing row holds no layer).
int last_layer(const LoadModel& model) {
    return model.land_count - 2;
}

// With the surcharge taken at the seabed, every layer from the crown takes
// the bottom wedge of the layer just above the seabed, top and bottom alike.
void copy_seabed_wedge(LoadModel& model, const InputRecord& input) {
    if (input.swdat.surcharge_mode != SurchargeMode::AtSeabedForAllLayers) return;
    const int above_seabed = model.index.land_seabed - 1;
    if (above_seabed < model.index.ground_crown) return;
    const WedgeValues v = wedge_bottom_of(model.land_calc[above_seabed]);
    for (int i = model.index.ground_crown; i <= last_layer(model); ++i) {
        set_wedge_top(model.land_calc[i], v);
        set_wedge_bottom(model.land_calc[i], v);
    }
}

} // namespace

double clay_angle_with_retry(const InputRecord& input, double sigma, double q, double c,
                             double theta) {
    double a = clay_failure_angle(sigma, q, c, theta, kOrdinaryClayFormula);
    if (a < 0.0 && input.nir_t.okabe_when_negative == OkabeWhenNegative::On)
        a = clay_failure_angle(sigma, q, c, theta, kOkabeFormula);
    return a;
}

void normal_case_wedges(LoadModel& model, const InputRecord& input,
                        const CustomisationValues& custom, int load_case) {
    if (load_case != kNormalCase) return;
    const int crown = model.index.ground_crown;
    for (int i = crown; i <= last_layer(model); ++i) {
        LandLayerCalc& c = model.land_calc[i];
        if (input.swdat.ground_shape == GroundShape::Straight) {
            c.surcharge_top = c.surcharge_bottom = input.joken.surcharge_normal;
            c.failure_top = c.failure_bottom = c.wedge_angle = 0.0;
            continue;
        }
        const double omega =
            is_sand(model.land.rows[i])
                ? sand_failure_angle(c.beta, c.phi, c.delta_normal, c.psi, 0.0, kActive)
                : to_radians(custom.clay_failure_angle_normal);
        c.wedge_angle = round_angle(omega, kRoundToSeconds);
        c.failure_top = c.failure_bottom = round_angle(omega, kRoundToTenthDegree);
        for (int j = crown; j <= i; ++j)
            model.land_calc[j].wedge_angles[i] = model.land_calc[j].wedge_angle;
        set_wedge_top(c, wedge_surcharge(model, i, false, kNormalCase));
        set_wedge_bottom(c, wedge_surcharge(model, i, true, kNormalCase));
    }
    if (input.swdat.ground_shape == GroundShape::Embankment) copy_seabed_wedge(model, input);
}

void seismic_wedge_iteration(LoadModel& model, const InputRecord& input,
                             const CustomisationValues& custom) {
    const int crown = model.index.ground_crown;
    if (input.swdat.ground_shape == GroundShape::Straight) {
        for (int i = crown; i <= last_layer(model); ++i) {
            model.land_calc[i].surcharge_top = model.land_calc[i].surcharge_bottom =
                input.joken.surcharge_seismic;
        }
        return;
    }
    const double zeta_seismic = to_radians(custom.clay_failure_angle_seismic);
    for (int i = crown; i <= last_layer(model); ++i) {
        const WedgeValues top = wedge_surcharge(model, i, false, kSeismicCase);
        double q = kWedgeIterationStart;
        WedgeValues bottom;
        for (int round = 0; round < kWedgeIterationRounds; ++round) {
            for (int r = crown; r <= i; ++r) {
                LandLayerCalc& c = model.land_calc[r];
                const LayerCoefficients k =
                    land_seismic_coefficients(model, input, custom, r, false, q, q);
                if (is_sand(model.land.rows[r])) {
                    c.wedge_angles[i] =
                        round_angle(sand_failure_angle(c.beta, c.phi, c.delta_seismic, c.psi,
                                                       k.theta_bottom, kActive),
                                    kRoundToSeconds);
                } else {
                    const double a_top = round_angle(
                        clay_angle_with_retry(input, c.sigma_top, q, c.cohesion_top, k.theta_top),
                        kRoundToSeconds);
                    const double a_bottom =
                        round_angle(clay_angle_with_retry(input, c.sigma_bottom, q,
                                                          c.cohesion_bottom, k.theta_bottom),
                                    kRoundToSeconds);
                    c.wedge_angles[i] = mean_clay_angle(a_top, a_bottom, zeta_seismic).angle;
                }
            }
            bottom = wedge_surcharge(model, i, true, kSeismicCase);
            const bool settled = std::fabs(q - bottom.surcharge) < kWedgeIterationTolerance;
            q = bottom.surcharge;
            if (settled) break;
        }
        set_wedge_top(model.land_calc[i], top);
        set_wedge_bottom(model.land_calc[i], bottom);
    }
    copy_seabed_wedge(model, input);
}

void seismic_failure_angles(LoadModel& model, const InputRecord& input,
                            const CustomisationValues& custom, int i) {
    LandLayerCalc& c = model.land_calc[i];
    if (is_sand(model.land.rows[i])) {
        c.failure_top = round_angle(
            sand_failure_angle(c.beta, c.phi, c.delta_seismic, c.psi, c.theta_top, kActive),
            kRoundToTenthDegree);
        c.failure_bottom = round_angle(
            sand_failure_angle(c.beta, c.phi, c.delta_seismic, c.psi, c.theta_bottom, kActive),
            kRoundToTenthDegree);
        c.wedge_angle = round_angle(c.failure_bottom, kRoundToSeconds);
        return;
    }
    c.failure_top = round_angle(
        clay_angle_with_retry(input, c.sigma_top, c.surcharge_top, c.cohesion_top, c.theta_top),
        kRoundToSeconds);
    c.failure_bottom = round_angle(clay_angle_with_retry(input, c.sigma_bottom, c.surcharge_bottom,
                                                         c.cohesion_bottom, c.theta_bottom),
                                   kRoundToSeconds);
    const MeanClayAngle mean = mean_clay_angle(c.failure_top, c.failure_bottom,
                                               to_radians(custom.clay_failure_angle_seismic));
    c.wedge_angle = mean.angle;
    c.mean_case = mean.mean_case;
}

void seismic_case_wedges(LoadModel& model, const InputRecord& input,
                         const CustomisationValues& custom, int load_case) {
    if (load_case != kSeismicCase) return;
    seismic_wedge_iteration(model, input, custom);
    for (int i = model.index.ground_crown; i <= last_layer(model); ++i) {
        LandLayerCalc& c = model.land_calc[i];
        const LayerCoefficients k = land_seismic_coefficients(model, input, custom, i, true,
                                                              c.surcharge_top, c.surcharge_bottom);
        c.k_top = k.k_top;
        c.k_bottom = k.k_bottom;
        c.k_kind_top = k.kind_top;
        c.k_kind_bottom = k.kind_bottom;
        c.theta_top = k.theta_top;
        c.theta_bottom = k.theta_bottom;
        seismic_failure_angles(model, input, custom, i);
    }
    sea_seismic_coefficients(model, input, custom);
}

} // namespace wtn
