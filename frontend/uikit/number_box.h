// The behaviour every number box of the screens shares: at most 10 typed
// characters (unless told otherwise), the whole text selected on entry, an
// optional hint in panel 1 of the status bar while the box has the focus,
// and on leaving the text rewritten with the box's mask.
//
// Full-width digits, point, signs and blanks count as their ASCII forms. A
// text that is no number is refused on leaving: the box gets back the text it
// held on entry (its change handler runs, so a screen that stores while typing
// stores the old value again) and its form's on_input_refused hears a message
// naming the box by its caption. A box whose mask formats the text as typed
// may also be left blank (a row value not given).
#pragma once

#include "controls.h"
#include "form.h"
#include "front_end_services.h"

#include <cstddef>
#include <string>

namespace wtn::ui {

inline constexpr std::size_t kNumberBoxMaxLength = 10;

// What the mask formats on leaving.
enum class MaskSource {
    LeadingNumber, // the box's leading number (text without one shows as 0)
    TextAsTyped,   // the text when it reads as a number; other text stays
};

struct NumberBoxStyle {
    std::string mask = "###0.00";
    MaskSource source = MaskSource::LeadingNumber;
    std::size_t max_length = kNumberBoxMaxLength;
    StatusBar* status = nullptr; // where the hint goes
    std::string hint;
    // The screen's event switch: when given, it is held false while the box
    // rewrites its text on leaving (and set back after), so the screen's
    // change handler, which stores only while the switch is on, keeps the
    // value as typed rather than the rounded text.
    bool* event_switch = nullptr;
};

// Makes box a number box. Focus handlers the box already has still run:
// on entry after the selection and the hint, on leaving after the reformat,
// so they read the text as it is shown.
void make_number_box(TextBox& box, const NumberBoxStyle& style);

// The caption the user reads for box: the label on its left in the same row,
// else the nearest label above it (a column heading), else its frame's
// caption, else the control's name.
std::string box_caption(const TextBox& box);

// Sends the number boxes' refusals of form to boxes as exclamation boxes.
void report_refusals(Form& form, MessageBoxes& boxes);

} // namespace wtn::ui
