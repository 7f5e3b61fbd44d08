#include "trial_pages.h"

#include "checks.h"
#include "error_messages.h"
#include "file_io.h"
#include "format_values.h"
#include "trial_page_templates.h"
#include "user_text.h"
#include "wall_codes.h"

namespace wtn {

namespace {

constexpr const char* kDashes = "──────";

std::size_t at(int i) {
    return static_cast<std::size_t>(i);
}

const TemplateTable kTrialTemplates = kTrialPageTemplates;

void block(PageFile& pages, const char* template_name) {
    pages.block(BlockStart::same_page, template_name);
}

int page_rows(const StabilityRun& run, int j, int flag, const CheckSwitches& on) {
    const bool steel = run.pile_kind == PileKind::steel;
    const int step = flag == kNoCorrosion ? 3 : 4;
    int n = flag == kNoCorrosion ? 23 : 26;
    if (on.reaction) n += step;
    if (on.displacement) n += step;
    if (on.stress) {
        if (!steel || flag == kNoCorrosion)
            n += 3;
        else
            n += flag == kCorrosionZonesDiffer ? 5 : 4;
    }
    if (steel_pipe_check_on(run)) n += j == 0 ? 2 * step : step;
    return n;
}

const char* reaction_label(EmbedmentMethod method) {
    if (method == EmbedmentMethod::CType || method == EmbedmentMethod::CTypeMultiLayer)
        return "ｋ$Sc$Z･y$U0.5$Z";
    if (method == EmbedmentMethod::SType) return "ｋ$Ss$Z･x･y$U0.5$Z";
    return "ｋ$Sh$Z･δ$S1$Z";
}

// A check line triple: mark, value, verdict.
void check_triple(PageFile& file, int first, const char* format, double value, int ng) {
    const CheckMarks m = check_marks(ng);
    file.formatted(first, "%s", m.mark);
    file.formatted(first + 1, format, value);
    file.formatted(first + 2, "%s", m.verdict);
}

} // namespace

const char* trial_page_file(int file_mode) {
    return file_mode == kCompletedStateMode ? "CTRAIAL0.PDT" : "CTRAIAL1.PDT";
}

std::unique_ptr<PageFile> open_trial_pages(const StabilityRun& run) {
    static const char* const titles[] = {"完成時         :計算ﾄﾗｲｱﾙ結果表",
                                         "施工時         :計算ﾄﾗｲｱﾙ結果表", "計算ﾄﾗｲｱﾙ結果表"};
    const char* name = trial_page_file(run.file_mode);
    CFile file = open_file(name, "wt");
    if (!file) stop_with_error(ErrorCode::TrialTableOpen);
    auto pages = std::make_unique<PageFile>(std::move(file), name, titles[run.file_mode],
                                            run.run_info, &kTrialTemplates);
    pages->block(BlockStart::new_page, "TRI_TITL.PFM");
    return pages;
}

namespace {

// What every block of a candidate's trial page reads: the results of one
// tide level and case, and the switches that choose the blocks.
struct TrialView {
    const StabilityRun& run;
    const StabilityResults& results;
    int case_index;
    std::size_t level;
    std::size_t c; // case_index as an array index
    int corrosion_flag;
    bool any_corrosion;
    bool zones_differ;
    bool steel;
    bool pipe;
};

TrialView trial_view(const StabilityRun& run, int level, int case_index) {
    const int flag = run.results.corrosion.case_flag;
    return {run,
            run.results,
            case_index,
            at(level),
            at(case_index),
            flag,
            flag != kNoCorrosion,
            flag == kCorrosionZonesDiffer,
            run.pile_kind == PileKind::steel,
            steel_pipe_check_on(run)};
}

// The candidate's block: name, stage or tide level, the section values and
// the results of the section calculation.
void write_candidate_block(PageFile& file, const TrialView& view, const CandidateRecord& candidate,
                           const std::string& label) {
    const StabilityRun& run = view.run;
    const StabilityResults& results = view.results;
    const LevelSolverBlock& solver = results.level_solver;
    const LevelDisplacementBlock& displacement = results.level_displacement;
    const std::size_t c = view.c;
    block(file, view.corrosion_flag == kCorrosionZonesDiffer ? "TRAIAL1.PFM"
                : view.corrosion_flag == kCorrosionZonesSame ? "TRAIAL2.PFM"
                                                             : "TRAIAL3.PFM");
    file.formatted(0, "[%s]", escape_user_text(candidate.name).c_str());
    const char* case_word = view.case_index == 0 ? "[常  時]" : "[地震時]";
    if (run.file_mode == kCompletedStateMode)
        file.formatted(1, "完成時 %s", case_word);
    else if (run.file_mode == kConstructionStageMode)
        file.formatted(1, "施工時 <%s>", escape_user_text(label).c_str());
    else
        file.formatted(1, "%s <%s>", case_word, escape_user_text(label).c_str());

    // Section values: the ones with the joint efficiency when it applies.
    const bool joint = results.joint_efficiency_flag != 0;
    const PerSection& modulus = joint ? run.section.stress_modulus : candidate.modulus;
    const PerSection& inertia = joint ? run.section.inertia_beta : candidate.inertia;
    const auto per_section = [&](int first, const PerSection& v, const char* format) {
        file.formatted(first, format, v[0]);
        if (view.zones_differ) file.formatted(first + 1, format, v[1]);
        if (view.any_corrosion) file.formatted(first + 2, format, v[2]);
    };
    per_section(2, modulus, "%12.0lf");
    per_section(5, inertia, "%12.0lf");
    if (view.steel) {
        per_section(8, solver.bending_stress[c], "%12.1lf");
    } else {
        file.formatted(8, "%s", kDashes);
        if (view.zones_differ) file.formatted(9, "%s", kDashes);
        if (view.any_corrosion) file.formatted(10, "%s", kDashes);
    }

    if (view.pipe && view.case_index == 0) {
        file.formatted(20, "%12.1lf", solver.pipe_secondary[c][0]);
        if (view.any_corrosion) file.formatted(21, "%12.1lf", solver.pipe_secondary[c][1]);
    } else {
        file.formatted(20, "%s", kDashes);
        if (view.any_corrosion) file.formatted(21, "%s", kDashes);
    }
    if (view.pipe) {
        file.formatted(22, "%12.1lf", solver.pipe_combined[c][0]);
        if (view.any_corrosion) file.formatted(23, "%12.1lf", solver.pipe_combined[c][1]);
    } else {
        file.formatted(22, "%s", kDashes);
        if (view.any_corrosion) file.formatted(23, "%s", kDashes);
    }

    file.formatted(11, "%12.3lf", displacement.seabed_deflection[c][0]);
    if (view.any_corrosion) file.formatted(12, "%12.3lf", displacement.seabed_deflection[c][1]);
    file.formatted(13, "%12.3lf", displacement.total[c][0]);
    if (view.any_corrosion) file.formatted(14, "%12.3lf", displacement.total[c][1]);

    file.formatted(15, "%9.3lf", solver.moment[c][0]);
    if (view.zones_differ) {
        const EmbedmentMethod method = run.input.swdat.embedment_method;
        const bool koken = is_curve_method(method);
        const bool maximum =
            run.custom.koken_sea_moment_rule != KokenSeaMomentRule::AtVirtualSeabed;
        file.formatted(99, "%s", koken && maximum ? "M$Sm$Z" : "M$S0$Z");
        file.formatted(16, "%9.3lf", solver.moment[c][1]);
    }
    if (view.any_corrosion) file.formatted(17, "%9.3lf", solver.moment[c][2]);
    file.formatted(18, "%12.3lf", solver.first_zero[c][0]);
    if (view.any_corrosion) file.formatted(19, "%12.3lf", solver.first_zero[c][2]);
}

// The stress check: the moment against the allowable moment for a concrete
// pile, the bending stress of each section for a steel one.
void write_stress_check(PageFile& file, const TrialView& view) {
    const CaseResultBlock& checked = view.results.case_results;
    const DesignValueBlock& allow = view.results.design_values;
    const std::size_t level = view.level;
    const std::size_t c = view.c;
    if (!view.steel) {
        block(file, "T-MMAX1.PFM");
        const CheckMarks marks = check_marks(checked.stress_ng[level][c][0]);
        file.formatted(0, "%9.3lf", allow.allowable_stress[c]);
        file.formatted(1, "%s", marks.mark);
        file.formatted(2, "%9.3lf", checked.stress[level][c][0]);
        file.formatted(3, "%s", marks.verdict);
        file.formatted(4, "%s", view.case_index == 0 ? "Mγ" : "Mγ'");
        return;
    }
    block(file, view.zones_differ    ? "T-ORYK1.PFM"
                : view.any_corrosion ? "T-ORYK2.PFM"
                                     : "T-ORYK3.PFM");
    file.formatted(0, "%9.1lf", allow.allowable_stress[c]);
    check_triple(file, 1, "%9.1lf", checked.stress[level][c][0], checked.stress_ng[level][c][0]);
    if (view.zones_differ)
        check_triple(file, 4, "%9.1lf", checked.stress[level][c][1],
                     checked.stress_ng[level][c][1]);
    if (view.any_corrosion)
        check_triple(file, 7, "%9.1lf", checked.stress[level][c][2],
                     checked.stress_ng[level][c][2]);
}

void write_displacement_check(PageFile& file, const TrialView& view) {
    const CaseResultBlock& checked = view.results.case_results;
    const std::size_t level = view.level;
    const std::size_t c = view.c;
    block(file, view.any_corrosion ? "T-HENI1.PFM" : "T-HENI2.PFM");
    file.formatted(0, "%9.3lf", view.results.design_values.allowable_displacement[c]);
    check_triple(file, 1, "%9.3lf", checked.displacement[level][c][0],
                 checked.displacement_ng[level][c][0]);
    if (view.any_corrosion)
        check_triple(file, 4, "%9.3lf", checked.displacement[level][c][1],
                     checked.displacement_ng[level][c][1]);
}

void write_reaction_check(PageFile& file, const TrialView& view) {
    const CaseResultBlock& checked = view.results.case_results;
    const std::size_t level = view.level;
    const std::size_t c = view.c;
    block(file, view.any_corrosion ? "T-HANR1.PFM" : "T-HANR2.PFM");
    file.formatted(0, "%-18s", reaction_label(view.run.input.swdat.embedment_method));
    file.formatted(1, "%9.3lf", view.run.force_case.base[c].pressure);
    check_triple(file, 2, "%9.3lf", checked.reaction[level][c][0],
                 checked.reaction_ng[level][c][0]);
    if (view.any_corrosion)
        check_triple(file, 5, "%9.3lf", checked.reaction[level][c][1],
                     checked.reaction_ng[level][c][1]);
}

// The steel-pipe checks: the ring stress (normal case only) and the combined
// stress.
void write_pipe_checks(PageFile& file, const TrialView& view) {
    const CaseResultBlock& checked = view.results.case_results;
    const DesignValueBlock& allow = view.results.design_values;
    const std::size_t c = view.c;
    if (view.case_index == 0) {
        block(file, view.any_corrosion ? "T-SIGM21.PFM" : "T-SIGM22.PFM");
        file.formatted(0, "%9.1lf", allow.allowable_stress[0]);
        check_triple(file, 1, "%9.1lf", checked.pipe_secondary[c][0], checked.secondary_ng[c][0]);
        if (view.any_corrosion)
            check_triple(file, 7, "%9.1lf", checked.pipe_secondary[c][1],
                         checked.secondary_ng[c][1]);
    }
    block(file, view.any_corrosion ? "T-SIGMF1.PFM" : "T-SIGMF2.PFM");
    file.formatted(0, "%9.1lf", allow.allowable_combined[c]);
    check_triple(file, 1, "%9.1lf", checked.pipe_combined[c][0], checked.combined_ng[c][0]);
    if (view.any_corrosion)
        check_triple(file, 7, "%9.1lf", checked.pipe_combined[c][1], checked.combined_ng[c][1]);
}

} // namespace

void write_trial_page(PageFile& file, const StabilityRun& run, int candidate, int level,
                      int case_index, const std::string& label) {
    const TrialView view = trial_view(run, level, case_index);
    const CheckSwitches on = check_switches(run.input.swdat.decision_code);
    file.reserve(page_rows(run, case_index, view.corrosion_flag, on));
    write_candidate_block(file, view, run.candidates[at(candidate)].record, label);
    if (on.stress) write_stress_check(file, view);
    if (on.displacement) write_displacement_check(file, view);
    if (on.reaction) write_reaction_check(file, view);
    if (!view.pipe || run.input.swdat.completed_cases == CompletedCases::SeismicOnly) return;
    write_pipe_checks(file, view);
}

} // namespace wtn
