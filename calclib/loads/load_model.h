// The layer model of the completed-state load calculation: both soil-layer
// tables after every insertion, the ground-surface table of the embankment
// shape, the level indices, and the per-layer calculation and intensity
// records that the case stages fill. The load program's driver owns one
// LoadModel in its state and passes it by reference to every stage; the
// earth-pressure report reads it back from the load tables.
#pragma once

#include "input_record.h"
#include "load_records.h"
#include "row_table.h"

#include <array>

namespace wtn {

static_assert(kMaxSoilLayerRows <= kLayerRoom);

// The soil-layer table of one side of the wall: the input layer rows from the
// top down, then the closing row (top = lower limit of the soil), so that n
// rows describe n - 1 layers, each from its top down to the next row's top.
using LayerTable = RowTable<SoilLayerRow, kLayerRoom>;

// Row indices of chosen levels in the layer tables; -1 when the level is not
// a row top.
struct LevelIndices {
    int ground_crown = -1;         // land row at the ground-surface crown
    int residual_water = -1;       // land row at the residual water level
    int land_seabed = -1;          // land row at the design seabed (only when inserted there)
    int seabed_minus_10 = -1;      // land row at the design seabed minus 10 m
    int superstructure_crown = -1; // land row at the superstructure crown
    int sea_seabed = -1;           // sea row at the design seabed
    int lwl = -1;                  // sea row at the L.W.L.
};

struct LoadModel {
    LayerTable land;
    LayerTable sea;
    std::array<GroundRow, kGroundRoom> ground{};
    int ground_count = 0;
    LevelIndices index;
    // 1 when a land-side clay layer spans the design seabed under the
    // interpolation method: the seabed then becomes a land-side boundary.
    int clay_at_seabed = 0;
    std::array<LandLayerCalc, kLayerRoom> land_calc{};
    std::array<SeaLayerCalc, kLayerRoom> sea_calc{};
    int land_count = 0; // rows of land_calc, closing row included
    int sea_count = 0;
    std::array<ActiveIntensityRow, kLayerRoom> active{};
    std::array<PassiveIntensityRow, kLayerRoom> passive{};
};

// Zeroes every table of the model; the lateral-resistance option of every
// sea-side record becomes 1.
void clear_load_tables(LoadModel& model);
// Every level index -1 and every row count 0.
void reset_load_indices(LoadModel& model);

} // namespace wtn
