// The run command with real processes: AUDSHEET, TVNDAT and TVNWAV as built,
// the other programs of the chain stood in by the chain stub, which logs where
// and how it was started.
#include "main_window_fixture.h"
#include "qt_services.h"
#include "run_chain.h"

#include "cal_import.h"
#include "cal_writer.h"
#include "cp932_codec.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace wtn::mainwin::test {
namespace {

std::vector<std::string> lines_of(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

TEST(RunChainWithPrograms, BothStudiesRunTheLoadProgramsAndTheStandIns) {
    MainWindowFixture f;
    // The installed customisation, which the load programs check.
    std::filesystem::copy_file(wtn::test::program_path("TVNCSTM.DAT"), f.folder.file("TVNCSTM.DAT"),
                               std::filesystem::copy_options::overwrite_existing);
    ASSERT_EQ(f.start(), StartResult::ready);
    wtn::test::ProgramFolder programs{false};
    for (const char* name : {"AUDSHEET", "TVNDAT", "TVNWAV"})
        std::filesystem::create_symlink(wtn::test::program_path(name), programs.file(name));
    for (const char* name : {"TVNCAL", "SOLPRT", "SRGPRT", "TVNPRN"})
        std::filesystem::create_symlink(WTN_CHAIN_STUB, programs.file(name));
    qt::QtProcessRunner runner;
    f.window->services.processes = &runner;
    f.window->programs_dir = programs.path();
    std::vector<int> modes;
    f.windows.on_modal = [&](ui::Form& form) {
        modes.push_back(f.data.kekka_mode);
        form.find_as<ui::CommandButton>("Command1")->user_click();
    };
    // The installed default wall section, with both studies.
    import_cal_file(f.data, f.folder.file("TVNDATA.DEF"));
    f.data.sekkei_dat.kanseiji_sw = CheckBox::Checked;
    f.data.sekkei_dat.sekouji_sw = CheckBox::Checked;
    f.window->load_all_screens();
    f.window->store_all_screens();
    ASSERT_TRUE(f.window->file_commands().write_work_cal_file(kOrgFileName));

    run_Click(*f.window);

    ASSERT_TRUE(f.box_texts().empty()) << f.box_texts().front();
    EXPECT_EQ(modes, (std::vector<int>{1, 2}));
    const std::string tail = " " + f.folder.path() + " WTN_UI_PIPE=1\n";
    EXPECT_EQ(f.folder.read("STUB.LOG"), "TVNCAL" + tail + "SOLPRT" + tail + "TVNPRN" + tail +
                                             "TVNCAL" + tail + "SRGPRT" + tail + "TVNPRN" + tail);
    // The check list was written, and the front end's run information came
    // back stamped with its name and title as written.
    EXPECT_TRUE(f.folder.exists("AUDSHEET.PDT"));
    const std::vector<std::string> info = lines_of(f.folder.read("CAL_FILE.INF"));
    const std::vector<std::string> written = run_info_lines(f.data.data_name, f.data.data_title);
    ASSERT_EQ(info.size(), 8u);
    EXPECT_EQ(info[0], utf8_to_cp932(written[0]));
    EXPECT_EQ(info[1], utf8_to_cp932(written[1]));
    EXPECT_NE(std::stoi(info[4]), 0); // the day of the month: 0 as the front end wrote it
    // The load programs' files: the construction stage's force file last.
    EXPECT_TRUE(f.folder.exists("GAI_JYO.PRN"));
    EXPECT_TRUE(f.folder.exists("WAV_DATA.PRN"));
    EXPECT_NE(f.folder.read("GAIRYOK.DAT").substr(0, 1), "0");
    EXPECT_TRUE(f.folder.exists("CAL_NEI.DAT"));
    EXPECT_TRUE(f.window->form.enabled());

    // A stand-in that stops ends the chain after the load program.
    f.folder.write("STUB.TXT", "TVNCAL\texit\t1\n");
    std::filesystem::remove(f.folder.file("STUB.LOG"));
    modes.clear();
    run_Click(*f.window);
    EXPECT_EQ(f.folder.read("STUB.LOG"), "TVNCAL" + tail);
    EXPECT_TRUE(modes.empty());
}

} // namespace
} // namespace wtn::mainwin::test
