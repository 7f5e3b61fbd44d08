// The body of a project file (the groups of every version, from the design
// conditions to the external forces), as one list of items that drives both
// the reader and the writer, so the two cannot disagree on an item's place.
// An Io takes each item in file order:
//   integer(field, what)            a 16-bit integer
//   code(field, what)               a code, as the 16-bit list index of its
//                                   entry (wall_codes.h, screen_codes.h)
//   residual_rule(field, what)      the residual-water-level rule, as the
//                                   screen lists it
//   real(field, what, value_name)   a real; what names it when read,
//                                   value_name when it cannot be written
//   text(field, length, what, caption)  a fixed-length text
//   constant(field, written, what)  a code read into field, always written as written
//   exponent(field, what)           read as an integer, written as a real 0
//   end_line()                      the writer's line break
// Data is DesignData for reading and const DesignData for writing.
#pragma once

#include "design_data.h"
#include "project_writer.h"

namespace wtn::project_items {

inline constexpr int kIdsPerLine = 10;
inline constexpr int kPointsPerLine = 10;

template <class Io, class Waves> void wave_rows(Io& io, Waves& rows, bool goda) {
    for (int k = 0; k < kStudiedTideLevels; ++k) {
        auto& w = rows[k];
        if (goda) {
            io.code(w.breaking, "wave flag");
            io.code(w.length_method, "wave flag");
        } else {
            io.code(w.length_method, "wave flag"); // Kuroda rows carry no breaking flag
        }
        io.real(w.h13, "H1/3", "H1/3");
        io.real(w.hmax, "Hmax", "Hmax");
        io.real(w.period, "T", "T");
        io.real(w.length, "L", "L");
        io.real(w.beta, "β", "β");
        io.end_line();
    }
}

template <class Io, class Pairs, class Pick> void id_lines(Io& io, Pairs& pairs, Pick pick) {
    for (int first = 0; first < kPileSelectionRoom; first += kIdsPerLine) {
        for (int i = first; i < first + kIdsPerLine; ++i)
            io.integer(pick(pairs[i]), "pile id");
        io.end_line();
    }
}

template <class Io, class Layers> void layer_lines(Io& io, Layers& layers) {
    for (int i = 0; i < kSoilLayerRoom; ++i) {
        auto& l = layers[i];
        io.real(l.top_lvl, "soil layer", "top_lvl");
        io.real(l.unit_w[0], "soil layer", "unit_w");
        io.real(l.unit_w[1], "soil layer", "unit_w");
        io.code(l.soil_sw, "soil layer");
        for (int j = 0; j < 3; ++j)
            io.real(l.soil_val[j], "soil layer", "soil_val");
        io.code(l.kh_sw, "soil layer");
        io.end_line();
        for (int j = 0; j < 4; ++j)
            io.real(l.kh_val[j], "soil layer", "kh_val");
        for (int j = 0; j < 4; ++j)
            io.real(l.n_val[j], "soil layer", "n_val");
        io.end_line();
    }
}

template <class Io, class Forces> void force_lines(Io& io, Forces& forces) {
    for (int i = 0; i < kForceRoom; ++i) {
        auto& f = forces[i];
        io.text(f.name, kForceNameLength, "force name", kForceNameCaption);
        io.code(f.direction, "force direction");
        io.real(f.force, "force", "force");
        io.real(f.height, "force height", "height");
        io.end_line();
    }
}

template <class Io, class Data> void body(Io& io, Data& d) {
    auto& s = d.sekkei_dat;
    auto& k = d.kanseiji_dat;
    auto& w = d.sekouji_dat;
    auto& y = d.yaita_dat;
    auto& t = d.tihyou_dat;
    auto& ds = d.dosou_dat;
    auto& g = d.gairyoku_dat;

    io.code(s.std_sw, "std_sw");
    io.code(s.neire_sw, "neire_sw");
    io.code(s.kanseiji_sw, "kanseiji_sw");
    io.code(s.sekouji_sw, "sekouji_sw");
    io.code(s.stress_sw, "stress_sw");
    io.code(s.disp_sw, "disp_sw");
    // The virtual-seabed reaction never decides the section.
    io.constant(s.zevove_sw, YesNo::No, "zevove_sw");
    io.real(s.water_w, "water_w", "water_w");
    io.end_line();
    for (int i = 0; i < 5; ++i)
        io.real(s.tide_lvl[i], "tide_lvl", "tide_lvl");
    io.text(s.tide_name, kTideNameLength, "tide_name", kTideNameCaption);
    io.end_line();
    io.residual_rule(s.rwl_sw, "rwl_sw");
    io.real(s.crown_jobu, "crown_jobu", "crown_jobu");
    io.real(s.crown_yaita, "crown_yaita", "crown_yaita");
    io.real(s.seabed_kansei, "seabed_kansei", "seabed_kansei");
    io.real(s.seabed_sekou, "seabed_sekou", "seabed_sekou");
    io.real(s.cohesion_lvl, "cohesion_lvl", "cohesion_lvl");
    io.real(s.embed_lvl, "embed_lvl", "embed_lvl");
    io.real(s.bottom_lvl, "bottom_lvl", "bottom_lvl");
    io.end_line();

    io.code(k.jyo_sw, "jyo_sw");
    io.code(k.jis_sw, "jis_sw");
    io.code(k.shape_sw, "shape_sw");
    io.code(k.load_sw, "load_sw");
    io.end_line();
    io.code(k.sindo_sw, "sindo_sw");
    io.real(k.sindo_val, "sindo_val", "sindo_val");
    for (int i = 0; i < 3; ++i)
        io.real(k.sindo_factor[i], "sindo_factor", "sindo_factor");
    io.code(k.mikake_sw, "mikake_sw");
    io.real(k.mikake_val, "mikake_val", "mikake_val");
    io.code(k.rwl_k_sw, "rwl_k_sw");
    io.code(k.lwl_k_sw, "lwl_k_sw");
    io.code(k.pa_formula_sw, "pa_formula_sw");
    io.code(k.pa_method_sw, "pa_method_sw");
    io.end_line();

    io.code(w.wave_sw, "wave_sw");
    io.code(w.dissip_sw, "dissip_sw");
    for (int i = 0; i < kStudiedTideLevels; ++i)
        io.code(w.tide_kentou_sw[i], "tide_kentou_sw");
    for (int i = 0; i < kStudiedTideLevels; ++i)
        io.code(w.tide_sakuzu_sw[i], "tide_sakuzu_sw");
    io.code(w.depth_sw, "depth_sw");
    io.real(w.lambda1, "lambda1", "lambda1");
    io.end_line();
    io.real(w.d_lvl, "d_lvl", "d_lvl");
    io.real(w.h2_lvl, "h2_lvl", "h2_lvl");
    io.real(w.h_lvl, "h_lvl", "h_lvl");
    io.real(w.slope_x, "slope_x", "slope_x");
    io.code(w.hb_sw, "hb_sw");
    for (int i = 0; i < kStudiedTideLevels; ++i)
        io.real(w.hb_lvl[i], "hb_lvl", "hb_lvl");
    io.end_line();
    wave_rows(io, w.goda_tbl, true);
    wave_rows(io, w.kuroda_tbl, false);

    io.code(y.yaita_kind, "yaita_kind");
    io.code(y.u_kind, "u_kind");
    io.code(y.steel_grade, "steel_grade");
    io.real(y.young_e, "young_e", "young_e");
    // The exponent is never saved: the modulus is young_e in kN/mm2.
    io.exponent(y.young_exp, "young_exp");
    for (int i = 0; i < 3; ++i)
        io.real(y.disp_allow[i], "disp_allow", "disp_allow");
    for (int i = 0; i < 3; ++i)
        io.real(y.stress_allow[i], "stress_allow", "stress_allow");
    io.end_line();
    id_lines(
        io, y.yaita_sel, [](auto& p) -> auto& { return p.catalogue_id; });
    id_lines(
        io, y.yaita_sel, [](auto& p) -> auto& { return p.user_id; });
    for (int i = 0; i < kSteelPipeRoom; ++i) {
        auto& r = y.kokan_tbl[i];
        io.real(r.diameter, "kokan", "diameter");
        io.real(r.thickness, "kokan", "thickness");
        io.code(r.joint_type, "kokan");
        io.real(r.joint_spacing, "kokan", "joint_spacing");
        io.end_line();
    }
    id_lines(
        io, y.pcyaita_sel, [](auto& p) -> auto& { return p.catalogue_id; });
    id_lines(
        io, y.pcyaita_sel, [](auto& p) -> auto& { return p.user_id; });
    auto& f = y.fsyok_dat;
    for (int i = 0; i < 4; ++i)
        io.real(f.sea_rate[i], "sea_rate", "sea_rate");
    for (int i = 0; i < 3; ++i)
        io.real(f.land_rate[i], "land_rate", "land_rate");
    io.real(f.service_life, "service_life", "service_life");
    io.integer(f.reduction[0], "reduction");
    io.integer(f.reduction[1], "reduction");
    io.end_line();

    for (int i = 0; i < 2; ++i)
        io.real(t.ground_ang[i], "ground_ang", "ground_ang");
    for (int i = 0; i < 2; ++i)
        io.real(t.surcharge_q[i], "surcharge_q", "surcharge_q");
    io.end_line();
    io.real(t.seabed_ang, "seabed_ang", "seabed_ang");
    for (int i = 0; i < kFillRoom; ++i)
        io.real(t.morid_tbl[i].top_lvl, "morid", "morid");
    for (int i = 0; i < kFillRoom; ++i)
        io.real(t.morid_tbl[i].wet_w, "morid", "morid");
    for (int i = 0; i < kFillRoom; ++i)
        io.real(t.morid_tbl[i].sat_w, "morid", "morid");
    io.end_line();
    for (int i = 0; i < kSurchargeRoom; ++i)
        io.real(t.josai_tbl[i].start_x, "josai", "josai");
    for (int i = 0; i < kSurchargeRoom; ++i)
        io.real(t.josai_tbl[i].end_x, "josai", "josai");
    io.end_line();
    for (int i = 0; i < kSurchargeRoom; ++i)
        io.real(t.josai_tbl[i].q_normal, "josai", "josai");
    for (int i = 0; i < kSurchargeRoom; ++i)
        io.real(t.josai_tbl[i].q_seismic, "josai", "josai");
    io.end_line();
    for (int first = 0; first < kGroundPointRoom; first += kPointsPerLine) {
        for (int i = first; i < first + kPointsPerLine; ++i)
            io.real(t.tikei_tbl[i].x, "tikei", "tikei");
        io.end_line();
    }
    for (int first = 0; first < kGroundPointRoom; first += kPointsPerLine) {
        for (int i = first; i < first + kPointsPerLine; ++i)
            io.real(t.tikei_tbl[i].y, "tikei", "tikei");
        io.end_line();
    }

    layer_lines(io, ds.dosou_riku);
    layer_lines(io, ds.dosou_umi);
    for (int side = 0; side < 2; ++side) {
        auto& h = ds.dosou_hoho[side];
        io.code(h.hoho_sw, "dosou_hoho");
        for (int i = 0; i < 3; ++i)
            io.real(h.hoho_k[i], "dosou_hoho", "hoho_k");
        for (int i = 0; i < 3; ++i)
            io.real(h.hoho_n[i], "dosou_hoho", "hoho_n");
        io.end_line();
    }
    force_lines(io, g.gairyoku_jyo);
    force_lines(io, g.gairyoku_jis);
}

} // namespace wtn::project_items
