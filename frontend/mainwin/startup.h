// Start-up and shutdown of the front end: Form1's load and closing events.
#pragma once

#include "instance_lock.h"
#include "main_window.h"

#include <string>

namespace wtn::mainwin {

inline constexpr const char* kAlreadyRunningMessage = "このアプリケーションは既に起動しています。";
inline constexpr const char* kLoadErrorTitle = "ロードエラー";
inline constexpr const char* kVersionFileName = "SYSVER.DAT";

enum class StartResult {
    ready,           // the main window holds an untitled project from the template
    second_instance, // another front end runs in the folder: refused after the message
    missing_file,    // the program folder or an installed file is missing or unreadable:
                     // stopped after a message
};

// The program folder: WTN_WORK_DIR when set, else the folder of the running
// executable.
std::string program_folder();
// The folder of the running executable, where the system's programs are.
std::string executable_folder();

// Form_Load: brings the program into its ready state in the fixed order
// (single instance, program folder, version text, splash, window size,
// recent files, dialog folder, untitled caption, screens placed, catalogues,
// customisation, old work files deleted, New). On success it also installs
// the closing question (Form_QueryUnload).
StartResult Form_Load(MainWindow& window, InstanceLock& lock, const std::string& folder);

// Form_QueryUnload: refuses to close during a run; otherwise the save
// question, whose Cancel (or a cancelled save) keeps the window open.
void Form_QueryUnload(MainWindow& window, bool& cancel);

} // namespace wtn::mainwin
