#include "pressure_diagram.h"

#include "error_messages.h"
#include "rounding.h"

#include <cmath>

namespace wtn {
namespace {

constexpr const char* kMergedTableName = "土圧分布";
constexpr const char* kPassiveTableName = "受働土圧分布";

// Row i whose segment holds z, or -1.
template <class Table> int row_holding(const Table& rows, double z) {
    for (int i = 0; i + 1 < rows.count; ++i) {
        if (rows[i].level >= z && z >= rows[i + 1].level) return i;
    }
    return -1;
}

template <class Table> bool near_segment_end(const Table& rows, int i, double z, double tolerance) {
    return std::fabs(rows[i].level - z) < tolerance || std::fabs(rows[i + 1].level - z) < tolerance;
}

// Splits the row whose segment holds z at z: the new row takes the row's
// values with the value (top, bottom) interpolated at z.
template <class Table, class Row>
bool insert_level(Table& rows, double z, double tolerance, double Row::*top, double Row::*bottom,
                  const char* table_name) {
    const int i = row_holding(rows, z);
    if (i < 0 || near_segment_end(rows, i, z, tolerance)) return false;
    const double v =
        value_on_segment(rows[i].level, rows[i].*top, rows[i + 1].level, rows[i].*bottom, z);
    open_row_at(rows, i + 1, table_name);
    rows[i + 1] = rows[i];
    rows[i + 1].level = z;
    rows[i + 1].*top = v;
    rows[i].*bottom = v;
    return true;
}

} // namespace

double value_on_segment(double top_level, double top_value, double bottom_level,
                        double bottom_value, double z) {
    const double height = top_level - bottom_level;
    if (height == 0.0) return top_value;
    return round_dec(top_value + (bottom_value - top_value) * (top_level - z) / height, 3);
}

int cut_longer_segment(Segment& land, Segment& sea) {
    if (land.bottom_level > sea.bottom_level) {
        sea.bottom_value = value_on_segment(sea.top_level, sea.top_value, sea.bottom_level,
                                            sea.bottom_value, land.bottom_level);
        sea.bottom_level = land.bottom_level;
        return kCutSea;
    }
    if (land.bottom_level == sea.bottom_level) return kCutNone;
    land.bottom_value = value_on_segment(land.top_level, land.top_value, land.bottom_level,
                                         land.bottom_value, sea.bottom_level);
    land.bottom_level = sea.bottom_level;
    return kCutLand;
}

bool insert_diagram_level(PressureRowTable& rows, double z, double tolerance) {
    return insert_level(rows, z, tolerance, &PressureRow::active_top, &PressureRow::active_bottom,
                        kMergedTableName);
}

bool insert_passive_level(DiagramTable& rows, double z, double tolerance) {
    return insert_level(rows, z, tolerance, &DiagramRow::top, &DiagramRow::bottom,
                        kPassiveTableName);
}

int find_row_at_level(const PressureRowTable& rows, double z, double tolerance) {
    for (int i = 0; i < rows.count; ++i) {
        if (std::fabs(rows[i].level - z) < tolerance) return i;
    }
    return -1;
}

void merge_pressure_diagram(std::span<const BoundaryPressure> land, int crown_index,
                            std::span<const BoundaryPressure> sea, int sea_seabed_index,
                            double design_seabed, double lwl,
                            std::span<const double> zero_pressure_levels, MergedDiagram& diagram) {
    diagram.rows.count = 0;
    diagram.passive.count = 0;
    diagram.seabed_row = -1;
    diagram.passive_start = 0;
    const int land_last = static_cast<int>(land.size()) - 1;
    const int sea_last = static_cast<int>(sea.size()) - 1;
    if (crown_index < 0 || crown_index >= land_last || sea_seabed_index < 0 ||
        sea_seabed_index >= sea_last) {
        stop_with_error("(ERROR)-土圧分布の作成に必要な境界位置がありません.");
    }

    // Land rows that end at or above the seabed need no passive counterpart.
    int i = crown_index;
    while (i < land_last && land[i + 1].level >= design_seabed) {
        append_row(diagram.rows, PressureRow{land[i].level, land[i].top, land[i].bottom, 0.0, 0.0},
                   kMergedTableName);
        ++i;
    }

    // Below, walk both sides together and cut the longer segment at the
    // shorter's bottom, so each pair of rows covers the same stretch.
    int j = sea_seabed_index;
    if (i < land_last) {
        Segment l{land[i].level, land[i + 1].level, land[i].top, land[i].bottom};
        Segment s{sea[j].level, sea[j + 1].level, sea[j].top, sea[j].bottom};
        while (true) {
            const int cut = cut_longer_segment(l, s);
            append_row(diagram.rows,
                       PressureRow{l.top_level, l.top_value, l.bottom_value, 0.0, 0.0},
                       kMergedTableName);
            append_row(diagram.passive, DiagramRow{s.top_level, s.top_value, s.bottom_value},
                       kPassiveTableName);
            if (cut != kCutLand) ++i;
            if (cut != kCutSea) ++j;
            if (i >= land_last || j >= sea_last) break;
            const double land_cut_value = l.bottom_value;
            const double sea_cut_value = s.bottom_value;
            l.top_level = l.bottom_level;
            l.bottom_level = land[i + 1].level;
            l.top_value = cut == kCutLand ? land_cut_value : land[i].top;
            l.bottom_value = land[i].bottom;
            s.top_level = s.bottom_level;
            s.bottom_level = sea[j + 1].level;
            s.top_value = cut == kCutSea ? sea_cut_value : sea[j].top;
            s.bottom_value = sea[j].bottom;
        }
    }
    // Both sides close at the same bottom boundary, where the pressures are 0.
    if (i != land_last || j != sea_last) {
        stop_with_error("(ERROR)-陸側と海側の土層の下端が一致しません.");
    }
    append_row(diagram.rows, PressureRow{land[i].level, 0.0, 0.0, 0.0, 0.0}, kMergedTableName);
    append_row(diagram.passive, DiagramRow{sea[j].level, 0.0, 0.0}, kPassiveTableName);

    // The seabed row goes in first and at the boundary tolerance, so that no
    // nearby level can keep it out: the passive table starts exactly there.
    insert_diagram_level(diagram.rows, design_seabed, kLevelTolerance);
    insert_diagram_level(diagram.rows, lwl);
    insert_passive_level(diagram.passive, lwl);
    for (const double z : zero_pressure_levels) {
        insert_diagram_level(diagram.rows, z);
        insert_passive_level(diagram.passive, z);
    }
    diagram.seabed_row = find_row_at_level(diagram.rows, design_seabed);
    if (diagram.seabed_row < 0 ||
        diagram.rows.count - diagram.seabed_row != diagram.passive.count) {
        stop_with_error("(ERROR)-土圧分布と受働土圧分布の行が設計海底面から一致しません.");
    }
}

} // namespace wtn
