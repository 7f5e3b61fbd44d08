// Screen 7 driven through the toolkit: building on show, the case options,
// zoom by the mouse, the pans and "全表示", read back from the drawing
// commands and the status bar.
#include "screen_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace wtn::schematic {
namespace {

using test::ScreenFixture;

void expect_scale(const ui::PictureBox& pic, double left, double top, double side) {
    EXPECT_FLOAT_EQ(static_cast<float>(pic.scale_left), static_cast<float>(left));
    EXPECT_FLOAT_EQ(static_cast<float>(pic.scale_top), static_cast<float>(top));
    EXPECT_FLOAT_EQ(static_cast<float>(pic.scale_width), static_cast<float>(side));
    EXPECT_FLOAT_EQ(static_cast<float>(pic.scale_height), static_cast<float>(-side));
}

std::size_t count_kind(const ui::PictureBox& pic, ui::DrawCommand::Kind kind) {
    return static_cast<std::size_t>(
        std::count_if(pic.commands().begin(), pic.commands().end(),
                      [kind](const ui::DrawCommand& c) { return c.kind == kind; }));
}

TEST(SchematicScreen, ShowingTheScreenBuildsFitsAndPaintsTheSection) {
    ScreenFixture f;
    f.show();
    SchematicScreen& s = *f.screen;
    const ui::PictureBox& pic = *s.pic_gm18;
    EXPECT_EQ(s.lists.Mse_tbl.size(), 11u);
    EXPECT_EQ(s.lists.Mmo_tbl.size(), 19u);
    // y from 4.0 (band top) to -20: 28.8 square, top 6.4, the wall in the middle.
    expect_scale(pic, -14.4, 6.4, 28.8);
    EXPECT_DOUBLE_EQ(s.view.view_cy, -8.0);

    // Every line, the crown tick, and every label (the whole section is in view).
    EXPECT_EQ(count_kind(pic, ui::DrawCommand::Kind::Line), 12u);
    EXPECT_EQ(count_kind(pic, ui::DrawCommand::Kind::Text), 19u);
    const auto& c = pic.commands();
    EXPECT_EQ(c[0].color, 0x00FF00u); // ground first
    EXPECT_EQ(c[1].style, ui::LineStyle::Dot);
    // The lower limit runs from edge to edge of the view.
    EXPECT_FLOAT_EQ(static_cast<float>(c[8].x1), -14.4f);
    EXPECT_FLOAT_EQ(static_cast<float>(c[8].x2), 14.4f);
    EXPECT_EQ(c[8].color, 0xFF0000u);
    // The crown tick and label close the list.
    const ui::DrawCommand& tick = c[c.size() - 2];
    EXPECT_EQ(tick.kind, ui::DrawCommand::Kind::Line);
    EXPECT_NEAR(tick.x2, -0.08 * 28.8, 1e-5);
    EXPECT_EQ(c.back().text, "3.00");
    EXPECT_EQ(c.back().font_size, kLabelPoints);

    EXPECT_EQ(pic.back_color, 0x000000u);
    EXPECT_EQ(pic.font_name, kLabelFont);
    for (const ui::ScrollBar* bar : {s.hsb_gm18, s.vsb_gm18}) {
        EXPECT_EQ(bar->min(), kScrollMin);
        EXPECT_EQ(bar->max(), kScrollMax);
        EXPECT_EQ(bar->value(), kScrollStart);
        EXPECT_FALSE(bar->tracking);
    }
    EXPECT_EQ(pic.rect().width, kPictureSide);
    EXPECT_EQ(pic.rect().height, kPictureSide);
}

TEST(SchematicScreen, ACaseSwitchedOffStaysSelectedAndTheScreenStaysEmpty) {
    ScreenFixture f;
    f.show();
    SchematicScreen& s = *f.screen;
    ASSERT_TRUE(s.opt_gm18[1]->user_click());
    const ui::PictureBox& pic = *s.pic_gm18;
    const double left = pic.scale_left;

    f.data.kanseiji_dat.jis_sw = 0;
    f.window->opt_menu[0]->set_value(true);
    f.show();
    EXPECT_TRUE(s.opt_gm18[1]->value());
    EXPECT_FALSE(s.opt_gm18[1]->enabled());
    EXPECT_TRUE(s.lists.Mse_tbl.empty());
    EXPECT_TRUE(s.lists.Mmo_tbl.empty());
    EXPECT_TRUE(pic.commands().empty());
    EXPECT_EQ(pic.scale_left, left);

    // Another case draws again; the construction stage without its study cannot be chosen.
    f.data.sekkei_dat.sekouji_sw = 0;
    ASSERT_TRUE(s.opt_gm18[0]->user_click());
    EXPECT_EQ(s.lists.Mse_tbl.size(), 11u);
    EXPECT_FALSE(s.opt_gm18[2]->user_click());
}

TEST(SchematicScreen, ZoomRectangleFollowsTheMouseAndRightClickEndsTheMode) {
    ScreenFixture f;
    f.show();
    SchematicScreen& s = *f.screen;
    ui::PictureBox& pic = *s.pic_gm18;

    // Off: clicks do nothing.
    pic.user_mouse_down(ui::MouseButton::Left, 0, -5, 0);
    EXPECT_FALSE(s.view.zoom_pending);

    ASSERT_TRUE(s.opt_dgm18[0]->user_click());
    EXPECT_EQ(f.status(), kPromptStart);
    pic.user_mouse_down(ui::MouseButton::Left, 0, -5, 0);
    EXPECT_EQ(f.status(), kPromptEnd);
    pic.user_mouse_move(ui::MouseButton::Left, 0, 1, -4);
    const ui::DrawCommand& band = pic.commands().back();
    EXPECT_EQ(band.kind, ui::DrawCommand::Kind::Box);
    EXPECT_EQ(band.mode, ui::DrawMode::Xor);
    EXPECT_EQ(band.color, 0xFFFF00u);
    EXPECT_EQ(band.x1, -5);
    EXPECT_EQ(band.y2, -4);

    // 6 wide, 4 high: a view of 6 about (-2, -2).
    pic.user_mouse_down(ui::MouseButton::Left, 0, 1, -4);
    expect_scale(pic, -5, 1, 6);
    EXPECT_EQ(count_kind(pic, ui::DrawCommand::Kind::Box), 0u);
    EXPECT_EQ(f.status(), kPromptStart);
    EXPECT_TRUE(s.opt_dgm18[0]->value());

    // A right click while a rectangle is pending takes it away and ends the mode.
    pic.user_mouse_down(ui::MouseButton::Left, 0, -4, -1);
    pic.user_mouse_move(ui::MouseButton::Left, 0, -3, -2);
    pic.user_mouse_down(ui::MouseButton::Right, 0, -3, -2);
    EXPECT_FALSE(s.opt_dgm18[0]->value() || s.opt_dgm18[1]->value());
    EXPECT_EQ(f.status(), "");
    EXPECT_EQ(count_kind(pic, ui::DrawCommand::Kind::Box), 0u);
    pic.user_mouse_down(ui::MouseButton::Left, 0, -4, -1);
    EXPECT_FALSE(s.view.zoom_pending);
    expect_scale(pic, -5, 1, 6);

    // "全表示" returns to the whole section.
    ASSERT_TRUE(s.opt_dgm18[1]->user_click());
    f.window->stv_gm.set_panel_text(kPromptPanel, "x");
    ASSERT_TRUE(s.cmd_gm18->user_click());
    expect_scale(pic, -14.4, 6.4, 28.8);
    EXPECT_FALSE(s.opt_dgm18[1]->value());
    EXPECT_EQ(f.status(), "");
}

TEST(SchematicScreen, EachScrollBarChangePansOneStepFromTheLastBuild) {
    ScreenFixture f;
    f.show();
    SchematicScreen& s = *f.screen;
    const ui::PictureBox& pic = *s.pic_gm18;
    // 2 % of 28.8 m, however far the thumb went.
    ASSERT_TRUE(s.hsb_gm18->user_set_value(kScrollMax));
    expect_scale(pic, -14.4 + 0.576, 6.4, 28.8);
    ASSERT_TRUE(s.vsb_gm18->user_set_value(kScrollMin));
    expect_scale(pic, -14.4 + 0.576, 6.4 + 0.576, 28.8);
    // The lower limit follows the panned edges.
    EXPECT_FLOAT_EQ(static_cast<float>(pic.commands()[8].x2), 14.4f + 0.576f);

    // After a rebuild the next change compares with the thumb as it stood.
    ASSERT_TRUE(s.cmd_gm18->user_click());
    ASSERT_TRUE(s.hsb_gm18->user_set_value(kScrollMax - 1));
    expect_scale(pic, -14.4 - 0.576, 6.4, 28.8);
}

} // namespace
} // namespace wtn::schematic
