// Screen 0, basic conditions (基本条件): the project title, the unit weight of
// water, the design standard, the embedment method, the two studies, the
// section-decision options, the wall-friction angles (page 設計条件) and the
// design heights (page 高さ条件). The load enables the stage screens, the
// result menus and the level inputs that the studies need; the click handlers
// keep them in step while the user edits.
#pragma once

#include "controls.h"
#include "main_window.h"

#include <array>

namespace wtn::design {

class BasicScreen {
  public:
    explicit BasicScreen(mainwin::MainWindow& window);

    void set_sekkei_jk();
    void put_sekkei_jk();

    void chk_gm1_Click(int index);
    void opt_gm1_Click(int index);
    void opt_gm2_Click(int index);

    std::array<ui::Frame*, 8> fra_gm1{};
    std::array<ui::Label*, 6> lbl_gm1{};
    std::array<ui::TextBox*, 6> txt_gm1{};
    std::array<ui::OptionButton*, 13> opt_gm1{};
    std::array<ui::CheckBox*, 2> chk_gm1{};
    std::array<ui::Frame*, 4> fra_gm2{};
    std::array<ui::Label*, 12> lbl_gm2{};
    std::array<ui::TextBox*, 13> txt_gm2{};
    std::array<ui::OptionButton*, 3> opt_gm2{};

  private:
    void build_conditions_page(ui::Frame& page);
    void build_heights_page(ui::Frame& page);
    void enable_completed_inputs(bool on);
    void enable_levels_of_studies();
    void enable_embedment_level();
    bool completed_checked() const;
    bool construction_checked() const;

    mainwin::MainWindow& w_;
};

} // namespace wtn::design
