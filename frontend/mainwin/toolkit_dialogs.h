// The file commands' questions, notes and file dialogs, shown through the
// toolkit's message-box and file-dialog services.
#pragma once

#include "front_end_services.h"
#include "services.h"

namespace wtn::mainwin {

class ToolkitDialogs : public Dialogs {
  public:
    ToolkitDialogs(ui::MessageBoxes& boxes, ui::FileDialogs& files, std::string app_title)
        : boxes_(boxes), files_(files), app_title_(std::move(app_title)) {}

    Answer ask(const Question& question) override;
    void tell(const std::string& text) override;
    std::optional<std::string> choose_file_to_open(const FileDialogRequest& request) override;
    std::optional<std::string> choose_file_to_save(const FileDialogRequest& request) override;

  private:
    ui::MessageBoxes& boxes_;
    ui::FileDialogs& files_;
    std::string app_title_;
};

} // namespace wtn::mainwin
