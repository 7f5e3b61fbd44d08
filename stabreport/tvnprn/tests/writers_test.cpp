// The pages and drawings of a stability chapter's head, written from records
// set here, checked line by line and against points worked by hand.
#include "corroded_section_chart.h"
#include "current_folder.h"
#include "program_folder.h"
#include "reaction_charts.h"
#include "report_page_templates.h"
#include "section_pages.h"
#include "text_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <set>

#include <string>

namespace wtn {
namespace {

using test::CurrentFolder;
using test::ProgramFolder;

const TemplateTable kTemplates = kStabilityReportTemplates;

using test::contains;
using test::count_of;

// SP-IV of the installed catalogue, Chang's method, port standard, one layer
// row below the virtual seabed and the row closing it.
StabilityReport sheet_pile_report() {
    StabilityReport r;
    r.input.swdat.design_standard = DesignStandard::Port;
    r.input.swdat.embedment_method = EmbedmentMethod::Chang;
    r.input.joken.pile_type = PileType::U;
    DecidedPile& p = r.results.decided;
    p.id = 23;
    p.name = "SP-IV";
    p.inertia = {38600.0, 35000.0, 33528.0};
    p.modulus = {2270.0, 2100.0, 1984.0};
    p.modulus_before_cut = {0.0, 2101.4, 1984.2};
    p.reduction_ratio = {1.0, 0.9, 0.87};
    p.corrosion_table = {143.04, 178.79, 214.55, 250.31, 286.07};
    r.results.design_values.young_modulus = 200.0;
    r.results.corrosion = {1.2, 1.0, 0.6, 1.0, 0.5, 1.0, kCorrosionZonesDiffer};
    ForceCase& fc = r.force_case;
    fc.start_index = 0;
    fc.layer_count = 2;
    fc.layers[0] = {-7.0, 23.0, 0.5236, 2, 20.0, 0, 30000.0};
    fc.layers[1] = {-30.0, 0.0, 0.0, 1, 0.0, 0, 0.0};
    return r;
}

std::string section_pages_of(const StabilityReport& r) {
    ProgramFolder folder(false);
    CurrentFolder here(folder);
    PageFile page("T.PDT", "title", r.run_info, &kTemplates);
    write_section_pages(page, r, "KHKSD1.PZK");
    page.close();
    return folder.read("T.PDT");
}

TEST(SectionPages, CorrosionPagesByZoneAndPileOrigin) {
    struct Case {
        const char* what;
        std::function<void(StabilityReport&)> change;
        std::vector<std::string> present;
        std::vector<std::string> absent;
    };
    const Case cases[] = {
        {"catalogue pile, zones differ",
         [](StabilityReport&) {},
         {"$R  17\r\n$0  YAITA_FS.PFM\r\n99  海  中  部\r\n00   30\r\n01  0.030\r\n02  0.030\r\n"
          "03  0.030\r\n04  0.030\r\n05   1.20\r\n06   0.60\r\n07  0.50\r\n08       35000\r\n"
          "09        2100\r\n",
          "$R  17\r\n$0  YAITA_FS.PFM\r\n99  海底泥層中\r\n00   30\r\n01  0.030\r\n02  0.020\r\n"
          "03  0.030\r\n04  0.020\r\n05   1.00\r\n06   1.00\r\n07  1.00\r\n08       33528\r\n"
          "09        1984\r\n",
          "$R  28\r\n$0                  FYAITA.PZK\r\n"},
         {"98  ", "YAITA_FZ"}},
        {"catalogue pile, zones alike",
         [](StabilityReport& r) { r.results.corrosion.case_flag = kCorrosionZonesSame; },
         {"99  海底泥層中\r\n", "FYAITA.PZK"},
         {"海  中  部"}},
        {"remaining section",
         [](StabilityReport& r) {
             r.custom.corroded_section_rule = from_file_value<CorrodedSectionRule>(1);
         },
         {"$R  20\r\n$0  YAITA_FZ.PFM\r\n99  海  中  部\r\n98   90\r\n97  0.90\r\n",
          "10       38600\r\n11        2270\r\n"},
         {"YAITA_FS"}},
        {"user's pile",
         [](StabilityReport& r) { r.results.decided.added = kUserCatalogue; },
         {"$R  8\r\n$0  YAITA_FT.PFM\r\n99  海  中  部\r\n98   90\r\n97  0.90\r\n08       35000\r\n"
          "09        2100\r\n10       38600\r\n11        2270\r\n"},
         {"00   30", "05   1.20", "FYAITA.PZK"}},
        {"no corrosion",
         [](StabilityReport& r) { r.results.corrosion.case_flag = kNoCorrosion; },
         {"$1  YAITA.PFM\r\n99  2-2\r\n00  SP-IV\r\n04       200.0\r\n01       38600\r\n"
          "02        2270\r\n03  /m\r\n$R  35\r\n"},
         {"YAITA_F", "FYAITA.PZK"}},
        {"river standard, table section",
         [](StabilityReport& r) { r.input.swdat.design_standard = DesignStandard::River; },
         {"$R  12\r\n$0  YAITA_KS.PFM\r\n03   1.00\r\n04   1.00\r\n05  1.00\r\n06       33528\r\n"
          "07        1984\r\n"},
         {"YAITA_F"}},
        {"concrete pile",
         [](StabilityReport& r) {
             r.input.joken.pile_type = PileType::Pc;
             r.results.corrosion.case_flag = kNoCorrosion;
         },
         {"03  /m\r\n$R  35\r\n$0  KHKSKC1.PFM     KHKSD1.PZK\r\n"},
         {"YAITA_", "FYAITA.PZK"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        StabilityReport r = sheet_pile_report();
        r.input.fsyok.service_life = 30;
        c.change(r);
        const std::string page = section_pages_of(r);
        for (const std::string& part : c.present)
            EXPECT_TRUE(contains(page, part)) << part << "\n" << page;
        for (const std::string& part : c.absent)
            EXPECT_FALSE(contains(page, part)) << part;
    }
}

TEST(SectionPages, JointEfficiencyByWhatEachFactorReduces) {
    StabilityReport r = sheet_pile_report();
    r.results.joint_efficiency_flag = 1;
    r.input.tugit.section_inertia = 0.8;
    r.input.tugit.section_modulus = 0.9;
    r.input.tugit.embedment_inertia = 0.6;
    DecidedPile& p = r.results.decided;
    p.inertia_beta = {30880.0, 28000.0, 26822.0};
    p.stress_modulus = {2043.0, 1890.0, 1786.0};
    p.inertia_embed = {23160.0, 21000.0, 20117.0};
    const std::string page = section_pages_of(r);
    EXPECT_TRUE(contains(page, "$0  YAITA_KW.PFM\r\n00  0.80\r\n01  0.90\r\n06       30880\r\n"
                               "07        2043\r\n08       26822\r\n09        1786\r\n"
                               "10       28000\r\n11        1890\r\n"));
    EXPECT_TRUE(
        contains(page, "$0  YAITA_KL.PFM\r\n00  0.60\r\n06       23160\r\n08       20117\r\n"));
    // A factor above 1.0 sets the flag but reduces nothing: no page.
    r.input.tugit = {1.0, 1.2, 1.0};
    EXPECT_FALSE(contains(section_pages_of(r), "YAITA_K"));
}

TEST(SectionPages, ConstantsTableRowsFromTheStartRow) {
    StabilityReport r = sheet_pile_report();
    r.results.corrosion.case_flag = kNoCorrosion;
    ForceCase& fc = r.force_case;
    fc.layer_count = 8;
    fc.start_index = 3;
    for (int i = 0; i < 8; ++i)
        fc.layers[static_cast<std::size_t>(i)] = {-2.0 * i, 2.0, 0.5, 2, 5.0 + i, 0, 7500.0 + i};
    fc.layers[4].resistance_option = 1; // constant given: no N value
    fc.layers[5].friction_angle = 0.0;  // clay whose N came from the cohesion
    fc.layers[5].n_from_cohesion = 1;
    const std::string page = section_pages_of(r);
    EXPECT_TRUE(contains(page, "$R  41\r\n$0  KHKSKC1.PFM     KHKSD1.PZK\r\n"));
    EXPECT_EQ(count_of(page, "$0  KHKSKC2.PFM"), 4); // rows 3 to 6; row 7 closes row 6
    EXPECT_TRUE(
        contains(page, "00    -6.00\r\n01    -8.00\r\n02           8.0\r\n03        7503.0\r\n"));
    EXPECT_TRUE(contains(page, "00    -8.00\r\n01   -10.00\r\n02  ──────\r\n"));
    EXPECT_TRUE(contains(page, "02        10.000\r\n"));
    EXPECT_TRUE(contains(page, "00   -12.00\r\n01   -14.00\r\n02          11.0\r\n"));
    EXPECT_FALSE(contains(page, "00   -14.00"));

    // The S-type method: one row for the ground below the virtual seabed.
    r.input.swdat.embedment_method = EmbedmentMethod::SType;
    r.results.design_values.n_value_flag = 0;
    r.results.design_values.lateral_constant = 2500.0;
    const std::string s_type = section_pages_of(r);
    EXPECT_TRUE(contains(s_type, "$R  35\r\n"));
    EXPECT_TRUE(contains(s_type, "99  横抵抗定数の算出(ｋ$Ss$Z)\r\n00  Ｎ値の増加率\r\n"));
    EXPECT_TRUE(contains(s_type, "$0  KHKSKC2.PFM\r\n00    -6.00\r\n01   -16.00\r\n02  ──────\r\n"
                                 "03        2500.0\r\n"));
}

std::string drawing_of(const std::function<void()>& draw, const char* name) {
    ProgramFolder folder(false);
    CurrentFolder here(folder);
    draw();
    return folder.read(name);
}

TEST(ReactionCharts, GridsReferenceLinesAndPointsWorkedByHand) {
    // k_h chart: x 0.3 to 50 over 2500 units, y 1000 to 200000 over -2500.
    // N 10, k 20000: X = 500 + (1 + 0.52288) 2500 / 2.22185 = 2213.5,
    // Y = 2700 - (4.30103 - 3) 2500 / 2.30103 = 1286.5.
    StabilityReport r = sheet_pile_report();
    ForceCase& fc = r.force_case;
    const double rows[][2] = {{10.0, 20000.0}, {0.3, 3000.0},  {50.0, 90000.0},
                              {0.29, 3000.0},  {50.1, 3000.0}, {0.5, 750.0}};
    fc.layer_count = 7;
    for (std::size_t i = 0; i < 6; ++i)
        fc.layers[i] = {-1.0 * static_cast<double>(i), 1.0, 0.5, 2, rows[i][0], 0, rows[i][1]};
    const std::string kh = drawing_of([&] { draw_kh_chart(r, "KHKSD1.PZK"); }, "KHKSD1.PZK");
    EXPECT_EQ(kh.substr(0, kh.find("\r\n", 26) + 2), "KHKSD1.PZK  横抵抗定数表\r\n46 29\r\n");
    // (10, 20000) lies on the reference line k = 2000 N, and the lines
    // k = 1000 N and 4000 N pass through every corner of it: its label moves
    // right along its level, under it, past the line k = 1000 N, tied to the
    // point by a dashed leader. (0.3, 3000) stands on the frame: its label a
    // little off it. (50, 90000) stands on the right edge, under the two
    // upper lines: its label left along its level, clear of them.
    EXPECT_TRUE(contains(kh, "L 2213 1286 2558 1286 1 1\r\nK 2558 1367   60   60 0 2\r\n"
                             "(10.0,20000.0)\r\n"));
    EXPECT_TRUE(contains(kh, "K  515 2166   60   60 0 2\r\n(0.3,3000.0)\r\n"));
    EXPECT_TRUE(contains(kh, "K 2175  561   60   60 0 2\r\n(50.0,90000.0)\r\n"));
    // Outside a range: 0.29, 50.1 and k 750 below the y range are not plotted.
    EXPECT_EQ(count_of(kh, "\r\nK "), 3 + 3 + 2 + 3);

    struct Grid {
        const char* what;
        std::function<void()> draw;
        int lines; // grid lines, reference lines and the bar of the average N
    };
    StabilityReport empty = r;
    empty.force_case.layer_count = 1;
    empty.input.swdat.embedment_method = EmbedmentMethod::CType;
    const Grid grids[] = {
        {"k_h", [&] { draw_kh_chart(empty, "C.PZK"); }, 21 + 20 + 3},
        {"k_s", [&] { draw_ks_chart(empty, "C.PZK"); }, 26 + 21 + 3 + 1},
        {"k_c", [&] { draw_kc_chart(empty, "C.PZK"); }, 24 + 20 + 1},
    };
    for (const Grid& g : grids) {
        SCOPED_TRACE(g.what);
        EXPECT_EQ(count_of(drawing_of(g.draw, "C.PZK"), "\r\nL "), g.lines);
    }

    // k_c chart of method 3: the single value N 5, k_c 3000:
    // X = 500 + (0.69897 + 0.30103) 2500 / 2.30103 = 1586.5,
    // Y = 2700 - (3.47712 - 2) 2500 / 2.30103 = 1095.1.
    empty.results.design_values.n_value_flag = 1;
    empty.results.design_values.n_value = 5.0;
    empty.results.design_values.lateral_constant = 3000.0;
    EXPECT_TRUE(contains(drawing_of([&] { draw_kc_chart(empty, "C.PZK"); }, "C.PZK"),
                         "K 1586 1095   60   60 0 2\r\n(5.0,3000.0)\r\n"));
}

TEST(CorrodedSectionChart, SpIiiLineOfTheInstalledTable) {
    // 22,"SP-III",600,1400,100,5,0,7,1,2,6.50,5.20,4.33,3.71,3.25; Z0 1340,
    // loss 100.33 per mm at t2/t1 = 0. Page: X = 500 + t1 x 3300 / 7,
    // Y = 2500 - (Z - 600) x 2.75.
    StabilityReport r = sheet_pile_report();
    r.results.decided.modulus[0] = 1340.0;
    r.results.decided.corrosion_table = {100.33, 125.41, 150.49, 175.57, 200.65};
    CorrosionChartLine line;
    line.id = 22;
    line.name = "SP-III";
    line.z = {600, 1400, 100, 5};
    line.t1 = {0, 7, 1, 2};
    line.line_ends = {6.50, 5.20, 4.33, 3.71, 3.25};
    const std::string chart = drawing_of([&] { draw_corroded_section(r, line); }, "FYAITA.PZK");
    EXPECT_TRUE(contains(
        chart, "FYAITA.PZK  腐食後矢板の断面表\r\n46 29\r\nQ  500 2500 3800  300 0 3\r\n"));
    // t1 every 0.5 mm (15 lines), Z every 20 (41 lines); a grid line that
    // passes a label of t2/t1 is drawn in pieces on either side of it.
    std::set<int> grid_x, grid_y;
    for (std::size_t at = chart.find("\r\nL "); at != std::string::npos;
         at = chart.find("\r\nL ", at + 1)) {
        if (chart.compare(chart.find("\r\n", at + 2) - 4, 4, " 0 2") != 0) continue;
        int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        ASSERT_EQ(std::sscanf(chart.c_str() + at + 4, "%d %d %d %d", &x1, &y1, &x2, &y2), 4);
        if (x1 == x2) grid_x.insert(x1);
        if (y1 == y2) grid_y.insert(y1);
    }
    EXPECT_EQ(grid_x.size(), 15u);
    EXPECT_EQ(grid_y.size(), 41u);
    // t2/t1 = 0: from (0, 1340) to (6.5, 1340 - 652.1 = 687.9).
    EXPECT_TRUE(contains(chart, "L  500  465 3564 2258 0 3\r\n"));
    // Z / Z0 from 100 % (Y 465) down to 50 % (670 >= 600); 40 % is below the axis.
    for (const char* y : {" 465", " 833", "1202", "1570", "1939", "2307"})
        EXPECT_TRUE(contains(chart, std::string("L  200 ") + y + "  250 " + y + " 0 3\r\n")) << y;
    EXPECT_FALSE(contains(chart, "\r\n40\r\n"));
    EXPECT_TRUE(contains(chart, "\r\nＦSP-III  ＮＫSP-III  ＫSP-III  ＳＫSP-III\r\n"));
}

// 0.55 mm a year over 30 years corrodes 16.5 mm: beyond an axis ending at
// 14. The point, its guide lines and its label stay off the sheet; the chart
// says the value lies beyond it. A point within the axes is drawn.
TEST(CorrodedSectionChart, APointBeyondTheAxisIsNotDrawnButNoted) {
    StabilityReport r = sheet_pile_report();
    r.results.decided.modulus[0] = 1340.0;
    r.results.decided.corrosion_table = {100.33, 125.41, 150.49, 175.57, 200.65};
    r.results.corrosion.case_flag = kCorrosionZonesDiffer;
    r.results.corrosion.t1_sea = 16.5;
    r.results.corrosion.t1_mud = 3.0;
    r.results.decided.modulus_before_cut[kSectionSeaWater] = 1100.0;
    r.results.decided.modulus[kSectionSeaWater] = 1100.0;
    r.results.decided.modulus_before_cut[kSectionSeabedMud] = 1000.0;
    r.results.decided.modulus[kSectionSeabedMud] = 1000.0;
    CorrosionChartLine line;
    line.id = 22;
    line.name = "SP-III";
    line.z = {600, 1400, 100, 5};
    line.t1 = {0, 14, 1, 2};
    line.line_ends = {6.50, 5.20, 4.33, 3.71, 3.25};
    const std::string chart = drawing_of([&] { draw_corroded_section(r, line); }, "FYAITA.PZK");
    EXPECT_TRUE(contains(chart, "K  500 2800   60   60 0 2\r\n(16.5,1100) は図の範囲外\r\n"))
        << chart;
    EXPECT_FALSE(contains(chart, "\r\n(16.5,1100)\r\n")) << chart;
    EXPECT_TRUE(contains(chart, "\r\n(3.0,1000)\r\n")) << chart;
    // Nothing reaches right of the frame (X 3800): the guide line of 16.5
    // would stand at X 4625.
    for (std::size_t at = chart.find("\r\nL "); at != std::string::npos;
         at = chart.find("\r\nL ", at + 1)) {
        int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        ASSERT_EQ(std::sscanf(chart.c_str() + at + 4, "%d %d %d %d", &x1, &y1, &x2, &y2), 4);
        EXPECT_LE(std::max(x1, x2), 3800) << chart.substr(at + 2, 30);
    }
}

TEST(CorrodedSectionChart, CaptionPutsTheNameInEveryPlace) {
    EXPECT_EQ(corroded_section_caption(35, "SP-VL"), "ＦSP-VL  ＮＫSP-VL  ＫSP-VL  ＳＫSP-VL");
    EXPECT_EQ(corroded_section_caption(2, "A"), "ＦA  ＮＫA  ＳＫA");
    EXPECT_EQ(corroded_section_caption(3, "A"), "ＫA");
    EXPECT_EQ(corroded_section_caption(12, "A"), "ＦA  ＮＫA  ＫA");
    EXPECT_EQ(corroded_section_caption(16, "A"), "ＮA  ＮＫA  ＫA  ＳＫA");
}

} // namespace
} // namespace wtn
