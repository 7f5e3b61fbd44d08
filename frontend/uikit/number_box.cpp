#include "number_box.h"

#include "number_mask.h"

namespace wtn::ui {

void make_number_box(TextBox& box, const NumberBoxStyle& style) {
    box.max_length = style.max_length;
    box.select_on_focus = true;
    std::function<void()> entered = std::move(box.on_got_focus);
    std::function<void()> left = std::move(box.on_lost_focus);
    box.on_got_focus = [&box, style, entered] {
        if (style.status != nullptr && !style.hint.empty())
            style.status->set_panel_text(1, style.hint);
        if (entered) entered();
    };
    box.on_lost_focus = [&box, style, left] {
        if (style.status != nullptr && !style.hint.empty()) style.status->set_panel_text(1, "");
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
