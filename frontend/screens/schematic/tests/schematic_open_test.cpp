// The schematic of a project opened through the file command, in the main
// window as the program starts it; saved as a picture for a person to look at.
#include "current_folder.h"
#include "form_window.h"
#include "program_folder.h"
#include "project_writer.h"
#include "screen_fixture.h"
#include "startup.h"

#include <QDir>
#include <QTest>
#include <gtest/gtest.h>

namespace wtn::schematic {
namespace {

TEST(SchematicOpenedProject, ScreenSevenShowsTheSectionOfTheOpenedProject) {
    wtn::test::ProgramFolder folder;
    wtn::test::CurrentFolder here(folder);
    test::ScreenFixture f;
    qt::MainWindowView view(f.window->form, &f.window->Toolbar1, &f.window->stv_gm);
    mainwin::InstanceLock lock;
    ASSERT_EQ(mainwin::Form_Load(*f.window, lock, folder.path()), mainwin::StartResult::ready);
    f.window->form.load();
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));

    // The template project studies nothing: no case can be drawn.
    f.show();
    EXPECT_TRUE(f.screen->lists.Mse_tbl.empty());
    EXPECT_FALSE(f.screen->opt_gm18[0]->enabled());

    write_data_file(test::hand_section(), folder.file("pier.tn2"));
    f.files.paths.push_back(folder.file("pier.tn2"));
    f.window->file_commands().file_open();
    ASSERT_EQ(f.window->data.sekkei_dat.bottom_lvl, -20.0);
    f.show();
    EXPECT_EQ(f.screen->lists.Mse_tbl.size(), 11u);
    EXPECT_EQ(f.screen->lists.Mmo_tbl.size(), 19u);
    EXPECT_TRUE(f.screen->opt_gm18[0]->usable());

    auto* picture = view.findChild<QWidget*>("pic_gm18");
    ASSERT_NE(picture, nullptr);
    EXPECT_TRUE(picture->isVisible());
    QImage image = picture->grab().toImage();
    // The wall in the middle column, white, halfway down.
    const int mid = image.width() / 2;
    int white = 0;
    for (int c = mid - 2; c <= mid + 2; ++c)
        white += (image.pixel(c, image.height() / 2) & 0xFFFFFF) == 0xFFFFFF;
    EXPECT_GT(white, 0);
    QDir().mkpath(WTN_SCREENSHOT_DIR);
    EXPECT_TRUE(
        view.grab().save(QStringLiteral(WTN_SCREENSHOT_DIR) + "/WTN_WIN_schematic_opened.png"));
}

} // namespace
} // namespace wtn::schematic
