// The soil-layer screen as Qt shows it: every control inside its container,
// no two overlapping, every caption and the longest list line fitting, and a
// picture of each page for a person to look at.
#include "layout_check.h"
#include "main_window_view_fixture.h"
#include "soil_screen.h"

#include <QListWidget>
#include <QTabWidget>
#include <gtest/gtest.h>

namespace wtn::soil::test {
namespace {

DosouRec layer(double top, double wet, double sat, int soil_sw, int kh_sw, double n) {
    DosouRec r;
    r.top_lvl = top;
    r.unit_w = {wet, sat, 0.0};
    r.soil_sw = code_of_list_index<SoilKind>(soil_sw);
    r.soil_val = {soil_sw == 0 ? 30.0 : 0.0, 20.0, 1.5, 0.0};
    r.kh_sw = code_of_list_index<LayerKhOption>(kh_sw);
    r.kh_val[0] = 5000.0;
    r.n_val[kh_sw == 0 ? 1 : kh_sw] = n;
    return r;
}

void fill(DesignData& d, int neire_sw) {
    d.sekkei_dat.neire_sw = code_of_list_index<EmbedmentMethod>(neire_sw);
    d.sekkei_dat.kanseiji_sw = CheckBox::Checked;
    d.sekkei_dat.sekouji_sw = CheckBox::Checked;
    d.dosou_dat = DosouData{};
    DosouRec* land = d.dosou_dat.dosou_riku.data();
    land[0] = layer(3.0, 18, 20, 0, 1, 12.3);
    land[1] = layer(-8.0, 16, 17, 1, 2, 10);
    land[2] = layer(-15.0, 18, 19, 0, 0, 0);
    land[3] = layer(-1234567.89, 18.5, 19.5, 0, 1, 99999.9); // wide values
    for (int i = 4; i < 12; ++i)
        land[i] = layer(-20.0 - 2 * i, 18, 20, i % 2, 1 + i % 2, 5 + i);
    d.dosou_dat.dosou_umi[0] = layer(-7.5, 0, 19, 0, 0, 0);
    d.dosou_dat.dosou_umi[1] = layer(-12.0, 18, 20, 0, 1, 2.3);
    d.dosou_dat.dosou_hoho[1].hoho_sw = SideResistanceOption::CTypeFromN;
    d.dosou_dat.dosou_hoho[1].hoho_n[1] = 12.5;
}

TEST(SoilScreenView, BothPagesAreLaidOutAndPictured) {
    mainwin::test::MainWindowViewFixture f;
    ASSERT_NE(f.start_and_show(), nullptr);
    auto* tabs = f.view->findChild<QTabWidget*>("tab_gm(5)");
    ASSERT_NE(tabs, nullptr);

    fill(f.data, 0);
    f.window->load_all_screens();
    f.window->opt_menu[kSoilScreen]->user_click();
    ASSERT_TRUE(tabs->isVisible());
    // The add, insert and delete buttons are narrower than the style's
    // preferred width: their captions and a margin fit.
    const mainwin::test::LayoutRules rules;
    for (const ui::Frame* page : f.window->fra_sgm[kSoilScreen]) {
        SCOPED_TRACE(page->full_name());
        mainwin::test::expect_laid_out(*page, f.view->binder(), rules);
    }
    auto* list = f.view->findChild<QListWidget*>("lst_gm15");
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->count(), 12);
    const QFontMetrics metrics(list->font());
    EXPECT_EQ(metrics.horizontalAdvance(QString(static_cast<int>(kLineWidth), 'x')),
              static_cast<int>(kLineWidth) * 6);
    EXPECT_TRUE(mainwin::test::save_screenshot(*f.view, "WTN_WIN_soil_land"));

    // One method per side, sea page: the side's values on the first line.
    fill(f.data, 2);
    f.window->load_all_screens();
    f.window->opt_menu[kSoilScreen]->user_click();
    tabs->setCurrentIndex(1);
    EXPECT_EQ(f.window->tab_gm[kSoilScreen]->tab(), 1);
    auto* sea = f.view->findChild<QListWidget*>("lst_gm16");
    ASSERT_NE(sea, nullptr);
    ASSERT_EQ(sea->count(), 2);
    EXPECT_TRUE(sea->item(0)->text().endsWith(QStringLiteral("        12.5        --------")));
    EXPECT_TRUE(f.view->findChild<QWidget*>("txt_gm16(11)")->isEnabled());
    mainwin::test::expect_laid_out(*f.window->fra_sgm[kSoilScreen][1], f.view->binder(), rules);
    EXPECT_TRUE(mainwin::test::save_screenshot(*f.view, "WTN_WIN_soil_sea"));
}

} // namespace
} // namespace wtn::soil::test
