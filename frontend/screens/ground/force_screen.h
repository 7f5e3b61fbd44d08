// Screen 6 of the main window, "他外力": up to five other external forces for
// the normal case and five for the seismic case, each a name, a direction
// (active or passive side), a horizontal force and an acting height. Each
// case has its frame with a list, the boxes and direction options of the
// selected force and the add, insert and delete buttons. Forces are edited
// in working rows; typing updates the selected row at once.
#pragma once

#include "controls.h"
#include "design_data.h"

#include <array>

namespace wtn::mainwin {
class MainWindow;
}

namespace wtn::ground {

inline constexpr int kForceScreen = 6;
inline constexpr int kForceTables = 2; // 0 normal case, 1 seismic case
inline constexpr int kForceLabelsPerFrame = 9;
inline constexpr int kForceBoxesPerFrame = 3; // name, force, height

class ForceScreen {
  public:
    // Adds the controls to the page of tab_gm(6) and wires them.
    explicit ForceScreen(mainwin::MainWindow& window);
    ForceScreen(const ForceScreen&) = delete;
    ForceScreen& operator=(const ForceScreen&) = delete;

    std::array<ui::Frame*, kForceTables> fra_gm17{};
    std::array<ui::Label*, kForceTables * kForceLabelsPerFrame> lbl_gm17{};
    std::array<ui::ListBox*, kForceTables> lst_gm17{};
    std::array<ui::TextBox*, kForceTables * kForceBoxesPerFrame> txt_gm17{};
    std::array<ui::OptionButton*, kForceTables * 2> opt_gm17{};
    std::array<ui::CommandButton*, kForceTables * 3> cmd_gm17{};

    // Event switch of the boxes and options.
    bool gm17_ev_sw = false;

    std::array<GairyokuRec, kForceRoom + 1> gm17_jyo_row{};
    int gm17_jyo_cnt = 0;
    std::array<GairyokuRec, kForceRoom + 1> gm17_jis_row{};
    int gm17_jis_cnt = 0;

    void set_gairyoku_jk();
    void put_gairyoku_jk();
    void add_gm17_list(int table, int position, const GairyokuRec& row);
    void set_gm17_list(int table, int position, const GairyokuRec& row);

    void lst_gm17_Click(int index);
    void cmd_gm17_Click(int index);
    void opt_gm17_Click(int index);
    void txt_gm17_Change(int index);
    void txt_gm17_LostFocus(int index);

  private:
    std::array<GairyokuRec, kForceRoom + 1>& rows(int table);
    int& count(int table);
    GairyokuRec box_values(int table) const;
    void rebuild_list(int table);
    void set_table_enabled(int table);
    void load_table(int table);

    mainwin::MainWindow& window_;
};

// Builds screen 6 and sets its load and store procedures.
ForceScreen& install_force_screen(mainwin::MainWindow& window);

} // namespace wtn::ground
