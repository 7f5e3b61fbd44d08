// Start-up in its fixed order, the refusals, and the closing question.
#include "about_box.h"
#include "cal_writer.h"
#include "main_window_fixture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace wtn::mainwin::test {
namespace {

using ::testing::HasSubstr;

TEST(StartUp, RunsInOrderAndEndsWithAnUntitledProjectOnScreenZero) {
    MainWindowFixture f;
    for (const char* name : {"CAL_FILE.DAT", "ORG.DAT", "CAL.DAT"})
        f.folder.write(name, "left over\r\n");
    f.settings.set(kRecentSection, "RecentFile1", "/data/quay/berth 3.tn2");
    f.windows.screen = {1024, 768};

    // The catalogues are read after the window is sized and named and before
    // the customisation file is read and the old work files go.
    bool catalogues_read = false;
    f.window->commands.read_yaita = [&] {
        catalogues_read = true;
        EXPECT_EQ(f.windows.modeless_shown, std::vector<std::string>{"frmSplash"});
        EXPECT_FALSE(f.window->splash->form.loaded());
        EXPECT_EQ(f.window->form.caption(), "Tosvane２ - 無題");
        EXPECT_EQ(f.data.dlg_dir, "/data/quay/");
        EXPECT_EQ(f.data.sys_ver, "1.2.0");
        EXPECT_EQ(to_file_value(f.data.custom_tbl.pile_tip_condition), 0);
        EXPECT_TRUE(f.folder.exists("CAL_FILE.DAT"));
        for (ui::TabControl* tab : f.window->tab_gm) {
            EXPECT_FALSE(tab->visible());
            EXPECT_FALSE(tab->enabled());
        }
        EXPECT_TRUE(f.screen_log.empty());
    };

    ASSERT_EQ(f.start(), StartResult::ready);
    EXPECT_TRUE(catalogues_read);
    EXPECT_EQ(to_file_value(f.data.custom_tbl.pile_tip_condition), 1);
    // New asked nothing: the snapshot of the earlier run was deleted first.
    EXPECT_TRUE(f.boxes.shown.empty());
    EXPECT_FALSE(f.folder.exists("CAL_FILE.DAT"));
    EXPECT_FALSE(f.folder.exists("CAL.DAT"));
    EXPECT_NE(f.folder.read("ORG.DAT"), "left over\r\n");
    EXPECT_EQ(f.data.data_name, "無題");
    // 800 x 600 pixels centred on a 1024 x 768 screen, in twips.
    EXPECT_EQ(f.window->form.rect().left, 112 * 15);
    EXPECT_EQ(f.window->form.rect().top, 84 * 15);
    EXPECT_EQ(f.window->form.rect().width, 800 * 15);
    EXPECT_EQ(f.window->form.rect().height, 600 * 15);
    // Every screen loaded, the basic conditions twice, then screen 0 shown.
    EXPECT_EQ(f.screen_log,
              (std::vector<std::string>{"load 0", "load 0", "load 1", "load 2", "load 3", "load 4",
                                        "load 5", "load 6", "load 0"}));
    EXPECT_EQ(f.window->tab_no, 0);
    for (int i = 0; i < kScreenCount; ++i)
        EXPECT_EQ(f.window->tab_gm[i]->visible(), i == 0) << i;
    EXPECT_TRUE(f.window->tab_gm[0]->enabled());
    EXPECT_TRUE(f.window->opt_menu[0]->value());
    EXPECT_TRUE(f.window->fra_sgm[0][0]->enabled());
    EXPECT_FALSE(f.window->fra_sgm[0][1]->enabled());
    EXPECT_EQ(f.window->mnuRecentFile[1]->caption(), "/data/quay/berth 3.tn2");
    EXPECT_TRUE(f.window->mnuRecentFile[0]->visible());
    EXPECT_TRUE(f.window->mnuRecentFile[1]->visible());
    EXPECT_FALSE(f.window->mnuRecentFile[2]->visible());
}

TEST(StartUp, WithoutARecentFileTheDialogFolderIsEmptyAndTheListStaysHidden) {
    MainWindowFixture f;
    ASSERT_EQ(f.start(), StartResult::ready);
    EXPECT_EQ(f.data.dlg_dir, "");
    EXPECT_EQ(f.window->mnuRecentFile[1]->caption(), "RecentFile1");
    for (ui::MenuItem* item : f.window->mnuRecentFile)
        EXPECT_FALSE(item->visible());
}

TEST(StartUp, ASecondInstanceInTheSameFolderIsRefusedAndTouchesNothing) {
    MainWindowFixture f;
    auto running = std::make_unique<InstanceLock>();
    ASSERT_TRUE(running->acquire(f.folder.path()));
    f.folder.write("CAL_FILE.DAT", "kept\r\n");

    EXPECT_EQ(f.start(), StartResult::second_instance);
    ASSERT_EQ(f.boxes.shown.size(), 1u);
    EXPECT_EQ(f.boxes.shown[0].title, "ロードエラー");
    EXPECT_EQ(f.boxes.shown[0].text, "このアプリケーションは既に起動しています。");
    EXPECT_EQ(f.boxes.shown[0].icon, wtn::BoxIcon::Critical);
    EXPECT_EQ(f.boxes.shown[0].buttons, wtn::BoxButtons::Ok);
    EXPECT_TRUE(f.windows.modeless_shown.empty());
    EXPECT_EQ(f.folder.read("CAL_FILE.DAT"), "kept\r\n");
    EXPECT_FALSE(f.folder.exists("ORG.DAT"));
    EXPECT_TRUE(f.screen_log.empty());
    // The refused instance's closing does nothing either.
    f.window->form.load();
    EXPECT_TRUE(f.window->form.unload());
    EXPECT_EQ(f.boxes.shown.size(), 1u);

    // Once the running one has ended, the folder is free.
    running.reset();
    EXPECT_EQ(f.start(), StartResult::ready);
}

TEST(StartUp, AMissingInstalledFileIsNamedAndStartUpStops) {
    for (const char* name : {"SYSVER.DAT", "TVNCSTM.DAT", "新規.tn2"}) {
        SCOPED_TRACE(name);
        MainWindowFixture f;
        std::filesystem::remove(f.folder.file(name));
        EXPECT_EQ(f.start(), StartResult::missing_file);
        ASSERT_EQ(f.boxes.shown.size(), 1u);
        EXPECT_THAT(f.boxes.shown[0].text, HasSubstr(name));
        EXPECT_EQ(f.boxes.shown[0].icon, wtn::BoxIcon::Critical);
        // No half-built window: no screen loaded or shown.
        EXPECT_TRUE(f.screen_log.empty());
        for (ui::TabControl* tab : f.window->tab_gm)
            EXPECT_FALSE(tab->visible());
    }
}

TEST(StartUp, AProgramFolderThatCannotBeUsedIsNamedNotTakenForASecondInstance) {
    MainWindowFixture f;
    const std::string missing = f.folder.file("no such folder");
    EXPECT_EQ(Form_Load(*f.window, f.lock, missing), StartResult::missing_file);
    ASSERT_EQ(f.boxes.shown.size(), 1u);
    EXPECT_THAT(f.boxes.shown[0].text, HasSubstr(missing));
    EXPECT_NE(f.boxes.shown[0].text, kAlreadyRunningMessage);
    EXPECT_TRUE(f.screen_log.empty());
}

TEST(StartUp, AnEmptyVersionFileGivesAnEmptyVersionText) {
    MainWindowFixture f;
    f.folder.write("SYSVER.DAT", "");
    ASSERT_EQ(f.start(), StartResult::ready);
    EXPECT_EQ(f.data.sys_ver, "");
    EXPECT_EQ(f.window->splash->lblVersion->caption(), "ﾊﾞｰｼﾞｮﾝ ");
}

// Closing: the window asks only when the data differs from its snapshot, and
// keeps itself open on Cancel, during a run, and when Save As is cancelled.
struct CloseCase {
    const char* name;
    bool edit; // a screen store changes the data
    bool running;
    std::vector<wtn::BoxAnswer> answers;
    std::vector<std::string> save_paths; // "" cancels the dialog
    bool closes;
    int questions;
};

TEST(Closing, AsksOnlyForChangedDataAndStaysOpenWhenCancelled) {
    const CloseCase cases[] = {
        {"unchanged", false, false, {}, {}, true, 0},
        {"changed, no", true, false, {wtn::BoxAnswer::No}, {}, true, 1},
        {"changed, cancel", true, false, {wtn::BoxAnswer::Cancel}, {}, false, 1},
        {"changed, yes, save as cancelled", true, false, {wtn::BoxAnswer::Yes}, {""}, false, 1},
        {"changed, yes, saved", true, false, {wtn::BoxAnswer::Yes}, {"saved.tn2"}, true, 1},
        {"during a run", true, true, {}, {}, false, 0},
    };
    for (const CloseCase& c : cases) {
        SCOPED_TRACE(c.name);
        MainWindowFixture f;
        ASSERT_EQ(f.start(), StartResult::ready);
        if (c.edit) {
            f.window->screens[0].store = [&f] { f.data.sekkei_dat.water_w += 0.1; };
        }
        f.window->running = c.running;
        f.boxes.answers.assign(c.answers.begin(), c.answers.end());
        for (const std::string& p : c.save_paths) {
            f.files.paths.push_back(p.empty() ? p : f.folder.file(p));
        }
        EXPECT_EQ(f.window->form.unload(), c.closes);
        EXPECT_EQ(f.window->form.loaded(), !c.closes);
        ASSERT_EQ(static_cast<int>(f.boxes.shown.size()), c.questions);
        if (c.questions > 0) {
            EXPECT_EQ(f.boxes.shown[0].title, "保存確認");
            EXPECT_EQ(f.boxes.shown[0].text, "検討条件が更新されています。保存しますか？");
            EXPECT_EQ(f.boxes.shown[0].buttons, wtn::BoxButtons::YesNoCancel);
            EXPECT_EQ(f.boxes.shown[0].default_button, wtn::BoxAnswer::No);
        }
        if (!c.save_paths.empty() && !c.save_paths[0].empty()) {
            EXPECT_TRUE(f.folder.exists(c.save_paths[0]));
        }
    }
}

TEST(Closing, OnlyAdoptedValuesChangedAsksTheAdoptedQuestion) {
    MainWindowFixture f;
    ASSERT_EQ(f.start(), StartResult::ready);
    f.data.caldt_vals = {12.5, 18.0};
    f.boxes.answers = {wtn::BoxAnswer::No};
    EXPECT_TRUE(f.window->form.unload());
    ASSERT_EQ(f.boxes.shown.size(), 1u);
    EXPECT_EQ(f.boxes.shown[0].text,
              "計算後に根入れ長、又は矢板長が変更されています。データを保存しますか？");
}

TEST(Closing, TheExitItemRunsTheSameClosingAsTheCloseBox) {
    MainWindowFixture f;
    ASSERT_EQ(f.start(), StartResult::ready);
    f.window->screens[0].store = [&f] { f.data.sekkei_dat.water_w += 0.1; };
    f.boxes.answers = {wtn::BoxAnswer::Cancel};
    EXPECT_TRUE(f.window->file_end->user_click());
    EXPECT_TRUE(f.window->form.loaded());
    EXPECT_EQ(f.boxes.shown.size(), 1u);
}

TEST(AboutAndSplash, ShowTheTitleAndTheVersionText) {
    for (const char* version : {"1.2.0", ""}) {
        AboutBox about("Tosvane２", version);
        SplashScreen splash("Tosvane２", version);
        EXPECT_EQ(about.form.caption(), "Tosvane２のﾊﾞｰｼﾞｮﾝ情報");
        EXPECT_EQ(about.lblVersion->caption(), std::string("ﾊﾞｰｼﾞｮﾝ ") + version);
        EXPECT_EQ(splash.lblVersion->caption(), std::string("ﾊﾞｰｼﾞｮﾝ ") + version);
        EXPECT_EQ(splash.lblProductName->caption(), "Tosvane２");
    }
}

TEST(AboutAndSplash, AKeyClosesTheSplashAndTheLaterUnloadDoesNothing) {
    SplashScreen splash("Tosvane２", "1.0");
    int closings = 0;
    splash.form.on_query_unload = [&](bool&) { ++closings; };
    splash.form.load();
    splash.form.on_key_press("a");
    EXPECT_FALSE(splash.form.loaded());
    EXPECT_TRUE(splash.form.unload());
    EXPECT_EQ(closings, 1);
}

TEST(AboutAndSplash, TheVersionItemShowsTheAboutBoxModallyAndOkClosesIt) {
    MainWindowFixture f;
    ASSERT_EQ(f.start(), StartResult::ready);
    bool pressed = false;
    f.windows.on_modal = [&](ui::Form& form) {
        EXPECT_EQ(form.caption(), "Tosvane２のﾊﾞｰｼﾞｮﾝ情報");
        auto* ok = form.find_as<ui::CommandButton>("cmdOK");
        ASSERT_NE(ok, nullptr);
        EXPECT_TRUE(ok->is_default);
        EXPECT_TRUE(ok->is_cancel);
        pressed = ok->user_click();
        EXPECT_FALSE(form.loaded());
    };
    EXPECT_TRUE(f.window->ver->user_click());
    EXPECT_TRUE(pressed);
    EXPECT_EQ(f.windows.modal_shown, std::vector<std::string>{"frmAbout"});
}

} // namespace
} // namespace wtn::mainwin::test
