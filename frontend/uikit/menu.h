// Menu items of a form's menu bar. A caption "-" is a separator; "&" marks
// the access key. Clicking runs on_click only when the item and every menu
// above it are enabled and visible.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace wtn::ui {

class MenuItem {
  public:
    MenuItem(std::string name, int index, std::string caption, std::string shortcut = {});
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    const std::string& name() const { return name_; }
    int index() const { return index_; }
    std::string full_name() const;
    MenuItem* parent() const { return parent_; }

    // Appends a sub-item; the menu owns it.
    MenuItem& add(std::string name, int index, std::string caption, std::string shortcut = {});
    MenuItem& add(std::string name, std::string caption, std::string shortcut = {}) {
        return add(std::move(name), -1, std::move(caption), std::move(shortcut));
    }
    const std::vector<std::unique_ptr<MenuItem>>& items() const { return items_; }
    MenuItem* find(const std::string& name, int index = -1);

    const std::string& caption() const { return caption_; }
    void set_caption(std::string caption);
    // A key sequence in the portable text form ("Ctrl+N", "F5"), or empty.
    const std::string& shortcut() const { return shortcut_; }
    bool is_separator() const { return caption_ == "-"; }

    bool enabled() const { return enabled_; }
    void set_enabled(bool enabled);
    bool visible() const { return visible_; }
    void set_visible(bool visible);
    bool usable() const;

    // False: the caption is shown exactly as written, an "&" in it being text
    // and not the mark of an access key (an item that shows a file path).
    bool access_key = true;

    // The user chose the item (or pressed its shortcut).
    bool user_click();
    std::function<void()> on_click;

    void set_view_listener(std::function<void()> listener) { view_listener_ = std::move(listener); }

  private:
    void changed();
    std::string name_;
    int index_;
    std::string caption_;
    std::string shortcut_;
    bool enabled_ = true;
    bool visible_ = true;
    MenuItem* parent_ = nullptr;
    std::vector<std::unique_ptr<MenuItem>> items_;
    std::function<void()> view_listener_;
};

} // namespace wtn::ui
