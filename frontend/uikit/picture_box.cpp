#include "picture_box.h"

namespace wtn::ui {

Color qb_color(int i) {
    static constexpr Color kPalette[16] = {
        0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
        0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF,
    };
    if (i < 0 || i > 15) return 0;
    return kPalette[i];
}

double PictureBox::effective_scale_width() const {
    return scale_width != 0 ? scale_width : rect().width;
}

double PictureBox::effective_scale_height() const {
    return scale_height != 0 ? scale_height : rect().height;
}

void PictureBox::cls() {
    commands_.clear();
    current_x = scale_left;
    current_y = scale_top;
    changed();
}

void PictureBox::line(double x1, double y1, double x2, double y2, Color color) {
    DrawCommand c;
    c.kind = DrawCommand::Kind::Line;
    c.x1 = x1, c.y1 = y1, c.x2 = x2, c.y2 = y2;
    c.color = color;
    c.width = draw_width;
    c.style = draw_style;
    c.mode = draw_mode;
    commands_.push_back(c);
    current_x = x2;
    current_y = y2;
    changed();
}

void PictureBox::box(double x1, double y1, double x2, double y2, Color color) {
    line(x1, y1, x2, y2, color);
    commands_.back().kind = DrawCommand::Kind::Box;
}

void PictureBox::print_text(const std::string& text, Color color) {
    DrawCommand c;
    c.kind = DrawCommand::Kind::Text;
    c.x1 = current_x;
    c.y1 = current_y;
    c.color = color;
    c.text = text;
    c.font_size = font_size;
    c.mode = draw_mode;
    commands_.push_back(c);
    changed();
}

void PictureBox::refresh() {
    commands_.clear();
    if (on_paint) on_paint();
    changed();
}

void PictureBox::user_mouse_down(MouseButton button, int shift, double x, double y) {
    if (usable() && on_mouse_down) on_mouse_down(button, shift, x, y);
}

void PictureBox::user_mouse_move(MouseButton button, int shift, double x, double y) {
    if (usable() && on_mouse_move) on_mouse_move(button, shift, x, y);
}

void PictureBox::user_mouse_up(MouseButton button, int shift, double x, double y) {
    if (usable() && on_mouse_up) on_mouse_up(button, shift, x, y);
}

} // namespace wtn::ui
