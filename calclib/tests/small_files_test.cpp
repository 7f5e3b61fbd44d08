// The small text files every batch program reads at start: the run
// information, the customisation values and the system switch.
#include "cp932_codec.h"
#include "current_folder.h"
#include "customisation.h"
#include "customisation_text.h"
#include "program_folder.h"
#include "program_stop.h"
#include "run_info.h"
#include "switch_file.h"

#include <gtest/gtest.h>

namespace wtn {
namespace {

using test::CurrentFolder;
using test::ProgramFolder;

TEST(RunInfoFile, FrontEndFileReadsWithAZeroStampAndAWholeTitle) {
    ProgramFolder folder(false);
    CurrentFolder here(folder);
    // The front end pads the title to 36 characters; 36 full-width ones are 72 bytes.
    const std::string title =
        utf8_to_cp932("自立式鋼矢板岸壁（－７．５ｍ）の設計計算書第一期工事区間の検討結果ＡＢＣ");
    ASSERT_EQ(title.size(), 72u);
    folder.write("CAL_FILE.INF",
                 "SAMPLE\r\n" + title + "\r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n");
    RunInfo info;
    info.year = 5;
    ASSERT_EQ(read_run_info(info), 0);
    EXPECT_EQ(info.data_name, "SAMPLE");
    EXPECT_EQ(info.title, title);
    EXPECT_EQ(
        (std::vector<int>{info.year, info.month, info.day, info.hour, info.minute, info.second}),
        (std::vector<int>(6, 0)));
}

TEST(RunInfoFile, StampWrittenAndReadBack) {
    ProgramFolder folder(false);
    CurrentFolder here(folder);
    // 5 March 1999, 14:07:09.
    const RunInfo stamped{"WALL1", "TITLE", 99, 3, 5, 14, 7, 9};
    ASSERT_EQ(write_run_info(stamped), 0);
    EXPECT_EQ(folder.read("CAL_FILE.INF"), "WALL1\r\nTITLE\r\n99\r\n3\r\n5\r\n14\r\n7\r\n9\r\n");
    RunInfo back;
    ASSERT_EQ(read_run_info(back), 0);
    EXPECT_EQ(
        (std::vector<int>{back.year, back.month, back.day, back.hour, back.minute, back.second}),
        (std::vector<int>{99, 3, 5, 14, 7, 9}));
    EXPECT_EQ(back.data_name, "WALL1");
}

TEST(RunInfoFile, MissingOrShortFileLeavesTheRecordCleared) {
    ProgramFolder folder(false);
    CurrentFolder here(folder);
    RunInfo info{"OLD", "OLD", 1, 2, 3, 4, 5, 6};
    EXPECT_EQ(read_run_info(info), 1);
    EXPECT_EQ(info.data_name, "");
    EXPECT_EQ(info.second, 0);

    folder.write("CAL_FILE.INF", "NAME\nTITLE\n24\n");
    info = RunInfo{"OLD", "OLD", 1, 2, 3, 4, 5, 6};
    EXPECT_EQ(read_run_info(info), 0);
    EXPECT_EQ(info.year, 24);
    EXPECT_EQ(info.month, 0);
    EXPECT_EQ(info.second, 0);
}

std::string customisation_lines(int count, const std::string& pitch = ".5") {
    std::vector<std::string> lines = test::front_end_customisation_lines();
    lines[test::kDivisionPitchLine] = pitch;
    lines.resize(static_cast<std::size_t>(count));
    return test::customisation_file(lines);
}

TEST(CustomisationFile, TwentyLineFileOfTheFrontEnd) {
    ProgramFolder folder(false);
    CurrentFolder here(folder);
    folder.write("TVNCSTM.DAT", customisation_lines(20));
    const CustomisationValues v = read_customisation();
    EXPECT_DOUBLE_EQ(v.wall_friction_angle, 15.0);
    EXPECT_DOUBLE_EQ(v.clay_failure_angle_normal, 45.0);
    EXPECT_DOUBLE_EQ(v.clay_failure_angle_seismic, 40.0);
    EXPECT_EQ(to_file_value(v.apparent_crown_rule), 1);
    EXPECT_EQ(to_file_value(v.apparent_land_depth_rule), 0);
    EXPECT_EQ(to_file_value(v.apparent_sea_depth_rule), 1);
    EXPECT_DOUBLE_EQ(v.ground_dummy_length, 10.0);
    EXPECT_DOUBLE_EQ(v.consolidation_factor, 0.8);
    EXPECT_EQ(to_file_value(v.pile_tip_condition), 2);
    EXPECT_DOUBLE_EQ(v.division_pitch, 0.5);
    EXPECT_EQ(to_file_value(v.corroded_section_rule), 1);
    EXPECT_EQ(to_file_value(v.chang_displacement_rule), 0);
    EXPECT_EQ(v.steel_significant_digits, 3);
    EXPECT_DOUBLE_EQ(v.chang_embedment_numerator, 2.5);
    EXPECT_EQ(to_file_value(v.koken_sea_moment_rule), 1);
    EXPECT_EQ(to_file_value(v.apparent_rounding_rule), 1);
    EXPECT_DOUBLE_EQ(v.qu_denominator, 12.5); // line 20 is not read
}

TEST(CustomisationFile, MissingLastLinesReadAsZero) {
    ProgramFolder folder(false);
    CurrentFolder here(folder);
    folder.write("TVNCSTM.DAT", customisation_lines(18));
    const CustomisationValues v = read_customisation();
    EXPECT_EQ(to_file_value(v.apparent_rounding_rule), 1);
    EXPECT_DOUBLE_EQ(v.qu_denominator, 0.0);
}

TEST(CustomisationFile, RefusedFiles) {
    const std::vector<std::pair<const char*, std::string>> cases = {
        {"pitch 0", customisation_lines(20, "0")},
        {"negative pitch", customisation_lines(20, "-.5")},
        {"file ends before the pitch", customisation_lines(11)},
        {"pitch not finite", customisation_lines(20, "inf")},
    };
    for (const auto& [name, text] : cases) {
        SCOPED_TRACE(name);
        ProgramFolder folder(false);
        CurrentFolder here(folder);
        folder.write("TVNCSTM.DAT", text);
        testing::internal::CaptureStderr();
        EXPECT_THROW(read_customisation(), ProgramStop);
        EXPECT_NE(testing::internal::GetCapturedStderr().find("TVNCSTM.DAT"), std::string::npos);
    }
    ProgramFolder empty(false);
    CurrentFolder here(empty);
    testing::internal::CaptureStderr();
    EXPECT_THROW(read_customisation(), ProgramStop);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "error: (ERROR)-カスタマイズ用ファイル(TVNCSTM.DAT)がオープンできません.\n");
}

TEST(SwitchFile, OnlyZeroAndOneAreAccepted) {
    struct Case {
        const char* text;
        int value; // -1: refused
    } cases[] = {{"0\r\n", 0}, {"1\r\n", 1}, {" 1 \n", 1}, {"2\r\n", -1}, {"-1\r\n", -1}, {"", -1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        ProgramFolder folder(false);
        CurrentFolder here(folder);
        folder.write("PRG_SW.DAT", c.text);
        if (c.value >= 0) {
            EXPECT_EQ(read_prg_sw(), c.value);
            continue;
        }
        testing::internal::CaptureStderr();
        EXPECT_THROW(read_prg_sw(), ProgramStop);
        EXPECT_NE(testing::internal::GetCapturedStderr().find("prg_sw.dat"), std::string::npos);
    }
    ProgramFolder folder(false);
    CurrentFolder here(folder);
    testing::internal::CaptureStderr();
    EXPECT_THROW(read_prg_sw(), ProgramStop);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "error: (ERROR)-システムSWファイル(prg_sw.dat)がオープンできません.\n");
}

} // namespace
} // namespace wtn
