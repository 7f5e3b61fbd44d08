#include "trial_wedge.h"

#include "error_messages.h"
#include "rounding.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace wtn {
namespace {

const char* const kFlatSlipLine =
    "(ERROR)-崩壊角が 0.0 "
    "度になり、すべり線が地表面と交わりません.土層・地表面の条件を確認して下さい.";
const char* const kTooManyRowsAboveCrown =
    "(ERROR)-地表面天端より上の層(盛土、水位・上部工天端による分割を含む)が5層を超えています.";

// tan of a wedge angle; a flat slip line never reaches the ground surface.
double slope_of(double angle) {
    const double t = std::tan(angle);
    if (!(t > 0.0)) stop_with_error(kFlatSlipLine);
    return t;
}

} // namespace

WedgeSoil wedge_soil_weight(const LoadModel& model, int i, double x_crown, double z_crown) {
    WedgeSoil r;
    const LayerTable& t = model.land;
    const int crown = model.index.ground_crown;
    if (z_crown == t.rows[0].top) {
        r.crossing = {x_crown, z_crown};
        return r;
    }
    if (crown > kWedgeLabelRoom) stop_with_error(kTooManyRowsAboveCrown);

    const double top = t.rows[0].top;
    const Point2 start{x_crown, z_crown};
    const Point2 end{x_crown + (top - z_crown) / slope_of(model.land_calc[crown].wedge_angles[i]),
                     top};
    int segment = -1;
    for (int g = 0; g + 1 < model.ground_count; ++g) {
        const Point2 a{model.ground[g].distance, model.ground[g].level};
        const Point2 b{model.ground[g + 1].distance, model.ground[g + 1].level};
        const SegmentCrossing c = segment_intersection(start, end, a, b);
        if (c.code == kCrossingInsideBoth) {
            r.crossing = c.point;
            segment = g;
            break;
        }
    }
    if (segment < 0) stop_with_error(ErrorCode::NoGroundCrossing);

    std::vector<Point2> polygon;
    for (int g = 0; g <= segment; ++g)
        polygon.push_back({model.ground[g].distance, model.ground[g].level});
    polygon.push_back(r.crossing);
    polygon.push_back(start);
    const double reach = cut_length(polygon);

    int label = 0;
    for (int h = crown - 1; h >= 0; --h) {
        const double upper = t.rows[h].top;
        const double lower = t.rows[h + 1].top;
        cut_polygon(polygon, upper, reach);
        std::vector<double> xs, zs;
        for (const Point2& p : vertices_between(polygon, upper, lower)) {
            xs.push_back(p.x);
            zs.push_back(p.z);
        }
        const PolygonArea part =
            polygon_area_centroid(xs.data(), zs.data(), static_cast<int>(xs.size()));
        r.weight += round_dec(part.area * model.land_calc[h].unit_weight, 4);
        r.label_x[label] = part.label.x;
        r.label_z[label] = part.label.z;
        ++label;
    }
    return r;
}

WedgeValues wedge_surcharge(LoadModel& model, int i, bool bottom, int load_case) {
    const int crown = model.index.ground_crown;
    auto surcharge_of = [&](const GroundRow& row) {
        return load_case == kNormalCase ? row.surcharge_normal : row.surcharge_seismic;
    };
    WedgeValues v;
    if (!bottom) {
        if (i != crown) return wedge_bottom_of(model.land_calc[i - 1]);
        const double crown_level = model.land.rows[crown].top;
        for (int g = 0; g < model.ground_count; ++g) {
            if (model.ground[g].distance == 0.0 && model.ground[g].level == crown_level) {
                v.load = v.surcharge = surcharge_of(model.ground[g]);
                break;
            }
        }
        return v;
    }

    double x = 0.0;
    for (int j = crown; j <= i; ++j) {
        const LandLayerCalc& c = model.land_calc[j];
        x += c.thickness / slope_of(c.wedge_angles[i]);
    }
    v.width = round_dec(x, 4);
    const double z = round_dec(model.land.rows[crown].top, 4);

    const WedgeSoil soil = wedge_soil_weight(model, i, v.width, z);
    v.weight = soil.weight;
    v.crossing_x = soil.crossing.x;
    v.crossing_z = soil.crossing.z;
    model.land_calc[i].label_x = soil.label_x;
    model.land_calc[i].label_z = soil.label_z;

    // Surcharge on the ground from the wall out to the crossing.
    for (int g = 0; g + 1 < model.ground_count; ++g) {
        const GroundRow& row = model.ground[g];
        const double next = model.ground[g + 1].distance;
        if (row.distance <= v.crossing_x && v.crossing_x < next) {
            v.load += round_dec(surcharge_of(row) * (v.crossing_x - row.distance), 4);
            break;
        }
        v.load += round_dec(surcharge_of(row) * (next - row.distance), 4);
    }
    v.surcharge = round_dec((v.weight + v.load) / v.width, 4);
    return v;
}

void set_wedge_top(LandLayerCalc& c, const WedgeValues& v) {
    c.wedge_load_top = v.load;
    c.wedge_weight_top = v.weight;
    c.wedge_width_top = v.width;
    c.crossing_x_top = v.crossing_x;
    c.crossing_z_top = v.crossing_z;
    c.surcharge_top = v.surcharge;
}

void set_wedge_bottom(LandLayerCalc& c, const WedgeValues& v) {
    c.wedge_load_bottom = v.load;
    c.wedge_weight_bottom = v.weight;
    c.wedge_width_bottom = v.width;
    c.crossing_x_bottom = v.crossing_x;
    c.crossing_z_bottom = v.crossing_z;
    c.surcharge_bottom = v.surcharge;
}

WedgeValues wedge_bottom_of(const LandLayerCalc& c) {
    return {c.wedge_load_bottom, c.wedge_weight_bottom, c.wedge_width_bottom,
            c.crossing_x_bottom, c.crossing_z_bottom,   c.surcharge_bottom};
}

} // namespace wtn
