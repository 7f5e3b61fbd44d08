// The project-file commands of the main window (New, Open, open-recent, Save,
// Save As) and the save question that New, Open, open-recent, run and close
// ask when the data differs from its snapshot "ORG.DAT". Written against the
// small services of front_end_services.h.
//
// Loads read into a copy of the design data; the copy replaces the current
// data only when the whole load (and the unit conversion of older files)
// succeeded, so a file that cannot be read leaves the project as it was.
#pragma once

#include "design_data.h"
#include "front_end_services.h"
#include "recent_files.h"

#include <string>

namespace wtn {

inline constexpr const char* kTemplateProjectName = "新規.tn2";
inline constexpr const char* kCaptionPrefix = "Tosvane２ - ";
inline constexpr const char* kSaveQuestionTitle = "保存確認";
inline constexpr const char* kSaveAsTitle = "名前を付けて保存";
inline constexpr const char* kUnsavedQuestion =
    "現在開いているデータが保存されていません。保存しますか？";
inline constexpr const char* kConditionsChangedQuestion =
    "検討条件が更新されています。保存しますか？";
inline constexpr const char* kAdoptedChangedQuestion =
    "計算後に根入れ長、又は矢板長が変更されています。データを保存しますか？";
inline constexpr const char* kOpenFilter =
    "Tosvane２ (*.tn2)|*.tn2|Tosvane (*.wtn)|*.wtn|Tosvane DOS版 (*.cal)|*.cal";
inline constexpr const char* kSaveFilter = "Tosvane２ (*.tn2)|*.tn2";

// Which command asks the save question; each has its own texts.
enum class SaveQuestionKind {
    new_or_open, // New, Open, open-recent
    close,       // closing the main window
    run,         // the run command: no question when only the adopted values changed
};

class FileCommands {
  public:
    FileCommands(DesignData& data, MessageBoxes& boxes, FileDialogs& files,
                 MainWindowScreens& screens, RecentFiles& recent);

    // New: the template project, untitled. The save question first when a
    // snapshot exists.
    void file_new();
    // Open: the save question, the open dialog, then the chosen file.
    void file_open();
    // Open-recent: the save question, then the file of a recent-files item.
    void open_recent(const std::string& caption);
    // Save to the current file, or Save As when there is none yet. True when
    // the project was written.
    bool file_save();
    // Save As with the overwrite question. True when the project was written.
    bool file_save_as();

    // Stores every screen, writes "CAL_FILE.DAT", compares it with "ORG.DAT"
    // and asks as the command's kind requires. Yes saves, and the command goes
    // on only when the save succeeded; No goes on; Cancel ends the command.
    // True when the command may go on. For run, a "CAL_FILE.DAT" that cannot
    // be written ends the command after the writer's message.
    bool save_question(SaveQuestionKind kind);

    // Writes the calculation input to a work file of the program folder;
    // false after the writer's message.
    bool write_work_cal_file(const std::string& name);

    // An OK box with the information icon and the application's title.
    void tell(const std::string& text);

  private:
    // A Yes / No / Cancel question; closing the box answers Cancel.
    BoxAnswer ask(const std::string& title, const std::string& text, BoxIcon icon,
                  BoxAnswer default_button);
    bool write_cal_or_tell(DesignData& data, const std::string& name);
    bool open_path(const std::string& path, bool from_recent);
    void name_project(const std::string& path);
    void delete_old_results();

    DesignData& data_;
    MessageBoxes& boxes_;
    FileDialogs& files_;
    MainWindowScreens& screens_;
    RecentFiles& recent_;
};

// The bare project name of a path: the file name without its folder and
// without anything from its first "." on.
std::string bare_project_name(const std::string& path);
// The folder of a path up to and including its last "/", or "".
std::string folder_of(const std::string& path);

} // namespace wtn
