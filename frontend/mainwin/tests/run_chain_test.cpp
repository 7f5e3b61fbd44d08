// The run command driven through the main window with stand-in programs: the
// order of the programs per study, the results dialog after each stability
// calculation, what a stopped or failed program does to the chain, and the
// files the command writes and deletes.
#include "main_window_fixture.h"
#include "program_runs.h"
#include "run_chain.h"

#include "cal_writer.h"
#include "text_file.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace wtn::mainwin::test {
namespace {

constexpr const char* kPipeResult = "\"完成時\",\"SP-IIIw\", -15.500,  18.500";

struct RunChainTest : ::testing::Test {
    MainWindowFixture f;
    std::vector<std::string> started;   // program names in order
    std::vector<bool> enabled_at_start; // Form1 enabled as each program started
    std::vector<std::string> status_at_start;
    std::vector<int> dialog_modes;

    void SetUp() override {
        ASSERT_EQ(f.start(), StartResult::ready);
        f.window->programs_dir = "/opt/wtn/bin";
        f.processes.on_start = [this](const ProcessRequest& r) -> std::optional<int> {
            std::string name = r.program.substr(r.program.find_last_of('/') + 1);
            started.push_back(name);
            enabled_at_start.push_back(f.window->form.enabled());
            status_at_start.push_back(f.window->stv_gm.panel_text(1));
            if (name == "TVNCAL") {
                // The result tables the stability calculation writes.
                f.folder.write("KEKKA1.DAT", "");
                write_text_file(f.folder.file("KEKKA2.DAT"), {kPipeResult});
            }
            return std::nullopt;
        };
        f.windows.on_modal = [this](ui::Form& form) {
            if (form.name() != "Form2") return;
            dialog_modes.push_back(f.data.kekka_mode);
            form.find_as<ui::CommandButton>("Command1")->user_click();
        };
    }

    // Sets the study switches and shows them on the screens, so that storing
    // the screens keeps them.
    void studies(bool completed, bool construction) {
        f.data.sekkei_dat.kanseiji_sw = code_of_list_index<CheckBox>(completed ? 1 : 0);
        f.data.sekkei_dat.sekouji_sw = code_of_list_index<CheckBox>(construction ? 1 : 0);
        f.window->load_all_screens();
        // The snapshot follows, so that the run asks nothing.
        ASSERT_TRUE(f.window->file_commands().write_work_cal_file(kOrgFileName));
    }
};

TEST_F(RunChainTest, ProgramsAndDialogsFollowTheStudiesInOrder) {
    struct Case {
        bool completed, construction;
        std::vector<std::string> programs;
        std::vector<int> modes;
        std::string status_after = ""; // the status panel once the run is over
    };
    const std::vector<Case> cases = {
        {false, false, {"AUDSHEET"}, {}, kCheckListOnlyStatus},
        {true, false, {"AUDSHEET", "TVNDAT", "TVNCAL", "SOLPRT", "TVNPRN"}, {1}},
        {false, true, {"AUDSHEET", "TVNWAV", "TVNCAL", "SRGPRT", "TVNPRN"}, {2}},
        {true,
         true,
         {"AUDSHEET", "TVNDAT", "TVNCAL", "SOLPRT", "TVNPRN", "TVNWAV", "TVNCAL", "SRGPRT",
          "TVNPRN"},
         {1, 2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.completed) + std::to_string(c.construction));
        started.clear();
        enabled_at_start.clear();
        status_at_start.clear();
        dialog_modes.clear();
        f.processes.started.clear();
        studies(c.completed, c.construction);
        run_Click(*f.window);
        EXPECT_EQ(started, c.programs);
        EXPECT_EQ(dialog_modes, c.modes);
        for (std::size_t i = 0; i < started.size(); ++i) {
            EXPECT_FALSE(enabled_at_start[i]) << started[i];
            EXPECT_EQ(status_at_start[i], "計算実行中：" + started[i]);
        }
        for (const ProcessRequest& r : f.processes.started) {
            EXPECT_EQ(r.program.rfind("/opt/wtn/bin/", 0), 0u) << r.program;
            EXPECT_TRUE(r.args.empty());
            EXPECT_EQ(r.work_dir, f.folder.path());
            EXPECT_EQ(r.env,
                      (std::vector<std::pair<std::string, std::string>>{{"WTN_UI_PIPE", "1"}}));
        }
        EXPECT_TRUE(f.window->form.enabled());
        EXPECT_FALSE(f.window->running);
        EXPECT_EQ(f.window->stv_gm.panel_text(1), c.status_after);
        EXPECT_TRUE(f.box_texts().empty());
    }
    // The dialog adopted the computed values of KEKKA2.DAT for the report.
    EXPECT_EQ(f.folder.read("CAL_NEI.DAT"), "-15.500\r\n18.500\r\n");
    EXPECT_EQ(f.data.caldt_vals, (std::array<double, 2>{-15.5, 18.5}));
}

TEST_F(RunChainTest, StoppedProgramEndsTheChainQuietlyAndOtherEndsAreTold) {
    struct Case {
        int code;
        const char* told; // part of the box text, "" for none
    };
    const std::vector<Case> cases = {
        {1, ""},
        {3, "プログラム TVNDAT が終了コード 3 で終了しました。"},
        {kProgramNotStarted, "プログラム TVNDAT を起動できません。"},
        {kProgramCrashed, "プログラム TVNDAT が異常終了しました。"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        started.clear();
        dialog_modes.clear();
        f.boxes.shown.clear();
        studies(true, true);
        f.processes.exit_codes[f.window->programs_dir + "/TVNDAT"] = c.code;
        run_Click(*f.window);
        EXPECT_EQ(started, (std::vector<std::string>{"AUDSHEET", "TVNDAT"}));
        EXPECT_TRUE(dialog_modes.empty());
        EXPECT_FALSE(f.folder.exists("KEKKA1.DAT"));
        EXPECT_TRUE(f.window->form.enabled());
        EXPECT_FALSE(f.window->running);
        if (*c.told == '\0') {
            EXPECT_TRUE(f.box_texts().empty());
        } else {
            ASSERT_EQ(f.box_texts().size(), 1u);
            EXPECT_NE(f.box_texts()[0].find(c.told), std::string::npos) << f.box_texts()[0];
        }
    }
}

TEST_F(RunChainTest, CancelInTheSaveQuestionRewritesOnlyTheInputFile) {
    studies(true, false);
    f.folder.write("KEKKA1.DAT", "old");
    f.folder.write("OLD.PDT", "old");
    f.data.data_title = "変更した業務";
    f.window->load_all_screens();
    f.boxes.answers = {BoxAnswer::Cancel};
    run_Click(*f.window);
    ASSERT_EQ(f.boxes.questions().size(), 1u);
    EXPECT_EQ(f.boxes.questions()[0].text, "検討条件が更新されています。保存しますか？");
    EXPECT_TRUE(started.empty());
    EXPECT_TRUE(f.folder.exists("CAL_FILE.DAT"));
    EXPECT_FALSE(f.folder.exists("CAL.DAT"));
    EXPECT_FALSE(f.folder.exists("CAL_FILE.INF"));
    EXPECT_TRUE(f.folder.exists("KEKKA1.DAT"));
    EXPECT_TRUE(f.folder.exists("OLD.PDT"));
    EXPECT_TRUE(f.window->form.enabled());
}

TEST_F(RunChainTest, AdoptedValuesAloneChangedRunWithoutAQuestion) {
    studies(false, false);
    f.data.caldt_vals = {12.0, 20.0};
    run_Click(*f.window);
    EXPECT_TRUE(f.boxes.questions().empty());
    EXPECT_EQ(started, std::vector<std::string>{"AUDSHEET"});
    EXPECT_TRUE(f.folder.exists("CAL.DAT"));
}

TEST_F(RunChainTest, RunInformationHoldsTheBareNameThePaddedTitleAndSixZeros) {
    const std::string zeros = " 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n";
    studies(false, false);
    f.data.data_title = "岸壁";
    f.window->load_all_screens();
    ASSERT_TRUE(f.window->file_commands().write_work_cal_file(kOrgFileName));
    run_Click(*f.window);
    // "無題" and "岸壁" in code page 932, the title padded to 36 characters.
    EXPECT_EQ(f.folder.read("CAL_FILE.INF"),
              "\x96\xb3\x91\xe8\r\n\x8a\xdd\x95\xc7" + std::string(34, ' ') + "\r\n" + zeros);

    f.data.data_name = "/p/wall.v2.tn2";
    f.data.data_title = "";
    f.window->load_all_screens();
    ASSERT_TRUE(f.window->file_commands().write_work_cal_file(kOrgFileName));
    run_Click(*f.window);
    EXPECT_EQ(f.folder.read("CAL_FILE.INF"), "wall\r\n" + std::string(36, ' ') + "\r\n" + zeros);
    EXPECT_EQ(f.data.data_name, "wall");
}

TEST_F(RunChainTest, OnlyReportPagesResultTablesAndTheChooserFileAreDeleted) {
    studies(false, false);
    for (const char* name : {"A.PDT", "CTRAIAL0.PDT", "KEKKA1.DAT", "KEKKA4.DAT", "ZEVOVE.DAT"})
        f.folder.write(name, "x");
    const std::vector<const char*> kept = {"KEKKA10.DAT", "KEKKA.DAT",      "A.PDTX",
                                           "CAL_NEI.DAT", "ZEVOVE.DAT.BAK", "a.pdt"};
    for (const char* name : kept)
        f.folder.write(name, "x");
    run_Click(*f.window);
    for (const char* name : {"A.PDT", "CTRAIAL0.PDT", "KEKKA1.DAT", "KEKKA4.DAT", "ZEVOVE.DAT"})
        EXPECT_FALSE(f.folder.exists(name)) << name;
    for (const char* name : kept)
        EXPECT_TRUE(f.folder.exists(name)) << name;
}

TEST_F(RunChainTest, UnwritableLastRunInputOrAdoptedValuesStopTheRun) {
    studies(true, false);
    // A folder in the way of CAL.DAT: the run ends after the writer's
    // message, before anything is deleted or started.
    std::filesystem::create_directory(f.folder.file("CAL.DAT"));
    f.folder.write("OLD.PDT", "old");
    run_Click(*f.window);
    EXPECT_TRUE(started.empty());
    EXPECT_TRUE(f.folder.exists("OLD.PDT"));
    ASSERT_EQ(f.box_texts().size(), 1u);
    EXPECT_NE(f.box_texts()[0].find("CAL.DAT"), std::string::npos);
    std::filesystem::remove(f.folder.file("CAL.DAT"));

    // CAL_NEI.DAT cannot be written: the report programs would print the
    // calculation's zeros, so the chain stops after the dialog.
    f.boxes.shown.clear();
    std::filesystem::create_directory(f.folder.file("CAL_NEI.DAT"));
    run_Click(*f.window);
    EXPECT_EQ(started, (std::vector<std::string>{"AUDSHEET", "TVNDAT", "TVNCAL"}));
    ASSERT_EQ(f.box_texts().size(), 1u);
    EXPECT_NE(f.box_texts()[0].find("CAL_NEI.DAT"), std::string::npos);
    EXPECT_TRUE(f.window->form.enabled());
}

TEST_F(RunChainTest, SecondRunPrintAndCloseAreRefusedWhileTheChainRuns) {
    studies(false, false);
    bool closed = true;
    f.processes.on_start = [this, &closed](const ProcessRequest&) -> std::optional<int> {
        started.push_back("AUDSHEET");
        run_Click(*f.window);
        f.window->commands.print();
        closed = f.window->form.unload();
        return std::nullopt;
    };
    run_Click(*f.window);
    EXPECT_EQ(started.size(), 1u);
    EXPECT_FALSE(closed);
    EXPECT_TRUE(f.box_texts().empty());
    EXPECT_FALSE(f.window->running);
}

TEST(ProgramBoxes, AnErrorBoxIsCriticalAndOtherNotesInformative) {
    fake::MessageBoxes boxes;
    EXPECT_EQ(answer_program_line(boxes, "BOX\terror\tok\t(ERROR)-001"), std::nullopt);
    EXPECT_EQ(answer_program_line(boxes, "BOX\tTVNDAT\tok\tdone"), std::nullopt);
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[0].icon, BoxIcon::Critical);
    EXPECT_EQ(boxes.shown[0].title, "error");
    EXPECT_EQ(boxes.shown[1].icon, BoxIcon::Information);
}

} // namespace
} // namespace wtn::mainwin::test
