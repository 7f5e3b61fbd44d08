// Small helpers that place the controls of a screen: each adds one control
// with its caption to a container, in the order the user tabs through them.
#pragma once

#include "controls.h"
#include "number_box.h"
#include "picture_box.h"
#include "screen_codes.h"

#include <array>
#include <string>

namespace wtn::design {

// Rows of a screen lie this far apart; boxes have this size (twips).
inline constexpr int kRowStep = 360;
inline constexpr int kBoxWidth = 1100;
inline constexpr int kBoxHeight = 300;
// A two-line option button or check box at the window's 9-point font.
inline constexpr int kTwoLineHeight = 510;

ui::Frame& add_frame(ui::Container& in, const std::string& name, int index, const ui::Rect& r,
                     const std::string& caption);
ui::Label& add_label(ui::Container& in, const std::string& name, int index, const ui::Rect& r,
                     const std::string& caption);
ui::OptionButton& add_option(ui::Container& in, const std::string& name, int index,
                             const ui::Rect& r, const std::string& caption);
ui::CheckBox& add_check(ui::Container& in, const std::string& name, int index, const ui::Rect& r,
                        const std::string& caption);
// A number box of kBoxWidth x kBoxHeight with its upper-left corner at
// (left, top).
ui::TextBox& add_number_box(ui::Container& in, const std::string& name, int index, int left,
                            int top, const ui::NumberBoxStyle& style);

// The number box styles of the screens: the leading number shown with mask,
// and the text itself formatted when it reads as a number.
ui::NumberBoxStyle leading_number_style(const std::string& mask, bool* event_switch = nullptr);
ui::NumberBoxStyle text_as_typed_style(const std::string& mask);

// Switch encodings of the stores: a check box stores checked in any state
// but clear; a two-button group stores the code of its first list entry when
// the button tested is on, else the code of the second.
inline CheckBox check_value(const ui::CheckBox& box) {
    return box_value(box.value() != ui::CheckBox::kUnchecked);
}
template <class Code> Code code_when_on(const ui::OptionButton& tested) {
    return code_of_list_index<Code>(tested.value() ? kFirstButtonOn : kSecondButtonOn);
}

// Selects the button of a two-button group for a stored code, the first for
// the code of the first list entry, as a load does (the button's handler
// runs on a change); another code selects none.
template <class Code>
void select_pair(Code code, ui::OptionButton& first, ui::OptionButton& second) {
    const int index = list_index_of(code);
    if (index == kFirstButtonOn) first.set_value(true);
    if (index == kSecondButtonOn) second.set_value(true);
}

// The button of a group that stands for a code, by its list index; nullptr
// for a code whose index lies outside the group.
template <class Code, std::size_t N>
ui::OptionButton* button_of(const std::array<ui::OptionButton*, N>& group, Code code, int first = 0,
                            int count = static_cast<int>(N)) {
    const int index = list_index_of(code);
    return is_list_index(index, count) ? group[static_cast<std::size_t>(first + index)] : nullptr;
}

// Turns a check box on or off as a load does (its handler runs on a change).
inline void set_check(ui::CheckBox& box, bool on) {
    box.set_value(on ? ui::CheckBox::kChecked : ui::CheckBox::kUnchecked);
}

} // namespace wtn::design
