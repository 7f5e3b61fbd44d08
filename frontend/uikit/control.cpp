#include "control.h"

namespace wtn::ui {

Control::Control(ControlKind kind, std::string name, int index)
    : kind_(kind), name_(std::move(name)), index_(index) {}

Control::~Control() = default;

std::string Control::full_name() const {
    if (index_ < 0) return name_;
    return name_ + "(" + std::to_string(index_) + ")";
}

void Control::set_rect(const Rect& rect) {
    rect_ = rect;
    changed();
}

void Control::set_enabled(bool enabled) {
    if (enabled_ == enabled) return;
    enabled_ = enabled;
    changed();
}

void Control::set_visible(bool visible) {
    if (visible_ == visible) return;
    visible_ = visible;
    changed();
}

bool Control::shown() const {
    if (!visible_) return false;
    return parent_ == nullptr || parent_->shown();
}

bool Control::usable() const {
    if (!enabled_) return false;
    return parent_ == nullptr || parent_->usable();
}

void Control::set_caption(std::string caption) {
    if (caption_ == caption) return;
    caption_ = std::move(caption);
    changed();
}

void Control::got_focus() {
    focus_entered();
    if (on_got_focus) on_got_focus();
}

void Control::lost_focus() {
    if (on_lost_focus) on_lost_focus();
}

void Control::changed() {
    if (view_listener_) view_listener_();
}

Control* Container::find(const std::string& name, int index) const {
    for (const auto& child : children_) {
        if (child->name() == name && child->index() == index) return child.get();
        if (auto* box = dynamic_cast<Container*>(child.get())) {
            if (Control* found = box->find(name, index)) return found;
        }
    }
    return nullptr;
}

void Container::for_each(const std::function<void(Control&)>& visit) const {
    for (const auto& child : children_) {
        visit(*child);
        if (auto* box = dynamic_cast<Container*>(child.get())) box->for_each(visit);
    }
}

void Container::adopt(std::unique_ptr<Control> child, const Rect& rect) {
    child->parent_ = this;
    child->rect_ = rect;
    children_.push_back(std::move(child));
}

} // namespace wtn::ui
