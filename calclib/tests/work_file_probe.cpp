// A stand-in for the stability report's reading of the work files, for the
// tests that check messages and exit codes as the front end sees them.
//   work_file_probe report           NEIRE_CM.PRN, CAL_NEI.DAT, one NEIRE_TL.PRN record
//   work_file_probe case M R E       one NEIRE.PRN record of method M with room
//                                    for R load rows and E elements
//   work_file_probe sjoken 0|1       SJOKEN.DAT without / with the layer lines
//   work_file_probe stability-report every input and work file of the stability
//                                    report, in the report's order
// It prints a few of the values read on standard output.
#include "batch_frame.h"
#include "customisation.h"
#include "error_messages.h"
#include "file_io.h"
#include "force_case.h"
#include "input_file.h"
#include "report_conditions.h"
#include "run_info.h"
#include "stability_ranges.h"
#include "work_files.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::vector<std::string> g_args;

int arg_int(std::size_t i) {
    return i < g_args.size() ? std::stoi(g_args[i]) : 0;
}

void read_report_files() {
    wtn::StabilityResults results;
    wtn::read_neire_cm(results);
    wtn::read_cal_nei(results, 0.0, 0.0);
    wtn::CFile tide_levels = wtn::open_file(wtn::kNeireTlFile, "rb");
    if (!tide_levels) wtn::stop_with_error(wtn::ErrorCode::NeireTlOpen);
    wtn::read_neire_tl(tide_levels.get(), results);
    std::printf("pile %d %s length %.3f depth %.3f stress %.1f\n", results.decided.id,
                results.decided.name.c_str(), results.design_values.adopted.pile_length,
                results.design_values.adopted.embedment_depth,
                results.level_solver.bending_stress[0][0]);
}

void read_case_record() {
    const auto method = wtn::from_file_value<wtn::EmbedmentMethod>(arg_int(1));
    wtn::CFile cases = wtn::open_file(wtn::kNeireFile, "rb");
    if (!cases) wtn::stop_with_error(wtn::ErrorCode::NeireOpen);
    wtn::CaseAreas areas;
    wtn::read_neire_case(cases.get(), areas, method, {arg_int(2), arg_int(3)});
    std::printf("rows %d\n", areas.load_item_count);
    wtn::free_method_area(areas, method);
}

void read_conditions() {
    wtn::ReportConditions c = wtn::read_sjoken(arg_int(1) != 0);
    std::printf("corrosion %d user %d layers %zu\n", c.corrosion_case, c.user_pile,
                c.layers.size());
}

// The reads of the stability report, in its order: the adopted values of
// CAL_NEI.DAT after NEIRE_CM.PRN, then per tide level one NEIRE_TL.PRN
// record and per case a force-file section and a NEIRE.PRN record.
void read_stability_report_files() {
    wtn::InputRecord input;
    wtn::reset_input_counters(input);
    wtn::set_input_defaults(input);
    wtn::ForceCase force_case;
    wtn::StabilityResults results;
    wtn::reset_result_counters(force_case, results);
    wtn::clear_result_areas(force_case, results);
    wtn::RunInfo run_info;
    wtn::read_run_info(run_info);
    wtn::read_input(input, wtn::kInputFileName);
    const wtn::CustomisationValues custom = wtn::read_customisation();
    wtn::read_neire_cm(results);
    wtn::read_cal_nei(results, 0.0, 0.0);
    wtn::normalise_stability_inputs(input, results);

    wtn::CFile forces = wtn::open_file(wtn::kForceFileName, "rt");
    if (!forces) wtn::stop_with_error(wtn::ErrorCode::GairyokOpen);
    wtn::LineReader force_lines(forces.get());
    const int file_mode = wtn::read_force_file_mode(force_lines);
    wtn::CFile cases = wtn::open_file(wtn::kNeireFile, "rb");
    if (!cases) wtn::stop_with_error(wtn::ErrorCode::NeireOpen);
    wtn::CFile tide_levels = wtn::open_file(wtn::kNeireTlFile, "rb");
    if (!tide_levels) wtn::stop_with_error(wtn::ErrorCode::NeireTlOpen);

    const wtn::CaseRange case_range = wtn::stability_case_range(input, file_mode);
    const wtn::TideLevelRange levels = wtn::tide_level_range(input, file_mode);
    std::printf("%s mode %d pile length %.3f\n", run_info.data_name.c_str(), file_mode,
                results.design_values.adopted.pile_length);
    for (int level = levels.first; level < levels.first + levels.count; ++level) {
        wtn::read_neire_tl(tide_levels.get(), results);
        for (int c = case_range.first; c < case_range.end; ++c) {
            wtn::read_force_case(force_lines, c, file_mode, input, force_case);
            wtn::read_neire_case(cases.get(), results, input, custom, force_case, c);
            std::printf("level %d case %d rows %d elements %d moment %.3f\n", level, c,
                        results.areas.load_item_count, results.areas.matrix.elements[0].count,
                        results.areas.matrix.moment[0]);
            wtn::free_method_area(results.areas, input.swdat.embedment_method);
        }
    }
    wtn::check_force_file_end(force_lines);
}

void driver() {
    const std::string action = g_args.empty() ? "" : g_args[0];
    if (action == "report") read_report_files();
    if (action == "case") read_case_record();
    if (action == "sjoken") read_conditions();
    if (action == "stability-report") read_stability_report_files();
}

} // namespace

int main(int argc, char** argv) {
    g_args.assign(argv + 1, argv + argc);
    return wtn::run_batch_program("安定計算帳票作成", driver);
}
