// The print and results commands: the messages they show, when the viewer
// or the results dialog opens, and the state the window ends in.
#include "main_window_fixture.h"
#include "print_results.h"

#include "cal_writer.h"
#include "text_file.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace wtn::mainwin::test {
namespace {

enum class Before { nothing, run_equal, run_changed, tables_only, one_table };

struct Case {
    const char* command; // "print", "k_kekka", "s_kekka"
    Before before;
    std::vector<std::string> notes;
    bool viewer;
    int dialog_mode; // 0: no dialog
};

TEST(PrintAndResults, MessagesViewerAndDialogPerState) {
    const std::string changed_print =
        "前回の計算よりデータが更新されています。\n前回の計算結果の印刷を行います。";
    const std::string changed_results =
        "前回の計算よりデータが更新されています。\n前回の計算結果を表示します。";
    const std::string no_results = "計算結果データがありません。\n計算を実行してください。";
    const std::vector<Case> cases = {
        {"print", Before::nothing, {"未計算の為、印刷する帳票はありません。"}, false, 0},
        {"print", Before::run_equal, {}, true, 0},
        {"print", Before::run_changed, {changed_print}, true, 0},
        {"k_kekka", Before::nothing, {no_results}, false, 0},
        {"k_kekka", Before::one_table, {no_results}, false, 0},
        {"k_kekka", Before::run_equal, {}, false, -1},
        {"k_kekka", Before::run_changed, {changed_results}, false, -1},
        // Tables without the input of their run: nothing to compare with.
        {"k_kekka", Before::tables_only, {}, false, -1},
        {"s_kekka", Before::run_equal, {no_results}, false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.command) + " " + std::to_string(static_cast<int>(c.before)));
        MainWindowFixture f;
        ASSERT_EQ(f.start(), StartResult::ready);
        FileCommands& files = f.window->file_commands();
        if (c.before == Before::run_equal || c.before == Before::run_changed) {
            ASSERT_TRUE(files.write_work_cal_file(kLastRunFileName));
        }
        if (c.before == Before::run_changed) f.folder.write(kLastRunFileName, "older input\r\n");
        if (c.before != Before::nothing) f.folder.write("KEKKA1.DAT", "");
        if (c.before != Before::nothing && c.before != Before::one_table) {
            f.folder.write("KEKKA2.DAT", "");
        }
        bool enabled_in_viewer = true;
        f.processes.on_start = [&](const ProcessRequest&) -> std::optional<int> {
            enabled_in_viewer = f.window->form.enabled();
            return std::nullopt;
        };
        int dialog_mode = 0;
        f.windows.on_modal = [&](ui::Form&) { dialog_mode = f.data.kekka_mode; };
        std::string command = c.command;
        if (command == "print") f.window->commands.print();
        if (command == "k_kekka") f.window->commands.k_kekka();
        if (command == "s_kekka") f.window->commands.s_kekka();
        EXPECT_EQ(f.boxes.notes(), c.notes);
        for (const MessageRequest& r : f.boxes.shown)
            EXPECT_EQ(r.title, command == "print" ? "帳票印刷" : "計算結果表示");
        ASSERT_EQ(f.processes.started.size(), c.viewer ? 1u : 0u);
        if (c.viewer) {
            EXPECT_EQ(f.processes.started[0].program, f.folder.path() + "/VIEWKSO");
            EXPECT_EQ(f.processes.started[0].args,
                      (std::vector<std::string>{"/NOTEDIT", "/PDTOPEN"}));
            EXPECT_FALSE(enabled_in_viewer);
        }
        EXPECT_EQ(dialog_mode, c.dialog_mode);
        EXPECT_TRUE(f.window->form.enabled());
        EXPECT_FALSE(f.window->running);
    }
}

TEST(PrintAndResults, ViewerThatCannotStartOrFailsIsTold) {
    for (int code : {kProgramNotStarted, kProgramCrashed, 1}) {
        SCOPED_TRACE(code);
        MainWindowFixture f;
        ASSERT_EQ(f.start(), StartResult::ready);
        ASSERT_TRUE(f.window->file_commands().write_work_cal_file(kLastRunFileName));
        f.processes.exit_codes[f.folder.path() + "/VIEWKSO"] = code;
        f.window->commands.print();
        if (code == 1) {
            EXPECT_TRUE(f.box_texts().empty());
        } else {
            ASSERT_EQ(f.box_texts().size(), 1u);
            EXPECT_NE(f.box_texts()[0].find("VIEWKSO"), std::string::npos);
        }
        EXPECT_TRUE(f.window->form.enabled());
    }
}

TEST(PrintAndResults, UnwritableInputCountsAsChanged) {
    MainWindowFixture f;
    ASSERT_EQ(f.start(), StartResult::ready);
    ASSERT_TRUE(f.window->file_commands().write_work_cal_file(kLastRunFileName));
    // An old CAL_FILE.DAT equal to CAL.DAT stays when the current data cannot
    // be written (a title code page 932 cannot hold).
    ASSERT_TRUE(f.window->file_commands().write_work_cal_file(kInputFileName));
    f.data.data_title = "岸壁\U0001F600";
    f.window->load_all_screens();
    f.boxes.shown.clear();
    f.window->commands.print();
    const auto texts = f.box_texts();
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts.back(),
              "前回の計算よりデータが更新されています。\n前回の計算結果の印刷を行います。");
}

} // namespace
} // namespace wtn::mainwin::test
