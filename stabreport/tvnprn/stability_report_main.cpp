#include "stability_report_main.h"

#include "corroded_section_chart.h"
#include "error_messages.h"
#include "file_io.h"
#include "input_file.h"
#include "report_chapter.h"
#include "report_state.h"
#include "results_summary.h"
#include "stability_switches.h"
#include "work_files.h"

#include <memory>

namespace wtn {

namespace {

void read_inputs(StabilityReport& r) {
    reset_input_counters(r.input);
    set_input_defaults(r.input);
    reset_result_counters(r.force_case, r.results);
    clear_result_areas(r.force_case, r.results);
    // Without the run information the pages carry no name and stamp, and
    // without the input file the defaults stand, as the calculation had them.
    read_run_info(r.run_info);
    read_input(r.input, kInputFileName);
    r.custom = read_customisation();
    check_embedment_method(r.input.swdat.embedment_method);
    read_neire_cm(r.results);
    // The adopted values of the results dialog replace those TVNCAL wrote.
    read_cal_nei(r.results, 0.0, 0.0);
    normalise_stability_inputs(r.input, r.results);
}

CFile open_work_file(const char* name, const char* mode, ErrorCode missing) {
    CFile file = open_file(name, mode);
    if (!file) stop_with_error(missing);
    return file;
}

void set_ranges(StabilityReport& r) {
    r.concrete_pile = !is_steel_pile(r.pile_type());
    r.cases = stability_case_range(r.input, r.study_mode);
    r.levels = tide_level_range(r.input, r.study_mode);
    r.level_names.assign(static_cast<std::size_t>(r.levels.count), "");
    for (std::size_t i = 0; i < r.levels.names.size(); ++i)
        r.level_names[i] = fitted_tide_name(r.levels.names[i]);
}

// A section without a start row has no virtual seabed: its constants table
// and charts would read the row before the first.
void check_start_row(const StabilityReport& r, int level_index, int case_index) {
    if (r.force_case.start_index >= 0) return;
    std::string where = case_index == kNormalCase ? "常  時" : "地震時";
    if (r.study_mode != kCompletedStateMode)
        where = r.level_names[static_cast<std::size_t>(level_index)] + " " + where;
    stop_with_error(std::string("(ERROR)-外力計算結果ファイル(") + kForceFileName + ")の" + where +
                    "に仮想海底面の土層がありません(開始位置 -1).");
}

} // namespace

void stability_report_main() {
    auto owned = std::make_unique<StabilityReport>();
    StabilityReport& r = *owned;
    read_inputs(r);

    CFile forces = open_work_file(kForceFileName, "rt", ErrorCode::GairyokOpen);
    LineReader force_lines(forces.get());
    r.study_mode = read_force_file_mode(force_lines);
    CFile cases = open_work_file(kNeireFile, "rb", ErrorCode::NeireOpen);
    CFile tide_levels = open_work_file(kNeireTlFile, "rb", ErrorCode::NeireTlOpen);
    set_ranges(r);

    // The chart table is read and checked before any chapter names the chart.
    if (has_corroded_section_chart(r)) {
        r.chart_line = read_corrosion_chart_line(r.results.decided.id);
        draw_corroded_section(r, *r.chart_line);
    }

    const EmbedmentMethod method = r.input.swdat.embedment_method;
    r.chapter_no = kFirstStabilityChapter;
    for (int level = 0; level < r.levels.count; ++level) {
        read_neire_tl(tide_levels.get(), r.results);
        for (int c = r.cases.first; c < r.cases.end; ++c) {
            read_force_case(force_lines, c, r.study_mode, r.input, r.force_case);
            check_start_row(r, level, c);
            read_neire_case(cases.get(), r.results, r.input, r.custom, r.force_case, c);
            write_stability_chapter(r, c, level);
            free_method_area(r.results.areas, method);
            ++r.chapter_no;
        }
    }
    // Records left over belong to another input: the chapters would have
    // been written from the wrong ones.
    check_force_file_end(force_lines);
    check_work_file_end(cases.get(), kNeireFile);
    check_work_file_end(tide_levels.get(), kNeireTlFile);
    tide_levels.reset();
    cases.reset();
    forces.reset();
    write_summary(r);
}

} // namespace wtn
