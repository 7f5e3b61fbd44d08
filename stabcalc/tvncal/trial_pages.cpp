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

void write_trial_page(PageFile& file, const StabilityRun& run, int k, int level, int j,
                      const std::string& label) {
    const StabilityResults& res = run.results;
    const CandidateRecord& cand = run.candidates[at(k)].record;
    const CaseResultBlock& r = res.case_results;
    const LevelSolverBlock& solver = res.level_solver;
    const LevelDisplacementBlock& disp = res.level_displacement;
    const int flag = res.corrosion.case_flag;
    const bool any_corrosion = flag != kNoCorrosion;
    const bool zones_differ = flag == kCorrosionZonesDiffer;
    const bool steel = run.pile_kind == PileKind::steel;
    const bool pipe = steel_pipe_check_on(run);
    const CheckSwitches on = check_switches(run.input.swdat.decision_code);
    const std::size_t l = at(level);
    const std::size_t c = at(j);

    file.reserve(page_rows(run, j, flag, on));
    block(file, flag == kCorrosionZonesDiffer ? "TRAIAL1.PFM"
                : flag == kCorrosionZonesSame ? "TRAIAL2.PFM"
                                              : "TRAIAL3.PFM");
    file.formatted(0, "[%s]", escape_user_text(cand.name).c_str());
    const char* case_word = j == 0 ? "[常  時]" : "[地震時]";
    if (run.file_mode == kCompletedStateMode)
        file.formatted(1, "完成時 %s", case_word);
    else if (run.file_mode == kConstructionStageMode)
        file.formatted(1, "施工時 <%s>", escape_user_text(label).c_str());
    else
        file.formatted(1, "%s <%s>", case_word, escape_user_text(label).c_str());

    // Section values: the ones with the joint efficiency when it applies.
    const bool joint = res.joint_efficiency_flag != 0;
    const PerSection& z = joint ? run.section.stress_modulus : cand.modulus;
    const PerSection& inertia = joint ? run.section.inertia_beta : cand.inertia;
    const auto per_section = [&](int first, const PerSection& v, const char* format) {
        file.formatted(first, format, v[0]);
        if (zones_differ) file.formatted(first + 1, format, v[1]);
        if (any_corrosion) file.formatted(first + 2, format, v[2]);
    };
    per_section(2, z, "%12.0lf");
    per_section(5, inertia, "%12.0lf");
    if (steel) {
        per_section(8, solver.bending_stress[c], "%12.1lf");
    } else {
        file.formatted(8, "%s", kDashes);
        if (zones_differ) file.formatted(9, "%s", kDashes);
        if (any_corrosion) file.formatted(10, "%s", kDashes);
    }

    if (pipe && j == 0) {
        file.formatted(20, "%12.1lf", solver.pipe_secondary[c][0]);
        if (any_corrosion) file.formatted(21, "%12.1lf", solver.pipe_secondary[c][1]);
    } else {
        file.formatted(20, "%s", kDashes);
        if (any_corrosion) file.formatted(21, "%s", kDashes);
    }
    if (pipe) {
        file.formatted(22, "%12.1lf", solver.pipe_combined[c][0]);
        if (any_corrosion) file.formatted(23, "%12.1lf", solver.pipe_combined[c][1]);
    } else {
        file.formatted(22, "%s", kDashes);
        if (any_corrosion) file.formatted(23, "%s", kDashes);
    }

    file.formatted(11, "%12.3lf", disp.seabed_deflection[c][0]);
    if (any_corrosion) file.formatted(12, "%12.3lf", disp.seabed_deflection[c][1]);
    file.formatted(13, "%12.3lf", disp.total[c][0]);
    if (any_corrosion) file.formatted(14, "%12.3lf", disp.total[c][1]);

    file.formatted(15, "%9.3lf", solver.moment[c][0]);
    if (zones_differ) {
        const EmbedmentMethod method = run.input.swdat.embedment_method;
        const bool koken = method == EmbedmentMethod::CType || method == EmbedmentMethod::SType;
        const bool maximum =
            run.custom.koken_sea_moment_rule != KokenSeaMomentRule::AtVirtualSeabed;
        file.formatted(99, "%s", koken && maximum ? "M$Sm$Z" : "M$S0$Z");
        file.formatted(16, "%9.3lf", solver.moment[c][1]);
    }
    if (any_corrosion) file.formatted(17, "%9.3lf", solver.moment[c][2]);
    file.formatted(18, "%12.3lf", solver.first_zero[c][0]);
    if (any_corrosion) file.formatted(19, "%12.3lf", solver.first_zero[c][2]);

    const DesignValueBlock& allow = res.design_values;
    if (on.stress) {
        if (!steel) {
            block(file, "T-MMAX1.PFM");
            const CheckMarks m = check_marks(r.stress_ng[l][c][0]);
            file.formatted(0, "%9.3lf", allow.allowable_stress[c]);
            file.formatted(1, "%s", m.mark);
            file.formatted(2, "%9.3lf", r.stress[l][c][0]);
            file.formatted(3, "%s", m.verdict);
            file.formatted(4, "%s", j == 0 ? "Mγ" : "Mγ'");
        } else {
            block(file, zones_differ    ? "T-ORYK1.PFM"
                        : any_corrosion ? "T-ORYK2.PFM"
                                        : "T-ORYK3.PFM");
            file.formatted(0, "%9.1lf", allow.allowable_stress[c]);
            check_triple(file, 1, "%9.1lf", r.stress[l][c][0], r.stress_ng[l][c][0]);
            if (zones_differ)
                check_triple(file, 4, "%9.1lf", r.stress[l][c][1], r.stress_ng[l][c][1]);
            if (any_corrosion)
                check_triple(file, 7, "%9.1lf", r.stress[l][c][2], r.stress_ng[l][c][2]);
        }
    }
    if (on.displacement) {
        block(file, any_corrosion ? "T-HENI1.PFM" : "T-HENI2.PFM");
        file.formatted(0, "%9.3lf", allow.allowable_displacement[c]);
        check_triple(file, 1, "%9.3lf", r.displacement[l][c][0], r.displacement_ng[l][c][0]);
        if (any_corrosion)
            check_triple(file, 4, "%9.3lf", r.displacement[l][c][1], r.displacement_ng[l][c][1]);
    }
    if (on.reaction) {
        block(file, any_corrosion ? "T-HANR1.PFM" : "T-HANR2.PFM");
        file.formatted(0, "%-18s", reaction_label(run.input.swdat.embedment_method));
        file.formatted(1, "%9.3lf", run.force_case.base[c].pressure);
        check_triple(file, 2, "%9.3lf", r.reaction[l][c][0], r.reaction_ng[l][c][0]);
        if (any_corrosion)
            check_triple(file, 5, "%9.3lf", r.reaction[l][c][1], r.reaction_ng[l][c][1]);
    }
    if (!pipe || run.input.swdat.completed_cases == CompletedCases::SeismicOnly) return;
    if (j == 0) {
        block(file, any_corrosion ? "T-SIGM21.PFM" : "T-SIGM22.PFM");
        file.formatted(0, "%9.1lf", allow.allowable_stress[0]);
        check_triple(file, 1, "%9.1lf", r.pipe_secondary[c][0], r.secondary_ng[c][0]);
        if (any_corrosion)
            check_triple(file, 7, "%9.1lf", r.pipe_secondary[c][1], r.secondary_ng[c][1]);
    }
    block(file, any_corrosion ? "T-SIGMF1.PFM" : "T-SIGMF2.PFM");
    file.formatted(0, "%9.1lf", allow.allowable_combined[c]);
    check_triple(file, 1, "%9.1lf", r.pipe_combined[c][0], r.combined_ng[c][0]);
    if (any_corrosion) check_triple(file, 7, "%9.1lf", r.pipe_combined[c][1], r.combined_ng[c][1]);
}

} // namespace wtn
