// Plugs the run, print, results and customisation commands into the main
// window's menus and toolbar.
#pragma once

#include "main_window.h"

namespace wtn::mainwin {

void install_run_commands(MainWindow& w);

// The customisation dialog, modal over the main window (the menu command
// writes the file afterwards).
void show_custom_dialog(MainWindow& w);

} // namespace wtn::mainwin
