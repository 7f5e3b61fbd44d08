// Sections of the force file read exactly: every line of a section consumed,
// nothing of the next one.
#include "force_case.h"
#include "program_folder.h"
#include "program_stop.h"

#include <gtest/gtest.h>

#include "file_io.h"

namespace wtn {
namespace {

using test::ProgramFolder;

// A completed-state file as the load program writes it: the normal case and
// the seismic case with its dynamic-water lines. Three sea-side boundaries
// (the last one the bottom), the virtual seabed on boundary 1.
const char* const kCompletedStateFile = "0\r\n"
                                        "#  常  時\r\n"
                                        "1,3,2\r\n"
                                        "-8.000000,2.000000,0.523599,1\r\n"
                                        "0.000000,0,3000.000000\r\n"
                                        "-10.000000,12.000000,0.000000,2\r\n"
                                        "4.000000,1,6000.000000\r\n"
                                        "-22.000000,0.000000,0.000000,0\r\n"
                                        "0.000000,0,0.000000\r\n"
                                        "1.500000,10.000000\r\n"
                                        "0.500000,5.000000\r\n"
                                        "15.000000,17.500000,1.166667\r\n"
                                        "-10.000000,25.000000\r\n"
                                        "2,1\r\n"
                                        "3.000000,0.000000,10.000000\r\n"
                                        "-10.000000,10.000000,20.000000\r\n"
                                        "3.000000,0.0,0.0\r\n"
                                        "-10.000000,0.000000,30.000000\r\n"
                                        "#  地震時\r\n"
                                        "1,3,1\r\n"
                                        "-8.000000,2.000000,0.523599,1\r\n"
                                        "0.000000,0,3000.000000\r\n"
                                        "-10.000000,12.000000,0.000000,2\r\n"
                                        "4.000000,1,6000.000000\r\n"
                                        "-22.000000,0.000000,0.000000,0\r\n"
                                        "0.000000,0,0.000000\r\n"
                                        "2.000000,20.000000\r\n"
                                        "20.000000,40.000000,2.000000\r\n"
                                        "-10.500000,31.000000\r\n"
                                        "2\r\n"
                                        "1.000000,3.000000\r\n"
                                        "0.500000,2.000000\r\n"
                                        "3,2\r\n"
                                        "3.000000,0.000000,10.000000\r\n"
                                        "-10.000000,10.000000,20.000000\r\n"
                                        "-12.000000,20.000000,22.000000\r\n"
                                        "3.000000,0.0,0.0\r\n"
                                        "-10.000000,0.0,0.0\r\n"
                                        "-12.000000,0.000000,40.000000\r\n";

// A construction-stage section: two land-side boundaries, one wave force.
std::string wave_section(const char* label, double force, bool still_water) {
    std::string text = std::string("#  ") + label +
                       "  常時\r\n"
                       "0,2,1\r\n"
                       "-9.000000,11.000000,0.523599,1\r\n"
                       "0.000000,0,2500.000000\r\n"
                       "-20.000000,0.000000,0.000000,0\r\n"
                       "0.000000,0,0.000000\r\n"
                       "4.000000," +
                       std::to_string(force) + "\r\n" + std::to_string(force) +
                       ",40.000000,4.000000\r\n"
                       "-9.000000,0.000000\r\n";
    if (still_water) text += "2.500000,7.000000\r\n";
    return text;
}

InputRecord dynamic_water_input() {
    InputRecord input;
    input.neire.apparent_rule = ApparentSeismicRule::AraiYokoi;
    input.nir_t.dynamic_water = YesNo::Yes;
    input.joken.lwl = 0.0;
    input.joken.design_seabed = -10.0;
    return input;
}

// Opens name in folder for the reader and checks, at the end, that nothing
// is left unread.
struct OpenForceFile {
    CFile file;
    LineReader reader;
    explicit OpenForceFile(const std::string& path)
        : file(open_file(path, "rt")), reader(file.get()) {}
    bool at_end() {
        std::string rest;
        return !reader.next(rest);
    }
};

TEST(ForceCaseReader, CompletedStateSectionsReadExactly) {
    ProgramFolder folder(false);
    folder.write("GAIRYOK.DAT", kCompletedStateFile);
    const InputRecord input = dynamic_water_input();
    OpenForceFile f(folder.file("GAIRYOK.DAT"));
    ASSERT_EQ(read_force_file_mode(f.reader), 0);

    ForceCase fc;
    fc.dynamic_count = 7; // must not survive a section without dynamic water
    read_force_case(f.reader, 0, 0, input, fc);
    EXPECT_EQ(fc.start_index, 1);
    ASSERT_EQ(fc.layer_count, 3);
    EXPECT_DOUBLE_EQ(fc.layers[0].friction_angle, 0.523599);
    EXPECT_EQ(fc.layers[1].resistance_option, 2);
    EXPECT_DOUBLE_EQ(fc.layers[1].n_value, 4.0);
    EXPECT_EQ(fc.layers[1].n_from_cohesion, 1);
    EXPECT_DOUBLE_EQ(fc.layers[1].kh, 6000.0);
    ASSERT_EQ(fc.force_count, 2);
    EXPECT_DOUBLE_EQ(fc.forces[1].lever_arm, 0.5);
    EXPECT_DOUBLE_EQ(fc.forces[1].force, 5.0);
    EXPECT_DOUBLE_EQ(fc.total_force, 15.0);
    EXPECT_DOUBLE_EQ(fc.total_moment, 17.5);
    EXPECT_DOUBLE_EQ(fc.lever_arm, 1.166667);
    EXPECT_DOUBLE_EQ(fc.base[0].level, -10.0);
    EXPECT_DOUBLE_EQ(fc.base[0].pressure, 25.0);
    EXPECT_EQ(fc.dynamic_count, 0); // normal case: never dynamic water
    EXPECT_EQ(fc.diagram_rows, 2);
    EXPECT_EQ(fc.diagram_seabed_row, 1);
    EXPECT_DOUBLE_EQ(fc.active[1].bottom, 20.0);
    EXPECT_DOUBLE_EQ(fc.passive[0].bottom, 0.0);
    EXPECT_DOUBLE_EQ(fc.passive[1].bottom, 30.0);

    read_force_case(f.reader, 1, 0, input, fc);
    EXPECT_EQ(fc.force_count, 1);
    EXPECT_DOUBLE_EQ(fc.base[1].level, -10.5);
    EXPECT_DOUBLE_EQ(fc.base[1].pressure, 31.0);
    EXPECT_DOUBLE_EQ(fc.base[0].level, -10.0); // the normal case's base stays
    ASSERT_EQ(fc.dynamic_count, 2);
    EXPECT_DOUBLE_EQ(fc.dynamic_water[1].force, 2.0);
    EXPECT_EQ(fc.diagram_rows, 3);
    EXPECT_EQ(fc.diagram_seabed_row, 2);
    EXPECT_DOUBLE_EQ(fc.active[2].level, -12.0);
    EXPECT_DOUBLE_EQ(fc.passive[2].bottom, 40.0);
    EXPECT_TRUE(f.at_end());
}

TEST(ForceCaseReader, DynamicWaterLinesOnlyUnderAllThreeConditions) {
    struct Case {
        const char* name;
        std::function<void(InputRecord&)> change;
        bool lines;
    } cases[] = {
        {"all three", [](InputRecord&) {}, true},
        {"L.W.L. on the design seabed", [](InputRecord& in) { in.joken.lwl = -10.0; }, false},
        {"general apparent coefficient",
         [](InputRecord& in) { in.neire.apparent_rule = ApparentSeismicRule::GeneralFormula; },
         false},
        {"dynamic water not considered",
         [](InputRecord& in) { in.nir_t.dynamic_water = YesNo::No; }, false},
    };
    for (const Case& c : cases) {
        InputRecord input = dynamic_water_input();
        c.change(input);
        EXPECT_EQ(has_dynamic_water_lines(input, 1), c.lines) << c.name;
        EXPECT_FALSE(has_dynamic_water_lines(input, 0)) << c.name;
    }
}

TEST(ForceCaseReader, ConstructionStageSectionsWithAndWithoutStillWater) {
    for (int mode : {1, 2}) {
        for (bool still_water : {true, false}) {
            SCOPED_TRACE(std::to_string(mode) + (still_water ? " with still water" : " without"));
            ProgramFolder folder(false);
            folder.write("GAIRYOK.DAT", std::to_string(mode) + "\r\n" +
                                            wave_section("H.W.L.", 30.0, still_water) +
                                            wave_section("L.W.L.", 25.0, still_water));
            InputRecord input = dynamic_water_input(); // completed-state switches play no part
            input.static_water = still_water ? StaticWater::On : StaticWater::Off;
            OpenForceFile f(folder.file("GAIRYOK.DAT"));
            ASSERT_EQ(read_force_file_mode(f.reader), mode);
            ForceCase fc;
            fc.dynamic_count = 3;
            read_force_case(f.reader, 0, mode, input, fc);
            EXPECT_DOUBLE_EQ(fc.total_force, 30.0);
            EXPECT_EQ(fc.dynamic_count, 0);
            EXPECT_DOUBLE_EQ(fc.base[0].level, -9.0);
            if (still_water) {
                EXPECT_DOUBLE_EQ(fc.still_water.force, 7.0);
            }
            read_force_case(f.reader, 0, mode, input, fc);
            EXPECT_DOUBLE_EQ(fc.forces[0].force, 25.0);
            EXPECT_EQ(fc.start_index, 0);
            EXPECT_EQ(fc.diagram_rows, 0);
            EXPECT_TRUE(f.at_end());
        }
    }
}

TEST(ForceCaseReader, MalformedFilesStopTheProgram) {
    const std::string good = wave_section("H.W.L.", 30.0, false);
    std::string many_forces = "#  H.W.L.  常時\r\n0,2,51\r\n";
    const std::vector<std::pair<const char*, std::string>> cases = {
        {"mode 3", "3\r\n" + good},
        {"empty file", ""},
        {"26 layer rows", "1\r\n#  x\r\n0,26,1\r\n"},
        {"51 force lines", "1\r\n" + many_forces},
        {"negative count", "1\r\n#  x\r\n0,-1,1\r\n"},
        {"start index beyond the rows", "1\r\n#  x\r\n2,2,1\r\n"},
        {"section cut short", "1\r\n" + good.substr(0, good.size() - 20)},
        {"short line", "1\r\n#  x\r\n0,2\r\n"},
        {"diagram seabed row beyond the rows", std::string("0\r\n") +
                                                   "#  常  時\r\n0,1,0\r\n1,0,0,0\r\n0,0,0\r\n"
                                                   "0,0,0\r\n0,0\r\n1,2\r\n0,0,0\r\n0,0,0\r\n"},
        {"infinite force", "1\r\n#  x\r\n0,1,1\r\n1,0,0,0\r\n0,0,0\r\n1,inf\r\n"},
    };
    for (const auto& [name, text] : cases) {
        SCOPED_TRACE(name);
        ProgramFolder folder(false);
        folder.write("GAIRYOK.DAT", text);
        OpenForceFile f(folder.file("GAIRYOK.DAT"));
        InputRecord input;
        ForceCase fc;
        testing::internal::CaptureStderr();
        EXPECT_THROW(
            {
                const int mode = read_force_file_mode(f.reader);
                read_force_case(f.reader, 0, mode, input, fc);
            },
            ProgramStop);
        EXPECT_NE(testing::internal::GetCapturedStderr().find(
                      "(ERROR)-外力計算結果ファイル(GAIRYOK.DAT)"),
                  std::string::npos);
    }
}

// Edits of a file the load program wrote that shift the sections against
// their counts: each must stop, not read the next row as a count.
TEST(ForceCaseReader, CountsThatDoNotMatchTheLinesStop) {
    const std::string good = kCompletedStateFile;
    auto edited = [&](const std::string& from, const std::string& to) {
        std::string text = good;
        const std::size_t at = text.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        return text.replace(at, from.size(), to);
    };
    const std::vector<std::pair<const char*, std::string>> cases = {
        {"dynamic-water count raised by one", edited("\r\n2\r\n", "\r\n3\r\n")},
        {"force count raised by one", edited("1,3,2\r\n", "1,3,3\r\n")},
        {"force count lowered by one", edited("1,3,2\r\n", "1,3,1\r\n")},
        {"real where a count is due", edited("2,1\r\n", "2.000000,1\r\n")},
        {"section without its naming line", edited("#  地震時\r\n", "")},
        {"a further section", good + "#  地震時\r\n1,0,0\r\n"},
    };
    for (const auto& [name, text] : cases) {
        SCOPED_TRACE(name);
        ProgramFolder folder(false);
        folder.write("GAIRYOK.DAT", text);
        OpenForceFile f(folder.file("GAIRYOK.DAT"));
        const InputRecord input = dynamic_water_input();
        ForceCase fc;
        testing::internal::CaptureStderr();
        EXPECT_THROW(
            {
                const int mode = read_force_file_mode(f.reader);
                read_force_case(f.reader, 0, mode, input, fc);
                read_force_case(f.reader, 1, mode, input, fc);
                check_force_file_end(f.reader);
            },
            ProgramStop);
        EXPECT_NE(testing::internal::GetCapturedStderr().find(
                      "(ERROR)-外力計算結果ファイル(GAIRYOK.DAT)"),
                  std::string::npos);
    }
}

} // namespace
} // namespace wtn
