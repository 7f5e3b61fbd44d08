// The layer model of the completed-state load calculation: both soil-layer
// tables after every insertion, the ground-surface table of the embankment
// shape, the level indices, and the per-layer calculation and intensity
// records that the case stages fill. The program's driver owns one LoadModel
// in its state and passes it by reference to every stage.
#pragma once

#include "customisation.h"
#include "input_record.h"
#include "load_records.h"
#include "soil_layers.h"
#include "studied_cases.h"
#include "wall_codes.h"

#include <array>

namespace wtn {

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

// Clean-up of the input that depends on the switches: the embankment shape
// has no ground-surface angle; a study of one case only has no surcharge of
// the other case.
void normalise_load_inputs(InputRecord& input);

// Input checks, each stopping the program with its numbered message:
// surcharge zones of the embankment shape must not overlap (and the
// clay-at-seabed flag is set here); layer tops must fall from row to row and
// stay above the lower limit of the soil, the first tops must fit the
// superstructure crown and the seabed, and the fill rows must fit the ground
// surface of the embankment shape.
void check_surcharge_zones(const InputRecord& input, LoadModel& model);
void check_layer_order(const InputRecord& input);

// The ground-surface table of the embankment shape: the wall row, the ground
// points and the surcharge zone edges, with each row's surcharge; then a dummy
// row the customised length further out at the last level.
void build_ground_table(const InputRecord& input, LoadModel& model);
void extend_ground_table(const CustomisationValues& custom, LoadModel& model);

// Fills the calculation records of both sides from the finished tables.
void build_layer_calc(const InputRecord& input, const CustomisationValues& custom,
                      LoadModel& model);

// The whole preparation in its fixed order, from the checks to
// build_layer_calc (the driver calls normalise_load_inputs first). Any
// failed check stops the program before anything is written.
void prepare_layer_model(const InputRecord& input, const CustomisationValues& custom,
                         LoadModel& model);

CaseRange load_case_range(const InputRecord& input);

} // namespace wtn
