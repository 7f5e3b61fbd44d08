// The ground-surface table of the embankment shape.
#include "layer_model.h"

#include "error_messages.h"

#include <cmath>
#include <cstdio>

namespace wtn {
namespace {

[[noreturn]] void stop_ground_table_full() {
    char text[160];
    std::snprintf(text, sizeof text,
                  "(ERROR)-地表面形状の点数が多すぎます."
                  "壁位置・地表面の点・上載荷重の境界・ダミー点を合わせて%d点までです.",
                  kGroundRoom);
    stop_with_error(text);
}

void append_row(LoadModel& model, double distance, double level) {
    if (model.ground_count >= kGroundRoom) stop_ground_table_full();
    model.ground[model.ground_count] = GroundRow{distance, level, 0.0, 0.0};
    ++model.ground_count;
}

// Level at distance x on the line through a and b; horizontal when the two
// share a distance.
double level_on_line(const GroundRow& a, const GroundRow& b, double x) {
    if (b.distance == a.distance) return b.level;
    return a.level + (b.level - a.level) * (x - a.distance) / (b.distance - a.distance);
}

} // namespace

void build_ground_table(const InputRecord& input, LoadModel& model) {
    model.ground_count = 0;
    append_row(model, 0.0, input.joken.ground_crown);
    GroundRow previous = model.ground[0];
    const int zones = input.surcharge_count;
    for (int p = 0; p < input.ground_point_count; ++p) {
        const GroundRow point{input.ground_points[p].distance, input.ground_points[p].level, 0.0,
                              0.0};
        if (std::fabs(point.distance - previous.distance) < kBoundaryTolerance &&
            std::fabs(point.level - previous.level) < kBoundaryTolerance) {
            continue;
        }
        for (int z = 0; z < zones; ++z) {
            for (double edge : {input.surcharges[z].start, input.surcharges[z].end}) {
                if (previous.distance < edge && edge < point.distance) {
                    append_row(model, edge, level_on_line(previous, point, edge));
                    previous = model.ground[model.ground_count - 1];
                }
            }
        }
        append_row(model, point.distance, point.level);
        previous = point;
    }
    // Zone edges beyond the last ground point lie on the extension of the last
    // segment; with the wall row alone the ground continues level.
    const GroundRow last = model.ground[model.ground_count - 1];
    const GroundRow before = model.ground_count >= 2 ? model.ground[model.ground_count - 2] : last;
    for (int z = 0; z < zones; ++z) {
        for (double edge : {input.surcharges[z].start, input.surcharges[z].end}) {
            if (edge > model.ground[model.ground_count - 1].distance)
                append_row(model, edge, level_on_line(before, last, edge));
        }
    }
    for (int z = 0; z < zones; ++z) {
        const SurchargeRow& zone = input.surcharges[z];
        for (int r = 0; r < model.ground_count; ++r) {
            GroundRow& row = model.ground[r];
            if (zone.start <= row.distance && row.distance < zone.end) {
                row.surcharge_normal = zone.normal;
                row.surcharge_seismic = zone.seismic;
            }
        }
    }
}

void extend_ground_table(const CustomisationValues& custom, LoadModel& model) {
    const GroundRow last = model.ground[model.ground_count - 1];
    append_row(model, last.distance + custom.ground_dummy_length, last.level);
}

} // namespace wtn
