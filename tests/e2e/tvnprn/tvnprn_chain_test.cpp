// TVNPRN after TVNDAT and TVNCAL, as the front end's completed-state branch
// runs them, on the uniform sand section of TVNCAL's chain test (design
// seabed -3.00, crown +3.00, E 200 kN/mm2, the improved U-type catalogue),
// and the viewer on the pages.
#include "child_process.h"
#include "cp932_codec.h"
#include "program_folder.h"
#include "stability_chain.h"
#include "text_search.h"
#include "viewer_check.h"
#include "wall_section.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace wtn {
namespace {

using test::chain;
using test::ChildResult;
using test::completed_state_chain;
using test::fmt;
using test::ProgramFolder;
using test::sand_by_n_value;

ChildResult run_program(const ProgramFolder& folder, const char* name) {
    return test::run_batch_in(folder, name);
}

using test::contains;

using test::check_viewer;

// SP-VL decided on stress and displacement (check code 011). Its section
// values from the catalogue: I 63000, Z 3150; corrosion over 30 years at the
// default rates (0.03 mm a year on both faces in sea water, 0.03 and 0.02 in
// the seabed mud): t1 0.90, t2 0.90 and 0.60. The chart point of the sand:
// X = 500 + (log 20 + 0.52288) x 2500 / 2.22185 = 2552.2,
// Y = 2700 - (log 30000 - 3) x 2500 / 2.30103 = 1095.1.
TEST(TvnprnChain, SandGivenByItsNValue) {
    const auto folder = completed_state_chain(sand_by_n_value());
    const std::string summary = folder->read("JD999MTM.PDT");
    EXPECT_TRUE(contains(summary, "00  SP-VL\r\n"));
    EXPECT_TRUE(contains(summary, "$0  MATOME2.PFM\r\n00       108.5\r\n09       180.0\r\n"
                                  "01       107.7\r\n10       180.0\r\n02       115.1\r\n"
                                  "11       180.0\r\n"));
    EXPECT_TRUE(contains(summary, "06   ○\r\n07   ○\r\n08   ○\r\n"));
    EXPECT_TRUE(contains(summary, "$0  MATOME3.PFM\r\n00       8.243\r\n06      10.000\r\n"
                                  "01       8.698\r\n07      10.000\r\n"));
    EXPECT_TRUE(contains(summary, "$0  MATOME5.PFM\r\n00     -10.123\r\n01     -10.026\r\n"));
    EXPECT_TRUE(contains(summary, "00  SP-VLを使用する。\r\n01    3.000\r\n02   + \r\n"
                                  "03   10.123\r\n04   13.123\r\n"));

    const std::string chapter = folder->read("JD103CYN.PDT");
    EXPECT_TRUE(contains(chapter, "01       63000\r\n02        3150\r\n03  /m\r\n"));
    EXPECT_TRUE(contains(chapter, "99  海  中  部\r\n00   30\r\n01  0.030\r\n02  0.030\r\n"
                                  "03  0.030\r\n04  0.030\r\n05   0.90\r\n06   0.90\r\n"
                                  "07  1.00\r\n08       58216\r\n09        2924\r\n"));
    EXPECT_TRUE(contains(chapter, "99  海底泥層中\r\n00   30\r\n01  0.030\r\n02  0.020\r\n"
                                  "03  0.030\r\n04  0.020\r\n05   0.90\r\n06   0.60\r\n"
                                  "07  0.67\r\n08       59003\r\n09        2961\r\n"));
    EXPECT_TRUE(contains(chapter, "$0  KHKSKC2.PFM\r\n00    -3.00\r\n01   -30.00\r\n"
                                  "02          20.0\r\n03       30000.0\r\n"));
    // The reference lines k = 1000 N and 2000 N pass through every corner of
    // the point: its label stands left along its level, on its guide line,
    // clear of both.
    const std::string chart = folder->read("KHKSD1.PZK");
    EXPECT_TRUE(contains(chart, "\r\nL  500 1095 2552 1095 0 3\r\nK 1637 1080   60   60 0 2\r\n"
                                "(20.0,30000.0)\r\n"));
    // The corroded-section chart of SP-VL: Z 1600 to 3200, t1 0 to 14; the
    // sea-water point (0.9, 2924.x) and the seabed-mud point (0.9, 2961.x):
    // X = 500 + 0.9 x 3300 / 14 = 712.1, Y = 2500 - (Z - 1600) x 2200 / 1600.
    // The points are 51 apart, less than a label's height, where the five
    // lines of t2/t1 fan out: each label moves right along its level past
    // the lines, the upper one above its point, the lower one below, tied
    // to the point by a leader.
    const std::string section_chart = folder->read("FYAITA.PZK");
    EXPECT_TRUE(contains(section_chart,
                         "\r\nL  712  679 1087  679 1 1\r\nK 1087  760   60   60 0 2\r\n"
                         "(0.9,2924)\r\n"));
    EXPECT_TRUE(contains(section_chart,
                         "\r\nL  712  628  877  628 1 1\r\nK  877  613   60   60 0 2\r\n"
                         "(0.9,2961)\r\n"));

    check_viewer(*folder, {"検討結果のまとめ", "SP-VLを使用する", "13.123", "108.5"},
                 "tvnprn_sand_by_n_value");
}

// The same section with a pile adopted before the seabed was deepened: the
// tip -10.000 lies above the required -10.123 and 13.000 m is shorter than
// 13.123 m. The summary says so beside the adopted values.
TEST(TvnprnChain, AShortAdoptionIsNotedOnTheSummaryPage) {
    const auto folder = chain(sand_by_n_value(), {"TVNDAT", "TVNCAL"});
    folder->write("CAL_NEI.DAT", "-10.000\r\n13.000\r\n");
    const ChildResult report = run_program(*folder, "TVNPRN");
    ASSERT_EQ(report.exit_code, 0) << report.err;
    const std::string summary = folder->read("JD999MTM.PDT");
    EXPECT_TRUE(contains(summary, "05   13.000\r\n06  -10.000\r\n"
                                  "07  採用値が必要値を満たしていません\r\n"));
    check_viewer(*folder, {"13.000", "-10.000", "採用値が必要値を満たしていません"},
                 "tvnprn_short_adoption");
}

// The section as it stands (seabed -6.00, k 10000, every check on): no
// catalogue pile holds it, the last stands judged × and none is named for use.
TEST(TvnprnChain, EveryPileFailsAndNoneIsNamedForUse) {
    const auto folder = completed_state_chain(test::WallSection{});
    const std::string summary = folder->read("JD999MTM.PDT");
    EXPECT_TRUE(contains(summary, "×"));
    EXPECT_FALSE(contains(summary, "MATOME6.PFM"));
    EXPECT_TRUE(folder->exists("JD103CYN.PDT"));
}

// Each start writes its own charts: the construction stage's leaves the
// completed state's chart as it was, and its chapters name their own.
TEST(TvnprnChain, BothStudiesKeepTheirOwnCharts) {
    ProgramFolder folder;
    folder.write("CAL_FILE.DAT", test::both_studies_input(1));
    folder.write("TVNCSTM.DAT", test::customisation_text());
    folder.write("PRG_SW.DAT", "0\r\n");
    for (const char* program : {"TVNDAT", "TVNCAL", "TVNPRN"})
        ASSERT_EQ(run_program(folder, program).exit_code, 0) << program;
    const std::string completed_chart = folder.read("KHKSD1.PZK");
    for (const char* program : {"TVNWAV", "TVNCAL", "TVNPRN"}) {
        const ChildResult r = run_program(folder, program);
        ASSERT_EQ(r.exit_code, 0) << program << ": " << r.err;
    }
    EXPECT_EQ(folder.read("KHKSD1.PZK"), completed_chart);
    EXPECT_TRUE(contains(folder.read("JD103CYN.PDT"), "$0  KHKSKC1.PFM     KHKSD1.PZK\r\n"));
    EXPECT_TRUE(contains(folder.read("JW103CYN.PDT"), "$0  KHKSKC1.PFM     KHKSW1.PZK\r\n"));
    EXPECT_TRUE(contains(folder.read("JW303CYN.PDT"), "$0  KHKSKC1.PFM     KHKSW3.PZK\r\n"));
    EXPECT_TRUE(folder.exists("KHKSW1.PZK"));
    EXPECT_TRUE(folder.exists("KHKSW3.PZK"));
    EXPECT_TRUE(folder.exists("JW999MTM.PDT"));
    check_viewer(folder, {"検討結果のまとめ"}, "tvnprn_both_studies");
}

} // namespace
} // namespace wtn
