#include "chooser_dialog.h"
#include "chooser_exchange.h"

#include "child_process.h"
#include "program_folder.h"

#include <QApplication>
#include <QListWidget>
#include <QTimer>

#include <filesystem>

#include <gtest/gtest.h>

namespace wtn {
namespace {

using test::ChildRun;
using test::program_path;
using test::ProgramFolder;
using test::run_child;

const std::string kTwoCandidates = "1\r\n  -12.345\r\n  -15.000\r\n";

TEST(ChooserExchange, ChoiceReplacesLineOneAndKeepsTheCandidates) {
    ProgramFolder folder(false);
    folder.write(kChooserFileName, kTwoCandidates);
    ChooserRequest request;
    std::string error;
    ASSERT_TRUE(read_chooser_request(folder.file(kChooserFileName), request, error)) << error;
    EXPECT_EQ(request.case_index, 1);
    ASSERT_EQ(request.levels.size(), 2u);
    EXPECT_DOUBLE_EQ(request.levels[0], -12.345);
    EXPECT_DOUBLE_EQ(request.levels[1], -15.0);

    ASSERT_TRUE(write_chooser_choice(folder.file(kChooserFileName), request, 1));
    EXPECT_EQ(folder.read(kChooserFileName), "1\r\n  -12.345\r\n  -15.000\r\n");
}

TEST(ChooserExchange, RefusesFilesThatDoNotHoldACaseAndCandidates) {
    struct Case {
        const char* what;
        const char* bytes;
    };
    const Case cases[] = {
        {"empty file", ""},
        {"case not a number", "x\r\n  -1.000\r\n"},
        {"case out of range", "2\r\n  -1.000\r\n"},
        {"level not a number", "0\r\n  -1.0a0\r\n"},
        {"no candidate", "0\r\n"},
    };
    for (const Case& c : cases) {
        ProgramFolder folder(false);
        folder.write(kChooserFileName, c.bytes);
        ChooserRequest request;
        std::string error;
        EXPECT_FALSE(read_chooser_request(folder.file(kChooserFileName), request, error)) << c.what;
        EXPECT_FALSE(error.empty()) << c.what;
    }
    ChooserRequest request;
    std::string error;
    EXPECT_FALSE(read_chooser_request("/nonexistent/ZEVOVE.DAT", request, error));
}

TEST(ChooserProgram, AnswerFromTheEnvironmentIsWrittenOnLineOne) {
    ProgramFolder folder(false);
    folder.write(kChooserFileName, kTwoCandidates);
    ChildRun run{program_path("ZEVOVE"),          {}, folder.path(),
                 {{kChooserChoiceVariable, "0"}}, {}, {}};
    const auto result = run_child(run);
    EXPECT_EQ(result.exit_code, 0) << result.err;
    EXPECT_EQ(folder.read(kChooserFileName), "0\r\n  -12.345\r\n  -15.000\r\n");
}

TEST(ChooserProgram, NoAnswerLeavesTheFileAloneAndExitsOne) {
    ProgramFolder folder(false);
    folder.write(kChooserFileName, kTwoCandidates);
    ChildRun bad_answer{
        program_path("ZEVOVE"), {}, folder.path(), {{kChooserChoiceVariable, "first"}}, {}, {}};
    EXPECT_EQ(run_child(bad_answer).exit_code, 1);
    EXPECT_EQ(folder.read(kChooserFileName), kTwoCandidates);

    ProgramFolder empty(false);
    ChildRun no_file{program_path("ZEVOVE"),          {}, empty.path(),
                     {{kChooserChoiceVariable, "0"}}, {}, {}};
    const auto result = run_child(no_file);
    EXPECT_EQ(result.exit_code, 1);
    EXPECT_FALSE(empty.exists(kChooserFileName));
}

TEST(ChooserProgram, WithoutAnAnswerTheDialogBesideItTakesItsPlace) {
    // A copy of ZEVOVE with a stand-in for the windowed half beside it.
    ProgramFolder programs(false);
    std::filesystem::copy_file(program_path("ZEVOVE"), programs.path() + "/ZEVOVE");
    ProgramFolder work(false);
    work.write(kChooserFileName, kTwoCandidates);
    ChildRun missing{programs.path() + "/ZEVOVE", {}, work.path(), {},
                     {kChooserChoiceVariable},    {}};
    const auto refused = run_child(missing);
    EXPECT_EQ(refused.exit_code, 1);
    EXPECT_NE(refused.err.find("ZEVOVE_DIALOG"), std::string::npos) << refused.err;

    programs.write("ZEVOVE_DIALOG", "#!/bin/sh\necho \"$0\" > started\nexit 0\n");
    std::filesystem::permissions(programs.path() + "/ZEVOVE_DIALOG",
                                 std::filesystem::perms::owner_all);
    const auto handed_over = run_child(missing);
    EXPECT_EQ(handed_over.exit_code, 0) << handed_over.err;
    EXPECT_EQ(work.read("started"), programs.path() + "/ZEVOVE_DIALOG\n");
    EXPECT_EQ(work.read(kChooserFileName), kTwoCandidates);
}

TEST(ChooserDialogTest, SelectionGivesTheIndexAndCancelGivesNone) {
    static int argc = 1;
    static char name[] = "chooser_test";
    static char* argv[] = {name, nullptr};
    QApplication app(argc, argv);

    ChooserRequest request;
    request.case_index = 0;
    request.levels = {-12.345, -15.0};
    ChooserDialog dialog(request);
    ASSERT_EQ(dialog.candidate_list()->count(), 2);
    EXPECT_EQ(dialog.candidate_list()->item(0)->text().toStdString(), "1:  -12.345 m");
    EXPECT_EQ(dialog.chosen_index(), 0);
    dialog.candidate_list()->setCurrentRow(1);
    EXPECT_EQ(dialog.chosen_index(), 1);

    QTimer::singleShot(0, &dialog, &QDialog::reject);
    EXPECT_EQ(dialog.exec(), QDialog::Rejected);
}

} // namespace
} // namespace wtn
