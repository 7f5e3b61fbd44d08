// The results dialog over result tables as the stability calculation writes
// them: what each cell shows, the headings per stage and pile, the adopted
// values per mode and the adopted-value file.
#include "results_dialog.h"

#include "fake_services.h"
#include "program_folder.h"
#include "text_file.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace wtn::mainwin {
namespace {

// Thirteen lines of four columns: reals "%lf", verdicts "%d"; absent reals
// -99999.9; a damaged line 2 (letters, an empty and a missing field).
const std::vector<std::string> kLevelTable = {
    "123.456000,-99999.000000,-99998.900000,-99999.900000",
    "50.000000,abc,",
    "1.234500,2.000000,3.000000,4.000000",
    "9.900000,9.900000,9.900000,9.900000",
    "10.000000,20.000000,30.000000,40.000000",
    "11.000000,21.000000,31.000000,41.000000",
    "12.345600,13.000000,14.000000,15.000000",
    "0,1,-1,2",
    "1,0,0,0",
    "0,0,0,0",
    "1,1,1,1",
    "0,0,0,0",
    "1,1,1,1",
};

struct ResultsDialogTest : ::testing::Test {
    test::ProgramFolder folder{false};
    DesignData data;
    fake::MessageBoxes boxes;

    void SetUp() override {
        data.work_dir = folder.path();
        for (const char* name : {"KEKKA1.DAT", "KEKKA3.DAT"})
            write_text_file(folder.file(name), kLevelTable);
        write_text_file(folder.file("KEKKA2.DAT"), {"\"完成時\",\" SP-IIIw \", -15.500,  18.500"});
        write_text_file(folder.file("KEKKA4.DAT"), {"\"施工時\",\"SP-IV\", -16.000,  19.000"});
    }

    std::string cell(const ResultsDialog& d, int i) { return d.lbl_kgm[i]->caption(); }
};

TEST_F(ResultsDialogTest, CellsShowValuesByMaskAndMarksByVerdict) {
    data.kekka_mode = 1;
    ResultsDialog d(data, boxes);
    d.form.load();
    struct Case {
        int label;
        const char* shown;
    };
    const std::vector<Case> cases = {
        // Stress in the sea part: -99999 and below absent, -99998.9 shown.
        {8, "123.5"},
        {18, "－"},
        {29, "-99998.9"},
        {38, "－"},
        // Verdicts 0 and 1 marked, -1 and 2 absent.
        {9, "○"},
        {19, "×"},
        {30, "－"},
        {39, "－"},
        // A damaged line: what is not a number stays absent.
        {10, "50.0"},
        {20, "－"},
        {31, "－"},
        {40, "－"},
        {12, "1.235"},
        {42, "4.000"},
        // Secondary and combined stress; line 4 is not shown.
        {14, "10.0"},
        {44, "40.0"},
        {57, "11.0"},
        {51, "41.0"},
        {56, "×"},
        {50, "×"},
        {16, "12.346"},
        {46, "15.000"},
        {6, "腐食前"},
        {7, "腐食後"},
        {27, "腐食前"},
        {28, "腐食後"},
        {0, "    発生応力         (N/mm2)"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(cell(d, c.label), c.shown) << c.label;
    EXPECT_TRUE(d.lbl_kgm[47]->visible());
    EXPECT_TRUE(d.lbl_kgm[48]->visible());
    EXPECT_EQ(d.lbl_gm1[0]->caption(), "完成時");
    EXPECT_EQ(d.lbl_gm1[1]->caption(), "SP-IIIw");
    EXPECT_EQ(d.lbl_gm1[4]->caption(), "-15.500");
    EXPECT_EQ(d.lbl_gm1[5]->caption(), "18.500");
    EXPECT_EQ(d.form.caption(), "検討結果及び、根入れ深度・矢板長の決定");
    EXPECT_EQ(d.txt_gm1[0]->text(), "-15.500");
    EXPECT_EQ(d.txt_gm1[1]->text(), "18.500");
    EXPECT_FALSE(d.txt_gm1[0]->locked);
}

// Result tables of a decided pile with the given verdict lines 8 to 13.
std::vector<std::string> table_with_verdicts(const std::array<const char*, 6>& verdicts) {
    std::vector<std::string> lines(kLevelTable.begin(), kLevelTable.begin() + 7);
    lines.insert(lines.end(), verdicts.begin(), verdicts.end());
    return lines;
}

TEST_F(ResultsDialogTest, AFailedCheckIsSaidInRedAboveOkEvenWhenTheGridDoesNotShowIt) {
    struct Case {
        const char* name;
        std::array<const char*, 6> verdicts;
        bool warned;
    };
    const std::vector<Case> cases = {
        // The subgrade reaction (line 11) is not in the grid: its marks stay ○.
        {"reaction only", {"0,0,0,0", "0,0,0,0", "0,0,0,0", "0,1,0,0", "0,0,0,0", "0,0,0,0"}, true},
        {"stress in the sea part",
         {"0,0,1,0", "0,0,0,0", "0,0,0,0", "0,0,0,0", "0,0,0,0", "0,0,0,0"},
         true},
        {"all passed", {"0,0,0,0", "0,0,0,0", "0,0,0,0", "0,0,0,0", "0,0,0,0", "0,0,0,0"}, false},
        {"not checked",
         {"-1,-1,-1,-1", "0,0,0,0", "0,0,0,0", "2,2,2,2", "0,0,0,0", "0,0,0,0"},
         false},
    };
    for (const Case& c : cases) {
        for (int mode : {1, 2, -1, -2}) {
            SCOPED_TRACE(std::string(c.name) + " mode " + std::to_string(mode));
            const bool completed = mode == 1 || mode == -1;
            write_text_file(folder.file(completed ? "KEKKA1.DAT" : "KEKKA3.DAT"),
                            table_with_verdicts(c.verdicts));
            data.kekka_mode = mode;
            ResultsDialog d(data, boxes);
            d.form.load();
            EXPECT_EQ(d.lbl_failed->visible(), c.warned);
            EXPECT_EQ(d.lbl_failed->caption(), kChecksFailedWarning);
            EXPECT_TRUE(d.lbl_failed->alert);
            // Above OK, clear of the grid's last row.
            EXPECT_LE(d.lbl_failed->rect().top + d.lbl_failed->rect().height,
                      d.Command1->rect().top);
            EXPECT_GE(d.lbl_failed->rect().top,
                      d.lbl_kgm[16]->rect().top + d.lbl_kgm[16]->rect().height);
            if (std::string(c.name) == "reaction only") {
                for (int mark : {9, 19, 30, 39, 11, 21, 32, 41, 13, 23, 34, 43})
                    EXPECT_EQ(cell(d, mark), "○") << mark;
            }
        }
    }
}

TEST_F(ResultsDialogTest, HeadingsFollowTheStageAndThePile) {
    struct Case {
        int mode;
        int yaita_kind;
        std::array<const char*, 4> heads;
        bool groups;
        const char* caption;
        const char* sea_value;
    };
    const char* concrete = "最大曲げﾓｰﾒﾝﾄ        (kN･m)";
    const char* steel = "    発生応力         (N/mm2)";
    const std::vector<Case> cases = {
        // A concrete pile has no after-corrosion columns; the groups stay.
        {1, 4, {"－", "－", "－", "－"}, true, concrete, "123.456"},
        // Construction stage: H.W.L. and the user level, its name trimmed;
        // a concrete pile keeps the tide-level heads.
        {2, 0, {"H.W.L.", "岸壁前", "－", "－"}, false, steel, "123.5"},
        {-2, 5, {"H.W.L.", "岸壁前", "－", "－"}, false, concrete, "123.456"},
    };
    data.sekouji_dat.tide_kentou_sw = {CheckBox::Clear, CheckBox::Checked, CheckBox::Clear,
                                       CheckBox::Checked, CheckBox::Clear};
    data.sekkei_dat.tide_name = "  岸壁前  ";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        data.kekka_mode = c.mode;
        data.yaita_dat.yaita_kind = code_of_list_index<PileType>(c.yaita_kind);
        ResultsDialog d(data, boxes);
        d.form.load();
        const std::array<int, 4> heads = {6, 7, 27, 28};
        for (int k = 0; k < 4; ++k)
            EXPECT_EQ(cell(d, heads[k]), c.heads[k]);
        EXPECT_EQ(d.lbl_kgm[47]->visible(), c.groups);
        EXPECT_EQ(cell(d, 0), c.caption);
        EXPECT_EQ(cell(d, 8), c.sea_value);
    }
}

TEST_F(ResultsDialogTest, AdoptedValuesByMode) {
    // Something adopted before: shown instead of the computed values.
    data.kekka_mode = 1;
    data.caldt_vals = {0.0, 12.5};
    {
        ResultsDialog d(data, boxes);
        d.form.load();
        EXPECT_EQ(d.txt_gm1[0]->text(), "0.000");
        EXPECT_EQ(d.txt_gm1[1]->text(), "12.500");
        // Letters are refused: the box keeps the value it held on entry.
        d.txt_gm1[0]->set_text("abc");
        d.Command1->user_click();
        EXPECT_FALSE(d.form.loaded());
        ASSERT_EQ(boxes.notes().size(), 1u);
        EXPECT_NE(boxes.notes()[0].find("「施工根入れ深度 （m）」"), std::string::npos);
        boxes.shown.clear();
    }
    EXPECT_EQ(data.caldt_vals, (std::array<double, 2>{0.0, 12.5}));
    EXPECT_EQ(data.saiyou_kansei, (std::array<double, 2>{0.0, 12.5}));
    EXPECT_EQ(folder.read("CAL_NEI.DAT"), "0.000\r\n12.500\r\n");

    // The close box adopts as OK does: the report and the project agree.
    data.kekka_mode = 2;
    {
        ResultsDialog d(data, boxes);
        d.form.load();
        d.txt_gm1[1]->set_text("23");
        d.form.unload();
        EXPECT_TRUE(d.adopted_file_written());
    }
    EXPECT_EQ(folder.read("CAL_NEI.DAT"), "0.000\r\n23.000\r\n");
    EXPECT_EQ(data.caldt_vals, (std::array<double, 2>{0.0, 23.0}));
    EXPECT_EQ(data.saiyou_sekou, (std::array<double, 2>{0.0, 23.0}));

    // View mode: the values adopted for the stage, locked; nothing stored or
    // written however the dialog closes.
    data.kekka_mode = -1;
    data.saiyou_kansei = {15.5, 22.0};
    std::filesystem::remove(folder.file("CAL_NEI.DAT"));
    {
        ResultsDialog d(data, boxes);
        d.form.load();
        EXPECT_EQ(d.form.caption(), "検討結果");
        EXPECT_EQ(d.txt_gm1[0]->text(), "15.500");
        EXPECT_EQ(d.txt_gm1[1]->text(), "22.000");
        EXPECT_TRUE(d.txt_gm1[0]->locked);
        EXPECT_FALSE(d.txt_gm1[1]->user_edit("30"));
        d.Command1->user_click();
    }
    EXPECT_FALSE(folder.exists("CAL_NEI.DAT"));
    EXPECT_EQ(data.caldt_vals, (std::array<double, 2>{0.0, 23.0}));
    EXPECT_TRUE(boxes.shown.empty());
}

// KEKKA2.DAT computes the tip -15.500 and the length 18.500. What the boxes
// hold is judged as the user types: a tip above the computed one or a
// shorter pile is said in red under the checks' line, above OK.
TEST_F(ResultsDialogTest, AnAdoptionShortOfTheComputedPileIsSaidInRedAsTheUserTypes) {
    struct Case {
        const char* what;
        const char* tip;
        const char* length;
        bool warned;
    };
    const std::vector<Case> cases = {
        {"as computed", "-15.500", "18.500", false},
        {"deeper and longer", "-16", "19", false},
        {"tip above", "-15.000", "18.500", true},
        {"pile shorter", "-15.500", "18.000", true},
        {"both short", "-12", "14.5", true},
        {"tip 0.0004 above", "-15.4996", "18.500", false},
        {"pile 0.0004 shorter", "-15.500", "18.4996", false},
        {"pile 0.001 shorter", "-15.500", "18.499", true},
        {"a depth typed for the tip", "15.5", "18.500", true},
    };
    data.kekka_mode = 1;
    ResultsDialog d(data, boxes);
    d.form.load();
    EXPECT_FALSE(d.lbl_short->visible());
    EXPECT_EQ(d.lbl_short->caption(), kAdoptionShortWarning);
    EXPECT_TRUE(d.lbl_short->alert);
    // Under the checks' line, above OK.
    EXPECT_EQ(d.lbl_short->rect().top, d.lbl_failed->rect().top + d.lbl_failed->rect().height);
    EXPECT_LE(d.lbl_short->rect().top + d.lbl_short->rect().height, d.Command1->rect().top);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        d.form.set_focus(d.txt_gm1[0]);
        ASSERT_TRUE(d.txt_gm1[0]->user_type(c.tip));
        d.form.set_focus(d.txt_gm1[1]);
        ASSERT_TRUE(d.txt_gm1[1]->user_type(c.length));
        EXPECT_EQ(d.lbl_short->visible(), c.warned);
    }
    // Half typed: "-1" is a tip far above; the line shows at once.
    d.form.set_focus(d.txt_gm1[0]);
    ASSERT_TRUE(d.txt_gm1[0]->user_type("-1"));
    EXPECT_TRUE(d.lbl_short->visible());
    ASSERT_TRUE(d.txt_gm1[0]->user_type("6"));
    EXPECT_FALSE(d.lbl_short->visible());
}

// The boxes keep an earlier adoption (the section changed since): the
// dialog opens with the line shown. The view mode judges what was adopted,
// but not an empty adoption.
TEST_F(ResultsDialogTest, AnEarlierShortAdoptionIsSaidOnOpening) {
    struct Case {
        int mode;
        std::array<double, 2> adopted;
        bool warned;
    };
    const std::vector<Case> cases = {
        {1, {-12.0, 14.5}, true},
        {1, {-15.5, 18.5}, false},
        {-1, {-12.0, 14.5}, true},
        {-1, {0.0, 0.0}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        data.kekka_mode = c.mode;
        data.caldt_vals = c.adopted;
        data.saiyou_kansei = c.adopted;
        ResultsDialog d(data, boxes);
        d.form.load();
        EXPECT_EQ(d.lbl_short->visible(), c.warned);
    }
}

TEST_F(ResultsDialogTest, MissingTablesShowAbsentCells) {
    std::filesystem::remove(folder.file("KEKKA1.DAT"));
    std::filesystem::remove(folder.file("KEKKA2.DAT"));
    data.kekka_mode = -1;
    ResultsDialog d(data, boxes);
    d.form.load();
    for (int i : {8, 9, 16, 46, 57})
        EXPECT_EQ(cell(d, i), "－") << i;
    EXPECT_EQ(d.lbl_gm1[4]->caption(), "－");
}

} // namespace
} // namespace wtn::mainwin
