// The preparation of the layer model before the case stages: the input
// checks, the ground-surface table of the embankment shape, the boundaries
// inserted into both soil-layer tables and the calculation records of both
// sides.
#pragma once

#include "customisation.h"
#include "input_record.h"
#include "load_model.h"
#include "soil_layers.h"
#include "studied_cases.h"
#include "wall_codes.h"

namespace wtn {

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
// build_layer_calc (the driver calls normalise_case_inputs first). Any
// failed check stops the program before anything is written.
void prepare_layer_model(const InputRecord& input, const CustomisationValues& custom,
                         LoadModel& model);

} // namespace wtn
