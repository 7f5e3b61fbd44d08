// Screen 4 of the main window, "地表面": page 0 the straight ground shape (two
// angles, one surcharge per case), page 1 the embankment shape (seabed angle
// and three list editors: fills, surcharge zones, ground points). The lists
// are edited in working rows; the load fills them from the design data, the
// store writes them back. Typing in a row's box updates the selected row at
// once; the event switch keeps code that fills the boxes from storing.
#pragma once

#include "controls.h"
#include "design_data.h"
#include "row_edit.h"

#include <array>

namespace wtn::mainwin {
class MainWindow;
}

namespace wtn::ground {

inline constexpr int kGroundScreen = 4;
inline constexpr int kStraightPage = 0;
inline constexpr int kEmbankmentPage = 1;

// The three list editors of page 1.
inline constexpr int kGroupCount = 3;
inline constexpr int kFillGroup = 0;
inline constexpr int kZoneGroup = 1;
inline constexpr int kPointGroup = 2;
inline constexpr std::array<int, kGroupCount> kGroupLimits{kFillRoom, kSurchargeRoom,
                                                           kGroundPointRoom};
// Button index = group * 3 + action (row_edit.h).

inline constexpr int kAngleBoxCount = 4;   // txt_gm13
inline constexpr int kGroundBoxCount = 10; // txt_gm14
inline constexpr int kGroundLabelCount = 24;

// The status-bar hints of the angle boxes.
inline constexpr const char* kHintUpPositive =
    "上向きの角度を（＋）、下向きの角度を（－）として角度を入力してください。";
inline constexpr const char* kHintUpNegative =
    "上向きの角度を（－）、下向きの角度を（＋）として角度を入力してください。";

class GroundScreen {
  public:
    // Adds the controls to fra_sgm5(0) and fra_sgm5(1) and wires them.
    explicit GroundScreen(mainwin::MainWindow& window);
    GroundScreen(const GroundScreen&) = delete;
    GroundScreen& operator=(const GroundScreen&) = delete;

    std::array<ui::Frame*, 2> fra_gm13{};
    std::array<ui::Label*, kAngleBoxCount> lbl_gm13{};
    std::array<ui::TextBox*, kAngleBoxCount> txt_gm13{};
    std::array<ui::Frame*, kGroupCount> fra_gm14{};
    std::array<ui::ListBox*, kGroupCount> lst_gm14{};
    std::array<ui::TextBox*, kGroundBoxCount> txt_gm14{};
    std::array<ui::Label*, kGroundLabelCount> lbl_gm14{};
    std::array<ui::CommandButton*, kGroupCount * 3> cmd_gm14{};

    // Event switch of the txt_gm14 boxes.
    bool gm14_ev_sw = false;

    std::array<MoridRow, kFillRoom + 1> morid_row{};
    int morid_cnt = 0;
    std::array<JosaiRow, kSurchargeRoom + 1> josai_row{};
    int josai_cnt = 0;
    std::array<TikeiPoint, kGroundPointRoom + 1> tikei_row{};
    int tikei_cnt = 0;

    void set_tihyou_jk();
    void put_tihyou_jk();
    // Appends the line of row cnt of group index to its list.
    void add_gm14_list(int index, int cnt);

    void lst_gm14_Click(int index);
    void cmd_gm14_Click(int index);
    void txt_gm14_Change(int index);

  private:
    int& count(int group);
    double& field(int group, int row, int column);
    std::string line(int group, int row) const;
    void rebuild_list(int group);
    void fill_boxes(int group, int row);
    void box_values_into(int group, int row);
    void move_rows(int group, int to, int from);
    void set_group_enabled(int group);
    void load_group(int group);
    void store_group(int group);
    bool straight_shape() const;

    void build_straight_page();
    void build_embankment_page();

    mainwin::MainWindow& window_;
};

// Builds screen 4 and sets its load and store procedures.
GroundScreen& install_ground_screen(mainwin::MainWindow& window);

} // namespace wtn::ground
