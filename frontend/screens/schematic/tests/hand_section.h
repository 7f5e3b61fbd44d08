// The section of the schematic tests, worked out by hand.
#pragma once

#include "design_data.h"

namespace wtn::schematic::test {

// A straight-shape section: crown 3.0, sheet-pile crown 2.5, H.W.L. 1.5,
// L.W.L. 0.0, seabed -10, lower limit -20, 10 kN/m2 on the ground; land side
// sand from 3.0 and clay (C0 10, K 2) from -5.0, sea side sand from -10.
// L = 3 - (-20) = 23.
inline DesignData hand_section() {
    DesignData d;
    SekkeiData& s = d.sekkei_dat;
    s.kanseiji_sw = CheckBox::Checked;
    s.sekouji_sw = CheckBox::Checked;
    s.tide_lvl = {2.0, 1.5, 0.0, 1.2, 0.8, 0.0};
    s.rwl_sw = ResidualLevelRule::TwoThirdsOfRange;
    s.crown_jobu = 3.0;
    s.crown_yaita = 2.5;
    s.seabed_kansei = -10.0;
    s.seabed_sekou = -10.0;
    s.bottom_lvl = -20.0;
    d.kanseiji_dat.jyo_sw = CheckBox::Checked;
    d.kanseiji_dat.jis_sw = CheckBox::Checked;
    d.kanseiji_dat.shape_sw = GroundShape::Straight;
    d.tihyou_dat.surcharge_q = {10.0, 5.0, 0.0};
    DosouRec& sand = d.dosou_dat.dosou_riku[0];
    sand.top_lvl = 3.0;
    sand.unit_w = {18.0, 20.0, 0.0};
    sand.soil_val[0] = 30.0;
    DosouRec& clay = d.dosou_dat.dosou_riku[1];
    clay.top_lvl = -5.0;
    clay.unit_w = {17.0, 17.0, 0.0};
    clay.soil_sw = SoilKind::Clay;
    clay.soil_val = {0.0, 10.0, 2.0, 0.0};
    DosouRec& sea = d.dosou_dat.dosou_umi[0];
    sea.top_lvl = -10.0;
    sea.unit_w = {18.0, 20.0, 0.0};
    sea.soil_val[0] = 35.0;
    return d;
}

} // namespace wtn::schematic::test
