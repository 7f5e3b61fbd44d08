// A stand-in for the main window's screens, as the file commands see them.
#pragma once

#include "front_end_services.h"

#include <functional>
#include <string>
#include <vector>

namespace wtn::test {

class FakeScreens : public MainWindowScreens {
  public:
    std::function<void()> on_store_all; // stands for edits on the screens
    int loads = 0;
    std::string caption;
    std::vector<std::string> recent;

    void store_all_screens() override {
        if (on_store_all) on_store_all();
    }
    void store_shown_screen() override {}
    void load_all_screens() override { ++loads; }
    void set_caption(const std::string& text) override { caption = text; }
    void show_recent_files(const std::vector<std::string>& paths) override { recent = paths; }
};

} // namespace wtn::test
