#include "install_screens.h"

#include "design_screens.h"
#include "install_ground_screens.h"
#include "install_pile_screen.h"
#include "run_commands.h"
#include "schematic_screen.h"
#include "soil_screen.h"

namespace wtn::mainwin {

// Every screen folder has one install_<name>_screen(s)(MainWindow&) in a header
// of its own; each is called here, in the order of the screen buttons, and its
// library is linked to mainwin_screens in this folder's CMakeLists.txt:
//   screens/design     install_design_screens     基本条件, 完成時, 施工時
//   screens/pile       install_pile_screen        矢板 and the catalogue editors
//   screens/ground     install_ground_screens     地表面, 他外力
//   screens/soil       install_soil_screen        土層
//   screens/schematic  install_schematic_screen   模式図
// The run, results and customisation dialogs live in this folder.
void install_screens(MainWindow& window) {
    design::install_design_screens(window);
    pile::install_pile_screen(window);
    ground::install_ground_screens(window);
    soil::install_soil_screen(window);
    schematic::install_schematic_screen(window);
    install_run_commands(window);
}

} // namespace wtn::mainwin
