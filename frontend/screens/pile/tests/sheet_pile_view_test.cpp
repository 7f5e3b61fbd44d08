// The sheet-pile screen and the catalogue dialogs as Qt shows them: pictures
// of every page and both dialogs, their layout, and a user's session from the
// ｵﾌﾟｼｮﾝ menu to the calculation input.
#include "cal_writer.h"
#include "catalogue_editor.h"
#include "cp932_codec.h"
#include "current_folder.h"
#include "form_window.h"
#include "input_record.h"
#include "layout_check.h"
#include "main_window_view_fixture.h"
#include "pile_catalogue.h"
#include "qt_services.h"
#include "text_file.h"
#include "whole_catalogues.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace wtn::pile::test {
namespace {

using mainwin::test::expect_laid_out;
using mainwin::test::MainWindowViewFixture;
using mainwin::test::save_screenshot;

TEST(SheetPileView, EveryPageAndBothDialogsArePicturedAndLaidOut) {
    MainWindowViewFixture f;
    ASSERT_NE(f.start_and_show(), nullptr);
    DesignData& d = f.data;
    d.sekkei_dat.kanseiji_sw = CheckBox::Checked;
    d.kanseiji_dat.jyo_sw = CheckBox::Checked;
    d.kanseiji_dat.jis_sw = CheckBox::Checked;
    d.sekkei_dat.neire_sw = EmbedmentMethod::CType;
    d.yaita_dat.second_sw = YesNo::Yes;
    d.yaita_dat.kokan_tbl[0] = KokanRec{800.0, 12.0, PipeJoint::PT, 0.0};
    d.yaita_dat.kokan_tbl[1] = KokanRec{1000.0, 14.0, PipeJoint::GivenSpacing, 250.0};
    d.yaita_dat.yaita_sel[0].catalogue_id = d.yaita_tbl[1].id;
    d.yaita_dat.pcyaita_sel[0].catalogue_id = d.pcyaita_tbl[2].id;
    f.window->inp_menu_Click(3);
    auto* tabs = f.view->findChild<QTabWidget*>("tab_gm(3)");
    ASSERT_NE(tabs, nullptr);
    const int kinds[5] = {3, 2, 3, 6, 3};
    const char* names[5] = {"yaita", "yaita_nini", "kokan", "pc_yaita_nini", "fusyoku"};
    for (int page = 0; page < 5; ++page) {
        d.yaita_dat.yaita_kind = code_of_list_index<PileType>(kinds[page]);
        f.window->screens[3].load();
        f.window->tab_gm[3]->set_tab(page);
        QApplication::processEvents();
        EXPECT_EQ(tabs->currentIndex(), page);
        EXPECT_TRUE(save_screenshot(*f.view, std::string("screen3_") + names[page]));
        // Option buttons are a pixel shorter than the style's preferred height.
        expect_laid_out(*f.window->fra_sgm[3][page], f.view->binder(), {});
    }

    for (bool pc : {false, true}) {
        CatalogueEditor editor(d, pc, f.boxes, {1024, 768});
        qt::FormDialog dialog(editor.form, f.view.get());
        editor.form.load();
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        editor.txt_ygm1[0]->set_text("自前矢板Ａ");
        editor.cmd_ygm1_Click(0);
        editor.cmd_ygm1_Click(0);
        EXPECT_TRUE(save_screenshot(dialog, pc ? "Form4_pc_catalogue" : "Form3_steel_catalogue"));
        expect_laid_out(editor.form, dialog.binder(), {});
        editor.cmd_ygm1_Click(4);
    }
}

// Selects the whole text of a box and enters text over it, as an input
// method commits Japanese text.
void type_into(QWidget& root, const char* name, const QString& text) {
    auto* box = root.findChild<QLineEdit*>(name);
    ASSERT_NE(box, nullptr) << name;
    box->setFocus();
    box->selectAll();
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(box, &event);
}

void click(QWidget& root, const char* name) {
    auto* button = root.findChild<QAbstractButton*>(name);
    ASSERT_NE(button, nullptr) << name;
    ASSERT_TRUE(button->isEnabled()) << name;
    button->click();
}

// Marks the line of the list that begins with text.
void mark(QWidget& root, const char* list_name, const QString& text) {
    auto* list = root.findChild<QListWidget*>(list_name);
    ASSERT_NE(list, nullptr);
    for (int row = 0; row < list->count(); ++row) {
        QListWidgetItem* item = list->item(row);
        if (!item->text().startsWith(text + " ")) continue;
        list->scrollToItem(item);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(item).center());
        return;
    }
    FAIL() << text.toStdString();
}

std::vector<std::string> lines_with(const std::vector<std::string>& lines, const std::string& key) {
    std::vector<std::string> out;
    for (const auto& l : lines)
        if (l.rfind(key, 0) == 0) out.push_back(l);
    return out;
}

TEST(SheetPileView, AUsersPileReachesTheCalculationInput) {
    MainWindowViewFixture f;
    ASSERT_NE(f.start_and_show(), nullptr);
    qt::QtWindowSystem windows;
    windows.set_owner(f.view.get());
    f.window->services.windows = &windows;

    // The steel dialog, driven once it is up.
    bool dialog_done = false;
    QTimer::singleShot(0, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        type_into(*dialog, "txt_ygm1(0)", QString::fromUtf8("自前矢板A"));
        type_into(*dialog, "txt_ygm1(1)", "12345.6");
        type_into(*dialog, "txt_ygm1(2)", "1000");
        click(*dialog, "cmd_ygm1(0)");
        click(*dialog, "cmd_ygm1(3)");
        dialog_done = true;
    });
    f.window->edit_kyit->on_click();
    ASSERT_TRUE(dialog_done);
    ASSERT_EQ(f.data.yaita_tbl[f.data.yaita_cnt - 1].name.substr(0, 13), "自前矢板A");

    QWidget& view = *f.view;
    f.window->inp_menu_Click(3);
    click(view, "opt_gm8(2)");
    type_into(view, "txt_gm8(10)", "0.8");
    f.view->findChild<QTabWidget*>("tab_gm(3)")->setCurrentIndex(1);
    for (const char* pile : {"SP-III", "SP-IVA", "自前矢板A"})
        mark(view, "lst_gm10", QString::fromUtf8(pile));
    f.window->store_all_screens();
    ASSERT_TRUE(f.window->file_commands().write_work_cal_file(kInputFileName));
    auto lines = read_text_file(f.folder.file(kInputFileName));
    EXPECT_EQ(lines_with(lines, "tyait"), std::vector<std::string>{"tyait, 22 , 34 "});
    EXPECT_EQ(lines_with(lines, "apdyt"), std::vector<std::string>{"apdyt, 1 "});
    // Section I, embedment I, Z.
    EXPECT_EQ(lines_with(lines, "tugit"), std::vector<std::string>{"tugit, 1 , .8 , 1 "});
    {
        wtn::test::CurrentFolder current(f.folder);
        InputRecord input;
        PileTable added;
        ASSERT_EQ(read_all_added_piles(input, kAddedSteel, added), 1);
        EXPECT_DOUBLE_EQ(added[0].inertia, 12345.6);
    }

    // Steel pipes: 800 x 12 with P-T joints, 1000 x 14 with a 250 mm spacing.
    f.view->findChild<QTabWidget*>("tab_gm(3)")->setCurrentIndex(0);
    click(view, "opt_gm8(3)");
    f.view->findChild<QTabWidget*>("tab_gm(3)")->setCurrentIndex(2);
    click(view, "cmd_gm9(0)");
    type_into(view, "txt_gm9(0)", "800");
    type_into(view, "txt_gm9(1)", "12");
    click(view, "opt_gm9(1)");
    click(view, "cmd_gm9(0)");
    type_into(view, "txt_gm9(0)", "1000");
    type_into(view, "txt_gm9(1)", "14");
    click(view, "opt_gm9(3)");
    type_into(view, "txt_gm9(2)", "250");
    EXPECT_TRUE(save_screenshot(view, "screen3_kokan_entered"));
    f.window->store_all_screens();
    ASSERT_TRUE(f.window->file_commands().write_work_cal_file(kInputFileName));
    lines = read_text_file(f.folder.file(kInputFileName));
    EXPECT_EQ(lines_with(lines, "kokan"),
              (std::vector<std::string>{"kokan, 800 , 12 , 2 ", "kokan, 1000 , 14 , 250 "}));
}

} // namespace
} // namespace wtn::pile::test
