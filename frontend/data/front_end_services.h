// The platform services the front end uses: message boxes, file dialogs,
// starting programs, help, the per-user settings store, and what the file
// commands need of the main window. The Qt view implements them for the
// running program; tests use the stand-ins of fake_services.h. Texts are UTF-8.
// No toolkit header is needed here, so the data layer uses them too.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace wtn {

// The title of the application's own boxes.
inline constexpr const char* kAppTitle = "Tosvane２";

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

// A message with OK alone.
inline void show_note(MessageBoxes& boxes, std::string title, std::string text, BoxIcon icon) {
    MessageRequest request;
    request.title = std::move(title);
    request.text = std::move(text);
    request.icon = icon;
    request.buttons = BoxButtons::Ok;
    request.default_button = BoxAnswer::Ok;
    boxes.show(request);
}

// A file dialog. The save dialog does not ask about overwriting by itself:
// the Save As command asks its own question.
struct FileRequest {
    bool save = false;
    std::string title;
    std::string initial_dir; // folder, with or without the trailing "/"
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

// What run_and_wait returns when there is no exit code: a program that
// cannot be started, and one that did not end by itself (a signal, a crash).
// A program's own exit code is never negative.
inline constexpr int kProgramNotStarted = -1;
inline constexpr int kProgramCrashed = -2;

class ProcessRunner {
  public:
    virtual ~ProcessRunner() = default;
    // Starts the program and waits for its end while the windows stay
    // responsive. Every line the program writes on standard output goes to
    // on_line, one at a time: the next line waits until on_line has returned
    // (a box it shows may run the event loop meanwhile); a returned text is
    // written back to its standard input as one line. Returns the exit code,
    // kProgramNotStarted or kProgramCrashed.
    virtual int run_and_wait(
        const ProcessRequest& request,
        const std::function<std::optional<std::string>(const std::string& line)>& on_line) = 0;
};

class HelpViewer {
  public:
    virtual ~HelpViewer() = default;
    // Opens the help file at its contents.
    virtual void show_contents(const std::string& help_file) = 0;
    // Closes the help window, when one is open.
    virtual void close() = 0;
};

// What the file commands need of the main window and its screens.
class MainWindowScreens {
  public:
    virtual ~MainWindowScreens() = default;
    // Stores all seven input screens into the design data, in the order basic
    // conditions, completed state, construction stage, sheet pile, ground
    // surface, soil layers, other external forces.
    virtual void store_all_screens() = 0;
    // Stores only the screen shown (the schematic stores nothing).
    virtual void store_shown_screen() = 0;
    // Hides the screen shown, loads every screen from the design data and
    // shows the basic-conditions screen.
    virtual void load_all_screens() = 0;
    virtual void set_caption(const std::string& caption) = 0;
    // Shows the recent-files items of the file menu (see recent_files.h).
    virtual void show_recent_files(const std::vector<std::string>& paths) = 0;
};

// The per-user settings store (application "Tvn_win2").
class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    // The value, or an empty text when there is none.
    virtual std::string get(const std::string& section, const std::string& key) = 0;
    virtual void set(const std::string& section, const std::string& key,
                     const std::string& value) = 0;
    // All values of a section, in the order in which they were first stored.
    virtual std::vector<std::pair<std::string, std::string>> all(const std::string& section) = 0;
};

} // namespace wtn
