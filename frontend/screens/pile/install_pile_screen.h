// Plugs the sheet-pile screen into the main window: screen 3's load and store
// procedures, the catalogue reader of start-up (commands.read_yaita) and the
// two catalogue menu commands (commands.edit_kyit, commands.edit_pyit).
#pragma once

#include "main_window.h"

namespace wtn::pile {

void install_pile_screen(mainwin::MainWindow& window);

} // namespace wtn::pile
