// The design-condition list over hand-made inputs: which sections appear,
// how they are numbered and what each prints.
#include "condition_list.h"
#include "report_fixture.h"

#include <gtest/gtest.h>

namespace wtn {
namespace {

using test::in_order;
using test::ReportFixture;

std::string blanks(int n) {
    return std::string(static_cast<std::size_t>(n), ' ');
}

struct ListFixture : ReportFixture {
    ListFixture() {
        InputRecord& in = report->input;
        in.swdat.completed_cases = CompletedCases::Both;
        in.swdat.decision_code = 111;
        in.joken.pile_type = PileType::U;
        in.swdat.embedment_method = EmbedmentMethod::Chang;
        report->conditions.allowable_stress = {180.0, 270.0};
        report->conditions.allowable_displacement = {5.0, 7.5};
        report->conditions.corrosion_case = 0;
        report->model.sea_calc[0].kh = 10000.0;
    }
    std::vector<std::string> list() {
        write_condition_list(*report);
        return test::file_lines(folder.read("PFMTEMP.TMP"));
    }
    // The section headings in order: lines that start " 1-".
    std::vector<std::string> headings() {
        std::vector<std::string> out;
        for (const std::string& line : list())
            if (line.rfind(" 1-", 0) == 0) out.push_back(line.substr(0, line.find('.') + 1));
        return out;
    }
};

TEST(ConditionList, SurchargeAndSeismicSectionsByCaseSwitchAndGroundShape) {
    {
        ListFixture f;
        f.report->input.swdat.completed_cases = CompletedCases::NormalOnly;
        f.report->input.joken.surcharge_normal = 10.0;
        EXPECT_TRUE(in_order(f.list(), {"@-7", " 1-6.上載荷重", blanks(50) + "w =  10.00 kN/m$U2$Z",
                                        "", "@-9", " 1-7.耐用年数" + blanks(44) + " 30 年"}));
    }
    {
        ListFixture f;
        f.report->input.swdat.completed_cases = CompletedCases::SeismicOnly;
        f.report->input.joken.surcharge_seismic = 5.0;
        EXPECT_TRUE(in_order(f.list(), {" 1-6.上載荷重", blanks(49) + "w' =   5.00 kN/m$U2$Z",
                                        "@-8", " 1-7.設計震度" + blanks(42) + " 0.15"}));
    }
    {
        // An embankment without surcharge zones: the seismic coefficient is 1-6.
        ListFixture f;
        f.report->input.swdat.ground_shape = GroundShape::Embankment;
        f.report->input.joken.surcharge_normal = 10.0;
        EXPECT_EQ(f.headings(),
                  (std::vector<std::string>{" 1-1.", " 1-2.", " 1-3.", " 1-4.", " 1-5.", " 1-6.",
                                            " 1-7.", " 1-8.", " 1-9.", " 1-10.", " 1-11."}));
        EXPECT_TRUE(in_order(f.list(), {"@-8", " 1-6.設計震度" + blanks(42) + " 0.15"}));
    }
    {
        ListFixture f;
        InputRecord& in = f.report->input;
        in.swdat.ground_shape = GroundShape::Embankment;
        in.surcharge_count = 2;
        in.surcharges[0] = {0.0, 5.0, 10.0, 5.0};
        in.surcharges[1] = {5.0, 9.0, 20.0, 10.0};
        // Port standard, k the product of the regional, ground and importance factors.
        in.neire.seismic_rule = SeismicCoefficientRule::ProductOfFactors;
        in.neire.regional_factor = 0.15;
        in.neire.ground_factor = 1.2;
        in.neire.importance_factor = 1.0;
        in.neire.seismic_coefficient = 0.18;
        EXPECT_TRUE(in_order(f.list(),
                             {" 1-6.上載荷重",
                              blanks(29) + "w$S1$Z =  10.00 kN/m$U2$Z  w$S1$Z' =   5.00 kN/m$U2$Z",
                              blanks(29) + "w$S2$Z =  20.00 kN/m$U2$Z  w$S2$Z' =  10.00 kN/m$U2$Z",
                              " 1-7.設計震度         0.15 x  1.20 x  1.00 =  0.180 =   0.18"}));
    }
}

TEST(ConditionList, AllowablesByCheckDigitsAndPileType) {
    struct Case {
        int decision;
        PileType type;
        int cases;
        std::vector<std::string> tail; // headings from the lateral resistance on
    };
    const Case cases[] = {
        {100, PileType::U, 3, {" 1-9."}},
        {11, PileType::U, 3, {" 1-9.", " 1-10.", " 1-11."}},
        {11, PileType::Pc, 3, {" 1-9.", " 1-10."}},
    };
    for (const Case& c : cases) {
        ListFixture f;
        f.report->input.swdat.decision_code = c.decision;
        f.report->input.joken.pile_type = c.type;
        const std::vector<std::string> h = f.headings();
        EXPECT_EQ(std::vector<std::string>(h.begin() + 8, h.end()), c.tail) << c.decision;
    }
    {
        // Steel pipe of the higher grade, normal case only.
        ListFixture f;
        f.report->input.swdat.completed_cases = CompletedCases::NormalOnly;
        f.report->input.joken.pile_type = PileType::SteelPipe;
        f.report->input.joken.steel_grade = SteelGrade::SY390;
        EXPECT_TRUE(in_order(f.list(), {" 1-9.許容応力度（鋼管矢板[SKY490]）",
                                        blanks(38) + "(常  時)  σ$Sa$Z =  180.0 N/mm$U2$Z",
                                        " 1-10.許容矢板天端許容変位量",
                                        blanks(38) + "(常  時)          5.00 cm", ""}));
    }
}

TEST(ConditionList, CorrosionSectionByCaseUserPileAndStandard) {
    {
        ListFixture f;
        f.report->conditions.corrosion_case = -1;
        EXPECT_TRUE(in_order(f.list(), {"@-8", "@-10", " 1-7.横方向地盤反力係数"}));
    }
    {
        ListFixture f;
        f.report->conditions.user_pile = 1;
        EXPECT_TRUE(in_order(f.list(), {"@-8", "@-10", " 1-7.横方向地盤反力係数"}));
    }
    {
        // One corrosion for both zones: only the seabed-mud lines.
        ListFixture f;
        f.report->conditions.corrosion_case = 1;
        const auto lines = f.list();
        EXPECT_TRUE(in_order(lines, {" 1-8.腐食しろ（ 鋼矢板 ）",
                                     blanks(16) + "[海底泥層中] （海側） tc=0.030x 30 年 = 0.90 mm",
                                     blanks(29) + "（陸側） tc=0.020x 30 年 = 0.60 mm", ""}));
        EXPECT_FALSE(
            in_order(lines, {blanks(16) + "[海  中  部] （海側） tc=0.030x 30 年 = 0.90 mm"}));
    }
    {
        ListFixture f;
        f.report->input.swdat.design_standard = DesignStandard::River;
        f.report->input.joken.pile_type = PileType::SteelPipe;
        f.report->input.fsyok.allowance_water = 2.0;
        f.report->input.fsyok.allowance_land = 1.0;
        EXPECT_TRUE(in_order(f.list(), {" 1-7.腐食しろ（鋼管矢板）",
                                        blanks(16) + "（水側）" + blanks(28) + "=  2.0  mm",
                                        blanks(16) + "（陸側）" + blanks(28) + "=  1.0  mm", "",
                                        " 1-8.横方向地盤反力係数"}));
    }
}

TEST(ConditionList, LateralResistanceByMethod) {
    {
        ListFixture f;
        f.report->input.swdat.embedment_method = EmbedmentMethod::CType;
        f.report->conditions.n_value_flag = 1;
        f.report->conditions.n_value = 8.0;
        f.report->conditions.lateral_constant = 2500.0;
        EXPECT_TRUE(in_order(
            f.list(), {" 1-9.横抵抗定数", blanks(38) + "(N=  8.0) kc =  2500.0 kN/m$U2.5$Z"}));
    }
    {
        ListFixture f;
        f.report->input.swdat.embedment_method = EmbedmentMethod::SType;
        f.report->conditions.n_value_flag = 1;
        f.report->conditions.n_value_increase = 0.25;
        f.report->conditions.lateral_constant = 300.0;
        EXPECT_TRUE(in_order(
            f.list(), {" 1-9.横抵抗定数", blanks(38) + "(N= 0.25) ks =   300.0 kN/m$U3.5$Z"}));
    }
    {
        // Two sea layers, the second with kc read from its N value.
        ListFixture f;
        f.report->input.swdat.embedment_method = EmbedmentMethod::CTypeMultiLayer;
        LoadModel& m = f.report->model;
        m.sea_count = 3;
        m.sea_calc[0].kh = 1500.0;
        m.sea_calc[1].kh = 3000.0;
        m.sea_calc[1].n_value = 12.0;
        m.sea_calc[1].resistance_option = to_file_value(LayerKhOption::ChartThirdLine);
        EXPECT_TRUE(
            in_order(f.list(), {" 1-9.横抵抗定数",
                                blanks(28) + "土層(  1)           kc =  1500.0 kN/m$U2.5$Z",
                                blanks(28) + "土層(  2) (N= 12.0) kc =  3000.0 kN/m$U2.5$Z", ""}));
    }
}

} // namespace
} // namespace wtn
