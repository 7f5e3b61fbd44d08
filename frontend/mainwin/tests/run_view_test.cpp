// The run's pieces as Qt shows them: programs started as real processes whose
// boxes open one at a time over a disabled main window, the results and
// customisation dialogs (pictures for a person to look at), and the help.
#include "custom_dialog.h"
#include "form_window.h"
#include "layout_check.h"
#include "main_window_view_fixture.h"
#include "program_runs.h"
#include "qt_services.h"
#include "results_dialog.h"

#include "text_file.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>

namespace wtn::mainwin::test {
namespace {

// Answers every box as it opens with the button given, recording its text and
// how many boxes were open at that moment.
struct BoxClicker {
    explicit BoxClicker(QMessageBox::StandardButton answer) {
        QObject::connect(&timer, &QTimer::timeout, [this, answer] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr || !box->isVisible()) return;
            int open = 0;
            for (QWidget* w : QApplication::topLevelWidgets())
                open += qobject_cast<QMessageBox*>(w) != nullptr && w->isVisible() ? 1 : 0;
            most_open = std::max(most_open, open);
            texts.push_back(box->text().toStdString());
            enabled.push_back(box->isEnabled());
            box->button(answer)->click();
        });
        timer.start(50);
    }
    QTimer timer;
    std::vector<std::string> texts;
    std::vector<bool> enabled;
    int most_open = 0;
};

struct RealProgramTest : ::testing::Test {
    MainWindowViewFixture f;
    wtn::test::ProgramFolder programs{false};
    qt::QtProcessRunner runner;
    qt::QtMessageBoxes boxes;

    void SetUp() override {
        ASSERT_NE(f.start_and_show(), nullptr);
        boxes.set_owner(f.view.get());
        std::filesystem::create_symlink(WTN_CHAIN_STUB, programs.file("TVNDAT"));
    }

    int run(const std::string& script) {
        f.folder.write("STUB.TXT", script);
        f.window->form.set_enabled(false);
        int code = run_program(runner, boxes, {programs.path(), f.folder.path(), "TVNDAT", {}});
        f.window->form.set_enabled(true);
        return code;
    }
};

TEST_F(RealProgramTest, QuestionIsAnsweredInABoxOverTheDisabledWindow) {
    BoxClicker clicker(QMessageBox::Yes);
    EXPECT_EQ(run("TVNDAT\tyesno\t続けますか？\nTVNDAT\texit\t0\n"), 0);
    ASSERT_EQ(clicker.texts, std::vector<std::string>{"続けますか？"});
    EXPECT_TRUE(clicker.enabled[0]);
    EXPECT_EQ(f.folder.read("STUB.LOG"),
              "TVNDAT " + f.folder.path() + " WTN_UI_PIPE=1\nTVNDAT answer yes\n");
}

TEST_F(RealProgramTest, NotesOpenOneAtATimeInTheirOrder) {
    BoxClicker clicker(QMessageBox::Ok);
    EXPECT_EQ(run("TVNDAT\tok\t一つ目\nTVNDAT\tok\t二つ目\nTVNDAT\texit\t1\n"), 1);
    EXPECT_EQ(clicker.texts, (std::vector<std::string>{"一つ目", "二つ目"}));
    EXPECT_EQ(clicker.most_open, 1);
}

TEST_F(RealProgramTest, MissingProgramCannotStart) {
    EXPECT_EQ(run_program(runner, boxes, {programs.path(), f.folder.path(), "TVNCAL", {}}),
              kProgramNotStarted);
}

TEST(RunDialogsView, ResultsAndCustomisationDialogsAsShown) {
    MainWindowViewFixture f;
    ASSERT_NE(f.start_and_show(), nullptr);
    std::vector<std::string> table(13, "1.000000,2.000000,-99999.900000,4.000000");
    for (int i = 7; i < 13; ++i)
        table[i] = "0,1,-1,0";
    write_text_file(f.folder.file("KEKKA1.DAT"), table);
    write_text_file(f.folder.file("KEKKA2.DAT"), {"\"完成時\",\"SP-IIIw\", -15.500,  18.500"});
    f.data.kekka_mode = 1;
    // An earlier adoption short of the computed pile: both red lines show.
    f.data.caldt_vals = {-12.0, 14.5};
    ResultsDialog results(f.data, f.boxes);
    {
        qt::FormDialog dialog(results.form, f.view.get());
        results.form.load();
        dialog.show();
        EXPECT_EQ(dialog.windowTitle().toStdString(), "検討結果及び、根入れ深度・矢板長の決定");
        EXPECT_TRUE(results.lbl_failed->visible());
        EXPECT_TRUE(results.lbl_short->visible());
        EXPECT_TRUE(save_screenshot(dialog, "Form2"));
        // The case headings lie over the tide-level heading they hide.
        expect_laid_out(
            results.form, dialog.binder(),
            {.hidden_controls = false,
             .meant_to_overlap = {{"lbl_kgm(47)", "lbl_kgm(49)"}, {"lbl_kgm(48)", "lbl_kgm(49)"}}});
        results.form.unload();
    }
    // The construction stage of a concrete pile: moments in the stress rows,
    // tide levels over the columns.
    write_text_file(f.folder.file("KEKKA3.DAT"), table);
    write_text_file(f.folder.file("KEKKA4.DAT"), {"\"施工時\",\"PC-600\", -15.500,  18.500"});
    f.data.kekka_mode = 2;
    f.data.yaita_dat.yaita_kind = PileType::Pc;
    f.data.sekouji_dat.tide_kentou_sw = {CheckBox::Checked, CheckBox::Checked, CheckBox::Checked,
                                         CheckBox::Checked};
    f.data.sekkei_dat.tide_name = "A.P.+2.10 ";
    {
        ResultsDialog results(f.data, f.boxes);
        qt::FormDialog dialog(results.form, f.view.get());
        results.form.load();
        dialog.show();
        EXPECT_TRUE(save_screenshot(dialog, "Form2_construction"));
        expect_laid_out(results.form, dialog.binder());
        results.form.unload();
    }
    CustomDialog custom(f.data.custom_tbl, f.data.work_dir, &f.help);
    qt::FormDialog dialog(custom.form, f.view.get());
    custom.form.load();
    dialog.show();
    EXPECT_TRUE(save_screenshot(dialog, "Form5"));
    expect_laid_out(custom.form, dialog.binder());
    for (int page : {1, 2}) {
        custom.tab_ogm->user_select_tab(page);
        EXPECT_TRUE(save_screenshot(dialog, "Form5_page" + std::to_string(page + 1)));
        expect_laid_out(custom.form, dialog.binder());
    }
    custom.form.unload();
}

TEST(HelpFile, EveryInternalLinkResolvesAndTheWindowShowsTheTitle) {
    const std::string path = std::string(WTN_SOURCE_DIR) + "/installed/WTN_WIN.HLP";
    std::ifstream in(path, std::ios::binary);
    const std::string html{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::set<std::string> ids;
    const std::regex id_pattern("id=\"([^\"]+)\"");
    for (std::sregex_iterator it(html.begin(), html.end(), id_pattern), end; it != end; ++it)
        ids.insert((*it)[1]);
    const std::regex link_pattern("href=\"#([^\"]+)\"");
    int links = 0;
    for (std::sregex_iterator it(html.begin(), html.end(), link_pattern), end; it != end; ++it) {
        ++links;
        EXPECT_TRUE(ids.count((*it)[1])) << (*it)[1];
    }
    EXPECT_GT(links, 0);
    for (const char* section : {"screens", "run", "adopt", "print", "custom", "files", "messages"})
        EXPECT_TRUE(ids.count(section)) << section;

    fake::MessageBoxes boxes;
    qt::QtHelpViewer help(boxes);
    help.show_contents(path);
    QWidget* window = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "help_window") window = w;
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle().toStdString(), "Tosvane２ ヘルプ");
    EXPECT_TRUE(window->isVisible());
    help.close();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(boxes.shown.empty());
}

} // namespace
} // namespace wtn::mainwin::test
