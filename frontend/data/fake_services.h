// Stand-ins for the platform services of front_end_services.h in tests: they
// answer from a script and record what was asked. No Qt. The one set of fakes
// for every front-end test (library frontend_service_fakes; the window system's
// stand-in is in uikit's fake_window_system.h).
#pragma once

#include "front_end_services.h"

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace wtn::fake {

// Answers questions (boxes with a choice of buttons) from a queue; a
// question asked with the queue empty fails the running test with its text
// and answers its default button. A box with OK alone (a note) takes no
// answer from the queue.
class MessageBoxes : public wtn::MessageBoxes {
  public:
    wtn::BoxAnswer show(const wtn::MessageRequest& request) override;
    std::deque<wtn::BoxAnswer> answers;
    std::vector<wtn::MessageRequest> shown;

    // Texts of the boxes shown with OK alone, and of the questions, in order.
    std::vector<std::string> notes() const;
    std::vector<wtn::MessageRequest> questions() const;
};

// Chooses from a queue of paths, open and save dialogs alike; nothing
// (cancel) when the queue is empty or holds an empty path.
class FileDialogs : public wtn::FileDialogs {
  public:
    std::optional<std::string> choose(const wtn::FileRequest& request) override;
    std::deque<std::string> paths;
    std::vector<wtn::FileRequest> asked;

    // The save dialogs among those asked.
    std::vector<wtn::FileRequest> saves() const;
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
// feeding their scripted output lines. on_start, when set, runs first with the
// request (to write the files the program would write, or to look at the
// state of the window while it runs); the code it returns, when any, is the
// program's exit code.
class ProcessRunner : public wtn::ProcessRunner {
  public:
    std::function<std::optional<int>(const wtn::ProcessRequest&)> on_start;
    int run_and_wait(
        const wtn::ProcessRequest& request,
        const std::function<std::optional<std::string>(const std::string& line)>& on_line) override;
    std::map<std::string, int> exit_codes;
    std::map<std::string, std::vector<std::string>> output;
    std::vector<wtn::ProcessRequest> started;
    std::vector<std::string> answers; // what on_line gave back
};

class HelpViewer : public wtn::HelpViewer {
  public:
    void show_contents(const std::string& help_file) override { opened.push_back(help_file); }
    void close() override { ++closed; }
    std::vector<std::string> opened;
    int closed = 0;
};

} // namespace wtn::fake
