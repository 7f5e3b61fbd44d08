#include "number_box.h"

#include "number_mask.h"
#include "text_trim.h"

#include <climits>
#include <memory>

namespace wtn::ui {
namespace {

bool is_blank_text(const std::string& text) {
    return fold_full_width(text).find_first_not_of(" \t") == std::string::npos;
}

// A caption may be broken over lines; what the user reads has no blanks round it.
constexpr std::string_view kCaptionBlanks = " \t\n";

Form* form_of(const Control& control) {
    for (Container* c = control.parent(); c != nullptr; c = c->parent()) {
        if (c->kind() == ControlKind::Form) return static_cast<Form*>(c);
    }
    return nullptr;
}

void refuse(const TextBox& box, const std::string& typed) {
    Form* form = form_of(box);
    if (form == nullptr || !form->on_input_refused) return;
    form->on_input_refused("「" + box_caption(box) + "」に入力された「" + typed +
                           "」は数値ではありません。\n数値を入力してください。");
}

} // namespace

std::string box_caption(const TextBox& box) {
    const Container* in = box.parent();
    if (in == nullptr) return box.full_name();
    const Rect& r = box.rect();
    const Label* left_of = nullptr;
    const Label* above = nullptr;
    int left_gap = INT_MAX;
    int above_gap = INT_MAX;
    for (const auto& child : in->children()) {
        if (child->kind() != ControlKind::Label ||
            trim_blanks(child->caption(), kCaptionBlanks).empty())
            continue;
        const Rect& l = child->rect();
        const bool same_row = l.top < r.top + r.height && r.top < l.top + l.height;
        const bool same_column = l.left < r.left + r.width && r.left < l.left + l.width;
        if (same_row && l.left + l.width <= r.left + r.width / 2) {
            const int gap = r.left - (l.left + l.width);
            if (gap < left_gap) {
                left_gap = gap;
                left_of = static_cast<const Label*>(child.get());
            }
        } else if (same_column && l.top + l.height <= r.top + r.height / 2) {
            const int gap = r.top - (l.top + l.height);
            if (gap < above_gap) {
                above_gap = gap;
                above = static_cast<const Label*>(child.get());
            }
        }
    }
    if (left_of != nullptr) return trim_blanks(left_of->caption(), kCaptionBlanks);
    if (above != nullptr) return trim_blanks(above->caption(), kCaptionBlanks);
    if (!trim_blanks(in->caption(), kCaptionBlanks).empty())
        return trim_blanks(in->caption(), kCaptionBlanks);
    return box.full_name();
}

void report_refusals(Form& form, MessageBoxes& boxes) {
    form.on_input_refused = [&boxes](const std::string& message) {
        show_note(boxes, kAppTitle, message, BoxIcon::Exclamation);
    };
}

void make_number_box(TextBox& box, const NumberBoxStyle& style) {
    box.max_length = style.max_length;
    box.select_on_focus = true;
    std::function<void()> entered = std::move(box.on_got_focus);
    std::function<void()> left = std::move(box.on_lost_focus);
    // The text the box held when the user entered it: what a refusal restores.
    auto on_entry = std::make_shared<std::string>();
    box.on_got_focus = [&box, style, entered, on_entry] {
        *on_entry = box.text();
        if (style.status != nullptr && !style.hint.empty())
            style.status->set_panel_text(1, style.hint);
        if (entered) entered();
    };
    box.on_lost_focus = [&box, style, left, on_entry] {
        if (style.status != nullptr && !style.hint.empty()) style.status->set_panel_text(1, "");
        const std::string typed = box.text();
        const bool blank_allowed = style.source == MaskSource::TextAsTyped && is_blank_text(typed);
        if (!reads_as_number(typed) && !blank_allowed) {
            // Back to the value on entry with the change handler live, so the
            // screen stores that value again in place of what it took while
            // the user typed.
            box.set_text(*on_entry);
            refuse(box, typed);
            if (left) left();
            return;
        }
        const bool was_on = style.event_switch != nullptr && *style.event_switch;
        if (style.event_switch != nullptr) *style.event_switch = false;
        if (style.source == MaskSource::LeadingNumber) {
            box.set_text(format_mask(leading_number(box.text()), style.mask));
        } else {
            box.set_text(format_mask_text(box.text(), style.mask));
        }
        if (style.event_switch != nullptr) *style.event_switch = was_on;
        if (left) left();
    };
}

} // namespace wtn::ui
