#include "stability_main.h"

#include "candidate_table.h"
#include "checks.h"
#include "corrosion.h"
#include "embedment_common.h"
#include "embedment_methods.h"
#include "error_messages.h"
#include "file_io.h"
#include "input_file.h"
#include "kekka_files.h"
#include "memory_file.h"
#include "report_conditions.h"
#include "text_lines.h"
#include "trial_pages.h"
#include "wall_codes.h"
#include "work_files.h"

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace wtn {

namespace {

void prepare_input(StabilityRun& run) {
    reset_input_counters(run.input);
    set_input_defaults(run.input);
    reset_result_counters(run.force_case, run.results);
    clear_result_areas(run.force_case, run.results);
    // Without the run information the pages carry no name; the calculation
    // does not need it.
    read_run_info(run.run_info);
    read_input(run.input, kInputFileName);
    run.custom = read_customisation();
    normalise_stability_inputs(run.input, run.results);
}

int read_file_mode() {
    CFile file = open_file(kForceFileName, "rt");
    if (!file) stop_with_error(ErrorCode::GairyokOpen);
    LineReader reader(file.get());
    return read_force_file_mode(reader);
}

void set_ranges(StabilityRun& run) {
    run.cases = stability_case_range(run.input, run.file_mode);
    run.levels = tide_level_range(run.input, run.file_mode);
    if (run.file_mode == kCompletedStateMode) return;
    for (int n = 0; n < run.levels.count; ++n) {
        const int level = run.levels.levels[static_cast<std::size_t>(n)];
        run.level_labels[static_cast<std::size_t>(n)] = tide_level_label(run.input, level);
    }
}

// The sections of GAIRYOK.DAT in the order a candidate uses them (per tide
// level, every case), read once for all candidates. Each section is read
// over the one before it, so a value a section does not carry (the base of
// the other case) stays from the section before, and the first section of a
// candidate starts from the last one of the candidate before.
struct ForceSections {
    std::vector<ForceCase> first_pass; // the first candidate computed
    std::vector<ForceCase> later_pass; // every later one
};

std::vector<ForceCase> read_force_pass(const StabilityRun& run, const ForceCase& start) {
    CFile forces = open_file(kForceFileName, "rt");
    if (!forces) stop_with_error(ErrorCode::GairyokOpen);
    LineReader reader(forces.get());
    read_force_file_mode(reader);
    std::vector<ForceCase> sections;
    ForceCase running = start;
    for (int n = 0; n < run.levels.count; ++n) {
        for (int j = run.cases.first; j < run.cases.end; ++j) {
            read_force_case(reader, j, run.file_mode, run.input, running);
            sections.push_back(running);
        }
    }
    check_force_file_end(reader);
    return sections;
}

ForceSections read_force_sections(const StabilityRun& run) {
    ForceSections sections;
    sections.first_pass = read_force_pass(run, run.force_case);
    sections.later_pass = sections.first_pass.empty()
                              ? sections.first_pass
                              : read_force_pass(run, sections.first_pass.back());
    return sections;
}

// The work files of the candidate being tried, kept in memory until the run
// has decided which candidate it ends with.
struct CandidateWorkFiles {
    MemoryFile neire;
    MemoryFile neire_tl;
};

// Computes every level and case of candidate k into the work files.
void compute_candidate(StabilityRun& run, int k, const std::vector<ForceCase>& sections,
                       CandidateWorkFiles& work, PageFile& pages) {
    run.results.case_results = CaseResultBlock{};
    run.section = section_values(run.candidates[static_cast<std::size_t>(k)].record,
                                 run.input.tugit, run.results.joint_efficiency_flag != 0,
                                 run.results.design_values.young_modulus);
    work.neire.clear();
    work.neire_tl.clear();

    const EmbedmentMethod method = run.input.swdat.embedment_method;
    std::size_t section = 0;
    for (int n = run.levels.first; n < run.levels.first + run.levels.count; ++n) {
        run.results.level_solver = LevelSolverBlock{};
        run.results.level_displacement = LevelDisplacementBlock{};
        for (int j = run.cases.first; j < run.cases.end; ++j) {
            run.force_case = sections[section++];
            allocate_case_areas(run, j);
            solve_case(run, j);
            set_check_flags(run, n, j);
            write_trial_page(pages, run, k, n, j, run.level_labels[static_cast<std::size_t>(n)]);
            write_neire_case(work.neire.stream(), run.results.areas, method);
            release_case_areas(run);
        }
        write_neire_tl(work.neire_tl.stream(), run.results);
    }
}

void save_work_file(MemoryFile& file, const char* name, ErrorCode error_code) {
    if (!file.save_as(name)) stop_with_error(error_code);
}

// The work files of the previous run, set aside while this one computes; a
// run that stops before saving its own leaves neither them nor a temporary.
class SetAsideWorkFiles {
  public:
    SetAsideWorkFiles() {
        set_aside(kNeireFile);
        set_aside(kNeireTlFile);
    }
    ~SetAsideWorkFiles() {
        if (saved_) return;
        remove_set_aside(kNeireFile);
        remove_set_aside(kNeireTlFile);
    }
    SetAsideWorkFiles(const SetAsideWorkFiles&) = delete;
    SetAsideWorkFiles& operator=(const SetAsideWorkFiles&) = delete;
    void saved() { saved_ = true; }

  private:
    bool saved_ = false;
};

} // namespace

void stability_main() {
    auto owned = std::make_unique<StabilityRun>();
    StabilityRun& run = *owned;
    prepare_input(run);
    check_embedment_method(run.input.swdat.embedment_method);

    run.file_mode = read_file_mode();
    run.take_decided =
        run.file_mode == kConstructionStageMode && run.input.swdat.studies == Studies::Both;
    run.pile_kind = is_steel_pile(run.input.joken.pile_type) ? PileKind::steel : PileKind::concrete;

    allowable_stresses(run, false, 0);
    allowable_displacements(run);
    youngs_modulus(run);
    if (run.take_decided)
        read_ok_yaita(run);
    else
        build_candidate_table(run);

    // A run that stops leaves no work file of an earlier input behind.
    SetAsideWorkFiles earlier_work_files;
    const std::unique_ptr<PageFile> pages = open_trial_pages(run);
    set_ranges(run);
    // Without a tide level to examine no case is computed, and the first
    // candidate would be decided on no load at all.
    if (run.levels.count == 0) {
        stop_with_error("(ERROR)-検討する潮位がないため安定計算ができません.");
    }

    const ForceSections sections = read_force_sections(run);
    CandidateWorkFiles work;
    int computed = -1;
    for (int k = 0; k < static_cast<int>(run.candidates.size()); ++k) {
        run.current = k;
        corrosion_allowances(run, k);
        allowable_stresses(run, true, k);
        run.last_section_result = section_after_corrosion(run, k);
        if (run.last_section_result != 0) continue;
        compute_candidate(run, k, computed < 0 ? sections.first_pass : sections.later_pass, work,
                          *pages);
        computed = k;
        if (!any_check_failed(run)) {
            confirm_corrosion_warnings(run, k);
            break;
        }
    }
    if (run.last_section_result != 0) {
        stop_with_error("(ERROR)-腐食が大きすぎて腐食後の矢板の断面性能が計算できません.");
    }
    // The work files of the candidate the run ends with: the first that
    // passed, else the last computed.
    save_work_file(work.neire, kNeireFile, ErrorCode::NeireOpen);
    save_work_file(work.neire_tl, kNeireTlFile, ErrorCode::NeireTlOpen);
    earlier_work_files.saved();
    write_ok_yaita(run, computed);

    write_kekka_files(run);
    write_neire_cm(run.results);
    pages->close();
    write_sjoken(report_conditions_from(run.results, run.file_mode, run.force_case));
}

} // namespace wtn
