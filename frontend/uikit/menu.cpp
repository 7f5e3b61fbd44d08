#include "menu.h"

namespace wtn::ui {

MenuItem::MenuItem(std::string name, int index, std::string caption, std::string shortcut)
    : name_(std::move(name)), index_(index), caption_(std::move(caption)),
      shortcut_(std::move(shortcut)) {}

std::string MenuItem::full_name() const {
    if (index_ < 0) return name_;
    return name_ + "(" + std::to_string(index_) + ")";
}

MenuItem& MenuItem::add(std::string name, int index, std::string caption, std::string shortcut) {
    auto item =
        std::make_unique<MenuItem>(std::move(name), index, std::move(caption), std::move(shortcut));
    item->parent_ = this;
    items_.push_back(std::move(item));
    return *items_.back();
}

MenuItem* MenuItem::find(const std::string& name, int index) {
    for (const auto& item : items_) {
        if (item->name_ == name && item->index_ == index) return item.get();
        if (MenuItem* found = item->find(name, index)) return found;
    }
    return nullptr;
}

void MenuItem::set_caption(std::string caption) {
    if (caption == caption_) return;
    caption_ = std::move(caption);
    changed();
}

void MenuItem::set_enabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    changed();
}

void MenuItem::set_visible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    changed();
}

bool MenuItem::usable() const {
    if (!enabled_ || !visible_) return false;
    return parent_ == nullptr || parent_->usable();
}

bool MenuItem::user_click() {
    if (is_separator() || !usable()) return false;
    if (on_click) on_click();
    return true;
}

void MenuItem::changed() {
    if (view_listener_) view_listener_();
}

} // namespace wtn::ui
