// The schematic as Qt paints it, checked by its pixels, and saved as pictures
// for a person to look at.
#include "form_window.h"
#include "screen_fixture.h"

#include <QDir>
#include <QImage>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

namespace wtn::schematic {
namespace {

using test::ScreenFixture;

const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kWhitePixel = qRgb(255, 255, 255);
const QRgb kRedPixel = qRgb(255, 0, 0);
const QRgb kCyanPixel = qRgb(0, 255, 255);
const QRgb kYellowPixel = qRgb(255, 255, 0);
const QRgb kMagentaPixel = qRgb(255, 0, 255);

void save(const QImage& image, const char* name) {
    QDir().mkpath(WTN_SCREENSHOT_DIR);
    EXPECT_TRUE(image.save(QStringLiteral(WTN_SCREENSHOT_DIR) + "/" + name));
}

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

class SchematicRender : public ::testing::Test {
  protected:
    SchematicRender() : view(f.window->form, &f.window->Toolbar1, &f.window->stv_gm) {
        // The main window's size, as start-up gives it.
        f.window->form.set_rect(ui::Rect{0, 0, mainwin::kMainWidthPixels * ui::kTwipsPerPixel,
                                         mainwin::kMainHeightPixels * ui::kTwipsPerPixel});
        f.window->form.load();
        view.show();
        f.show();
    }
    Picture grab() {
        auto* widget = view.findChild<QWidget*>("pic_gm18");
        EXPECT_NE(widget, nullptr);
        return Picture{widget->grab().toImage(), f.screen->pic_gm18};
    }

    ScreenFixture f;
    qt::MainWindowView view;
};

TEST_F(SchematicRender, SectionOnBlackWithWallBottomAndWater) {
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    Picture p = grab();
    save(p.image, "schematic_case0.png");
    save(view.grab().toImage(), "WTN_WIN_schematic.png");
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
    auto* hsb = view.findChild<QScrollBar*>("hsb_gm18");
    ASSERT_NE(hsb, nullptr);
    EXPECT_FALSE(hsb->hasTracking());
    EXPECT_EQ(hsb->value(), kScrollStart);
    // The bar below the picture lies inside its page, and the screen above
    // the status bar.
    auto* page = hsb->parentWidget();
    EXPECT_LE(hsb->geometry().bottom(), page->height() - 1);
    auto* tab = view.findChild<QWidget*>("tab_gm(7)");
    ASSERT_NE(tab, nullptr);
    EXPECT_LE(tab->geometry().bottom(), view.findChild<QWidget*>("client")->height() - 1);
}

TEST_F(SchematicRender, PendingRectangleIsDrawnInYellow) {
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    SchematicScreen& s = *f.screen;
    // An empty stretch of the sea side, between the L.W.L. and the seabed.
    Picture before = grab();
    const int c0 = before.col(-10), c1 = before.col(-5), r0 = before.row(-2), r1 = before.row(-4);
    EXPECT_EQ(before.count(kYellowPixel, c0 - 1, c1 + 2, r0 - 1, r1 + 2), 0);

    ASSERT_TRUE(s.opt_dgm18[0]->user_click());
    s.pic_gm18->user_mouse_down(ui::MouseButton::Left, 0, -10, -2);
    s.pic_gm18->user_mouse_move(ui::MouseButton::Left, 0, -5, -4);
    Picture p = grab();
    save(p.image, "schematic_zoom_rectangle.png");
    // The top edge and a side of the rectangle.
    EXPECT_GE(p.count(kYellowPixel, c0, c1, r0 - 1, r0 + 2), (c1 - c0) - 2);
    EXPECT_GE(p.count(kYellowPixel, c0 - 1, c0 + 2, r0, r1), (r1 - r0) - 2);
}

TEST_F(SchematicRender, SeaSideLabelsLeaveWhenPannedPastTheWall) {
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    SchematicScreen& s = *f.screen;
    auto labels_in_left_tenth = [](const Picture& p) {
        const int tenth = p.image.width() / 10;
        const int h = p.image.height();
        return p.count(kYellowPixel, 0, tenth, 0, h) + p.count(kMagentaPixel, 0, tenth, 0, h);
    };
    EXPECT_GT(labels_in_left_tenth(grab()), 0);
    // 30 steps of 0.576 m: the left edge at 2.88, right of the wall.
    for (int n = 1; n <= 30; ++n)
        ASSERT_TRUE(s.hsb_gm18->user_set_value(kScrollStart + n));
    Picture p = grab();
    save(p.image, "schematic_panned.png");
    EXPECT_EQ(labels_in_left_tenth(p), 0);
    // The lower limit still reaches both edges.
    const int bottom = p.row(-20.0);
    EXPECT_GE(p.count(kRedPixel, 0, p.image.width(), bottom - 1, bottom + 2), p.image.width() - 2);
}

} // namespace
} // namespace wtn::schematic
