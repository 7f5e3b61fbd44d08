// A main window in a fresh program folder with the installed data, a version
// file and a customisation file, driven through stand-in services.
#pragma once

#include "fake_services.h"
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
    // Loads and stores of the screens, "load 3" / "store 3", in order.
    std::vector<std::string> screen_log;

    StartResult start();
    // Texts of the boxes shown so far.
    std::vector<std::string> box_texts() const;

  private:
    std::string saved_dir_;
};

} // namespace wtn::mainwin::test
