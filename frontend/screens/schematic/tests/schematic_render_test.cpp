// The schematic as Qt paints it, checked by its pixels, and saved as pictures
// for a person to look at.
#include "main_window_view_fixture.h"
#include "picture_widget.h"
#include "screen_fixture.h"

#include <QImage>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

namespace wtn::schematic {
namespace {

const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kWhitePixel = qRgb(255, 255, 255);
const QRgb kRedPixel = qRgb(255, 0, 0);
const QRgb kCyanPixel = qRgb(0, 255, 255);
const QRgb kYellowPixel = qRgb(255, 255, 0);
const QRgb kMagentaPixel = qRgb(255, 0, 255);

// The picture with the mapping of its current scale to pixels.
struct Picture {
    QImage image;
    ui::PictureBox* box;
    int col(double x) const {
        return static_cast<int>((x - box->scale_left) * image.width() / box->scale_width);
    }
    int row(double y) const {
        return static_cast<int>((y - box->scale_top) * image.height() / box->scale_height);
    }
    QRgb at(int c, int r) const { return (image.pixel(c, r) & 0xFFFFFF) | 0xFF000000; }
    // Pixels of colour in the columns [c0, c1) and rows [r0, r1).
    int count(QRgb colour, int c0, int c1, int r0, int r1) const {
        int n = 0;
        for (int r = std::max(r0, 0); r < std::min(r1, image.height()); ++r)
            for (int c = std::max(c0, 0); c < std::min(c1, image.width()); ++c)
                n += at(c, r) == colour;
        return n;
    }
};

// The started program showing screen 7 over the hand-worked section.
class SchematicRender : public ::testing::Test {
  protected:
    SchematicRender() {
        view = f.start_and_show();
        test::load_section(*f.window, test::hand_section());
        test::show_schematic(*f.window);
    }
    QWidget& widget() {
        auto* w = view->findChild<QWidget*>("pic_gm18");
        if (w == nullptr) throw std::logic_error("no pic_gm18");
        return *w;
    }
    Picture grab() { return Picture{widget().grab().toImage(), &c.pic}; }

    mainwin::test::MainWindowViewFixture f;
    qt::MainWindowView* view = nullptr;
    test::SchematicControls c{*f.window};
};

TEST_F(SchematicRender, SectionOnBlackWithWallBottomAndWater) {
    ASSERT_NE(view, nullptr);
    Picture p = grab();
    EXPECT_TRUE(mainwin::test::save_screenshot(widget(), "schematic_case0"));
    EXPECT_TRUE(mainwin::test::save_screenshot(*view, "WTN_WIN_schematic"));
    const int w = p.image.width(), h = p.image.height();
    ASSERT_EQ(w, h);

    for (auto [c, r] : {std::pair{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}})
        EXPECT_EQ(p.at(c, r), kBlack) << c << "," << r;

    // The wall: white from the crown row to the bottom row in the wall's column.
    const int wall = p.col(0);
    for (int r = p.row(3.0) + 1; r < p.row(-20.0) - 1; ++r)
        EXPECT_GT(p.count(kWhitePixel, wall - 1, wall + 2, r, r + 1), 0) << "row " << r;
    // The lower limit: red across the whole width but where the wall crosses.
    const int bottom = p.row(-20.0);
    EXPECT_GE(p.count(kRedPixel, 0, w, bottom - 1, bottom + 2), w - 6);
    // The H.W.L. is dotted on the sea side and stops at the wall.
    const int hwl = p.row(1.5);
    EXPECT_GT(p.count(kCyanPixel, 0, wall - 1, hwl - 1, hwl + 2), wall / 4);
    EXPECT_EQ(p.count(kCyanPixel, wall + 2, w, hwl - 1, hwl + 2), 0);

    // Options and scroll bars as the toolkit set them.
    auto* hsb = view->findChild<QScrollBar*>("hsb_gm18");
    ASSERT_NE(hsb, nullptr);
    EXPECT_FALSE(hsb->hasTracking());
    EXPECT_EQ(hsb->value(), kScrollStart);
    // The bar below the picture lies inside its page, and the screen above
    // the status bar.
    auto* page = hsb->parentWidget();
    EXPECT_LE(hsb->geometry().bottom(), page->height() - 1);
    auto* tab = view->findChild<QWidget*>("tab_gm(7)");
    ASSERT_NE(tab, nullptr);
    EXPECT_LE(tab->geometry().bottom(), view->findChild<QWidget*>("client")->height() - 1);
}

TEST_F(SchematicRender, PendingRectangleIsDrawnInYellow) {
    ASSERT_NE(view, nullptr);
    // An empty stretch of the sea side, between the L.W.L. and the seabed.
    Picture before = grab();
    const int c0 = before.col(-10), c1 = before.col(-5), r0 = before.row(-2), r1 = before.row(-4);
    EXPECT_EQ(before.count(kYellowPixel, c0 - 1, c1 + 2, r0 - 1, r1 + 2), 0);

    ASSERT_TRUE(c.zoom[0]->user_click());
    c.pic.user_mouse_down(ui::MouseButton::Left, 0, -10, -2);
    c.pic.user_mouse_move(ui::MouseButton::Left, 0, -5, -4);
    Picture p = grab();
    EXPECT_TRUE(mainwin::test::save_screenshot(widget(), "schematic_zoom_rectangle"));
    // The top edge and a side of the rectangle.
    EXPECT_GE(p.count(kYellowPixel, c0, c1, r0 - 1, r0 + 2), (c1 - c0) - 2);
    EXPECT_GE(p.count(kYellowPixel, c0 - 1, c0 + 2, r0, r1), (r1 - r0) - 2);
}

TEST_F(SchematicRender, SeaSideLabelsLeaveWhenPannedPastTheWall) {
    ASSERT_NE(view, nullptr);
    auto labels_in_left_tenth = [](const Picture& p) {
        const int tenth = p.image.width() / 10;
        const int h = p.image.height();
        return p.count(kYellowPixel, 0, tenth, 0, h) + p.count(kMagentaPixel, 0, tenth, 0, h);
    };
    EXPECT_GT(labels_in_left_tenth(grab()), 0);
    // 30 steps of 0.576 m: the left edge at 2.88, right of the wall.
    for (int n = 1; n <= 30; ++n)
        ASSERT_TRUE(c.hsb.user_set_value(kScrollStart + n));
    Picture p = grab();
    EXPECT_TRUE(mainwin::test::save_screenshot(widget(), "schematic_panned"));
    EXPECT_EQ(labels_in_left_tenth(p), 0);
    // The lower limit still reaches both edges.
    const int bottom = p.row(-20.0);
    EXPECT_GE(p.count(kRedPixel, 0, p.image.width(), bottom - 1, bottom + 2), p.image.width() - 2);
}

// Every label of the picture shows whole and apart from the others: in each
// study case, and where the water levels and the seabed share one elevation
// (their labels all stand at the left edge, above the same line).
TEST_F(SchematicRender, LabelsShowWholeAndApart) {
    ASSERT_NE(view, nullptr);
    auto expect_labels_apart = [this](const char* what) {
        SCOPED_TRACE(what);
        grab();
        auto* picture = dynamic_cast<qt::PictureWidget*>(&widget());
        ASSERT_NE(picture, nullptr);
        const std::vector<QRectF>& texts = picture->text_places();
        EXPECT_GE(texts.size(), 8u);
        const QRectF area(widget().rect());
        for (std::size_t i = 0; i < texts.size(); ++i) {
            EXPECT_TRUE(area.contains(texts[i])) << "label " << i << " leaves the picture";
            for (std::size_t j = 0; j < i; ++j)
                EXPECT_FALSE(texts[i].intersects(texts[j])) << "labels " << j << " and " << i;
        }
    };
    for (int study_case = 0; study_case < kStudyCaseCount; ++study_case) {
        ASSERT_TRUE(c.cases[static_cast<std::size_t>(study_case)]->user_click());
        expect_labels_apart(study_case == 0 ? "case 0" : study_case == 1 ? "case 1" : "case 2");
    }
    DesignData level = test::hand_section();
    level.sekkei_dat.tide_lvl[1] = 0.0;
    level.sekkei_dat.seabed_kansei = 0.0;
    level.dosou_dat.dosou_umi[0].top_lvl = 0.0;
    test::load_section(*f.window, level);
    c.cases[0]->set_value(true);
    test::show_schematic(*f.window);
    EXPECT_TRUE(mainwin::test::save_screenshot(widget(), "schematic_levels_together"));
    expect_labels_apart("H.W.L., L.W.L. and seabed at 0.00");
}

} // namespace
} // namespace wtn::schematic
