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

ui::MessageRequest ok_box(std::string title, std::string text, ui::BoxIcon icon) {
    ui::MessageRequest request;
    request.title = std::move(title);
    request.text = std::move(text);
    request.icon = icon;
    request.buttons = ui::BoxButtons::Ok;
    request.default_button = ui::BoxAnswer::Ok;
    return request;
}

// An installed file the program cannot start without: the message names it
// and start-up stops before the window is half built.
StartResult stop_for_file(MainWindow& w, const std::string& detail) {
    w.services.boxes->show(
        ok_box(kAppTitle, detail + "\n起動を中止します。", ui::BoxIcon::Critical));
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
    std::error_code error;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return std::filesystem::current_path(error).string();
    return exe.parent_path().string();
}

StartResult Form_Load(MainWindow& w, InstanceLock& lock, const std::string& folder) {
    // 1. One front end per program folder.
    if (!lock.acquire(folder)) {
        // A folder that cannot even hold the lock file is not a second
        // instance: say what is wrong with the folder instead.
        if (!lock.held_elsewhere()) {
            return stop_for_file(w, "プログラムフォルダ「" + folder +
                                        "」に作業ファイルを作成できません。");
        }
        w.services.boxes->show(
            ok_box(kLoadErrorTitle, kAlreadyRunningMessage, ui::BoxIcon::Critical));
        return StartResult::second_instance;
    }

    // 2. The program folder is the work folder and the current folder.
    w.data.work_dir = folder;
    if (::chdir(folder.c_str()) != 0) {
        return stop_for_file(w, "プログラムフォルダ「" + folder + "」に移れません。");
    }

    // 3. The version text.
    try {
        w.data.sys_ver = read_version(folder);
    } catch (const DataError& e) {
        return stop_for_file(w, e.what());
    }

    // 4, 5. The splash, painted at once and gone again.
    w.splash = std::make_unique<SplashScreen>(kAppTitle, w.data.sys_ver);
    if (w.services.windows != nullptr) w.services.windows->show_modeless(w.splash->form);
    w.splash->form.unload();

    // 6. 800 x 600 pixels, centred on the screen.
    auto [screen_w, screen_h] = w.services.windows != nullptr
                                    ? w.services.windows->screen_size()
                                    : std::pair<int, int>{kMainWidthPixels, kMainHeightPixels};
    int left = (screen_w - kMainWidthPixels) / 2;
    int top = (screen_h - kMainHeightPixels) / 2;
    w.form.set_rect(ui::Rect{left * ui::kTwipsPerPixel, top * ui::kTwipsPerPixel,
                             kMainWidthPixels * ui::kTwipsPerPixel,
                             kMainHeightPixels * ui::kTwipsPerPixel});

    // 7, 8. The recent files, and the dialogs' folder from the most recent
    // one (empty while item 1 keeps its initial caption).
    w.recent_files().GetRecentFiles();
    w.data.dlg_dir = folder_of(w.mnuRecentFile[1]->caption());

    // 9 to 11. Untitled, every screen placed hidden and disabled.
    w.data.data_name = kUntitled;
    w.place_screens();
    w.set_caption(std::string(kCaptionPrefix) + kUntitled);

    // 12. The sheet-pile catalogues.
    if (w.commands.read_yaita) w.commands.read_yaita();

    // 13. The customisation values.
    try {
        w.data.custom_tbl = read_custom_file(folder);
    } catch (const DataError& e) {
        return stop_for_file(w, e.what());
    }

    // 14. Work files of an earlier run of the front end.
    for (const char* name : {kCalFileName, kOrgFileName, kLastRunFileName}) {
        std::error_code error;
        std::filesystem::remove(join_path(folder, name), error);
    }

    // 15. New. The template is tried first: without it New would leave the
    // window with no project in it.
    try {
        DesignData probe = w.data;
        read_data_file(probe, join_path(folder, kTemplateProjectName));
    } catch (const DataError& e) {
        return stop_for_file(w, e.what());
    }
    w.file_commands().file_new();

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
    // The file commands name every work file by the work folder's path, so
    // a folder that cannot be made current changes nothing below.
    [[maybe_unused]] int ignored = ::chdir(w.data.work_dir.c_str());
    if (!w.file_commands().save_question(SaveQuestionKind::close)) cancel = true;
}

} // namespace wtn::mainwin
