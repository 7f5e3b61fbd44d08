// The schematic of a project opened through the file command, in the main
// window as the program starts it; saved as a picture for a person to look at.
#include "main_window_view_fixture.h"
#include "project_writer.h"
#include "screen_fixture.h"

#include <gtest/gtest.h>

namespace wtn::schematic {
namespace {

TEST(SchematicOpenedProject, ScreenSevenShowsTheSectionOfTheOpenedProject) {
    mainwin::test::MainWindowViewFixture f;
    qt::MainWindowView* view = f.start_and_show();
    ASSERT_NE(view, nullptr);
    test::SchematicControls c(*f.window);

    // The template project studies nothing: no case can be drawn.
    test::show_schematic(*f.window);
    EXPECT_TRUE(c.pic.commands().empty());
    EXPECT_FALSE(c.cases[0]->enabled());

    const std::string path = f.folder.file("pier.tn2");
    write_data_file(test::hand_section(), path);
    f.files.paths.push_back(path);
    f.window->file_commands().file_open();
    ASSERT_EQ(f.window->data.sekkei_dat.bottom_lvl, -20.0);
    ASSERT_EQ(f.window->tab_no, 0);
    test::show_schematic(*f.window);
    EXPECT_TRUE(c.cases[0]->usable());
    EXPECT_EQ(c.pic.commands().size(), 12u + 19u); // lines, crown tick, labels

    auto* picture = view->findChild<QWidget*>("pic_gm18");
    ASSERT_NE(picture, nullptr);
    EXPECT_TRUE(picture->isVisible());
    QImage image = picture->grab().toImage();
    // The wall in the middle column, white, halfway down.
    const int mid = image.width() / 2;
    int white = 0;
    for (int col = mid - 2; col <= mid + 2; ++col)
        white += (image.pixel(col, image.height() / 2) & 0xFFFFFF) == 0xFFFFFF;
    EXPECT_GT(white, 0);
    EXPECT_TRUE(mainwin::test::save_screenshot(*view, "WTN_WIN_schematic_opened"));
}

} // namespace
} // namespace wtn::schematic
