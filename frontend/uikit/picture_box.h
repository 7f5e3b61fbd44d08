// A drawing area that records what code draws on it, in its own user scale,
// so screens can be tested by reading the commands back and the view can
// replay them on screen. The scale maps the area: ScaleLeft/ScaleTop at the
// upper-left corner, ScaleWidth/ScaleHeight across (a negative ScaleHeight
// makes y grow upward).
#pragma once

#include "control.h"

#include <cstdint>
#include <string>
#include <vector>

namespace wtn::ui {

// 0xRRGGBB.
using Color = std::uint32_t;

// Colour i (0..15) of the standard 16-colour palette.
Color qb_color(int i);

enum class DrawMode { Copy, Xor };
enum class LineStyle { Solid, Dash, Dot, DashDot, DashDotDot };

struct DrawCommand {
    enum class Kind { Line, Box, Text };
    Kind kind = Kind::Line;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0; // scale units; text at (x1, y1)
    Color color = 0;
    int width = 1; // pixels
    LineStyle style = LineStyle::Solid;
    DrawMode mode = DrawMode::Copy;
    std::string text;
    double font_size = 9; // points
};

class PictureBox : public Control {
  public:
    PictureBox(std::string name, int index)
        : Control(ControlKind::PictureBox, std::move(name), index) {}

    // Colour the area is cleared to before the commands are drawn.
    Color back_color = 0xFFFFFF;
    // Font of printed text; empty: the window's font. A name the system has no
    // font for may be mapped by the view ("ＭＳ ゴシック" to the fixed-pitch
    // Japanese font).
    std::string font_name;

    double scale_left = 0;
    double scale_top = 0;
    double scale_width = 0;  // 0 until set: the area's width in twips
    double scale_height = 0; // 0 until set: the area's height in twips
    // The scale actually in force (twips of the area when none is set).
    double effective_scale_width() const;
    double effective_scale_height() const;

    // Drawing state applied to the next commands.
    Color fore_color = 0;
    int draw_width = 1;
    LineStyle draw_style = LineStyle::Solid;
    DrawMode draw_mode = DrawMode::Copy;
    double font_size = 9;
    double current_x = 0;
    double current_y = 0;

    void cls();
    void line(double x1, double y1, double x2, double y2, Color color);
    void box(double x1, double y1, double x2, double y2, Color color);
    // Writes text at the current position.
    void print_text(const std::string& text, Color color);

    const std::vector<DrawCommand>& commands() const { return commands_; }

    // Repaints: clears the record, runs on_paint (which draws again), and
    // tells the view.
    void refresh();
    std::function<void()> on_paint;

    // Mouse events in scale units.
    std::function<void(MouseButton, int shift, double x, double y)> on_mouse_down;
    std::function<void(MouseButton, int shift, double x, double y)> on_mouse_move;
    std::function<void(MouseButton, int shift, double x, double y)> on_mouse_up;
    void user_mouse_down(MouseButton button, int shift, double x, double y);
    void user_mouse_move(MouseButton button, int shift, double x, double y);
    void user_mouse_up(MouseButton button, int shift, double x, double y);

  private:
    std::vector<DrawCommand> commands_;
};

} // namespace wtn::ui
