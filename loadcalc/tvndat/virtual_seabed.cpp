#include "virtual_seabed.h"

#include "error_messages.h"
#include "rounding.h"

#include <algorithm>
#include <cmath>

namespace wtn {
namespace {

// First row at or below z, or count when none.
template <class Table> int first_row_at_or_below(const Table& rows, double z) {
    int r = 0;
    while (r < rows.count && rows[r].level > z)
        ++r;
    return r;
}

struct RowsAround {
    int row = -1; // row at or above z
    double above = 0.0;
    double below = 0.0;
};

template <class Table> RowsAround rows_around(const Table& rows, double z) {
    const int r = std::min(first_row_at_or_below(rows, z), rows.count - 1);
    if (std::fabs(rows[r].level - z) < kLevelTolerance || r == 0)
        return {r, rows[r].level, rows[r].level};
    return {r - 1, rows[r - 1].level, rows[r].level};
}

} // namespace

bool crossing_in_segment(double z, double dz, const double active[2], const double passive[2],
                         Crossing& out) {
    const double d0 = passive[0] - active[0];
    const double d1 = passive[1] - active[1];
    if ((d0 < 0.0 && d1 < 0.0) || (d0 > 0.0 && d1 > 0.0)) return false;
    double level = z;
    double value = 0.0;
    if (dz == 0.0) {
        value = std::max(passive[0], passive[1]);
    } else if (d0 == d1) {
        // Both ends balance, so the lines coincide over the stretch: the
        // balance is first reached at its top.
        value = passive[0];
    } else {
        level = z - dz * d0 / (d0 - d1);
        value = (passive[1] - passive[0]) * (z - level) / dz + passive[0];
    }
    out.level = round_dec(level, 3);
    out.passive = round_dec(value, 3);
    return true;
}

void find_virtual_seabed(const MergedDiagram& diagram, VirtualSeabedState& state) {
    const PressureRowTable& rows = diagram.rows;
    const DiagramTable& passive = diagram.passive;
    state.candidate_count = 0;
    int i = diagram.seabed_row;
    int j = diagram.passive_start;
    // The seabed boundary: no passive pressure above it.
    double z = rows[i].level;
    double dz = 0.0;
    double a[2] = {i > 0 ? rows[i - 1].total_bottom() : rows[i].total_top(), rows[i].total_top()};
    double p[2] = {0.0, passive[j].top};
    bool at_boundary = true;
    while (true) {
        Crossing crossing;
        if (crossing_in_segment(z, dz, a, p, crossing)) {
            if (state.candidate_count >= kCandidateRoom) {
                stop_with_error("(ERROR)-仮想海底面の候補が10を超えました.");
            }
            state.data.candidate_level[state.candidate_count] = crossing.level;
            state.data.candidate_passive[state.candidate_count] = crossing.passive;
            ++state.candidate_count;
        }
        if (!at_boundary) {
            ++i;
            ++j;
        }
        if (i >= rows.count - 1 || j >= passive.count - 1) break;
        z = rows[i].level;
        a[0] = a[1];
        p[0] = p[1];
        if (at_boundary) {
            dz = rows[i].level - rows[i + 1].level;
            a[1] = rows[i].total_bottom();
            p[1] = passive[j].bottom;
        } else {
            dz = 0.0;
            a[1] = rows[i].total_top();
            p[1] = passive[j].top;
        }
        at_boundary = !at_boundary;
    }
    if (state.candidate_count == 0) {
        stop_with_error("全土層が[受働(土圧)強度＜主働(土圧+水圧)強度]"
                        "となり、仮想海底面が検出できませんでした．");
    }
}

void set_virtual_seabed(const MergedDiagram& diagram, int c, int index, VirtualSeabedState& state) {
    VirtualSeabedData& d = state.data;
    const double zv = d.candidate_level[index];
    d.level[c] = zv;
    d.passive[c] = d.candidate_passive[index];
    d.chosen[index] = 1;

    const RowsAround merged = rows_around(diagram.rows, zv);
    const RowsAround passive = rows_around(diagram.passive, zv);
    state.merged_row[c] = merged.row;
    state.passive_row[c] = passive.row;
    d.boundary_above[c] = std::min(merged.above, passive.above);
    d.boundary_below[c] = std::max(merged.below, passive.below);

    // Values just above and just below: the segment that holds the virtual
    // seabed, or the two sides of the row it lies on.
    const PressureRowTable& rows = diagram.rows;
    const int r = std::min(first_row_at_or_below(rows, zv), rows.count - 1);
    const int ra = r > 0 ? r - 1 : r;
    if (rows[r].level != zv) {
        d.active_above[c] = rows[ra].total_top();
        d.active_below[c] = rows[ra].total_bottom();
    } else {
        d.active_above[c] = r > 0 ? rows[ra].total_bottom() : rows[r].total_top();
        d.active_below[c] = rows[r].total_top();
    }
    const DiagramTable& pass = diagram.passive;
    const int s = std::min(first_row_at_or_below(pass, zv), pass.count - 1);
    const int sa = s > 0 ? s - 1 : s;
    if (pass[s].level != zv) {
        d.passive_above[c] = pass[sa].top;
        d.passive_below[c] = pass[sa].bottom;
    } else {
        d.passive_above[c] = s > 0 ? pass[sa].bottom : 0.0;
        d.passive_below[c] = pass[s].top;
    }
}

} // namespace wtn
