#include "wave_program.h"

#include "error_messages.h"
#include "file_io.h"
#include "force_case.h"
#include "format_values.h"
#include "gairyok_wave.h"
#include "input_file.h"
#include "switch_file.h"
#include "tide_level_switches.h"
#include "wav_data_file.h"
#include "wave_case_range.h"
#include "wave_input.h"
#include "wave_level.h"

#include <array>
#include <memory>

namespace wtn {
namespace {

void read_inputs(WaveProgram& program) {
    InputRecord& input = program.input;
    reset_input_counters(input);
    set_input_defaults(input);
    program.system_switch = read_prg_sw();
    read_run_info(program.run_info);
    read_input(input, kInputFileName);
    program.custom = read_customisation();
    check_tide_level_switches(input);
}

// The land-side layers with the construction-stage design seabed as a
// boundary, their derived N values and constants, as rows for the force file.
void build_land_rows(WaveProgram& program) {
    const InputRecord& input = program.input;
    check_wave_layers(input);
    program.land = land_layer_table(input);
    program.sea = sea_layer_table(input);
    append_bottom_rows(program.land, program.sea, input.joken.soil_bottom);
    const double seabed = input.tjkn1.construction_seabed;
    const double z_ref = input.tjkn1.cohesion_ref_level;
    insert_land_level(program.land, seabed, z_ref);
    const int seabed_index = find_land_level(program.land, seabed);
    derive_sea_n_values(program.land, input.swdat.embedment_method, z_ref,
                        program.custom.qu_denominator);
    build_wave_layer_rows(program.land, program.land_rows);
    program.land_rows.seabed_index = seabed_index;
}

} // namespace

void wave_pressure_main() {
    auto program = std::make_unique<WaveProgram>();
    read_inputs(*program);
    const InputRecord& input = program->input;
    program->wall_top = wave_wall_top(input, program->system_switch);
    build_land_rows(*program);

    // Every examined level is computed before a file is created, so input the
    // formulas cannot take stops the run with nothing written.
    std::array<WaveBlock, kTideLevelCount> blocks{};
    for (int level = kTideHhwl; level <= kTideUser; ++level) {
        if (tide_level_examined(input, level))
            compute_wave_level(input, level, program->wall_top, blocks[level]);
    }

    CFile wav = open_file(kWavDataFileName, "wt");
    if (!wav) stop_with_wave_error(WaveErrorCode::WavDataOpen);
    CFile force = open_file(kForceFileName, "wt");
    if (!force) stop_with_error(ErrorCode::GairyokOpen);

    write_values_line(force.get(), "%d", wave_gairyok_mode(program->system_switch));
    const CaseRange cases = wave_case_range(program->system_switch, input.swdat.completed_cases);
    const bool with_still_water = still_water_on(input);
    for (int level = kTideHhwl; level <= kTideUser; ++level) {
        if (!tide_level_examined(input, level)) continue;
        for (int c = cases.first; c < cases.end; ++c) {
            WaveBlock& block = blocks[level];
            block.case_index = c;
            write_wav_data_section(wav.get(), block);
            write_gairyok_wave_section(force.get(), block, program->land_rows,
                                       input.tjkn1.construction_seabed, with_still_water);
        }
    }
    close_written_or_stop(force, kForceFileName);
    close_written_or_stop(wav, kWavDataFileName);
}

} // namespace wtn
