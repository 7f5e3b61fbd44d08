#include "dynamic_water.h"

#include "error_messages.h"
#include "net_forces.h"
#include "rounding.h"

#include <cmath>
#include <cstdio>

namespace wtn {
namespace {

constexpr double kSevenTwelfths = 0.5833333333333334;
constexpr double kSevenEighths = 0.875;
constexpr double kResultantHeight = 0.4;
constexpr double kStepRemainder = 0.001; // a last part thinner than this adds no point

} // namespace

void dynamic_water_pressure(const InputRecord& input, int c, double virtual_seabed,
                            double& force_total, double& moment_total, DynamicWaterData& data,
                            DynamicWaterSegments& segments, DynamicWaterTotals& totals) {
    if (!has_dynamic_water_lines(input, c)) return;
    const double lwl = input.joken.lwl;
    const double seabed = input.joken.design_seabed;
    const double crown = input.tjkn1.superstructure_crown;
    const double h = lwl - seabed;
    const double hw = crown - seabed;
    const double k = input.neire.seismic_coefficient;
    const double w = input.joken.water_weight;
    if (h > kMaxDynamicWaterDepth) {
        char text[160];
        std::snprintf(text, sizeof text,
                      "(ERROR)-動水圧を計算する水深(%.3f m)が上限(%.1f m)を超えています.", h,
                      kMaxDynamicWaterDepth);
        stop_with_error(text);
    }

    data.above_crown = h >= hw ? 1 : 0;
    if (data.above_crown == 1) {
        const double above = h - hw;
        data.crown_force =
            round_dec(kSevenTwelfths * k * w * std::sqrt(h) * std::pow(above, 1.5), 3);
        data.crown_height = round_dec(kResultantHeight * above, 3);
        data.crown_moment =
            round_dec((data.crown_height + hw + seabed - virtual_seabed) * data.crown_force, 3);
        force_total -= data.crown_force;
        moment_total -= data.crown_moment;
    }
    data.force = round_dec(kSevenTwelfths * k * w * std::sqrt(h) * std::pow(h, 1.5), 3);
    data.height = round_dec(kResultantHeight * h, 3);
    data.moment = round_dec((seabed - virtual_seabed + data.height) * data.force, 3);
    force_total += data.force;
    moment_total += data.moment;
    data.seabed_pressure = round_dec(std::sqrt(h * h) * kSevenEighths * k * w, 3);

    // Points every 0.5 m below the surface (below the crown when the water
    // stands above it), with a last point at the seabed.
    double reach = h;
    double y = 0.0;
    data.start_level = lwl;
    if (data.above_crown == 1) {
        data.start_level = crown;
        reach = hw;
        y = h - hw;
    }
    int n = static_cast<int>(std::floor(reach / kDynamicWaterStep));
    if (reach - n * kDynamicWaterStep > kStepRemainder) ++n;
    if (n > 0) ++n;
    if (n > kDynamicWaterPointRoom) stop_table_full("動水圧分布", kDynamicWaterPointRoom);
    data.step = kDynamicWaterStep;
    data.point_count = n;
    for (int i = 0; i < n; ++i) {
        data.depth[i] = y;
        data.pressure[i] = round_dec(std::sqrt(h * y) * kSevenEighths * k * w, 3);
        y = y + kDynamicWaterStep > h ? h : y + kDynamicWaterStep;
    }

    SegmentSums sums;
    segments.count = 0;
    SegmentSink sink(segments, "動水圧の分割", sums);
    double z_top = data.start_level;
    for (int i = 1; i < n; ++i) {
        const double stepped = data.start_level - i * kDynamicWaterStep;
        const double z_bottom = stepped > seabed ? stepped : seabed;
        sink.add_trapezoid(data.pressure[i - 1], data.pressure[i], z_top, z_bottom, virtual_seabed);
        z_top = z_bottom;
    }
    data.segment_count = segments.count;
    add_segment_sums(totals, c, sums);
}

} // namespace wtn
