// The three design-condition screens plugged into the main window: their
// controls go onto the page frames of screens 0 to 2, and their load and
// store procedures into MainWindow::screens.
#pragma once

#include "basic_screen.h"
#include "completed_screen.h"
#include "construction_screen.h"
#include "main_window.h"

namespace wtn::design {

struct DesignScreens {
    explicit DesignScreens(mainwin::MainWindow& window)
        : basic(window), completed(window), construction(window) {}
    BasicScreen basic;
    CompletedScreen completed;
    ConstructionScreen construction;
};

// Builds the screens on window and installs their procedures; the screens
// live as long as the window's procedures. Call once, before a view of the
// window is built.
DesignScreens& install_design_screens(mainwin::MainWindow& window);

} // namespace wtn::design
