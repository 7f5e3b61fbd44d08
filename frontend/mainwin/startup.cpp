#include "startup.h"

#include "about_box.h"
#include "cal_writer.h"
#include "custom_file.h"
#include "field_reader.h"
#include "number_text.h"
#include "project_reader.h"
#include "text_file.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace wtn::mainwin {
namespace {

// An installed file the program cannot start without: the message names it
// and start-up stops before the window is half built.
StartResult stop_for_file(MainWindow& w, const std::string& detail) {
    show_note(*w.services.boxes, kAppTitle, detail + "\n起動を中止します。",
              wtn::BoxIcon::Critical);
    return StartResult::missing_file;
}

// The version text: the first field of the version file ("" when it holds
// none).
std::string read_version(const std::string& folder) {
    std::string path = join_path(folder, kVersionFileName);
    std::vector<std::string> lines = read_text_file(path);
    FieldReader fields(lines, path);
    return fields.at_end() ? std::string() : fields.text("version");
}

} // namespace

std::string program_folder() {
    if (const char* dir = std::getenv("WTN_WORK_DIR"); dir != nullptr && *dir != '\0') {
        return dir;
    }
    return executable_folder();
}

std::string executable_folder() {
    std::error_code error;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return std::filesystem::current_path(error).string();
    return exe.parent_path().string();
}

namespace {

// What every start-up step works on.
struct StartContext {
    MainWindow& w;
    InstanceLock& lock;
    const std::string& folder;
};

// A step returns StartResult::ready to let start-up go on.
using StartStep = StartResult (*)(StartContext&);

// One front end per program folder.
StartResult hold_single_instance(StartContext& c) {
    if (c.lock.acquire(c.folder)) return StartResult::ready;
    // A folder that cannot even hold the lock file is not a second instance:
    // say what is wrong with the folder instead.
    if (!c.lock.held_elsewhere()) {
        return stop_for_file(c.w, "プログラムフォルダ「" + c.folder +
                                      "」に作業ファイルを作成できません。");
    }
    show_note(*c.w.services.boxes, kLoadErrorTitle, kAlreadyRunningMessage, wtn::BoxIcon::Critical);
    return StartResult::second_instance;
}

// The program folder is the work folder and the current folder.
StartResult enter_program_folder(StartContext& c) {
    c.w.data.work_dir = c.folder;
    if (::chdir(c.folder.c_str()) != 0) {
        return stop_for_file(c.w, "プログラムフォルダ「" + c.folder + "」に移れません。");
    }
    return StartResult::ready;
}

StartResult read_version_text(StartContext& c) {
    try {
        c.w.data.sys_ver = read_version(c.folder);
    } catch (const DataError& e) {
        return stop_for_file(c.w, e.what());
    }
    return StartResult::ready;
}

// The splash, painted at once and gone again.
StartResult flash_splash(StartContext& c) {
    MainWindow& w = c.w;
    w.splash = std::make_unique<SplashScreen>(kAppTitle, w.data.sys_ver);
    if (w.services.windows != nullptr) w.services.windows->show_modeless(w.splash->form);
    w.splash->form.unload();
    return StartResult::ready;
}

// 800 x 600 pixels, centred on the screen.
StartResult centre_window(StartContext& c) {
    MainWindow& w = c.w;
    auto [screen_w, screen_h] = w.services.windows != nullptr
                                    ? w.services.windows->screen_size()
                                    : std::pair<int, int>{kMainWidthPixels, kMainHeightPixels};
    int left = (screen_w - kMainWidthPixels) / 2;
    int top = (screen_h - kMainHeightPixels) / 2;
    w.form.set_rect(ui::Rect{left * ui::kTwipsPerPixel, top * ui::kTwipsPerPixel,
                             kMainWidthPixels * ui::kTwipsPerPixel,
                             kMainHeightPixels * ui::kTwipsPerPixel});
    return StartResult::ready;
}

// The recent files, and the dialogs' folder from the most recent one (empty
// while item 1 keeps its initial caption).
StartResult restore_recent_files(StartContext& c) {
    c.w.recent_files().GetRecentFiles();
    c.w.data.dlg_dir = folder_of(c.w.mnuRecentFile[1]->caption());
    return StartResult::ready;
}

// Untitled, every screen placed hidden and disabled.
StartResult place_untitled_screens(StartContext& c) {
    c.w.data.data_name = kUntitled;
    c.w.place_screens();
    c.w.set_caption(std::string(kCaptionPrefix) + kUntitled);
    return StartResult::ready;
}

StartResult read_pile_catalogues(StartContext& c) {
    if (c.w.commands.read_yaita) c.w.commands.read_yaita();
    return StartResult::ready;
}

StartResult read_customisation(StartContext& c) {
    try {
        c.w.data.custom_tbl = read_custom_file(c.folder);
    } catch (const DataError& e) {
        return stop_for_file(c.w, e.what());
    }
    return StartResult::ready;
}

// Work files of an earlier run of the front end.
StartResult delete_old_work_files(StartContext& c) {
    for (const char* name : {kInputFileName, kOrgFileName, kLastRunFileName}) {
        std::error_code error;
        std::filesystem::remove(join_path(c.folder, name), error);
    }
    return StartResult::ready;
}

// New. The template is tried first: without it New would leave the window
// with no project in it.
StartResult start_new_project(StartContext& c) {
    try {
        DesignData probe = c.w.data;
        read_data_file(probe, join_path(c.folder, kTemplateProjectName));
    } catch (const DataError& e) {
        return stop_for_file(c.w, e.what());
    }
    c.w.file_commands().file_new();
    return StartResult::ready;
}

// The start-up steps in their fixed order.
constexpr StartStep kStartSteps[] = {
    hold_single_instance, enter_program_folder,  read_version_text,      flash_splash,
    centre_window,        restore_recent_files,  place_untitled_screens, read_pile_catalogues,
    read_customisation,   delete_old_work_files, start_new_project,
};

} // namespace

StartResult Form_Load(MainWindow& w, InstanceLock& lock, const std::string& folder) {
    StartContext context{w, lock, folder};
    for (StartStep step : kStartSteps) {
        if (StartResult result = step(context); result != StartResult::ready) return result;
    }
    w.form.on_query_unload = [&w](bool& cancel) { Form_QueryUnload(w, cancel); };
    return StartResult::ready;
}

void Form_QueryUnload(MainWindow& w, bool& cancel) {
    // The batch programs of a run work in the program folder with the data
    // written for them; the window stays until the run has ended.
    if (w.running) {
        cancel = true;
        return;
    }
    // The file commands name every work file by the work folder's path.
    if (!w.file_commands().save_question(SaveQuestionKind::close)) cancel = true;
}

} // namespace wtn::mainwin
