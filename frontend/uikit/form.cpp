#include "form.h"

namespace wtn::ui {

void Toolbar::add_button(std::string key, std::string icon) {
    buttons_.push_back(ToolbarButton{std::move(key), std::move(icon), false});
}

void Toolbar::add_separator() {
    buttons_.push_back(ToolbarButton{{}, {}, true});
}

bool Toolbar::user_click(int index) {
    if (!enabled || index < 1 || index > static_cast<int>(buttons_.size())) return false;
    if (buttons_[static_cast<std::size_t>(index - 1)].separator) return false;
    if (on_button_click) on_button_click(index);
    return true;
}

const std::string& StatusBar::panel_text(int panel) const {
    static const std::string kNone;
    if (panel < 1 || panel > panel_count()) return kNone;
    return texts_[static_cast<std::size_t>(panel - 1)];
}

void StatusBar::set_panel_text(int panel, std::string text) {
    if (panel < 1 || panel > panel_count()) return;
    std::string& slot = texts_[static_cast<std::size_t>(panel - 1)];
    if (slot == text) return;
    slot = std::move(text);
    if (view_listener_) view_listener_();
}

Form::Form(std::string name)
    : Container(ControlKind::Form, std::move(name), -1), menu_bar_("menu_bar", -1, "") {}

void Form::load() {
    if (loaded_) return;
    loaded_ = true;
    if (on_load) on_load();
}

bool Form::unload() {
    if (!loaded_) return true;
    bool cancel = false;
    if (on_query_unload) on_query_unload(cancel);
    if (cancel) return false;
    loaded_ = false;
    if (focused_ != nullptr) {
        Control* left = focused_;
        focused_ = nullptr;
        left->lost_focus();
    }
    if (unload_listener_) unload_listener_();
    return true;
}

bool Form::set_focus(Control* control) {
    if (control == focused_) return true;
    if (control != nullptr && (!control->usable() || !control->shown())) return false;
    Control* left = focused_;
    focused_ = control;
    if (left != nullptr) left->lost_focus();
    if (control != nullptr && focused_ == control) control->got_focus();
    return true;
}

} // namespace wtn::ui
