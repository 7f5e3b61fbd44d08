// Menus, toolbar, the screen switcher and the page change.
#include "main_window_fixture.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace wtn::mainwin::test {
namespace {

struct MenuCase {
    const char* name;
    int index;
    const char* caption;
    const char* shortcut;
};

TEST(Menus, EveryItemHasItsCaptionAndShortcut) {
    MainWindowFixture f;
    const MenuCase cases[] = {
        {"file", -1, "ﾌｧｲﾙ(&F)", ""},
        {"file_new", -1, "新規作成(&N)", "Ctrl+N"},
        {"file_open", -1, "開く(&O)", "Ctrl+O"},
        {"file_save", -1, "上書き保存(&S)", "Ctrl+S"},
        {"file_add", -1, "名前を付けて保存(&A)", ""},
        {"dmy4", -1, "-", ""},
        {"file_print", -1, "印刷(&P)", "Ctrl+P"},
        {"mnuRecentFile", 0, "-", ""},
        {"mnuRecentFile", 4, "RecentFile4", ""},
        {"dmy5", -1, "-", ""},
        {"file_end", -1, "Tosvaneの終了(&X)", ""},
        {"edit", -1, "ｵﾌﾟｼｮﾝ(&O)", ""},
        {"edit_kyit", -1, "鋼矢板データの追加...", ""},
        {"edit_pyit", -1, "PC矢板データの追加...", ""},
        {"dmy1", -1, "-", ""},
        {"edit_option", -1, "ｶｽﾀﾏｲｽﾞ(&C)...", ""},
        {"inp", -1, "ﾃﾞｰﾀ入力（&I）", ""},
        {"inp_menu", 0, "基本条件（&A）", ""},
        {"inp_menu", 3, "矢板（&D）", ""},
        {"inp_menu", 7, "模式図（&H）", ""},
        {"cal", -1, "計算(&C)", ""},
        {"run", -1, "実行(&R)", "F5"},
        {"k_kekka", -1, "完成時の検討結果", ""},
        {"s_kekka", -1, "施工時の検討結果", ""},
        {"helpmenu", -1, "ﾍﾙﾌﾟ(&H)", ""},
        {"help", -1, "Tosvaneのﾍﾙﾌﾟ(&J)", ""},
        {"dmy2", -1, "-", ""},
        {"ver", -1, "ﾊﾞｰｼﾞｮﾝ情報(&A)", ""},
    };
    for (const MenuCase& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " " + std::to_string(c.index));
        ui::MenuItem* item = f.window->form.menu_bar().find(c.name, c.index);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->caption(), c.caption);
        EXPECT_EQ(item->shortcut(), c.shortcut);
    }
    // The order of the menus on the bar.
    std::vector<std::string> bar;
    for (const auto& m : f.window->form.menu_bar().items())
        bar.push_back(m->name());
    EXPECT_EQ(bar, (std::vector<std::string>{"file", "edit", "inp", "cal", "helpmenu"}));
    const char* buttons[] = {"基本条件", "完成時", "施工時", "矢板",
                             "地表面",   "土層",   "他外力", "模式図"};
    for (int i = 0; i < kScreenCount; ++i)
        EXPECT_EQ(f.window->opt_menu[i]->caption(), buttons[i]);
}

TEST(Toolbar, ButtonsRunTheirCommandsAndSeparatorsNothing) {
    MainWindowFixture f;
    ASSERT_EQ(f.start(), StartResult::ready);
    std::vector<std::string> ran;
    f.window->commands.run = [&] { ran.push_back("run"); };
    f.window->commands.print = [&] { ran.push_back("print"); };
    const auto& buttons = f.window->Toolbar1.buttons();
    ASSERT_EQ(buttons.size(), 8u);
    EXPECT_EQ(buttons[0].key, "新規");
    EXPECT_EQ(buttons[2].key, "上書き保存");
    EXPECT_TRUE(buttons[3].separator);
    EXPECT_EQ(buttons[4].key, "計算");
    EXPECT_TRUE(buttons[6].separator);
    EXPECT_EQ(buttons[7].key, "ヘルプ");
    for (int i : {4, 5, 6, 7, 8})
        f.window->Toolbar1.user_click(i);
    EXPECT_EQ(ran, (std::vector<std::string>{"run", "print"}));
    EXPECT_EQ(f.help.opened.size(), 1u);
    // Button 2 is Open: the open dialog (cancelled here).
    f.window->Toolbar1.user_click(2);
    ASSERT_EQ(f.files.asked.size(), 1u);
    EXPECT_FALSE(f.files.asked[0].save);
}

TEST(Menus, ItemsRunTheirCommandsAndARecentItemOpensItsOwnFile) {
    MainWindowFixture f;
    f.settings.set(kRecentSection, "RecentFile1", "/data/quay/first.txt");
    f.settings.set(kRecentSection, "RecentFile2", "/data/quay/second.txt");
    ASSERT_EQ(f.start(), StartResult::ready);
    std::vector<std::string> ran;
    MainCommands& c = f.window->commands;
    c.run = [&] { ran.push_back("run"); };
    c.print = [&] { ran.push_back("print"); };
    c.k_kekka = [&] { ran.push_back("k_kekka"); };
    c.s_kekka = [&] { ran.push_back("s_kekka"); };
    c.edit_kyit = [&] { ran.push_back("edit_kyit"); };
    c.edit_pyit = [&] { ran.push_back("edit_pyit"); };
    MainWindow& w = *f.window;
    for (ui::MenuItem* item :
         {w.file_print, w.run, w.k_kekka, w.s_kekka, w.edit_kyit, w.edit_pyit}) {
        item->set_enabled(true);
        EXPECT_TRUE(item->user_click()) << item->name();
    }
    EXPECT_EQ(ran, (std::vector<std::string>{"print", "run", "k_kekka", "s_kekka", "edit_kyit",
                                             "edit_pyit"}));
    // Open asks an open dialog, save-as a save dialog (both cancelled).
    w.file_open->user_click();
    w.file_add->user_click();
    ASSERT_EQ(f.files.asked.size(), 2u);
    EXPECT_FALSE(f.files.asked[0].save);
    EXPECT_TRUE(f.files.asked[1].save);
    // The second recent item opens the second file, which is no project.
    EXPECT_TRUE(w.mnuRecentFile[2]->user_click());
    const std::vector<std::string> notes = f.boxes.notes();
    ASSERT_FALSE(notes.empty());
    EXPECT_NE(notes.back().find("「/data/quay/second.txt」"), std::string::npos) << notes.back();
}

TEST(Help, OpensTheProgramFoldersHelpFileOrElseTheBareName) {
    MainWindowFixture f;
    ASSERT_EQ(f.start(), StartResult::ready);
    // The installed help file removed from the program folder.
    std::remove(f.folder.file("WTN_WIN.HLP").c_str());
    f.window->help->user_click();
    f.folder.write("WTN_WIN.HLP", "<html></html>");
    f.window->help->user_click();
    EXPECT_EQ(f.help.opened,
              (std::vector<std::string>{"WTN_WIN.HLP", f.folder.path() + "/WTN_WIN.HLP"}));
}

TEST(ScreenSwitcher, StoresTheScreenLeftLoadsTheOneShownAndEnablesItsPageFrame) {
    MainWindowFixture f;
    ASSERT_EQ(f.start(), StartResult::ready);
    MainWindow& w = *f.window;
    f.screen_log.clear();

    w.tab_gm[3]->set_tab(4); // the sheet-pile screen was left on its corrosion page
    EXPECT_TRUE(w.opt_menu[3]->user_click());
    EXPECT_EQ(f.screen_log, (std::vector<std::string>{"store 0", "load 3"}));
    EXPECT_EQ(w.tab_no, 3);
    EXPECT_FALSE(w.tab_gm[0]->visible());
    EXPECT_FALSE(w.tab_gm[0]->enabled());
    EXPECT_TRUE(w.tab_gm[3]->visible());
    EXPECT_TRUE(w.fra_sgm[3][4]->enabled());
    EXPECT_FALSE(w.fra_sgm[3][0]->enabled());
    EXPECT_FALSE(w.fra_sgm[0][0]->enabled());

    // The page change enables the frame of the page now shown only (page 0:
    // the pile type leaves pages 1 to 3 closed).
    EXPECT_TRUE(w.tab_gm[3]->user_select_tab(0));
    EXPECT_TRUE(w.fra_sgm[3][0]->enabled());
    EXPECT_FALSE(w.fra_sgm[3][4]->enabled());

    // The schematic stores nothing when left; the data-entry menu selects
    // the screen button. The completed-state study opens screen 6.
    w.form.find_as<ui::CheckBox>("chk_gm1", 0)->set_value(ui::CheckBox::kChecked);
    f.screen_log.clear();
    EXPECT_TRUE(w.inp_menu[7]->user_click());
    EXPECT_TRUE(w.opt_menu[7]->value());
    EXPECT_TRUE(w.inp_menu[6]->user_click());
    EXPECT_EQ(f.screen_log, (std::vector<std::string>{"store 3", "load 7", "load 6"}));
}

TEST(ScreenSwitcher, TheGroundScreenOpensOnThePageOfTheGroundShape) {
    MainWindowFixture f;
    MainWindow& w = *f.window;
    ASSERT_EQ(f.start(), StartResult::ready);
    // The completed-state screen's shape options; its study opens screen 4.
    ui::OptionButton& straight = *w.form.find_as<ui::OptionButton>("opt_gm3", 0);
    ui::OptionButton& fill = *w.form.find_as<ui::OptionButton>("opt_gm3", 1);
    w.form.find_as<ui::CheckBox>("chk_gm1", 0)->set_value(ui::CheckBox::kChecked);

    fill.set_value(true);
    w.opt_menu[4]->user_click();
    EXPECT_EQ(w.tab_gm[4]->tab(), 1);
    EXPECT_TRUE(w.fra_sgm[4][1]->enabled());
    EXPECT_FALSE(w.fra_sgm[4][0]->enabled());

    w.opt_menu[0]->user_click();
    straight.set_value(true);
    w.opt_menu[4]->user_click();
    EXPECT_EQ(w.tab_gm[4]->tab(), 0);
    EXPECT_TRUE(w.fra_sgm[4][0]->enabled());
    EXPECT_FALSE(w.fra_sgm[4][1]->enabled());
}

TEST(ScreenSwitcher, ADisabledScreenButtonCannotBeChosen) {
    MainWindowFixture f;
    ASSERT_EQ(f.start(), StartResult::ready);
    f.window->opt_menu[2]->set_enabled(false);
    f.window->inp_menu[2]->set_enabled(false);
    EXPECT_FALSE(f.window->opt_menu[2]->user_click());
    EXPECT_FALSE(f.window->inp_menu[2]->user_click());
    EXPECT_EQ(f.window->tab_no, 0);
}

} // namespace
} // namespace wtn::mainwin::test
