// The soil-layer tables of one side of the wall and the operations on them
// that both load programs share. A table holds the input layer rows from the
// top down; once the closing row (top = lower limit of the soil) is appended,
// a table of n rows describes n - 1 layers, each from its top down to the
// next row's top. Rows are inserted to make chosen levels layer boundaries.
// Every insertion is checked against the table's room.
#pragma once

#include "input_record.h"
#include "load_model.h"

#include <array>

namespace wtn {

// Two levels within this distance (m) are the same layer boundary.
inline constexpr double kBoundaryTolerance = 0.0001;
// A layer whose friction angle exceeds this is sandy soil; else cohesive.
inline constexpr double kSandFrictionAngle = 0.0;

inline bool is_sand(const SoilLayerRow& row) {
    return row.friction_angle > kSandFrictionAngle;
}

// The land-side and sea-side input layers as tables.
LayerTable land_layer_table(const InputRecord& input);
LayerTable sea_layer_table(const InputRecord& input);

// Cohesion (kN/m2) of a layer at level z: C0 + K (z_ref - z).
double cohesion_at(const SoilLayerRow& row, double z_ref, double z);

// Appends the closing row, whose top is the lower limit of the soil; its
// other fields keep their defaults.
void append_bottom_row(LayerTable& table, double lower_limit);

// Stops the program when the input layer tops of either side do not fall
// strictly from row to row, or the lower limit of the soil does not lie below
// the last top: the closing row would turn the last layer upside down and the
// load tables and the force file would carry a negative thickness.
void check_layer_tops_fall(const InputRecord& input);
void append_bottom_rows(LayerTable& land, LayerTable& sea, double lower_limit);

// Index of the first row (closing row included) whose top lies within
// kBoundaryTolerance of level, or -1.
int find_level(const LayerTable& table, double level);
inline int find_land_level(const LayerTable& land, double level) {
    return find_level(land, level);
}
inline int find_sea_level(const LayerTable& sea, double level) {
    return find_level(sea, level);
}

// Kinds of the land-side boundaries inserted by split_land_layers.
inline constexpr int kSplitSeabed = 0;
inline constexpr int kSplitResidualWater = 1;
inline constexpr int kSplitGroundCrown = 2;
inline constexpr int kSplitSeabedMinus10 = 3;
inline constexpr int kSplitSuperstructureCrown = 4;
// Kinds of the sea-side boundaries.
inline constexpr int kSplitSeaSeabed = 0;
inline constexpr int kSplitLwl = 1;

// Makes level z a land-side boundary: the layer that holds it (top >= z >
// next top) is split in two with the same soil values, a clay layer's
// cohesion at z becoming the bottom of the upper part and the top of the
// lower. A level already within kBoundaryTolerance of a row top inserts
// nothing; the seabed minus 10 m inserts nothing into a sandy layer. Returns 0,
// or -1 when kind kSplitSeabedMinus10 finds no layer; any other kind without a
// layer stops the program with its message. z_ref: cohesion reference level.
int split_land_layers(LayerTable& land, double z, int kind, double z_ref);
// The same for the sea side (no sandy-layer exception); kSplitLwl returns -1
// when no layer holds the level, kSplitSeaSeabed stops the program.
int split_sea_layers(LayerTable& sea, double z, int kind, double z_ref);

// Cohesion at the top and bottom of every clay layer (closing row excluded),
// 3 decimals. A negative cohesion stops the program.
void cohesion_at_layer_bounds(LayerTable& table, double z_ref);

// N values and lateral-resistance constants of the cohesive layers without an
// N value, from the layer's cohesion (closing row excluded); embedment methods
// 3 and 5 (which take one constant per side) derive nothing. n_factor is the
// customised chart factor of the N-from-cohesion formula. A derived N of 0, or
// a constant of 0 or less, stops the program. TVNDAT applies it to the sea
// side, TVNWAV to the land side.
void derive_sea_n_values(LayerTable& table, EmbedmentMethod embedment_method, double z_ref,
                         double n_factor);

// Level given to the top of the first land-side row, so that every level of
// interest lies inside the table.
inline constexpr double kTopOfLandTable = 999.99;

// Puts the fill rows on top of the land side (embankment shape only), then
// raises the first row's top to kTopOfLandTable (every shape).
void insert_fill_layers(LayerTable& land, const InputRecord& input);

} // namespace wtn
