// Screens 4 (地表面) and 6 (他外力) on the main window.
#pragma once

namespace wtn::mainwin {
class MainWindow;
}

namespace wtn::ground {

class GroundScreen;
class ForceScreen;

struct GroundScreens {
    GroundScreen& ground;
    ForceScreen& forces;
};

// Builds both screens and sets their load and store procedures in
// screens[4] and screens[6]; the procedures keep the screens alive.
GroundScreens install_ground_screens(mainwin::MainWindow& window);

} // namespace wtn::ground
