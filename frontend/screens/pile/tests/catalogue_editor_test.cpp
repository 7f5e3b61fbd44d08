// The user catalogue dialogs, shown by the ｵﾌﾟｼｮﾝ menu commands and driven as
// the user would, and the marks of the sheet-pile screen across them.
#include "cp932_codec.h"
#include "pile_catalogues.h"
#include "pile_screen_fixture.h"
#include "sheet_pile_screen.h"
#include "text_file.h"

#include <gtest/gtest.h>

#include <functional>

namespace wtn::pile::test {
namespace {

// A program folder whose user steel catalogue holds piles 3 and 7 with the
// next number 9, started.
struct EditorFixture : PileScreenFixture {
    EditorFixture() : PileScreenFixture(false) {
        folder.write("KOUYAITA.APD", utf8_to_cp932("2,9\r\n3,\"自前A\",100,10,0\r\n"
                                                   "7,\"自前B\",200,20,0\r\n"));
        EXPECT_EQ(start(), mainwin::StartResult::ready);
    }
    // Runs a menu command with act playing the user in the dialog.
    void edit(bool pc, const std::function<void(ui::Form&)>& act) {
        windows.on_modal = act;
        (pc ? window->edit_pyit : window->edit_kyit)->on_click();
    }
    static ui::ListBox& list_of(ui::Form& form) { return *form.find_as<ui::ListBox>("lst_ygm1"); }
    static ui::TextBox& box(ui::Form& form, int i) {
        return *form.find_as<ui::TextBox>("txt_ygm1", i);
    }
    static void press(ui::Form& form, int i) {
        ASSERT_TRUE(form.find_as<ui::CommandButton>("cmd_ygm1", i)->user_click());
    }
    // Line of the steel list that shows the user pile id.
    int user_line(int id) const {
        for (int k = 0; k < data.yaita_cnt; ++k)
            if (data.yaita_tbl[k].added == 1 && data.yaita_tbl[k].id == id) return k;
        return -1;
    }
};

TEST(CatalogueEditor, NewRowsAreNumberedOnOkAndCancelLeavesTheFile) {
    EditorFixture f;
    f.edit(false, [](ui::Form& form) {
        ui::ListBox& list = EditorFixture::list_of(form);
        ASSERT_EQ(list.list_count(), 2u);
        EXPECT_EQ(list.list_index(), 0);
        list.set_list_index(1);
        EditorFixture::press(form, 1); // two new rows before pile 7
        EditorFixture::press(form, 1);
        EditorFixture::box(form, 0).set_text("新");
        EditorFixture::press(form, 3);
    });
    EXPECT_EQ(read_text_file(f.folder.file("KOUYAITA.APD")),
              (std::vector<std::string>{"4,11", "3,\"自前A\",100,10,0", "9,\"新\",200,20,0",
                                        "10,\"自前B\",200,20,0", "7,\"自前B\",200,20,0"}));
    EXPECT_EQ(f.data.yaita_next, 11);
    EXPECT_EQ(f.data.yaita_cnt, 16 + 4);

    const std::string before = f.folder.read("KOUYAITA.APD");
    f.edit(false, [](ui::Form& form) {
        EditorFixture::press(form, 0);
        EditorFixture::press(form, 2);
        EditorFixture::press(form, 2);
        EditorFixture::press(form, 4);
    });
    EXPECT_EQ(f.folder.read("KOUYAITA.APD"), before);

    f.edit(false, [](ui::Form& form) {
        while (EditorFixture::list_of(form).list_count() > 0)
            EditorFixture::press(form, 2);
        EXPECT_FALSE(EditorFixture::box(form, 0).enabled());
        EditorFixture::press(form, 3);
    });
    EXPECT_EQ(read_text_file(f.folder.file("KOUYAITA.APD")), std::vector<std::string>{"0,11"});
    EXPECT_EQ(f.data.yaita_cnt, 16);
}

TEST(CatalogueEditor, MoreRowsThanTheButtonsAllowLoadWhole) {
    PileScreenFixture f(false);
    std::string file = "32,33\r\n";
    for (int id = 1; id <= 32; ++id)
        file += std::to_string(id) + ",\"U" + std::to_string(id) + "\",1,1,0\r\n";
    f.folder.write("KOUYAITA.APD", file);
    ASSERT_EQ(f.start(), mainwin::StartResult::ready);
    f.windows.on_modal = [](ui::Form& form) {
        EXPECT_EQ(EditorFixture::list_of(form).list_count(), 32u);
        EXPECT_FALSE(form.find_as<ui::CommandButton>("cmd_ygm1", 0)->enabled());
        EXPECT_FALSE(form.find_as<ui::CommandButton>("cmd_ygm1", 1)->enabled());
        for (int k = 0; k < 3; ++k) // down to 29 rows: room for one more
            EditorFixture::press(form, 2);
        EXPECT_TRUE(form.find_as<ui::CommandButton>("cmd_ygm1", 1)->enabled());
        EditorFixture::press(form, 3);
    };
    f.window->edit_kyit->on_click();
    EXPECT_EQ(read_text_file(f.folder.file("KOUYAITA.APD")).front(), "29,33");
}

TEST(CatalogueEditor, AQuoteInTheNameIsRefusedAndTheDialogStaysOpen) {
    EditorFixture f;
    const std::string before = f.folder.read("KOUYAITA.APD");
    bool still_open = false;
    f.edit(false, [&](ui::Form& form) {
        EditorFixture::box(form, 0).set_text("SP\"X");
        EditorFixture::press(form, 3);
        still_open = form.loaded();
        EditorFixture::press(form, 4);
    });
    EXPECT_TRUE(still_open);
    EXPECT_EQ(f.folder.read("KOUYAITA.APD"), before);
    ASSERT_EQ(f.boxes.notes().size(), 1u);
    EXPECT_NE(f.boxes.notes()[0].find("二重引用符"), std::string::npos);
}

TEST(CatalogueEditor, PcMomentKeepsItsDigitsInTheFile) {
    EditorFixture f;
    f.edit(true, [](ui::Form& form) {
        ui::ListBox& list = EditorFixture::list_of(form);
        EXPECT_EQ(list.list_count(), 0u);
        EXPECT_EQ(EditorFixture::box(form, 3).text(), "0");
        EXPECT_FALSE(form.find_as<ui::CommandButton>("cmd_ygm1", 1)->enabled());
        EditorFixture::box(form, 0).set_text("PC自前");
        EditorFixture::press(form, 0);
        ui::TextBox& moment = EditorFixture::box(form, 3);
        moment.set_text("12.3456");
        moment.lost_focus();
        EXPECT_EQ(moment.text(), "12.346");
        EXPECT_EQ(list.list(0).substr(list.list(0).size() - 6), "12.346");
        EditorFixture::press(form, 3);
    });
    EXPECT_EQ(read_text_file(f.folder.file("PCYAITA.APD")),
              (std::vector<std::string>{"1,2", "1,\"PC自前\",0,0,12.3456"}));
    EXPECT_EQ(f.data.pcyaita_tbl[f.data.pcyaita_cnt - 1].moment, 12.3456);
}

TEST(CatalogueMenuCommands, MarksFollowTheirPilesAcrossTheDialog) {
    EditorFixture f;
    f.data.yaita_dat.yaita_kind = PileType::SteelOfFreeChoice;
    f.data.yaita_dat.yaita_sel[0] = PileIdPair{f.data.yaita_tbl[0].id, 7};
    f.load();
    ui::ListBox& steel = f.list("lst_gm10");
    ASSERT_TRUE(steel.selected(static_cast<std::size_t>(f.user_line(7))));

    // Cancel: the same marks.
    f.edit(false, [](ui::Form& form) { EditorFixture::press(form, 4); });
    EXPECT_TRUE(steel.selected(0));
    EXPECT_TRUE(steel.selected(static_cast<std::size_t>(f.user_line(7))));

    // A pile added before pile 7 moves its line; the mark goes with it.
    const int line_before = f.user_line(7);
    f.edit(false, [](ui::Form& form) {
        EditorFixture::press(form, 1);
        EditorFixture::press(form, 3);
    });
    EXPECT_EQ(f.user_line(7), line_before + 1);
    EXPECT_TRUE(steel.selected(static_cast<std::size_t>(f.user_line(7))));
    EXPECT_FALSE(steel.selected(static_cast<std::size_t>(line_before)));

    // Pile 7 deleted: nothing marked for it, and the next store drops its id.
    f.edit(false, [](ui::Form& form) {
        ui::ListBox& list = EditorFixture::list_of(form);
        list.set_list_index(static_cast<int>(list.list_count()) - 1);
        EditorFixture::press(form, 2);
        EditorFixture::press(form, 3);
    });
    EXPECT_EQ(f.user_line(7), -1);
    f.store();
    EXPECT_EQ(f.data.yaita_dat.yaita_sel[0].user_id, 0);
    EXPECT_EQ(f.data.yaita_dat.yaita_sel[0].catalogue_id, f.data.yaita_tbl[0].id);
}

TEST(CatalogueMenuCommands, AFiftyFirstMarkOfAKindIsUndoneWithAMessage) {
    PileScreenFixture f(false);
    std::string lines;
    for (int id = 1; id <= 60; ++id)
        lines += std::to_string(id) + ",\"P" + std::to_string(id) + "\",1,2,3,4,5,6,7,8,9,10\r\n";
    f.folder.write("YAITA.D01", lines);
    ASSERT_EQ(f.start(), mainwin::StartResult::ready);
    f.data.yaita_dat.yaita_kind = PileType::SteelOfFreeChoice;
    f.show_screen();
    f.tab().set_tab(1);
    ui::ListBox& steel = f.list("lst_gm10");
    for (std::size_t k = 0; k <= static_cast<std::size_t>(kMarkLimit); ++k)
        ASSERT_TRUE(steel.user_select(k));
    EXPECT_TRUE(steel.selected(kMarkLimit - 1));
    EXPECT_FALSE(steel.selected(kMarkLimit));
    EXPECT_EQ(f.boxes.notes().size(), 1u);
    f.store();
    EXPECT_EQ(f.data.yaita_dat.yaita_sel[kMarkLimit - 1].catalogue_id, kMarkLimit);
    EXPECT_EQ(f.data.yaita_dat.yaita_sel[kMarkLimit].catalogue_id, 0);
}

} // namespace
} // namespace wtn::pile::test
