// The land-side layer rows that the construction-stage loads carry to the
// stability calculation: in the construction stage the wall is loaded from
// the sea side and held by the land-side soil.
#pragma once

#include "force_case.h"
#include "input_record.h"
#include "soil_layers.h"

#include <array>

namespace wtn {

// The land-side boundaries as the force file carries them; the last (the
// bottom boundary) holds only its level.
struct WaveLandRows {
    std::array<ForceLayerRow, kLayerRoom> rows{};
    int count = 0;         // boundaries, the bottom boundary included
    int seabed_index = -1; // boundary at the construction-stage design seabed, -1 when none
};

// Checks the land-side and sea-side input layers before the bottom boundary
// is appended: tops falling strictly on each side, the land side starting at
// or above the construction-stage design seabed and the sea side at or below
// the completed-state design seabed. Stops the program otherwise.
void check_wave_layers(const InputRecord& input);

// Makes z a land-side boundary: the layer holding it is split in two with the
// same soil values. A level within the boundary tolerance of a boundary
// inserts nothing. Stops the program when no layer holds z.
void insert_land_level(LayerTable& land, double z, double z_ref);

// The rows of the land-side boundaries, with the friction angle in radians;
// the bottom boundary gets its level only. seabed_index is left as it is.
void build_wave_layer_rows(const LayerTable& land, WaveLandRows& rows);

} // namespace wtn
