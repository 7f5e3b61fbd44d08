#include "seismic_coefficients.h"

#include "angles.h"
#include "error_messages.h"
#include "load_records.h"
#include "rounding.h"
#include "wall_codes.h"

#include <cmath>

namespace wtn {
namespace {

constexpr double kWaterUnitWeight = 10.0; // of the general formula
constexpr double kSmallestOverburden = 0.00001;

const char* const kAraiYokoiNoWeight = "(ERROR)-見かけの震度(荒井・横井の提案式)の計算で分母が 0.0 "
                                       "になりました.土層の単位体積重量を確認して下さい.";

// Sea-side apparent coefficients are rounded to 0.05 or to 2 decimals.
double round_sea_coefficient(double k, const CustomisationValues& custom) {
    if (custom.apparent_rounding_rule != SeismicRounding::HalfUp)
        return round_dec(2.0 * k, 1) / 2.0;
    return round_dec(k, 2);
}

} // namespace

double seismic_angle(double k) {
    return round_angle(std::atan(k), kRoundToSeconds);
}

double apparent_k_general(double gamma_sat, double k) {
    if (!(gamma_sat > kWaterUnitWeight)) stop_with_error(ErrorCode::BuoyantWeight);
    return gamma_sat / (gamma_sat - kWaterUnitWeight) * k;
}

double apparent_k_niken(double sigma, double h_w, double q, double gamma_sat, bool sea, double k,
                        double water_weight, CrownApparentRule crown_rule) {
    if (sigma < kSmallestOverburden) {
        if (sea || crown_rule == CrownApparentRule::SubmergedFormula)
            return apparent_k_general(gamma_sat, k);
        return k;
    }
    return (sigma + water_weight * h_w + q) / (sigma + q) * k;
}

double apparent_k_arai_yokoi(double s_wet, double s_sat, double s_used, double q, double h,
                             double gamma_sat, double gamma_used, double k) {
    const double denominator = 2.0 * (s_wet + s_used + q) + gamma_used * h;
    if (denominator == 0.0) stop_with_error(kAraiYokoiNoWeight);
    return (2.0 * (s_wet + s_sat + q) + gamma_sat * h) / denominator * k;
}

bool air_at_rwl(const LoadModel& model, const InputRecord& input, int i) {
    return i == model.index.residual_water &&
           input.swdat.residual_level_seismic == LevelSeismicRule::AirBothSides;
}

bool air_at_lwl(const LoadModel& model, const InputRecord& input, int j) {
    return j == model.index.lwl && input.swdat.lwl_seismic == LevelSeismicRule::AirBothSides;
}

bool clay_below_seabed(const LoadModel& model, const InputRecord& input, int i, bool bottom) {
    if (is_sand(model.land.rows[i])) return false;
    const LandLayerCalc& c = model.land_calc[i];
    const double point = bottom ? c.top - c.thickness : c.top;
    const double seabed = input.joken.design_seabed;
    if (!(point < seabed)) return false;
    return point <= seabed - kSeismicFormulaDepth ||
           (bottom &&
            input.swdat.earth_pressure_method == EarthPressureMethod::InterpolatedBelowSeabed);
}

LayerCoefficients land_seismic_coefficients(const LoadModel& model, const InputRecord& input,
                                            const CustomisationValues& custom, int i, bool round_q,
                                            double q_top, double q_bottom) {
    const double k = input.neire.seismic_coefficient;
    const LandLayerCalc& c = model.land_calc[i];
    if (round_q) {
        q_top = round_dec(q_top, 2);
        q_bottom = round_dec(q_bottom, 2);
    }
    LayerCoefficients r;
    if (i < model.index.residual_water) {
        r.k_top = r.k_bottom = k;
    } else {
        r.kind_top = r.kind_bottom = kApparentCoefficient;
        switch (input.neire.apparent_rule) {
        case ApparentSeismicRule::Given:
            r.k_top = r.k_bottom = input.neire.apparent_coefficient;
            break;
        case ApparentSeismicRule::GeneralFormula:
            r.k_top = r.k_bottom = round_dec(apparent_k_general(c.saturated_weight, k), 4);
            break;
        case ApparentSeismicRule::Niken: {
            const double w = input.joken.water_weight;
            const auto rule = custom.apparent_crown_rule;
            r.k_top = round_dec(apparent_k_niken(c.sigma_top, c.water_height_top, q_top,
                                                 c.saturated_weight, false, k, w, rule),
                                4);
            r.k_bottom = round_dec(apparent_k_niken(c.sigma_bottom, c.water_height_bottom, q_bottom,
                                                    c.saturated_weight, false, k, w, rule),
                                   4);
            break;
        }
        case ApparentSeismicRule::AraiYokoi:
            r.k_bottom = round_dec(apparent_k_arai_yokoi(c.wet_overburden, c.saturated_overburden,
                                                         c.used_overburden, q_bottom, c.thickness,
                                                         c.saturated_weight, c.unit_weight, k),
                                   4);
            r.k_top = r.k_bottom;
            break;
        default:
            break;
        }
    }
    if (air_at_rwl(model, input, i)) {
        r.k_top = k;
        r.kind_top = kCoefficientInAir;
    }
    if (clay_below_seabed(model, input, i, false)) r.k_top = 0.0;
    if (clay_below_seabed(model, input, i, true)) r.k_bottom = 0.0;
    r.theta_top = seismic_angle(r.k_top);
    r.theta_bottom = seismic_angle(r.k_bottom);
    return r;
}

void sea_seismic_coefficients(LoadModel& model, const InputRecord& input,
                              const CustomisationValues& custom) {
    const double k = input.neire.seismic_coefficient;
    const double w = input.joken.water_weight;
    for (int j = model.index.sea_seabed; j >= 0 && j + 1 < model.sea_count; ++j) {
        SeaLayerCalc& c = model.sea_calc[j];
        if (j < model.index.lwl) {
            c.k_top = c.k_bottom = k;
        } else {
            switch (input.neire.apparent_rule) {
            case ApparentSeismicRule::Given:
                c.k_top = c.k_bottom = input.neire.apparent_coefficient;
                break;
            case ApparentSeismicRule::GeneralFormula:
                c.k_top = c.k_bottom =
                    round_sea_coefficient(apparent_k_general(c.saturated_weight, k), custom);
                break;
            case ApparentSeismicRule::Niken:
                c.k_top = round_sea_coefficient(
                    apparent_k_niken(c.sigma_top, c.water_height_top, 0.0, c.saturated_weight, true,
                                     k, w, CrownApparentRule::SubmergedFormula),
                    custom);
                c.k_bottom = round_sea_coefficient(
                    apparent_k_niken(c.sigma_bottom, c.water_height_bottom, 0.0, c.saturated_weight,
                                     true, k, w, CrownApparentRule::SubmergedFormula),
                    custom);
                break;
            case ApparentSeismicRule::AraiYokoi:
                c.k_top = c.k_bottom = round_sea_coefficient(
                    apparent_k_arai_yokoi(c.wet_overburden, c.saturated_overburden,
                                          c.used_overburden, 0.0, c.thickness, c.saturated_weight,
                                          c.unit_weight, k),
                    custom);
                break;
            default:
                break;
            }
        }
        if (air_at_lwl(model, input, j)) c.k_top = k;
        c.theta_top = round_angle(seismic_angle(c.k_top), kRoundToTenthDegree);
        c.theta_bottom = round_angle(seismic_angle(c.k_bottom), kRoundToTenthDegree);
    }
}

} // namespace wtn
