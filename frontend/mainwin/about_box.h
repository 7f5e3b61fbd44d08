// The about box frmAbout and the splash window frmSplash: the application
// title and the installed version text.
#pragma once

#include "controls.h"
#include "form.h"
#include "picture_box.h"

#include <string>

namespace wtn::mainwin {

inline constexpr const char* kVersionPrefix = "ﾊﾞｰｼﾞｮﾝ ";

// The about box, modal over the main window; OK, Enter and Escape close it.
struct AboutBox {
    AboutBox(const std::string& app_title, const std::string& sys_ver);
    ui::Form form{"frmAbout"};
    ui::PictureBox* picIcon = nullptr;
    ui::Label* lblTitle0 = nullptr;
    ui::Label* lblTitle1 = nullptr;
    ui::Label* lblVersion = nullptr;
    ui::TextBox* Text1 = nullptr;
    ui::CommandButton* cmdOK = nullptr;
};

// The splash window: borderless, centred, shown while the main window
// starts; a key press closes it.
struct SplashScreen {
    SplashScreen(const std::string& app_title, const std::string& sys_ver);
    ui::Form form{"frmSplash"};
    ui::PictureBox* background = nullptr;
    ui::Label* lblProductName = nullptr;
    ui::Label* lblVersion = nullptr;
};

} // namespace wtn::mainwin
