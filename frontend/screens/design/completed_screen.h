// Screen 1, completed state (完成時): the studied cases, the ground-surface
// shape, the surcharge calculation and the clay formula of the normal case
// (page 完成時), and the seismic case's coefficients and earth-pressure
// options (page 地震時). Beside the options a picture explains the frame under
// the mouse pointer.
#pragma once

#include "controls.h"
#include "main_window.h"
#include "picture_box.h"

#include <array>

namespace wtn::design {

class CompletedScreen {
  public:
    explicit CompletedScreen(mainwin::MainWindow& window);

    void set_kanseiji_jk();
    void put_kanseiji_jk();

    void chk_gm3_Click(int index);
    void opt_gm3_Click(int index);
    void opt_gm4_Click(int index);
    void fra_gm3_MouseMove(int index);
    void fra_gm4_MouseMove(int index);

    std::array<ui::Frame*, 4> fra_gm3{};
    std::array<ui::CheckBox*, 2> chk_gm3{};
    std::array<ui::OptionButton*, 6> opt_gm3{};
    ui::PictureBox* img_gm3 = nullptr;
    // fra_gm4(10) is the uncaptioned frame of the apparent-coefficient methods.
    std::array<ui::Frame*, 11> fra_gm4{};
    std::array<ui::OptionButton*, 16> opt_gm4{};
    std::array<ui::TextBox*, 5> txt_gm4{};
    std::array<ui::Label*, 3> lbl_gm4{};
    std::array<ui::CheckBox*, 1> chk_gm4{};
    ui::PictureBox* img_gm4 = nullptr;

    // Frame index last put into each picture control (cell 0 img_gm3, cell 1
    // img_gm4).
    std::array<int, 2> img_no{};

  private:
    void build_normal_page(ui::Frame& page);
    void build_seismic_page(ui::Frame& page);
    void show_picture(int page, int frame_index, int picture);
    void enable_apparent_inputs(int index);

    mainwin::MainWindow& w_;
    // The picture shown in img_gm3 / img_gm4 (1 to 6), 0 while none yet.
    std::array<int, 2> shown_{};
};

} // namespace wtn::design
