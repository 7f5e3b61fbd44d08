// The items of the calculation input that stand one to one for a field of
// the design data, as one list per line group: the calculation-input writer
// walks it from the design data to the record, the import from the record
// back to the design data, so the two cannot pair an item differently.
// An Io takes each pair:
//   code(field, item)    a code, held as the same type on both sides
//   value(field, item)   a number held alike on both sides
// Data is const DesignData and Group the record for writing, and the other
// way round for the import. Items derived from several fields (the decision
// code, the studied cases, the residual level, the seismic coefficients, the
// lateral resistances, the ground angles) stay with the writer and the import.
#pragma once

#include "design_data.h"
#include "input_record.h"

namespace wtn::cal_links {

// "swdat": the calculation switches.
template <class Io, class Data, class Group> void swdat(Io& io, Data& d, Group& c) {
    auto& s = d.sekkei_dat;
    auto& k = d.kanseiji_dat;
    io.code(s.std_sw, c.design_standard);
    io.code(s.neire_sw, c.embedment_method);
    io.code(s.stress_sw, c.decide_by_stress);
    io.code(s.disp_sw, c.decide_by_displacement);
    io.code(s.zevove_sw, c.decide_by_seabed_reaction);
    io.code(k.shape_sw, c.ground_shape);
    io.code(k.load_sw, c.surcharge_mode);
    io.code(k.rwl_k_sw, c.residual_level_seismic);
    io.code(k.pa_formula_sw, c.clay_seismic_formula);
    io.code(k.pa_method_sw, c.earth_pressure_method);
    io.code(k.lwl_k_sw, c.lwl_seismic);
}

// "wavsw": the wave formula and its switches.
template <class Io, class Data, class Group> void wavsw(Io& io, Data& d, Group& c) {
    auto& w = d.sekouji_dat;
    io.code(w.wave_sw, c.wave_formula);
    io.code(w.dissip_sw, c.dissipating_works);
    io.value(w.lambda1, c.lambda1);
}

// "joken": the design conditions.
template <class Io, class Data, class Group> void joken(Io& io, Data& d, Group& c) {
    auto& s = d.sekkei_dat;
    auto& t = d.tihyou_dat;
    auto& y = d.yaita_dat;
    io.value(s.tide_lvl[1], c.hwl);
    io.value(s.tide_lvl[2], c.lwl);
    io.value(s.seabed_kansei, c.design_seabed);
    io.value(s.embed_lvl, c.embedment_level);
    io.value(s.bottom_lvl, c.soil_bottom);
    io.value(s.water_w, c.water_weight);
    io.value(t.surcharge_q[0], c.surcharge_normal);
    io.value(t.surcharge_q[1], c.surcharge_seismic);
    io.value(y.disp_allow[0], c.allow_disp_normal);
    io.value(y.disp_allow[1], c.allow_disp_seismic);
    io.code(y.yaita_kind, c.pile_type);
    io.code(y.u_kind, c.u_variant);
    io.code(y.steel_grade, c.steel_grade);
}

// "tjkn1": the added conditions.
template <class Io, class Data, class Group> void tjkn1(Io& io, Data& d, Group& c) {
    auto& s = d.sekkei_dat;
    auto& y = d.yaita_dat;
    io.value(s.tide_lvl[0], c.hhwl);
    io.value(s.tide_lvl[3], c.user_tide_level);
    io.value(s.crown_jobu, c.superstructure_crown);
    io.value(s.crown_yaita, c.pile_crown);
    io.value(s.cohesion_lvl, c.cohesion_ref_level);
    io.value(y.disp_allow[2], c.allow_disp_construction);
    io.value(y.stress_allow[0], c.allow_stress_normal);
    io.value(y.stress_allow[1], c.allow_stress_seismic);
    io.value(y.stress_allow[2], c.allow_stress_construction);
    io.value(s.seabed_sekou, c.construction_seabed);
    io.value(y.young_e, c.young_coefficient);
}

// "neire": the seismic rules and factors between the two lateral resistances.
template <class Io, class Data, class Group> void neire(Io& io, Data& d, Group& c) {
    auto& k = d.kanseiji_dat;
    io.code(k.sindo_sw, c.seismic_rule);
    io.value(k.sindo_factor[0], c.regional_factor);
    io.value(k.sindo_factor[1], c.ground_factor);
    io.value(k.sindo_factor[2], c.importance_factor);
    io.code(k.mikake_sw, c.apparent_rule);
}

// "wlvl_": the wave conditions.
template <class Io, class Data, class Group> void wlvl(Io& io, Data& d, Group& c) {
    auto& w = d.sekouji_dat;
    io.code(w.depth_sw, c.depth_rule);
    io.value(w.d_lvl, c.d);
    io.value(w.h2_lvl, c.h_dash);
    io.value(w.h_lvl, c.h);
    io.code(w.hb_sw, c.hb_rule);
    io.value(w.slope_x, c.slope_x);
}

// The writer's direction: design data to record.
struct ToRecord {
    template <class Code> void code(Code field, Code& item) { item = field; }
    void value(double field, double& item) { item = field; }
};

// The import's direction: record to design data.
struct ToDesignData {
    template <class Code> void code(Code& field, Code item) { field = item; }
    void value(double& field, double item) { field = item; }
};

} // namespace wtn::cal_links
