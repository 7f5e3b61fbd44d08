// Stand-ins for the platform services in tests: they answer from a script
// and record what was asked. No Qt.
#pragma once

#include "form.h"
#include "front_end_services.h"
#include "services.h"

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace wtn::fake {

// Answers boxes from a queue; with the queue empty, the default button.
class MessageBoxes : public ui::MessageBoxes {
  public:
    ui::BoxAnswer show(const ui::MessageRequest& request) override;
    std::deque<ui::BoxAnswer> answers;
    std::vector<ui::MessageRequest> shown;
};

// Chooses from a queue of paths; nothing (cancel) when the queue is empty or
// holds an empty path.
class FileDialogs : public ui::FileDialogs {
  public:
    std::optional<std::string> choose(const ui::FileRequest& request) override;
    std::deque<std::string> paths;
    std::vector<ui::FileRequest> asked;
};

class SettingsStore : public wtn::SettingsStore {
  public:
    std::string get(const std::string& section, const std::string& key) override;
    void set(const std::string& section, const std::string& key, const std::string& value) override;
    std::vector<std::pair<std::string, std::string>> all(const std::string& section) override;

  private:
    std::map<std::string, std::vector<std::pair<std::string, std::string>>> sections_;
};

// Programs end with the exit code given for their path (0 when none), after
// feeding their scripted output lines.
class ProcessRunner : public ui::ProcessRunner {
  public:
    int run_and_wait(
        const ui::ProcessRequest& request,
        const std::function<std::optional<std::string>(const std::string& line)>& on_line) override;
    std::map<std::string, int> exit_codes;
    std::map<std::string, std::vector<std::string>> output;
    std::vector<ui::ProcessRequest> started;
    std::vector<std::string> answers; // what on_line gave back
};

class HelpViewer : public ui::HelpViewer {
  public:
    void show_contents(const std::string& help_file) override { opened.push_back(help_file); }
    std::vector<std::string> opened;
};

// Records the forms shown. A modal form is loaded, handed to on_modal (to
// act as the user), and unloaded if it is still loaded; a modeless form is
// loaded and left open.
class WindowSystem : public ui::WindowSystem {
  public:
    void show_modal(ui::Form& form) override;
    void show_modeless(ui::Form& form) override;
    std::pair<int, int> screen_size() override { return screen; }
    std::function<void(ui::Form&)> on_modal;
    std::vector<std::string> modal_shown; // form names
    std::vector<std::string> modeless_shown;
    std::pair<int, int> screen{1024, 768};
};

} // namespace wtn::fake
