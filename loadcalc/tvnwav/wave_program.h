// TVNWAV's driver: reads the common input, the switch file, the run
// information and the customisation, builds the land-side layer rows, and
// for every examined tide level and every case of the wave case range writes
// one block to WAV_DATA.PRN and one section to GAIRYOK.DAT.
#pragma once

#include "customisation.h"
#include "input_record.h"
#include "run_info.h"
#include "soil_layers.h"
#include "wave_land_layers.h"

namespace wtn {

inline constexpr const char* kWaveProgramTitle = "波圧強度計算";

// The state of one run, owned by the driver.
struct WaveProgram {
    InputRecord input;
    RunInfo run_info;
    CustomisationValues custom;
    int system_switch = 0;
    double wall_top = 0.0;
    LayerTable land;
    LayerTable sea;
    WaveLandRows land_rows;
};

// Runs the program in the current folder. Fatal conditions show their message
// and stop the program with exit code 1.
void wave_pressure_main();

} // namespace wtn
