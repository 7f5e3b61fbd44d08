// The file commands and the save question, driven through fake services.
#include "cal_import.h"
#include "cal_writer.h"
#include "dat_compare.h"
#include "fake_screens.h"
#include "fake_services.h"
#include "file_commands.h"
#include "project_reader.h"
#include "project_writer.h"
#include "recent_files.h"
#include "sample_design.h"
#include "text_file.h"

#include "program_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace wtn {
namespace {

using test::FakeScreens;
using test::ProgramFolder;

// A program folder with the template project, and the front end's data and
// services around it.
struct FrontEnd {
    ProgramFolder folder{false};
    DesignData data;
    fake::MessageBoxes boxes;
    fake::FileDialogs files;
    FakeScreens screens;
    fake::SettingsStore settings;
    RecentFiles recent{settings, screens};
    FileCommands commands{data, boxes, files, screens, recent};

    FrontEnd() {
        std::filesystem::copy_file(std::string(WTN_SOURCE_DIR) + "/installed/" +
                                       kTemplateProjectName,
                                   folder.file(kTemplateProjectName));
        data.work_dir = folder.path();
    }
    std::string file(const std::string& name) const { return folder.file(name); }
};

TEST(FileCommands, NewAtStartUpAsksNothingAndClearsOldResults) {
    FrontEnd fe;
    fe.folder.write("A.PDT", "x");
    fe.folder.write("KEKKA1.DAT", "x");
    fe.folder.write(kLastRunFileName, "x");
    fe.commands.file_new();
    EXPECT_TRUE(fe.boxes.questions().empty());
    EXPECT_EQ(fe.screens.caption, "Tosvane２ - 無題");
    EXPECT_EQ(fe.data.data_name, kUntitled);
    EXPECT_EQ(fe.data.kanseiji_dat.dynwater_sw, YesNo::No); // the template's values
    EXPECT_EQ(fe.screens.loads, 1);
    EXPECT_TRUE(fe.folder.exists(kOrgFileName));
    EXPECT_FALSE(fe.folder.exists("A.PDT"));
    EXPECT_FALSE(fe.folder.exists("KEKKA1.DAT"));
    EXPECT_TRUE(fe.folder.exists(kLastRunFileName)); // the last run's input stays
}

TEST(FileCommands, NewWithoutTemplateNamesItAndKeepsTheProject) {
    FrontEnd fe;
    std::filesystem::remove(fe.file(kTemplateProjectName));
    fe.data.data_title = "keep";
    fe.commands.file_new();
    ASSERT_EQ(fe.boxes.notes().size(), 1u);
    EXPECT_NE(fe.boxes.notes()[0].find(kTemplateProjectName), std::string::npos)
        << fe.boxes.notes()[0];
    EXPECT_EQ(fe.data.data_title, "keep");
}

// After New, an edit on the screens makes the data differ from the snapshot.
void new_then_edit(FrontEnd& fe) {
    fe.commands.file_new();
    fe.screens.on_store_all = [&fe] { fe.data.sekkei_dat.water_w = 10.1; };
}

TEST(SaveQuestion, EachAnswer) {
    struct Case {
        const char* name;
        BoxAnswer answer;
        std::optional<std::string> save_as; // file chosen in Save As, when asked
        bool goes_on;
        bool saved;
    };
    const Case cases[] = {
        {"no", BoxAnswer::No, std::nullopt, true, false},
        {"cancel", BoxAnswer::Cancel, std::nullopt, false, false},
        {"yes, saved", BoxAnswer::Yes, std::string("p.tn2"), true, true},
        {"yes, Save As cancelled", BoxAnswer::Yes, std::nullopt, false, false},
        {"yes, save failed", BoxAnswer::Yes, std::string("no/such/folder/p.tn2"), false, false},
    };
    for (const auto& c : cases) {
        FrontEnd fe;
        new_then_edit(fe);
        fe.boxes.answers = {c.answer};
        if (c.save_as) fe.files.paths = {fe.file(*c.save_as)};
        const bool goes_on = fe.commands.save_question(SaveQuestionKind::new_or_open);
        EXPECT_EQ(goes_on, c.goes_on) << c.name;
        ASSERT_EQ(fe.boxes.questions().size(), 1u) << c.name;
        EXPECT_EQ(fe.boxes.questions()[0].title, kSaveQuestionTitle);
        EXPECT_EQ(fe.boxes.questions()[0].text, kUnsavedQuestion);
        EXPECT_EQ(fe.boxes.questions()[0].default_button, BoxAnswer::No);
        EXPECT_EQ(fe.folder.exists("p.tn2"), c.saved) << c.name;
        if (std::string(c.name) == "yes, save failed") {
            ASSERT_EQ(fe.boxes.notes().size(), 1u);
            EXPECT_NE(fe.boxes.notes()[0].find("no/such/folder/p.tn2"), std::string::npos)
                << fe.boxes.notes()[0];
        }
    }
}

TEST(SaveQuestion, CancelledNewKeepsTheProject) {
    FrontEnd fe;
    new_then_edit(fe);
    fe.boxes.answers = {BoxAnswer::Cancel};
    fe.commands.file_new();
    EXPECT_EQ(fe.data.sekkei_dat.water_w, 10.1);
    EXPECT_EQ(fe.screens.loads, 1);
}

TEST(SaveQuestion, TextsByCommandAndByWhatChanged) {
    FrontEnd fe;
    fe.commands.file_new();
    EXPECT_TRUE(fe.commands.save_question(SaveQuestionKind::close)); // unchanged: no question
    fe.data.caldt_vals = {12.5, 20.0};                               // adopted after a run
    EXPECT_TRUE(fe.commands.save_question(SaveQuestionKind::run));   // the run does not ask
    fe.boxes.answers = {BoxAnswer::No, BoxAnswer::No};
    fe.commands.save_question(SaveQuestionKind::close);
    fe.data.sekkei_dat.water_w = 10.1;
    fe.commands.save_question(SaveQuestionKind::run);
    ASSERT_EQ(fe.boxes.questions().size(), 2u);
    EXPECT_EQ(fe.boxes.questions()[0].text, kAdoptedChangedQuestion);
    EXPECT_EQ(fe.boxes.questions()[1].text, kConditionsChangedQuestion);
}

TEST(SaveQuestion, UnwritableInputCountsAsChanged) {
    FrontEnd fe;
    fe.commands.file_new();
    fe.data.data_title = "a\"b";
    fe.boxes.answers = {BoxAnswer::No};
    EXPECT_TRUE(fe.commands.save_question(SaveQuestionKind::new_or_open));
    EXPECT_EQ(fe.boxes.questions().size(), 1u);
    EXPECT_FALSE(fe.commands.save_question(SaveQuestionKind::run)); // the run stops
    EXPECT_NE(fe.boxes.notes().back().find(kCalWriteFailedMessage), std::string::npos);
}

TEST(FileCommands, SaveWritesTheCurrentFileAndItsSnapshot) {
    FrontEnd fe;
    fe.commands.file_new();
    fe.files.paths = {fe.file("wall.tn2")};
    ASSERT_TRUE(fe.commands.file_save()); // untitled: Save As
    EXPECT_EQ(fe.data.data_name, "wall");
    EXPECT_EQ(fe.screens.caption, "Tosvane２ - wall");
    EXPECT_EQ(fe.screens.recent, std::vector<std::string>{fe.file("wall.tn2")});
    fe.data.sekkei_dat.water_w = 10.3;
    ASSERT_TRUE(fe.commands.file_save());
    EXPECT_EQ(fe.files.saves().size(), 1u); // no dialog the second time
    DesignData reread;
    read_data_file(reread, fe.file("wall.tn2"));
    EXPECT_EQ(reread.sekkei_dat.water_w, 10.3);
    EXPECT_EQ(cmp_dat_file(fe.file(kOrgFileName), fe.file(kOrgFileName)), kDatEqual);
    EXPECT_TRUE(fe.commands.save_question(SaveQuestionKind::close)); // snapshot is current

    // A failed write is told by name and leaves the file as it was.
    fe.data.data_title = "x\"y";
    EXPECT_FALSE(fe.commands.file_save());
    EXPECT_NE(fe.boxes.notes().back().find(kTitleCaption), std::string::npos);
    read_data_file(reread, fe.file("wall.tn2"));
    EXPECT_EQ(reread.sekkei_dat.water_w, 10.3);
}

TEST(FileCommands, OpenedProjectIsSavedInPlace) {
    FrontEnd fe;
    fe.commands.file_new();
    DesignData saved = test::sample_design();
    write_data_file(saved, fe.file("berth.tn2"));
    fe.files.paths = {fe.file("notes.txt"), fe.file("berth.tn2")};
    fe.commands.file_open(); // another ending: nothing is read, and the user is told
    EXPECT_EQ(fe.data.data_name, kUntitled);
    ASSERT_EQ(fe.boxes.notes().size(), 1u);
    EXPECT_NE(fe.boxes.notes()[0].find(fe.file("notes.txt")), std::string::npos)
        << fe.boxes.notes()[0];
    EXPECT_TRUE(fe.screens.recent.empty());
    fe.commands.file_open();
    EXPECT_EQ(fe.data.data_name, "berth");
    EXPECT_EQ(fe.data.dosou_dat.dosou_riku[1].soil_val[1], 20.0);
    EXPECT_EQ(fe.data.sekkei_dat.water_w, 10.1); // current units: not converted
    EXPECT_TRUE(fe.commands.save_question(SaveQuestionKind::close));
    fe.data.sekkei_dat.water_w = 10.2;
    ASSERT_TRUE(fe.commands.file_save());
    EXPECT_TRUE(fe.files.saves().empty());
    DesignData reread;
    read_data_file(reread, fe.file("berth.tn2"));
    EXPECT_EQ(reread.sekkei_dat.water_w, 10.2);
}

TEST(FileCommands, SaveAsOverwriteQuestion) {
    FrontEnd fe;
    fe.commands.file_new();
    fe.folder.write("old.tn2", "previous");
    fe.files.paths = {fe.file("old.tn2"), fe.file("old.tn2")};
    fe.boxes.answers = {BoxAnswer::No, BoxAnswer::Cancel};
    EXPECT_FALSE(fe.commands.file_save_as());
    EXPECT_EQ(fe.folder.read("old.tn2"), "previous");
    ASSERT_EQ(fe.boxes.questions().size(), 2u);
    EXPECT_EQ(fe.boxes.questions()[0].title, kSaveAsTitle);
    EXPECT_EQ(fe.boxes.questions()[0].text, "既存の old.tn2 に上書きしますか？");
    EXPECT_EQ(fe.boxes.questions()[0].default_button, BoxAnswer::Yes);
    // No shows the dialog again in the chosen file's folder.
    EXPECT_EQ(fe.files.saves()[1].file_name, "old.tn2");
    EXPECT_EQ(fe.files.saves()[0].file_name, "無題.tn2");
    EXPECT_EQ(fe.files.saves()[0].default_ext, ".tn2");
    EXPECT_EQ(fe.data.data_name, kUntitled);
}

// A version-1.00 project file in gravitational units.
void write_old_project(const std::string& path) {
    DesignData d = test::sample_design();
    d.sekkei_dat.water_w = 1.03;
    auto lines = project_file_lines(d);
    write_text_file(path, {lines.begin() + 1, lines.begin() + 163});
}

TEST(FileCommands, OlderProjectIsConvertedAndNeverOverwrittenUnasked) {
    FrontEnd fe;
    fe.commands.file_new();
    write_old_project(fe.file("pier.v1.wtn"));
    fe.folder.write("pier.tn2", "someone else's project");
    fe.files.paths = {fe.file("pier.v1.wtn")};
    fe.commands.file_open();
    EXPECT_EQ(fe.data.sekkei_dat.water_w, 10.1); // converted
    EXPECT_EQ(fe.data.data_name, "pier");        // up to the first "."
    EXPECT_EQ(fe.screens.caption, "Tosvane２ - pier");
    EXPECT_EQ(fe.screens.recent, std::vector<std::string>{fe.file("pier.v1.wtn")});
    EXPECT_EQ(fe.data.file_name, fe.file("pier.tn2"));

    // The snapshot holds the data before the conversion: closing asks.
    fe.boxes.answers = {BoxAnswer::Yes, BoxAnswer::Cancel};
    fe.files.paths = {fe.file("pier.tn2")};
    EXPECT_FALSE(fe.commands.save_question(SaveQuestionKind::close));
    ASSERT_EQ(fe.boxes.questions().size(), 2u);
    EXPECT_EQ(fe.boxes.questions()[0].text, kConditionsChangedQuestion);
    EXPECT_EQ(fe.boxes.questions()[1].title, kSaveAsTitle);
    // Yes went to Save As proposing the ".tn2" beside the old file, and the
    // existing one was not replaced without the overwrite question.
    ASSERT_EQ(fe.files.saves().size(), 1u);
    EXPECT_EQ(fe.files.saves()[0].file_name, "pier.tn2");
    EXPECT_EQ(fe.files.saves()[0].initial_dir, fe.folder.path() + "/");
    EXPECT_EQ(fe.folder.read("pier.tn2"), "someone else's project");
    EXPECT_TRUE(fe.folder.exists("pier.v1.wtn"));
}

TEST(FileCommands, AnOlderProjectThatOverflowsInSiUnitsIsRefusedWhole) {
    FrontEnd fe;
    fe.commands.file_new();
    fe.data.data_title = "keep";
    // A direct Kh of 1E+305 tf/m3 is 9.8E+308 kN/m3 after conversion, past
    // the largest double: no value of the file may reach the screens.
    DesignData d = test::sample_design();
    d.dosou_dat.dosou_riku[0].kh_val[0] = 1e305;
    auto lines = project_file_lines(d);
    write_text_file(fe.file("huge.wtn"), {lines.begin() + 1, lines.begin() + 163});
    fe.files.paths = {fe.file("huge.wtn")};
    fe.boxes.answers = {BoxAnswer::No};
    fe.commands.file_open();
    ASSERT_FALSE(fe.boxes.notes().empty());
    EXPECT_EQ(fe.boxes.notes().back().rfind(kImportFailedMessage, 0), 0u);
    EXPECT_EQ(fe.data.data_title, "keep");
    EXPECT_EQ(fe.data.data_name, kUntitled);
    EXPECT_TRUE(fe.screens.recent.empty());
}

TEST(FileCommands, ADamagedProjectIsRefusedNamingItsLineAndItemAndTheOpenOneStays) {
    FrontEnd fe;
    fe.commands.file_new();
    fe.data.data_title = "keep";
    auto lines = project_file_lines(test::sample_design());
    lines[2] += ",7"; // one value too many would shift every later value
    write_text_file(fe.file("extra.tn2"), lines);
    fe.files.paths = {fe.file("extra.tn2")};
    fe.boxes.answers = {BoxAnswer::No};
    fe.commands.file_open();
    ASSERT_FALSE(fe.boxes.notes().empty());
    EXPECT_EQ(fe.boxes.notes().back(),
              std::string(kImportFailedMessage) + "\nファイル「" + fe.file("extra.tn2") +
                  "」の3行目: 基本条件の「水の単位体積重量」の後に余分な値があります。");
    EXPECT_EQ(fe.data.data_title, "keep");
    EXPECT_EQ(fe.data.data_name, kUntitled);
}

TEST(FileCommands, OldInputFileIsImportedOverTheTemplate) {
    FrontEnd fe;
    fe.commands.file_new();
    write_text_file(fe.file("quay.cal"),
                    {"gyonm,\"旧\"", "joken, 2 , 0 , 1 , 0 , 3 ,-7.5 ,-20 ,-25 , 0 , 0 , 1.03 , 1 "
                                     ", .5 , 5 , 7.5 , 1 , 2 , 1 "});
    fe.commands.open_recent(" " + fe.file("quay.cal") + " ");
    EXPECT_EQ(fe.data.sekkei_dat.water_w, 10.1);
    EXPECT_EQ(fe.data.tihyou_dat.surcharge_q[0], 9.81);
    EXPECT_EQ(fe.data.data_name, "quay");
    EXPECT_EQ(fe.data.file_name, fe.file("quay.tn2"));
    EXPECT_TRUE(fe.data.save_as_first);

    // A broken file: the message, and the project stays.
    write_text_file(fe.file("broken.cal"), {"tikei, 1 "});
    fe.files.paths = {fe.file("broken.cal")};
    fe.boxes.answers = {BoxAnswer::No};
    fe.commands.file_open();
    EXPECT_EQ(fe.data.data_name, "quay");
    EXPECT_EQ(fe.data.sekkei_dat.water_w, 10.1);
    ASSERT_FALSE(fe.boxes.notes().empty());
    EXPECT_EQ(fe.boxes.notes().back().rfind(kImportFailedMessage, 0), 0u);
}

TEST(DatComparison, OnlyTheAdoptedValuesLineTellsApart) {
    ProgramFolder folder(false);
    const std::string base = "versi,\"<2.00>\", 1 \r\nswdat, 1 \r\ncaldt, 0 , 0 \r\nnir_t, 1 \r\n";
    folder.write("a", base);
    folder.write("same", base);
    folder.write("caldt",
                 "versi,\"<2.00>\", 1 \r\nswdat, 1 \r\ncaldt, 12.5 , 20 \r\nnir_t, 1 \r\n");
    folder.write("both", "versi,\"<2.00>\", 1 \r\nswdat, 1 \r\ncaldt, 12.5 , 20 \r\nnir_t, 2 \r\n");
    folder.write("longer", base + "wav_t, 1 \r\n");
    EXPECT_EQ(cmp_dat_file(folder.file("a"), folder.file("same")), kDatEqual);
    EXPECT_EQ(cmp_dat_file(folder.file("a"), folder.file("caldt")), kDatOnlyAdopted);
    EXPECT_EQ(cmp_dat_file(folder.file("a"), folder.file("both")), kDatChanged);
    EXPECT_EQ(cmp_dat_file(folder.file("a"), folder.file("longer")), kDatChanged);
    EXPECT_EQ(cmp_dat_file(folder.file("a"), folder.file("missing")), kDatChanged);
}

TEST(RecentFilesList, RotationAndFirstShow) {
    fake::SettingsStore settings;
    FakeScreens screens;
    RecentFiles recent(settings, screens);
    recent.GetRecentFiles();
    EXPECT_TRUE(recent.shown().empty());
    EXPECT_EQ(recent.captions()[0], "RecentFile1");
    for (const char* path : {"/p/a.tn2", "/p/b.tn2", "/p/c.tn2", "/p/d.tn2"})
        recent.UpdateFileMenu(path);
    EXPECT_EQ(screens.recent,
              (std::vector<std::string>{"/p/d.tn2", "/p/c.tn2", "/p/b.tn2", "/p/a.tn2"}));
    recent.UpdateFileMenu("/p/b.tn2"); // place 3 to the top
    EXPECT_EQ(screens.recent,
              (std::vector<std::string>{"/p/b.tn2", "/p/d.tn2", "/p/c.tn2", "/p/a.tn2"}));
    recent.UpdateFileMenu("/p/e.tn2"); // a fifth file pushes place 4 out
    EXPECT_EQ(screens.recent,
              (std::vector<std::string>{"/p/e.tn2", "/p/b.tn2", "/p/d.tn2", "/p/c.tn2"}));
    recent.UpdateFileMenu("/P/e.tn2"); // spelled differently: a second entry
    EXPECT_EQ(screens.recent,
              (std::vector<std::string>{"/P/e.tn2", "/p/e.tn2", "/p/b.tn2", "/p/d.tn2"}));
    EXPECT_EQ(settings.get(kRecentSection, "RecentFile4"), "/p/d.tn2");

    // A new session shows the stored list.
    FakeScreens later;
    RecentFiles again(settings, later);
    again.GetRecentFiles();
    EXPECT_EQ(later.recent, screens.recent);
}

} // namespace
} // namespace wtn
