// The per-layer calculation records of both sides, from the finished tables:
// geometry, unit weights, angles in radians, overburden, the water heights
// and the partial overburden sums that the apparent seismic coefficients use.
#include "layer_model.h"

#include "angles.h"
#include "error_messages.h"
#include "rounding.h"
#include "wall_codes.h"

#include <algorithm>

namespace wtn {
namespace {

// Weight of one row's soil column, rounded as every overburden step is.
double column_weight(double thickness, double unit_weight) {
    return round_dec(thickness * unit_weight, 3);
}

// The overburden sums of the apparent seismic coefficients, for the rows from
// top_row down: the wet overburden above the water row, and for each row at or
// below it the saturated and the used overburden of the submerged rows above
// it and its water heights below the reference level (top and bottom).
template <class Calc>
void fill_water_sums(std::array<Calc, kLayerRoom>& calc, int top_row, int water_row, int count,
                     double reference) {
    double wet = 0.0;
    for (int r = top_row; r < water_row; ++r)
        wet += column_weight(calc[r].thickness, calc[r].unit_weight);
    const int first_wet_row = std::max(water_row, top_row);
    double saturated = 0.0;
    double used = 0.0;
    for (int i = first_wet_row; i + 1 < count; ++i) {
        Calc& c = calc[i];
        c.water_height_top = reference - c.top;
        c.water_height_bottom = reference - (c.top - c.thickness);
        c.wet_overburden = wet;
        c.saturated_overburden = saturated;
        c.used_overburden = used;
        saturated += column_weight(c.thickness, c.saturated_weight);
        used += column_weight(c.thickness, c.unit_weight);
    }
}

// The angles of one side, in degrees: the ground surface or design seabed,
// and the wall friction of the normal and the seismic case.
struct SideAngles {
    double beta = 0.0;
    double delta_normal = 0.0;
    double delta_seismic = 0.0;
};

// The values both sides' records of row i start with: geometry, the unit
// weight used (wet above water_row, submerged from it on), the angles in
// radians and the cohesion.
template <class Calc>
void fill_layer_head(Calc& c, const LayerTable& t, int i, int water_row, const SideAngles& angles,
                     double wall_angle) {
    const SoilLayerRow& row = t.rows[i];
    c.top = row.top;
    c.thickness = row.top - t.rows[i + 1].top;
    c.unit_weight = i < water_row ? row.wet_weight : row.submerged_weight;
    c.saturated_weight = row.saturated_weight;
    c.beta = to_radians(angles.beta);
    c.phi = to_radians(row.friction_angle);
    c.delta_normal = to_radians(angles.delta_normal);
    c.delta_seismic = to_radians(angles.delta_seismic);
    c.psi = to_radians(wall_angle);
    c.cohesion_top = row.cohesion_top;
    c.cohesion_bottom = row.cohesion_bottom;
}

// Overburden from top_row down; rows above it, and every row when top_row is
// -1, carry none.
template <class Calc>
void fill_overburden(std::array<Calc, kLayerRoom>& calc, int top_row, int count) {
    double sigma = 0.0;
    for (int i = std::max(top_row, 0); i + 1 < count && top_row >= 0; ++i) {
        Calc& c = calc[i];
        c.sigma_top = sigma;
        c.sigma_bottom = sigma + column_weight(c.thickness, c.unit_weight);
        sigma = c.sigma_bottom;
    }
}

void land_records(const InputRecord& input, const CustomisationValues& custom, LoadModel& m) {
    const LayerTable& t = m.land;
    const int rw = m.index.residual_water;
    const int crown = m.index.ground_crown;
    const double seabed = input.joken.design_seabed;
    const double minus10 = seabed - kSeismicFormulaDepth;
    const double z_ref = input.tjkn1.cohesion_ref_level;
    const SideAngles angles{input.joken.ground_angle, input.add_1.normal_active,
                            input.add_1.seismic_active};
    for (int i = 0; i + 1 < t.count; ++i) {
        LandLayerCalc& c = m.land_calc[i];
        fill_layer_head(c, t, i, rw, angles, custom.wall_angle);
        c.failure_top = 0.0;
        c.failure_bottom = 0.0;
        c.mean_case = -1;
    }

    // Overburden from the ground-surface crown down.
    fill_overburden(m.land_calc, crown, t.count);

    // Clay within 10 m below the seabed: its values at the seabed minus 10 m,
    // where the interpolation method reads the bottom intensity.
    for (int i = 0; i + 1 < t.count; ++i) {
        LandLayerCalc& c = m.land_calc[i];
        if (is_sand(t.rows[i]) || !(c.top <= seabed && c.top > minus10)) continue;
        c.sigma_clay_top = c.sigma_top;
        c.sigma_minus10 = c.sigma_top + column_weight(c.top - minus10, c.unit_weight);
        const double cohesion = cohesion_at(t.rows[i], z_ref, minus10);
        if (cohesion < 0.0) stop_with_error(ErrorCode::NegativeCohesion);
        c.cohesion_minus10 = round_dec(cohesion, 3);
    }

    // Water heights and partial sums below both the residual water level and
    // the crown. With the crown at or above the water, the customisation may
    // take the crown as the water level.
    if (rw >= 0 && crown >= 0) {
        double reference = input.joken.residual_level;
        if (crown <= rw && custom.apparent_land_depth_rule == LandDepthOrigin::FirstLayerTop)
            reference = t.rows[crown].top;
        fill_water_sums(m.land_calc, crown, rw, t.count, reference);
    }
    m.land_calc[t.count - 1].top = t.rows[t.count - 1].top;
    m.land_count = t.count;
}

void sea_records(const InputRecord& input, const CustomisationValues& custom, LoadModel& m) {
    const LayerTable& t = m.sea;
    const int lwl = m.index.lwl;
    const int seabed = m.index.sea_seabed;
    const SideAngles angles{input.joken.seabed_angle, input.add_1.normal_passive,
                            input.add_1.seismic_passive};
    for (int i = 0; i + 1 < t.count; ++i) {
        const SoilLayerRow& row = t.rows[i];
        SeaLayerCalc& c = m.sea_calc[i];
        fill_layer_head(c, t, i, lwl, angles, custom.wall_angle);
        c.resistance_option = to_file_value(row.resistance_option);
        c.n_value = row.n_value;
        c.n_from_cohesion = row.n_from_cohesion;
        c.kh = row.kh;
    }
    // Overburden from the design seabed down, 0 above it.
    fill_overburden(m.sea_calc, seabed, t.count);
    if (seabed >= 0) {
        // An L.W.L. outside the sea-side layers lies above them: every row is
        // submerged. With the seabed at or above the L.W.L., the customisation
        // may take the seabed as the front water level.
        double reference = input.joken.lwl;
        if (lwl >= 0 && seabed <= lwl &&
            custom.apparent_sea_depth_rule == SeaDepthOrigin::DesignSeabed)
            reference = t.rows[seabed].top;
        fill_water_sums(m.sea_calc, seabed, lwl, t.count, reference);
    }
    m.sea_calc[t.count - 1].top = t.rows[t.count - 1].top;
    m.sea_count = t.count;
}

} // namespace

void build_layer_calc(const InputRecord& input, const CustomisationValues& custom,
                      LoadModel& model) {
    land_records(input, custom, model);
    sea_records(input, custom, model);
}

} // namespace wtn
