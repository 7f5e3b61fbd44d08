#include "checks.h"

#include "error_messages.h"
#include "rounding.h"
#include "wall_codes.h"

#include <cmath>

namespace wtn {

namespace {

// A level this close to a diagram row is at the row (m).
constexpr double kRowTolerance = 0.0001;
// Ring-stress factor of the pipe wall under the net pressure.
constexpr double kRingFactor = 2.1 * 0.0001;

constexpr std::size_t kPipeUncorroded = 0;
constexpr std::size_t kPipeCorroded = 1;

std::size_t at(int i) {
    return static_cast<std::size_t>(i);
}

// Net pressure (active minus passive) at the top and bottom of row r.
double net_top(const ForceCase& fc, int r) {
    return fc.active[at(r)].top - fc.passive[at(r)].top;
}
double net_bottom(const ForceCase& fc, int r) {
    return fc.active[at(r)].bottom - fc.passive[at(r)].bottom;
}

} // namespace

std::vector<int> checked_sections(int corrosion_flag) {
    if (corrosion_flag == kNoCorrosion) return {0};
    if (corrosion_flag == kCorrosionZonesSame) return {0, 2};
    return {0, 1, 2};
}

std::vector<int> checked_states(int corrosion_flag) {
    if (corrosion_flag == kNoCorrosion) return {0};
    return {0, 1};
}

bool steel_pipe_check_on(const StabilityRun& run) {
    return run.file_mode == kCompletedStateMode &&
           run.input.joken.pile_type == PileType::SteelPipe &&
           run.input.nir_t.pipe_secondary_check == YesNo::Yes;
}

void set_check_flags(StabilityRun& run, int level, int j) {
    CaseResultBlock& r = run.results.case_results;
    const LevelSolverBlock& solver = run.results.level_solver;
    const LevelDisplacementBlock& disp = run.results.level_displacement;
    const DesignValueBlock& allow = run.results.design_values;
    const int flag = run.results.corrosion.case_flag;
    const std::size_t l = at(level);
    const std::size_t c = at(j);

    for (int s : checked_sections(flag)) {
        // A concrete pile is judged on the magnitude of its moment, as the
        // report prints it.
        const double value = run.pile_kind == PileKind::steel ? solver.bending_stress[c][at(s)]
                                                              : std::fabs(solver.moment[c][at(s)]);
        r.stress[l][c][at(s)] = value;
        r.stress_ng[l][c][at(s)] = allow.allowable_stress[c] < value ? 1 : 0;
    }
    const double reaction_limit = run.force_case.base[c].pressure;
    // The construction stage computes no passive pressure at its base level
    // (the base line holds 0.0): the reaction there has nothing to be
    // checked against, and a check against 0.0 would fail every pile.
    const bool reaction_checked = run.file_mode == kCompletedStateMode;
    for (int t : checked_states(flag)) {
        const std::size_t st = at(t);
        r.displacement[l][c][st] = disp.total[c][st];
        r.displacement_ng[l][c][st] = disp.total[c][st] > allow.allowable_displacement[c] ? 1 : 0;
        r.reaction[l][c][st] = disp.reaction[c][st];
        r.reaction_ng[l][c][st] = !reaction_checked                       ? kNotChecked
                                  : disp.reaction[c][st] > reaction_limit ? 1
                                                                          : 0;
        r.embedment[l][c][st] = disp.embedment[c][st];
    }
    if (!steel_pipe_check_on(run)) return;
    for (std::size_t i : {kPipeUncorroded, kPipeCorroded}) {
        r.pipe_secondary[c][i] = solver.pipe_secondary[c][i];
        r.secondary_ng[c][i] = solver.pipe_secondary[c][i] > allow.allowable_stress[0] ? 1 : 0;
        r.pipe_combined[c][i] = solver.pipe_combined[c][i];
        r.combined_ng[c][i] = solver.pipe_combined[c][i] > allow.allowable_combined[c] ? 1 : 0;
    }
}

bool any_check_failed(const StabilityRun& run) {
    const CaseResultBlock& r = run.results.case_results;
    const CheckSwitches on = check_switches(run.input.swdat.decision_code);
    const int flag = run.results.corrosion.case_flag;
    const bool pipe =
        steel_pipe_check_on(run) && run.input.swdat.completed_cases != CompletedCases::SeismicOnly;
    for (int level = run.levels.first; level < run.levels.first + run.levels.count; ++level) {
        const std::size_t l = at(level);
        for (int j = run.cases.first; j < run.cases.end; ++j) {
            const std::size_t c = at(j);
            if (on.stress) {
                for (int s : checked_sections(flag))
                    if (r.stress_ng[l][c][at(s)] != 0) return true;
            }
            for (int t : checked_states(flag)) {
                if (on.displacement && r.displacement_ng[l][c][at(t)] != 0) return true;
                if (on.reaction && r.reaction_ng[l][c][at(t)] == 1) return true;
            }
            if (!pipe) continue;
            for (int t : checked_states(flag)) {
                if (j == 0 && r.secondary_ng[c][at(t)] != 0) return true;
                if (r.combined_ng[c][at(t)] != 0) return true;
            }
        }
    }
    return false;
}

double find_lm_max(StabilityRun& run, int j, int index, double depth, double d, double t, double t1,
                   double t2) {
    if (!steel_pipe_check_on(run)) return 0.0;
    const ForceCase& fc = run.force_case;
    PipeStressBlock& p = run.results.pipe_stress;
    const std::size_t i = at(index);
    const double y = fc.base[at(j)].level - depth;
    p.max_moment_level[i] = y;

    bool found = false;
    for (int r = fc.diagram_seabed_row; r < fc.diagram_rows; ++r) {
        const double level = fc.active[at(r)].level;
        if (std::fabs(level - y) < kRowTolerance) {
            const double from_above = r > 0 ? net_bottom(fc, r - 1) : net_top(fc, r);
            const double from_below = net_top(fc, r);
            p.search_status[i] = 1;
            p.bracket_level[i] = {level, level};
            p.bracket_difference[i] = {from_above, from_below};
            p.pressure_difference[i] =
                std::fabs(from_above) > std::fabs(from_below) ? from_above : from_below;
            found = true;
            break;
        }
        if (r + 1 >= fc.diagram_rows) break;
        const double next = fc.active[at(r + 1)].level;
        if (next >= y) continue;
        const double top = net_top(fc, r);
        const double bottom = net_bottom(fc, r);
        p.search_status[i] = 2;
        p.bracket_level[i] = {level, next};
        p.bracket_difference[i] = {top, bottom};
        p.pressure_difference[i] =
            round_dec(top + (bottom - top) * (level - y) / (level - next), 3);
        found = true;
        break;
    }
    if (!found) stop_with_error("(ERROR)lmMAX位置が検索できません.");

    // The wall after corrosion: the half with the larger D/t' governs.
    const double d1 = d - 2.0 * t1;
    const double w1 = t - t1;
    const double d2 = d - 2.0 * t2;
    const double w2 = t - t2;
    const bool first = d1 / w1 > d2 / w2;
    p.outer_diameter[i] = first ? d1 : d2;
    p.wall_thickness[i] = first ? w1 : w2;
    const double ratio = p.outer_diameter[i] / p.wall_thickness[i];
    return round_dec(ratio * ratio * std::fabs(p.pressure_difference[i]) * kRingFactor, 1);
}

double combined_stress(const StabilityRun& run, double stress, double secondary) {
    if (!steel_pipe_check_on(run)) return 0.0;
    return round_dec(std::sqrt(secondary * secondary + stress * stress - stress * secondary), 1);
}

void pipe_secondary_stresses(StabilityRun& run, int j, double depth_uncorroded,
                             double depth_corroded) {
    if (!steel_pipe_check_on(run)) return;
    LevelSolverBlock& solver = run.results.level_solver;
    const std::size_t c = at(j);
    if (j == 0) {
        const Candidate& cand = run.candidates[at(run.current)];
        const double d = cand.pipe.diameter;
        const double t = cand.pipe.thickness;
        const CorrosionBlock& corr = run.results.corrosion;
        solver.pipe_secondary[0][kPipeUncorroded] =
            find_lm_max(run, j, 0, depth_uncorroded, d, t, 0.0, 0.0);
        solver.pipe_secondary[0][kPipeCorroded] =
            find_lm_max(run, j, 1, depth_corroded, d, t, corr.t1_mud, corr.t2_mud);
    } else {
        solver.pipe_secondary[c] = solver.pipe_secondary[0];
    }
    solver.pipe_combined[c][kPipeUncorroded] = combined_stress(
        run, solver.bending_stress[c][0], solver.pipe_secondary[c][kPipeUncorroded]);
    solver.pipe_combined[c][kPipeCorroded] =
        combined_stress(run, solver.bending_stress[c][2], solver.pipe_secondary[c][kPipeCorroded]);
}

} // namespace wtn
