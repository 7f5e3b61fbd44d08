// The platform services the front end uses beside its forms: message boxes,
// file dialogs, starting programs, help and the showing of further windows.
// (The per-user settings store is the data layer's SettingsStore.) The Qt
// view implements them for the running program; tests use fakes. Texts are
// UTF-8.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace wtn::ui {

class Form;

enum class BoxIcon { None, Information, Exclamation, Critical, Question };
enum class BoxButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class BoxAnswer { Ok, Cancel, Yes, No };

struct MessageRequest {
    std::string title;
    std::string text; // line breaks as "\n"
    BoxIcon icon = BoxIcon::None;
    BoxButtons buttons = BoxButtons::Ok;
    BoxAnswer default_button = BoxAnswer::Ok;
};

class MessageBoxes {
  public:
    virtual ~MessageBoxes() = default;
    // Shows a modal box and returns the button pressed; closing the box
    // counts as Cancel when there is one, else as the default button.
    virtual BoxAnswer show(const MessageRequest& request) = 0;
};

struct FileRequest {
    bool save = false;
    std::string title;
    std::string initial_dir;
    std::string file_name;
    // Pairs of description and pattern separated by "|":
    // "Projects (*.tn2)|*.tn2|Old (*.wtn)|*.wtn".
    std::string filter;
    // Added to a typed name without an extension (".tn2").
    std::string default_ext;
};

class FileDialogs {
  public:
    virtual ~FileDialogs() = default;
    // The chosen path, or nothing when the user cancelled.
    virtual std::optional<std::string> choose(const FileRequest& request) = 0;
};

struct ProcessRequest {
    std::string program; // absolute path
    std::vector<std::string> args;
    std::string work_dir;
    std::vector<std::pair<std::string, std::string>> env; // added to the environment
};

class ProcessRunner {
  public:
    virtual ~ProcessRunner() = default;
    // Starts the program and waits for its end while the windows stay
    // responsive. Every line the program writes on standard output goes to
    // on_line; a returned text is written back to its standard input as one
    // line. Returns the exit code, or -1 when the program could not be
    // started or did not end normally.
    virtual int run_and_wait(
        const ProcessRequest& request,
        const std::function<std::optional<std::string>(const std::string& line)>& on_line) = 0;
};

class HelpViewer {
  public:
    virtual ~HelpViewer() = default;
    // Opens the help file at its contents.
    virtual void show_contents(const std::string& help_file) = 0;
};

// Showing forms as windows of their own.
class WindowSystem {
  public:
    virtual ~WindowSystem() = default;
    // Shows the form modally over the main window; returns when it unloads.
    virtual void show_modal(Form& form) = 0;
    // Shows the form without waiting and without owner, and paints it at once.
    virtual void show_modeless(Form& form) = 0;
    // Screen size in pixels.
    virtual std::pair<int, int> screen_size() = 0;
};

// The services a window needs, gathered; none is owned.
struct Services {
    MessageBoxes* boxes = nullptr;
    FileDialogs* files = nullptr;
    ProcessRunner* processes = nullptr;
    HelpViewer* help = nullptr;
    WindowSystem* windows = nullptr;
};

} // namespace wtn::ui
