#include "earth_pressure_report.h"

#include "condition_list.h"
#include "figure_layouts.h"
#include "ground_figure_fits.h"
#include "input_file.h"
#include "pressure_chapter.h"
#include "report_figures.h"
#include "studied_cases.h"
#include "surcharge_chapter.h"

#include <memory>

namespace wtn {

void earth_pressure_report_main() {
    auto report = std::make_unique<EarthPressureReport>();
    InputRecord& input = report->input;
    reset_input_counters(input);
    set_input_defaults(input);
    reset_load_indices(report->model);
    clear_load_tables(report->model);

    // Without run information the page headers show zeros and no name; the
    // report itself does not depend on it.
    read_run_info(report->run);
    read_input(input, kInputFileName);
    report->custom = read_customisation();
    report->conditions = read_sjoken(false);
    read_gai_cm(report->model, report->common);
    normalise_case_inputs(input);
    set_condition_layout(report->kit);

    const CaseRange cases = completed_case_range(input.swdat.completed_cases);
    report->kit.surcharge_landscape = 0;
    for (int c = cases.first; c < cases.end; ++c) {
        // Each case's tables replace the previous case's before any of its
        // pages is written. An embankment ground surface adds its surcharge
        // chapter and figures before the earth-pressure chapter.
        read_gai_case(c, report->model, report->tables);
        find_max_surcharge(*report);
        write_surcharge_chapter(*report, c);
        write_surcharge_figures(*report, c);
        write_pressure_chapter(*report, c);
        write_condition_figure(*report, c);
    }
    // Last: the list's index names the condition figures written above.
    write_condition_list(*report);
}

} // namespace wtn
