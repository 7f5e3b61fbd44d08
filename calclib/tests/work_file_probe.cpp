// A stand-in for the stability report's reading of the work files, for the
// tests that check messages and exit codes as the front end sees them.
//   work_file_probe report           NEIRE_CM.PRN, CAL_NEI.DAT, one NEIRE_TL.PRN record
//   work_file_probe case M R E       one NEIRE.PRN record of method M with room
//                                    for R load rows and E elements
//   work_file_probe sjoken 0|1       SJOKEN.DAT without / with the layer lines
// It prints a few of the values read on standard output.
#include "batch_frame.h"
#include "error_messages.h"
#include "file_io.h"
#include "report_conditions.h"
#include "work_files.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::vector<std::string> g_args;

int arg_int(std::size_t i) { return i < g_args.size() ? std::stoi(g_args[i]) : 0; }

void read_report_files() {
    wtn::StabilityResults results;
    wtn::read_neire_cm(results);
    wtn::read_cal_nei(results, 0.0, 0.0);
    wtn::CFile tide_levels = wtn::open_file(wtn::kNeireTlFile, "rb");
    if (!tide_levels) wtn::stop_with_error(wtn::kErrNeireTlOpen);
    wtn::read_neire_tl(tide_levels.get(), results);
    std::printf("pile %d %s length %.3f depth %.3f stress %.1f\n", results.decided.id, results.decided.name.c_str(),
                results.design_values.adopted.pile_length, results.design_values.adopted.embedment_depth,
                results.level_solver.bending_stress[0][0]);
}

void read_case_record() {
    const int method = arg_int(1);
    wtn::CFile cases = wtn::open_file(wtn::kNeireFile, "rb");
    if (!cases) wtn::stop_with_error(wtn::kErrNeireOpen);
    wtn::CaseAreas areas;
    wtn::read_neire_case(cases.get(), areas, method, {arg_int(2), arg_int(3)});
    std::printf("rows %d\n", areas.load_item_count);
    wtn::free_method_area(areas, method);
}

void read_conditions() {
    wtn::ReportConditions c = wtn::read_sjoken(arg_int(1) != 0);
    std::printf("corrosion %d user %d layers %zu\n", c.corrosion_case, c.user_pile, c.layers.size());
}

void driver() {
    const std::string action = g_args.empty() ? "" : g_args[0];
    if (action == "report") read_report_files();
    if (action == "case") read_case_record();
    if (action == "sjoken") read_conditions();
}

} // namespace

int main(int argc, char** argv) {
    g_args.assign(argv + 1, argv + argc);
    return wtn::run_batch_program("安定計算帳票作成", driver);
}
