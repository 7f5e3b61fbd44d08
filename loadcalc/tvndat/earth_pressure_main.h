// TVNDAT: the completed-state loads of one wall section. Reads the common input
// file, builds the soil-layer model of both sides, and for each case of the
// study computes the earth and water pressures, the virtual seabed and the
// forces and moments above it; writes GAIRYOK.DAT and the load tables.
#pragma once

#include "customisation.h"
#include "input_record.h"
#include "layer_model.h"
#include "load_tables.h"
#include "run_info.h"

namespace wtn {

inline constexpr const char* kEarthPressureTitle = "土圧強度計算";

// Everything the program computes, owned by the driver for one run.
struct EarthPressureState {
    RunInfo run;
    InputRecord input;
    CustomisationValues custom;
    LoadModel model;
    int current_case = 0;     // 0 normal case, 1 seismic case
    CaseLoadTables tables;    // rebuilt in every case
    CommonLoadResults common; // kept for the common table at the end
};

// The stages of one case, from the wedges to the forces; the case's results
// land in state.tables and state.common.
void compute_case(EarthPressureState& state, int c);

// The driver the program frame runs.
void earth_pressure_main();

} // namespace wtn
