// A stand-in batch program that reads every input file of the library in
// the order a stability program does: run information, calculation input,
// customisation, system switch, the selected sheet piles and the force file.
// It writes probe.txt with what it read, so the tests can see a clean run.
#include "batch_frame.h"
#include "customisation.h"
#include "error_messages.h"
#include "file_io.h"
#include "force_case.h"
#include "input_file.h"
#include "pile_catalogue.h"
#include "run_info.h"
#include "stability_ranges.h"
#include "switch_file.h"
#include "text_lines.h"

#include <string>

namespace {

struct ProbeState {
    wtn::RunInfo run_info;
    wtn::InputRecord input;
    wtn::ForceCase force_case;
};

void driver() {
    ProbeState state;
    wtn::reset_input_counters(state.input);
    wtn::set_input_defaults(state.input);
    wtn::read_run_info(state.run_info);
    wtn::read_input(state.input, wtn::kInputFileName);
    const wtn::CustomisationValues custom = wtn::read_customisation();
    const int system_switch = wtn::read_prg_sw();

    const bool pc = state.input.joken.pile_type == wtn::PileType::PcOfFreeChoice;
    wtn::PileTable piles =
        pc ? wtn::read_pc_piles(state.input) : wtn::read_steel_piles(state.input);
    wtn::read_added_piles(state.input, pc ? wtn::kAddedPc : wtn::kAddedSteel, piles);

    wtn::CFile force_file = wtn::open_file(wtn::kForceFileName, "rt");
    if (!force_file) wtn::stop_with_error(wtn::ErrorCode::GairyokOpen);
    wtn::LineReader reader(force_file.get());
    const int mode = wtn::read_force_file_mode(reader);
    const wtn::CaseRange cases = wtn::stability_case_range(state.input, mode);
    const wtn::TideLevelRange levels = wtn::tide_level_range(state.input, mode);
    int sections = 0;
    for (int level = 0; level < levels.count; ++level) {
        for (int c = cases.first; c < cases.end; ++c) {
            wtn::read_force_case(reader, c, mode, state.input, state.force_case);
            ++sections;
        }
    }
    wtn::check_force_file_end(reader);

    wtn::CFile out = wtn::open_or_stop("probe.txt", "wt");
    wtn::write_crlf_line(out.get(), "title " + state.input.title);
    wtn::write_crlf_line(out.get(), "land layers " + std::to_string(state.input.land_layer_count));
    wtn::write_crlf_line(out.get(), "pitch " + std::to_string(custom.division_pitch));
    wtn::write_crlf_line(out.get(), "switch " + std::to_string(system_switch));
    std::string ids = "piles";
    for (const wtn::PileRecord& p : piles)
        ids += " " + std::to_string(p.id);
    wtn::write_crlf_line(out.get(), ids);
    wtn::write_crlf_line(out.get(), "sections " + std::to_string(sections));
    wtn::close_written_or_stop(out, "probe.txt");
}

} // namespace

int main() {
    return wtn::run_batch_program("入力確認", driver);
}
