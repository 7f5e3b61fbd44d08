#include "schematic_screen.h"

#include "main_window.h"

#include <memory>

namespace wtn::schematic {
namespace {

// Places on the page of tab_gm(7), in twips: the drawing area with its bars
// on the left, the zoom options, "全表示" and the case options on the right.
// The drawing area with the bar below it needs a taller tab control than the
// input screens have; it still ends above the status bar of the main window.
constexpr int kTabHeight = 6480;
constexpr int kMargin = 60;
constexpr int kBarThickness = 255;
constexpr int kGap = 180;
constexpr int kSideLeft = kMargin + kPictureSide + kBarThickness + kGap;
constexpr int kSideWidth = 2400;
constexpr int kOptionHeight = 300;
constexpr int kOptionLeft = 180;
constexpr int kFirstOptionTop = 270; // below the frame's caption
constexpr int kOptionWidth = 2000;
constexpr int kZoomFrameTop = 0;
constexpr int kZoomFrameHeight = 960;
constexpr int kWholeButtonTop = kZoomFrameTop + kZoomFrameHeight + kGap;
constexpr int kWholeButtonHeight = 420;
constexpr int kCaseFrameTop = kWholeButtonTop + kWholeButtonHeight + kGap;
constexpr int kCaseFrameHeight = 1320;

constexpr const char* kZoomCaptions[] = {"拡大", "縮小"};
constexpr const char* kCaseCaptions[kStudyCaseCount] = {"完成時、常時", "完成時、地震時", "施工時"};
// The drawing area's background: the palette colours of the section (white
// wall, yellow labels, light cyan water) and the XOR rectangle show on black.
constexpr ui::Color kBackground = 0x000000;

ui::LineStyle line_style(int style) {
    return style == kDotted ? ui::LineStyle::Dot : ui::LineStyle::Solid;
}

} // namespace

SchematicScreen::SchematicScreen(mainwin::MainWindow& window) : window_(window) {
    ui::TabControl& tab = *window.tab_gm[mainwin::kSchematicScreen];
    ui::Rect place = tab.rect();
    place.height = kTabHeight;
    tab.set_rect(place);
    ui::TabPage& page = tab.page(0);

    pic_gm18 =
        &page.add<ui::PictureBox>("pic_gm18", ui::Rect{kMargin, 0, kPictureSide, kPictureSide});
    pic_gm18->back_color = kBackground;
    pic_gm18->font_name = kLabelFont;
    pic_gm18->font_size = kLabelPoints;
    vsb_gm18 = &page.add<ui::ScrollBar>(
        "vsb_gm18", ui::Rect{kMargin + kPictureSide, 0, kBarThickness, kPictureSide}, true);
    hsb_gm18 = &page.add<ui::ScrollBar>(
        "hsb_gm18", ui::Rect{kMargin, kPictureSide, kPictureSide, kBarThickness}, false);
    for (ui::ScrollBar* bar : {hsb_gm18, vsb_gm18}) {
        bar->set_range(kScrollMin, kScrollMax);
        bar->set_value(kScrollStart);
        bar->small_change = kScrollSmallChange;
        bar->large_change = kScrollLargeChange;
        // A thumb drag is one change: each change pans one step.
        bar->tracking = false;
    }

    fra_dgm18 = &page.add<ui::Frame>(
        "fra_dgm18", ui::Rect{kSideLeft, kZoomFrameTop, kSideWidth, kZoomFrameHeight});
    for (int i = 0; i < 2; ++i) {
        opt_dgm18[i] = &fra_dgm18->add<ui::OptionButton>(
            "opt_dgm18", i,
            ui::Rect{kOptionLeft, kFirstOptionTop + i * kOptionHeight, kOptionWidth,
                     kOptionHeight});
        opt_dgm18[i]->set_caption(kZoomCaptions[i]);
    }
    cmd_gm18 = &page.add<ui::CommandButton>(
        "cmd_gm18", ui::Rect{kSideLeft, kWholeButtonTop, kSideWidth, kWholeButtonHeight});
    cmd_gm18->set_caption("全表示");
    frm_gm18 = &page.add<ui::Frame>(
        "frm_gm18", ui::Rect{kSideLeft, kCaseFrameTop, kSideWidth, kCaseFrameHeight});
    frm_gm18->set_caption("検討種別");
    for (int i = 0; i < kStudyCaseCount; ++i) {
        opt_gm18[i] = &frm_gm18->add<ui::OptionButton>("opt_gm18", i,
                                                       ui::Rect{kOptionLeft,
                                                                kFirstOptionTop + i * kOptionHeight,
                                                                kOptionWidth, kOptionHeight});
        opt_gm18[i]->set_caption(kCaseCaptions[i]);
    }
    // Before the handlers are wired, so nothing is built yet.
    opt_gm18[0]->set_value(true);

    pic_gm18->on_paint = [this] { pic_gm18_Paint(); };
    pic_gm18->on_mouse_down = [this](ui::MouseButton b, int shift, double x, double y) {
        pic_gm18_MouseDown(b, shift, x, y);
    };
    pic_gm18->on_mouse_move = [this](ui::MouseButton b, int shift, double x, double y) {
        pic_gm18_MouseMove(b, shift, x, y);
    };
    hsb_gm18->on_change = [this] { hsb_gm18_Change(); };
    vsb_gm18->on_change = [this] { vsb_gm18_Change(); };
    for (int i = 0; i < 2; ++i)
        opt_dgm18[i]->on_click = [this, i] { opt_dgm18_Click(i); };
    cmd_gm18->on_click = [this] { cmd_gm18_Click(); };
    for (int i = 0; i < kStudyCaseCount; ++i)
        opt_gm18[i]->on_click = [this, i] { opt_gm18_Click(i); };
}

void SchematicScreen::set_mosikizu_jk() {
    lists = SchematicLists{};
    view.hsb_last = hsb_gm18->value();
    view.vsb_last = vsb_gm18->value();
    reset_zoom(view);
    for (ui::OptionButton* option : opt_dgm18)
        option->set_value(false);

    const DesignData& data = window_.data;
    for (int i = 0; i < kStudyCaseCount; ++i)
        opt_gm18[i]->set_enabled(study_case_enabled(data, static_cast<StudyCase>(i)));

    int chosen = -1;
    for (int i = 0; i < kStudyCaseCount; ++i)
        if (opt_gm18[i]->value()) chosen = i;
    // A case switched off on another screen stays selected, and the picture
    // stays empty until another case is chosen.
    if (chosen < 0 || !opt_gm18[chosen]->enabled()) return;

    lists = build_schematic(data, static_cast<StudyCase>(chosen));
    set_Mszarea(view, lists.Mse_tbl, data.kanseiji_dat.shape_sw);
    apply_scale();
}

void SchematicScreen::pic_gm18_Paint() {
    ui::PictureBox& pic = *pic_gm18;
    const ScaleWindow& scale = view.scale;
    pic.draw_mode = ui::DrawMode::Copy;
    pic.draw_width = 1;
    for (const MseRec& m : lists.Mse_tbl) {
        pic.draw_style = line_style(m.style);
        pic.line(edge_x(m.x1, scale), m.y1, edge_x(m.x2, scale), m.y2, ui::qb_color(m.color));
    }
    pic.font_size = kLabelPoints;
    for (const MmoRec& m : lists.Mmo_tbl) {
        std::optional<LabelPlace> place = place_label(m, scale);
        if (!place) continue;
        if (place->crown_tick) {
            pic.draw_style = ui::LineStyle::Solid;
            pic.draw_width = 1;
            pic.line(0, m.y, place->tick_x, m.y, ui::qb_color(kWhite));
        }
        pic.current_x = place->x;
        pic.current_y = place->y;
        pic.print_text(m.text, ui::qb_color(m.color));
    }
    if (view.zoom_pending) {
        pic.draw_style = ui::LineStyle::Solid;
        pic.draw_mode = ui::DrawMode::Xor;
        pic.box(view.zoom_x1, view.zoom_y1, view.zoom_x2, view.zoom_y2, ui::qb_color(kYellow));
        pic.draw_mode = ui::DrawMode::Copy;
    }
}

ZoomOption SchematicScreen::zoom_option() const {
    if (opt_dgm18[0]->value()) return ZoomOption::zoom_in;
    if (opt_dgm18[1]->value()) return ZoomOption::zoom_out;
    return ZoomOption::none;
}

void SchematicScreen::pic_gm18_MouseDown(ui::MouseButton button, int, double x, double y) {
    apply(schematic::pic_gm18_MouseDown(view, zoom_option(), static_cast<int>(button),
                                        static_cast<float>(x), static_cast<float>(y)));
}

void SchematicScreen::pic_gm18_MouseMove(ui::MouseButton, int, double x, double y) {
    // The rectangle's end follows the mouse; the repaint replaces erasing the
    // old rectangle by drawing it again in XOR.
    if (schematic::pic_gm18_MouseMove(view, static_cast<float>(x), static_cast<float>(y)))
        refresh();
}

void SchematicScreen::opt_dgm18_Click(int) {
    apply(schematic::opt_dgm18_Click(view, zoom_option()));
}

void SchematicScreen::hsb_gm18_Change() {
    schematic::hsb_gm18_Change(view, hsb_gm18->value());
    apply_scale();
    refresh();
}

void SchematicScreen::vsb_gm18_Change() {
    schematic::vsb_gm18_Change(view, vsb_gm18->value());
    apply_scale();
    refresh();
}

void SchematicScreen::cmd_gm18_Click() {
    set_mosikizu_jk();
    refresh();
    window_.stv_gm.set_panel_text(kPromptPanel, "");
}

void SchematicScreen::opt_gm18_Click(int) {
    set_mosikizu_jk();
    refresh();
}

void SchematicScreen::apply_scale() {
    pic_gm18->scale_left = view.scale.left;
    pic_gm18->scale_top = view.scale.top;
    pic_gm18->scale_width = view.scale.width;
    pic_gm18->scale_height = view.scale.height;
}

void SchematicScreen::apply(const ZoomReply& reply) {
    if (reply.clear_options) {
        for (ui::OptionButton* option : opt_dgm18)
            option->set_value(false);
    }
    if (reply.prompt) window_.stv_gm.set_panel_text(kPromptPanel, *reply.prompt);
    if (reply.refresh) {
        apply_scale();
        refresh();
    }
}

void SchematicScreen::refresh() {
    pic_gm18->refresh();
}

SchematicScreen& install_schematic_screen(mainwin::MainWindow& window) {
    auto screen = std::make_shared<SchematicScreen>(window);
    SchematicScreen& ref = *screen;
    // The toolkit paints a picture only on request: the load builds and then
    // paints, as the screen's first showing would.
    window.screens[mainwin::kSchematicScreen].load = [screen] {
        screen->set_mosikizu_jk();
        screen->pic_gm18->refresh();
    };
    return ref;
}

} // namespace wtn::schematic
