// The main window of MainWindowFixture shown by Qt (offscreen under CTest),
// and pictures of it for a person to look at. Screen folders' Qt tests link
// mainwin_view_test_fixture and qt_test_main.
#pragma once

#include "form_window.h"
#include "main_window_fixture.h"

#include <QWidget>

#include <memory>
#include <string>

namespace wtn::mainwin::test {

struct MainWindowViewFixture : MainWindowFixture {
    // Starts the program, builds the view of the main window and shows it;
    // nothing when start-up did not reach its ready state.
    qt::MainWindowView* start_and_show();
    std::unique_ptr<qt::MainWindowView> view;
};

// Saves a picture of the widget as <name>.png in the build's screenshots
// folder; false when it could not be written.
bool save_screenshot(QWidget& widget, const std::string& name);

} // namespace wtn::mainwin::test
