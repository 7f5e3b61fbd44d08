// SRGPRT after TVNWAV and TVNCAL, as the front end's construction-stage
// branch runs them, on the wall of TVNWAV's chain test: tide at H.W.L. +2.00
// and L.W.L. 0.00, sheet-pile crown +3.00, toe works and the lower limit of
// the wave pressure at -6.00, ground in front and construction-stage seabed
// at -8.00, h_b at -9.00, still water on; the installed catalogue piles.
#include "child_process.h"
#include "cp932_codec.h"
#include "customisation_text.h"
#include "default_input_lines.h"
#include "fixed_run_stamp.h"
#include "program_folder.h"
#include "viewer_check.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace wtn {
namespace {

using test::ChildResult;
using test::ProgramFolder;

struct Section {
    int system_switch = 0;
    int cases = 1;                                         // swdat item 6
    int formula = 1;                                       // 1 Goda, 2 Kuroda / Hiroi
    std::string examine = "2 , 1 , 1 , 1 , 1 , 1 , 2 , 1"; // H.W.L. and L.W.L.
    std::string hwl = "hwl__, 1 , 2.35 , 0 , 2 , 0 , 60 , 0 ";
    std::string lwl = "lwl__, 2 , 1.5 , 2.7 , 2 , 0 , 50 , 10 ";
    std::string tjkn1 = "tjkn1, 2.5 , 1 , 10 , 3 , -10 , 5 , 180 , 270 , 180 , -8 , 200 , 0 ";
    std::string seismic_forces; // etcjs lines
};

std::string input_file(const Section& s) {
    const std::vector<std::string> lines = {
        "versi,\"<2.00>\", 1 ",
        "gyonm,\"施工時の波圧\"",
        "swdat, 1 , 1 , 1 , 1 , 2 , " + std::to_string(s.cases) +
            " , 1 , 1 , 111 , 1 , 1 , 2 , 2 , 1 ",
        "wavsw,\"\", " + std::to_string(s.formula) + " , 2 , 1 , " + s.examine + " ",
        "joken, 2 , 0 , 1 , 1 , 3.5 , -10 , -20 , -30 , 0 , 0 , 10.1 , 0 , 0 , 5 , 5 , 1 , 1 , 1 ",
        s.tjkn1,
        test::kDefaultEmbedmentLine,
        test::kDefaultCorrosionLine,
        test::kDefaultJointLine,
        "sdatu, 3.5 , 18 , 10 , 20 , 30 , 0 , 0 , 1 , 0 , 3000 ",
        "sdatu, -5 , 17 , 7 , 17 , 0 , 20 , 1.5 , 2 , 0 , 0 ",
        "jdatu, -10 , 17 , 7 , 17 , 30 , 0 , 0 , 1 , 0 , 5000 ",
        "wlvl_, 1 , -6 , -6 , -8 , 2 , 0 , -5 , -9 , -9 , -20 ",
        s.hwl,
        s.lwl,
        test::kNoAdoptedValuesLine,
        "nir_t, 2 , 2 , 0 , 1 , 0 , 0 ",
        "wav_t, 1 ",
        test::kDefaultWallFrictionLine,
    };
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text + s.seismic_forces;
}

std::string customisation_file() {
    std::vector<std::string> lines = test::front_end_customisation_lines();
    lines[test::kCompatibilityLine] = "dummy";
    return test::customisation_file(lines);
}

struct ChainRun {
    std::unique_ptr<ProgramFolder> folder = std::make_unique<ProgramFolder>();
    ChildResult wav, cal, report;
};

ChainRun run_chain(const Section& s) {
    ChainRun run;
    run.folder->write("CAL_FILE.DAT", input_file(s));
    run.folder->write("TVNCSTM.DAT", customisation_file());
    run.folder->write("PRG_SW.DAT", std::to_string(s.system_switch) + "\r\n");
    run.folder->write("CAL_FILE.INF", test::stamped_run_file("WAVECHAIN", "wave chain"));
    run.wav = test::run_batch_in(*run.folder, "TVNWAV");
    if (run.wav.exit_code != 0) return run;
    run.cal = test::run_batch_in(*run.folder, "TVNCAL");
    if (run.cal.exit_code != 0) return run;
    run.report = test::run_batch_in(*run.folder, "SRGPRT");
    return run;
}

std::string read_text(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

// An expected page written by hand, kept in UTF-8 with LF: as the program
// writes it, code page 932 with CR LF.
std::string expected_page(const std::string& name) {
    const std::string utf8 =
        read_text(std::filesystem::path(WTN_SOURCE_DIR) / "tests/e2e/srgprt/expected" / name);
    std::string crlf;
    for (char c : utf8) {
        if (c == '\n') crlf += '\r';
        crlf += c;
    }
    return utf8_to_cp932(crlf);
}

bool has_line(const std::string& text, const std::string& line) {
    return text.find("\r\n" + line + "\r\n") != std::string::npos ||
           text.rfind(line + "\r\n", 0) == 0;
}

void expect_lines(const std::string& text, const std::vector<std::string>& lines,
                  const std::string& what) {
    for (const std::string& line : lines)
        EXPECT_TRUE(has_line(text, line)) << what << ": missing \"" << line << "\"";
}

// H.W.L. (chapter 2), Goda with the breaking-wave influence: H = 1.8 x 2.35
// = 4.23; h 10, h' = d = 8, h_b 11, L 60, beta 0: eta* = 0.75 x 2 x 4.23 =
// 6.345; 4 pi h / L = 2.0933, alpha1 = 0.6 + 0.5 (2.0933 / sinh 2.0933)^2 =
// 0.737; alpha2 = min((11 - 8) / 33 x (4.23 / 8)^2 = 0.025, 2 x 8 / 4.23 =
// 3.783) = 0.025; alpha3 = 1 - 0.8 (1 - 1 / cosh 1.0467) = 0.700; p1 = 0.5 x
// 2 x (0.737 + 0.025) x 1.03 x 9.81 x 4.23 = 32.569, p2 = 32.569 / cosh
// 1.0467 = 20.360, p3 = 0.7 x 32.569 = 22.798. The pieces from the wall top
// +3.00 (27.436 there) down to h' -6.00, as worked in TVNWAV's chain test,
// with their lever arms above -8.00: 13.718 x 10.667 = 146.330, 16.284 x
// 10.333 = 168.263, 130.276 x 7.333 = 955.314, 91.192 x 4.667 = 425.593,
// 251.470 and 1695.500; still water 10.1 x 10 = 101.0 at the seabed, 0.5 x
// 101 x 10 = 505.000 at 3.333 (1683.165); totals 756.470, 3378.665, h0 =
// 3378.665 / 756.470 = 4.466. The whole page in expected/JW102HAT.PDT.txt.
TEST(SrgprtChain, GodaChaptersAndListAgainstTheHandValues) {
    const ChainRun run = run_chain(Section{});
    ASSERT_EQ(run.wav.exit_code, 0) << run.wav.err;
    ASSERT_EQ(run.cal.exit_code, 0) << run.cal.err;
    ASSERT_EQ(run.report.exit_code, 0) << run.report.err;

    EXPECT_EQ(run.folder->read("JW102HAT.PDT"), expected_page("JW102HAT.PDT.txt"));

    // L.W.L. (chapter 3): H = Hmax 2.70 given; h 8, h' = d = 6, h_b 9, L 50,
    // beta 10: eta* = 0.75 x 1.98481 x 2.7 = 4.019; alpha1 0.750, alpha2 =
    // 3 / 27 x 0.45^2 = 0.022, alpha3 = 1 - 0.75 (1 - 1 / cosh 1.0048) = 0.734;
    // p1 = 0.5 x 1.98481 x (0.750 + 0.022 x 0.96985) x 10.104 x 2.7 = 20.883,
    // p2 = 20.883 / 1.54855 = 13.484, p3 = 0.734 x 20.883 = 15.328; still
    // water 10.1 x 8 = 80.8, 0.5 x 80.8 x 8 = 323.200; totals 147.899 +
    // 323.2 = 471.099 and 921.166 + 861.974 = 1783.140, h0 3.785.
    const std::string lwl = run.folder->read("JW302HAT.PDT");
    expect_lines(lwl,
                 {"施工時-L.W.L.  :波圧", "99  3.<L.W.L.> の検討", "98  3-1", "$0  JW_HHDG1.PFM",
                  "00    2.70", "02   4.019", "05   0.750", "08   0.022", "10   0.734",
                  "12    20.883", "13    13.484", "14    15.328", "04    80.800", "04   323.200",
                  "00   471.099", "01    1783.140", "02   3.785",
                  "$0                  HMOMNTZ2.PZK"},
                 "JW302HAT.PDT");

    // The whole list: expected/PFMTEMP.TMP.txt. No period, so the wave
    // lengths are 1-5; no corrosion block (the stability calculation's flag
    // is -1); Chang's method lists the one land layer between the seabed and
    // the bottom, N 0.838 from the cohesion and kh = 1500 N.
    EXPECT_EQ(run.folder->read("PFMTEMP.TMP"), expected_page("PFMTEMP.TMP.txt"));
    const std::string index = run.folder->read("JW000JKN.PDT");
    EXPECT_EQ(index.substr(0, index.find("\r\n")), "施工時         :設計条件");
    EXPECT_NE(index.find("\r\n$1                  W_JOKENZ.PZK\r\n"), std::string::npos);
    for (const char* drawing : {"HMOMNTZ0.PZK", "HMOMNTZ2.PZK", "W_JOKENZ.PZK"})
        EXPECT_TRUE(run.folder->exists(drawing)) << drawing;

    test::check_viewer(*run.folder,
                       {"施工時-H.W.L.  :波圧", "施工時-L.W.L.  :波圧", "32.569", "756.470",
                        "20.883", "1-4.設計波高"},
                       "srgprt_goda", true);
}

// Kuroda / Hiroi, system switch 1, both cases, one seismic force: the crest is
// the superstructure crown +10.00. H.W.L.: H 5.0, H1/3 4.5 (2 x 4.5 > d 8, a
// breaking wave), no works, port standard: p = 1.5 x 10.1 x 5 = 75.750 from
// the crest 2 + 1.25 x 5 = +8.25 down to h' -6.00: 75.75 x 14.25 = 1079.438,
// with still water 505.000: 1584.438. L.W.L.: H 2.0, H1/3 1.5 (standing), D =
// h = 8, L 40: delta0 = 3.14 x 4 / 40 / tanh 1.256 = 0.369, p = 1.5 x 10.1 x
// 2 = 30.300, p2 = 20.2 / cosh 1.256 = 10.642, p1 = (80.8 + 10.642) x 2.369 /
// 10.369 = 20.892.
TEST(SrgprtChain, KurodaHiroiBothCasesWithSwitchOne) {
    Section s;
    s.system_switch = 1;
    s.cases = 3;
    s.formula = 2;
    s.hwl = "hwl__, 0 , 4.5 , 5 , 2 , 0 , 60 , 0 ";
    s.lwl = "lwl__, 0 , 1.5 , 2 , 2 , 0 , 40 , 0 ";
    s.seismic_forces = "etcjs,\"係船柱\", 10 , 3 \r\n";
    const ChainRun run = run_chain(s);
    ASSERT_EQ(run.wav.exit_code, 0) << run.wav.err;
    ASSERT_EQ(run.cal.exit_code, 0) << run.cal.err;
    ASSERT_EQ(run.report.exit_code, 0) << run.report.err;

    const char* pages[] = {"JW102HAT.PDT", "JW202HAT.PDT", "JW302HAT.PDT", "JW402HAT.PDT"};
    for (int i = 0; i < 4; ++i) {
        const std::string page = run.folder->read(pages[i]);
        EXPECT_TRUE(has_line(page, "98  " + std::to_string(2 + i) + "-1")) << pages[i];
    }
    const std::string hwl = run.folder->read("JW102HAT.PDT");
    EXPECT_EQ(hwl.substr(0, hwl.find("\r\n")), "H.W.L.  -常  時:波圧");
    expect_lines(hwl, {"$0  JW_HSYK.PFM", "06    75.750", "00  1584.438"}, "JW102HAT.PDT");
    const std::string seismic = run.folder->read("JW202HAT.PDT");
    expect_lines(
        seismic,
        {"99  3.地震時 <H.W.L.> の検討", "01  係船柱" + std::string(14, ' '), "02    10.000"},
        "JW202HAT.PDT");
    const std::string lwl = run.folder->read("JW302HAT.PDT");
    expect_lines(lwl,
                 {"$0  JW_HCYK.PFM     JW_HCYK.PZK", "04   0.369", "05    30.300", "06    10.642",
                  "07    20.892", "00   474.104", "02   3.812"},
                 "JW302HAT.PDT");
    const std::string index = run.folder->read("JW000JKN.PDT");
    EXPECT_EQ(index.substr(0, index.find("\r\n")), "設計条件");

    test::check_viewer(*run.folder, {"H.W.L.  -地震時:波圧", "75.750", "1-4.設計波高"},
                       "srgprt_kuroda", true);
}

// Tide levels closer than a text's height: H.H.W.L. +2.50, the user-named
// level +2.30 and H.W.L. +2.00 (0.2 and 0.3 m apart, a text 0.5 m high at the
// figure's scale). Each mark stays on its own line and no text is struck
// through or printed over another: the lint of the viewer finds nothing.
TEST(SrgprtChain, CloseTideLevelsKeepTheirLabelsLegible) {
    Section s;
    s.tjkn1 = "tjkn1, 2.5 , 2.3 , 10 , 3 , -10 , 5 , 180 , 270 , 180 , -8 , 200 , 0 ";
    const ChainRun run = run_chain(s);
    ASSERT_EQ(run.report.exit_code, 0) << run.wav.err << run.cal.err << run.report.err;
    test::check_viewer(*run.folder, {"H.H.W.L.+2.50", "+2.30", "H.W.L.+2.00", "L.W.L.+0.00"},
                       "srgprt_close_tide_levels");
}

} // namespace
} // namespace wtn
