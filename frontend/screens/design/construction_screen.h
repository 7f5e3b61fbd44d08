// Screen 2, construction stage (施工時): the wave-pressure formula, the wave-
// dissipating works, the studied and drawn tide levels, the depth for wave
// length and pressure, λ1, λ2, the levels d, h', h, the seabed slope and hb
// (page 施工時), and the wave rows of each tide level for Goda's formula (page
// 合田式) and for the Kuroda / Hiroi (Morihira) formulas (page 黒田/広井(森平)).
// The rows are edited in working rows, one per level, and shown as list lines.
#pragma once

#include "controls.h"
#include "main_window.h"
#include "picture_box.h"

#include <array>

namespace wtn::design {

class ConstructionScreen {
  public:
    explicit ConstructionScreen(mainwin::MainWindow& window);

    void set_sekouji_jk();
    void put_sekouji_jk();

    // Writes list line level from its working row.
    void set_gm6_list(int level);
    void set_gm7_list(int level);

    void chk_gm5_Click(int index);
    void opt_gm5_Click(int index);
    void lst_gm6_Click();
    void lst_gm7_Click();
    void opt_gm6_Click(int index);
    void opt_gm7_Click(int index);
    void txt_gm6_Change(int index);
    void txt_gm7_Change(int index);

    // Working rows of the two lists (row 4 is never used).
    std::array<WaveRec, 5> gm6_row{};
    std::array<WaveRec, 5> gm7_row{};
    // False while code fills a row editor's boxes: its handlers then store
    // nothing.
    bool gm6_ev_sw = false;
    bool gm7_ev_sw = false;

    std::array<ui::Frame*, 6> fra_gm5{};
    std::array<ui::OptionButton*, 10> opt_gm5{};
    std::array<ui::CheckBox*, 8> chk_gm5{};
    std::array<ui::Label*, 12> lbl_gm5{};
    std::array<ui::TextBox*, 10> txt_gm5{};
    ui::PictureBox* img_gm5 = nullptr;

    ui::ListBox* lst_gm6 = nullptr;
    std::array<ui::Label*, 12> lbl_gm6{};
    std::array<ui::TextBox*, 5> txt_gm6{};
    std::array<ui::Frame*, 2> fra_gm6{};
    std::array<ui::OptionButton*, 4> opt_gm6{};

    ui::ListBox* lst_gm7 = nullptr;
    std::array<ui::Label*, 11> lbl_gm7{};
    std::array<ui::TextBox*, 5> txt_gm7{};
    std::array<ui::Frame*, 1> fra_gm7{};
    std::array<ui::OptionButton*, 2> opt_gm7{};

  private:
    void build_conditions_page(ui::Frame& page);
    void build_goda_page(ui::Frame& page);
    void build_kuroda_page(ui::Frame& page);
    void formula_step();
    void enable_hb_inputs();
    int selected_line(const ui::ListBox& list) const;
    // Stores the value typed into box index of a row editor in the working
    // row of the selected level and returns the level; -1 when the editor is
    // silent or no level is selected.
    int store_typed_value(const ui::ListBox& list, bool ev_sw, std::array<WaveRec, 5>& rows,
                          const std::array<ui::TextBox*, 5>& boxes, int index);

    mainwin::MainWindow& w_;
};

} // namespace wtn::design
