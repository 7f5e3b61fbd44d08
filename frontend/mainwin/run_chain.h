// The run command (計算 / 実行): the project becomes the calculation input,
// the save question is asked when the design conditions changed, the input of
// this run is kept as CAL.DAT, the outputs of the previous run are deleted,
// CAL_FILE.INF is written, and the batch programs run one after another in
// the work folder, each waited for with the main window disabled:
//   AUDSHEET;
//   completed state:    TVNDAT, TVNCAL, results dialog (mode 1), SOLPRT, TVNPRN;
//   construction stage: TVNWAV, TVNCAL, results dialog (mode 2), SRGPRT, TVNPRN.
// Exit code 0 goes on; 1 stops the chain quietly (the program has shown its
// message); anything else stops it with a box naming the program.
#pragma once

#include "main_window.h"
#include "run_info_file.h"

#include <string>
#include <vector>

namespace wtn::mainwin {

inline constexpr int kRunInfoTitleLength = 36;
inline constexpr const char* kRunningStatus = "計算実行中：";
// Left in the status panel after a run with neither study ticked.
inline constexpr const char* kCheckListOnlyStatus =
    "完成時・施工時の検討がどちらも選ばれていないため、入力データチェックリストのみ作成しました。";

// Holds MainWindow::running for one command; the window is enabled again and
// the status panel cleared however the command ends, or left with
// closing_status when the command set one.
class RunningGuard {
  public:
    explicit RunningGuard(MainWindow& w);
    ~RunningGuard();
    RunningGuard(const RunningGuard&) = delete;
    RunningGuard& operator=(const RunningGuard&) = delete;

    std::string closing_status;

  private:
    MainWindow& w_;
};

// The eight lines of CAL_FILE.INF as the front end writes it: the bare
// project name, the title as exactly 36 characters, and six stamp lines that
// AUDSHEET fills in.
std::vector<std::string> run_info_lines(const std::string& project_name, const std::string& title);

// Deletes the report pages (*.PDT), the result tables (KEKKA?.DAT) and the
// chooser exchange (ZEVOVE.DAT) of folder; nothing else.
void delete_run_outputs(const std::string& folder);

// The run command. Refused while a command of the chain runs.
void run_Click(MainWindow& w);

} // namespace wtn::mainwin
