// The small services the file commands need of the window toolkit. The Qt
// front end implements them with real boxes, dialogs, screens and settings;
// tests implement them with fakes. No toolkit header is needed here.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace wtn {

enum class Answer { yes, no, cancel };
enum class BoxIcon { information, exclamation };

// A Yes / No / Cancel question.
struct Question {
    std::string title;
    std::string text; // lines separated by "\n"
    BoxIcon icon = BoxIcon::information;
    Answer default_button = Answer::no;
};

// A file dialog. filter uses the form "Caption (*.tn2)|*.tn2|Caption (*.wtn)|*.wtn".
// The save dialog must not ask about overwriting by itself: the Save As
// command asks its own question.
struct FileDialogRequest {
    std::string initial_dir;  // folder, with or without the trailing "/"
    std::string initial_name; // file name proposed in the dialog
    std::string filter;
    std::string default_ext; // added to a name typed without an extension, e.g. ".tn2"
};

class Dialogs {
  public:
    virtual ~Dialogs() = default;
    virtual Answer ask(const Question& question) = 0;
    // An OK box with the information icon and the application's title.
    virtual void tell(const std::string& text) = 0;
    // The chosen path, or nothing when the dialog was cancelled.
    virtual std::optional<std::string> choose_file_to_open(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> choose_file_to_save(const FileDialogRequest& request) = 0;
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
