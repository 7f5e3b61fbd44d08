#include "child_process.h"
#include "message_box.h"
#include "program_folder.h"

#include <gtest/gtest.h>

namespace wtn {
namespace {

using test::ChildResult;
using test::ChildRun;
using test::ProgramFolder;

ChildResult run_probe(const ProgramFolder& folder, const std::string& action, bool pipe,
                      const std::string& stdin_text = "",
                      std::map<std::string, std::string> env = {}, const std::string& value = "") {
    ChildRun run;
    run.program = FRAME_PROBE;
    run.args = {action};
    if (!value.empty()) run.args.push_back(value);
    run.work_dir = folder.path();
    run.env = std::move(env);
    run.env["WTN_UI_PIPE"] = std::string(pipe ? "1" : "0");
    if (!run.env.count("WTN_ANSWER")) run.unset_env = {"WTN_ANSWER"};
    run.stdin_text = stdin_text;
    return test::run_child(run);
}

TEST(BatchFrame, DriverThatReturnsExitsZeroWithItsFilesWritten) {
    ProgramFolder folder(false);
    ChildResult r = run_probe(folder, "", false);
    EXPECT_EQ(r.exit_code, 0);
    EXPECT_EQ(folder.read("probe.txt"), "started\r\ndone\r\n");
    EXPECT_EQ(r.err, "");
}

TEST(BatchFrame, ErrorBoxGoesToStandardErrorWithoutTheFrontEnd) {
    ProgramFolder folder(false);
    ChildResult r = run_probe(folder, "error", false);
    EXPECT_EQ(r.exit_code, 1);
    EXPECT_EQ(r.err, "error: (ERROR)-カスタマイズ用ファイル(TVNCSTM.DAT)がオープンできません.\n");
    EXPECT_EQ(folder.read("probe.txt"), "started\r\n"); // flushed and closed on the way out
}

TEST(BatchFrame, ErrorBoxIsOnePipeLineForTheFrontEnd) {
    ProgramFolder folder(false);
    ChildResult r = run_probe(folder, "own-error", true);
    EXPECT_EQ(r.exit_code, 1);
    EXPECT_EQ(r.out, "BOX\terror\tok\town text\n");
    // A table text ending in a line feed travels as \n.
    ProgramFolder folder2(false);
    r = run_probe(folder2, "line-feed-error", true);
    EXPECT_EQ(r.exit_code, 1);
    EXPECT_EQ(r.out, "BOX\terror\tok\t(ERROR)-データファイルが選択されていません.\\n\n");
}

TEST(BatchFrame, WarningAnsweredThroughThePipe) {
    struct Case {
        const char* answer;
        int exit_code;
        const char* file;
    } cases[] = {{"yes\n", 0, "started\r\nwent on\r\ndone\r\n"},
                 {"no\n", 1, "started\r\n"},
                 {"", 1, "started\r\n"}}; // front end gone: no
    for (const auto& c : cases) {
        ProgramFolder folder(false);
        ChildResult r = run_probe(folder, "warn", true, c.answer);
        EXPECT_EQ(r.exit_code, c.exit_code) << c.answer;
        EXPECT_EQ(r.out, "BOX\twaring\tyesno\t崩壊角の確認\\n続けますか\n");
        EXPECT_EQ(folder.read("probe.txt"), c.file);
    }
}

TEST(BatchFrame, WarningWithoutTheFrontEndFollowsWtnAnswerAndDefaultsToNo) {
    struct Case {
        const char* answer; // nullptr: not set
        int exit_code;
    } cases[] = {{"yes", 0}, {"no", 1}, {nullptr, 1}};
    for (const auto& c : cases) {
        ProgramFolder folder(false);
        std::map<std::string, std::string> env;
        if (c.answer) env["WTN_ANSWER"] = c.answer;
        ChildResult r = run_probe(folder, "warn", false, "", env);
        EXPECT_EQ(r.exit_code, c.exit_code);
        EXPECT_EQ(r.err, "waring: 崩壊角の確認\n続けますか\n");
    }
}

TEST(BatchFrame, UnopenableOutputAndUnexpectedFailuresStopWithABox) {
    ProgramFolder folder(false);
    ChildResult r = run_probe(folder, "open-fail", false);
    EXPECT_EQ(r.exit_code, 1);
    EXPECT_EQ(r.err, "error: 印字用ファイル(no/such/folder/x.PDT)がオープンできません.\n");
    r = run_probe(folder, "throw", false);
    EXPECT_EQ(r.exit_code, 1);
    EXPECT_NE(r.err.find("unexpected"), std::string::npos);
}

// A computed value that is no number stops the program that computed it,
// before any of it reaches a file a later program or the viewer reads.
TEST(BatchFrame, ComputedValueThatIsNoNumberIsNeverWritten) {
    ProgramFolder folder(false);
    ChildResult r = run_probe(folder, "non-finite", false, "", {}, "-inf");
    EXPECT_EQ(r.exit_code, 1);
    EXPECT_EQ(r.err, "error: (ERROR)-計算値が数値になりません(-inf).\n");
    EXPECT_EQ(folder.read("probe.txt"), "started\r\n");
    r = run_probe(folder, "non-finite", false, "", {}, "nan");
    EXPECT_EQ(r.exit_code, 1);
    EXPECT_EQ(r.err, "error: (ERROR)-計算値が数値になりません(nan).\n");
    r = run_probe(folder, "non-finite", false, "", {}, "1.25");
    EXPECT_EQ(r.exit_code, 0);
    EXPECT_EQ(folder.read("probe.txt"), "started\r\n     1.250\r\ndone\r\n");
}

TEST(BoxText, EscapesLineEndsTabsAndBackslashesBothWays) {
    const std::string text = "a\\b\tc\nd";
    EXPECT_EQ(escape_box_text(text), "a\\\\b\\tc\\nd");
    EXPECT_EQ(unescape_box_text(escape_box_text(text)), text);
}

TEST(BoxLine, ParsesWhatItFormatsAndRefusesOtherLines) {
    BoxLine box{"waring", BoxKind::yes_no, "二行\n\tタブ\\"};
    std::string line = format_box_line(box);
    EXPECT_EQ(line.find('\n'), std::string::npos);
    auto parsed = parse_box_line(line + "\r");
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->title, box.title);
    EXPECT_EQ(parsed->kind, BoxKind::yes_no);
    EXPECT_EQ(parsed->text, box.text);
    EXPECT_EQ(parse_box_line("BOX\terror\tok\t(ERROR)-1")->kind, BoxKind::ok);
    for (const char* other :
         {"", "BOX", "BOX\tt\tok", "BOX\tt\tmaybe\tx", "box\tt\tok\tx", "progress 50%"}) {
        EXPECT_FALSE(parse_box_line(other)) << other;
    }
    EXPECT_TRUE(is_yes_answer("YES \r"));
    EXPECT_TRUE(is_yes_answer("y"));
    EXPECT_FALSE(is_yes_answer(""));
    EXPECT_FALSE(is_yes_answer("no"));
}

} // namespace
} // namespace wtn
