// The binder keeps a form and its Qt widgets in step: user actions reach the
// toolkit's rules and handlers, code changes reach the widgets without
// looking like user actions.
#include "controls.h"
#include "form.h"
#include "form_binder.h"
#include "form_window.h"
#include "number_mask.h"
#include "picture_box.h"
#include "shown_form.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace wtn::qt {
namespace {

// A small screen: two number boxes in a frame, a check box, an option pair,
// a list and a two-page tab control.
struct Screen {
    ui::Form form{"Form1"};
    ui::Frame& frame = form.add<ui::Frame>("fra_gm1", 0, {120, 120, 4500, 2400});
    ui::TextBox& depth = frame.add<ui::TextBox>("txt_gm1", 0, {150, 300, 1200, 300});
    ui::TextBox& level = frame.add<ui::TextBox>("txt_gm1", 1, {150, 750, 1200, 300});
    ui::CheckBox& check = frame.add<ui::CheckBox>("chk_gm1", 0, {150, 1200, 2000, 300});
    ui::OptionButton& opt0 = frame.add<ui::OptionButton>("opt_gm1", 0, {150, 1600, 1500, 300});
    ui::OptionButton& opt1 = frame.add<ui::OptionButton>("opt_gm1", 1, {1800, 1600, 1500, 300});
    ui::ListBox& list = form.add<ui::ListBox>("lst_gm1", {4800, 120, 3000, 1500});
    ui::TabControl& tabs = form.add<ui::TabControl>("tab_gm", 0, {120, 2700, 6000, 2000});
    ShownForm shown;
    QWidget& window = shown.window;
    int depth_changes = 0;
    int check_clicks = 0;

    Screen() {
        for (auto* box : {&depth, &level}) {
            box->max_length = 10;
            box->select_on_focus = true;
            box->on_lost_focus = [box] {
                box->set_text(ui::format_mask(ui::leading_number(box->text()), "###0.00"));
            };
        }
        depth.on_change = [this] { ++depth_changes; };
        check.set_caption("check");
        check.on_click = [this] { ++check_clicks; };
        opt0.set_caption("zero");
        opt1.set_caption("one");
        tabs.add_page("p0");
        tabs.add_page("p1");
        shown.show(form, 600, 400);
    }
    template <typename W> W* widget(const ui::Control& c) { return shown.widget<W>(c); }
};

TEST(Binder, WidgetsTakeTheControlsNamesAndTwipGeometry) {
    Screen s;
    auto* edit = s.window.findChild<QLineEdit*>("txt_gm1(1)");
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit, s.widget<QLineEdit>(s.level));
    EXPECT_EQ(edit->geometry(), QRect(10, 50, 80, 20)); // 15 twips a pixel
    EXPECT_NE(s.window.findChild<QGroupBox*>("fra_gm1(0)"), nullptr);
    EXPECT_NE(s.window.findChild<QListWidget*>("lst_gm1"), nullptr);
}

TEST(Binder, TypingReachesTheBoxAndLeavingItReformats) {
    Screen s;
    auto* depth = s.widget<QLineEdit>(s.depth);
    auto* level = s.widget<QLineEdit>(s.level);
    s.depth.set_text("1");
    // The window gave the depth box the focus; leaving it reformats it.
    QTest::mouseClick(level, Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(depth->text(), "1.00");
    s.depth_changes = 0;
    QTest::mouseClick(depth, Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(s.form.focused(), &s.depth);
    EXPECT_EQ(depth->selectedText(), "1.00"); // select-all on entry
    QTest::keyClicks(depth, "3.14159");
    EXPECT_EQ(s.depth.text(), "3.14159");
    EXPECT_EQ(s.depth_changes, 7); // one change per key, as typed
    QTest::mouseClick(level, Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(s.form.focused(), &s.level);
    EXPECT_EQ(s.depth.text(), "3.14");
    EXPECT_EQ(depth->text(), "3.14");
}

TEST(Binder, MaximumLengthRefusesTheEleventhCharacterButCodeMayWriteMore) {
    Screen s;
    auto* depth = s.widget<QLineEdit>(s.depth);
    QTest::mouseClick(depth, Qt::LeftButton);
    QTest::keyClicks(depth, "123456789012");
    EXPECT_EQ(s.depth.text(), "1234567890");
    EXPECT_EQ(depth->text(), "1234567890");
    s.depth.set_text("12345678901234");
    EXPECT_EQ(depth->text(), "12345678901234");
}

TEST(Binder, CodeChangesReachTheWidgetWithoutFiringTwice) {
    Screen s;
    s.check.set_value(ui::CheckBox::kChecked);
    EXPECT_EQ(s.check_clicks, 1);
    EXPECT_TRUE(s.widget<QCheckBox>(s.check)->isChecked());
    s.opt1.set_value(true);
    s.opt0.set_value(true);
    EXPECT_TRUE(s.widget<QRadioButton>(s.opt0)->isChecked());
    EXPECT_FALSE(s.widget<QRadioButton>(s.opt1)->isChecked());
    s.list.add_item("a");
    s.list.add_item("b");
    s.list.set_list_index(1);
    EXPECT_EQ(s.widget<QListWidget>(s.list)->count(), 2);
    EXPECT_EQ(s.widget<QListWidget>(s.list)->currentRow(), 1);
}

TEST(Binder, UserClicksFollowTheToolkitRules) {
    Screen s;
    auto* opt1 = s.widget<QRadioButton>(s.opt1);
    s.opt0.set_value(true);
    // Click the indicator: the empty right part of a button takes no click.
    QPoint indicator(6, opt1->height() / 2);
    QTest::mouseClick(opt1, Qt::LeftButton, {}, indicator);
    EXPECT_TRUE(s.opt1.value());
    EXPECT_FALSE(s.opt0.value());
    EXPECT_FALSE(s.widget<QRadioButton>(s.opt0)->isChecked());
    QTest::mouseClick(opt1, Qt::LeftButton, {}, indicator); // on already: stays on
    EXPECT_TRUE(s.opt1.value());
    EXPECT_TRUE(opt1->isChecked());
    s.list.add_item("a");
    s.list.add_item("b");
    auto* list = s.widget<QListWidget>(s.list);
    QRect row = list->visualItemRect(list->item(1));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
    EXPECT_EQ(s.list.list_index(), 1);
}

TEST(Binder, ADisabledFrameDisablesItsChildrenButKeepsTheirOwnFlags) {
    Screen s;
    s.frame.set_enabled(false);
    auto* check = s.widget<QCheckBox>(s.check);
    EXPECT_FALSE(check->isEnabled());
    EXPECT_TRUE(s.check.enabled());
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(6, check->height() / 2));
    EXPECT_EQ(s.check.value(), ui::CheckBox::kUnchecked);
    EXPECT_EQ(s.check_clicks, 0);
    s.frame.set_enabled(true);
    EXPECT_TRUE(check->isEnabled());
    s.check.set_enabled(false);
    s.frame.set_enabled(false);
    s.frame.set_enabled(true);
    EXPECT_FALSE(check->isEnabled()); // its own flag still holds it off
}

TEST(Binder, ADisabledTabCannotBeChosen) {
    Screen s;
    int page_changes = 0;
    s.tabs.on_click = [&] { ++page_changes; };
    s.tabs.set_tab_enabled(1, false);
    auto* tabs = s.widget<QTabWidget>(s.tabs);
    EXPECT_FALSE(tabs->isTabEnabled(1));
    QTabBar* bar = tabs->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
    EXPECT_EQ(s.tabs.tab(), 0);
    EXPECT_EQ(tabs->currentIndex(), 0);
    s.tabs.set_tab_enabled(1, true);
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
    EXPECT_EQ(s.tabs.tab(), 1);
    EXPECT_EQ(page_changes, 1);
}

TEST(FormDialog, EnterAndEscapePressTheDefaultAndCancelButtons) {
    for (int key : {Qt::Key_Return, Qt::Key_Escape}) {
        ui::Form form("frmAbout");
        form.client_width = 3000;
        form.client_height = 1500;
        auto& ok = form.add<ui::CommandButton>("cmdOK", {1500, 900, 1200, 400});
        ok.is_default = true;
        ok.is_cancel = true;
        int presses = 0;
        ok.on_click = [&] {
            ++presses;
            form.unload();
        };
        FormDialog dialog(form, nullptr);
        form.load();
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
        QTest::keyClick(&dialog, static_cast<Qt::Key>(key));
        EXPECT_EQ(presses, 1) << key;
        EXPECT_FALSE(form.loaded());
        EXPECT_FALSE(dialog.isVisible());
    }
}

TEST(MainWindowView, TheCloseButtonAsksTheFormAndACancelKeepsTheWindow) {
    ui::Form form("Form1");
    form.set_caption("caption");
    auto& file = form.menu_bar().add("file", "File(&F)");
    auto& end = file.add("file_end", "Exit(&X)");
    end.on_click = [&] { form.unload(); };
    bool cancel = true;
    int asked = 0;
    form.on_query_unload = [&](bool& c) {
        ++asked;
        c = cancel;
    };
    MainWindowView view(form, nullptr, nullptr);
    form.load();
    view.show();
    EXPECT_EQ(view.windowTitle(), "caption");
    EXPECT_FALSE(view.close());
    EXPECT_TRUE(view.isVisible());
    EXPECT_TRUE(form.loaded());
    cancel = false;
    view.chrome().action_of(end)->trigger();
    EXPECT_FALSE(view.isVisible());
    EXPECT_FALSE(form.loaded());
    EXPECT_EQ(asked, 2);
}

} // namespace
} // namespace wtn::qt

namespace wtn::qt {
namespace {

TEST(PictureWidget, DrawsInTheBoxsScaleWithYGrowingUpward) {
    ui::Form form("Form1");
    auto& pic = form.add<ui::PictureBox>("pic_gm18", {0, 0, 1500, 1500}); // 100 x 100 pixels
    pic.scale_left = 0;
    pic.scale_top = 10;
    pic.scale_width = 10;
    pic.scale_height = -10;
    pic.on_paint = [&] {
        pic.draw_width = 5;
        pic.line(0, 1, 10, 1, ui::qb_color(12)); // near the bottom edge
    };
    QWidget window;
    window.resize(100, 100);
    FormBinder binder(form, &window);
    pic.refresh();
    window.show();
    QImage image = binder.widget_of(pic)->grab().toImage();
    EXPECT_EQ(QColor(image.pixel(50, 90)), QColor(255, 0, 0));
    EXPECT_EQ(QColor(image.pixel(50, 10)), QColor(255, 255, 255));
}

} // namespace
} // namespace wtn::qt
