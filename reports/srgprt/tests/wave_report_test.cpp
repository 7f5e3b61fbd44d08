// The run as a whole: which chapters and drawings a run writes and how they
// are numbered, and the inputs it refuses before writing any page.
#include "report_fixture.h"
#include "tide_level_yes_no.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace wtn::test {
namespace {

WaveBlock block_of(int level, int case_index) {
    WaveBlock b = hwl_goda_block();
    b.tide_level = level;
    b.case_index = case_index;
    return b;
}

std::vector<std::string> page_files(const ReportRun& run) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(run.folder->path())) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("JW", 0) == 0 && name.size() == 12 && name.substr(5) == "HAT.PDT")
            names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

TEST(WaveReportRun, ChaptersAndDrawingsAreNumberedByLevelAndCaseInFileOrder) {
    struct Case {
        const char* what;
        int system_switch;
        int cases;
        std::array<int, 5> examine;
        std::vector<std::pair<int, int>> blocks; // level, case
        std::vector<std::string> pages;
        std::vector<std::string> drawings;
    };
    const Case cases[] = {
        {"switch 0, four levels: normal case only",
         0,
         3,
         {1, 1, 1, 1, 2},
         {{0, 0}, {1, 0}, {2, 0}, {3, 0}},
         {"JW102HAT.PDT", "JW302HAT.PDT", "JW502HAT.PDT", "JW702HAT.PDT"},
         {"HMOMNTZ0.PZK", "HMOMNTZ2.PZK", "HMOMNTZ4.PZK", "HMOMNTZ6.PZK"}},
        {"switch 1, both cases, two levels",
         1,
         3,
         {2, 1, 1, 2, 2},
         {{1, 0}, {1, 1}, {2, 0}, {2, 1}},
         {"JW102HAT.PDT", "JW202HAT.PDT", "JW302HAT.PDT", "JW402HAT.PDT"},
         {"HMOMNTZ0.PZK", "HMOMNTZ1.PZK", "HMOMNTZ2.PZK", "HMOMNTZ3.PZK"}},
        {"switch 1, seismic only, four levels",
         1,
         2,
         {1, 1, 1, 1, 2},
         {{0, 1}, {1, 1}, {2, 1}, {3, 1}},
         {"JW202HAT.PDT", "JW402HAT.PDT", "JW602HAT.PDT", "JW802HAT.PDT"},
         {"HMOMNTZ1.PZK", "HMOMNTZ3.PZK", "HMOMNTZ5.PZK", "HMOMNTZ7.PZK"}},
        {"L.W.L. alone", 0, 1, {2, 2, 1, 2, 2}, {{2, 0}}, {"JW102HAT.PDT"}, {"HMOMNTZ0.PZK"}},
    };
    for (const Case& c : cases) {
        ReportFixture f;
        f.system_switch = c.system_switch;
        f.input.swdat.completed_cases = from_file_value<CompletedCases>(c.cases);
        f.input.wavsw.examine = yes_no_codes(c.examine);
        f.input.wavsw.user_tide_name = "USER";
        f.blocks.clear();
        for (const auto& [level, case_index] : c.blocks)
            f.blocks.push_back(block_of(level, case_index));
        const ReportRun run = run_report(f);
        ASSERT_EQ(run.stop, "") << c.what;
        EXPECT_EQ(page_files(run), c.pages) << c.what;
        for (std::size_t i = 0; i < c.pages.size(); ++i) {
            const std::string page = run.read(c.pages[i]);
            // Chapter 1 is the design-condition list; the chapters follow
            // from 2, one up per chapter, whatever their case.
            const std::string number = std::to_string(2 + i);
            EXPECT_TRUE(has_line(page, "98  " + number + "-1")) << c.what << " " << c.pages[i];
            EXPECT_TRUE(has_line(page, "$0                  " + c.drawings[i])) << c.what;
            EXPECT_TRUE(run.exists(c.drawings[i])) << c.what;
        }
        EXPECT_TRUE(run.exists("W_JOKENZ.PZK")) << c.what;
        EXPECT_TRUE(run.exists("JW000JKN.PDT")) << c.what;
    }
}

TEST(WaveReportRun, TitlesNameTheLevelAndWithSwitchOneTheCase) {
    ReportFixture f;
    f.input.wavsw.examine = yes_no_codes({2, 2, 1, 2, 2});
    ReportRun run = run_report(f);
    ASSERT_EQ(run.stop, "");
    std::vector<std::string> lines = lines_of(run.read("JW102HAT.PDT"));
    EXPECT_EQ(lines.at(0), "施工時-L.W.L.  :波圧");
    EXPECT_EQ(lines.at(1), "   7   2   3   9   5   7        WAVE");
    EXPECT_EQ(lines.at(3), "99  2.<L.W.L.> の検討");

    f.system_switch = 1;
    f.input.swdat.completed_cases = CompletedCases::SeismicOnly;
    f.input.wavsw.examine = yes_no_codes({2, 1, 2, 2, 2});
    run = run_report(f);
    ASSERT_EQ(run.stop, "");
    lines = lines_of(run.read("JW202HAT.PDT"));
    EXPECT_EQ(lines.at(0), "H.W.L.  -地震時:波圧");
    EXPECT_EQ(lines.at(3), "99  2.地震時 <H.W.L.> の検討");
}

std::string replace_line(std::string text, const std::string& from, const std::string& to) {
    const auto at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

TEST(WaveReportRun, RefusedInputStopsWithItsMessageAndLeavesNoChapter) {
    const std::string one_block = wav_data_text({hwl_goda_block()});
    struct Case {
        const char* what;
        void (*change)(ReportFixture&, const std::string&);
        const char* message;
    };
    const Case cases[] = {
        {"no switch file", [](ReportFixture& f, const std::string&) { f.with_switch_file = false; },
         "prg_sw.dat"},
        {"no customisation",
         [](ReportFixture& f, const std::string&) { f.with_customisation = false; }, "TVNCSTM.DAT"},
        {"no SJOKEN.DAT", [](ReportFixture& f, const std::string&) { f.with_sjoken = false; },
         "SJOKEN.DAT"},
        {"no WAV_DATA.PRN", [](ReportFixture& f, const std::string&) { f.with_wav_data = false; },
         "(ERROR)-波圧計算結果ファイル(WAV_DATA.PRN)がオープンできません."},
        {"empty WAV_DATA.PRN", [](ReportFixture& f, const std::string&) { f.wav_data_text = ""; },
         "(WAV_DATA.PRN)の H.W.L. 常時 のデータが読めません."},
        {"a block cut short",
         [](ReportFixture& f, const std::string& text) {
             f.wav_data_text = text.substr(0, text.rfind("#  合力"));
         },
         "(WAV_DATA.PRN)の H.W.L. 常時 のデータが読めません."},
        {"one block too many",
         [](ReportFixture& f, const std::string& text) { f.wav_data_text = text + text; },
         "H.W.L. 常時 の後に"},
        {"15 segments",
         [](ReportFixture& f, const std::string& text) {
             f.wav_data_text = replace_line(text, "\r\n4,4,", "\r\n15,4,");
         },
         "のデータが読めません."},
        {"31 forces",
         [](ReportFixture& f, const std::string& text) {
             f.wav_data_text = replace_line(text, "\r\n4,4,", "\r\n4,31,");
         },
         "のデータが読めません."},
        {"first layer index -1 with Chang's multi-layer method",
         [](ReportFixture& f, const std::string&) {
             f.input.swdat.embedment_method = EmbedmentMethod::ChangMultiLayer;
             f.conditions.layer_start = -1;
         },
         "(SJOKEN.DAT)の先頭土層番号 -1"},
        {"first layer index at the row count",
         [](ReportFixture& f, const std::string&) { f.conditions.layer_start = 4; },
         "(SJOKEN.DAT)の先頭土層番号 4"},
        {"no wave pressure and no still water",
         [](ReportFixture& f, const std::string&) {
             f.input.static_water = StaticWater::Off;
             for (WaveLayerRow& row : f.blocks[0].diagram.rows)
                 row.top = row.bottom = 0.0;
         },
         "(ERROR)-スケールの計算中にＸ方向の座標値が 0.0 になりました."},
        {"crest on the lowest soil level, no tide drawn",
         [](ReportFixture& f, const std::string&) {
             f.input.wavsw.draw = yes_no_codes({2, 2, 2, 2, 2});
             f.input.joken.soil_bottom = 3.0;
         },
         "(ERROR)-スケールの計算中にＹ方向の座標値が 0.0 になりました."},
    };
    for (const Case& c : cases) {
        ReportFixture f;
        c.change(f, one_block);
        const ReportRun run = run_report(f);
        EXPECT_NE(run.stop.find(c.message), std::string::npos) << c.what << ": " << run.stop;
        EXPECT_TRUE(page_files(run).empty()) << c.what;
        EXPECT_FALSE(run.exists("JW000JKN.PDT")) << c.what;
    }
}

TEST(WaveReportRun, FirstLayerIndexIsNotReadForTheSingleConstantMethods) {
    ReportFixture f;
    f.input.swdat.embedment_method = EmbedmentMethod::CType;
    f.conditions.layer_start = -1;
    EXPECT_EQ(run_report(f).stop, "");
}

TEST(WaveReportRun, AChapterThatCannotBeCreatedStopsNamingIt) {
    ReportFixture f;
    f.blocking_folders = {"JW102HAT.PDT"};
    const ReportRun run = run_report(f);
    EXPECT_EQ(run.stop, "error: 印字用ファイル(JW102HAT.PDT)がオープンできません.");
}

} // namespace
} // namespace wtn::test
