// One page of the soil-layer screen: the layers of one side of the wall in a
// list, the values of the selected layer and the side's lateral-resistance
// method in boxes and option buttons, and the add, insert and delete buttons.
// The land side (page 0, controls of group 15) and the sea side (page 1, group
// 16) are this one class built from a table of names; they differ only in
// the study that blocks their lateral-resistance inputs and in the land
// side's hint on the N-value boxes.
//
// The side edits working rows (16 slots for at most 15 layers, so a delete
// on a full side reads a free slot), their count and a copy of the side's
// method record; the design data changes only when the screen is stored.
#pragma once

#include "controls.h"
#include "design_data.h"
#include "form.h"
#include "soil_lines.h"
#include "soil_rules.h"

#include <array>

namespace wtn::soil {

inline constexpr int kWorkRowCount = kSoilLayerRoom + 1;
inline constexpr int kHeaderLabelCount = 14; // lbl_gm15(0..13)
inline constexpr int kButtonCount = 3;       // cmd_gm15(0..2)
inline constexpr int kAddButton = 0;
inline constexpr int kInsertButton = 1;
inline constexpr int kDeleteButton = 2;

inline constexpr const char* kNValueHint =
    "粘性土で入力値が0なら、粘着力から計算した一軸圧縮強さでN値を求めます。";

// Masks of the boxes: top and rate of increase 2 decimals, unit weights
// and cohesion 3, the angle, the constants and the N values 1.
inline constexpr std::array<const char*, kBoxCount> kBoxMasks{
    "###0.00", "###0.000", "###0.000", "###0.0",   "###0.000", "###0.000", "#####0.0",
    "###0.0",  "###0.0",   "###0.0",   "#####0.0", "###0.0",   "###0.00",
};

using LayerRows = std::array<DosouRec, kSoilLayerRoom + 1>;

struct SideNames {
    const char* group; // "15" land, "16" sea: lst_gm15, txt_gm15, ...
    int page;          // page of tab_gm(5)
    LayerRows DosouData::*layers;
    int hoho; // element of dosou_hoho
    bool land;
};

inline constexpr SideNames kLandSide{"15", 0, &DosouData::dosou_riku, 0, true};
inline constexpr SideNames kSeaSide{"16", 1, &DosouData::dosou_umi, 1, false};

class SoilSide {
  public:
    // Builds the side's controls on its page frame. sekkei holds the
    // embedment method and the studies that the side's rules read.
    SoilSide(const SideNames& names, ui::Frame& page, ui::StatusBar& status,
             const SekkeiData& sekkei);
    SoilSide(const SoilSide&) = delete;
    SoilSide& operator=(const SoilSide&) = delete;

    // The side's part of set_dosou_jk; per_layer is gm15_K_sw / gm16_K_sw.
    void load(const DosouData& dosou, bool per_layer);
    // The side's part of put_dosou_jk.
    void store(DosouData& dosou) const;

    // Each layer carries its own lateral-resistance option (gm15_K_sw).
    bool K_sw = false;
    // The boxes' change handler stores only while this is on (gm15_ev_sw).
    bool ev_sw = false;

    ui::ListBox* lst = nullptr;
    std::array<ui::TextBox*, kBoxCount> txt{};
    std::array<ui::OptionButton*, kOptionCount> opt{};
    std::array<ui::Frame*, kFrameCount> fra{};
    std::array<ui::Label*, kFirstBoxLabel + kBoxLabelCount> lbl{};
    std::array<ui::CommandButton*, kButtonCount> cmd{};

  private:
    void build(ui::Frame& page, ui::StatusBar& status);
    void build_header(ui::Frame& page);
    void build_constants(ui::Frame& page, ui::StatusBar& status);
    void make_box(ui::TextBox& box, int index, ui::StatusBar& status);

    // Event handlers.
    void list_click();
    void cmd_click(int index);
    void opt_click(int index);
    void txt_change(int index);

    // Rebuilds the list from the rows, selects line sel (none when the side
    // is empty) and sets every control of the side from it.
    void show_rows(int sel);
    void show_empty();
    void fill_boxes(const DosouRec& row);
    void select_options(const DosouRec& row);
    void apply_rules();
    void set_buttons();
    void rewrite_line(int p);
    LineSwitches line_switches() const;
    // A new layer from the boxes and option buttons.
    void take_boxes(DosouRec& row) const;
    void take_side_boxes(DosouHohoRec& hoho) const;
    double box_value(int index) const;
    // Box 7's N value, and 0 when its 1500-fold Kh would not be finite.
    double n_for_1500n(int index) const;

    const SideNames names_;
    const SekkeiData& sekkei_;
    ui::StatusBar& status_;
    LayerRows row_{};
    int cnt_ = 0;
    DosouHohoRec hoho_{};
};

} // namespace wtn::soil
