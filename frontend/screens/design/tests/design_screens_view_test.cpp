// The design screens as Qt shows them in the main window: a user's session
// typed and clicked through the widgets down to the calculation input, the
// pictures under the pointer, and pictures of every page with checks of their
// layout.
#include "design_screens.h"
#include "explain_pictures.h"
#include "form_window.h"
#include "input_file.h"
#include "layout_check.h"
#include "main_window_view_fixture.h"
#include "picture_label.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace wtn::design::test {
namespace {

using mainwin::test::MainWindowViewFixture;

// Types text key by key; characters beyond ASCII come as key events with
// their text, as an input method hands them over.
void key_in(QWidget* w, const QString& text) {
    for (QChar ch : text) {
        if (ch.unicode() < 128) {
            QTest::keyClick(w, ch.toLatin1());
        } else {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
            QApplication::sendEvent(w, &press);
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
            QApplication::sendEvent(w, &release);
        }
    }
}

struct ShownDesign {
    ShownDesign() {
        view = f.start_and_show();
        EXPECT_NE(view, nullptr);
        QApplication::setActiveWindow(view);
        EXPECT_TRUE(QTest::qWaitForWindowActive(view));
    }

    template <typename W = QWidget> W* widget(const std::string& name) const {
        W* w = view->findChild<W*>(QString::fromStdString(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    void click(const std::string& name) const {
        QWidget* w = widget(name);
        QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(8, w->height() / 2));
    }
    // Clicks into a box, replaces its text by typing, and leaves it by Tab.
    void type(const std::string& name, const QString& text) const {
        auto* edit = widget<QLineEdit>(name);
        QTest::mouseClick(edit, Qt::LeftButton);
        edit->selectAll();
        key_in(edit, text);
        QTest::keyClick(edit, Qt::Key_Tab);
    }
    void choose_page(int screen, int page) const {
        auto* tabs = widget<QTabWidget>("tab_gm(" + std::to_string(screen) + ")");
        QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {},
                          tabs->tabBar()->tabRect(page).center());
    }
    QString text(const std::string& name) const { return widget<QLineEdit>(name)->text(); }

    // The picture control of the completed-state screen's page.
    const ui::PictureBox& picture(int page) const {
        return *f.window->form.find_as<ui::PictureBox>(page == 0 ? "img_gm3" : "img_gm4");
    }

    MainWindowViewFixture f;
    qt::MainWindowView* view = nullptr;
};

// The state of every control of screens 0 to 2, one line each.
std::vector<std::string> screen_state(const mainwin::MainWindow& w) {
    std::vector<std::string> lines;
    for (int s = 0; s < 3; ++s) {
        w.tab_gm[s]->for_each([&lines](ui::Control& c) {
            std::string line = c.full_name() + (c.enabled() ? " on " : " off ");
            if (auto* t = dynamic_cast<ui::TextBox*>(&c)) line += t->text();
            if (auto* k = dynamic_cast<ui::CheckBox*>(&c)) line += std::to_string(k->value());
            if (auto* o = dynamic_cast<ui::OptionButton*>(&c)) line += o->value() ? "1" : "0";
            if (auto* l = dynamic_cast<ui::ListBox*>(&c)) {
                for (const std::string& row : l->lines())
                    line += row + "|";
            }
            lines.push_back(line);
        });
    }
    return lines;
}

TEST(DesignScreensView, AUsersSessionReachesTheCalculationInputAndReopensUnchanged) {
    ShownDesign s;
    ASSERT_EQ(s.f.window->tab_no, 0);
    s.type("txt_gm1(0)", QString::fromUtf8("岸壁改良"));
    EXPECT_EQ(s.widget<QLineEdit>("txt_gm1(1)"), QApplication::focusWidget());
    key_in(QApplication::focusWidget(), "10.1");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(s.text("txt_gm1(1)"), "10.10");
    s.click("chk_gm1(0)");
    s.click("chk_gm1(1)");
    s.choose_page(0, 1);
    s.type("txt_gm2(1)", "2");
    s.type("txt_gm2(2)", "0");
    s.click("opt_gm2(0)");

    s.click("opt_menu(1)");
    ASSERT_EQ(s.f.window->tab_no, 1);
    s.click("chk_gm3(1)");
    s.choose_page(1, 1);
    s.click("opt_gm4(1)");
    s.type("txt_gm4(1)", "0.15");
    s.type("txt_gm4(2)", "1.0");
    s.type("txt_gm4(3)", "1.2");

    s.click("opt_menu(2)");
    ASSERT_EQ(s.f.window->tab_no, 2);
    s.click("chk_gm5(2)");
    EXPECT_TRUE(s.widget<QAbstractButton>("chk_gm5(3)")->isChecked());
    EXPECT_FALSE(s.widget("chk_gm5(3)")->isEnabled());
    s.click("opt_gm5(0)");
    s.type("txt_gm5(3)", "-8");
    s.type("txt_gm5(4)", "50");
    s.choose_page(2, 1);
    auto* list = s.widget<QListWidget>("lst_gm6");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(1)).center());
    s.type("txt_gm6(0)", "2");
    s.type("txt_gm6(2)", "8");
    EXPECT_NE(list->item(1)->text().toStdString().find("2.00"), std::string::npos);

    s.click("opt_menu(0)");
    ASSERT_EQ(s.f.window->tab_no, 0);
    const std::string project = s.f.folder.file("quay.tn2");
    s.f.files.paths.push_back(project);
    ASSERT_TRUE(s.f.window->file_commands().file_save_as());
    ASSERT_TRUE(s.f.window->file_commands().write_work_cal_file("CAL_FILE.DAT"));

    const DesignData& d = s.f.data;
    EXPECT_DOUBLE_EQ(d.sekkei_dat.water_w, 10.1);
    EXPECT_DOUBLE_EQ(d.sekouji_dat.hb_lvl[1], -8.2);
    EXPECT_EQ(d.kanseiji_dat.sindo_sw, SeismicCoefficientRule::ProductOfFactors);
    InputRecord input;
    read_input(input, s.f.folder.file("CAL_FILE.DAT"));
    EXPECT_DOUBLE_EQ(input.joken.residual_level, 1.33);
    EXPECT_DOUBLE_EQ(input.joken.water_weight, 10.1);
    EXPECT_DOUBLE_EQ(input.neire.seismic_coefficient, 0.18);
    EXPECT_DOUBLE_EQ(input.wlvl.hb[kTideHwl], -8.2);
    EXPECT_DOUBLE_EQ(input.tide_levels[kTideHwl].wave_length, 70.85);
    EXPECT_EQ(input.swdat.studies, Studies::Both);

    // The screens as the data now loads them (the derived hb and line 0 of
    // each list selected) are the screens of the reopened project.
    s.f.window->load_all_screens();
    const std::vector<std::string> before = screen_state(*s.f.window);
    EXPECT_NE(std::find(before.begin(), before.end(), "txt_gm5(6) off -8.20"), before.end());
    s.f.files.paths.push_back(project);
    s.f.window->file_commands().file_open();
    EXPECT_EQ(s.f.data.file_name, project);
    const std::vector<std::string> after = screen_state(*s.f.window);
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t k = 0; k < after.size(); ++k)
        EXPECT_EQ(after[k], before[k]);
}

// A point of widget w over no child widget.
QPoint bare_point(QWidget& w) {
    for (int y = w.height() - 4; y > 2; y -= 3) {
        for (int x = w.width() - 4; x > 2; x -= 3) {
            if (w.childAt(x, y) == nullptr) return {x, y};
        }
    }
    ADD_FAILURE() << w.objectName().toStdString() << " has no bare point";
    return {};
}

TEST(DesignScreensView, ThePointerOverAFramesBareAreaShowsItsPicture) {
    ShownDesign s;
    DesignData& d = s.f.data;
    d.sekkei_dat.kanseiji_sw = CheckBox::Checked;
    d.kanseiji_dat.jis_sw = CheckBox::Checked;
    d.kanseiji_dat.shape_sw = GroundShape::Embankment;
    s.f.window->load_all_screens();
    s.click("opt_menu(1)");
    auto hover = [&s](const std::string& name) {
        QWidget* w = s.widget(name);
        QTest::mouseMove(w, bare_point(*w));
    };
    hover("fra_gm3(1)");
    EXPECT_EQ(picture_label(s.picture(0)), "1");
    mainwin::test::save_screenshot(*s.widget("img_gm3"), "design_picture_1");
    // Over an option button of another frame: that frame's picture.
    QTest::mouseMove(s.widget("opt_gm3(3)"), QPoint(10, 8));
    EXPECT_EQ(picture_label(s.picture(0)), "2");
    hover("fra_gm3(1)");
    EXPECT_EQ(picture_label(s.picture(0)), "1");
    hover("fra_gm3(2)");
    EXPECT_EQ(picture_label(s.picture(0)), "2");
    mainwin::test::save_screenshot(*s.widget("img_gm3"), "design_picture_2");

    s.choose_page(1, 1);
    const std::pair<const char*, const char*> seismic[] = {
        {"fra_gm4(3)", "3"}, {"fra_gm4(4)", "4"}, {"fra_gm4(6)", "5"}, {"fra_gm4(7)", "6"}};
    for (const auto& [frame, picture] : seismic) {
        hover(frame);
        EXPECT_EQ(picture_label(s.picture(1)), picture) << frame;
        mainwin::test::save_screenshot(*s.widget("img_gm4"),
                                       std::string("design_picture_") + picture);
    }
    // The uncaptioned frame inside 土圧強度式 has no picture of its own.
    hover("fra_gm4(9)");
    EXPECT_EQ(picture_label(s.picture(1)), "6");
}

TEST(DesignScreensView, EveryPageIsLaidOutAndPictured) {
    ShownDesign s;
    DesignData& d = s.f.data;
    d.sekkei_dat.kanseiji_sw = CheckBox::Checked;
    d.sekkei_dat.sekouji_sw = CheckBox::Checked;
    d.kanseiji_dat.jis_sw = CheckBox::Checked;
    d.kanseiji_dat.shape_sw = GroundShape::Embankment;
    d.sekouji_dat.goda_tbl[1] =
        WaveRec{BreakingInfluence::Influenced, WaveLengthMethod::Computed, 2.5, 4.5, 8, 0, 15};
    d.sekouji_dat.kuroda_tbl[2] =
        WaveRec{BreakingInfluence::NotInfluenced, WaveLengthMethod::Given, 1.2, 1.8, 6, 48.5, 0};
    s.f.window->load_all_screens();
    const int pages[] = {2, 2, 3};
    for (int screen = 0; screen < 3; ++screen) {
        s.click("opt_menu(" + std::to_string(screen) + ")");
        for (int page = 0; page < pages[screen]; ++page) {
            SCOPED_TRACE(std::to_string(screen) + "/" + std::to_string(page));
            if (screen == 2 && page == 2) {
                // The Kuroda / Hiroi page is open with its formula only.
                s.choose_page(2, 0);
                s.click("opt_gm5(1)");
            }
            s.choose_page(screen, page);
            QWidget* frame =
                s.widget("fra_sgm" + std::to_string(screen + 1) + "(" + std::to_string(page) + ")");
            ASSERT_TRUE(frame->isVisible());
            // Long captions wrap onto a second line within their controls.
            mainwin::test::expect_laid_out(*s.f.window->fra_sgm[screen][page], s.view->binder());
            auto* tabs = s.widget("tab_gm(" + std::to_string(screen) + ")");
            EXPECT_TRUE(mainwin::test::save_screenshot(
                *tabs, "design_screen" + std::to_string(screen) + "_page" + std::to_string(page)));
        }
    }
    EXPECT_TRUE(mainwin::test::save_screenshot(*s.widget("img_gm5"), "design_picture_waves"));
}

} // namespace
} // namespace wtn::design::test
