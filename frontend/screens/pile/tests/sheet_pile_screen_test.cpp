// The sheet-pile screen driven through its controls: list lines, enabling by
// pile type and design switches, the store, and the steel-pipe rows.
#include "catalogue_lines.h"
#include "pile_catalogues.h"
#include "pile_screen_fixture.h"
#include "project_writer.h"
#include "wall_codes.h"

#include <gtest/gtest.h>

namespace wtn::pile::test {
namespace {

std::string blanks(int n) {
    return std::string(static_cast<std::size_t>(n), ' ');
}

TEST(SheetPileLines, CatalogueAndSteelPipeLinesHoldTheirColumns) {
    PileScreenFixture f;
    // SP-III of the installed tables: 6 characters, 19 blanks, I in 10, Z in 18.
    const auto& lines = f.list("lst_gm10").lines();
    const std::string sp3 = "SP-III" + blanks(19) + "     16800" + blanks(14) + "1340";
    EXPECT_NE(std::find(lines.begin(), lines.end(), sp3), lines.end());
    YaitaRec wide;
    wide.name = "鋼矢板ＡＢＣ    ";
    wide.modulus = 1000.4;
    wide.inertia = 2000.6;
    EXPECT_EQ(catalogue_line(wide, false),
              "鋼矢板ＡＢＣ" + blanks(13) + "      2001" + blanks(14) + "1000");
    EXPECT_EQ(steel_pipe_line(1, KokanRec{800.0, 12.0, PipeJoint::PT, 0.0}),
              "  1" + blanks(9) + "800.0" + blanks(9) + "12.0" + blanks(5) + "パイプ型(P-T型)");
    EXPECT_EQ(steel_pipe_line(2, KokanRec{1000.0, 14.0, PipeJoint::GivenSpacing, 250.0}),
              "  2" + blanks(8) + "1000.0" + blanks(9) + "14.0" + blanks(14) + "250.0");
}

// Enabled states of the controls the type rules decide, as a string:
// variant, grade, stress frame, stress boxes (3), secondary-stress frame, kh,
// joint efficiencies, pages 1 to 4, reduction inputs.
std::string type_states(const PileScreenFixture& f) {
    auto e = [](const ui::Control& c) { return c.enabled() ? '1' : '0'; };
    std::string s;
    s += e(f.c<ui::Frame>("fra_gm8", 2));
    s += e(f.c<ui::Frame>("fra_gm8", 3));
    s += ' ';
    s += e(f.c<ui::Frame>("fra_gm8", 4));
    for (int i = 5; i <= 7; ++i)
        s += e(f.txt("txt_gm8", i));
    s += ' ';
    s += e(f.c<ui::Frame>("fra_gm8", 6));
    s += e(f.txt("txt_gm8", 8));
    s += e(f.txt("txt_gm8", 9));
    s += ' ';
    for (int p = 1; p <= 4; ++p)
        s += f.tab().tab_enabled(static_cast<std::size_t>(p)) ? '1' : '0';
    s += ' ';
    s += e(f.txt("txt_gm12", 8));
    return s;
}

// Displacement frame and boxes, which only the load sets.
std::string displacement_states(const PileScreenFixture& f) {
    std::string s(1, f.c<ui::Frame>("fra_gm8", 1).enabled() ? '1' : '0');
    for (int i = 2; i <= 4; ++i)
        s += f.txt("txt_gm8", i).enabled() ? '1' : '0';
    return s;
}

struct EnablingCase {
    int kind, kanseiji, jyo, jis, sekouji, stress, disp, second, neire;
    const char* types;        // type_states
    const char* displacement; // displacement_states
};

TEST(SheetPileEnabling, LoadAndTypeClicksFollowTheRules) {
    const EnablingCase cases[] = {
        // PC: grade, stresses, joint efficiencies and corrosion off; pages 1 to 3 off.
        {4, 1, 1, 1, 0, 0, 0, 1, 2, "00 0000 000 0000 0", "1110"},
        // Steel pipe, normal case, 検討する, C-type ground: kh open.
        {3, 1, 1, 0, 0, 0, 0, 1, 2, "01 1100 111 0101 0", "1100"},
        {3, 1, 1, 0, 0, 0, 0, 1, 4, "01 1100 111 0101 0", "1100"},
        {3, 1, 1, 0, 0, 0, 0, 1, 0, "01 1100 101 0101 0", "1100"},
        {3, 1, 1, 0, 0, 0, 0, 2, 2, "01 1100 101 0101 0", "1100"},
        {0, 1, 1, 0, 0, 0, 0, 1, 2, "11 1100 001 0001 0", "1100"},
        // The construction stage alone: no corrosion page, its own boxes only.
        {0, 0, 0, 0, 1, 0, 0, 1, 0, "11 1001 001 0000 0", "1001"},
        // Not decided by stress or displacement: those inputs closed.
        {1, 1, 1, 1, 1, 1, 1, 1, 0, "01 0000 001 0001 0", "0000"},
        // Nothing studied: both frames open, all six boxes closed.
        {0, 0, 0, 0, 0, 0, 0, 1, 0, "11 1000 001 0001 0", "1000"},
        {2, 1, 0, 1, 0, 0, 0, 1, 0, "01 1010 001 1001 1", "1010"},
        {6, 1, 1, 1, 1, 0, 0, 1, 0, "00 0000 000 0010 0", "1111"},
        {5, 1, 1, 1, 1, 0, 0, 1, 0, "00 0000 000 0000 0", "1111"},
    };
    PileScreenFixture f;
    f.show_screen();
    for (const EnablingCase& c : cases) {
        SCOPED_TRACE("type " + std::to_string(c.kind) + " neire " + std::to_string(c.neire));
        DesignData& d = f.data;
        d.sekkei_dat.kanseiji_sw = code_of_list_index<CheckBox>(c.kanseiji);
        d.kanseiji_dat.jyo_sw = code_of_list_index<CheckBox>(c.jyo);
        d.kanseiji_dat.jis_sw = code_of_list_index<CheckBox>(c.jis);
        d.sekkei_dat.sekouji_sw = code_of_list_index<CheckBox>(c.sekouji);
        d.sekkei_dat.stress_sw = code_of_list_index<YesNo>(c.stress);
        d.sekkei_dat.disp_sw = code_of_list_index<YesNo>(c.disp);
        d.sekkei_dat.neire_sw = code_of_list_index<EmbedmentMethod>(c.neire);
        d.yaita_dat.second_sw = from_file_value<YesNo>(c.second);
        d.yaita_dat.yaita_kind = code_of_list_index<PileType>(c.kind);
        f.load();
        EXPECT_EQ(type_states(f), c.types);
        EXPECT_EQ(displacement_states(f), c.displacement);
        // The same type reached by the user's click from another type.
        d.yaita_dat.yaita_kind = code_of_list_index<PileType>((c.kind + 1) % 7);
        f.load();
        f.tab().set_tab(0);
        ASSERT_TRUE(f.opt("opt_gm8", c.kind).user_click());
        EXPECT_EQ(type_states(f), c.types);
    }
}

TEST(SheetPileEnabling, PcTypesShowUnitJointEfficienciesAndADisabledPageIsNotLeftShown) {
    PileScreenFixture f;
    f.show_screen();
    f.data.yaita_dat.yaita_kind = PileType::SteelPipe;
    f.data.yaita_dat.joint_alpha = {0.8, 0.9, 0.95};
    f.load();
    f.tab().set_tab(2);
    EXPECT_EQ(f.txt("txt_gm8", 9).text(), "0.80");
    f.data.yaita_dat.yaita_kind = PileType::Pc;
    f.load();
    EXPECT_EQ(f.tab().tab(), 0);
    for (int i = 9; i <= 11; ++i)
        EXPECT_EQ(f.txt("txt_gm8", i).text(), "1.0");
    f.store();
    EXPECT_EQ(f.data.yaita_dat.alpha_sw, CheckBox::Checked);
}

TEST(SheetPileBoxes, HintsShowOnEntryAndEveryBoxEmptiesThePanelOnLeaving) {
    PileScreenFixture f;
    f.data.sekkei_dat.kanseiji_sw = CheckBox::Checked;
    f.data.kanseiji_dat.jyo_sw = CheckBox::Checked;
    f.show_screen();
    ui::Form& form = f.window->form;
    ui::StatusBar& status = f.window->stv_gm;
    ASSERT_TRUE(form.set_focus(&f.txt("txt_gm8", 5)));
    EXPECT_EQ(status.panel_text(1), "0.0を指定すれば､指定した材質の許容応力度を使用します｡");
    ASSERT_TRUE(form.set_focus(&f.txt("txt_gm8", 9))); // no hint of its own: the panel stays
    EXPECT_EQ(status.panel_text(1), "");
    status.set_panel_text(1, "x");
    ASSERT_TRUE(form.set_focus(&f.txt("txt_gm8", 10)));
    EXPECT_EQ(status.panel_text(1), "");
    status.set_panel_text(1, "x");
    ASSERT_TRUE(form.set_focus(&f.txt("txt_gm8", 2)));
    EXPECT_EQ(status.panel_text(1), "");
    // Typing limits and the masks on leaving.
    EXPECT_EQ(f.txt("txt_gm8", 1).max_length, 4u);
    EXPECT_EQ(f.txt("txt_gm12", 8).max_length, 4u);
    EXPECT_EQ(f.txt("txt_gm8", 6).max_length, 9u);
    EXPECT_EQ(f.txt("txt_gm8", 11).max_length, 9u);
    EXPECT_EQ(f.txt("txt_gm8", 0).max_length, 10u);
    f.txt("txt_gm8", 2).set_text("7");
    ASSERT_TRUE(form.set_focus(&f.txt("txt_gm8", 0)));
    EXPECT_EQ(f.txt("txt_gm8", 2).text(), "7.00");
    EXPECT_FALSE(f.txt("txt_gm8", 1).visible());
    EXPECT_FALSE(f.txt("txt_gm12", 4).visible());
}

TEST(SheetPileStore, MarksValuesAndCorrosionReachTheDesignData) {
    PileScreenFixture f;
    // Lines 3, 5 and 9 of the steel list: installed 7, user 2, installed 12.
    DesignData& d = f.data;
    ui::ListBox& steel = f.list("lst_gm10");
    steel.clear();
    for (int k = 0; k < 10; ++k) {
        d.yaita_tbl[k] = YaitaRec{.id = 100 + k, .name = "P"};
        steel.add_item("P");
    }
    d.yaita_tbl[3].id = 7;
    d.yaita_tbl[5] = YaitaRec{.id = 2, .name = "U", .added = kUserCatalogue};
    d.yaita_tbl[9].id = 12;
    for (int k : {3, 5, 9})
        steel.set_selected(static_cast<std::size_t>(k), true);
    f.txt("txt_gm8", 9).set_text("1");
    f.txt("txt_gm8", 10).set_text("1.0");
    f.txt("txt_gm8", 11).set_text("0.9995");
    f.txt("txt_gm12", 8).set_text("12.5");
    f.txt("txt_gm12", 9).set_text("13.5");
    f.txt("txt_gm12", 2).set_text("3.25");
    f.txt("txt_gm12", 0).set_text("9");
    f.txt("txt_gm8", 1).set_text("1E9"); // beyond 16 bits: the nearest limit
    f.store();
    const YaitaData& y = d.yaita_dat;
    EXPECT_EQ(y.yaita_sel[0].catalogue_id, 7);
    EXPECT_EQ(y.yaita_sel[0].user_id, 2);
    EXPECT_EQ(y.yaita_sel[1].catalogue_id, 12);
    EXPECT_EQ(y.yaita_sel[1].user_id, 0);
    EXPECT_EQ(y.yaita_sel[2].catalogue_id, 0);
    EXPECT_EQ(y.alpha_sw, CheckBox::Checked);
    EXPECT_EQ(y.fsyok_dat.reduction[0], 12);
    EXPECT_EQ(y.fsyok_dat.reduction[1], 14);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(y.fsyok_dat.sea_rate[i], 3.25);
    EXPECT_EQ(y.young_exp, 32767);
    f.txt("txt_gm8", 11).set_text("0.998");
    f.store();
    EXPECT_EQ(d.yaita_dat.alpha_sw, CheckBox::Clear);
}

TEST(SheetPileStore, RatesShowRoundedAndStoreTheVisibleBox) {
    PileScreenFixture f;
    f.data.yaita_dat.fsyok_dat.sea_rate = {0.3, 0.2, 0.1, 0.03, 0.0};
    f.load();
    EXPECT_EQ(f.txt("txt_gm12", 2).text(), "0.100");
    EXPECT_EQ(f.txt("txt_gm12", 3).text(), "0.030");
    EXPECT_EQ(f.txt("txt_gm12", 0).text(), "0.100");
    EXPECT_EQ(f.txt("txt_gm12", 1).text(), "0.100");
    f.store();
    const auto& rate = f.data.yaita_dat.fsyok_dat.sea_rate;
    EXPECT_EQ(rate[0], 0.1);
    EXPECT_EQ(rate[1], 0.1);
    EXPECT_EQ(rate[2], 0.1);
    EXPECT_EQ(rate[3], 0.03);
}

TEST(SheetPileStore, TheTemplateComesBackAsLoadedAndTwoLoadsEqualOne) {
    PileScreenFixture f;
    DesignData before = f.data;
    f.store();
    // The template's joint efficiencies are all 1: stored, alpha_sw says so.
    EXPECT_EQ(before.yaita_dat.alpha_sw, CheckBox::Clear);
    before.yaita_dat.alpha_sw = CheckBox::Checked;
    EXPECT_EQ(project_file_lines(f.data), project_file_lines(before));

    DesignData& d = f.data;
    d.yaita_dat.yaita_kind = PileType::SteelPipe;
    d.yaita_dat.kokan_tbl[0] = KokanRec{800.0, 12.0, PipeJoint::PT, 0.0};
    d.yaita_dat.kokan_tbl[2] = KokanRec{0.0, 5.0, PipeJoint::GivenSpacing, 250.0};
    d.yaita_dat.yaita_sel[0].catalogue_id = d.yaita_tbl[1].id;
    f.load();
    f.store();
    const auto once = project_file_lines(d);
    f.load();
    f.load();
    f.store();
    EXPECT_EQ(project_file_lines(d), once);
    // The rows move up over the empty one; a row without a diameter is kept.
    EXPECT_EQ(d.yaita_dat.kokan_tbl[1].thickness, 5.0);
    EXPECT_EQ(d.yaita_dat.kokan_tbl[2].thickness, 0.0);
}

class SteelPipeRows : public ::testing::Test {
  protected:
    void SetUp() override {
        f.data.yaita_dat.yaita_kind = PileType::SteelPipe;
        f.show_screen();
        f.tab().set_tab(2);
    }
    void add(double diameter, double thickness, int joint) {
        // The new row copies the boxes; typing then edits it.
        ASSERT_TRUE(f.cmd("cmd_gm9", 0).user_click());
        f.txt("txt_gm9", 0).set_text(std::to_string(diameter));
        f.txt("txt_gm9", 1).set_text(std::to_string(thickness));
        f.opt("opt_gm9", joint).set_value(true);
    }
    std::vector<double> diameters() {
        f.store();
        std::vector<double> out;
        for (const KokanRec& r : f.data.yaita_dat.kokan_tbl)
            if (r.diameter > 0) out.push_back(r.diameter);
        return out;
    }
    PileScreenFixture f;
};

TEST_F(SteelPipeRows, AddInsertAndDeleteKeepRowsListAndButtonsInStep) {
    ui::ListBox& list = f.list("lst_gm9");
    EXPECT_EQ(list.list_count(), 0u);
    EXPECT_FALSE(f.txt("txt_gm9", 0).enabled());
    EXPECT_FALSE(f.cmd("cmd_gm9", 1).enabled());
    add(500, 9, 0);
    EXPECT_EQ(list.list_count(), 1u);
    EXPECT_EQ(list.list_index(), 0);
    EXPECT_TRUE(f.txt("txt_gm9", 0).enabled());
    // The spacing box opens only for a row of joint type 3.
    EXPECT_FALSE(f.txt("txt_gm9", 2).enabled());
    for (int k = 2; k <= 10; ++k)
        add(500 + k, 9, 3);
    EXPECT_TRUE(f.txt("txt_gm9", 2).enabled());
    EXPECT_FALSE(f.cmd("cmd_gm9", 0).enabled());
    EXPECT_FALSE(f.cmd("cmd_gm9", 1).enabled());
    EXPECT_TRUE(f.cmd("cmd_gm9", 2).enabled());

    ASSERT_TRUE(f.cmd("cmd_gm9", 2).user_click()); // delete the last: the new last selected
    EXPECT_EQ(list.list_index(), 8);
    EXPECT_TRUE(f.cmd("cmd_gm9", 0).enabled());
    list.set_list_index(2);
    f.txt("txt_gm9", 0).set_text("700"); // edits the selected row
    list.set_list_index(1);
    list.set_list_index(2);
    f.txt("txt_gm9", 1).set_text("11");
    ASSERT_TRUE(f.cmd("cmd_gm9", 1).user_click()); // insert at line 3
    EXPECT_EQ(list.list_index(), 2);
    EXPECT_EQ(list.list(3).substr(0, 3), "  4");
    EXPECT_EQ(diameters(), (std::vector<double>{500, 502, 700, 700, 504, 505, 506, 507, 508, 509}));
    EXPECT_EQ(f.data.yaita_dat.kokan_tbl[2].thickness, 11.0);

    while (list.list_count() > 1)
        ASSERT_TRUE(f.cmd("cmd_gm9", 2).user_click());
    ASSERT_TRUE(f.cmd("cmd_gm9", 2).user_click()); // the only row
    EXPECT_EQ(list.list_index(), -1);
    EXPECT_FALSE(f.cmd("cmd_gm9", 1).enabled());
    EXPECT_FALSE(f.cmd("cmd_gm9", 2).enabled());
    EXPECT_FALSE(f.txt("txt_gm9", 0).enabled());
    EXPECT_TRUE(diameters().empty());
}

TEST_F(SteelPipeRows, TypedValuesKeepTheirPrecisionAndTheSpacingShowsOnlyForTypeThree) {
    add(800, 12, 0);
    ui::TextBox& diameter = f.txt("txt_gm9", 0);
    diameter.set_text("12.34");
    ui::ListBox& list = f.list("lst_gm9");
    EXPECT_EQ(list.list(0).substr(3, 14), blanks(10) + "12.3");
    diameter.lost_focus();
    EXPECT_EQ(diameter.text(), "12.3");
    f.store();
    EXPECT_EQ(f.data.yaita_dat.kokan_tbl[0].diameter, 12.34);

    f.opt("opt_gm9", 3).set_value(true);
    f.txt("txt_gm9", 2).set_text("250");
    EXPECT_EQ(list.list(0).substr(30), blanks(14) + "250.0");
    f.opt("opt_gm9", 1).set_value(true);
    EXPECT_EQ(list.list(0).substr(30), blanks(5) + "パイプ型(P-T型)");
    EXPECT_FALSE(f.txt("txt_gm9", 2).enabled());
    f.store();
    EXPECT_EQ(f.data.yaita_dat.kokan_tbl[0].joint_type, PipeJoint::PT);
    EXPECT_EQ(f.data.yaita_dat.kokan_tbl[0].joint_spacing, 250.0);
}

TEST_F(SteelPipeRows, AJointTypeNoOptionStandsForIsShownAsASpacing) {
    f.data.yaita_dat.kokan_tbl[0] = KokanRec{800.0, 12.0, from_file_value<PipeJoint>(7), 250.0};
    f.data.yaita_dat.kokan_tbl[1] = KokanRec{900.0, 12.0, PipeJoint::PP, 0.0};
    f.load();
    ui::ListBox& list = f.list("lst_gm9");
    ASSERT_EQ(list.list_count(), 2u);
    EXPECT_EQ(list.list(0).substr(30), blanks(14) + "250.0");
    for (int k = 0; k < 4; ++k)
        EXPECT_FALSE(f.opt("opt_gm9", k).value());
    list.set_list_index(1);
    EXPECT_TRUE(f.opt("opt_gm9", 2).value());
}

} // namespace
} // namespace wtn::pile::test
