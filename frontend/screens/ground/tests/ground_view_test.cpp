// Screens 4 and 6 as Qt shows them: the pages of the shapes, every control
// inside its container without overlapping its neighbours, captions and list
// lines that fit, typing through Qt, and pictures for a person to look at.
#include "form_binder.h"
#include "form_window.h"
#include "ground_fixture.h"
#include "layout_check.h"
#include "main_window_view_fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace wtn::ground::test {
namespace {

struct GroundViewTest : ::testing::Test {
    qt::FormBinder& binder() { return f.view->binder(); }
    QWidget* widget(const ui::Control& c) { return binder().widget_of(c); }
    // Hidden controls are held to the layout too.
    void expect_laid_out(const ui::Container& container) {
        mainwin::test::expect_laid_out(container, binder(),
                                       {.hidden_controls = true, .meant_to_overlap = {}});
    }
    mainwin::test::MainWindowViewFixture f;
};

TEST_F(GroundViewTest, StraightAndEmbankmentPagesShowTidyAndTakeTyping) {
    ASSERT_NE(f.start_and_show(), nullptr);
    TihyouData& t = f.data.tihyou_dat;
    t = TihyouData{};
    t.ground_ang = {5, -10, 0};
    t.surcharge_q = {10, 5, 0};
    t.seabed_ang = -2.5;
    t.morid_tbl[0] = {3, 18, 20};
    t.morid_tbl[1] = {1, 17, 19};
    t.josai_tbl[0] = {0, 10, 10, 5};
    t.josai_tbl[1] = {10, 20, 20, 10};
    for (int i = 0; i < 12; ++i)
        t.tikei_tbl[i] = {i * 2.5, 3.0 - i * 0.25};
    mainwin::MainWindow& w = *f.window;
    f.data.kanseiji_dat.jyo_sw = CheckBox::Checked;
    f.data.kanseiji_dat.jis_sw = CheckBox::Checked;
    choose_shape(w, 0);
    show_screen(w, kGroundScreen);
    QApplication::processEvents();
    auto* tab = qobject_cast<QTabWidget*>(widget(*w.tab_gm[kGroundScreen]));
    ASSERT_NE(tab, nullptr);
    EXPECT_TRUE(tab->isVisible());
    EXPECT_EQ(tab->currentIndex(), kStraightPage);
    EXPECT_FALSE(tab->isTabEnabled(kEmbankmentPage));
    expect_laid_out(*w.fra_sgm[kGroundScreen][kStraightPage]);
    EXPECT_TRUE(mainwin::test::save_screenshot(*f.view, "WTN_WIN_ground_straight"));

    choose_shape(w, 1);
    show_screen(w, kGroundScreen);
    QApplication::processEvents();
    EXPECT_EQ(tab->currentIndex(), kEmbankmentPage);
    EXPECT_FALSE(tab->isTabEnabled(kStraightPage));
    expect_laid_out(*w.fra_sgm[kGroundScreen][kEmbankmentPage]);

    // Typing into the wet weight of the selected fill rewrites its line.
    GroundControls g(w);
    auto* wet = qobject_cast<QLineEdit*>(widget(*g.txt[2]));
    ASSERT_NE(wet, nullptr);
    QTest::mouseClick(wet, Qt::LeftButton);
    QTest::keyClick(wet, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(wet, "12.3456");
    EXPECT_EQ(g.lst[kFillGroup]->list(0), "  1           3.00         12.346         20.000");
    auto* list = qobject_cast<QListWidget*>(widget(*g.lst[kFillGroup]));
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->item(0)->text().toStdString(), g.lst[kFillGroup]->list(0));
    EXPECT_TRUE(mainwin::test::save_screenshot(*f.view, "WTN_WIN_ground_embankment"));
}

TEST_F(GroundViewTest, ForceScreenShowsTidyAndTakesTyping) {
    ASSERT_NE(f.start_and_show(), nullptr);
    GairyokuData& d = f.data.gairyoku_dat;
    d = GairyokuData{};
    d.gairyoku_jyo[0] = {force_name_field("係船柱"), ForceSide::Active, 12.5, 3.25};
    d.gairyoku_jyo[1] = {force_name_field("けん引力"), ForceSide::Passive, 234.5678, 0};
    d.gairyoku_jis[0] = {force_name_field("Mooring pull"), ForceSide::Active, 6.25, 3.25};
    mainwin::MainWindow& w = *f.window;
    f.data.kanseiji_dat.jyo_sw = CheckBox::Checked;
    f.data.kanseiji_dat.jis_sw = CheckBox::Checked;
    show_screen(w, kForceScreen);
    QApplication::processEvents();
    ui::TabPage& page = w.tab_gm[kForceScreen]->page(0);
    expect_laid_out(page);

    ForceControls e(w);
    auto* name = qobject_cast<QLineEdit*>(widget(e.name(1)));
    ASSERT_NE(name, nullptr);
    QTest::mouseClick(name, Qt::LeftButton);
    QTest::keyClick(name, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(name, "Bollard");
    EXPECT_EQ(e.lst[1]->list(0), "  1   Bollard                 主働         6.250        3.250");
    QTest::mouseClick(qobject_cast<QAbstractButton*>(widget(*e.opt[3])), Qt::LeftButton);
    EXPECT_EQ(e.lst[1]->list(0).substr(30, 6), "受働");
    EXPECT_TRUE(mainwin::test::save_screenshot(*f.view, "WTN_WIN_forces"));
}

} // namespace
} // namespace wtn::ground::test
