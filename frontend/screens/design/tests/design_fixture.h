// The three design screens on a main window with stand-in services, not
// started: a test sets the design data and runs the loads and stores itself.
#pragma once

#include "design_screens.h"
#include "fake_window_system.h"
#include "main_window.h"

#include <memory>

namespace wtn::design::test {

struct DesignFixture {
    DesignFixture() {
        ui::Services services;
        services.boxes = &boxes;
        services.files = &files;
        services.processes = &processes;
        services.help = &help;
        services.windows = &windows;
        window = std::make_unique<mainwin::MainWindow>(data, services, settings);
        screens = &install_design_screens(*window);
    }

    // The loads as New and Open run them.
    void load_all() {
        screens->basic.set_sekkei_jk();
        screens->basic.set_sekkei_jk();
        screens->completed.set_kanseiji_jk();
        screens->construction.set_sekouji_jk();
    }
    void store_all() {
        screens->basic.put_sekkei_jk();
        screens->completed.put_kanseiji_jk();
        screens->construction.put_sekouji_jk();
    }

    // Makes page of screen usable for the user's clicks and typing.
    void use_page(int screen, int page) {
        ui::TabControl& tab = *window->tab_gm[screen];
        tab.set_enabled(true);
        tab.set_visible(true);
        if (tab.tab() != page) {
            tab.set_tab(page);
        } else {
            window->tab_gm_Click(screen);
        }
    }

    BasicScreen& basic() { return screens->basic; }
    CompletedScreen& completed() { return screens->completed; }
    ConstructionScreen& construction() { return screens->construction; }

    DesignData data;
    fake::MessageBoxes boxes;
    fake::FileDialogs files;
    fake::SettingsStore settings;
    fake::ProcessRunner processes;
    fake::HelpViewer help;
    fake::WindowSystem windows;
    std::unique_ptr<mainwin::MainWindow> window;
    DesignScreens* screens = nullptr;
};

// A box typed into by the user: entered, edited, left (the rewrite on
// leaving runs).
inline void type_into(ui::Form& form, ui::TextBox& box, const std::string& text) {
    form.set_focus(&box);
    box.user_edit(text);
    form.set_focus(nullptr);
}

} // namespace wtn::design::test
