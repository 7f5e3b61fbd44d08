// The main window as Qt shows it: menus with their captions, and a picture of
// the window for a person to look at.
#include "about_box.h"
#include "custom_dialog.h"
#include "form_window.h"
#include "layout_check.h"
#include "main_window_view_fixture.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>
#include <gtest/gtest.h>

#include <algorithm>

namespace wtn::mainwin::test {
namespace {

TEST(MainWindowView, ShowsTheMenusToolbarAndScreenZeroAndSavesAPicture) {
    MainWindowViewFixture f;
    ASSERT_NE(f.start_and_show(), nullptr);
    qt::MainWindowView& view = *f.view;
    f.window->stv_gm.set_panel_text(1, "ステータス");

    EXPECT_EQ(view.windowTitle(), QString::fromUtf8("Tosvane２ - 無題"));
    QStringList menus;
    for (QAction* a : view.menuBar()->actions())
        menus << a->text();
    EXPECT_EQ(menus, (QStringList{QString::fromUtf8("ﾌｧｲﾙ(&F)"), QString::fromUtf8("ｵﾌﾟｼｮﾝ(&O)"),
                                  QString::fromUtf8("ﾃﾞｰﾀ入力（&I）"),
                                  QString::fromUtf8("計算(&C)"), QString::fromUtf8("ﾍﾙﾌﾟ(&H)")}));
    auto* save = view.findChild<QAction*>("file_save");
    ASSERT_NE(save, nullptr);
    EXPECT_EQ(save->shortcut(), QKeySequence("Ctrl+S"));
    auto* run = view.findChild<QAction*>("run");
    ASSERT_NE(run, nullptr);
    EXPECT_EQ(run->shortcut(), QKeySequence(Qt::Key_F5));
    // Separators are lines only, without the "-" of their captions.
    for (const char* name : {"dmy4", "mnuRecentFile(0)", "dmy5", "dmy1", "dmy2"}) {
        auto* separator = view.findChild<QAction*>(name);
        ASSERT_NE(separator, nullptr) << name;
        EXPECT_TRUE(separator->isSeparator()) << name;
        EXPECT_TRUE(separator->text().isEmpty()) << name;
    }
    auto* recent = view.findChild<QAction*>("mnuRecentFile(1)");
    ASSERT_NE(recent, nullptr);
    EXPECT_FALSE(recent->isVisible());
    EXPECT_EQ(view.findChild<QToolBar*>("Toolbar1")->actions().size(), 8);

    auto* screen0 = view.findChild<QTabWidget*>("tab_gm(0)");
    auto* screen1 = view.findChild<QTabWidget*>("tab_gm(1)");
    ASSERT_NE(screen0, nullptr);
    EXPECT_TRUE(screen0->isVisible());
    EXPECT_FALSE(screen1->isVisible());
    EXPECT_EQ(screen0->tabText(1), QString::fromUtf8("高さ条件"));

    // A menu item chosen in Qt runs the toolkit's screen switcher.
    view.findChild<QAction*>("inp_menu(3)")->trigger();
    EXPECT_EQ(f.window->tab_no, 3);
    EXPECT_TRUE(view.findChild<QTabWidget*>("tab_gm(3)")->isVisible());
    view.findChild<QAction*>("inp_menu(0)")->trigger();

    EXPECT_TRUE(save_screenshot(view, "WTN_WIN_main_window"));
}

// The screen buttons and every screen's first page at the window's size (the
// screens' own tests go through their other pages), whether or not the
// design data enables the screen.
TEST(MainWindowView, EveryScreenIsLaidOut) {
    MainWindowViewFixture f;
    ASSERT_NE(f.start_and_show(), nullptr);
    for (int screen = 0; screen < kScreenCount; ++screen) {
        SCOPED_TRACE(screen);
        f.window->inp_menu_Click(screen);
        ASSERT_EQ(f.window->tab_no, screen);
        expect_laid_out(f.window->form, f.view->binder());
    }
}

TEST(MainWindowView, CannotShrinkBelowItsControls) {
    MainWindowViewFixture f;
    ASSERT_NE(f.start_and_show(), nullptr);
    qt::MainWindowView& view = *f.view;
    view.resize(200, 150);
    QWidget* client = view.centralWidget();
    ASSERT_NE(client, nullptr);
    int right = 0;
    int bottom = 0;
    for (QWidget* w : client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        right = std::max(right, w->geometry().right() + 1);
        bottom = std::max(bottom, w->geometry().bottom() + 1);
    }
    EXPECT_GE(client->width(), right);
    EXPECT_GE(client->height(), bottom);
}

TEST(MainWindowView, RecentFilesShowTheirPathsAsWritten) {
    MainWindowFixture f;
    f.settings.set(kRecentSection, "RecentFile1", "/data/R&D/pier.tn2");
    ASSERT_EQ(f.start(), StartResult::ready);
    qt::MainWindowView view(f.window->form, &f.window->Toolbar1, &f.window->stv_gm);
    auto* recent = view.findChild<QAction*>("mnuRecentFile(1)");
    ASSERT_NE(recent, nullptr);
    // The "&" of the folder name is shown, not taken for an access key.
    EXPECT_EQ(recent->iconText(), QString::fromUtf8("/data/R&D/pier.tn2"));
    // The menu's own captions keep their access keys.
    EXPECT_EQ(view.findChild<QAction*>("file_new")->iconText(), QString::fromUtf8("新規作成(N)"));
}

} // namespace
} // namespace wtn::mainwin::test

namespace wtn::mainwin::test {
namespace {

TEST(AboutAndSplashView, LaidOutFromTwipsAndSavedAsPictures) {
    AboutBox about(kAppTitle, "1.2.0");
    SplashScreen splash(kAppTitle, "1.2.0");
    qt::FormDialog about_dialog(about.form, nullptr);
    qt::FormDialog splash_dialog(splash.form, nullptr);
    about.form.load();
    splash.form.load();
    about_dialog.show();
    splash_dialog.show();
    // Client areas of 4815 x 2655 and 4800 x 3000 twips.
    EXPECT_EQ(about_dialog.size(), QSize(321, 177));
    EXPECT_EQ(splash_dialog.size(), QSize(320, 200));
    EXPECT_EQ(about_dialog.windowTitle(), QString::fromUtf8("Tosvane２のﾊﾞｰｼﾞｮﾝ情報"));
    expect_laid_out(about.form, about_dialog.binder());
    // The splash's captions stand on its background picture.
    expect_laid_out(splash.form, splash_dialog.binder(),
                    {.hidden_controls = false,
                     .meant_to_overlap = {{"lblProductName", "picBackground"},
                                          {"lblVersion", "picBackground"}}});
    QDir().mkpath(WTN_SCREENSHOT_DIR);
    EXPECT_TRUE(about_dialog.grab().save(QStringLiteral(WTN_SCREENSHOT_DIR) + "/frmAbout.png"));
    EXPECT_TRUE(splash_dialog.grab().save(QStringLiteral(WTN_SCREENSHOT_DIR) + "/frmSplash.png"));
}

} // namespace
} // namespace wtn::mainwin::test

namespace wtn::mainwin::test {
namespace {

// The customisation dialog's three pages as Qt shows them, saved as pictures
// for a person to look at: the pages, the three buttons under them and
// nothing below the buttons but the hint line, which shows only a hint.
TEST(CustomDialogView, ThreePagesAndTheButtonsWithNothingEmptyBelow) {
    CustomisationValues table;
    CustomDialog custom(table, QDir::tempPath().toStdString(), nullptr);
    qt::FormDialog dialog(custom.form, nullptr);
    custom.form.load();
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    expect_laid_out(custom.form, dialog.binder());
    QDir().mkpath(WTN_SCREENSHOT_DIR);
    // Below the buttons (their bottom at 5775 twips, 15 twips a pixel) the
    // dialog is plain while no box with a hint has the focus.
    constexpr int kBelowButtons = 5775 / 15 + 2;
    for (int page = 0; page < kCustomPages; ++page) {
        custom.tab_ogm->user_select_tab(page);
        QApplication::processEvents();
        const QImage picture = dialog.grab().toImage();
        EXPECT_TRUE(picture.save(QStringLiteral(WTN_SCREENSHOT_DIR) + "/Form5_empty_table_page" +
                                 QString::number(page + 1) + ".png"));
        const QRgb ground = picture.pixel(0, kBelowButtons);
        int marked = 0;
        for (int y = kBelowButtons; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                marked += picture.pixel(x, y) != ground ? 1 : 0;
        EXPECT_EQ(marked, 0) << "page " << page + 1;
    }
}

} // namespace
} // namespace wtn::mainwin::test
