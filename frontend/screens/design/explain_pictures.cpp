#include "explain_pictures.h"

#include <string>

namespace wtn::design {
namespace {

constexpr ui::Color kWhite = 0xFFFFFF;
constexpr ui::Color kYellow = 0xFFFF00;
constexpr ui::Color kCyan = 0x00FFFF;
constexpr ui::Color kGreen = 0x00FF00;
constexpr ui::Color kRed = 0xFF4040;
constexpr ui::Color kMagenta = 0xFF60FF;
constexpr double kTextSize = 9;
constexpr double kSmallText = 8;

void text(ui::PictureBox& pic, double x, double y, const std::string& s, ui::Color color = kWhite,
          double size = kTextSize) {
    pic.current_x = x;
    pic.current_y = y;
    pic.font_size = size;
    pic.print_text(s, color);
}

void dashed(ui::PictureBox& pic, double x1, double y1, double x2, double y2, ui::Color color) {
    const ui::LineStyle saved = pic.draw_style;
    pic.draw_style = ui::LineStyle::Dash;
    pic.line(x1, y1, x2, y2, color);
    pic.draw_style = saved;
}

void arrow_down(ui::PictureBox& pic, double x, double top, double bottom, ui::Color color) {
    pic.line(x, top, x, bottom, color);
    pic.line(x - 3, bottom - 4, x, bottom, color);
    pic.line(x + 3, bottom - 4, x, bottom, color);
}

void arrow_both(ui::PictureBox& pic, double x1, double x2, double y, ui::Color color) {
    pic.line(x1, y, x2, y, color);
    pic.line(x1 + 4, y - 3, x1, y, color);
    pic.line(x1 + 4, y + 3, x1, y, color);
    pic.line(x2 - 4, y - 3, x2, y, color);
    pic.line(x2 - 4, y + 3, x2, y, color);
}

// The water-level symbol: a small triangle on the level's line.
void water_mark(ui::PictureBox& pic, double x, double y, ui::Color color) {
    pic.line(x - 5, y - 8, x + 5, y - 8, color);
    pic.line(x - 5, y - 8, x, y, color);
    pic.line(x + 5, y - 8, x, y, color);
}

// A uniform surcharge: arrows from a line above the ground.
void surcharge(ui::PictureBox& pic, double x1, double x2, double ground, const std::string& name) {
    pic.line(x1, ground - 16, x2, ground - 16, kYellow);
    for (double x = x1 + 4; x < x2; x += 12)
        arrow_down(pic, x, ground - 16, ground - 1, kYellow);
    text(pic, (x1 + x2) / 2 - 6, ground - 32, name, kYellow);
}

void wall(ui::PictureBox& pic, double x, double top, double bottom) {
    pic.box(x - 3, top, x + 3, bottom, kWhite);
}

// 1: the ground-surface shape.
void ground_shape(ui::PictureBox& pic) {
    text(pic, 6, 4, "(1) 直線形状");
    wall(pic, 60, 50, 178);
    pic.line(63, 80, 185, 80, kWhite);
    surcharge(pic, 75, 180, 80, "q");
    pic.line(10, 132, 57, 132, kWhite);
    text(pic, 12, 114, "海底面", kCyan, kSmallText);
    dashed(pic, 63, 112, 185, 112, kWhite);
    dashed(pic, 63, 150, 185, 150, kWhite);

    text(pic, 200, 4, "(2) 盛土形状");
    wall(pic, 255, 50, 178);
    pic.line(258, 100, 290, 100, kWhite);
    pic.line(290, 100, 320, 70, kGreen);
    pic.line(320, 70, 385, 70, kGreen);
    surcharge(pic, 260, 288, 100, "q1");
    surcharge(pic, 325, 383, 70, "q2");
    text(pic, 330, 80, "盛土", kGreen, kSmallText);
    pic.line(205, 132, 252, 132, kWhite);
    text(pic, 207, 114, "海底面", kCyan, kSmallText);
    dashed(pic, 258, 132, 385, 132, kWhite);
    dashed(pic, 258, 158, 385, 158, kWhite);
}

// 2: the surcharge taken at the seabed for every layer, or layer by layer.
void surcharge_method(ui::PictureBox& pic) {
    const double layers[] = {70, 105, 140, 175};
    for (int side = 0; side < 2; ++side) {
        const double x0 = side == 0 ? 0 : 195;
        text(pic, x0 + 6, 4, side == 0 ? "(1) 海底面位置で計算" : "(2) 各層毎に計算");
        wall(pic, x0 + 40, 40, 180);
        pic.line(x0 + 43, 50, x0 + 185, 50, kWhite);
        surcharge(pic, x0 + 60, x0 + 110, 50, "q");
        pic.line(x0 + 2, 105, x0 + 37, 105, kCyan);
        text(pic, x0 + 2, 90, "海底面", kCyan, kSmallText);
        for (double y : layers)
            dashed(pic, x0 + 43, y, x0 + 185, y, kWhite);
        // The spread of the surcharge below the ground.
        pic.line(x0 + 60, 50, x0 + 60 + (side == 0 ? 55 : 125) * 0.5, side == 0 ? 105 : 175,
                 kMagenta);
        pic.line(x0 + 110, 50, x0 + 110 + (side == 0 ? 55 : 125) * 0.5, side == 0 ? 105 : 175,
                 kMagenta);
        for (int k = 0; k < 3; ++k) {
            const double top = layers[k] + 6;
            const double width = side == 0 ? 40 : 52 - 14 * k;
            pic.box(x0 + 140, top, x0 + 140 + width * 0.8, top + 18, kYellow);
            text(pic, x0 + 142, top + 3, side == 0 ? "q'" : "q" + std::to_string(k + 1) + "'",
                 kYellow, kSmallText);
        }
    }
}

// A pressure diagram beside a wall that bends at a water level; the part
// below the level is steeper with the apparent coefficient. direction +1
// draws to the right of the wall (land side), -1 to the left (sea side).
void pressure_diagram(ui::PictureBox& pic, double wall_x, double level_y, double direction,
                      bool apparent_below, const std::string& level_name) {
    wall(pic, wall_x, 30, 178);
    pic.line(wall_x - 60, level_y, wall_x + 60, level_y, kCyan);
    water_mark(pic, wall_x + direction * 50, level_y, kCyan);
    text(pic, direction > 0 ? wall_x + 46 : wall_x - 112, level_y + 4, level_name, kCyan,
         kSmallText);
    const double top = 40;
    const double at_level = 30;
    const double bottom = apparent_below ? at_level + 48 : at_level + 30;
    pic.line(wall_x, top, wall_x + direction * at_level, level_y, kYellow);
    pic.line(wall_x + direction * at_level, level_y, wall_x + direction * bottom, 170,
             apparent_below ? kRed : kYellow);
    pic.line(wall_x, 170, wall_x + direction * bottom, 170, kWhite);
    const double shift = direction < 0 ? -14 : 0;
    text(pic, wall_x + direction * 8 + shift, 62, "k", kYellow, kSmallText);
    text(pic, wall_x + direction * 30 + shift, 140, apparent_below ? "k'" : "k",
         apparent_below ? kRed : kYellow, kSmallText);
}

// 3: coefficients at the residual water level (land side).
void rwl_coefficients(ui::PictureBox& pic) {
    text(pic, 6, 4, "(1) 上・下共に空中震度");
    pressure_diagram(pic, 55, 95, 1, false, "Ｒ．Ｗ．Ｌ．");
    text(pic, 200, 4, "(2) 上側空中、下側見かけの震度");
    pressure_diagram(pic, 250, 95, 1, true, "Ｒ．Ｗ．Ｌ．");
}

// 4: coefficients at the L.W.L. (sea side).
void lwl_coefficients(ui::PictureBox& pic) {
    text(pic, 6, 4, "(1) 上側空中、下側見かけの震度");
    pressure_diagram(pic, 150, 95, -1, true, "Ｌ．Ｗ．Ｌ．");
    text(pic, 200, 4, "(2) 上・下共に空中震度");
    pressure_diagram(pic, 345, 95, -1, false, "Ｌ．Ｗ．Ｌ．");
}

// 5: the two clay earth-pressure intensity formulas.
void clay_formulas(ui::PictureBox& pic) {
    text(pic, 8, 8, "粘性土の土圧強度式", kCyan);
    text(pic, 8, 36, "式－1", kYellow);
    text(pic, 50, 36, "P = (Σγh + w) sin(ζ + θ) / (cos θ sin ζ)");
    text(pic, 70, 56, "− c / (cos ζ · sin ζ)");
    text(pic, 50, 82, "ζ = tan⁻¹ √(1 − ((Σγh + 2w) / 2c) tan θ)");
    text(pic, 8, 122, "式－2", kYellow);
    text(pic, 50, 122, "P = Kc(Σγh + w)");
    pic.line(8, 108, 382, 108, kGreen);
}

// 6: the clay earth pressure below the seabed: interpolated to zero apparent
// coefficient 10 m below the seabed, or the apparent coefficient throughout.
void clay_method(ui::PictureBox& pic) {
    for (int side = 0; side < 2; ++side) {
        const double x0 = side == 0 ? 0 : 195;
        text(pic, x0 + 6, 4, side == 0 ? "(1) 海底面-10mで k'=0" : "(2) 見かけの震度を使用");
        wall(pic, x0 + 40, 24, 182);
        pic.line(x0 + 5, 50, x0 + 185, 50, kWhite);
        text(pic, x0 + 4, 34, "海底面", kCyan, kSmallText);
        dashed(pic, x0 + 43, 80, x0 + 185, 80, kWhite);
        dashed(pic, x0 + 43, 150, x0 + 185, 150, kWhite);
        text(pic, x0 + 140, 58, "砂質土", kWhite, kSmallText);
        text(pic, x0 + 140, 108, "粘性土", kGreen, kSmallText);
        text(pic, x0 + 140, 158, "砂質土", kWhite, kSmallText);
        if (side == 0) {
            pic.line(x0 + 43 + 50, 80, x0 + 43, 150, kRed);
            text(pic, x0 + 50, 152, "-10m k'=0", kRed, kSmallText);
        } else {
            pic.line(x0 + 43 + 50, 80, x0 + 43 + 62, 150, kRed);
            text(pic, x0 + 75, 118, "k'", kRed, kSmallText);
        }
        pic.line(x0 + 43, 80, x0 + 43 + 50, 80, kYellow);
    }
}

} // namespace

void draw_explain_picture(ui::PictureBox& pic, int number) {
    pic.scale_left = 0;
    pic.scale_top = 0;
    pic.scale_width = kExplainWidth;
    pic.scale_height = kExplainHeight;
    switch (number) {
    case 1:
        ground_shape(pic);
        break;
    case 2:
        surcharge_method(pic);
        break;
    case 3:
        rwl_coefficients(pic);
        break;
    case 4:
        lwl_coefficients(pic);
        break;
    case 5:
        clay_formulas(pic);
        break;
    case 6:
        clay_method(pic);
        break;
    default:
        break;
    }
}

void draw_wave_picture(ui::PictureBox& pic) {
    pic.scale_left = 0;
    pic.scale_top = 0;
    pic.scale_width = kWaveWidth;
    pic.scale_height = kWaveHeight;
    // The wall with its superstructure.
    pic.box(168, 40, 212, 80, kWhite);
    wall(pic, 190, 80, 350);
    text(pic, 150, 20, "上部工", kWhite, kSmallText);
    // Still-water level.
    pic.line(4, 110, 187, 110, kCyan);
    water_mark(pic, 120, 110, kCyan);
    text(pic, 6, 92, "静水面", kCyan, kSmallText);
    // d: crown of the foot protection in front of the wall.
    pic.box(140, 235, 187, 262, kGreen);
    dashed(pic, 60, 235, 140, 235, kGreen);
    text(pic, 64, 220, "ｄ", kGreen);
    // h': lower limit of the wave-pressure range.
    dashed(pic, 60, 262, 140, 262, kMagenta);
    text(pic, 64, 264, "ｈ’", kMagenta);
    // h: ground in front of the wall, then the seabed slope 1/X.
    pic.line(110, 290, 187, 290, kWhite);
    pic.line(110, 290, 4, 325, kWhite);
    text(pic, 150, 294, "ｈ", kWhite);
    text(pic, 50, 292, "1/X", kYellow);
    // hb: the ground 5 H1/3 in front of the wall.
    dashed(pic, 30, 110, 30, 320, kRed);
    text(pic, 34, 326, "ｈｂ", kRed);
    arrow_both(pic, 30, 187, 352, kRed);
    text(pic, 90, 336, "5H1/3", kRed, kSmallText);
    // The wave pressure on the wall.
    pic.line(187, 75, 150, 110, kYellow);
    pic.line(150, 110, 172, 235, kYellow);
    text(pic, 118, 150, "波圧", kYellow, kSmallText);
}

} // namespace wtn::design
