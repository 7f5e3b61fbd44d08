#include "reference_designs.h"

namespace wtn::test {
namespace {

// Improved U-type sheet piles SP-IA to SP-VIL of the installed catalogue.
constexpr int kImprovedUIds[] = {31, 32, 33, 34, 35, 36};

DosouRec sand_layer(double top, double kh) {
    DosouRec l;
    l.top_lvl = top;
    l.unit_w = {18.0, 20.0, 0.0};
    l.soil_sw = 0;
    l.soil_val = {30.0, 0.0, 0.0, 0.0};
    l.kh_sw = 0;
    l.kh_val[0] = kh;
    return l;
}

DosouRec clay_layer(double top, double cohesion, double kh) {
    DosouRec l;
    l.top_lvl = top;
    l.unit_w = {17.0, 17.0, 0.0};
    l.soil_sw = 1;
    l.soil_val = {0.0, cohesion, 0.0, 0.0};
    l.kh_sw = 0;
    l.kh_val[0] = kh;
    return l;
}

// The common frame of the completed-state sections: a quay wall of the port
// standard with its crown at +2.50, H.H.W.L. +2.00, H.W.L. +1.50, L.W.L.
// 0.00, the residual water level by the two-thirds rule (+1.00), design
// seabed -2.50, soil down to -30.00, sea water 10.1 kN/m3, wall friction
// +15 / -15 degrees, surcharge 10 kN/m2 (5 in an earthquake), Chang's
// method, improved U-type piles of steel grade SY295 decided by stress and
// displacement, no corrosion. Uniform sand (phi 30 degrees, wet 18,
// saturated 20 kN/m3, kh 20000 kN/m3) on both sides.
void completed_state_frame(DesignData& d) {
    SekkeiData& s = d.sekkei_dat;
    s.std_sw = 0;
    s.neire_sw = 0;
    s.kanseiji_sw = 1;
    s.sekouji_sw = 0;
    s.stress_sw = 0;
    s.disp_sw = 0;
    s.zevove_sw = 1;
    s.water_w = 10.1;
    s.delta_jyo = {15.0, -15.0, 0.0};
    s.delta_jis = {15.0, -15.0, 0.0};
    s.tide_lvl = {2.0, 1.5, 0.0, 0.0, 0.0, 0.0};
    s.rwl_sw = 0;
    s.crown_jobu = 2.5;
    s.crown_yaita = 2.5;
    s.seabed_kansei = -2.5;
    s.seabed_sekou = -2.5;
    s.cohesion_lvl = -4.0;
    s.embed_lvl = -15.0;
    s.bottom_lvl = -30.0;

    KanseijiData& k = d.kanseiji_dat;
    k.jyo_sw = 1;
    k.jis_sw = 0;
    k.shape_sw = 0;
    k.load_sw = 0;
    k.clay_sw = 0;
    k.sindo_sw = 0;
    k.sindo_val = 0.15;
    k.mikake_sw = 0;
    k.mikake_val = 0.30;
    k.dynwater_sw = 2;
    k.okabe_sw = 0;

    YaitaData& y = d.yaita_dat;
    y.yaita_kind = 0;
    y.u_kind = 0;
    y.steel_grade = 0;
    y.young_e = 200.0;
    y.disp_allow = {10.0, 15.0, 10.0, 0.0};
    y.stress_allow = {180.0, 270.0, 180.0, 0.0};
    y.second_sw = 2;
    y.alpha_sw = 1;
    y.joint_alpha = {1.0, 1.0, 1.0};
    y.yaita_sel = {};
    int n = 0;
    for (int id : kImprovedUIds)
        y.yaita_sel[static_cast<std::size_t>(n++)].catalogue_id = id;
    y.fsyok_dat.range_sw = 0;
    y.fsyok_dat.sea_rate = {};
    y.fsyok_dat.land_rate = {};
    y.fsyok_dat.service_life = 50.0;
    y.fsyok_dat.reduction = {100, 100, 0};

    TihyouData& t = d.tihyou_dat;
    t.ground_ang = {};
    t.surcharge_q = {10.0, 5.0, 0.0};

    d.dosou_dat.dosou_riku = {};
    d.dosou_dat.dosou_umi = {};
    d.dosou_dat.dosou_riku[0] = sand_layer(2.5, 20000.0);
    d.dosou_dat.dosou_umi[0] = sand_layer(-2.5, 20000.0);
}

void uniform_sand(DesignData& d) {
    d.data_title = "砂質地盤　常時";
    completed_state_frame(d);
}

// Clay (c = 60 kN/m2, unit weight 17 kN/m3, kh 5000 kN/m3) below -4.00 on
// both sides.
void sand_over_clay(DesignData& d) {
    d.data_title = "砂層の下に粘土層　常時";
    completed_state_frame(d);
    d.dosou_dat.dosou_riku[1] = clay_layer(-4.0, 60.0, 5000.0);
    d.dosou_dat.dosou_umi[1] = clay_layer(-4.0, 60.0, 5000.0);
}

// Both cases; design seismic coefficient 0.15 and the apparent coefficient
// 0.30 below the water levels, both given.
void seismic_sand(DesignData& d) {
    d.data_title = "砂質地盤　常時・地震時";
    completed_state_frame(d);
    d.kanseiji_dat.jis_sw = 1;
}

// The sand-over-clay section by Chang's method for multi-layer ground: the
// embedded part from the virtual seabed to the given pile tip -15.00 as a
// beam on the springs of both layers, free at the tip.
void sand_over_clay_layered(DesignData& d) {
    sand_over_clay(d);
    d.data_title = "砂層の下に粘土層　多層地盤";
    d.sekkei_dat.neire_sw = 1;
}

// A lower wall of prestressed concrete sheet piles (general environment,
// PC-150 to PC-400, E 34.8 kN/mm2): crown +2.00, design seabed -1.50,
// checked by the bending moment against each pile's allowable moment.
void concrete_sand(DesignData& d) {
    d.data_title = "ＰＣ矢板　砂質地盤　常時";
    completed_state_frame(d);
    SekkeiData& s = d.sekkei_dat;
    s.crown_jobu = 2.0;
    s.crown_yaita = 2.0;
    s.seabed_kansei = -1.5;
    s.seabed_sekou = -1.5;
    d.dosou_dat.dosou_riku[0] = sand_layer(2.0, 20000.0);
    d.dosou_dat.dosou_umi[0] = sand_layer(-1.5, 20000.0);
    YaitaData& y = d.yaita_dat;
    y.yaita_kind = 5;
    y.young_e = 34.8;
    y.yaita_sel = {};
    y.pcyaita_sel = {};
    int n = 0;
    for (int id : {61, 62, 63, 64, 65, 66})
        y.pcyaita_sel[static_cast<std::size_t>(n++)].catalogue_id = id;
}

// The seismic section on steel-pipe sheet piles of 800 mm x 9 mm with P-T
// joints, SKK400 (140 N/mm2, 210 in an earthquake), with the check of the
// pipe wall's ring stress at the depth of the maximum moment.
void pipe_sand(DesignData& d) {
    seismic_sand(d);
    d.data_title = "鋼管矢板　砂質地盤　常時・地震時";
    YaitaData& y = d.yaita_dat;
    y.yaita_kind = 3;
    y.stress_allow = {140.0, 210.0, 140.0, 0.0};
    y.second_sw = 1;
    y.yaita_sel = {};
    y.kokan_tbl = {};
    y.kokan_tbl[0] = KokanRec{800.0, 9.0, 1, 0.0};
}

// Both studies of the seismic section: the construction stage checks the
// completed state's pile against Goda's wave pressures at the H.W.L. and the
// L.W.L. (H1/3 1.0 m, Hmax 1.8 m, T 5 s, normal incidence, no wave-dissipating
// works, sea bottom slope 1/50, ground in front of the wall at the seabed).
void both_studies(DesignData& d) {
    seismic_sand(d);
    d.data_title = "砂質地盤　完成時・施工時";
    d.sekkei_dat.sekouji_sw = 1;
    SekoujiData& w = d.sekouji_dat;
    w.wave_sw = 0;
    w.dissip_sw = 1;
    w.tide_kentou_sw = {0, 1, 1, 0, 0};
    w.tide_sakuzu_sw = {0, 1, 1, 0, 0};
    w.depth_sw = 0;
    w.lambda1 = 1.0;
    w.lambda2 = 1.0;
    w.d_lvl = -2.5;
    w.h2_lvl = -2.5;
    w.h_lvl = -2.5;
    w.slope_x = 50.0;
    w.hb_sw = 0;
    w.hb_lvl = {};
    w.static_sw = 0;
    w.goda_tbl = {};
    w.goda_tbl[1] = WaveRec{0, 0, 1.0, 1.8, 5.0, 0.0, 0.0};
    w.goda_tbl[2] = WaveRec{0, 0, 1.0, 1.8, 5.0, 0.0, 0.0};
}

} // namespace

const std::vector<ReferenceExample>& reference_examples() {
    static const std::vector<ReferenceExample> examples = {
        // clang-format off
        {"uniform_sand.tn2", uniform_sand},
        {"sand_over_clay.tn2", sand_over_clay},
        {"sand_over_clay_layered.tn2", sand_over_clay_layered},
        {"seismic_sand.tn2", seismic_sand},
        {"both_studies.tn2", both_studies},
        {"concrete_sand.tn2", concrete_sand},
        {"steel_pipe_sand.tn2", pipe_sand},
        {"ctype_sand.tn2", ctype_sand},
        {"stype_sand.tn2", stype_sand},
        {"ctype_sand_over_clay_layered.tn2", ctype_sand_over_clay_layered},
        {"seismic_dynamic_water.tn2", seismic_dynamic_water},
        {"kuroda_hiroi_waves.tn2", kuroda_hiroi_waves},
        {"embankment_fill.tn2", embankment_fill},
        // clang-format on
    };
    return examples;
}

std::string example_path(const std::string& file) {
    return std::string(WTN_SOURCE_DIR) + "/examples/" + file;
}

} // namespace wtn::test
