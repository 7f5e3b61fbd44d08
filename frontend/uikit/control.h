// The base of every control of the form toolkit the screens are written
// against. A control has a name (and an index when it belongs to a control
// array such as txt_gm1(3)), a position in twips inside its container, its own
// enabled and visible flags, and a caption. It is usable by the user only when
// it and every container above it are enabled.
//
// A view (the Qt binder, or nothing in tests) listens for changes made to the
// control's state and redraws it; user actions come back through the control's
// own user_* methods, which apply the toolkit's rules and fire the handlers.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace wtn::ui {

enum class ControlKind {
    Form,
    Frame,
    Label,
    TextBox,
    CommandButton,
    CheckBox,
    OptionButton,
    ListBox,
    TabControl,
    TabPage,
    ScrollBar,
    PictureBox,
};

// Position and size in twips (1/1440 inch; 15 twips to a screen pixel).
struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

constexpr int kTwipsPerPixel = 15;

// Mouse buttons as the mouse events pass them (held buttons on a move).
enum class MouseButton { None = 0, Left = 1, Right = 2, Middle = 4 };

class Container;

class Control {
  public:
    Control(ControlKind kind, std::string name, int index);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    ControlKind kind() const { return kind_; }
    const std::string& name() const { return name_; }
    // Index within its control array, -1 when the control is not in one.
    int index() const { return index_; }
    // "txt_gm1(3)" for an array member, else the bare name.
    std::string full_name() const;
    Container* parent() const { return parent_; }

    const Rect& rect() const { return rect_; }
    void set_rect(const Rect& rect);

    bool enabled() const { return enabled_; }
    void set_enabled(bool enabled);
    bool visible() const { return visible_; }
    void set_visible(bool visible);
    // True when this control and every container above it are visible.
    bool shown() const;
    // True when this control and every container above it are enabled.
    virtual bool usable() const;

    const std::string& caption() const { return caption_; }
    void set_caption(std::string caption);

    // Focus events; the form or the view calls these.
    void got_focus();
    void lost_focus();
    std::function<void()> on_got_focus;
    std::function<void()> on_lost_focus;

    // The view's hook, called after every change of state made through the
    // control's methods. One listener: the view that shows the control.
    void set_view_listener(std::function<void()> listener) { view_listener_ = std::move(listener); }

  protected:
    void changed();
    virtual void focus_entered() {}

  private:
    friend class Container;
    ControlKind kind_;
    std::string name_;
    int index_;
    Container* parent_ = nullptr;
    Rect rect_;
    bool enabled_ = true;
    bool visible_ = true;
    std::string caption_;
    std::function<void()> view_listener_;
};

// A control that holds others: forms, frames and tab pages. Every container
// is its own group of option buttons.
class Container : public Control {
  public:
    using Control::Control;

    // Creates a child control; the container owns it.
    template <typename T, typename... Args>
    T& add(std::string name, int index, const Rect& rect, Args&&... args) {
        auto child = std::make_unique<T>(std::move(name), index, std::forward<Args>(args)...);
        T& ref = *child;
        adopt(std::move(child), rect);
        return ref;
    }
    template <typename T, typename... Args>
    T& add(std::string name, const Rect& rect, Args&&... args) {
        return add<T>(std::move(name), -1, rect, std::forward<Args>(args)...);
    }

    const std::vector<std::unique_ptr<Control>>& children() const { return children_; }

    // Finds a control by name and index anywhere below this container.
    Control* find(const std::string& name, int index = -1) const;
    template <typename T> T* find_as(const std::string& name, int index = -1) const {
        return dynamic_cast<T*>(find(name, index));
    }

    // Visits every control below this container, depth first.
    void for_each(const std::function<void(Control&)>& visit) const;

  private:
    void adopt(std::unique_ptr<Control> child, const Rect& rect);
    std::vector<std::unique_ptr<Control>> children_;
};

} // namespace wtn::ui
