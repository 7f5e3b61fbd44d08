// SOLPRT after TVNDAT on the uniform sand section of the chain tests: ground
// and superstructure crown +3.0, R.W.L. = L.W.L. 0.0, design seabed -6.0, one
// sand layer a side (phi 30 deg, wet 18, submerged 10 kN/m3) down to -30.0,
// k = 0.15 with the Arai-Yokoi proposal and the hydrodynamic pressure on.
// SJOKEN.DAT and CAL_FILE.INF are written as the stability calculation and
// the check list leave them. Expected pages are written by hand.
//
// Hand values of the normal case: Ka = tan^2(45 - 15) = 0.3333, pa at 0.00
// = 0.3333 x 54 = 17.998, at -30.00 = 0.3333 x 354 = 117.988; Kp = 3.0,
// pp at -30.00 = 3 x 240 = 720.0; the virtual seabed where 37.996 + 3.3333 z
// meets 30 z below -6.00: z = 1.425, level -7.425.
#include "child_process.h"
#include "cp932_codec.h"
#include "current_folder.h"
#include "fixed_run_stamp.h"
#include "load_tables.h"
#include "program_folder.h"
#include "report_conditions.h"
#include "run_info.h"
#include "text_search.h"
#include "viewer_check.h"
#include "wall_section.h"

#include <gtest/gtest.h>

#ifdef WTN_WITH_VIEWER
#include "report_folder.h"
#endif

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace wtn {
namespace {

using test::ChildResult;
using test::ProgramFolder;

std::string read_expected(const std::string& name) {
    std::ifstream in(std::string(WTN_EXPECTED_DIR) + "/" + name, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

// A page file as UTF-8 lines without their CR LF.
std::vector<std::string> lines_of(const std::string& cp932) {
    std::vector<std::string> lines;
    std::istringstream in(cp932_to_utf8(cp932));
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

std::string utf8_text(const std::string& cp932) {
    std::string text;
    for (const std::string& line : lines_of(cp932))
        text += line + "\n";
    return text;
}

// Every expected line appears, each after the one before.
void expect_in_order(const std::vector<std::string>& lines,
                     const std::vector<std::string>& expected, const std::string& what) {
    std::size_t at = 0;
    for (const std::string& want : expected) {
        while (at < lines.size() && lines[at] != want)
            ++at;
        if (at == lines.size()) {
            ADD_FAILURE() << what << ": \"" << want << "\" missing or out of order";
            return;
        }
        ++at;
    }
}

bool has_line(const std::vector<std::string>& lines, const std::string& want) {
    for (const std::string& line : lines)
        if (line == want) return true;
    return false;
}

// Allowable stresses 180 / 270 N/mm2, displacements 5.00 / 7.50 cm, no N
// values, the two corrosion zones differing.
void write_report_inputs(const ProgramFolder& folder) {
    test::CurrentFolder here(folder);
    ReportConditions rc;
    rc.allowable_stress = {180.0, 270.0};
    rc.allowable_displacement = {5.0, 7.5};
    rc.n_value_flag = 0;
    rc.corrosion_case = 0;
    rc.user_pile = 0;
    write_sjoken(rc);
    write_run_info(test::stamped_run("UNIFORM", "uniform sand"));
}

// A program folder after TVNDAT on the section, with the report inputs.
struct Section {
    ProgramFolder folder;
    explicit Section(const test::WallSection& s) {
        folder.write("CAL_FILE.DAT", test::input_file_text(s));
        folder.write("TVNCSTM.DAT", test::customisation_text());
        const ChildResult dat = test::run_batch_in(folder, "TVNDAT");
        EXPECT_EQ(dat.exit_code, 0) << dat.err;
        write_report_inputs(folder);
    }
    ChildResult report() const { return test::run_batch_in(folder, "SOLPRT"); }
    std::vector<std::string> page(const std::string& name) const {
        return lines_of(folder.read(name));
    }
};

test::WallSection uniform_sand(int cases) {
    test::WallSection s;
    s.cases = cases;
    return s;
}

// The embankment fixture: the uniform section behind a fill from the
// ground-surface top +3.0 up to +5.0 (gamma 18) with ground points (0, 3),
// (0, 5), (40, 5) and surcharge zones [0, 2] 10 / 5 and [10, 30] 20 / 10
// kN/m2 (normal / seismic). Normal case, sand phi 30 without wall friction:
// every failure plane at 60 deg. The wedge from 0.00 crosses +3.0 at
// L = 3 / tan 60 = 1.7321 and leaves the fill at X = L + 2 / tan 60 =
// 2.8868: W = 18 x area (0,3) (0,5) (2,5) (X,5) (L,3) = 18 x 4.6189 =
// 83.1402, Q = 10 x 2 = 20, q = (W + Q) / L = 59.5463. The wedge from -30.00:
// L = 33 / tan 60 = 19.0526, X = 20.2073, Q = 20 + 20 x 10.2073 = 224.1460.
test::WallSection embankment(int cases, int surcharge_mode) {
    test::WallSection s = uniform_sand(cases);
    s.ground_shape = 2;
    s.surcharge_mode = surcharge_mode;
    s.ground = {{0.0, 3.0}, {0.0, 5.0}, {40.0, 5.0}};
    s.fills = {test::Fill{5.0}};
    s.zones = {{0.0, 2.0, 10.0, 5.0}, {10.0, 30.0, 20.0, 10.0}};
    return s;
}

TEST(SolprtChain, EmbankmentSurchargeChapterNormalCase) {
    Section s(embankment(3, 2));
    const ChildResult r = s.report();
    ASSERT_EQ(r.exit_code, 0) << r.err;
    expect_in_order(s.page("JD101KJU.PDT"),
                    {"完成時-常    時:上載荷重(各土層)", "$1  GAI_TITL.PFM", "99  2.常時の検討",
                     "98  2-1", "$0  JKJU_MDS.PFM", "99  各土層", "98  各土層の崩壊角",
                     "$0  JKJU_TZ1.PFM    JKJU_TZ1.PZK", "99    0.0", "$1  JKJU_KSN.PFM",
                     // block a: the wedge from the bottom of the layer 3.00..0.00
                     "$0  JKJU_DSU.PFM", "00    a", "01    0.000", "$R  7", "$0  JKJU_ZT2.PFM",
                     "00        0.00", "01    60° 0′ 0″", "$R  10", "$0  JKJU_JS3.PFM",
                     "00         10.00", "01        2.0000", "02       20.0000", "$0  JKJU_JS4.PFM",
                     "00       20.0000", "$0  JKJU_TTL.PFM", "$R  18", "03        5.19630000",
                     "03      -10.00000000", "03      -14.43400269", "03        1.33950000",
                     "03        8.66040162", "$0  JKJU_TT5.PFM", "00        9.23780107",
                     "01       4.618900535", "$0  JKJU_TT7.PFM", "02        18.000",
                     "03     83.1402", "$0  JKJU_TT8.PFM", "00     83.1402", "$0  JKJU_TU2.PFM",
                     "00     83.1402", "01       20.0000", "02    1.7321", "03     59.5463",
                     "$0  JKJU_TU3.PFM", "00       59.55", "$1                  JKJUZ000.PZK",
                     // block b: from -30.00, the second zone cut at X
                     "$0  JKJU_DSU.PFM", "00    b", "01  -30.000", "$R  9", "01    60° 0′ 0″",
                     "01    60° 0′ 0″", "$R  12", "00         20.00", "01       10.2073",
                     "02      204.1460", "00      224.1460", "01      39.259900535",
                     "03    706.6782", "03     48.8555", "$1                  JKJUZ001.PZK"},
                    "JD101KJU.PDT");
}

// Seismic case: k = 0.15 in air above the water, Arai-Yokoi below; the
// angles of the two layers in the deepest wedge are the load calculation's.
TEST(SolprtChain, EmbankmentSurchargeChapterSeismicCase) {
    Section s(embankment(3, 2));
    ASSERT_EQ(s.report().exit_code, 0);
    const std::vector<std::string> page = s.page("JD201KJU.PDT");
    expect_in_order(page,
                    {"完成時-地 震 時:上載荷重(各土層)",
                     "99  3.地震時の検討",
                     "98  3-1",
                     "98  各土層の崩壊角及び、震度",
                     "$0  JKJU_TZ2.PFM    JKJU_TZ2.PZK",
                     "$0  JKJU_TZ3.PFM",
                     "99   45.0",
                     "$0  SHINDO3.PFM",
                     "00    a",
                     "01    52°35′30″",
                     "00          5.00",
                     "01        2.0000",
                     "02       10.0000",
                     "00    b",
                     "01    52°35′30″",
                     "01    46°55′21″",
                     "00          5.00",
                     "00         10.00",
                     "00      210.0000",
                     "03   1119.9812",
                     "03     43.8275"},
                    "JD201KJU.PDT");
    EXPECT_EQ(std::count(page.begin(), page.end(), "$0  JKJU_JS3.PFM"), 3);
}

TEST(SolprtChain, EmbankmentSurchargeAtTheSeabedHasOneBlock) {
    Section s(embankment(1, 1));
    ASSERT_EQ(s.report().exit_code, 0);
    const std::vector<std::string> page = s.page("JD101KJU.PDT");
    expect_in_order(page,
                    {"完成時-常    時:上載荷重(海底面)", "99  海底面", "00    a", "01   -6.000",
                     "00       20.0000", "03    207.8478", "02    5.1962", "03     43.8489",
                     "$1                  JKJUZ000.PZK"},
                    "JD101KJU.PDT");
    EXPECT_EQ(std::count(page.begin(), page.end(), "$0  JKJU_DSU.PFM"), 1);
    EXPECT_FALSE(s.folder.exists("JD201KJU.PDT"));
}

// Orientation of the drawing: the frame of an upright figure is written
// from (0, 0), of a landscape one from (0, 5900).
bool upright(const std::vector<std::string>& lines) {
    return lines.size() > 2 && lines[2] == "Q    0    0 3900 5900 0 3";
}

TEST(SolprtChain, EmbankmentSurchargeFiguresOnePerLayerInOneOrientation) {
    Section s(embankment(3, 2));
    ASSERT_EQ(s.report().exit_code, 0);
    for (int c = 0; c < 2; ++c) {
        const std::vector<std::string> first = s.page("JKJUZ" + std::to_string(c) + "00.PZK");
        const std::vector<std::string> second = s.page("JKJUZ" + std::to_string(c) + "01.PZK");
        EXPECT_EQ(upright(first), upright(second));
        EXPECT_FALSE(s.folder.exists("JKJUZ" + std::to_string(c) + "02.PZK"));
        EXPECT_EQ(first[0],
                  c == 0 ? "JKJUZ000.PZK  上載荷重図[常  時]" : "JKJUZ100.PZK  上載荷重図[地震時]");
        // The wedge of the second figure crosses both layers: two angle marks.
        EXPECT_EQ(std::count_if(second.begin(), second.end(),
                                [](const std::string& l) { return l.rfind("P ", 0) == 0; }),
                  2);
        EXPECT_TRUE(has_line(second, c == 0 ? "ζ= 60° 0′ 0″" : "ζ= 46°55′21″"))
            << utf8_text(s.folder.read("JKJUZ" + std::to_string(c) + "01.PZK"));
    }
    // Zone labels of the design-condition figure over its ground profile.
    const std::vector<std::string> condition = s.page("JOKEN_Z0.PZK");
    EXPECT_TRUE(has_line(condition, "ｗ\\D1 =   10.00 kN/m\\U2"));
    EXPECT_TRUE(has_line(condition, "ｗ\\D2 =   20.00 kN/m\\U2"));
    EXPECT_TRUE(has_line(s.page("JOKEN_Z1.PZK"), "ｗ\\D2'=   10.00 kN/m\\U2"));
}

TEST(SolprtChain, EmbankmentSurchargeAtTheSeabedHasOneFigure) {
    Section s(embankment(1, 1));
    ASSERT_EQ(s.report().exit_code, 0);
    EXPECT_TRUE(s.folder.exists("JKJUZ000.PZK"));
    EXPECT_FALSE(s.folder.exists("JKJUZ001.PZK"));
}

TEST(SolprtChain, UniformSandNormalCaseChapterAsWrittenByHand) {
    Section s(uniform_sand(3));
    const ChildResult r = s.report();
    ASSERT_EQ(r.exit_code, 0) << r.err;
    EXPECT_EQ(utf8_text(s.folder.read("JD102DAT.PDT")), read_expected("JD102DAT.PDT"));
    // Written with CR LF in code page 932.
    const std::string bytes = s.folder.read("JD102DAT.PDT");
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'),
              std::count(bytes.begin(), bytes.end(), '\r'));
}

// Seismic case: k' below the water by Arai and Yokoi, (2 x 54 + 20 x 30) /
// (2 x 54 + 10 x 30) x 0.15 = 0.26 on land and 20 / 10 x 0.15 = 0.30 at sea;
// Westergaard over h = 6.00: Pd = 7/12 x 0.15 x 10 x 36 = 31.500 at 2.400.
TEST(SolprtChain, UniformSandSeismicCaseChapter) {
    Section s(uniform_sand(3));
    ASSERT_EQ(s.report().exit_code, 0);
    const std::vector<std::string> page = s.page("JD202DAT.PDT");
    expect_in_order(
        page,
        {"完成時-地 震 時:土圧及び残留水圧", "$1  GAI_TITL.PFM", "99  3.地震時の検討", "98  3-1",
         "$0  MIKAKE4.PFM", "99  (1)", "$0  SND_MSG1.PFM",
         // active Arai-Yokoi table
         "$R  16", "$T", "$0  ARAYOKO1.PFM", "99  1) 主働側", "98    0.15", "97    54.000",
         "$H  ARAYOKOH.PFM", "98    0.15", "97    54.000", "$F  ARAYOKOF.PFM", "$0  ARAYOKO2.PFM",
         "00    3.00", "01    0.00", "05  ────", "06  ────", "08  ───", "09  ───", "10     8.5",
         "11     8.5", "$0  ARAYOKO2.PFM", "00    0.00", "01  -30.00", "08    0.26", "09    0.26",
         "10    14.6", "11    14.6", "$0  ARAYOKO3.PFM", "$H", "$F", "$L",
         // passive: the bureau's footing
         "$0  ARAYOKO1.PFM", "99  2) 受働側", "97     0.000", "$F  NIKEN_FT.PFM", "08    0.30",
         "09    0.30", "10    16.7", "11    16.7",
         // layer table with coefficients and angles
         "$1  JS_DTS1.PFM     JS_DTS1.PZK", "99  (2)", "$0  JS_DTT2.PFM", "08    0.15",
         "10     8.5", "$0  JS_DTT2.PFM", "08    0.26", "10    14.6",
         // intensities
         "$0  JS_DTK2.PFM", "06    52.6", "08    0.4325", "15    23.355", "$0  JS_DTK2.PFM",
         "06    45.5", "08    0.5285", "14    28.539", "15   187.089",
         "$1  JS_DTJ.PFM      JS_DTJ.PZK", "99  (3)", "$0  JU_DTP2.PFM", "08    24.0",
         "04    2.4176", "07   580.224", "$1  RWL_KYO2.PFM", "99  (4)",
         "$1                  DOATU_Z1.PZK", "99  (5)", "$1  KASOU2.PFM", "99  (6)", "10   -9.189",
         // hydrodynamic resultant
         "$0  DOSUI_GO.PFM    DOSUI_GO.PZK", "$0  DOSUI_G1.PFM    DOSUI_G1.PZK", "00    0.15",
         "01   10.00", "02    6.00", "03    6.00", "04    31.500", "05     2.400", "06    -6.000",
         "08   + ", "07     9.189", "09     5.589",
         // forces and the resultant
         "$R  18", "$0  GAI_MTM1.PFM", "99  4) ", "$0  GAI_MTM2.PFM", "00  ──", "01  動水圧",
         "02    31.500", "03   5.589", "04     176.054", "$0  GAI_MTM2.PFM", "00  ──",
         "01  土圧・水圧", "02   397.463", "03  ───", "04    2114.576", "$0  GAI_MTM3.PFM",
         "00   428.963", "01    2290.630", "$0  H0.PFM", "00  2290.630", "01   428.963",
         "02   5.340", "$1                  MOMNT_Z1.PZK",
         // distribution: 0.0 to 6.0 m in steps of 0.5, pd = 7/8 k gw sqrt(h y)
         "$R  46", "$0  DOSUI_B1.PFM    DOSUI_B1.PZK", "99  (7)", "00    1.00", "04     3.215",
         "00    6.00", "04     7.875", "$0  DOSUI_B3.PFM", "$R  53", "$0  DOSUI_S1.PFM",
         "$0  DOSUI_S3.PFM"},
        "JD202DAT.PDT");
    EXPECT_EQ(std::count(page.begin(), page.end(), "$0  DOSUI_B2.PFM"), 13);
    EXPECT_EQ(std::count(page.begin(), page.end(), "$0  DOSUI_S2.PFM"), 23);
}

bool has_line_with(const std::vector<std::string>& lines, const std::string& part) {
    for (const std::string& line : lines)
        if (line.find(part) != std::string::npos) return true;
    return false;
}

// The figures of the uniform section, worked by hand from the layouts.
// Design condition: levels +3.0 .. -30.0 give (5200 - 200) / 33 = 5000/33
// page units per metre; the straight ground reaches 1850 / (5000/33) =
// 12.21 m, so the box middle (6.105, -13.5) lands on (2800, 3200): the wall
// at X 1875, the crown at Y 700, the R.W.L. 0.0 at Y 1154, the design seabed
// at 2063, the H.W.L. +1.0 at 1003. Earth pressure (landscape): values -720
// .. 117.988 over 3480 page units, levels over 2900: the earth-pressure
// diagram's middle (-301.006) at X' 2470 puts the wall at X' 3720 (Y 2180)
// and the passive corner -720 at -30.00 at X' 730 (Y 5170). External force:
// the diagram is symmetric about the wall (42.75 either side at the virtual
// seabed), so the wall stands at the window's middle X 1675.
TEST(SolprtChain, UniformSectionFiguresByHand) {
    Section s(uniform_sand(3));
    ASSERT_EQ(s.report().exit_code, 0);
    const std::vector<std::string> condition = s.page("JOKEN_Z0.PZK");
    const std::string all = utf8_text(s.folder.read("JOKEN_Z0.PZK"));
    for (const char* line :
         {"Q    0    0 3900 5900 0 3", "L 1875  700 1875 5700 0 2", "L 1875  700 3725  700 0 2",
          "L 1875 1154 3800 1154 0 2", "L 1875 2063  100 2063 0 2", "L 1875 1003  100 1003 0 2"})
        EXPECT_TRUE(has_line(condition, line)) << line << "\n" << all;
    EXPECT_EQ(condition[0], "JOKEN_Z0.PZK  設計条件図[常  時]");
    EXPECT_EQ(condition[1], "46 67");

    const std::vector<std::string> pressure = s.page("DOATU_Z0.PZK");
    for (const char* line :
         {"Q    0 5900 3900    0 0 3", "L  300 5900  300    0 0 3", "L  600 2180 3500 2180 0 2"})
        EXPECT_TRUE(has_line(pressure, line)) << line << "\n"
                                              << utf8_text(s.folder.read("DOATU_Z0.PZK"));
    EXPECT_TRUE(has_line_with(pressure, "3500 5170 0 2"));

    const std::vector<std::string> load = s.page("MOMNT_Z0.PZK");
    // The numbers of the force table at the centroids of their pieces (3000
    // page units over the 10.425 m from the crown to the virtual seabed): the
    // triangle from +3.000 to 0.000 has its centroid at +1.000, 5.999 kN/m2
    // from the wall, Y 500 + 2 x 287.77 = 1075.5, less a quarter of the text
    // width in X and plus half of it in Y.
    for (const char* line : {"K 1881 1105   60   60    0 2", "K 1881 1968   60   60    0 2",
                             "K 2347 2544   60   60    0 2", "K 2126 3256   60   60    0 2"})
        EXPECT_TRUE(has_line(load, line)) << line << "\n"
                                          << utf8_text(s.folder.read("MOMNT_Z0.PZK"));
    for (const char* line : {"L 1675  500 1675 3500 0 2", "  P= 222.051kN/m", "  h=  4.217m"})
        EXPECT_TRUE(has_line(load, line)) << line << "\n"
                                          << utf8_text(s.folder.read("MOMNT_Z0.PZK"));
    const std::vector<std::string> seismic = s.page("MOMNT_Z1.PZK");
    EXPECT_TRUE(has_line(seismic, " 動水圧=   7.875kN/m\\U2 "))
        << utf8_text(s.folder.read("MOMNT_Z1.PZK"));
    // Westergaard's curve in steps of 0.01 m over the 6 m of water.
    EXPECT_GT(std::count_if(seismic.begin(), seismic.end(),
                            [](const std::string& l) { return l.rfind("L ", 0) == 0; }),
              590);
    EXPECT_FALSE(s.folder.exists("JKJUZ000.PZK"));
}

TEST(SolprtChain, DesignConditionListOfBothCasesAsWrittenByHand) {
    Section s(uniform_sand(3));
    ASSERT_EQ(s.report().exit_code, 0);
    EXPECT_EQ(utf8_text(s.folder.read("JD000JKN.PDT")), read_expected("JD000JKN.PDT"));
    std::string templates;
    for (int i = 0; i <= 10; ++i)
        templates += utf8_text(s.folder.read("DSKLST" + std::to_string(i) + ".PFM"));
    EXPECT_EQ(templates, read_expected("DSKLST.txt"));
    EXPECT_FALSE(s.folder.exists("DSKLST11.PFM"));
    // The figure frames of both cases, drawn upright and landscape.
    expect_in_order(s.page("JOKEN_Z0.PZK"),
                    {"JOKEN_Z0.PZK  設計条件図[常  時]", "46 67", "Q    0    0 3900 5900 0 3",
                     "L    0  300 3900  300 0 3", "K  100  225  150  150 0 3",
                     "（設計条件図）［常　時］"},
                    "JOKEN_Z0.PZK");
    expect_in_order(s.page("DOATU_Z1.PZK"),
                    {"DOATU_Z1.PZK  土圧・残留水圧図[地震時]", "46 67", "Q    0 5900 3900    0 0 3",
                     "L  300 5900  300    0 0 3", "K  225 5800  150  150 90 3",
                     "（土圧・残留水圧図）［地震時］"},
                    "DOATU_Z1.PZK");
    EXPECT_TRUE(s.folder.exists("JOKEN_Z1.PZK"));
    EXPECT_TRUE(s.folder.exists("MOMNT_Z0.PZK"));
}

// Variants of the section, each checked against the lines its change makes.
TEST(SolprtChain, VariantsOfTheUniformSection) {
    struct Variant {
        const char* name;
        test::WallSection section;
        std::vector<std::string> lines;
    };
    test::WallSection rwl = uniform_sand(1);
    rwl.rwl = 1.0;
    rwl.hwl = 1.5;
    // pw = 10 x (1.0 - 0.0); the crown row 3.00..1.00 then 1.00..-30.00.
    test::WallSection clay = uniform_sand(1);
    clay.land = {test::Layer{3.0}, test::Layer{0.0}};
    clay.land[0].phi = 0.0;
    clay.land[0].cohesion = 20.0;
    // 54 - 2 x 20 = 14 at the bottom, -40 at the top: zero at 3 - 3 x 40 / 54 = 0.78.
    test::WallSection force = uniform_sand(1);
    force.normal_forces = {test::OtherForce{10.0, 2.0, "A$B\\C"}};
    // 10 kN/m at +2.0, 9.425 m above the virtual seabed -7.425: 94.250 kN.m/m.
    const Variant variants[] = {
        {"R.W.L. +1.0",
         rwl,
         {"$1  RWL_KYO1.PFM", "99  (3)",      "00    10.00",    "01     1.00",  "02   10.000",
          "$1  KYO_MTM1.PFM", "99  (4)",      "00    1.00",     "01  -30.00",   "02    11.999",
          "03   115.322",     "04     0.000", "05    10.000",   "06    11.999", "07   125.322",
          "$0  KYO_MTM3.PFM", "99  (5)",      "$1  KASOU2.PFM", "99  (6)",      "10   -7.700",
          "00   281.181",     "02   4.425"}},
        {"clay 3.0..0.0",
         clay,
         {"$0  JO_DTK2.PFM", "14  ───", "15  ───", "06  ────", "07  ────", "08   -40.000",
          "09    14.000", "10  ────", "11  ────", "$0  JO_DTK3.PFM", "$R  3", "$0  FU_DAT1.PFM",
          "$0  FU_DAT2.PFM", "00     3.00", "01     0.00", "02     0.78"}},
        {"force A$B\\C",
         force,
         {"$R  17", "$0  GAI_MTM1.PFM", "99  3) ", "$0  GAI_MTM2.PFM", "00     1",
          "01  A$$B\\\\C" + std::string(15, ' '), "02    10.000", "03   9.425", "04      94.250",
          "$0  GAI_MTM3.PFM", "00   232.051", "01    1030.744", "$0  H0.PFM", "02   4.442"}},
    };
    for (const Variant& v : variants) {
        Section s(v.section);
        const ChildResult r = s.report();
        ASSERT_EQ(r.exit_code, 0) << v.name << ": " << r.err;
        expect_in_order(s.page("JD102DAT.PDT"), v.lines, v.name);
    }
}

TEST(SolprtChain, SeismicCaseOnlyNeedsNoNormalCaseTable) {
    Section s(uniform_sand(2));
    std::filesystem::remove(s.folder.file("GAI_JYO.PRN"));
    const ChildResult r = s.report();
    ASSERT_EQ(r.exit_code, 0) << r.err;
    EXPECT_TRUE(s.folder.exists("JD202DAT.PDT"));
    EXPECT_FALSE(s.folder.exists("JD102DAT.PDT"));
    EXPECT_TRUE(s.folder.exists("JOKEN_Z1.PZK"));
    EXPECT_TRUE(s.folder.exists("DOATU_Z1.PZK"));
    EXPECT_TRUE(s.folder.exists("MOMNT_Z1.PZK"));
    EXPECT_FALSE(s.folder.exists("JOKEN_Z0.PZK"));
    const std::vector<std::string> index = s.page("JD000JKN.PDT");
    EXPECT_TRUE(has_line(index, "$1                  JOKEN_Z1.PZK"));
    EXPECT_FALSE(has_line(index, "$1                  JOKEN_Z0.PZK"));
}

// Damage that stops the report: the message, exit code 1, and no page of a
// later step.
// Rewrites case c's load table after damage done to the tables read back.
void damage_case_table(const ProgramFolder& folder, int c,
                       const std::function<void(LoadModel&, CaseLoadTables&)>& damage) {
    test::CurrentFolder here(folder);
    auto model = std::make_unique<LoadModel>();
    auto common = std::make_unique<CommonLoadResults>();
    auto tables = std::make_unique<CaseLoadTables>();
    read_gai_cm(*model, *common);
    read_gai_case(c, *model, *tables);
    damage(*model, *tables);
    write_gai_case(c, *model, *tables);
}

// An external-force diagram without a value range gives no drawing and no
// page entry, and the report goes on.
TEST(SolprtChain, ExternalForceFigureWithoutExtentIsLeftOut) {
    Section s(uniform_sand(1));
    damage_case_table(s.folder, 0, [](LoadModel&, CaseLoadTables& t) {
        for (DiagramTable* rows : {&t.net.active_split, &t.net.passive_split})
            for (DiagramRow& row : rows->rows)
                row.top = row.bottom = 0.0;
    });
    const ChildResult r = s.report();
    EXPECT_EQ(r.exit_code, 0) << r.err;
    EXPECT_FALSE(s.folder.exists("MOMNT_Z0.PZK"));
    EXPECT_FALSE(has_line(s.page("JD102DAT.PDT"), "$1                  MOMNT_Z0.PZK"));
    EXPECT_TRUE(s.folder.exists("JD000JKN.PDT"));
}

// Figures whose model has no extent stop with the scale messages, and a
// failure angle whose tangent is not positive (only a damaged table holds
// one) stops naming the drawing that cannot be written.
TEST(SolprtChain, FiguresWithoutExtentOrWithADamagedAngleStop) {
    {
        Section s(uniform_sand(1));
        damage_case_table(s.folder, 0, [](LoadModel& m, CaseLoadTables&) {
            for (ActiveIntensityRow& row : m.active)
                row = ActiveIntensityRow{};
            for (PassiveIntensityRow& row : m.passive)
                row = PassiveIntensityRow{};
        });
        const ChildResult r = s.report();
        EXPECT_EQ(r.exit_code, 1);
        EXPECT_NE(r.err.find("(ERROR)-スケールの計算中にＸ方向の座標値が 0.0 になりました."),
                  std::string::npos)
            << r.err;
        EXPECT_FALSE(s.folder.exists("DOATU_Z0.PZK"));
    }
    {
        Section s(uniform_sand(1));
        test::WallSection moved = uniform_sand(1);
        moved.crown = moved.bottom;
        s.folder.write("CAL_FILE.DAT", test::input_file_text(moved));
        const ChildResult r = s.report();
        EXPECT_EQ(r.exit_code, 1);
        EXPECT_NE(r.err.find("(ERROR)-スケールの計算中にＹ方向の座標値が 0.0 になりました."),
                  std::string::npos)
            << r.err;
    }
    {
        Section s(embankment(1, 2));
        damage_case_table(s.folder, 0, [](LoadModel& m, CaseLoadTables&) {
            const int f = m.index.ground_crown;
            m.land_calc[static_cast<std::size_t>(f)].wedge_angles[static_cast<std::size_t>(f)] =
                0.0;
        });
        const ChildResult r = s.report();
        EXPECT_EQ(r.exit_code, 1);
        EXPECT_NE(r.err.find("JKJUZ000.PZK"), std::string::npos) << r.err;
        EXPECT_FALSE(s.folder.exists("JD102DAT.PDT"));
    }
}

TEST(SolprtChain, DamagedOrMissingInputsStopWithTheirMessage) {
    struct Failure {
        const char* name;
        void (*damage)(const ProgramFolder&);
        const char* message;
        const char* kept; // a page written before the stop, or nullptr
    };
    const Failure failures[] = {
        {"no customisation",
         [](const ProgramFolder& f) { std::filesystem::remove(f.file("TVNCSTM.DAT")); },
         "カスタマイズ用ファイル(TVNCSTM.DAT)がオープンできません.", nullptr},
        {"no report conditions",
         [](const ProgramFolder& f) { std::filesystem::remove(f.file("SJOKEN.DAT")); },
         "印字用ファイル(SJOKEN.DAT)がオープンできません.", nullptr},
        {"report conditions of two lines",
         [](const ProgramFolder& f) {
             f.write("SJOKEN.DAT", "180.0,270.0,5.0,7.5\r\n0,0,0,0\r\n");
         },
         "SJOKEN.DAT", nullptr},
        {"no common table",
         [](const ProgramFolder& f) { std::filesystem::remove(f.file("GAI_CM.PRN")); },
         "(ERROR)-外力計算結果ファイル(gai_cm.prn)がオープンできません.", nullptr},
        {"common table a byte short",
         [](const ProgramFolder& f) {
             std::string bytes = f.read("GAI_CM.PRN");
             bytes.pop_back();
             f.write("GAI_CM.PRN", bytes);
         },
         "(ERROR)-外力計算結果ファイル(GAI_CM.PRN)の内容が正しくありません.", nullptr},
        {"first land row is the closing row",
         [](const ProgramFolder& f) {
             test::CurrentFolder here(f);
             auto model = std::make_unique<LoadModel>();
             auto common = std::make_unique<CommonLoadResults>();
             read_gai_cm(*model, *common);
             model->index.ground_crown = model->land_count - 1;
             write_gai_cm(*model, *common);
         },
         "(ERROR)-外力計算結果ファイル(GAI_CM.PRN)の内容が正しくありません.", nullptr},
        {"no seismic table",
         [](const ProgramFolder& f) { std::filesystem::remove(f.file("GAI_JIS.PRN")); },
         "(ERROR)-外力計算結果ファイル(GAI_JIS.PRN)がオープンできません.", "JD102DAT.PDT"},
        {"a folder in the chapter's place",
         [](const ProgramFolder& f) { std::filesystem::create_directory(f.file("JD102DAT.PDT")); },
         "印字用ファイル(JD102DAT.PDT)がオープンできません.", nullptr},
    };
    for (const Failure& failure : failures) {
        Section s(uniform_sand(3));
        failure.damage(s.folder);
        const ChildResult r = s.report();
        EXPECT_EQ(r.exit_code, 1) << failure.name;
        EXPECT_NE(r.err.find(failure.message), std::string::npos) << failure.name << ": " << r.err;
        EXPECT_FALSE(s.folder.exists("JD202DAT.PDT")) << failure.name;
        EXPECT_FALSE(s.folder.exists("JD000JKN.PDT")) << failure.name;
        if (failure.kept != nullptr)
            EXPECT_TRUE(s.folder.exists(failure.kept)) << failure.name;
        else
            EXPECT_FALSE(std::filesystem::is_regular_file(s.folder.file("JD102DAT.PDT")))
                << failure.name;
    }
}

// The whole completed-state chain on the uniform section, then the viewer:
// lint finds nothing, the PDF prints the stamp, the name and the values of
// both chapters and the list, and the pages go to the screenshots folder.
TEST(SolprtChain, ChainOfBothCasesOpensCleanInTheViewer) {
    test::WallSection section = uniform_sand(3);
    ProgramFolder folder;
    folder.write("CAL_FILE.DAT", test::input_file_text(section));
    folder.write("TVNCSTM.DAT", test::customisation_text());
    write_report_inputs(folder);
    for (const char* program : {"TVNDAT", "TVNCAL", "SOLPRT"}) {
        const ChildResult r = test::run_batch_in(folder, program);
        ASSERT_EQ(r.exit_code, 0) << program << ": " << r.err;
    }
    const std::string text = test::check_viewer(folder, {}, "solprt_uniform_sand");
    if (text.empty()) return; // no viewer in the build: skipped
    const auto pages = std::count(text.begin(), text.end(), '\f');
    std::size_t stamps = 0;
    std::size_t names = 0;
    for (auto at = text.find("07/02/03 09:05:07"); at != std::string::npos;
         at = text.find("07/02/03 09:05:07", at + 1))
        ++stamps;
    for (auto at = text.find("UNIFORM"); at != std::string::npos; at = text.find("UNIFORM", at + 1))
        ++names;
    EXPECT_GE(stamps, static_cast<std::size_t>(pages));
    EXPECT_GE(names, static_cast<std::size_t>(pages));
    for (const char* value :
         {"222.051", "-7.425", "4.217", "0.3333", "428.963", "5.340", "14.6", "3.215", "10000.0"})
        EXPECT_NE(text.find(value), std::string::npos) << value;
    // The figures: the resultant of the external-force figure, the seabed of
    // the design-condition figure and its frame title.
    for (const char* value : {"P= 222.051", "D.L. -6.00", "（設計条件図）［常　時］"})
        EXPECT_NE(test::without_blanks(text).find(test::without_blanks(value)), std::string::npos)
            << value;
#ifdef WTN_WITH_VIEWER
    const viewer::LoadedReport loaded =
        viewer::load_report(folder.path(), std::string(WTN_PROGRAM_DIR) + "/templates");
    EXPECT_TRUE(loaded.problems.empty()) << viewer::problem_text(loaded.problems.front());
    std::vector<std::string> titles;
    for (const viewer::Chapter& chapter : loaded.report.chapters)
        titles.push_back(chapter.title);
    expect_in_order(titles,
                    {"完成時         :計算ﾄﾗｲｱﾙ結果表", "完成時         :設計条件",
                     "完成時-常    時:土圧及び残留水圧", "完成時-地 震 時:土圧及び残留水圧"},
                    "chapters");
#endif
}

// Levels crowded in the figures. In the external-force figure, first: a thin upper layer
// (+2.05 to +1.29), the R.W.L. +0.54 and the L.W.L. -0.35 make small
// pressure areas whose numbers stand right under the level labels; a label
// that moves off its level keeps its text, underline and leader clear of the
// numbers. Second: the L.W.L. +0.33 a centimetre under the R.W.L. +0.34 and
// a thin wedge at the crown: the numbers of the areas too thin to hold them
// move the least that keeps them clear of the areas' sides. In the
// design-condition figure: a layer top 0.34 m under the ground and its
// surcharge prints its level under its line; an R.W.L. 0.2 m under a layer top
// prints its text under its line, its mark on it. Where the external-force
// diagrams end narrow at the virtual seabed, the passive and active captions
// stand each on its own side of the wall; the earth-pressure figure's value
// labels keep clear of its lines as the other figures' do. An embankment
// shrinks the scale and a seabed sloping up to the water levels brings its
// hatching under them: the L.W.L. text keeps clear of the hatching. The lint finds
// nothing in any, and every level still prints.
TEST(SolprtChain, CrowdedLevelsKeepTheFiguresLegible) {
    const std::string common = "neire,1,1.0,1.0,0.0,0,0.150,0.0,0.0,0.0,3,0.0,1,1.0,1.0,0.0\r\n"
                               "nir_t,1,2,0.0,1.0,1,0\r\n"
                               "add_1,0.0,0.0,0.0,0.0\r\n";
    struct Case {
        const char* name;
        std::string lines;
        std::vector<std::string> levels;
        // Straight ground, normal case; the embankment's: both cases, its
        // surcharge at the seabed.
        std::string swdat = "swdat,1,1,1,1,2,1,1,1,111,1,1,2,1,1\r\n";
    };
    const Case cases[] = {
        {"thin upper layer",
         "joken,0.59,-0.35,2,0.54,2.050,-5.490,-30.000,-30.000,10.0,-10.0,10.000,10.0,0.0,5.0,"
         "7.5,1,1,1\r\n"
         "tjkn1,1.5,0.5,2.050,2.050,3.000,10.0,180.0,270.0,180.0,-6.000,2.0,5\r\n"
         "sdatu,2.050,18.000,10.000,20.000,25.000,0.000,0.0,1,0.0,10000.0\r\n"
         "sdatu,1.290,17.000,9.000,19.000,32,0.000,0.0,1,0.0,8000.0\r\n"
         "jdatu,-5.490,18.000,10.000,20.000,30.000,0.000,0.0,1,0.0,10000.0\r\n",
         {"+0.540", "+1.290", "-0.350"}},
        {"water levels a centimetre apart",
         "joken,0.77,0.33,0,0.34,2.980,-10.400,-30.000,-30.000,0.0,5.0,10.000,5.0,10.0,5.0,7.5,"
         "1,1,1\r\n"
         "tjkn1,1.5,0.5,2.980,2.980,3.000,10.0,180.0,270.0,180.0,-6.000,2.0,5\r\n"
         "sdatu,2.980,18.000,10.000,20.000,35.000,0.000,0.0,1,0.0,10000.0\r\n"
         "sdatu,-3.440,17.000,9.000,19.000,28,0.000,0.0,1,0.0,8000.0\r\n"
         "jdatu,-10.400,18.000,10.000,20.000,30.000,0.000,0.0,1,0.0,10000.0\r\n",
         {"+0.340", "+0.330", "-3.440"}},
        {"layer top just under the ground, under a surcharge",
         "joken,0.75,-0.18,2,0.36,2.330,-6.560,-30.000,-30.000,0.0,-10.0,10.000,20.0,5.0,5.0,7.5,"
         "1,1,1\r\n"
         "tjkn1,1.5,0.5,2.330,2.330,3.000,10.0,180.0,270.0,180.0,-6.000,2.0,5\r\n"
         "sdatu,2.330,18.000,10.000,20.000,35.000,0.000,0.0,1,0.0,10000.0\r\n"
         "sdatu,1.990,17.000,9.000,19.000,32,0.000,0.0,1,0.0,8000.0\r\n"
         "jdatu,-6.560,18.000,10.000,20.000,30.000,0.000,0.0,1,0.0,10000.0\r\n",
         {"+1.99", "R.W.L.+0.36"}},
        {"R.W.L. just under a layer top",
         "joken,1.65,-0.95,2,1.44,2.550,-7.750,-30.000,-30.000,10.0,15.0,10.000,20.0,10.0,5.0,"
         "7.5,1,1,1\r\n"
         "tjkn1,1.5,0.5,2.550,2.550,3.000,10.0,180.0,270.0,180.0,-6.000,2.0,5\r\n"
         "sdatu,2.550,18.000,10.000,20.000,35.000,0.000,0.0,1,0.0,10000.0\r\n"
         "sdatu,1.640,17.000,9.000,19.000,32,0.000,0.0,1,0.0,8000.0\r\n"
         "jdatu,-7.750,18.000,10.000,20.000,30.000,0.000,0.0,1,0.0,10000.0\r\n",
         {"+1.64", "R.W.L.+1.44"}},
        {"clay and sand layers under a narrow diagram foot",
         "joken,2.68,0.09,2,1.22,3.150,-10.480,-30.000,-30.000,0.0,0.0,10.000,0.0,10.0,5.0,7.5,"
         "1,1,1\r\n"
         "tjkn1,1.5,0.5,3.150,3.150,3.000,10.0,180.0,270.0,180.0,-6.000,2.0,5\r\n"
         "sdatu,3.150,18.000,10.000,20.000,25.000,0.000,0.0,1,0.0,10000.0\r\n"
         "sdatu,-6.870,16.000,6.000,16.000,0,35.780,2.3,1,0.0,5000.0\r\n"
         "sdatu,-12.650,17.000,9.000,19.000,28,0.000,0.0,1,0.0,8000.0\r\n"
         "sdatu,-17.010,16.000,6.000,16.000,0,10.390,1.6,1,0.0,5000.0\r\n"
         "jdatu,-10.480,18.000,10.000,20.000,30.000,0.000,0.0,1,0.0,10000.0\r\n"
         "jdatu,-10.850,17.000,9.000,19.000,33,0.000,0.0,1,0.0,8000.0\r\n"
         "jdatu,-14.410,17.000,9.000,19.000,28,0.000,0.0,1,0.0,8000.0\r\n",
         {"（受働土圧図）", "（主働土圧＋残留水圧図）", "-10.850", "-10.953"}},
        {"embankment over a seabed rising to the water levels",
         "joken,0.89,-0.22,0,-0.21,3.140,-6.290,-30.000,-30.000,0.0,-10.0,10.000,0.0,0.0,5.0,7.5,"
         "1,1,1\r\n"
         "tjkn1,1.5,0.5,3.140,3.140,3.000,10.0,180.0,270.0,180.0,-6.000,2.0,5\r\n"
         "tikei,0.000,3.140\r\ntikei,0.000,4.940\r\ntikei,9.090,4.940\r\n"
         "tikei,12.300,5.390\r\ntikei,40.000,5.390\r\n"
         "morid,5.390,18.000,10.000,20.000\r\n"
         "josai,1.000,20.000,20.000,5.000\r\n"
         "sdatu,3.140,18.000,10.000,20.000,30.000,0.000,0.0,1,0.0,10000.0\r\n"
         "jdatu,-6.290,18.000,10.000,20.000,30.000,0.000,0.0,1,0.0,10000.0\r\n",
         {"H.W.L.+0.89", "L.W.L.-0.22", "R.W.L.-0.21"},
         "swdat,1,1,1,1,2,3,2,1,111,1,1,2,1,1\r\n"},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ProgramFolder folder;
        folder.write("CAL_FILE.DAT", "gyonm,\"crowded levels\"\r\n" + c.swdat + common + c.lines);
        folder.write("TVNCSTM.DAT", test::customisation_text());
        write_report_inputs(folder);
        for (const char* program : {"TVNDAT", "TVNCAL", "SOLPRT"}) {
            const ChildResult r = test::run_batch_in(folder, program);
            ASSERT_EQ(r.exit_code, 0) << program << ": " << r.err;
        }
        std::vector<std::string> texts;
        for (const std::string& level : c.levels)
            texts.push_back(utf8_to_cp932(level));
        test::check_viewer(folder, texts, "solprt_crowded_levels_" + std::to_string(++n));
    }
}

// A thin top layer (+3.32 to +0.47 under a 3 m fill, so a small scale) with
// the R.W.L. +0.42 just above its bottom: the layer's label cannot move
// along or down clear of the R.W.L. text and mark, and moves up within its
// layer instead. The design-condition figures (both cases) pass the lint.
TEST(SolprtChain, ASoilLabelMovesUpClearOfAWaterLevelAtItsLayersBottom) {
    if (!test::viewer_built()) return;
    const std::string input =
        "gyonm,\"thin layer under the R.W.L.\"\r\n"
        "swdat,1,1,1,1,2,1,2,2,111,1,1,2,1,1\r\n"
        "joken,0.87,0.09,0,0.42,3.320,-7.650,-30.000,-30.000,0.0,0.0,10.000,0.0,0.0,5.0,7.5,1,1,"
        "1\r\n"
        "tjkn1,1.5,0.5,3.320,3.320,3.000,10.0,180.0,270.0,180.0,-6.000,2.0,5\r\n"
        "neire,1,1.0,1.0,0.0,0,0.150,0.0,0.0,0.0,3,0.0,1,1.0,1.0,0.0\r\n"
        "nir_t,1,2,0.0,1.0,1,0\r\n"
        "add_1,0.0,0.0,0.0,0.0\r\n"
        "tikei,0.000,3.320\r\ntikei,0.000,6.310\r\ntikei,40.000,6.310\r\n"
        "morid,6.310,18.000,10.000,20.000\r\n"
        "josai,9.000,13.000,5.000,5.000\r\njosai,15.000,17.000,5.000,0.000\r\n"
        "josai,21.000,22.000,10.000,5.000\r\n"
        "sdatu,3.320,18.000,10.000,20.000,30.000,0.000,0.0,1,0.0,10000.0\r\n"
        "sdatu,0.470,17.000,9.000,19.000,28,0.000,0.0,1,0.0,8000.0\r\n"
        "sdatu,-4.000,17.000,9.000,19.000,32,0.000,0.0,1,0.0,8000.0\r\n"
        "sdatu,-16.540,17.000,9.000,19.000,32,0.000,0.0,1,0.0,8000.0\r\n"
        "jdatu,-7.650,18.000,10.000,20.000,30.000,0.000,0.0,1,0.0,10000.0\r\n"
        "jdatu,-21.870,17.000,9.000,19.000,28,0.000,0.0,1,0.0,8000.0\r\n";
    ProgramFolder folder;
    folder.write("CAL_FILE.DAT", input);
    folder.write("TVNCSTM.DAT", test::customisation_text());
    write_report_inputs(folder);
    for (const char* program : {"TVNDAT", "TVNCAL", "SOLPRT"}) {
        const ChildResult r = test::run_batch_in(folder, program);
        ASSERT_EQ(r.exit_code, 0) << program << ": " << r.err;
    }
    const ChildResult lint =
        test::run_offscreen(test::program_path("VIEWKSO"), {"--lint"}, folder.path());
    EXPECT_FALSE(test::contains(lint.out + lint.err, "JOKEN_Z")) << lint.out << lint.err;
}

// The embankment through the chain: the surcharge chapter and all four
// figure kinds of both cases lay out without a problem.
TEST(SolprtChain, EmbankmentChainOpensCleanInTheViewer) {
    ProgramFolder folder;
    folder.write("CAL_FILE.DAT", test::input_file_text(embankment(3, 2)));
    folder.write("TVNCSTM.DAT", test::customisation_text());
    write_report_inputs(folder);
    for (const char* program : {"TVNDAT", "TVNCAL", "SOLPRT"}) {
        const ChildResult r = test::run_batch_in(folder, program);
        ASSERT_EQ(r.exit_code, 0) << program << ": " << r.err;
    }
    const std::string text =
        test::without_blanks(test::check_viewer(folder, {}, "solprt_embankment"));
    if (text.empty()) return; // no viewer in the build: skipped
    for (const char* value : {"上載荷重(各土層)", "83.1402", "60°0′0″", "（設計条件図）［常　時］",
                              "（上載荷重図）［地震時］", "D.L.-6.00", "ζ=60°0′0″"})
        EXPECT_NE(text.find(test::without_blanks(value)), std::string::npos) << value;
#ifdef WTN_WITH_VIEWER
    const viewer::LoadedReport loaded =
        viewer::load_report(folder.path(), std::string(WTN_PROGRAM_DIR) + "/templates");
    EXPECT_TRUE(loaded.problems.empty()) << viewer::problem_text(loaded.problems.front());
    std::vector<std::string> titles;
    for (const viewer::Chapter& chapter : loaded.report.chapters)
        titles.push_back(chapter.title);
    expect_in_order(titles,
                    {"完成時         :設計条件", "完成時-常    時:上載荷重(各土層)",
                     "完成時-常    時:土圧及び残留水圧", "完成時-地 震 時:上載荷重(各土層)",
                     "完成時-地 震 時:土圧及び残留水圧"},
                    "chapters");
#endif
}

} // namespace
} // namespace wtn
