// How the view shows the toolkit's finer control properties: pointer moves
// over a frame's own area, wrapped captions, the forms' font, list and
// picture fonts and colours, where picture texts go, grid cells, scroll-bar
// tracking, and dialogs that Enter and Escape do not close.
#include "controls.h"
#include "form.h"
#include "form_binder.h"
#include "form_window.h"
#include "picture_box.h"
#include "picture_widget.h"
#include "shown_form.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

namespace wtn::qt {
namespace {

// Twenty-six full-width characters.
const std::string kLongCaption = "受働土圧係数を壁面摩擦角から求める方法と粘性土の強度";

struct Window {
    ui::Form form{"Form1"};
    ShownForm shown;
    FormBinder* binder = nullptr;

    void show() {
        shown.show(form, 800, 500);
        binder = shown.binder.get();
    }
    template <typename W> W* widget(const ui::Control& c) { return shown.widget<W>(c); }
    QWidget& window() { return shown.window; }
};

TEST(FrameHover, AMoveCountsOverTheFrameAndItsOptionsButNotAnInnerFrame) {
    Window w;
    auto& frame = w.form.add<ui::Frame>("fra_gm3", 0, {150, 150, 4500, 3000}); // 300 x 200 px
    auto& radio = frame.add<ui::OptionButton>("opt_gm3", 0, {150, 300, 2000, 300});
    auto& inner = frame.add<ui::Frame>("fra_gm3", 1, {150, 1200, 2000, 1200});
    auto& bare = w.form.add<ui::Frame>("fra_gm3", 2, {5000, 150, 1500, 1500});
    radio.set_caption("option");
    std::vector<std::pair<double, double>> moves;
    frame.on_mouse_move = [&](ui::MouseButton, int, double x, double y) {
        moves.emplace_back(x, y);
    };
    w.show();
    QWidget* qframe = w.widget<QGroupBox>(frame);
    QTest::mouseMove(qframe, QPoint(250, 30));
    ASSERT_EQ(moves.size(), 1u);
    EXPECT_EQ(moves[0], std::make_pair(250.0 * 15, 30.0 * 15)); // twips in the frame
    // Over one of its options the pointer is over the frame: what the frame
    // explains stays in view while the user reads the options.
    QTest::mouseMove(w.widget<QRadioButton>(radio), QPoint(20, 10));
    EXPECT_EQ(moves.size(), 2u);
    QTest::mouseMove(w.widget<QGroupBox>(inner), QPoint(60, 40));
    EXPECT_EQ(moves.size(), 2u);
    QTest::mouseMove(qframe, QPoint(250, 150));
    EXPECT_EQ(moves.size(), 3u);
    frame.set_enabled(false);
    QTest::mouseMove(qframe, QPoint(260, 30));
    EXPECT_EQ(moves.size(), 3u);
    EXPECT_FALSE(w.widget<QGroupBox>(bare)->hasMouseTracking());
}

TEST(ButtonCaptions, ATwoLineButtonWrapsACaptionTooWideForOneLine) {
    Window w;
    // The forms' 12-pixel font: 26 full-width characters and the indicator
    // need 328 pixels.
    auto& wide = w.form.add<ui::OptionButton>("opt_gm1", 0, {0, 0, 328 * 15, 300});
    auto& one_line = w.form.add<ui::OptionButton>("opt_gm1", 1, {0, 600, 3000, 300});
    auto& two_lines = w.form.add<ui::OptionButton>("opt_gm1", 2, {0, 1200, 3000, 510});
    auto& check = w.form.add<ui::CheckBox>("chk_gm1", 0, {0, 1800, 3000, 510});
    for (ui::Control* c : std::initializer_list<ui::Control*>{&wide, &one_line, &two_lines, &check})
        c->set_caption(kLongCaption);
    w.show();
    const QString caption = to_qt(kLongCaption);
    auto* qwide = w.widget<QRadioButton>(wide);
    EXPECT_EQ(qwide->text(), caption);
    EXPECT_EQ(qwide->sizeHint().width(), 328);
    EXPECT_EQ(w.widget<QRadioButton>(one_line)->text(), caption); // one line: left as it is
    for (QAbstractButton* b : std::initializer_list<QAbstractButton*>{
             w.widget<QRadioButton>(two_lines), w.widget<QCheckBox>(check)}) {
        EXPECT_EQ(b->text().count(QLatin1Char('\n')), 1) << b->objectName().toStdString();
        EXPECT_EQ(QString(b->text()).remove(QLatin1Char('\n')), caption);
        EXPECT_LE(b->sizeHint().width(), b->width());
        EXPECT_LE(b->sizeHint().height(), b->height()); // 2 lines of 15 px and 4 px margin
    }
    // A caption with blanks breaks after the last blank that fits.
    two_lines.set_caption("Chang's method for the embedded length of the wall");
    const QString text = w.widget<QRadioButton>(two_lines)->text();
    ASSERT_TRUE(text.contains(QLatin1Char('\n')));
    EXPECT_FALSE(text.contains(QStringLiteral(" \n")));
}

TEST(ListFonts, AFixedPitchListAtNinePointsHasSixPixelCells) {
    Window w;
    auto& nine = w.form.add<ui::ListBox>("lst_gm6", {0, 0, 3000, 1500});
    nine.fixed_pitch = true;
    nine.font_size = 9;
    auto& twelve = w.form.add<ui::ListBox>("lst_gm7", {0, 1500, 3000, 1500});
    twelve.fixed_pitch = true;
    twelve.font_size = 12;
    w.show();
    const QFontMetrics nine_metrics(w.widget<QListWidget>(nine)->font());
    EXPECT_EQ(nine_metrics.horizontalAdvance(QStringLiteral("0")), 90 / ui::kTwipsPerPixel);
    EXPECT_EQ(nine_metrics.horizontalAdvance(QStringLiteral("受")), 12);
    EXPECT_EQ(w.widget<QListWidget>(nine)->font().family(), QStringLiteral("IPAGothic"));
    EXPECT_EQ(
        QFontMetrics(w.widget<QListWidget>(twelve)->font()).horizontalAdvance(QStringLiteral("0")),
        8);
    // The fixed-pitch font on its own is 12 points.
    EXPECT_EQ(QFontMetrics(fixed_pitch_font()).horizontalAdvance(QStringLiteral("0")), 8);
}

TEST(PictureColours, BackColourFillsTheAreaAndTheJapaneseGothicIsIpaGothic) {
    Window w;
    auto& pic = w.form.add<ui::PictureBox>("pic_gm18", {0, 0, 1500, 1500});
    pic.back_color = ui::qb_color(0);
    pic.on_paint = [&] { pic.line(0, 750, 1500, 750, ui::qb_color(15)); };
    w.show();
    pic.refresh();
    QImage image = w.binder->widget_of(pic)->grab().toImage();
    EXPECT_EQ(QColor(image.pixel(5, 5)), QColor(0, 0, 0));
    EXPECT_EQ(QColor(image.pixel(50, 50)), QColor(255, 255, 255));
    QFont window_font = QApplication::font();
    EXPECT_EQ(picture_font(pic, window_font), window_font);
    pic.font_name = "ＭＳ ゴシック";
    EXPECT_EQ(picture_font(pic, window_font).family(), QStringLiteral("IPAGothic"));
}

TEST(GridCells, TooltipColoursAndABorder) {
    Window w;
    auto& cell = w.form.add<ui::Label>("lbl_kekka", 0, {0, 0, 1200, 300});
    cell.tooltip_colors = true;
    cell.border = true;
    auto& plain = w.form.add<ui::Label>("lbl_kekka", 1, {0, 300, 1200, 300});
    w.show();
    auto* qcell = w.widget<QLabel>(cell);
    EXPECT_TRUE(qcell->autoFillBackground());
    EXPECT_EQ(qcell->palette().color(QPalette::Window),
              QApplication::palette().color(QPalette::ToolTipBase));
    EXPECT_EQ(qcell->palette().color(QPalette::WindowText),
              QApplication::palette().color(QPalette::ToolTipText));
    EXPECT_EQ(qcell->frameShape(), QFrame::Box);
    EXPECT_EQ(w.widget<QLabel>(plain)->frameShape(), QFrame::NoFrame);
    EXPECT_FALSE(w.widget<QLabel>(plain)->autoFillBackground());
}

TEST(LabelCaptions, ATallLabelBreaksAtItsBlanksAndKeepsAUnitWhole) {
    Window w;
    // 112 pixels, two lines high: the stress caption of the results grid.
    const std::string caption = "    発生応力         (N/mm2)";
    auto& two_lines = w.form.add<ui::Label>("lbl_kgm", 0, {0, 0, 1680, 476});
    auto& one_line = w.form.add<ui::Label>("lbl_kgm", 1, {0, 600, 1680, 238});
    auto& wide = w.form.add<ui::Label>("lbl_kgm", 2, {0, 900, 4500, 476});
    for (ui::Label* l : {&two_lines, &one_line, &wide})
        l->set_caption(caption);
    two_lines.border = true;
    w.show();
    EXPECT_EQ(w.widget<QLabel>(two_lines)->text(), to_qt("    発生応力\n(N/mm2)"));
    // One line high, or wide enough: shown as written.
    EXPECT_EQ(w.widget<QLabel>(one_line)->text(), to_qt(caption));
    EXPECT_EQ(w.widget<QLabel>(wide)->text(), to_qt(caption));
    // Text without blanks is left to Qt.
    two_lines.set_caption("ひび割れモーメントの計算に用いる値");
    EXPECT_EQ(w.widget<QLabel>(two_lines)->text(), to_qt("ひび割れモーメントの計算に用いる値"));
}

TEST(FormFont, EveryFormTakesTheTwelvePixelJapaneseGothicWhateverTheDesktopSets) {
    Window w;
    auto& label = w.form.add<ui::Label>("lbl_gm1", 0, {0, 0, 1500, 240});
    auto& big = w.form.add<ui::Label>("lbl_gm1", 1, {0, 300, 3000, 480});
    big.font_size = 16;
    w.show();
    const QFontInfo info(w.widget<QLabel>(label)->font());
    EXPECT_EQ(info.family(), QStringLiteral("IPAPGothic"));
    EXPECT_EQ(info.pixelSize(), 12);
    // Points count at 96 dots an inch: 16 points are 21 pixels.
    EXPECT_EQ(QFontInfo(w.widget<QLabel>(big)->font()).pixelSize(), 21);
}

// Texts 40 x 10 in an area 100 x 100, and where they go.
TEST(PictureTexts, ATextMovesInsideTheAreaAndOffTheTextsBeforeIt) {
    const QRectF area(0, 0, 100, 100);
    struct Case {
        const char* what;
        std::vector<QRectF> placed;
        QRectF asked;
        QRectF given;
    };
    const Case cases[] = {
        {"free", {}, {10, 10, 40, 10}, {10, 10, 40, 10}},
        {"past the right edge", {}, {80, 10, 40, 10}, {60, 10, 40, 10}},
        {"past the left and lower edges", {}, {-5, 95, 40, 10}, {0, 90, 40, 10}},
        {"touching another", {{10, 0, 40, 10}}, {10, 10, 40, 10}, {10, 10, 40, 10}},
        {"on another: below it", {{10, 10, 40, 10}}, {20, 12, 40, 10}, {20, 20, 40, 10}},
        {"on a stack: below all of it",
         {{10, 10, 40, 10}, {10, 20, 40, 10}},
         {20, 12, 40, 10},
         {20, 30, 40, 10}},
        {"on another at the foot: above it",
         {{10, 90, 40, 10}},
         {20, 88, 40, 10},
         {20, 80, 40, 10}},
        {"nowhere free: stays", {{0, 0, 100, 100}}, {20, 20, 40, 10}, {20, 20, 40, 10}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(place_text(c.asked, c.placed, area), c.given);
    }
}

TEST(ScrollBars, WithoutTrackingADragChangesTheValueOnceOnRelease) {
    QScrollBar qt_default;
    EXPECT_TRUE(qt_default.hasTracking()); // Qt: a change on every thumb move
    for (bool tracking : {true, false}) {
        Window w;
        auto& bar = w.form.add<ui::ScrollBar>("hsb_gm18", {0, 0, 3000, 255}, false);
        bar.set_range(0, 1000);
        bar.set_value(500);
        bar.tracking = tracking;
        int changes = 0;
        bar.on_change = [&] { ++changes; };
        w.show();
        auto* qbar = w.widget<QScrollBar>(bar);
        qbar->setSliderDown(true);
        for (int v : {520, 540, 560})
            qbar->setSliderPosition(v);
        EXPECT_EQ(changes, tracking ? 3 : 0) << tracking;
        qbar->setSliderDown(false);
        EXPECT_EQ(changes, tracking ? 3 : 1) << tracking;
        EXPECT_EQ(bar.value(), 560);
    }
}

// A results dialog has no cancel button: Enter on any button and Escape
// leave it open; its own button and the close box still close it.
TEST(FormDialog, EnterAndEscapeDoNotCloseAFormWithoutDefaultOrCancelButton) {
    {
        QDialog plain;
        QPushButton button(&plain);
        EXPECT_TRUE(button.autoDefault()); // Qt: Enter presses a focused dialog button
    }
    ui::Form form("Form2");
    form.client_width = 4500;
    form.client_height = 1500;
    auto& close = form.add<ui::CommandButton>("cmd_gm1", 0, {300, 900, 1200, 400});
    auto& other = form.add<ui::CommandButton>("cmd_gm1", 1, {1800, 900, 1200, 400});
    int presses = 0;
    close.on_click = [&] {
        ++presses;
        form.unload();
    };
    other.on_click = [&] { ++presses; };
    FormDialog dialog(form, nullptr);
    form.load();
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    auto* qclose = dialog.findChild<QPushButton*>("cmd_gm1(0)");
    ASSERT_NE(qclose, nullptr);
    EXPECT_FALSE(qclose->autoDefault());
    qclose->setFocus();
    QTest::keyClick(&dialog, Qt::Key_Return);
    QTest::keyClick(qclose, Qt::Key_Enter);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_EQ(presses, 0);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(form.loaded());
    dialog.close(); // the close box asks the form
    EXPECT_FALSE(form.loaded());
    EXPECT_FALSE(dialog.isVisible());
}

} // namespace
} // namespace wtn::qt
