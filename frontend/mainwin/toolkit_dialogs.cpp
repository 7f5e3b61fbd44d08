#include "toolkit_dialogs.h"

namespace wtn::mainwin {
namespace {

ui::BoxAnswer to_box(Answer a) {
    switch (a) {
    case Answer::yes:
        return ui::BoxAnswer::Yes;
    case Answer::no:
        return ui::BoxAnswer::No;
    case Answer::cancel:
        return ui::BoxAnswer::Cancel;
    }
    return ui::BoxAnswer::Cancel;
}

ui::FileRequest to_request(const FileDialogRequest& request, bool save) {
    ui::FileRequest r;
    r.save = save;
    r.initial_dir = request.initial_dir;
    r.file_name = request.initial_name;
    r.filter = request.filter;
    r.default_ext = request.default_ext;
    return r;
}

} // namespace

Answer ToolkitDialogs::ask(const Question& question) {
    ui::MessageRequest request;
    request.title = question.title;
    request.text = question.text;
    request.icon =
        question.icon == BoxIcon::exclamation ? ui::BoxIcon::Exclamation : ui::BoxIcon::Information;
    request.buttons = ui::BoxButtons::YesNoCancel;
    request.default_button = to_box(question.default_button);
    switch (boxes_.show(request)) {
    case ui::BoxAnswer::Yes:
        return Answer::yes;
    case ui::BoxAnswer::No:
        return Answer::no;
    default:
        break;
    }
    return Answer::cancel;
}

void ToolkitDialogs::tell(const std::string& text) {
    ui::MessageRequest request;
    request.title = app_title_;
    request.text = text;
    request.icon = ui::BoxIcon::Information;
    request.buttons = ui::BoxButtons::Ok;
    request.default_button = ui::BoxAnswer::Ok;
    boxes_.show(request);
}

std::optional<std::string> ToolkitDialogs::choose_file_to_open(const FileDialogRequest& request) {
    return files_.choose(to_request(request, false));
}

std::optional<std::string> ToolkitDialogs::choose_file_to_save(const FileDialogRequest& request) {
    return files_.choose(to_request(request, true));
}

} // namespace wtn::mainwin
