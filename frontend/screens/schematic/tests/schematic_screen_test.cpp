// Screen 7 driven through the toolkit: building on show, the case options,
// zoom by the mouse, the pans and "全表示", read back from the drawing
// commands and the status bar.
#include "main_window_fixture.h"
#include "screen_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace wtn::schematic {
namespace {

// A started main window showing screen 7 over the hand-worked section.
struct SchematicScreenTest : ::testing::Test {
    SchematicScreenTest() {
        EXPECT_EQ(f.start(), mainwin::StartResult::ready);
        test::load_section(*f.window, test::hand_section());
        test::show_schematic(*f.window);
    }
    const std::string& status() const { return test::status(*f.window); }

    mainwin::test::MainWindowFixture f;
    test::SchematicControls c{*f.window};
};

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

TEST_F(SchematicScreenTest, ShowingTheScreenBuildsFitsAndPaintsTheSection) {
    const ui::PictureBox& pic = c.pic;
    // y from 4.0 (band top) to -20: 28.8 square, top 6.4, the wall in the middle.
    expect_scale(pic, -14.4, 6.4, 28.8);

    // Every line, the crown tick, and every label (the whole section is in view).
    EXPECT_EQ(count_kind(pic, ui::DrawCommand::Kind::Line), 12u);
    EXPECT_EQ(count_kind(pic, ui::DrawCommand::Kind::Text), 19u);
    const auto& cmds = pic.commands();
    EXPECT_EQ(cmds[0].color, 0x00FF00u); // ground first
    EXPECT_EQ(cmds[1].style, ui::LineStyle::Dot);
    // The lower limit runs from edge to edge of the view.
    EXPECT_FLOAT_EQ(static_cast<float>(cmds[8].x1), -14.4f);
    EXPECT_FLOAT_EQ(static_cast<float>(cmds[8].x2), 14.4f);
    EXPECT_EQ(cmds[8].color, 0xFF0000u);
    // The crown tick and label close the list.
    const ui::DrawCommand& tick = cmds[cmds.size() - 2];
    EXPECT_EQ(tick.kind, ui::DrawCommand::Kind::Line);
    EXPECT_NEAR(tick.x2, -0.08 * 28.8, 1e-5);
    EXPECT_EQ(cmds.back().text, "3.00");
    EXPECT_EQ(cmds.back().font_size, kLabelPoints);

    EXPECT_EQ(pic.back_color, 0x000000u);
    EXPECT_EQ(pic.font_name, kLabelFont);
    for (const ui::ScrollBar* bar : {&c.hsb, &c.vsb}) {
        EXPECT_EQ(bar->min(), kScrollMin);
        EXPECT_EQ(bar->max(), kScrollMax);
        EXPECT_EQ(bar->value(), kScrollStart);
        EXPECT_FALSE(bar->tracking);
    }
    EXPECT_EQ(pic.rect().width, kPictureSide);
    EXPECT_EQ(pic.rect().height, kPictureSide);
}

TEST_F(SchematicScreenTest, ACaseSwitchedOffStaysSelectedAndTheScreenStaysEmpty) {
    ASSERT_TRUE(c.cases[1]->user_click());
    const ui::PictureBox& pic = c.pic;
    const double left = pic.scale_left;

    f.data.kanseiji_dat.jis_sw = CheckBox::Clear;
    f.window->opt_menu[0]->set_value(true);
    test::show_schematic(*f.window);
    EXPECT_TRUE(c.cases[1]->value());
    EXPECT_FALSE(c.cases[1]->enabled());
    EXPECT_TRUE(pic.commands().empty());
    EXPECT_EQ(pic.scale_left, left);

    // Another case draws again; the construction stage without its study cannot be chosen.
    f.data.sekkei_dat.sekouji_sw = CheckBox::Clear;
    ASSERT_TRUE(c.cases[0]->user_click());
    EXPECT_EQ(count_kind(pic, ui::DrawCommand::Kind::Text), 19u);
    EXPECT_FALSE(c.cases[2]->user_click());
}

TEST_F(SchematicScreenTest, ZoomRectangleFollowsTheMouseAndRightClickEndsTheMode) {
    ui::PictureBox& pic = c.pic;

    // Off: clicks do nothing.
    pic.user_mouse_down(ui::MouseButton::Left, 0, -5, 0);
    pic.user_mouse_move(ui::MouseButton::Left, 0, 1, -4);
    EXPECT_EQ(count_kind(pic, ui::DrawCommand::Kind::Box), 0u);
    EXPECT_EQ(status(), "");

    ASSERT_TRUE(c.zoom[0]->user_click());
    EXPECT_EQ(status(), kPromptStart);
    pic.user_mouse_down(ui::MouseButton::Left, 0, -5, 0);
    EXPECT_EQ(status(), kPromptEnd);
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
    EXPECT_EQ(status(), kPromptStart);
    EXPECT_TRUE(c.zoom[0]->value());

    // A right click while a rectangle is pending takes it away and ends the mode.
    pic.user_mouse_down(ui::MouseButton::Left, 0, -4, -1);
    pic.user_mouse_move(ui::MouseButton::Left, 0, -3, -2);
    EXPECT_EQ(count_kind(pic, ui::DrawCommand::Kind::Box), 1u);
    pic.user_mouse_down(ui::MouseButton::Right, 0, -3, -2);
    EXPECT_FALSE(c.zoom[0]->value() || c.zoom[1]->value());
    EXPECT_EQ(status(), "");
    EXPECT_EQ(count_kind(pic, ui::DrawCommand::Kind::Box), 0u);
    pic.user_mouse_down(ui::MouseButton::Left, 0, -4, -1);
    pic.user_mouse_move(ui::MouseButton::Left, 0, -3, -2);
    EXPECT_EQ(count_kind(pic, ui::DrawCommand::Kind::Box), 0u);
    expect_scale(pic, -5, 1, 6);

    // "全表示" returns to the whole section.
    ASSERT_TRUE(c.zoom[1]->user_click());
    f.window->stv_gm.set_panel_text(kPromptPanel, "x");
    ASSERT_TRUE(c.whole.user_click());
    expect_scale(pic, -14.4, 6.4, 28.8);
    EXPECT_FALSE(c.zoom[1]->value());
    EXPECT_EQ(status(), "");
}

TEST_F(SchematicScreenTest, EachScrollBarChangePansOneStepFromTheLastBuild) {
    const ui::PictureBox& pic = c.pic;
    // 2 % of 28.8 m, however far the thumb went.
    ASSERT_TRUE(c.hsb.user_set_value(kScrollMax));
    expect_scale(pic, -14.4 + 0.576, 6.4, 28.8);
    ASSERT_TRUE(c.vsb.user_set_value(kScrollMin));
    expect_scale(pic, -14.4 + 0.576, 6.4 + 0.576, 28.8);
    // The lower limit follows the panned edges.
    EXPECT_FLOAT_EQ(static_cast<float>(pic.commands()[8].x2), 14.4f + 0.576f);

    // After a rebuild the next change compares with the thumb as it stood.
    ASSERT_TRUE(c.whole.user_click());
    ASSERT_TRUE(c.hsb.user_set_value(kScrollMax - 1));
    expect_scale(pic, -14.4 - 0.576, 6.4, 28.8);
}

} // namespace
} // namespace wtn::schematic
