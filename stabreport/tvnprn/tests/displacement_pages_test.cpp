// The head-displacement pages, the subgrade-reaction check at the virtual
// seabed and the displacement sketch, written from records set here.
#include "current_folder.h"
#include "displacement_figure.h"
#include "displacement_pages.h"
#include "program_folder.h"
#include "report_page_templates.h"
#include "stop_capture.h"
#include "text_search.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace wtn {
namespace {

using test::CurrentFolder;
using test::ProgramFolder;

const TemplateTable kTemplates = kStabilityReportTemplates;

using test::contains;

// SP-VL by Chang's method, port standard, completed state, normal case,
// corrosion zones differ. Superstructure crown +3.0 over the virtual seabed
// -7.0: H = 10.0 m. One mooring force at +2.5 and two force lines, with the
// LoadItem rows TVNCAL would store for them.
StabilityReport chang_report() {
    StabilityReport r;
    r.study_mode = kCompletedStateMode;
    r.input.swdat.design_standard = DesignStandard::Port;
    r.input.swdat.embedment_method = EmbedmentMethod::Chang;
    r.input.swdat.decision_code = 111;
    r.input.tjkn1.superstructure_crown = 3.0;
    r.input.tjkn1.pile_crown = 2.0;
    r.input.forces_normal[0] = {"係船柱", 10.0, 2.5};
    r.input.force_normal_count = 1;
    ForceCase& fc = r.force_case;
    fc.base[kNormalCase] = {-7.0, 42.745};
    fc.start_index = 0;
    fc.layer_count = 2;
    fc.layers[0].kh = 30000.0;
    fc.force_count = 2;
    fc.forces[0] = {8.0, 1.5};
    fc.forces[1] = {3.0, 4.25};
    fc.total_force = 9.093;
    fc.lever_arm = 2.846;
    CaseAreas& a = r.results.areas;
    a.load_items = {{0.950, 0.308, 3.080}, {0.800, 0.235, 0.352}, {0.300, 0.041, 0.174}};
    a.load_item_count = 3;
    a.chang.beta = {0.494, 0.490, 0.502};
    DecidedPile& p = r.results.decided;
    p.inertia = {63000.0, 60000.0, 59003.0};
    r.results.design_values.young_modulus = 200.0;
    r.results.design_values.allowable_displacement = {10.0, 15.0};
    r.results.design_values.lateral_constant = 1500.0;
    r.results.corrosion.case_flag = kCorrosionZonesDiffer;
    LevelDisplacementBlock& d = r.results.level_displacement;
    d.load_sum[0] = 3.606;
    d.seabed_deflection[0] = {0.877, 0.900};
    d.rotation_term[0] = {4.837, 5.061};
    d.cantilever_term[0] = {2.529, 2.737};
    d.total[0] = {8.243, 8.698};
    d.reaction[0] = {263.1, 270.0};
    return r;
}

enum class Writer { chang, matrix, curves, chang_check, koken_check_c, koken_check_layer };

struct Written {
    std::string text;
    int item_no = 0;
};

Written write_with(const StabilityReport& r, Writer writer, int case_index = 0) {
    ProgramFolder folder(false);
    CurrentFolder here(folder);
    PageFile page("T.PDT", "title", r.run_info, &kTemplates);
    int next = 0;
    switch (writer) {
    case Writer::chang:
        next = write_chang_displacement_pages(page, r, case_index, 5);
        break;
    case Writer::matrix:
        next = write_displacement_pages(page, r, case_index, 5, DisplacementSource::Matrix);
        break;
    case Writer::curves:
        next = write_displacement_pages(page, r, case_index, 5, DisplacementSource::Curves);
        break;
    case Writer::chang_check:
        next = write_chang_seabed_check_page(page, r, case_index, 5);
        break;
    case Writer::koken_check_c:
        next = write_koken_seabed_check_page(page, r, case_index, 5, SeabedCheckKind::CType);
        break;
    case Writer::koken_check_layer:
        next =
            write_koken_seabed_check_page(page, r, case_index, 5, SeabedCheckKind::CTypeMultiLayer);
        break;
    }
    page.close();
    std::string text = folder.read("T.PDT");
    // Drop the title and header lines.
    for (int i = 0; i < 2; ++i)
        text.erase(0, text.find("\r\n") + 2);
    return {text, next};
}

TEST(DisplacementPages, ChangPagesOfACorrodedPortCaseLineByLine) {
    const Written w = write_with(chang_report(), Writer::chang);
    EXPECT_EQ(w.item_no, 6);
    const std::string expected =
        "$R  57\r\n$0  Y_HENI11.PFM    HENI_Z.PZK\r\n99    5\r\n$0  Y_HENI1B.PFM\r\n"
        "$T\r\n$1  HENKEI1.PFM\r\n$H  HENKEIHD.PFM\r\n$F  HENKEIFT.PFM\r\n"
        // The input force prints its elevation; its row bends from 9.5 m.
        "$0  HENKEI2.PFM\r\n00   T$S1$Z\r\n01    10.000\r\n02   2.500\r\n03  10.000\r\n"
        "04     0.950\r\n05     0.308\r\n06     3.080\r\n"
        "$0  HENKEI2.PFM\r\n00   H$S1 $Z\r\n01     1.500\r\n02   8.000\r\n03  10.000\r\n"
        "04     0.800\r\n05     0.235\r\n06     0.352\r\n"
        "$0  HENKEI2.PFM\r\n00   H$S2 $Z\r\n01     4.250\r\n02   3.000\r\n03  10.000\r\n"
        "04     0.300\r\n05     0.041\r\n06     0.174\r\n"
        "$0  HENKEI3.PFM\r\n00     3.606\r\n$H\r\n$F\r\n$L\r\n"
        // Before corrosion every value of section 0.
        "$0  Y_HENI31.PFM\r\n99  腐食前\r\n98   200.0\r\n97  10$U2$Z\r\n00   0.494\r\n"
        "01   2.846\r\n02     9.093\r\n03       63000\r\n10       63000\r\n04   0.877\r\n"
        "05  10.000\r\n06   4.837\r\n07     3.606\r\n08   2.529\r\n09   8.243\r\n"
        "11   ≦ \r\n12  10.000\r\n13  OK \r\n"
        // After corrosion β and the embedded I of the seabed mud, the free
        // length's I of the sea water.
        "$0  Y_HENI31.PFM\r\n99  腐食後\r\n98   200.0\r\n97  10$U2$Z\r\n00   0.502\r\n"
        "01   2.846\r\n02     9.093\r\n03       59003\r\n10       60000\r\n04   0.900\r\n"
        "05  10.000\r\n06   5.061\r\n07     3.606\r\n08   2.737\r\n09   8.698\r\n"
        "11   ≦ \r\n12  10.000\r\n13  OK \r\n";
    EXPECT_EQ(w.text, expected);
}

TEST(DisplacementPages, HeadingsReservationsAndSectionsBySwitches) {
    struct Case {
        const char* what;
        Writer writer;
        std::function<void(StabilityReport&)> change;
        std::vector<std::string> present;
        std::vector<std::string> absent;
    };
    const Case cases[] = {
        {"Chang, sea-water sections after corrosion",
         Writer::chang,
         [](StabilityReport& r) {
             r.custom.chang_displacement_rule = from_file_value<ChangDisplacementRule>(1);
         },
         {"$R  53\r\n", "$0  Y_HENI1C.PFM\r\n", "00   0.490\r\n",
          "03       60000\r\n10       60000\r\n"},
         {"$R  57", "Y_HENI1B"}},
        {"Chang, fishery-port standard",
         Writer::chang,
         [](StabilityReport& r) { r.input.swdat.design_standard = DesignStandard::FisheryPort; },
         {"$0  Y_HENI1.PFM     HENI_Z.PZK\r\n", "$0  Y_HENI1A.PFM\r\n", "$0  Y_HENI3.PFM\r\n"},
         {"Y_HENI31", "Y_HENI11"}},
        {"one corrosion for both zones: no reservation, no note, labels stay",
         Writer::chang,
         [](StabilityReport& r) { r.results.corrosion.case_flag = kCorrosionZonesSame; },
         {"99  腐食前\r\n", "99  腐食後\r\n"},
         {"$R", "Y_HENI1B"}},
        {"no corrosion: one state without label",
         Writer::chang,
         [](StabilityReport& r) { r.results.corrosion.case_flag = kNoCorrosion; },
         {"$0  Y_HENI31.PFM\r\n98   200.0\r\n"},
         {"$R", "腐食", "00   0.502"}},
        {"joint efficiency: I of the section calculation",
         Writer::chang,
         [](StabilityReport& r) {
             r.results.joint_efficiency_flag = 1;
             r.results.decided.inertia_beta = {50400.0, 48000.0, 47202.0};
         },
         {"03       50400\r\n10       50400\r\n", "03       47202\r\n10       48000\r\n"},
         {"63000"}},
        {"transfer matrix: θ of the head node in mrad",
         Writer::matrix,
         [](StabilityReport& r) {
             r.results.areas.matrix.nodes[kSectionUncorroded].angle[0] = 0.0012345;
             r.results.areas.matrix.nodes[kSectionSeabedMud].angle[0] = 0.0015;
         },
         {"$R  51\r\n$0  Y_HENI21.PFM    HENI_Z.PZK\r\n99    5\r\n$0  Y_HENI1B.PFM\r\n",
          "$0  Y_HENI41.PFM\r\n99  腐食前\r\n98   200.0\r\n97  10$U2$Z\r\n00   0.877\r\n"
          "01   1.234\r\n02  10.000\r\n03   4.837\r\n04     3.606\r\n05       63000\r\n"
          "06   2.529\r\n07   8.243\r\n11   ≦ \r\n",
          "01   1.500\r\n", "05       60000\r\n"},
         {}},
        {"curves: θ of the section calculation's rigidity",
         Writer::curves,
         [](StabilityReport& r) {
             auto& result = r.results.areas.koken.result;
             result[kKokenSlope + koken_index(kSectionUncorroded, 0)] = 0.002;
             // The embedment rigidity's.
             result[kKokenSlope + koken_index(kSectionUncorroded, 1)] = 0.009;
             result[kKokenSlope + koken_index(kSectionSeabedMud, 0)] = 0.0025;
         },
         {"01   2.000\r\n", "01   2.500\r\n"},
         {"9.000"}},
        {"construction stage: the crown of the sheet pile",
         Writer::chang,
         [](StabilityReport& r) {
             r.study_mode = kConstructionStageMode;
             r.results.areas.load_item_count = 2;
         },
         {"03   9.000\r\n04     0.950\r\n"},
         {"T$S1$Z", "10.000\r\n04"}},
    };
    for (const Case& c : cases) {
        StabilityReport r = chang_report();
        c.change(r);
        const std::string text = write_with(r, c.writer).text;
        for (const std::string& part : c.present)
            EXPECT_TRUE(contains(text, part)) << c.what << ": " << part << "\n" << text;
        for (const std::string& part : c.absent)
            EXPECT_FALSE(contains(text, part)) << c.what << ": " << part;
    }
}

TEST(DisplacementPages, LoadRowsFollowTheStudyAndMustPairWithTheStoredRows) {
    // The stage whose report names no stage is computed as the completed
    // state: the input's forces, then the force lines.
    StabilityReport both = chang_report();
    both.study_mode = kConstructionCrownMode;
    const std::string text = write_with(both, Writer::chang).text;
    const auto t1 = text.find("00   T$S1$Z");
    const auto h1 = text.find("00   H$S1 $Z");
    ASSERT_NE(t1, std::string::npos);
    EXPECT_LT(t1, h1);

    // The seismic case's dynamic-water lines.
    StabilityReport seismic = chang_report();
    seismic.input.forces_seismic[0] = {"係船柱", 5.0, 2.5};
    seismic.input.force_seismic_count = 1;
    seismic.input.neire.apparent_rule = ApparentSeismicRule::AraiYokoi;
    seismic.input.nir_t.dynamic_water = YesNo::Yes;
    seismic.input.joken.lwl = 0.0;
    seismic.input.joken.design_seabed = -6.0;
    seismic.force_case.base[kSeismicCase] = {-7.5, 40.0};
    seismic.force_case.dynamic_count = 1;
    seismic.force_case.dynamic_water[0] = {6.0, 0.7};
    seismic.results.areas.load_items.push_back({0.1, 0.2, 0.3});
    seismic.results.areas.load_item_count = 4;
    const std::string w = write_with(seismic, Writer::chang, kSeismicCase).text;
    EXPECT_TRUE(contains(w, "00   W$S1$Z\r\n01     0.700\r\n02   6.000\r\n03  10.500\r\n"
                            "04     0.800\r\n"))
        << w;

    // One row more or less than the loads would pair every factor with the
    // wrong load: the program stops.
    for (int count : {2, 4}) {
        StabilityReport r = chang_report();
        r.results.areas.load_items.resize(4);
        r.results.areas.load_item_count = count;
        const std::string stop = test::stop_text([&] { write_with(r, Writer::chang); });
        EXPECT_TRUE(contains(stop, "neire.prn")) << count << ": " << stop;
    }
}

TEST(DisplacementPages, VerdictsAtAndAboveTheAllowableDisplacement) {
    StabilityReport r = chang_report();
    r.results.level_displacement.total[0] = {10.0, 10.001};
    const std::string text = write_with(r, Writer::chang).text;
    EXPECT_TRUE(contains(text, "09  10.000\r\n11   ≦ \r\n12  10.000\r\n13  OK \r\n")) << text;
    EXPECT_TRUE(contains(text, "09  10.001\r\n11   ＞ \r\n12  10.000\r\n13  OUT\r\n")) << text;
}

TEST(DisplacementPages, CheckSwitchesLeaveThePagesOutAndTheItemNumberAlone) {
    StabilityReport r = chang_report();
    r.input.swdat.decision_code = 101;
    for (Writer w : {Writer::chang, Writer::matrix}) {
        const Written out = write_with(r, w);
        EXPECT_EQ(out.text, "");
        EXPECT_EQ(out.item_no, 5);
    }
    EXPECT_EQ(write_with(r, Writer::chang_check).item_no, 6);
    r.input.swdat.decision_code = 11;
    for (Writer w : {Writer::chang_check, Writer::koken_check_c}) {
        const Written out = write_with(r, w);
        EXPECT_EQ(out.text, "");
        EXPECT_EQ(out.item_no, 5);
    }
}

TEST(SeabedCheckPage, ChangPageWithCorrosionTakesTheLargerReaction) {
    const Written w = write_with(chang_report(), Writer::chang_check);
    EXPECT_EQ(w.item_no, 6);
    EXPECT_EQ(w.text, "$R  35\r\n$0  CYANHNRK.PFM\r\n99    5\r\n"
                      "$0  CYNHNRK1.PFM\r\n99  腐食前\r\n00   30000.0\r\n01   0.00877\r\n"
                      "02   263.100\r\n"
                      "$0  CYNHNRK1.PFM\r\n99  腐食後\r\n00   30000.0\r\n01   0.00900\r\n"
                      "02   270.000\r\n"
                      "$0  CYNHNRK2.PFM\r\n02   263.100\r\n04   270.000\r\n05   ＜ \r\n"
                      "06  腐食後\r\n07    42.745\r\n08   270.000\r\n09   ＞ \r\n10  OUT\r\n"
                      "11  許容外\r\n");
}

TEST(SeabedCheckPage, DecisiveReactionConstantAndVerdictByCase) {
    struct Case {
        const char* what;
        Writer writer;
        std::function<void(StabilityReport&)> change;
        std::vector<std::string> present;
    };
    const Case cases[] = {
        {"equal reactions take the corroded state",
         Writer::chang_check,
         [](StabilityReport& r) {
             r.results.level_displacement.reaction[0] = {30.0, 30.0};
         },
         {"05   ＜ \r\n06  腐食後\r\n07    42.745\r\n08    30.000\r\n09   ≦ \r\n10  OK \r\n"
          "11  許容内\r\n"}},
        {"larger before corrosion",
         Writer::chang_check,
         [](StabilityReport& r) {
             r.results.level_displacement.reaction[0] = {42.745, 30.0};
         },
         {"05   ＞ \r\n06  腐食前\r\n07    42.745\r\n08    42.745\r\n09   ≦ \r\n"}},
        {"no corrosion: slot 0 decides",
         Writer::chang_check,
         [](StabilityReport& r) { r.results.corrosion.case_flag = kNoCorrosion; },
         {"$R  21\r\n$0  CYANHNRK.PFM\r\n99    5\r\n$0  CYNHNRK1.PFM\r\n00   30000.0\r\n",
          "$0  CYNHNRK3.PFM\r\n07    42.745\r\n08   263.100\r\n09   ＞ \r\n"}},
        // The construction stage's force file has no passive pressure at
        // the virtual seabed: no verdict against 0.000.
        {"construction stage: the reaction is not checked",
         Writer::chang_check,
         [](StabilityReport& r) {
             r.study_mode = kConstructionStageMode;
             r.force_case.base[0].pressure = 0.0;
         },
         {"07     0.000\r\n08   270.000\r\n09     \r\n10  － \r\n11  対象外\r\n"}},
        {"C-type ground: k_c of the design values",
         Writer::koken_check_c,
         [](StabilityReport&) {},
         {"$0  KOKNHNRK.PFM    KOKNHNRK.PZK\r\n99    5\r\n98  $Sc$Z\r\n97  1.0\r\n"
          "96  kN/m$U2.5$Z\r\n",
          "$0  KKNHNRK1.PFM    KKNHNRK1.PZK\r\n99  腐食前\r\n98  $Sc$Z\r\n97  1.0\r\n"
          "96  kN/m$U2.5$Z\r\n00    1500.0\r\n",
          "$0  KKNHNRK2.PFM\r\n"}},
        {"C-type multi-layer ground: k of the layer at the virtual seabed",
         Writer::koken_check_layer,
         [](StabilityReport& r) { r.results.corrosion.case_flag = kNoCorrosion; },
         {"00   30000.0\r\n", "$0  KKNHNRK3.PFM\r\n"}},
    };
    for (const Case& c : cases) {
        StabilityReport r = chang_report();
        c.change(r);
        const std::string text = write_with(r, c.writer).text;
        for (const std::string& part : c.present)
            EXPECT_TRUE(contains(text, part)) << c.what << ": " << part << "\n" << text;
    }
}

std::string figure_of(DesignStandard design_standard) {
    ProgramFolder folder(false);
    CurrentFolder here(folder);
    StabilityReport r;
    r.input.swdat.design_standard = design_standard;
    draw_displacement_figure(r);
    return folder.read(kDisplacementFigureName);
}

TEST(DisplacementFigure, SketchWorkedByHandAndTheStandardsSwapOnlyTwoLabels) {
    const std::string port = figure_of(DesignStandard::Port);
    EXPECT_EQ(port.substr(0, port.find("仮想海底面")),
              "HENI_Z.PZK  変位図\r\n46 30\r\nL 2200 1500 3700 1500 0 3\r\n"
              "K 2260 1485   60   60    0 2\r\n設計海底面\r\n"
              "L 2200 1800 3700 1800 0 3\r\nK 2260 1785   60   60    0 2\r\n");
    const std::string tail =
        "L 3300  300 3300 2400 0 3\r\nL 3200  300 3200 1800 0 2\r\n"
        "L 2700  300 3210 1800 0 2\r\nP 3300 2200  100 2900 2300  300 2\r\n"
        "L 2300  225 2300  175 0 3\r\nL 2700  225 2700  175 0 3\r\n"
        "L 3200  225 3200  175 0 3\r\nL 3300  225 3300  175 0 3\r\n"
        "Y 2300  200 2700  200 30 20 2\r\nY 2700  200 3200  200 30 20 2\r\n"
        "L 3200  200 3300  200 0 1\r\nY 3400  200 3300  200 30 20 1\r\n"
        "K 2470  170   78   60    0 2\r\nδ\\D2\r\nK 2920  170   78   60    0 2\r\nδ\\D3\r\n"
        "K 3210  170   78   60    0 2\r\nδ\\D1\r\n";
    ASSERT_GE(port.size(), tail.size());
    EXPECT_EQ(port.substr(port.size() - tail.size()), tail);
    // The hatching stands between the seabed lines and the pile.
    EXPECT_TRUE(contains(port, "仮想海底面\r\nL ")) << port;

    std::string other = figure_of(DesignStandard::FisheryPort);
    const auto d2 = other.find("δ\\D2");
    const auto d3 = other.find("δ\\D3");
    ASSERT_LT(d3, d2);
    other.replace(d2, 5, "δ\\D3");
    other.replace(d3, 5, "δ\\D2");
    EXPECT_EQ(other, port);
    EXPECT_EQ(figure_of(DesignStandard::Port), port);
}

} // namespace
} // namespace wtn
