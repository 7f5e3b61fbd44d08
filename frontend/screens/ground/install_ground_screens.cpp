#include "install_ground_screens.h"

#include "force_screen.h"
#include "ground_screen.h"

namespace wtn::ground {

GroundScreens install_ground_screens(mainwin::MainWindow& window) {
    return GroundScreens{install_ground_screen(window), install_force_screen(window)};
}

} // namespace wtn::ground
