#include "file_commands.h"

#include "cal_import.h"
#include "cal_writer.h"
#include "dat_compare.h"
#include "file_names.h"
#include "number_text.h"
#include "project_reader.h"
#include "project_writer.h"
#include "text_file.h"
#include "unit_conversion.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace wtn {

namespace {

constexpr const char* kProjectExt = ".tn2";
constexpr const char* kOpenDefaultExt = ".wtn";

enum class FileKind { current, older, old_text, other };

FileKind kind_of(const std::string& path) {
    if (path.size() < 4) return FileKind::other;
    std::string ending = path.substr(path.size() - 4);
    std::transform(ending.begin(), ending.end(), ending.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    if (ending == ".TN2") return FileKind::current;
    if (ending == ".WTN") return FileKind::older;
    if (ending == ".CAL") return FileKind::old_text;
    return FileKind::other;
}

std::string file_part(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool is_old_result_file(const std::string& name) {
    return is_page_file_name(name) || is_result_table_file_name(name);
}

} // namespace

std::string bare_project_name(const std::string& path) {
    const std::string name = file_part(path);
    return name.substr(0, name.find('.'));
}

std::string folder_of(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

FileCommands::FileCommands(DesignData& data, MessageBoxes& boxes, FileDialogs& files,
                           MainWindowScreens& screens, RecentFiles& recent)
    : data_(data), boxes_(boxes), files_(files), screens_(screens), recent_(recent) {}

BoxAnswer FileCommands::ask(const std::string& title, const std::string& text, BoxIcon icon,
                            BoxAnswer default_button) {
    MessageRequest request;
    request.title = title;
    request.text = text;
    request.icon = icon;
    request.buttons = BoxButtons::YesNoCancel;
    request.default_button = default_button;
    const BoxAnswer answer = boxes_.show(request);
    // Closing the box counts as Cancel.
    return answer == BoxAnswer::Yes || answer == BoxAnswer::No ? answer : BoxAnswer::Cancel;
}

void FileCommands::tell(const std::string& text) {
    show_note(boxes_, kAppTitle, text, BoxIcon::Information);
}

bool FileCommands::write_work_cal_file(const std::string& name) {
    return write_cal_or_tell(data_, name);
}

bool FileCommands::write_cal_or_tell(DesignData& data, const std::string& name) {
    try {
        write_cal_file(data, join_path(data.work_dir, name));
        return true;
    } catch (const DataError& e) {
        tell(std::string(kCalWriteFailedMessage) + "\n" + e.what());
        return false;
    }
}

bool FileCommands::save_question(SaveQuestionKind kind) {
    screens_.store_all_screens();
    const bool written = write_work_cal_file(kInputFileName);
    if (!written && kind == SaveQuestionKind::run) return false;
    // Without a fresh "CAL_FILE.DAT" the comparison would look at stale data:
    // ask as for a change rather than risk losing unsaved work.
    const int result = written ? cmp_dat_file(join_path(data_.work_dir, kInputFileName),
                                              join_path(data_.work_dir, kOrgFileName))
                               : kDatChanged;
    if (result == kDatEqual) return true;
    if (result == kDatOnlyAdopted && kind == SaveQuestionKind::run) return true;
    const char* text = result == kDatOnlyAdopted               ? kAdoptedChangedQuestion
                       : kind == SaveQuestionKind::new_or_open ? kUnsavedQuestion
                                                               : kConditionsChangedQuestion;
    switch (ask(kSaveQuestionTitle, text, BoxIcon::Information, BoxAnswer::No)) {
    case BoxAnswer::Yes:
        return file_save();
    case BoxAnswer::No:
        return true;
    default:
        break;
    }
    return false;
}

void FileCommands::delete_old_results() {
    namespace fs = std::filesystem;
    std::error_code error;
    for (const auto& entry :
         fs::directory_iterator(data_.work_dir.empty() ? "." : data_.work_dir, error)) {
        if (!entry.is_regular_file(error)) continue;
        if (is_old_result_file(entry.path().filename().string())) fs::remove(entry.path(), error);
    }
}

void FileCommands::name_project(const std::string& path) {
    data_.dlg_dir = folder_of(path);
    data_.data_name = bare_project_name(path);
    screens_.set_caption(kCaptionPrefix + data_.data_name);
}

void FileCommands::file_new() {
    if (file_exists(join_path(data_.work_dir, kOrgFileName)) &&
        !save_question(SaveQuestionKind::new_or_open))
        return;
    DesignData loaded = data_;
    const std::string template_path = join_path(data_.work_dir, kTemplateProjectName);
    try {
        read_data_file(loaded, template_path);
    } catch (const DataError& e) {
        tell(std::string("ひな形のプロジェクトファイルが読み込めません。\n") + e.what());
        return;
    }
    delete_old_results();
    data_ = std::move(loaded);
    data_.file_name = kUntitled;
    data_.data_name = kUntitled;
    data_.save_as_first = false;
    screens_.set_caption(std::string(kCaptionPrefix) + kUntitled);
    write_work_cal_file(kOrgFileName);
    screens_.load_all_screens();
}

void FileCommands::file_open() {
    if (!save_question(SaveQuestionKind::new_or_open)) return;
    FileRequest request;
    request.initial_dir = data_.dlg_dir;
    request.file_name = data_.data_name;
    request.filter = kOpenFilter;
    request.default_ext = kOpenDefaultExt;
    const auto chosen = files_.choose(request);
    if (!chosen) return;
    open_path(*chosen, false);
}

void FileCommands::open_recent(const std::string& caption) {
    if (!save_question(SaveQuestionKind::new_or_open)) return;
    open_path(caption, true);
}

bool FileCommands::open_path(const std::string& chosen, bool from_recent) {
    const std::string path = from_recent ? trim_blanks(chosen) : chosen;
    const FileKind kind = kind_of(path);
    if (kind == FileKind::other) {
        // Nothing is read, as for any other ending; the user is told why
        // instead of seeing the command do nothing (a recent file saved
        // under another ending would otherwise never open, without a word).
        tell("「" + path + "」はプロジェクトファイル（.tn2、.wtn、.cal）ではないため開けません。");
        return false;
    }
    DesignData loaded = data_;
    ConversionScope scope;
    try {
        if (kind == FileKind::old_text) {
            read_data_file(loaded, join_path(data_.work_dir, kTemplateProjectName));
            scope = import_cal_file(loaded, path);
        } else {
            read_data_file(loaded, path);
        }
    } catch (const DataError& e) {
        tell(std::string(kImportFailedMessage) + "\n" + e.what());
        return false;
    }
    const bool older = loaded.data_ver == kVersion100 || loaded.data_ver == kVersion101;
    // The snapshot holds the data as read, before the conversion, so a
    // converted project compares as changed and the next question offers to
    // save it in the current format.
    DesignData converted = loaded;
    if (older) {
        try {
            conv_si_unit(converted, scope);
        } catch (const DataError& e) {
            tell(std::string(kImportFailedMessage) + "\n" + e.what());
            return false;
        }
    }
    write_cal_or_tell(loaded, kOrgFileName);
    data_ = older ? std::move(converted) : std::move(loaded);
    name_project(path);
    if (kind == FileKind::current) {
        data_.file_name = path;
        data_.save_as_first = false;
    } else {
        // An older file is never overwritten in the current format: the next
        // Save proposes a ".tn2" beside it and asks before replacing one.
        data_.file_name = folder_of(path) + bare_project_name(path) + kProjectExt;
        data_.save_as_first = true;
    }
    screens_.load_all_screens();
    delete_old_results();
    recent_.UpdateFileMenu(from_recent ? chosen : path);
    return true;
}

bool FileCommands::file_save() {
    screens_.store_shown_screen();
    if (data_.file_name == kUntitled || data_.save_as_first || !file_exists(data_.file_name))
        return file_save_as();
    try {
        write_data_file(data_, data_.file_name);
    } catch (const DataError& e) {
        tell(std::string("プロジェクトファイルを保存できませんでした。\n") + e.what());
        return false;
    }
    write_work_cal_file(kOrgFileName);
    return true;
}

bool FileCommands::file_save_as() {
    screens_.store_shown_screen();
    FileRequest request;
    request.save = true;
    request.initial_dir = data_.dlg_dir;
    request.file_name = data_.data_name + kProjectExt;
    request.filter = kSaveFilter;
    request.default_ext = kProjectExt;
    std::string path;
    for (;;) {
        const auto chosen = files_.choose(request);
        if (!chosen) return false;
        path = *chosen;
        if (!file_exists(path)) break;
        const BoxAnswer answer =
            ask(kSaveAsTitle, "既存の " + file_part(path) + " に上書きしますか？",
                BoxIcon::Exclamation, BoxAnswer::Yes);
        if (answer == BoxAnswer::Yes) break;
        if (answer == BoxAnswer::Cancel) return false;
        request.initial_dir = folder_of(path);
        request.file_name = file_part(path);
    }
    try {
        write_data_file(data_, path);
    } catch (const DataError& e) {
        tell(std::string("プロジェクトファイルを保存できませんでした。\n") + e.what());
        return false;
    }
    name_project(path);
    data_.file_name = path;
    data_.save_as_first = false;
    write_work_cal_file(kOrgFileName);
    recent_.UpdateFileMenu(path);
    return true;
}

} // namespace wtn
