#include "net_forces.h"

#include "error_messages.h"
#include "rounding.h"

#include <algorithm>

namespace wtn {
namespace {

constexpr const char* kActiveSplitName = "外力計算用主働側分布";
constexpr const char* kPassiveSplitName = "外力計算用受働側分布";
constexpr const char* kNetName = "外力計算用分布";
constexpr const char* kNetSegmentName = "土圧・残留水圧の分割";

// First candidate strictly between the two levels, -1 when none.
int candidate_inside(const VirtualSeabedState& seabed, double upper, double lower) {
    for (int n = 0; n < seabed.candidate_count; ++n) {
        const double z = seabed.data.candidate_level[n];
        if (upper > z && z > lower) return n;
    }
    return -1;
}

template <class Row, class Top, class Bottom>
void split_table(const RowTable<Row, kDiagramRowRoom>& rows, int first, Top top, Bottom bottom,
                 const VirtualSeabedState& seabed, DiagramTable& out, const char* name) {
    out.count = 0;
    for (int i = first; i + 1 < rows.count; ++i) {
        append_row(out, DiagramRow{rows[i].level, top(rows[i]), 0.0}, name);
        const int n = candidate_inside(seabed, rows[i].level, rows[i + 1].level);
        if (n >= 0) {
            const double value = seabed.data.candidate_passive[n];
            out.back().bottom = value;
            append_row(out, DiagramRow{seabed.data.candidate_level[n], value, 0.0}, name);
        }
        out.back().bottom = bottom(rows[i]);
    }
    if (rows.count > first) {
        const Row& last = rows[rows.count - 1];
        append_row(out, DiagramRow{last.level, top(last), bottom(last)}, name);
    }
}

} // namespace

void split_at_candidates(const MergedDiagram& diagram, const VirtualSeabedState& seabed,
                         NetPressure& net) {
    split_table(
        diagram.rows, 0, [](const PressureRow& r) { return r.total_top(); },
        [](const PressureRow& r) { return r.total_bottom(); }, seabed, net.active_split,
        kActiveSplitName);
    split_table(
        diagram.passive, diagram.passive_start, [](const DiagramRow& r) { return r.top; },
        [](const DiagramRow& r) { return r.bottom; }, seabed, net.passive_split, kPassiveSplitName);
    // The candidates lie below the seabed, so both tables gain the same rows
    // there and still stand at the same levels from the seabed row on.
    if (net.active_split.count - diagram.seabed_row != net.passive_split.count) {
        stop_with_error("(ERROR)-外力計算用の主働側と受働側の分布の行が一致しません.");
    }
}

void net_pressure_table(const MergedDiagram& diagram, NetPressure& net) {
    net.net.count = 0;
    int j = 0;
    for (int i = 0; i < net.active_split.count; ++i) {
        const DiagramRow& a = net.active_split[i];
        double pt = 0.0;
        double pb = 0.0;
        if (i >= diagram.seabed_row && j < net.passive_split.count) {
            pt = net.passive_split[j].top;
            pb = net.passive_split[j].bottom;
            ++j;
        }
        pt = std::min(pt, a.top);
        pb = std::min(pb, a.bottom);
        append_row(net.net, DiagramRow{a.level, a.top - pt, a.bottom - pb}, kNetName);
    }
}

void other_force_moments(const InputRecord& input, int c, double virtual_seabed, NetPressure& net,
                         ForceTotals& totals) {
    totals.force[c] = 0.0;
    totals.moment[c] = 0.0;
    const auto& rows = c == 0 ? input.forces_normal : input.forces_seismic;
    const int count =
        std::min(c == 0 ? input.force_normal_count : input.force_seismic_count, kOtherForceRoom);
    for (int i = 0; i < count; ++i) {
        const double arm = rows[i].height - virtual_seabed;
        const double moment = round_dec(rows[i].force * arm, 3);
        net.other[i] = OtherForceMoment{moment, arm};
        totals.force[c] += rows[i].force;
        totals.moment[c] += moment;
    }
}

double lever_arm_of(double moment, double force) {
    if (force == 0.0) return 0.0;
    return round_dec(moment / force, 3);
}

void net_pressure_forces(int c, double virtual_seabed, NetPressure& net, ForceTotals& totals) {
    SegmentSums sums;
    net.segments.count = 0;
    SegmentSink sink(net.segments, kNetSegmentName, sums);
    const DiagramTable& rows = net.net;
    for (int i = 0; i + 1 < rows.count; ++i) {
        double bottom_value = rows[i].bottom;
        double bottom_level = rows[i + 1].level;
        // The net pressure is 0 at the virtual seabed.
        if (virtual_seabed > bottom_level) {
            bottom_value = 0.0;
            bottom_level = virtual_seabed;
        }
        sink.add_trapezoid(rows[i].top, bottom_value, rows[i].level, bottom_level, virtual_seabed);
        if (virtual_seabed >= rows[i + 1].level) break;
    }
    add_segment_sums(totals, c, sums);
}

} // namespace wtn
