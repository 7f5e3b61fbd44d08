// Plugs the screens and the commands built outside the main window into it:
// each screen folder adds its controls to the page frames and sets its load
// and store procedures in window.screens and its commands in window.commands.
// The program and the tests call this once, after building the MainWindow and
// before a view builds the widgets.
#pragma once

#include "main_window.h"

namespace wtn::mainwin {

void install_screens(MainWindow& window);

} // namespace wtn::mainwin
