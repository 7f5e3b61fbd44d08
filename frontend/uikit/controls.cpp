#include "controls.h"

#include "text_width.h"

#include <algorithm>

namespace wtn::ui {

// ---- Frame

void Frame::user_mouse_move(MouseButton button, int shift, double x, double y) {
    if (usable() && on_mouse_move) on_mouse_move(button, shift, x, y);
}

// ---- TextBox

void TextBox::set_text(std::string text) {
    if (text == text_) return;
    text_ = std::move(text);
    std::size_t length = utf8_length(text_);
    sel_start_ = std::min(sel_start_, length);
    sel_length_ = 0;
    changed();
    if (on_change) on_change();
}

void TextBox::set_selection(std::size_t start, std::size_t length) {
    std::size_t total = utf8_length(text_);
    sel_start_ = std::min(start, total);
    sel_length_ = std::min(length, total - sel_start_);
    changed();
}

void TextBox::select_all() {
    set_selection(0, utf8_length(text_));
}

void TextBox::focus_entered() {
    if (select_on_focus) select_all();
}

bool TextBox::user_type(const std::string& typed) {
    if (!usable() || locked) return false;
    bool all_taken = true;
    for (const std::string& ch : utf8_chars(typed)) {
        std::vector<std::string> chars = utf8_chars(text_);
        std::size_t after = chars.size() - sel_length_ + 1;
        if (max_length > 0 && after > max_length) {
            all_taken = false;
            break;
        }
        std::string next;
        for (std::size_t i = 0; i < sel_start_; ++i)
            next += chars[i];
        next += ch;
        for (std::size_t i = sel_start_ + sel_length_; i < chars.size(); ++i)
            next += chars[i];
        std::size_t caret = sel_start_ + 1;
        sel_length_ = 0;
        sel_start_ = caret;
        set_text(std::move(next));
        sel_start_ = std::min(caret, utf8_length(text_));
    }
    return all_taken;
}

bool TextBox::user_edit(const std::string& new_text) {
    if (!usable() || locked) return false;
    std::size_t length = utf8_length(new_text);
    if (max_length > 0 && length > max_length && length > utf8_length(text_)) return false;
    sel_start_ = length;
    sel_length_ = 0;
    set_text(new_text);
    return true;
}

// ---- CommandButton

void CommandButton::click() {
    if (on_click) on_click();
}

bool CommandButton::user_click() {
    if (!usable() || !shown()) return false;
    click();
    return true;
}

// ---- CheckBox

void CheckBox::set_value(int value) {
    if (value == value_ || value < kUnchecked || value > kGrayed) return;
    value_ = value;
    changed();
    if (on_click) on_click();
}

bool CheckBox::user_click() {
    if (!usable() || !shown()) return false;
    set_value(value_ == kChecked ? kUnchecked : kChecked);
    return true;
}

// ---- OptionButton

void OptionButton::set_value(bool on) {
    if (on == value_) return;
    value_ = on;
    if (on && parent() != nullptr) {
        for (const auto& sibling : parent()->children()) {
            auto* other = dynamic_cast<OptionButton*>(sibling.get());
            if (other == nullptr || other == this || !other->value_) continue;
            other->value_ = false;
            other->changed();
        }
    }
    changed();
    if (on && on_click) on_click();
}

bool OptionButton::user_click() {
    if (!usable() || !shown()) return false;
    set_value(true);
    return true;
}

// ---- ListBox

void ListBox::add_item(std::string line) {
    lines_.push_back(std::move(line));
    marks_.push_back(false);
    changed();
}

bool ListBox::set_list(std::size_t i, std::string line) {
    if (i > lines_.size()) return false;
    if (i == lines_.size()) {
        add_item(std::move(line));
        return true;
    }
    lines_[i] = std::move(line);
    changed();
    return true;
}

void ListBox::clear() {
    lines_.clear();
    marks_.clear();
    list_index_ = -1;
    changed();
}

bool ListBox::set_list_index(int i) {
    if (i < -1 || i >= static_cast<int>(lines_.size())) return false;
    if (i == list_index_) return true;
    list_index_ = i;
    changed();
    if (on_click) on_click();
    return true;
}

bool ListBox::selected(std::size_t i) const {
    if (i >= marks_.size()) return false;
    if (!multi_select) return static_cast<int>(i) == list_index_;
    return marks_[i];
}

void ListBox::set_selected(std::size_t i, bool on) {
    if (i >= marks_.size()) return;
    if (!multi_select) {
        // A single-selection list has one mark: the current line.
        if (on) {
            list_index_ = static_cast<int>(i);
        } else if (list_index_ == static_cast<int>(i)) {
            list_index_ = -1;
        }
        changed();
        return;
    }
    if (marks_[i] == on) return;
    marks_[i] = on;
    changed();
}

bool ListBox::user_select(std::size_t i) {
    if (!usable() || !shown() || i >= lines_.size()) return false;
    if (!multi_select) return set_list_index(static_cast<int>(i));
    marks_[i] = !marks_[i];
    list_index_ = static_cast<int>(i);
    changed();
    if (on_click) on_click();
    return true;
}

// ---- Tab control

bool TabPage::usable() const {
    if (!enabled()) return false;
    auto* tabs = dynamic_cast<const TabControl*>(parent());
    if (tabs != nullptr && !tabs->tab_enabled(static_cast<std::size_t>(index()))) return false;
    return parent() == nullptr || parent()->usable();
}

TabPage& TabControl::add_page(std::string caption) {
    int number = static_cast<int>(pages_.size());
    TabPage& page = add<TabPage>(name() + "_page", number, Rect{0, 0, rect().width, rect().height});
    page.set_caption(std::move(caption));
    pages_.push_back(&page);
    page_enabled_.push_back(true);
    changed();
    return page;
}

bool TabControl::set_tab(int i) {
    if (i < 0 || i >= static_cast<int>(pages_.size())) return false;
    if (i == tab_) return true;
    tab_ = i;
    changed();
    if (on_click) on_click();
    return true;
}

bool TabControl::tab_enabled(std::size_t i) const {
    return i < page_enabled_.size() && page_enabled_[i];
}

void TabControl::set_tab_enabled(std::size_t i, bool enabled) {
    if (i >= page_enabled_.size() || page_enabled_[i] == enabled) return;
    page_enabled_[i] = enabled;
    changed();
}

bool TabControl::user_select_tab(int i) {
    if (!usable() || !shown()) return false;
    if (i < 0 || i >= static_cast<int>(pages_.size()) ||
        !page_enabled_[static_cast<std::size_t>(i)])
        return false;
    return set_tab(i);
}

// ---- ScrollBar

void ScrollBar::set_range(int min, int max) {
    min_ = min;
    max_ = std::max(min, max);
    value_ = std::clamp(value_, min_, max_);
    changed();
}

void ScrollBar::set_value(int value) {
    value = std::clamp(value, min_, max_);
    if (value == value_) return;
    value_ = value;
    changed();
    if (on_change) on_change();
}

bool ScrollBar::user_set_value(int value) {
    if (!usable() || !shown()) return false;
    set_value(value);
    return true;
}

} // namespace wtn::ui
