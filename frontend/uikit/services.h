// The services a window needs beside the platform services of
// front_end_services.h: the showing of further windows, and the set of
// services handed to a window.
#pragma once

#include "front_end_services.h"

#include <utility>

namespace wtn::ui {

class Form;

// Showing forms as windows of their own.
class WindowSystem {
  public:
    virtual ~WindowSystem() = default;
    // Shows the form modally over the main window; returns when it unloads.
    virtual void show_modal(Form& form) = 0;
    // Shows the form without waiting and without owner, and paints it at once.
    virtual void show_modeless(Form& form) = 0;
    // Screen size in pixels.
    virtual std::pair<int, int> screen_size() = 0;
};

// The services a window needs, gathered; none is owned.
struct Services {
    MessageBoxes* boxes = nullptr;
    FileDialogs* files = nullptr;
    ProcessRunner* processes = nullptr;
    HelpViewer* help = nullptr;
    WindowSystem* windows = nullptr;
};

} // namespace wtn::ui
