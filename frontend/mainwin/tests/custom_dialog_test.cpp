// The customisation dialog: what OK stores, what Cancel leaves, the pages,
// the hints and the help button.
#include "custom_dialog.h"
#include "main_window_fixture.h"

#include "custom_file.h"

#include <gtest/gtest.h>

namespace wtn::mainwin::test {
namespace {

struct CustomDialogTest : ::testing::Test {
    wtn::test::ProgramFolder folder{false};
    fake::HelpViewer help;
    CustomisationValues table;

    void SetUp() override {
        table.wall_friction_angle = 15.27;
        table.wall_angle = 2.04;
        table.pile_tip_condition = from_file_value<PileTipCondition>(5);
        table.division_pitch = 0.126;
        table.apparent_crown_rule = from_file_value<CrownApparentRule>(7);
        table.steel_significant_digits = 2;
        table.qu_denominator = 62.5;
    }
};

TEST_F(CustomDialogTest, OkStoresTheShownValuesAndPassesTheHiddenAngleThrough) {
    CustomDialog d(table, folder.path(), &help);
    d.form.load();
    // Line 11 with a value of none of the three buttons: none is on.
    for (int k = 0; k < 3; ++k)
        EXPECT_FALSE(d.opt_ogm2[k]->value());
    // Any value but 0 shows the second button of its pair.
    EXPECT_TRUE(d.opt_ogm1[1]->value());
    EXPECT_FALSE(d.txt_ogm1[0]->visible());
    EXPECT_FALSE(d.txt_ogm1[0]->enabled());
    d.cmd_ogm[0]->user_click();
    EXPECT_FALSE(d.form.loaded());
    EXPECT_DOUBLE_EQ(table.wall_friction_angle, 15.27); // hidden and not editable
    EXPECT_DOUBLE_EQ(table.wall_angle, 2.0);
    EXPECT_DOUBLE_EQ(table.division_pitch, 0.13);
    EXPECT_EQ(to_file_value(table.pile_tip_condition), 5);
    EXPECT_EQ(to_file_value(table.apparent_crown_rule), 1);
    EXPECT_DOUBLE_EQ(table.qu_denominator, 62.5);
    EXPECT_EQ(help.closed, 1);
}

TEST_F(CustomDialogTest, DigitsBoxTakesFourCharactersAndAWholeNumber) {
    struct Case {
        const char* typed;
        const char* shown;
        int stored;
    };
    const std::vector<Case> cases = {{"3.4", "3", 3},
                                     {"2.5", "3", 3},
                                     {"9E9", "9000000000", 32767},
                                     {"-9E9", "-9000000000", -32768},
                                     // Refused: the value on entry stays.
                                     {"ab", "-32768", -32768}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        CustomDialog d(table, folder.path(), &help);
        d.form.load();
        d.tab_ogm->user_select_tab(1);
        ASSERT_TRUE(d.form.set_focus(d.txt_ogm2[3]));
        d.txt_ogm2[3]->set_text(c.typed);
        d.form.set_focus(d.txt_ogm2[0]);
        EXPECT_EQ(d.txt_ogm2[3]->text(), c.shown);
        d.cmd_ogm[0]->user_click();
        EXPECT_EQ(table.steel_significant_digits, c.stored);
    }
    CustomDialog d(table, folder.path(), &help);
    EXPECT_EQ(d.txt_ogm2[3]->max_length, 4u);
}

TEST_F(CustomDialogTest, PagesEnableTheirFrameAndBoxesShowTheirHints) {
    CustomDialog d(table, folder.path(), &help);
    d.form.load();
    EXPECT_TRUE(d.Frame1[0]->enabled());
    EXPECT_FALSE(d.Frame1[1]->enabled());
    d.tab_ogm->user_select_tab(1);
    EXPECT_FALSE(d.Frame1[0]->enabled());
    EXPECT_TRUE(d.Frame1[1]->enabled());
    ASSERT_TRUE(d.form.set_focus(d.txt_ogm2[0]));
    EXPECT_EQ(d.stv_opt->caption(), "指定した長さを地表面データに付加し計算を行います。");
    d.form.set_focus(d.txt_ogm2[1]);
    EXPECT_EQ(d.stv_opt->caption(), "");
    d.tab_ogm->user_select_tab(2);
    ASSERT_TRUE(d.form.set_focus(d.txt_ogm3[0]));
    EXPECT_EQ(d.stv_opt->caption(), "0.0なら3.0を使用し、L=3/βとなります。");
}

TEST_F(CustomDialogTest, HelpOpensTheFolderFileOrTheBareName) {
    {
        CustomDialog d(table, folder.path(), &help);
        d.form.load();
        d.cmd_ogm[2]->user_click();
        EXPECT_TRUE(d.form.loaded());
    }
    folder.write("WTN_WIN.HLP", "<html></html>");
    CustomDialog d(table, folder.path() + "/", &help);
    d.form.load();
    d.cmd_ogm[2]->user_click();
    EXPECT_EQ(help.opened,
              (std::vector<std::string>{"WTN_WIN.HLP", folder.path() + "/WTN_WIN.HLP"}));
}

TEST(CustomisationCommand, CancelLeavesTheInstalledFileByteIdentical) {
    MainWindowFixture f;
    ASSERT_EQ(f.start(), StartResult::ready);
    const std::string before = f.folder.read(kCustomisationFileName);
    f.windows.on_modal = [](ui::Form& form) {
        form.find_as<ui::TextBox>("txt_ogm2", 0)->set_text("99.9");
        form.find_as<ui::CommandButton>("cmd_ogm", 1)->user_click();
    };
    f.window->edit_option->on_click();
    EXPECT_EQ(f.windows.modal_shown.back(), "Form5");
    EXPECT_EQ(f.folder.read(kCustomisationFileName), before);
}

} // namespace
} // namespace wtn::mainwin::test
