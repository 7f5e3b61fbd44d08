#include "kekka_files.h"

#include "checks.h"
#include "file_io.h"
#include "file_names.h"
#include "format_values.h"
#include "rounding.h"
#include "wall_codes.h"
#include "work_files.h"

#include <algorithm>
#include <cmath>

namespace wtn {

namespace {

constexpr double kNoTipYet = 99999.99;

std::size_t at(int i) {
    return static_cast<std::size_t>(i);
}

double tip_of(const StabilityRun& run, int level, int j, int state) {
    return run.force_case.base[at(j)].level -
           run.results.case_results.embedment[at(level)][at(j)][at(state)];
}

// Values of level l and case j in one corrosion state into column.
void fill_column(const StabilityRun& run, int level, int j, int state, ResultColumn& column) {
    const CaseResultBlock& r = run.results.case_results;
    const CheckSwitches on = check_switches(run.input.swdat.decision_code);
    const std::size_t l = at(level);
    const std::size_t c = at(j);
    const std::size_t st = at(state);
    if (on.stress) {
        // Before corrosion the uncorroded section; after, the seabed-mud part
        // and, when the zones differ, the sea-water part.
        const std::size_t s = state == 0 ? 0 : 2;
        column.value[kD2] = r.stress[l][c][s];
        column.flag[kF2] = r.stress_ng[l][c][s];
        if (state == 1 && run.results.corrosion.case_flag == kCorrosionZonesDiffer) {
            column.value[kD1] = r.stress[l][c][1];
            column.flag[kF1] = r.stress_ng[l][c][1];
        }
    }
    if (on.displacement) {
        column.value[kD3] = r.displacement[l][c][st];
        column.flag[kF3] = r.displacement_ng[l][c][st];
    }
    if (on.reaction) {
        column.value[kD4] = r.reaction[l][c][st];
        column.flag[kF4] = r.reaction_ng[l][c][st];
    }
    column.value[kD5] = round_dec(tip_of(run, level, j, state), 3);
}

void fill_pipe(const StabilityRun& run, int j, int state, ResultColumn& column) {
    const CaseResultBlock& r = run.results.case_results;
    column.value[kD6] = r.pipe_secondary[at(j)][at(state)];
    column.flag[kF5] = r.secondary_ng[at(j)][at(state)];
    column.value[kD7] = r.pipe_combined[at(j)][at(state)];
    column.flag[kF6] = r.combined_ng[at(j)][at(state)];
}

bool in_range(const CaseRange& cases, int j) {
    return j >= cases.first && j < cases.end;
}

} // namespace

double pile_length_to_half_metre(double crown, double tip) {
    return std::ceil(2.0 * round_dec(crown - tip, 3)) / 2.0;
}

PileLength decided_pile_length(const StabilityRun& run) {
    PileLength p;
    p.decided_tip = kNoTipYet;
    const bool corrosion = run.results.corrosion.case_flag != kNoCorrosion;
    for (int level = run.levels.first; level < run.levels.first + run.levels.count; ++level) {
        for (int j = run.cases.first; j < run.cases.end; ++j) {
            double tip = tip_of(run, level, j, 0);
            if (corrosion) tip = std::min(tip, tip_of(run, level, j, 1));
            p.decided_tip = std::min(p.decided_tip, tip);
        }
    }
    const double crown = run.input.tjkn1.pile_crown;
    p.length = pile_length_to_half_metre(crown, p.decided_tip);
    p.printed_tip = crown - p.length;
    return p;
}

LevelResultTable collect_results(const StabilityRun& run) {
    LevelResultTable table;
    const bool corrosion = run.results.corrosion.case_flag != kNoCorrosion;
    const bool pipe = steel_pipe_check_on(run);
    if (run.file_mode != kCompletedStateMode) {
        // One column per tide level: the first case studied, before corrosion.
        const int count = std::min(run.levels.count, kResultColumns);
        for (int n = 0; n < count; ++n)
            fill_column(run, run.levels.first + n, run.cases.first, 0, table.columns[at(n)]);
        return table;
    }
    for (int j = 0; j < static_cast<int>(kCaseCount); ++j) {
        if (!in_range(run.cases, j)) continue;
        ResultColumn& before = table.columns[at(2 * j)];
        ResultColumn& after = table.columns[at(2 * j + 1)];
        fill_column(run, 0, j, 0, before);
        if (corrosion) fill_column(run, 0, j, 1, after);
        if (!pipe || (j == 1 && run.input.swdat.completed_cases == CompletedCases::SeismicOnly))
            continue;
        fill_pipe(run, j, 0, before);
        if (corrosion) fill_pipe(run, j, 1, after);
    }
    return table;
}

void write_kekka_files(StabilityRun& run) {
    const bool completed = run.file_mode == kCompletedStateMode;
    const std::string line_file = kPileResultFiles[completed ? 0 : 1];
    const std::string table_file = kLevelResultFiles[completed ? 0 : 1];

    const PileLength pile = decided_pile_length(run);
    run.results.design_values.decided_tip_level = pile.decided_tip;
    {
        CFile file = open_or_stop(line_file, "wt");
        write_crlf_line(file.get(), pile_result_line_text(completed ? "完成時" : "施工時",
                                                          run.results.decided.name,
                                                          pile.printed_tip, pile.length));
        close_written_or_stop(file, line_file);
    }

    const LevelResultTable table = collect_results(run);
    CFile file = open_or_stop(table_file, "wt");
    for (const std::string& line : level_result_table_lines(table))
        write_crlf_line(file.get(), line);
    close_written_or_stop(file, table_file);
    write_cal_nei(run.results);
}

} // namespace wtn
