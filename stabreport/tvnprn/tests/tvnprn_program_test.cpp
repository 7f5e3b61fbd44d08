// TVNPRN run after TVNCAL, as the run chain runs them, on program folders
// with a hand-written GAIRYOK.DAT (stability_fixture.h): P 60 kN/m with lever
// arm 4 m at the virtual seabed -7.00 in uniform ground of kh 30000 kN/m3,
// crown +3.00. TVNCAL decides SP-IV by hand: stress 109.8 N/mm2 against
// 180.0, beta 0.558, embedment 3 / 0.558 = 5.376, toe -12.376.
#include "child_process.h"
#include "program_folder.h"
#include "stability_fixture.h"
#include "text_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace wtn {
namespace {

using test::ForceSection;
using test::ProgramFolder;
using test::StabilityInput;

struct ReportRun {
    std::unique_ptr<ProgramFolder> folder = std::make_unique<ProgramFolder>();
    test::ChildResult tvncal;
    test::ChildResult tvnprn;
    std::string file(const std::string& name) const { return folder->read(name); }
    bool has(const std::string& name) const { return folder->exists(name); }
};

test::ChildResult run_program(const ProgramFolder& folder, const std::string& name) {
    test::ChildRun child;
    child.program = test::program_path(name);
    child.work_dir = folder.path();
    child.unset_env = {"WTN_UI_PIPE"};
    child.env = {{"WTN_ANSWER", "no"}};
    return test::run_child(child);
}

// TVNCAL, then between the two the change a test makes to the folder, then TVNPRN.
ReportRun run_report(const StabilityInput& in, int mode, const std::vector<ForceSection>& sections,
                     const std::function<void(const ProgramFolder&)>& between = {}) {
    ReportRun run;
    run.folder->write("CAL_FILE.DAT", test::stability_input_text(in));
    run.folder->write("TVNCSTM.DAT", test::stability_customisation_text());
    run.folder->write("GAIRYOK.DAT", test::force_file_text(mode, sections));
    run.folder->write("CAL_FILE.INF", "GOLDEN\r\ntitle\r\n26\r\n12\r\n10\r\n14\r\n30\r\n5\r\n");
    run.tvncal = run_program(*run.folder, "TVNCAL");
    if (between) between(*run.folder);
    run.tvnprn = run_program(*run.folder, "TVNPRN");
    return run;
}

// Box texts reach standard error in UTF-8, whatever the program holds.
std::string utf8(const char8_t* text) {
    return reinterpret_cast<const char*>(text);
}

using test::contains;

std::vector<std::string> page_files(const ReportRun& run) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(run.folder->path())) {
        const std::string name = entry.path().filename().string();
        if (name.size() > 4 && name.substr(name.size() - 4) == ".PDT" && name[0] == 'J')
            names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

ForceSection seismic_section() {
    ForceSection s;
    s.force = 90.0;
    return s;
}

// The construction-stage fixture: H.H.W.L. not examined, then the levels
// listed by their examine switches.
StabilityInput construction_input(const std::string& examine, int cases = 1) {
    StabilityInput in;
    in.studies = 2;
    in.cases = cases;
    in.examine = examine;
    return in;
}

TEST(TvnprnNumbering, ChaptersFilesAndChartsFollowTheStudiedLevelsAndCases) {
    struct Case {
        const char* what;
        StabilityInput input;
        int mode;
        std::vector<ForceSection> sections;
        std::vector<std::string> files;    // chapter files, then the summary
        std::vector<std::string> chapters; // "99  n-2" of each chapter file
        std::vector<std::string> titles;   // title line of each chapter file
        std::string summary_chapter;       // its "99" line
    };
    StabilityInput both;
    both.cases = 3;
    StabilityInput seismic;
    seismic.cases = 2;
    const Case cases[] = {
        {"completed state, both cases",
         both,
         0,
         {ForceSection{}, seismic_section()},
         {"JD103CYN.PDT", "JD203CYN.PDT", "JD999MTM.PDT"},
         {"99  2-2", "99  3-2"},
         {"完成時-常    時:根入れ(ﾁｬﾝ)", "完成時-地 震 時:根入れ(ﾁｬﾝ)"},
         "99  4.検討結果のまとめ[完成時]"},
        {"completed state, seismic case only",
         seismic,
         0,
         {seismic_section()},
         {"JD203CYN.PDT", "JD999MTM.PDT"},
         {"99  2-2"},
         {"完成時-地 震 時:根入れ(ﾁｬﾝ)"},
         "99  3.検討結果のまとめ[完成時]"},
        {"construction stage, H.W.L. and L.W.L.",
         construction_input("2,1,1,1,1,1,2,1"),
         1,
         {ForceSection{}, ForceSection{}},
         {"JW103CYN.PDT", "JW303CYN.PDT", "JW999MTM.PDT"},
         {"99  2-2", "99  3-2"},
         {"施工時-H.W.L.  :根入れ(ﾁｬﾝ)", "施工時-L.W.L.  :根入れ(ﾁｬﾝ)"},
         "99  4.検討結果のまとめ[施工時]"},
        {"unnamed stage, three levels, both cases",
         construction_input("1,1,1,1,1,1,2,1", 3),
         2,
         std::vector<ForceSection>(6, ForceSection{}),
         {"JW103CYN.PDT", "JW203CYN.PDT", "JW303CYN.PDT", "JW403CYN.PDT", "JW503CYN.PDT",
          "JW603CYN.PDT", "JW999MTM.PDT"},
         {"99  2-2", "99  3-2", "99  4-2", "99  5-2", "99  6-2", "99  7-2"},
         {"H.H.W.L.-常  時:根入れ(ﾁｬﾝ)", "H.H.W.L.-地震時:根入れ(ﾁｬﾝ)",
          "H.W.L.  -常  時:根入れ(ﾁｬﾝ)", "H.W.L.  -地震時:根入れ(ﾁｬﾝ)",
          "L.W.L.  -常  時:根入れ(ﾁｬﾝ)", "L.W.L.  -地震時:根入れ(ﾁｬﾝ)"},
         "99  8.検討結果のまとめ"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ReportRun run = run_report(c.input, c.mode, c.sections);
        ASSERT_EQ(run.tvncal.exit_code, 0) << run.tvncal.err;
        ASSERT_EQ(run.tvnprn.exit_code, 0) << run.tvnprn.err;
        EXPECT_EQ(page_files(run), c.files);
        for (std::size_t i = 0; i < c.chapters.size(); ++i) {
            const std::string& name = c.files[i];
            const std::string page = run.file(name);
            EXPECT_EQ(page.substr(0, page.find("\r\n")), c.titles[i]) << name;
            EXPECT_TRUE(contains(page, "\r\n" + c.chapters[i] + "\r\n")) << name;
            // Each chapter names a chart of its own, written beside it.
            const std::string chart =
                std::string(c.mode == 0 ? "KHKSD" : "KHKSW") + name[2] + ".PZK";
            EXPECT_TRUE(contains(page, "$0  KHKSKC1.PFM     " + chart + "\r\n")) << name;
            EXPECT_TRUE(run.has(chart)) << chart;
        }
        EXPECT_TRUE(contains(run.file(c.files.back()), "\r\n" + c.summary_chapter + "\r\n"));
    }
}

// The value lines of a summary block: from its template line up to the next
// template line.
std::string summary_block(const std::string& page, const std::string& name) {
    const std::size_t at = page.find("$0  " + name + "\r\n");
    if (at == std::string::npos) return "";
    const std::size_t from = at + name.size() + 6;
    const std::size_t end = page.find("$", from);
    return page.substr(from, end == std::string::npos ? std::string::npos : end - from);
}

TEST(TvnprnSummary, BlocksFollowTheCheckCodeAndTheVerdicts) {
    struct Case {
        const char* what;
        StabilityInput input;
        std::string cal_nei; // CAL_NEI.DAT written after TVNCAL, as the results dialog does
        std::vector<std::pair<std::string, std::string>> blocks; // template and its lines
        std::vector<std::string> absent;                         // templates not written
    };
    StabilityInput corroded;
    corroded.decision = 111;
    corroded.allowance_water = 1.0;
    corroded.allowance_land = 1.0;
    StabilityInput failing;
    failing.allow_stress = 100.0;
    const Case cases[] = {
        // Check code 1 ("001"): the stress and the embedment blocks only; the
        // seismic columns dashed. SP-IV: 109.8 against 180.0, toe -7 - 5.376.
        {"stress check only, normal case, no corrosion",
         StabilityInput{},
         "",
         {{"MATOME2B.PFM", "00       109.8\r\n09       180.0\r\n03  ─────\r\n12  ─────\r\n"
                           "06   ○\r\n"},
          {"MATOME5B.PFM", "00     -12.376\r\n02  ─────\r\n"},
          {"MATOME6.PFM", "00  SP-IVを使用する。\r\n01    3.000\r\n02   + \r\n03   12.376\r\n"
                          "04   15.376\r\n05    0.000\r\n06    0.000\r\n"}},
         {"MATOME3B.PFM", "MATOME4B.PFM", "MATOMET.PFM"}},
        // River standard with 1 mm on both faces: both zones alike, the sea-water
        // pair dashed; SP-IV after corrosion 125.3.
        {"every check, zones alike",
         corroded,
         "",
         {{"MATOME2.PFM", "00       109.8\r\n09       180.0\r\n01  ─────\r\n10  ─────\r\n"
                          "02       125.3\r\n11       180.0\r\n03  ─────\r\n04  ─────\r\n"
                          "05  ─────\r\n12  ─────\r\n13  ─────\r\n14  ─────\r\n06   ○\r\n"
                          "07   ─\r\n08   ○\r\n"},
          {"MATOME5.PFM", "00     -12.376\r\n01     -12.190\r\n02  ─────\r\n03  ─────\r\n"}},
         {}},
        // Every pile fails: the last one stands, judged ×, and no pile is named for use.
        {"every pile fails",
         failing,
         "",
         {{"MATOME2B.PFM", "00       109.8\r\n09       100.0\r\n03  ─────\r\n12  ─────\r\n"
                           "06   ×\r\n"}},
         {"MATOME6.PFM"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ReportRun run = run_report(c.input, 0, {ForceSection{}}, [&](const ProgramFolder& f) {
            if (!c.cal_nei.empty()) f.write("CAL_NEI.DAT", c.cal_nei);
        });
        ASSERT_EQ(run.tvnprn.exit_code, 0) << run.tvnprn.err;
        const std::string page = run.file("JD999MTM.PDT");
        EXPECT_TRUE(
            contains(page, "$1  MATOME1.PFM\r\n99  3.検討結果のまとめ[完成時]\r\n00  SP-IV\r\n"));
        for (const auto& [name, lines] : c.blocks)
            EXPECT_EQ(summary_block(page, name), lines) << name;
        for (const std::string& name : c.absent)
            EXPECT_FALSE(contains(page, name)) << name;
    }
}

// The adopted tip and length of the results dialog replace TVNCAL's zeros;
// against the required tip -12.376 and length 3.000 + 12.376 = 15.376, an
// adoption that falls short by more than 0.0005 m is said beside them.
TEST(TvnprnSummary, AnAdoptionShortOfTheRequiredPileIsSaidBesideIt) {
    struct Case {
        const char* what;
        const char* cal_nei;
        const char* adopted; // lines 05 and 06 as printed
        bool noted;
    };
    const Case cases[] = {
        {"as the results dialog proposes", "-12.500\r\n15.500\r\n",
         "05   15.500\r\n06  -12.500\r\n", false},
        {"the required tip and length", "-12.376\r\n15.376\r\n", "05   15.376\r\n06  -12.376\r\n",
         false},
        {"within 0.0005 m", "-12.3756\r\n15.3756\r\n", "05   15.376\r\n06  -12.376\r\n", false},
        {"tip above", "-12.000\r\n15.500\r\n", "05   15.500\r\n06  -12.000\r\n", true},
        {"pile shorter", "-12.500\r\n15.000\r\n", "05   15.000\r\n06  -12.500\r\n", true},
        {"a depth typed for the tip", "3.000\r\n15.500\r\n", "05   15.500\r\n06    3.000\r\n",
         true},
    };
    const std::string head = "00  SP-IVを使用する。\r\n01    3.000\r\n02   + \r\n03   12.376\r\n"
                             "04   15.376\r\n";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ReportRun run =
            run_report(StabilityInput{}, 0, {ForceSection{}},
                       [&](const ProgramFolder& f) { f.write("CAL_NEI.DAT", c.cal_nei); });
        ASSERT_EQ(run.tvnprn.exit_code, 0) << run.tvnprn.err;
        const std::string note = c.noted ? "07  採用値が必要値を満たしていません\r\n" : "";
        EXPECT_EQ(summary_block(run.file("JD999MTM.PDT"), "MATOME6.PFM"), head + c.adopted + note);
    }
}

TEST(TvnprnSummary, ConstructionStageOfTheCompletedStatesPileShowsTheReactionUnchecked) {
    StabilityInput in;
    in.studies = 3;
    in.decision = 111;
    in.examine = "2,1,2,1,1,1,2,1";
    ForceSection construction;
    construction.pressure = 0.0; // no passive pressure in the construction stage
    const ReportRun run = run_report(in, 0, {ForceSection{}}, [&](const ProgramFolder& f) {
        f.write("GAIRYOK.DAT", test::force_file_text(1, {construction}));
        ASSERT_EQ(run_program(f, "TVNCAL").exit_code, 0);
    });
    ASSERT_EQ(run.tvnprn.exit_code, 0) << run.tvnprn.err;
    const std::string page = run.file("JW999MTM.PDT");
    EXPECT_EQ(summary_block(page, "MATOME4A.PFM"),
              "00     216.900\r\n06       0.000\r\n04   －\r\n");
    // The reaction decides nothing here: the pile is named for use.
    EXPECT_TRUE(contains(page, "$0  MATOME6.PFM\r\n00  SP-IVを使用する。\r\n"));
}

TEST(TvnprnSummary, ConcretePilesAndSteelPipesHaveTheirOwnBlocks) {
    struct Case {
        const char* what;
        StabilityInput input;
        ForceSection section;
        std::vector<std::pair<std::string, std::string>> blocks; // template and its lines
        std::string pipe_section; // the corroded pipe section of the chapter, if any
    };
    // PC piles under a landward load: the moment's magnitude (86.516 kN*m/m,
    // signed -86.516 on the trial pages) against PC-300's 120 kN*m/m.
    StabilityInput concrete;
    concrete.pile_type = 6;
    ForceSection landward;
    landward.force = -20.0;
    // D 1000 t 12 at a spacing of 1.06956 m: I = pi / 64 (100^4 - 97.6^4) /
    // 1.06956 = 424982 cm4/m, Z = I / 50 = 8500 cm3/m. Secondary stress
    // against 140, combined stress against 1.1 x 140 = 154.
    StabilityInput pipe;
    pipe.pile_type = 4;
    pipe.extra = "kokan,1000,12,1\r\nnir_t,2,1,0,1,0,0\r\n";
    // 1 mm off the outside of the wall: pi / 64 (99.8^4 - 97.6^4) / 1.06956 =
    // 388376 cm4/m, Z = I / 49.9 = 7783 cm3/m.
    StabilityInput corroded = pipe;
    corroded.decision = 111;
    corroded.allowance_water = 1.0;
    corroded.allowance_land = 1.0;
    const Case cases[] = {
        {"concrete pile",
         concrete,
         landward,
         {{"MATOME7B.PFM", "00      86.516\r\n09     120.000\r\n03  ─────\r\n12  ─────\r\n"
                           "06   ○\r\n"},
          {"MATOME6.PFM", "00  PC-300を使用する。\r\n01    3.000\r\n02   + \r\n03   15.357\r\n"
                          "04   18.357\r\n05    0.000\r\n06    0.000\r\n"}},
         ""},
        {"steel pipe, no corrosion",
         pipe,
         ForceSection{},
         {{"MATOME2B.PFM", "00        31.2\r\n09       140.0\r\n03  ─────\r\n12  ─────\r\n"
                           "06   ○\r\n"},
          {"MATOME8A.PFM", "00         0.6\r\n06       140.0\r\n04   ○\r\n"},
          {"MATOME9A.PFM", "00        30.9\r\n06       154.0\r\n02  ─────\r\n08  ─────\r\n"
                           "04   ○\r\n"}},
         ""},
        {"steel pipe, corroded",
         corroded,
         ForceSection{},
         {{"MATOME8.PFM", "00         0.6\r\n06       140.0\r\n01         0.7\r\n"
                          "07       140.0\r\n04   ○\r\n05   ○\r\n"},
          {"MATOME9.PFM", "00        30.9\r\n06       154.0\r\n01        33.7\r\n"
                          "07       154.0\r\n02  ─────\r\n03  ─────\r\n08  ─────\r\n"
                          "09  ─────\r\n04   ○\r\n05   ○\r\n"}},
         "05   1.00\r\n06   1.00\r\n07  106.956\r\n08      388376\r\n09        7783\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ReportRun run = run_report(c.input, 0, {c.section});
        ASSERT_EQ(run.tvnprn.exit_code, 0) << run.tvnprn.err;
        const std::string page = run.file("JD999MTM.PDT");
        for (const auto& [name, lines] : c.blocks)
            EXPECT_EQ(summary_block(page, name), lines) << name;
        const std::string chapter = run.file("JD103CYN.PDT");
        if (c.input.pile_type == 4) {
            EXPECT_TRUE(contains(chapter, "$0  KOKAN_FM.PFM\r\n07  106.956\r\n08      424982\r\n"
                                          "09        8500\r\n"));
        }
        if (!c.pipe_section.empty()) {
            EXPECT_EQ(summary_block(chapter, "KOKAN_KS.PFM"), c.pipe_section);
        }
    }
}

// A change to the folder after TVNCAL that TVNPRN must refuse.
struct Refusal {
    const char* what;
    std::function<void(const ProgramFolder&)> change;
    std::string message;          // UTF-8, as the box shows it
    bool chapter_written = false; // the stop comes after the first chapter file
};

void remove_file(const ProgramFolder& f, const char* name) {
    std::filesystem::remove(f.file(name));
}

void append(const ProgramFolder& f, const char* name, const std::string& bytes) {
    f.write(name, f.read(name) + bytes);
}

void replace_line(const ProgramFolder& f, const char* name, const std::string& from,
                  const std::string& to) {
    std::string text = f.read(name);
    const std::size_t at = text.find(from);
    ASSERT_NE(at, std::string::npos) << from;
    f.write(name, text.replace(at, from.size(), to));
}

TEST(TvnprnRefusals, DamagedOrMissingInputsStopBeforeTheSummary) {
    const Refusal refusals[] = {
        {"customisation", [](const ProgramFolder& f) { remove_file(f, "TVNCSTM.DAT"); },
         utf8(u8"(ERROR)-カスタマイズ用ファイル(TVNCSTM.DAT)がオープンできません.")},
        {"common results", [](const ProgramFolder& f) { remove_file(f, "NEIRE_CM.PRN"); },
         utf8(u8"(ERROR)-根入れ部計算結果ファイル(neire_cm.prn)がオープンできません.")},
        {"force file", [](const ProgramFolder& f) { remove_file(f, "GAIRYOK.DAT"); },
         utf8(u8"(ERROR)-外力計算結果ファイル(GAIRYOK.DAT)がオープンできません.")},
        {"case records", [](const ProgramFolder& f) { remove_file(f, "NEIRE.PRN"); },
         utf8(u8"(ERROR)-根入れ部計算結果ファイル(neire.prn)がオープンできません.")},
        {"tide-level records", [](const ProgramFolder& f) { remove_file(f, "NEIRE_TL.PRN"); },
         utf8(u8"(ERROR)-根入れ部計算結果ファイル(neire_tl.prn)がオープンできません.")},
        {"a case record too many", [](const ProgramFolder& f) { append(f, "NEIRE.PRN", "x"); },
         utf8(u8"(ERROR)-根入れ部計算結果ファイル(NEIRE.PRN)に読まれない記録が残っています."),
         true},
        {"a tide-level record too many",
         [](const ProgramFolder& f) { append(f, "NEIRE_TL.PRN", std::string(464, '\0')); },
         utf8(u8"(ERROR)-根入れ部計算結果ファイル(NEIRE_TL.PRN)に読まれない記録が残っています."),
         true},
        {"a force section too many",
         [](const ProgramFolder& f) {
             append(f, "GAIRYOK.DAT", test::force_file_text(0, {ForceSection{}}).substr(3));
         },
         utf8(u8"(ERROR)-外力計算結果ファイル(GAIRYOK.DAT)の内容が正しくありません"), true},
        {"no start row",
         [](const ProgramFolder& f) {
             replace_line(f, "GAIRYOK.DAT", "\r\n0,2,1\r\n", "\r\n-1,2,1\r\n");
         },
         utf8(u8"(ERROR)-外力計算結果ファイル(GAIRYOK.DAT)の常  "
              u8"時に仮想海底面の土層がありません(開始位置 -1).")},
        {"unknown method",
         [](const ProgramFolder& f) {
             replace_line(f, "CAL_FILE.DAT", "swdat,3,1,", "swdat,3,6,");
         },
         utf8(u8"(ERROR)-根入れ長の計算方法(6)は 1 から 5 のいずれかにして下さい.")},
        {"chapter file taken by a folder",
         [](const ProgramFolder& f) { std::filesystem::create_directory(f.file("JD103CYN.PDT")); },
         utf8(u8"印字用ファイル(JD103CYN.PDT)がオープンできません."), true},
    };
    for (const Refusal& r : refusals) {
        SCOPED_TRACE(r.what);
        const ReportRun run = run_report(StabilityInput{}, 0, {ForceSection{}}, r.change);
        ASSERT_EQ(run.tvncal.exit_code, 0) << run.tvncal.err;
        EXPECT_EQ(run.tvnprn.exit_code, 1);
        EXPECT_TRUE(contains(run.tvnprn.err, r.message)) << run.tvnprn.err;
        EXPECT_FALSE(run.has("JD999MTM.PDT"));
        if (!r.chapter_written) {
            EXPECT_FALSE(run.has("JD103CYN.PDT"));
        }
    }
}

TEST(TvnprnRefusals, CorrodedSectionChartTableWithoutAUsableLine) {
    // River standard, 1 mm on both faces: SP-IV (id 23) is drawn from its line.
    StabilityInput in;
    in.allowance_water = 1.0;
    in.allowance_land = 1.0;
    const std::string sp_iv = "23,\"SP-IV\",1000,2400,200,4,0,8,1,2,7.75,6.20,5.16,4.42,3.87\r\n";
    const Refusal refusals[] = {
        {"table missing", [](const ProgramFolder& f) { remove_file(f, "YAITA.FDM"); },
         utf8(u8"(ERROR)-鋼矢板の腐食の表ﾃﾞｰﾀﾌｧｲﾙ(YAITA.FDM)がｵｰﾌﾟﾝできません.")},
        {"no line of the pile",
         [](const ProgramFolder& f) {
             f.write("YAITA.FDM", "# comment\r\n21,\"SP-II\",400,900,100,5,0,6,1,2,5,4,3,3,2\r\n");
         },
         utf8(u8"(ERROR)-鋼矢板の腐食の表ﾃﾞｰﾀﾌｧｲﾙ(YAITA.FDM)の矢板(ID 23)の行がありません.")},
        {"interval 0",
         [](const ProgramFolder& f) {
             f.write("YAITA.FDM",
                     "23,\"SP-IV\",1000,2400,0,4,0,8,1,2,7.75,6.20,5.16,4.42,3.87\r\n");
         },
         utf8(u8"(ERROR)-鋼矢板の腐食の表ﾃﾞｰﾀﾌｧｲﾙ(YAITA.FDM)の矢板(ID "
              u8"23)の行が正しくありません(Ｚ軸の間隔が 1 未満です).")},
    };
    for (const Refusal& r : refusals) {
        SCOPED_TRACE(r.what);
        const ReportRun run = run_report(in, 0, {ForceSection{}}, [&](const ProgramFolder& f) {
            remove_file(f, "FYAITA.PZK");
            r.change(f);
        });
        ASSERT_EQ(run.tvncal.exit_code, 0) << run.tvncal.err;
        EXPECT_EQ(run.tvnprn.exit_code, 1);
        EXPECT_TRUE(contains(run.tvnprn.err, r.message)) << run.tvnprn.err;
        EXPECT_FALSE(run.has("JD103CYN.PDT"));
        EXPECT_FALSE(run.has("FYAITA.PZK"));
    }
    // The line as installed draws the chart, named by the section page.
    const ReportRun run = run_report(in, 0, {ForceSection{}},
                                     [&](const ProgramFolder& f) { f.write("YAITA.FDM", sp_iv); });
    ASSERT_EQ(run.tvnprn.exit_code, 0) << run.tvnprn.err;
    EXPECT_TRUE(run.has("FYAITA.PZK"));
    EXPECT_TRUE(contains(run.file("JD103CYN.PDT"), "$R  28\r\n$0                  FYAITA.PZK\r\n"));
}

} // namespace
} // namespace wtn
