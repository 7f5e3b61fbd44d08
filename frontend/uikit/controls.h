// The plain controls of the form toolkit. Rules kept from the old toolkit:
// - Setting a value from code fires the control's change or click handler only
//   when the state changes, exactly as a user's action would.
// - A control takes user input only when it and all its containers are
//   enabled (usable()); user_* methods do nothing otherwise.
// - A text box's maximum length limits typing, never text set by code.
// - Option buttons in one container are one group: turning one on turns the
//   others off (without firing their handlers).
#pragma once

#include "control.h"

#include <cstddef>
#include <string>
#include <vector>

namespace wtn::ui {

class Frame : public Container {
  public:
    Frame(std::string name, int index) : Container(ControlKind::Frame, std::move(name), index) {}

    // The pointer moved over the frame's own area (not over a control inside
    // it); x, y in twips from the frame's upper-left corner. The view tracks
    // the pointer only over frames that have this handler when it is built.
    std::function<void(MouseButton, int shift, double x, double y)> on_mouse_move;
    // Runs on_mouse_move; nothing when the frame is not usable.
    void user_mouse_move(MouseButton button, int shift, double x, double y);
};

class Label : public Control {
  public:
    Label(std::string name, int index) : Control(ControlKind::Label, std::move(name), index) {}
    // Right-aligned caption (numbers in result tables).
    bool align_right = false;
    // Font size in points (0: the window's own) and weight.
    double font_size = 0;
    bool bold = false;
    // Cells of a results grid: tooltip background and text colours, and a
    // thin border round the caption.
    bool tooltip_colors = false;
    bool border = false;
    // Red text: a warning the user must not overlook.
    bool alert = false;
};

class TextBox : public Control {
  public:
    TextBox(std::string name, int index) : Control(ControlKind::TextBox, std::move(name), index) {}

    const std::string& text() const { return text_; }
    // Sets the text from code; fires on_change when it differs. Not limited
    // by max_length.
    void set_text(std::string text);

    // Maximum number of characters the user can type; 0 means no limit.
    std::size_t max_length = 0;
    // Select the whole text whenever the box receives the focus.
    bool select_on_focus = false;
    bool locked = false; // read-only for the user
    bool align_right = false;
    bool border = true;

    // Selection in characters (start, length).
    std::size_t sel_start() const { return sel_start_; }
    std::size_t sel_length() const { return sel_length_; }
    void set_selection(std::size_t start, std::size_t length);
    void select_all();

    // The user typed text at the caret (replacing the selection), character by
    // character; characters beyond max_length are refused. Returns false when
    // the box refused some or all of it.
    bool user_type(const std::string& typed);
    // The user's edit left the box holding new_text (the view reports whole
    // edits). Refused when the box is not usable, locked, or the edit makes the
    // text longer than max_length.
    bool user_edit(const std::string& new_text);

    std::function<void()> on_change;

  protected:
    void focus_entered() override;

  private:
    std::string text_;
    std::size_t sel_start_ = 0;
    std::size_t sel_length_ = 0;
};

class CommandButton : public Control {
  public:
    CommandButton(std::string name, int index)
        : Control(ControlKind::CommandButton, std::move(name), index) {}
    // Runs on_click as code would (the old toolkit's Value = True).
    void click();
    // The user pressed the button; nothing when it is not usable.
    bool user_click();
    std::function<void()> on_click;
    bool is_default = false; // Enter presses it
    bool is_cancel = false;  // Escape presses it
};

class CheckBox : public Control {
  public:
    static constexpr int kUnchecked = 0;
    static constexpr int kChecked = 1;
    static constexpr int kGrayed = 2;

    CheckBox(std::string name, int index)
        : Control(ControlKind::CheckBox, std::move(name), index) {}
    int value() const { return value_; }
    // Fires on_click when the value changes; a value other than the three
    // states is ignored.
    void set_value(int value);
    // The user clicked: checked becomes unchecked, anything else checked.
    bool user_click();
    std::function<void()> on_click;

  private:
    int value_ = kUnchecked;
};

class OptionButton : public Control {
  public:
    OptionButton(std::string name, int index)
        : Control(ControlKind::OptionButton, std::move(name), index) {}
    bool value() const { return value_; }
    // Turning the button on turns the other option buttons of its container
    // off and fires on_click, only when it was off. Turning it off fires
    // nothing.
    void set_value(bool on);
    bool user_click();
    std::function<void()> on_click;

  private:
    bool value_ = false;
};

// The screens' fixed-pitch lists are set at 9 points, where a half-width
// cell is 90 twips wide.
inline constexpr double kListFontPoints = 9;
inline constexpr int kListCellTwips = 90;

// Left edge in twips of half-width cell `cell` (0 the first) of such a list
// whose text starts `inset` twips inside its left edge `list_left`.
constexpr int list_cell_left(int list_left, int inset, int cell) {
    return list_left + inset + cell * kListCellTwips;
}

class ListBox : public Control {
  public:
    ListBox(std::string name, int index) : Control(ControlKind::ListBox, std::move(name), index) {}

    std::size_t list_count() const { return lines_.size(); }
    const std::vector<std::string>& lines() const { return lines_; }
    const std::string& list(std::size_t i) const { return lines_.at(i); }

    // These run no handler. Removing a line keeps the selection on the line
    // it was on (none when that line is removed).
    void add_item(std::string line);
    // Writes line i; when the list holds exactly i lines the line is appended.
    // False (nothing changed) when i is beyond that.
    bool set_list(std::size_t i, std::string line);
    void clear();

    // The selected line, -1 for none. Setting it from code fires on_click
    // when it changes; a value outside the list is refused (false).
    int list_index() const { return list_index_; }
    bool set_list_index(int i);

    // Multi-selection lists: each line has its own mark; marking from code
    // runs nothing.
    bool multi_select = false;
    bool selected(std::size_t i) const;
    void set_selected(std::size_t i, bool on);

    // The user clicked line i: a single-selection list selects it, a
    // multi-selection list toggles its mark and makes it current; on_click runs.
    bool user_select(std::size_t i);

    // Rows shown as text columns use the fixed-pitch font.
    bool fixed_pitch = false;
    // Font size in points (0: the font's own); kListFontPoints for the
    // screens' fixed-pitch lists.
    double font_size = 0;
    std::function<void()> on_click;
    std::function<void()> on_double_click;

  private:
    std::vector<std::string> lines_;
    std::vector<bool> marks_;
    int list_index_ = -1;
};

// One page of a tab control; its controls (as a rule a single page frame)
// are its children.
class TabPage : public Container {
  public:
    TabPage(std::string name, int index)
        : Container(ControlKind::TabPage, std::move(name), index) {}
    bool usable() const override;
};

// A tab control: its children are its pages, in order.
class TabControl : public Container {
  public:
    TabControl(std::string name, int index)
        : Container(ControlKind::TabControl, std::move(name), index) {}

    // Appends a page; its controls are placed relative to the page's area.
    TabPage& add_page(std::string caption);
    std::size_t page_count() const { return pages_.size(); }
    TabPage& page(std::size_t i) const { return *pages_.at(i); }

    // The current page. Setting it from code fires on_click when it changes
    // (a disabled page may be made current by code, as the old toolkit did).
    int tab() const { return tab_; }
    bool set_tab(int i);
    // A page's tab can be enabled or disabled by its index; a disabled page
    // cannot be chosen by the user.
    bool tab_enabled(std::size_t i) const;
    void set_tab_enabled(std::size_t i, bool enabled);
    bool user_select_tab(int i);

    std::function<void()> on_click;

  private:
    std::vector<TabPage*> pages_;
    std::vector<bool> page_enabled_;
    int tab_ = 0;
};

class ScrollBar : public Control {
  public:
    ScrollBar(std::string name, int index, bool vertical)
        : Control(ControlKind::ScrollBar, std::move(name), index), vertical_(vertical) {}
    bool vertical() const { return vertical_; }
    int min() const { return min_; }
    int max() const { return max_; }
    void set_range(int min, int max);
    int small_change = 1;
    int large_change = 10;
    // On: the value follows the thumb while it is dragged (a change on every
    // move). Off: a drag changes the value once, when the thumb is released.
    bool tracking = true;
    int value() const { return value_; }
    // Fires on_change when the value changes; the value is kept in range.
    void set_value(int value);
    bool user_set_value(int value);
    std::function<void()> on_change;

  private:
    bool vertical_;
    int min_ = 0;
    int max_ = 32767;
    int value_ = 0;
};

} // namespace wtn::ui
