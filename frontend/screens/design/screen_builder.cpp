#include "screen_builder.h"

namespace wtn::design {

namespace {
template <typename T>
T& add_with_caption(ui::Container& in, const std::string& name, int index, const ui::Rect& r,
                    const std::string& caption) {
    T& control = in.add<T>(name, index, r);
    control.set_caption(caption);
    return control;
}
} // namespace

ui::Frame& add_frame(ui::Container& in, const std::string& name, int index, const ui::Rect& r,
                     const std::string& caption) {
    return add_with_caption<ui::Frame>(in, name, index, r, caption);
}

ui::Label& add_label(ui::Container& in, const std::string& name, int index, const ui::Rect& r,
                     const std::string& caption) {
    return add_with_caption<ui::Label>(in, name, index, r, caption);
}

ui::OptionButton& add_option(ui::Container& in, const std::string& name, int index,
                             const ui::Rect& r, const std::string& caption) {
    return add_with_caption<ui::OptionButton>(in, name, index, r, caption);
}

ui::CheckBox& add_check(ui::Container& in, const std::string& name, int index, const ui::Rect& r,
                        const std::string& caption) {
    return add_with_caption<ui::CheckBox>(in, name, index, r, caption);
}

ui::TextBox& add_number_box(ui::Container& in, const std::string& name, int index, int left,
                            int top, const ui::NumberBoxStyle& style) {
    ui::TextBox& box = in.add<ui::TextBox>(name, index, ui::Rect{left, top, kBoxWidth, kBoxHeight});
    ui::make_number_box(box, style);
    return box;
}

ui::NumberBoxStyle leading_number_style(const std::string& mask, bool* event_switch) {
    ui::NumberBoxStyle style;
    style.mask = mask;
    style.source = ui::MaskSource::LeadingNumber;
    style.event_switch = event_switch;
    return style;
}

ui::NumberBoxStyle text_as_typed_style(const std::string& mask) {
    ui::NumberBoxStyle style;
    style.mask = mask;
    style.source = ui::MaskSource::TextAsTyped;
    return style;
}

} // namespace wtn::design
