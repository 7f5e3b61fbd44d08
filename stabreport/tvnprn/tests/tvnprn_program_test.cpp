// TVNPRN run after TVNCAL, as the run chain runs them, on program folders
// with a hand-written GAIRYOK.DAT (stability_fixture.h): P 60 kN/m with lever
// arm 4 m at the virtual seabed -7.00 in uniform ground of kh 30000 kN/m3,
// crown +3.00. TVNCAL decides SP-IV by hand: stress 109.8 N/mm2 against
// 180.0, beta 0.558, embedment 3 / 0.558 = 5.376, toe -12.376.
#include "child_process.h"
#include "program_folder.h"
#include "stability_fixture.h"

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

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

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

} // namespace
} // namespace wtn
