// Basic conditions: the enabling of the studies, the standard, the method and
// the residual-water rule, by the load and by the user's clicks; the store.
#include "design_fixture.h"
#include "number_text.h"

#include <gtest/gtest.h>

namespace wtn::design::test {
namespace {

// Enabled states in this order, "1" on, "0" off, "h" where the load keeps
// what the last click left (superstructure crown with the construction stage
// off): switcher items 1, 2, 4, 6; result menus; the δ frame; H.H.W.L.,
// H.W.L., L.W.L., user level, its name; residual-water box and frame; crown;
// the two seabed levels; embedment level; the C-type and S-type methods.
std::string enabled_states(DesignFixture& f) {
    const BasicScreen& b = f.basic();
    const mainwin::MainWindow& w = *f.window;
    std::string s;
    auto put = [&s](bool on) { s += on ? '1' : '0'; };
    for (int i : {1, 2, 4, 6}) {
        EXPECT_EQ(w.opt_menu[i]->enabled(), w.inp_menu[i]->enabled()) << i;
        put(w.opt_menu[i]->enabled());
    }
    put(w.k_kekka->enabled());
    put(w.s_kekka->enabled());
    s += ' ';
    put(b.fra_gm1[7]->enabled());
    for (int i = 2; i <= 5; ++i) {
        EXPECT_EQ(b.txt_gm1[i]->enabled(), b.fra_gm1[7]->enabled());
        EXPECT_EQ(b.lbl_gm1[i]->enabled(), b.fra_gm1[7]->enabled());
    }
    s += ' ';
    for (int i = 0; i <= 4; ++i) {
        EXPECT_EQ(b.lbl_gm2[i]->enabled(), b.txt_gm2[i]->enabled()) << i;
        put(b.txt_gm2[i]->enabled());
    }
    s += ' ';
    put(b.txt_gm2[5]->enabled());
    put(b.fra_gm2[1]->enabled());
    for (const ui::OptionButton* o : b.opt_gm2)
        EXPECT_EQ(o->enabled(), b.fra_gm2[1]->enabled());
    s += ' ';
    EXPECT_EQ(b.lbl_gm2[5]->enabled(), b.txt_gm2[6]->enabled());
    put(b.txt_gm2[6]->enabled());
    s += ' ';
    EXPECT_EQ(b.lbl_gm2[7]->enabled(), b.txt_gm2[8]->enabled());
    EXPECT_EQ(b.lbl_gm2[8]->enabled(), b.txt_gm2[9]->enabled());
    put(b.txt_gm2[8]->enabled());
    put(b.txt_gm2[9]->enabled());
    s += ' ';
    EXPECT_EQ(b.lbl_gm2[10]->enabled(), b.txt_gm2[11]->enabled());
    put(b.txt_gm2[11]->enabled());
    s += ' ';
    for (int i : {4, 5, 6})
        put(b.opt_gm1[i]->enabled());
    // Never switched by the screen.
    for (int i : {7, 10, 12})
        EXPECT_TRUE(b.txt_gm2[i]->enabled()) << i;
    return s;
}

struct EnablingCase {
    const char* name;
    int kanseiji, sekouji;
    std::array<int, 4> kentou, sakuzu;
    int rwl_sw, neire_sw, std_sw;
    const char* expected;
};

const EnablingCase kCases[] = {
    {"both studies, no level of the stage", 1, 1, {}, {}, 0, 0, 0, "111111 1 01100 01 1 11 0 111"},
    {"stage only, L.W.L. studied, rule 2, multi-layer",
     0,
     1,
     {0, 0, 1, 0},
     {},
     2,
     1,
     0,
     "010001 0 00100 10 0 01 1 111"},
    {"no study, fishery standard, C multi-layer",
     0,
     0,
     {},
     {},
     1,
     3,
     1,
     "000000 0 00000 00 h 00 1 000"},
    {"completed only, rule 2, S-type; level 3 drawn is not the stage's",
     1,
     0,
     {},
     {0, 0, 0, 1},
     2,
     4,
     0,
     "101110 1 01100 11 h 10 0 111"},
    {"stage only, H.H.W.L. studied and user level drawn",
     0,
     1,
     {1, 0, 0, 0},
     {0, 0, 0, 1},
     0,
     0,
     0,
     "010001 0 10011 00 0 01 0 111"},
    {"both, every level drawn, rule 1, fishery",
     1,
     1,
     {},
     {1, 1, 1, 1},
     1,
     2,
     1,
     "111111 1 11111 01 1 11 0 000"},
};

void set_case(DesignData& d, const EnablingCase& c) {
    d.sekkei_dat.kanseiji_sw = code_of_list_index<CheckBox>(c.kanseiji);
    d.sekkei_dat.sekouji_sw = code_of_list_index<CheckBox>(c.sekouji);
    d.sekkei_dat.rwl_sw = residual_rule_from_screen(c.rwl_sw);
    d.sekkei_dat.neire_sw = code_of_list_index<EmbedmentMethod>(c.neire_sw);
    d.sekkei_dat.std_sw = code_of_list_index<DesignStandard>(c.std_sw);
    for (int i = 0; i < 4; ++i) {
        d.sekouji_dat.tide_kentou_sw[i] = code_of_list_index<CheckBox>(c.kentou[i]);
        d.sekouji_dat.tide_sakuzu_sw[i] = code_of_list_index<CheckBox>(c.sakuzu[i]);
    }
}

constexpr std::size_t kResidualBoxColumn = 15;
constexpr std::size_t kCrownColumn = 18;

// The load's states with "h" unchecked; or, after the user's clicks, the
// residual-water box and the crown as the last click of a study box leaves
// them: enabled exactly with the completed-state study, whatever the rule.
bool matches(std::string got, std::string expected, bool by_clicks, bool completed) {
    if (got.size() != expected.size()) return false;
    if (by_clicks) {
        expected[kResidualBoxColumn] = completed ? '1' : '0';
        expected[kCrownColumn] = completed ? '1' : '0';
    }
    for (std::size_t k = 0; k < got.size(); ++k) {
        if (expected[k] != 'h' && got[k] != expected[k]) return false;
    }
    return true;
}

TEST(BasicEnabling, ByTheLoad) {
    for (const EnablingCase& c : kCases) {
        SCOPED_TRACE(c.name);
        DesignFixture f;
        set_case(f.data, c);
        f.load_all();
        const std::string got = enabled_states(f);
        EXPECT_TRUE(matches(got, c.expected, false, false)) << got;
    }
}

TEST(BasicEnabling, ByTheUsersClicksFromAnotherState) {
    for (const EnablingCase& c : kCases) {
        SCOPED_TRACE(c.name);
        DesignFixture f;
        // Start from the opposite studies, the other standard and method.
        set_case(f.data, c);
        f.data.sekkei_dat.kanseiji_sw = CheckBox::Checked;
        f.data.sekkei_dat.sekouji_sw = code_of_list_index<CheckBox>(c.sekouji == 0 ? 1 : 0);
        f.data.sekkei_dat.std_sw = code_of_list_index<DesignStandard>(1 - c.std_sw);
        f.data.sekkei_dat.neire_sw = code_of_list_index<EmbedmentMethod>(c.neire_sw == 0 ? 1 : 0);
        f.data.sekkei_dat.rwl_sw = residual_rule_from_screen(c.rwl_sw == 2 ? 0 : 2);
        f.load_all();

        BasicScreen& b = f.basic();
        f.use_page(0, 1);
        ASSERT_TRUE(b.opt_gm2[c.rwl_sw]->user_click());
        f.use_page(0, 0);
        ASSERT_TRUE(b.opt_gm1[0]->user_click());
        ASSERT_TRUE(b.opt_gm1[2 + c.neire_sw]->user_click());
        ASSERT_TRUE(b.opt_gm1[c.std_sw]->user_click());
        if (b.chk_gm1[1]->value() != c.sekouji) {
            ASSERT_TRUE(b.chk_gm1[1]->user_click());
        }
        if (b.chk_gm1[0]->value() != c.kanseiji) {
            ASSERT_TRUE(b.chk_gm1[0]->user_click());
        }
        const std::string got = enabled_states(f);
        EXPECT_TRUE(matches(got, c.expected, true, c.kanseiji != 0)) << got;
    }
}

TEST(BasicEnabling, ConstructionStageCheckedAfterTheCompletedStateKeepsTheCrownOfTheClick) {
    DesignFixture f;
    f.data.sekkei_dat.kanseiji_sw = CheckBox::Checked;
    f.load_all();
    EXPECT_TRUE(f.basic().txt_gm2[6]->enabled());
    // A project without any study: the load leaves the crown as the click of
    // the completed-state box left it, disabled.
    f.data.sekkei_dat.kanseiji_sw = CheckBox::Clear;
    f.load_all();
    EXPECT_FALSE(f.basic().txt_gm2[6]->enabled());
    // Loaded with only the construction stage: disabled by the load itself.
    f.data.sekkei_dat.sekouji_sw = CheckBox::Checked;
    f.load_all();
    EXPECT_FALSE(f.basic().txt_gm2[6]->enabled());
}

TEST(BasicScreen, StoreReadsWhatTheBoxesShowAndKeepsWhatNoButtonSays) {
    DesignFixture f;
    DesignData& d = f.data;
    d.data_title = "岸壁";
    d.sekkei_dat.neire_sw = EmbedmentMethod::CType;
    d.sekkei_dat.rwl_sw = ResidualLevelRule::TwoThirdsOfRange;
    d.sekkei_dat.tide_lvl = {1.234, 2, 0, 0, 9.87, 5};
    d.sekkei_dat.zevove_sw = YesNo::No;
    f.load_all();
    EXPECT_EQ(f.basic().txt_gm1[0]->text(), "岸壁");
    EXPECT_EQ(f.basic().txt_gm2[0]->text(), "1.23");
    EXPECT_EQ(f.basic().txt_gm2[4]->text(), std::string(10, ' '));
    EXPECT_EQ(f.basic().txt_gm2[5]->text(), "9.87");
    // A method outside the range leaves the method shown before.
    d.sekkei_dat.neire_sw = code_of_list_index<EmbedmentMethod>(7);
    f.basic().set_sekkei_jk();
    EXPECT_TRUE(f.basic().opt_gm1[4]->value());
    f.basic().txt_gm2[5]->set_text("4");
    f.basic().txt_gm2[1]->set_text("abc");
    f.basic().put_sekkei_jk();
    EXPECT_EQ(d.sekkei_dat.neire_sw, EmbedmentMethod::CType);
    EXPECT_DOUBLE_EQ(d.sekkei_dat.tide_lvl[0], 1.23);
    EXPECT_DOUBLE_EQ(d.sekkei_dat.tide_lvl[1], 0.0);
    // Rule 0: the residual-water box is not read.
    EXPECT_DOUBLE_EQ(d.sekkei_dat.tide_lvl[4], 9.87);
    EXPECT_DOUBLE_EQ(d.sekkei_dat.tide_lvl[5], 5.0);
    EXPECT_EQ(d.sekkei_dat.zevove_sw, YesNo::No);
    EXPECT_EQ(d.data_title, "岸壁" + std::string(34, ' '));
}

// The title comes from the project file padded to its 36 characters: the box
// shows it as typed, so typing at its end adds to it, and storing pads it
// again for the file.
TEST(BasicScreen, TheTitleBoxShowsTheTitleWithoutItsPaddingAndTakesTypingAtItsEnd) {
    DesignFixture f;
    f.data.data_title = fixed_text(" 東　岸壁 ", kTitleLength);
    f.load_all();
    f.use_page(0, 0);
    ui::TextBox& title = *f.basic().txt_gm1[0];
    EXPECT_EQ(title.text(), " 東　岸壁");
    title.set_selection(5, 0); // the caret after the last character
    EXPECT_TRUE(title.user_type("改良"));
    EXPECT_EQ(title.text(), " 東　岸壁改良");
    f.basic().put_sekkei_jk();
    EXPECT_EQ(f.data.data_title, fixed_text(" 東　岸壁改良", kTitleLength));
}

TEST(BasicScreen, TheTitleBoxTakesNoMoreThanTheStoredTitle) {
    DesignFixture f;
    f.load_all();
    f.use_page(0, 0);
    ui::TextBox& title = *f.basic().txt_gm1[0];
    title.set_text("");
    EXPECT_FALSE(title.user_type(std::string(37, 'A')));
    EXPECT_EQ(title.text(), std::string(36, 'A'));
    // The level name takes 8 typed characters.
    f.use_page(0, 1);
    f.data.sekkei_dat.sekouji_sw = CheckBox::Checked;
    f.data.sekouji_dat.tide_kentou_sw[3] = CheckBox::Checked;
    f.load_all();
    ui::TextBox& name = *f.basic().txt_gm2[4];
    name.set_text("");
    EXPECT_FALSE(name.user_type("任意の潮位名称です"));
    EXPECT_EQ(name.text(), "任意の潮位名称で");
}

struct TypedCase {
    int box; // 0: water weight (leading number, ###0.00), 1: wall friction
             // angle (leading number, ###0.0), 2: H.W.L. (text as typed, ###0.00)
    const char* typed;
    const char* shown; // nullptr: refused, the box shows what it held on entry
};

TEST(BasicScreen, LeavingANumberBoxTakesFullWidthFormsAndRefusesWhatIsNoNumber) {
    DesignFixture f;
    f.data.sekkei_dat.kanseiji_sw = CheckBox::Checked;
    f.data.sekkei_dat.water_w = 10.1;
    f.data.sekkei_dat.tide_lvl[1] = 1.5;
    f.load_all();
    BasicScreen& b = f.basic();
    ui::Form& form = f.window->form;
    f.use_page(0, 0);
    f.use_page(0, 1);
    ui::TextBox* boxes[] = {b.txt_gm1[1], b.txt_gm1[2], b.txt_gm2[1]};
    const char* captions[] = {"水の単位体積重量（kN/m3）", nullptr, "Ｈ．Ｗ．Ｌ．"};
    const TypedCase cases[] = {
        {0, "１０．２５", "10.25"}, // a Japanese input method in full-width mode
        {0, "　９．８　", "9.80"},  // ideographic spaces around it
        {0, "10.3", "10.30"},       {0, "12abc", nullptr},
        {0, "abc", nullptr},        {0, "", nullptr}, // a number box always holds a number
        {0, "１，０００", nullptr}, // no digit grouping: the comma is no part of a number
        {1, "－３", "-3.0"},        {1, "−3", "-3.0"}, // the minus sign U+2212
        {1, "x", nullptr},          {2, "２．５", "2.50"},
        {2, "abc", nullptr},        {2, "", ""}, // a level not given
    };
    for (const TypedCase& c : cases) {
        SCOPED_TRACE(c.typed);
        f.use_page(0, c.box == 2 ? 1 : 0);
        ui::TextBox& box = *boxes[c.box];
        const std::string before = box.text();
        const std::size_t notes_before = f.boxes.notes().size();
        type_into(form, box, c.typed);
        if (c.shown != nullptr) {
            EXPECT_EQ(box.text(), c.shown);
            EXPECT_EQ(f.boxes.notes().size(), notes_before);
            continue;
        }
        EXPECT_EQ(box.text(), before);
        ASSERT_EQ(f.boxes.notes().size(), notes_before + 1);
        const std::string note = f.boxes.notes().back();
        EXPECT_NE(note.find(std::string("「") + c.typed + "」"), std::string::npos) << note;
        if (captions[c.box] != nullptr) {
            EXPECT_NE(note.find(captions[c.box]), std::string::npos) << note;
        }
    }
    // The last accepted texts reach the design data, never a refused text's 0.
    b.put_sekkei_jk();
    EXPECT_DOUBLE_EQ(f.data.sekkei_dat.water_w, 10.3);
    EXPECT_DOUBLE_EQ(f.data.sekkei_dat.delta_jyo[0], -3.0);
}

} // namespace
} // namespace wtn::design::test
