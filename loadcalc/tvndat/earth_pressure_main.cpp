#include "earth_pressure_main.h"

#include "case_pressures.h"
#include "case_wedges.h"
#include "dynamic_water.h"
#include "earth_pressures.h"
#include "error_messages.h"
#include "file_io.h"
#include "force_case.h"
#include "gairyok_writer.h"
#include "input_file.h"
#include "net_forces.h"
#include "seabed_chooser.h"
#include "text_lines.h"
#include "virtual_seabed.h"

#include <memory>
#include <string>

namespace wtn {

void compute_case(EarthPressureState& state, int c) {
    state.current_case = c;
    LoadModel& model = state.model;
    const InputRecord& input = state.input;
    CaseLoadTables& tables = state.tables;
    CommonLoadResults& common = state.common;

    normal_case_wedges(model, input, state.custom, c);
    seismic_case_wedges(model, input, state.custom, c);
    active_pressures(model, input, state.custom, c);
    passive_pressures(model, c);

    // Residual water and the merged diagram.
    const int crown = model.index.ground_crown;
    mark_zero_pressure_levels(crown, model.land_count, input, model);
    residual_water_pressure(input, model, common.totals);
    build_merged_diagram(input, model, common.totals.residual_water, tables.merged);
    clip_negative_pressures(crown, model.land_count, model, tables.merged);

    // The virtual seabed.
    find_virtual_seabed(tables.merged, common.seabed);
    choose_virtual_seabed(tables.merged, c, common.seabed);
    const double virtual_seabed = common.seabed.data.level[c];

    // Forces, moments and lever arm above it.
    split_at_candidates(tables.merged, common.seabed, tables.net);
    net_pressure_table(tables.merged, tables.net);
    other_force_moments(input, c, virtual_seabed, tables.net, common.totals);
    dynamic_water_pressure(input, c, virtual_seabed, common.totals.force[c],
                           common.totals.moment[c], common.dynamic, tables.dynamic_segments,
                           common.dynamic_totals);
    net_pressure_forces(c, virtual_seabed, tables.net, common.totals);
    common.net_segment_count[c] = tables.net.segments.count;
}

void earth_pressure_main() {
    auto state = std::make_unique<EarthPressureState>();
    InputRecord& input = state->input;
    reset_input_counters(input);
    set_input_defaults(input);
    reset_load_indices(state->model);
    clear_load_tables(state->model);

    // A missing run-information file leaves the report header without a
    // name; the calculation does not need it.
    read_run_info(state->run);
    read_input(input, kInputFileName);
    state->custom = read_customisation();

    normalise_case_inputs(input);
    prepare_layer_model(input, state->custom, state->model);
    const CaseRange cases = completed_case_range(input.swdat.completed_cases);

    CFile force_file = open_file(kForceFileName, "wt");
    if (!force_file) stop_with_error(ErrorCode::GairyokOpen);
    write_crlf_line(force_file.get(), std::to_string(kCompletedStateMode));
    for (int c = cases.first; c < cases.end; ++c) {
        compute_case(*state, c);
        write_gai_case(c, state->model, state->tables);
        write_gairyok_section(force_file.get(), c, input, state->model, state->tables,
                              state->common);
        // Flushed per case, so a later stop leaves the finished sections whole.
        if (std::fflush(force_file.get()) != 0) close_written_or_stop(force_file, kForceFileName);
    }
    close_written_or_stop(force_file, kForceFileName);
    write_gai_cm(state->model, state->common);
}

} // namespace wtn
