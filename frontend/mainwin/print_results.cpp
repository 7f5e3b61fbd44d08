#include "print_results.h"

#include "cal_writer.h"
#include "dat_compare.h"
#include "program_runs.h"
#include "result_tables.h"
#include "results_dialog.h"
#include "run_chain.h"
#include "screen_codes.h"
#include "text_file.h"

namespace wtn::mainwin {
namespace {

void tell(MainWindow& w, const char* title, const char* text) {
    show_note(*w.services.boxes, title, text, BoxIcon::Information);
}

// Stores every screen, writes CAL_FILE.DAT and compares it with CAL.DAT.
// A CAL_FILE.DAT that could not be written holds older data: it counts as
// changed, so the user is told rather than shown a stale comparison.
bool changed_since_last_run(MainWindow& w) {
    w.store_all_screens();
    const std::string current = join_path(w.data.work_dir, kInputFileName);
    if (!w.file_commands().write_work_cal_file(kInputFileName)) return true;
    return cmp_dat_file(current, join_path(w.data.work_dir, kLastRunFileName)) == kDatChanged;
}

void show_results(MainWindow& w, int mode) {
    if (w.running) return;
    RunningGuard guard(w);
    w.data.kekka_mode = mode;
    const int stage = mode == kResultsViewCompleted ? 0 : 1;
    if (!file_exists(join_path(w.data.work_dir, kLevelResultFiles[stage])) ||
        !file_exists(join_path(w.data.work_dir, kPileResultFiles[stage]))) {
        tell(w, kResultsTitle, kNoResults);
        return;
    }
    // Tables left without the input they came from (removed by hand): there
    // is nothing to compare with.
    const bool have_last_run = file_exists(join_path(w.data.work_dir, kLastRunFileName));
    const bool changed = changed_since_last_run(w);
    if (have_last_run && changed) tell(w, kResultsTitle, kResultsChanged);
    ResultsDialog dialog(w.data, *w.services.boxes);
    w.services.windows->show_modal(dialog.form);
}

} // namespace

void file_print_Click(MainWindow& w) {
    if (w.running) return;
    RunningGuard guard(w);
    const bool changed = changed_since_last_run(w);
    if (!file_exists(join_path(w.data.work_dir, kLastRunFileName))) {
        tell(w, kPrintTitle, kNotCalculated);
        return;
    }
    if (changed) tell(w, kPrintTitle, kPrintChanged);
    w.form.set_enabled(false);
    ProgramStart start{w.programs_dir.empty() ? w.data.work_dir : w.programs_dir,
                       w.data.work_dir,
                       kViewerProgram,
                       {"/NOTEDIT", "/PDTOPEN"}};
    const int code = run_program(*w.services.processes, *w.services.boxes, start);
    // 1 is the viewer's own stop; anything but 0 and 1 is told.
    if (code != kProgramWentOn && code != kProgramStopped) {
        report_program_end(*w.services.boxes, kViewerProgram, code);
    }
}

void k_kekka_Click(MainWindow& w) {
    show_results(w, kResultsViewCompleted);
}

void s_kekka_Click(MainWindow& w) {
    show_results(w, kResultsViewConstruction);
}

} // namespace wtn::mainwin
