// A hand-made embankment for the surcharge chapter and figures: ground
// points (0, 3), (0, 5), (40, 5) with the zone edges 2, 10 and 30 in the
// ground table, one fill layer from +5.0 down to the ground-surface top +3.0
// (gamma 18), zones [0, 2] 10 kN/m2 and [10, 30] 20 kN/m2, and the land layer
// 3.00..0.00 whose wedge (60 deg) crosses +3.0 at L = 3 / tan 60 = 1.7321 and
// leaves the fill at X = 1.7321 + 2 / tan 60 = 2.8868.
#pragma once

#include "report_fixture.h"

#include <numbers>

namespace wtn::test {

inline constexpr double kDegree = std::numbers::pi / 180.0;

struct EmbankmentFixture : ReportFixture {
    EmbankmentFixture() {
        EarthPressureReport& r = *report;
        r.input.swdat.ground_shape = GroundShape::Embankment;
        r.input.swdat.surcharge_mode = SurchargeMode::PerLayer;
        r.input.joken.ground_crown = 3.0;
        r.input.surcharges[0] = {0.0, 2.0, 10.0, 5.0};
        r.input.surcharges[1] = {10.0, 30.0, 20.0, 10.0};
        r.input.surcharge_count = 2;
        LoadModel& m = r.model;
        const double ground[][2] = {{0, 3}, {0, 5}, {2, 5}, {10, 5}, {30, 5}, {40, 5}};
        for (const auto& g : ground)
            m.ground[static_cast<std::size_t>(m.ground_count++)] = {g[0], g[1], 0.0, 0.0};
        m.index.ground_crown = 1;
        m.land_count = 4;
        LandLayerCalc& fill = land(0, 5.0, 2.0);
        fill.unit_weight = 18.0;
        LandLayerCalc& a = land(1, 3.0, 3.0);
        a.wedge_angles[1] = 60.0 * kDegree;
        a.crossing_x_bottom = 2.8868;
        a.crossing_z_bottom = 5.0;
        a.wedge_width_bottom = 1.7321;
        a.wedge_load_bottom = 20.0;
        a.wedge_weight_bottom = 83.1402;
        a.surcharge_bottom = 59.5463;
        land(2, 0.0, 30.0);
        m.land_calc[3].top = -30.0;
    }
};

} // namespace wtn::test
