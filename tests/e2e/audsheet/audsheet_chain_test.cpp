// AUDSHEET as the run chain starts it, in a prepared program folder: the
// golden check list with its generated templates and index page, the run
// stamp in CAL_FILE.INF, the stamp carried to a later program's pages, and
// the conditions that stop the run.
#include "cp932_codec.h"
#include "golden_run.h"
#include "wall_section.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace wtn::test {
namespace {

using Lines = std::vector<std::string>;
using Stamp = std::array<int, 6>; // year (two digits), month, day, hour, minute, second

Stamp clock_now() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year % 100, local.tm_mon + 1, local.tm_mday,
            local.tm_hour,       local.tm_min,     local.tm_sec};
}

Stamp stamp_of(const Lines& info) {
    Stamp stamp{};
    for (std::size_t i = 0; i < stamp.size(); ++i)
        stamp[i] = std::stoi(info.at(i + 2));
    return stamp;
}

std::string joined(const Lines& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

void prepare_golden(const ProgramFolder& folder) {
    folder.write("CAL_FILE.DAT", golden_input());
    folder.write("CAL_FILE.INF", front_end_run_info());
}

TEST(AudsheetRun, GoldenListWithOneTemplatePerBlockAndTheStampedIndex) {
    ProgramFolder folder;
    prepare_golden(folder);
    const ChildResult run = run_audsheet(folder);
    ASSERT_EQ(run.exit_code, 0) << run.err;

    const Lines golden = golden_list_lines();
    ASSERT_FALSE(golden.empty());
    EXPECT_EQ(folder.read("CHKLIST.TMP"), joined(golden));

    // The golden list cut at its markers.
    std::vector<Lines> blocks;
    for (const std::string& line : golden) {
        if (line.rfind('@', 0) == 0)
            blocks.emplace_back();
        else
            blocks.back().push_back(line);
    }
    ASSERT_EQ(blocks.size(), 14u);
    Lines counts;
    Lines index = {"入力データチェックリスト"}; // code page 932 here
    const Lines info = file_lines(folder, "CAL_FILE.INF");
    ASSERT_EQ(info.size(), 8u);
    std::string header;
    for (const int value : stamp_of(info)) {
        char cell[16];
        std::snprintf(cell, sizeof cell, "%4d", value);
        header += cell;
    }
    index.push_back(header + "        " + kDataName);
    for (std::size_t k = 0; k < blocks.size(); ++k) {
        const std::string name = "CHKLST" + std::to_string(k) + ".PFM";
        counts.push_back(std::to_string(blocks[k].size()));
        Lines pfm = {name, std::to_string(blocks[k].size())};
        pfm.insert(pfm.end(), blocks[k].begin(), blocks[k].end());
        EXPECT_EQ(folder.read(name), joined(pfm)) << name;
        index.push_back("$0  " + name);
    }
    EXPECT_EQ(folder.read("CHKCNT.TMP"), joined(counts));
    EXPECT_EQ(folder.read("AUDSHEET.PDT"), joined(index));
}

TEST(AudsheetRun, StampsTheFrontEndsRunInfoAndKeepsNameAndTitle) {
    ProgramFolder folder;
    prepare_golden(folder);
    const Lines before = file_lines(folder, "CAL_FILE.INF");
    const Stamp earliest = clock_now();
    const ChildResult run = run_audsheet(folder);
    const Stamp latest = clock_now();
    ASSERT_EQ(run.exit_code, 0) << run.err;
    const Lines after = file_lines(folder, "CAL_FILE.INF");
    ASSERT_EQ(after.size(), 8u);
    EXPECT_EQ(after[0], before[0]);
    EXPECT_EQ(after[1], before[1]);
    const Stamp stamp = stamp_of(after);
    EXPECT_LE(earliest, stamp);
    EXPECT_LE(stamp, latest);
}

TEST(AudsheetRun, WithoutRunInfoWritesANewOneWithTheStamp) {
    ProgramFolder folder;
    folder.write("CAL_FILE.DAT", golden_input());
    const Stamp earliest = clock_now();
    const ChildResult run = run_audsheet(folder);
    const Stamp latest = clock_now();
    ASSERT_EQ(run.exit_code, 0) << run.err;
    const Lines after = file_lines(folder, "CAL_FILE.INF");
    ASSERT_EQ(after.size(), 8u);
    EXPECT_EQ(after[0], "");
    EXPECT_EQ(after[1], "");
    EXPECT_LE(earliest, stamp_of(after));
    EXPECT_LE(stamp_of(after), latest);
}

// The later programs of the run print AUDSHEET's stamp: the trial-result
// pages of the stability calculation carry the check list's header line.
TEST(AudsheetRun, LaterPagesOfTheRunCarryItsHeaderLine) {
    ProgramFolder folder;
    folder.write("CAL_FILE.DAT", input_file_text(WallSection{}));
    folder.write("TVNCSTM.DAT", customisation_text());
    folder.write("CAL_FILE.INF", front_end_run_info());
    for (const char* program : {"AUDSHEET", "TVNDAT", "TVNCAL"}) {
        const ChildResult run = run_batch_in(folder, program);
        ASSERT_EQ(run.exit_code, 0) << program << ": " << run.err;
    }
    const Lines list = file_lines(folder, "AUDSHEET.PDT");
    const Lines trials = file_lines(folder, "CTRAIAL0.PDT");
    ASSERT_GE(list.size(), 2u);
    ASSERT_GE(trials.size(), 2u);
    EXPECT_EQ(trials[1], list[1]);
}

struct StopCase {
    const char* name;
    std::function<void(const ProgramFolder&)> prepare; // after the golden files
    const char* message;                               // part of the box text
    bool stamped;                                      // CAL_FILE.INF rewritten before the stop
};

TEST(AudsheetRun, StopsWithAMessageAndWritesNoIndexPage) {
    const StopCase cases[] = {
        {"no customisation file",
         [](const ProgramFolder& f) { std::filesystem::remove(f.file("TVNCSTM.DAT")); },
         "(ERROR)-カスタマイズ用ファイル(TVNCSTM.DAT)がオープンできません.", false},
        {"no calculation input",
         [](const ProgramFolder& f) { std::filesystem::remove(f.file("CAL_FILE.DAT")); },
         "(ERROR)-データファイルが選択されていません.", false},
        {"a selected catalogue id in no catalogue",
         [](const ProgramFolder& f) {
             f.write("CAL_FILE.DAT", golden_input(3, "tyait, 21 , 99 \r\n"));
         },
         "(ERROR)-矢板データファイルに選択された矢板(番号 99)がありません.", true},
        {"a steel catalogue missing",
         [](const ProgramFolder& f) { std::filesystem::remove(f.file("YAITA.D03")); },
         "矢板データファイル(YAITA.D03)がオープンできません.", true},
        {"a user PC pile without the user's PC catalogue",
         [](const ProgramFolder& f) {
             f.write("CAL_FILE.DAT", golden_input(7, "apdyt, 3 \r\n"));
             std::filesystem::remove(f.file("PCYAITA.APD"));
         },
         "追加矢板ファイルがオープンできません.", true},
        {"a folder in place of the list file",
         [](const ProgramFolder& f) { std::filesystem::create_directory(f.file("CHKLIST.TMP")); },
         "印字用ファイル(CHKLIST.TMP)がオープンできません.", true},
        {"a folder in place of the run information",
         [](const ProgramFolder& f) {
             std::filesystem::remove(f.file("CAL_FILE.INF"));
             std::filesystem::create_directory(f.file("CAL_FILE.INF"));
         },
         "(ERROR)-ファイル(CAL_FILE.INF)が作成できません.", false},
    };
    for (const StopCase& c : cases) {
        SCOPED_TRACE(c.name);
        ProgramFolder folder;
        prepare_golden(folder);
        c.prepare(folder);
        const bool info_is_file = std::filesystem::is_regular_file(folder.file("CAL_FILE.INF"));
        const std::string before = info_is_file ? folder.read("CAL_FILE.INF") : "";
        const ChildResult run = run_audsheet(folder);
        EXPECT_EQ(run.exit_code, 1);
        EXPECT_NE(run.err.find("error: " + cp932_to_utf8(c.message)), std::string::npos) << run.err;
        EXPECT_FALSE(folder.exists("AUDSHEET.PDT"));
        if (!info_is_file) {
            EXPECT_TRUE(std::filesystem::is_directory(folder.file("CAL_FILE.INF")));
        } else if (c.stamped) {
            const Lines after = file_lines(folder, "CAL_FILE.INF");
            ASSERT_EQ(after.size(), 8u);
            EXPECT_EQ(after[0], kDataName);
            EXPECT_NE(stamp_of(after), (Stamp{0, 0, 0, 0, 0, 0}));
        } else {
            EXPECT_EQ(folder.read("CAL_FILE.INF"), before);
        }
    }
}

} // namespace
} // namespace wtn::test
