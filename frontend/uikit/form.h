// A form: a window's client area with its controls, and optionally a menu
// bar, a toolbar and a status bar. The form tracks which control has the
// focus so that leaving one box and entering another fire their focus events
// in the old toolkit's order (the box left first).
#pragma once

#include "control.h"
#include "menu.h"

#include <functional>
#include <string>
#include <vector>

namespace wtn::ui {

struct ToolbarButton {
    std::string key;  // the text stored with the button (its tooltip)
    std::string icon; // a standard icon name for the view
    bool separator = false;
};

// Buttons are numbered from 1, separators included, as on_button_click
// receives them.
class Toolbar {
  public:
    void add_button(std::string key, std::string icon);
    void add_separator();
    const std::vector<ToolbarButton>& buttons() const { return buttons_; }
    bool enabled = true;
    // The user clicked button number index (1-based); separators run nothing.
    bool user_click(int index);
    std::function<void(int index)> on_button_click;

  private:
    std::vector<ToolbarButton> buttons_;
};

// Panels are numbered from 1.
class StatusBar {
  public:
    explicit StatusBar(int panels = 1) : texts_(static_cast<std::size_t>(panels)) {}
    int panel_count() const { return static_cast<int>(texts_.size()); }
    const std::string& panel_text(int panel) const;
    void set_panel_text(int panel, std::string text);
    void set_view_listener(std::function<void()> listener) { view_listener_ = std::move(listener); }

  private:
    std::vector<std::string> texts_;
    std::function<void()> view_listener_;
};

class Form : public Container {
  public:
    explicit Form(std::string name);

    MenuItem& menu_bar() { return menu_bar_; }
    const MenuItem& menu_bar() const { return menu_bar_; }

    // Client size in twips.
    int client_width = 0;
    int client_height = 0;

    enum class Border { Sizable, FixedDialog, None };
    Border border = Border::Sizable;
    bool show_in_taskbar = true;

    // The control with the focus, or nullptr.
    Control* focused() const { return focused_; }
    // Moves the focus: the control left gets lost_focus first, then the
    // control entered gets got_focus. Refused for a control that is not
    // usable or not visible.
    bool set_focus(Control* control);

    // Loading runs on_load once; the window system loads a form when it
    // shows it.
    void load();
    bool loaded() const { return loaded_; }
    // The old toolkit's Unload: asks on_query_unload, and when it does not
    // cancel, takes the focus away and closes the window (the view listens).
    // False when cancelled. Unloading a form that is not loaded does nothing.
    bool unload();
    void set_unload_listener(std::function<void()> listener) {
        unload_listener_ = std::move(listener);
    }

    // Form-level events.
    std::function<void()> on_load;
    // A key pressed while the form has the focus (the character typed, UTF-8).
    std::function<void(const std::string& key)> on_key_press;
    // Before the window closes, whatever closes it; setting cancel keeps it
    // open.
    std::function<void(bool& cancel)> on_query_unload;
    // A box of the form refused what the user typed; message says which box
    // and why. The window shows it in a message box.
    std::function<void(const std::string& message)> on_input_refused;

  private:
    MenuItem menu_bar_;
    Control* focused_ = nullptr;
    std::function<void()> unload_listener_;
    bool loaded_ = false;
};

} // namespace wtn::ui
