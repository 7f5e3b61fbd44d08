// The main window with screen 7 installed over the hand-worked section,
// driven through stand-in services.
#pragma once

#include "fake_services.h"
#include "hand_section.h"
#include "main_window.h"
#include "schematic_screen.h"

#include <memory>

namespace wtn::schematic::test {

struct ScreenFixture {
    ScreenFixture() {
        ui::Services services;
        services.boxes = &boxes;
        services.files = &files;
        services.processes = &processes;
        services.help = &help;
        services.windows = &windows;
        window = std::make_unique<mainwin::MainWindow>(data, services, settings);
        screen = &install_schematic_screen(*window);
    }

    // The screen switcher shows screen 7, which builds and paints it.
    void show() {
        if (window->opt_menu[mainwin::kSchematicScreen]->value()) {
            window->opt_menu_Click(mainwin::kSchematicScreen);
        } else {
            window->opt_menu[mainwin::kSchematicScreen]->set_value(true);
        }
    }
    const std::string& status() const { return window->stv_gm.panel_text(kPromptPanel); }

    fake::MessageBoxes boxes;
    fake::FileDialogs files;
    fake::SettingsStore settings;
    fake::ProcessRunner processes;
    fake::HelpViewer help;
    fake::WindowSystem windows;
    DesignData data = hand_section();
    std::unique_ptr<mainwin::MainWindow> window;
    SchematicScreen* screen = nullptr;
};

} // namespace wtn::schematic::test
