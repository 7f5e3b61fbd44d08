// The old toolkit's rules that the screens rely on.
#include "controls.h"
#include "form.h"
#include "picture_box.h"

#include <gtest/gtest.h>

namespace wtn::ui {
namespace {

TEST(ValueFromCode, FiresTheHandlerOnlyWhenTheStateChanges) {
    Form form("Form1");
    auto& chk = form.add<CheckBox>("chk_gm1", 0, {});
    auto& txt = form.add<TextBox>("txt_gm1", 0, {});
    auto& lst = form.add<ListBox>("lst_gm1", {});
    auto& tabs = form.add<TabControl>("tab_gm", 0, {});
    auto& bar = form.add<ScrollBar>("vsb_gm18", {}, true);
    int chk_n = 0, txt_n = 0, lst_n = 0, tab_n = 0, bar_n = 0;
    chk.on_click = [&] { ++chk_n; };
    txt.on_change = [&] { ++txt_n; };
    lst.on_click = [&] { ++lst_n; };
    tabs.on_click = [&] { ++tab_n; };
    bar.on_change = [&] { ++bar_n; };
    lst.add_item("a");
    lst.add_item("b");
    tabs.add_page("p0");
    tabs.add_page("p1");
    bar.set_range(0, 10);

    chk.set_value(CheckBox::kChecked);
    chk.set_value(CheckBox::kChecked);
    txt.set_text("1.0");
    txt.set_text("1.0");
    lst.set_list_index(1);
    lst.set_list_index(1);
    tabs.set_tab(1);
    tabs.set_tab(1);
    bar.set_value(5);
    bar.set_value(5);
    bar.set_value(50); // clamped to 10: a change
    bar.set_value(11); // clamped to 10 again: none
    EXPECT_EQ(chk_n, 1);
    EXPECT_EQ(txt_n, 1);
    EXPECT_EQ(lst_n, 1);
    EXPECT_EQ(tab_n, 1);
    EXPECT_EQ(bar_n, 2);

    // Clearing, appending and marking run nothing.
    lst.clear();
    lst.add_item("c");
    EXPECT_EQ(lst_n, 1);
    EXPECT_EQ(lst.list_index(), -1);
}

TEST(OptionButtons, OneOnPerContainerAndOnlyTheButtonTurnedOnFires) {
    Form form("Form1");
    auto& left = form.add<Frame>("fra_gm1", 0, {});
    auto& right = form.add<Frame>("fra_gm1", 1, {});
    auto& a0 = left.add<OptionButton>("opt_gm1", 0, {});
    auto& a1 = left.add<OptionButton>("opt_gm1", 1, {});
    auto& b0 = right.add<OptionButton>("opt_gm1", 2, {});
    std::vector<std::string> clicks;
    for (auto* o : {&a0, &a1, &b0})
        o->on_click = [&clicks, o] { clicks.push_back(o->full_name()); };

    a0.set_value(true);
    b0.set_value(true); // other frame: a0 stays on
    EXPECT_TRUE(a0.value());
    a1.set_value(true);
    EXPECT_FALSE(a0.value());
    EXPECT_TRUE(b0.value());
    a1.set_value(true);  // already on: nothing
    a1.set_value(false); // turning off fires nothing
    EXPECT_EQ(clicks, (std::vector<std::string>{"opt_gm1(0)", "opt_gm1(2)", "opt_gm1(1)"}));
}

TEST(Enabling, AControlIsUsableOnlyWhenEveryContainerAboveIsEnabled) {
    Form form("Form1");
    auto& tabs = form.add<TabControl>("tab_gm", 3, {});
    tabs.add_page("p0");
    auto& page1 = tabs.add_page("p1");
    auto& frame = page1.add<Frame>("fra_sgm4", 1, {});
    auto& chk = frame.add<CheckBox>("chk_gm11", 0, {});
    auto& txt = frame.add<TextBox>("txt_gm11", 0, {});
    int clicks = 0;
    chk.on_click = [&] { ++clicks; };

    EXPECT_TRUE(chk.user_click());
    frame.set_enabled(false);
    EXPECT_TRUE(chk.enabled()); // its own flag is untouched
    EXPECT_FALSE(chk.usable());
    EXPECT_FALSE(chk.user_click());
    EXPECT_FALSE(txt.user_type("5"));
    // Code still fills and reads a disabled control.
    chk.set_value(CheckBox::kUnchecked);
    txt.set_text("7");
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(txt.text(), "7");

    frame.set_enabled(true);
    tabs.set_tab_enabled(1, false);
    EXPECT_FALSE(chk.usable());
    EXPECT_FALSE(tabs.user_select_tab(1));
    EXPECT_EQ(tabs.tab(), 0);
    tabs.set_tab_enabled(1, true);
    EXPECT_TRUE(tabs.user_select_tab(1));
    EXPECT_TRUE(chk.usable());
    form.set_enabled(false);
    EXPECT_FALSE(chk.usable());
}

TEST(Frames, PointerMovesReachTheHandlerOnlyWhenTheFrameIsUsable) {
    Form form("Form1");
    auto& outer = form.add<Frame>("fra_sgm", 0, {});
    auto& frame = outer.add<Frame>("fra_gm3", 0, {});
    std::vector<double> xs;
    frame.on_mouse_move = [&](MouseButton, int, double x, double) { xs.push_back(x); };
    frame.user_mouse_move(MouseButton::None, 0, 150, 45);
    outer.set_enabled(false);
    frame.user_mouse_move(MouseButton::None, 0, 300, 45);
    EXPECT_EQ(xs, std::vector<double>{150});
    outer.user_mouse_move(MouseButton::None, 0, 1, 1); // no handler: nothing
}

TEST(TextBoxes, MaximumLengthLimitsTypingNotCode) {
    Form form("Form1");
    auto& txt = form.add<TextBox>("txt_gm1", 0, {});
    txt.max_length = 4;
    txt.select_on_focus = true;
    int changes = 0;
    txt.on_change = [&] { ++changes; };

    txt.set_text("123456"); // code: whole text kept
    EXPECT_EQ(txt.text(), "123456");
    form.set_focus(&txt); // selects all, so typing replaces it
    EXPECT_EQ(txt.sel_length(), 6u);
    EXPECT_FALSE(txt.user_type("98765"));
    EXPECT_EQ(txt.text(), "9876");
    EXPECT_EQ(changes, 5); // one change per character typed
    // Multi-byte characters count as one character each.
    txt.set_text("");
    EXPECT_TRUE(txt.user_type("\xE7\xA0\x82\xE7\xA0\x82"));
    EXPECT_EQ(txt.sel_start(), 2u);
    // A whole edit that lengthens past the limit is refused, a shortening one
    // of a too-long text is taken.
    txt.set_text("123456");
    EXPECT_FALSE(txt.user_edit("1234567"));
    EXPECT_TRUE(txt.user_edit("12345"));
    EXPECT_EQ(txt.text(), "12345");
    txt.locked = true;
    EXPECT_FALSE(txt.user_edit("1"));
}

TEST(Focus, TheBoxLeftHearsOfItBeforeTheBoxEntered) {
    Form form("Form1");
    auto& a = form.add<TextBox>("txt_gm1", 0, {});
    auto& b = form.add<TextBox>("txt_gm1", 1, {});
    auto& hidden = form.add<TextBox>("txt_gm1", 2, {});
    hidden.set_visible(false);
    std::vector<std::string> log;
    a.on_got_focus = [&] { log.push_back("a in"); };
    a.on_lost_focus = [&] { log.push_back("a out"); };
    b.on_got_focus = [&] { log.push_back("b in"); };
    form.set_focus(&a);
    form.set_focus(&b);
    EXPECT_FALSE(form.set_focus(&hidden));
    EXPECT_EQ(form.focused(), &b);
    EXPECT_EQ(log, (std::vector<std::string>{"a in", "a out", "b in"}));
}

TEST(ListBoxes, WritingLineIAppendsWhenTheListHoldsExactlyILines) {
    Form form("Form1");
    auto& lst = form.add<ListBox>("lst_gm15", {});
    EXPECT_TRUE(lst.set_list(0, "first"));
    EXPECT_TRUE(lst.set_list(1, "second"));
    EXPECT_TRUE(lst.set_list(0, "FIRST"));
    EXPECT_FALSE(lst.set_list(3, "beyond")); // a gap is refused, nothing written
    EXPECT_EQ(lst.lines(), (std::vector<std::string>{"FIRST", "second"}));
    EXPECT_FALSE(lst.set_list_index(2));
    int clicks = 0;
    lst.on_click = [&] { ++clicks; };
    EXPECT_TRUE(lst.set_list_index(1));
    EXPECT_EQ(clicks, 1);
}

TEST(ListBoxes, MultiSelectionMarksFromCodeRunNothingClicksToggle) {
    Form form("Form1");
    auto& lst = form.add<ListBox>("lst_gm10", {});
    lst.multi_select = true;
    int clicks = 0;
    lst.on_click = [&] { ++clicks; };
    for (const char* s : {"a", "b", "c"})
        lst.add_item(s);
    lst.set_selected(0, true);
    lst.set_selected(2, true);
    EXPECT_EQ(clicks, 0);
    EXPECT_TRUE(lst.user_select(2));
    EXPECT_FALSE(lst.selected(2));
    EXPECT_TRUE(lst.selected(0));
    EXPECT_EQ(lst.list_index(), 2);
    EXPECT_EQ(clicks, 1);
}

TEST(Menus, AnItemRunsOnlyWhenItAndItsMenuAreEnabledAndShown) {
    Form form("Form1");
    auto& file = form.menu_bar().add("file", "File(&F)");
    auto& save = file.add("file_save", "Save(&S)", "Ctrl+S");
    auto& sep = file.add("dmy4", "-");
    int runs = 0;
    save.on_click = [&] { ++runs; };
    EXPECT_TRUE(save.user_click());
    file.set_enabled(false);
    EXPECT_FALSE(save.user_click());
    file.set_enabled(true);
    save.set_visible(false);
    EXPECT_FALSE(save.user_click());
    EXPECT_FALSE(sep.user_click());
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(form.menu_bar().find("file_save"), &save);
}

TEST(Toolbar, SeparatorsRunNothing) {
    Toolbar bar;
    bar.add_button("a", "");
    bar.add_separator();
    bar.add_button("b", "");
    std::vector<int> pressed;
    bar.on_button_click = [&](int i) { pressed.push_back(i); };
    EXPECT_TRUE(bar.user_click(1));
    EXPECT_FALSE(bar.user_click(2));
    EXPECT_TRUE(bar.user_click(3));
    EXPECT_FALSE(bar.user_click(4));
    EXPECT_EQ(pressed, (std::vector<int>{1, 3}));
}

TEST(PictureBox, RecordsWhatThePaintHandlerDraws) {
    Form form("Form1");
    auto& pic = form.add<PictureBox>("pic_gm18", {0, 0, 1500, 1500});
    pic.scale_left = 0;
    pic.scale_top = 10;
    pic.scale_width = 20;
    pic.scale_height = -10; // y grows upward
    pic.on_paint = [&] {
        pic.draw_width = 2;
        pic.line(0, 0, 10, 5, qb_color(12));
        pic.current_x = 1;
        pic.current_y = 2;
        pic.print_text("+1.50", qb_color(0));
    };
    pic.refresh();
    pic.refresh(); // a repaint replaces, not adds
    ASSERT_EQ(pic.commands().size(), 2u);
    EXPECT_EQ(pic.commands()[0].color, 0xFF0000u);
    EXPECT_EQ(pic.commands()[0].width, 2);
    EXPECT_EQ(pic.commands()[1].text, "+1.50");
    EXPECT_DOUBLE_EQ(pic.commands()[1].y1, 2.0);
}

} // namespace
} // namespace wtn::ui
