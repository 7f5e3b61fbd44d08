#include "about_box.h"

namespace wtn::mainwin {
namespace {

// The program's picture: a sheet-pile wall standing in the ground with the
// water in front, in a 540-twip square of its own scale 0..100.
void draw_wall_icon(ui::PictureBox& pic) {
    pic.scale_left = 0;
    pic.scale_top = 100;
    pic.scale_width = 100;
    pic.scale_height = -100; // y upward
    pic.on_paint = [&pic] {
        pic.draw_width = 1;
        pic.line(5, 60, 45, 60, ui::qb_color(9));  // sea surface
        pic.line(5, 25, 45, 25, ui::qb_color(6));  // seabed
        pic.line(45, 45, 95, 45, ui::qb_color(6)); // ground on the land side
        pic.draw_width = 3;
        pic.line(45, 85, 45, 5, ui::qb_color(8)); // the wall
        pic.draw_width = 1;
        pic.box(40, 85, 50, 90, ui::qb_color(0)); // its cap
    };
    pic.refresh();
}

// A sky-to-sea picture for the splash's background, one line a pixel row.
void draw_splash_background(ui::PictureBox& pic) {
    constexpr int kRows = 200;
    pic.scale_left = 0;
    pic.scale_top = 0;
    pic.scale_width = 320;
    pic.scale_height = kRows;
    pic.on_paint = [&pic] {
        // Pale sky at the top to a deeper sea blue at the bottom, light enough
        // for black lettering.
        for (int y = 0; y < kRows; ++y) {
            int red = 210 - y / 2;
            int green = 235 - y / 3;
            int blue = 255 - y / 5;
            ui::Color c = (static_cast<ui::Color>(red) << 16) |
                          (static_cast<ui::Color>(green) << 8) | static_cast<ui::Color>(blue);
            pic.line(0, y + 0.5, 320, y + 0.5, c);
        }
    };
    pic.refresh();
}

} // namespace

AboutBox::AboutBox(const std::string& app_title, const std::string& sys_ver) {
    form.client_width = 4815;
    form.client_height = 2655;
    form.border = ui::Form::Border::FixedDialog;
    form.show_in_taskbar = false;
    form.set_caption(app_title + "のﾊﾞｰｼﾞｮﾝ情報");
    picIcon = &form.add<ui::PictureBox>("picIcon", ui::Rect{240, 180, 540, 540});
    lblTitle0 = &form.add<ui::Label>("lblTitle", 0, ui::Rect{1080, 360, 2985, 225});
    lblTitle0->set_caption("Tosvaneシステム２");
    lblTitle0->bold = true;
    lblTitle1 = &form.add<ui::Label>("lblTitle", 1, ui::Rect{2820, 690, 1395, 285});
    lblTitle1->set_caption("for Windows");
    lblVersion = &form.add<ui::Label>("lblVersion", ui::Rect{780, 1050, 3225, 225});
    lblVersion->set_caption(kVersionPrefix + sys_ver);
    Text1 = &form.add<ui::TextBox>("Text1", ui::Rect{300, 1770, 4275, 270});
    Text1->locked = true;
    Text1->border = false;
    Text1->set_text("計算結果は確認のうえ使用してください。");
    cmdOK = &form.add<ui::CommandButton>("cmdOK", ui::Rect{2760, 2160, 1310, 405});
    cmdOK->set_caption("OK");
    cmdOK->is_default = true;
    cmdOK->is_cancel = true;
    cmdOK->on_click = [this] { form.unload(); };
    draw_wall_icon(*picIcon);
}

SplashScreen::SplashScreen(const std::string& app_title, const std::string& sys_ver) {
    form.client_width = 4800;
    form.client_height = 3000;
    form.border = ui::Form::Border::None;
    form.show_in_taskbar = false;
    background = &form.add<ui::PictureBox>("picBackground", ui::Rect{0, 0, 4800, 3000});
    lblProductName = &form.add<ui::Label>("lblProductName", ui::Rect{150, 810, 4500, 360});
    lblProductName->set_caption(app_title);
    lblProductName->font_size = 16;
    lblProductName->bold = true;
    lblVersion = &form.add<ui::Label>("lblVersion", ui::Rect{2970, 1665, 1545, 240});
    lblVersion->set_caption(kVersionPrefix + sys_ver);
    form.on_key_press = [this](const std::string&) { form.unload(); };
    draw_splash_background(*background);
}

} // namespace wtn::mainwin
