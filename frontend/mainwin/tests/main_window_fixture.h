// A main window in a fresh program folder with the installed data, a version
// file and a customisation file, driven through stand-in services, with every
// screen installed as the program installs it (install_screens). Screen
// folders' tests link the library mainwin_test_fixture and build one.
#pragma once

#include "fake_window_system.h"
#include "main_window.h"
#include "program_folder.h"
#include "startup.h"

#include <string>
#include <vector>

namespace wtn::mainwin::test {

inline constexpr const char* kRecentSection = "Recent Files";

struct MainWindowFixture {
    MainWindowFixture();
    ~MainWindowFixture();

    wtn::test::ProgramFolder folder;
    fake::MessageBoxes boxes;
    fake::FileDialogs files;
    fake::SettingsStore settings;
    fake::ProcessRunner processes;
    fake::HelpViewer help;
    fake::WindowSystem windows;
    DesignData data;
    std::unique_ptr<MainWindow> window;
    InstanceLock lock;
    // Loads and stores of the screens, "load 3" / "store 3", in order; each is
    // logged before the installed procedure runs.
    std::vector<std::string> screen_log;

    StartResult start();
    // Texts of the boxes shown so far.
    std::vector<std::string> box_texts() const;

  private:
    std::string saved_dir_;
};

} // namespace wtn::mainwin::test
