#include "run_chain.h"

#include "cal_writer.h"
#include "file_names.h"
#include "number_text.h"
#include "program_runs.h"
#include "results_dialog.h"
#include "screen_codes.h"
#include "text_file.h"

#include <filesystem>

namespace wtn::mainwin {
namespace {

// One branch of the chain: the load program, then the stability calculation,
// the results dialog, and the two report programs.
struct Branch {
    const char* load_program;
    int kekka_mode;
    const char* report_program;
};
constexpr Branch kCompletedState{"TVNDAT", kResultsAdoptCompleted, "SOLPRT"};
constexpr Branch kConstructionStage{"TVNWAV", kResultsAdoptConstruction, "SRGPRT"};
constexpr const char* kCheckListProgram = "AUDSHEET";
constexpr const char* kStabilityProgram = "TVNCAL";
constexpr const char* kStabilityReportProgram = "TVNPRN";

class Chain {
  public:
    explicit Chain(MainWindow& w) : w_(w) {}

    // True when the program ended with 0; the window is then still disabled.
    bool run(const char* name) {
        w_.form.set_enabled(false);
        w_.stv_gm.set_panel_text(1, std::string(kRunningStatus) + name);
        ProgramStart start{w_.programs_dir.empty() ? w_.data.work_dir : w_.programs_dir,
                           w_.data.work_dir,
                           name,
                           {}};
        const int code = run_program(*w_.services.processes, *w_.services.boxes, start);
        if (code == kProgramWentOn) return true;
        if (code != kProgramStopped) report_program_end(*w_.services.boxes, name, code);
        return false;
    }

    bool branch(const Branch& b) {
        w_.form.set_enabled(false);
        if (!run(b.load_program) || !run(kStabilityProgram)) return false;
        w_.data.kekka_mode = b.kekka_mode;
        w_.stv_gm.set_panel_text(1, "");
        ResultsDialog dialog(w_.data, *w_.services.boxes);
        w_.services.windows->show_modal(dialog.form);
        if (!dialog.adopted_file_written()) return false;
        if (!run(b.report_program) || !run(kStabilityReportProgram)) return false;
        w_.form.set_enabled(true);
        return true;
    }

  private:
    MainWindow& w_;
};

} // namespace

RunningGuard::RunningGuard(MainWindow& w) : w_(w) {
    w_.running = true;
}

RunningGuard::~RunningGuard() {
    w_.running = false;
    w_.stv_gm.set_panel_text(1, closing_status);
    w_.form.set_enabled(true);
}

std::vector<std::string> run_info_lines(const std::string& project_name, const std::string& title) {
    RunInfo info;
    info.data_name = project_name;
    info.title = fixed_text(title, kRunInfoTitleLength);
    // The stamp is 0 until the check-list program fills it in.
    return wtn::run_info_lines(info, [](int value) { return cal_integer_item(value); });
}

void delete_run_outputs(const std::string& folder) {
    namespace fs = std::filesystem;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder.empty() ? "." : folder, error)) {
        if (!entry.is_regular_file(error)) continue;
        const std::string name = entry.path().filename().string();
        if (is_page_file_name(name) || is_result_table_file_name(name) ||
            name == kChooserFileName) {
            fs::remove(entry.path(), error);
        }
    }
}

void run_Click(MainWindow& w) {
    if (w.running) return;
    RunningGuard guard(w);
    DesignData& data = w.data;
    // Every work file is named by the work folder's path, and each program is
    // started with the work folder as its current folder (ProgramStart).
    FileCommands& files = w.file_commands();
    // Stores every screen, writes CAL_FILE.DAT and asks to save.
    if (!files.save_question(SaveQuestionKind::run)) return;
    // Print and the results commands compare against CAL.DAT: a run without
    // it would let them pass an older run's results off as this one's.
    if (!files.write_work_cal_file(kLastRunFileName)) return;
    delete_run_outputs(data.work_dir);
    data.data_name = bare_project_name(data.data_name);
    try {
        write_text_file(join_path(data.work_dir, kRunInfoFileName),
                        run_info_lines(data.data_name, data.data_title));
    } catch (const DataError& e) {
        files.tell(e.what());
        return;
    }

    Chain chain(w);
    if (!chain.run(kCheckListProgram)) return;
    const bool completed = data.sekkei_dat.kanseiji_sw != CheckBox::Clear;
    const bool construction = data.sekkei_dat.sekouji_sw != CheckBox::Clear;
    // Without a study the run ends after the check list; say so, since no
    // results dialog follows and the report holds the list alone.
    if (!completed && !construction) guard.closing_status = kCheckListOnlyStatus;
    if (completed && !chain.branch(kCompletedState)) return;
    if (construction && !chain.branch(kConstructionStage)) return;
}

} // namespace wtn::mainwin
