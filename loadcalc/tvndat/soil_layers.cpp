#include "soil_layers.h"

#include "error_messages.h"
#include "lateral_resistance.h"
#include "result_areas.h"
#include "rounding.h"
#include "wall_codes.h"

#include <cmath>
#include <cstdio>

namespace wtn {
namespace {

[[noreturn]] void stop_table_full() {
    char text[160];
    std::snprintf(
        text, sizeof text,
        "(ERROR)-土層の数が多すぎます.土層・盛土・分割位置と最下端を合わせて%d行までです.",
        kLayerRoom);
    stop_with_error(text);
}

bool tops_fall(const std::array<SoilLayerRow, kMaxSoilLayerRows>& rows, int count,
               double lower_limit) {
    for (int i = 1; i < count; ++i) {
        if (!(rows[i].top < rows[i - 1].top)) return false;
    }
    return count == 0 || lower_limit < rows[count - 1].top;
}

// Opens room for one row at index at by moving the rows from there down.
void open_row(LayerTable& table, int at) {
    if (table.count >= kLayerRoom) stop_table_full();
    for (int r = table.count; r > at; --r)
        table.rows[r] = table.rows[r - 1];
    ++table.count;
}

LayerTable table_of(const std::array<SoilLayerRow, kMaxSoilLayerRows>& rows, int count) {
    LayerTable table;
    if (count > kMaxSoilLayerRows) stop_table_full();
    for (int r = 0; r < count; ++r)
        table.rows[r] = rows[r];
    table.count = count;
    return table;
}

// First layer (closing row excluded) with top >= z > next top, or -1.
int layer_holding(const LayerTable& table, double z) {
    for (int i = 0; i + 1 < table.count; ++i) {
        if (table.rows[i].top >= z && z > table.rows[i + 1].top) return i;
    }
    return -1;
}

// Splits layer i at z; a clay layer gets the cohesion at z on both sides.
void split_at(LayerTable& table, int i, double z, double z_ref) {
    if (std::fabs(table.rows[i].top - z) < kBoundaryTolerance) return;
    open_row(table, i + 1);
    table.rows[i + 1] = table.rows[i];
    table.rows[i + 1].top = z;
    if (table.rows[i].friction_angle < kBoundaryTolerance) {
        const double c = round_dec(cohesion_at(table.rows[i], z_ref, z), 3);
        table.rows[i].cohesion_bottom = c;
        table.rows[i + 1].cohesion_top = c;
    }
}

} // namespace

LayerTable land_layer_table(const InputRecord& input) {
    return table_of(input.land_layers, input.land_layer_count);
}

LayerTable sea_layer_table(const InputRecord& input) {
    return table_of(input.sea_layers, input.sea_layer_count);
}

double cohesion_at(const SoilLayerRow& row, double z_ref, double z) {
    return row.cohesion + row.cohesion_increase * (z_ref - z);
}

void append_bottom_row(LayerTable& table, double lower_limit) {
    if (table.count >= kLayerRoom) stop_table_full();
    table.rows[table.count] = SoilLayerRow{};
    table.rows[table.count].top = lower_limit;
    ++table.count;
}

void append_bottom_rows(LayerTable& land, LayerTable& sea, double lower_limit) {
    append_bottom_row(land, lower_limit);
    append_bottom_row(sea, lower_limit);
}

int find_level(const LayerTable& table, double level) {
    for (int i = 0; i < table.count; ++i) {
        if (std::fabs(table.rows[i].top - level) < kBoundaryTolerance) return i;
    }
    return -1;
}

int split_land_layers(LayerTable& land, double z, int kind, double z_ref) {
    const int i = layer_holding(land, z);
    if (i < 0) {
        switch (kind) {
        case kSplitSeabed:
            stop_with_error(ErrorCode::NoSeabedInLand);
        case kSplitResidualWater:
            stop_with_error(ErrorCode::NoResidualWaterInLand);
        case kSplitGroundCrown:
            stop_with_error(ErrorCode::NoGroundCrownInLand);
        case kSplitSuperstructureCrown:
            stop_with_error(ErrorCode::NoSuperstructureCrownInLand);
        default:
            return -1;
        }
    }
    if (kind == kSplitSeabedMinus10 && is_sand(land.rows[i])) return 0;
    split_at(land, i, z, z_ref);
    return 0;
}

int split_sea_layers(LayerTable& sea, double z, int kind, double z_ref) {
    const int i = layer_holding(sea, z);
    if (i < 0) {
        if (kind == kSplitSeaSeabed) stop_with_error(ErrorCode::NoSeabedInSea);
        return -1;
    }
    split_at(sea, i, z, z_ref);
    return 0;
}

void cohesion_at_layer_bounds(LayerTable& table, double z_ref) {
    for (int i = 0; i + 1 < table.count; ++i) {
        SoilLayerRow& row = table.rows[i];
        if (is_sand(row)) continue;
        const double top = cohesion_at(row, z_ref, row.top);
        const double bottom = cohesion_at(row, z_ref, table.rows[i + 1].top);
        if (top < 0.0 || bottom < 0.0) stop_with_error(ErrorCode::NegativeCohesion);
        row.cohesion_top = round_dec(top, 3);
        row.cohesion_bottom = round_dec(bottom, 3);
    }
}

void derive_sea_n_values(LayerTable& table, EmbedmentMethod method, double z_ref, double n_factor) {
    // These methods take one lateral-resistance constant per side.
    if (is_curve_method(method)) return;
    for (int i = 0; i + 1 < table.count; ++i) {
        SoilLayerRow& row = table.rows[i];
        if (row.resistance_option != LayerKhOption::Given) {
            if (is_sand(row) || row.n_value > 0.0) continue;
            row.n_value = n_value_from_cohesion(row.cohesion, row.cohesion_increase, row.top,
                                                table.rows[i + 1].top, z_ref, n_factor);
            if (row.n_value <= 0.0) stop_with_error(ErrorCode::DerivedNZero);
            row.n_from_cohesion = 1;
            switch (row.resistance_option) {
            case LayerKhOption::LinearInN:
                row.kh = round_dec(kh_linear_in_n(row.n_value), 1);
                break;
            case LayerKhOption::ChartFirstLine:
                row.kh = kh_from_n(kKhLineFirst, row.n_value, round_dec);
                break;
            case LayerKhOption::ChartThirdLine:
                row.kh = kh_from_n(kKhLineLast, row.n_value, round_dec);
                break;
            default:
                break;
            }
        }
        if (row.kh <= 0.0) stop_with_error(ErrorCode::KhZero);
    }
}

void insert_fill_layers(LayerTable& land, const InputRecord& input) {
    if (input.swdat.ground_shape != GroundShape::Straight) {
        for (int f = 0; f < input.fill_count && f < kMaxFillRows; ++f) {
            open_row(land, f);
            SoilLayerRow fill;
            fill.top = input.fills[f].top;
            fill.wet_weight = input.fills[f].wet_weight;
            fill.submerged_weight = input.fills[f].submerged_weight;
            fill.saturated_weight = input.fills[f].saturated_weight;
            fill.resistance_option = LayerKhOption::Given;
            fill.n_value = 1.0;
            fill.kh = 1.0;
            land.rows[f] = fill;
        }
    }
    if (land.count > 0) land.rows[0].top = kTopOfLandTable;
}

void check_layer_tops_fall(const InputRecord& input) {
    const double lower_limit = input.joken.soil_bottom;
    if (!tops_fall(input.land_layers, input.land_layer_count, lower_limit))
        stop_with_error(ErrorCode::LandLayerOrder);
    if (!tops_fall(input.sea_layers, input.sea_layer_count, lower_limit))
        stop_with_error(ErrorCode::SeaLayerOrder);
}

} // namespace wtn
