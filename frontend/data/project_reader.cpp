#include "project_reader.h"

#include "number_text.h"
#include "text_file.h"

#include <algorithm>

namespace wtn {

namespace {

constexpr int kIdsPerLine = 10;

void read_wave_rows(FieldReader& in, std::array<WaveRec, 5>& rows, bool goda) {
    for (int k = 0; k < kStudiedTideLevels; ++k) {
        WaveRec& w = rows[k];
        w.flag1 = in.integer("wave flag");
        if (goda) w.flag2 = in.integer("wave flag"); // Kuroda rows keep their second flag
        w.h13 = in.real("H1/3");
        w.hmax = in.real("Hmax");
        w.period = in.real("T");
        w.length = in.real("L");
        w.beta = in.real("β");
    }
}

template <typename Pick>
void read_ids(FieldReader& in, std::array<PileIdPair, kPileSelectionRoom + 1>& pairs, Pick pick) {
    for (int i = 0; i < kPileSelectionRoom; ++i)
        pick(pairs[i]) = in.integer("pile id");
}

void read_layers(FieldReader& in, std::array<DosouRec, kSoilLayerRoom + 1>& layers) {
    for (int i = 0; i < kSoilLayerRoom; ++i) {
        DosouRec& l = layers[i];
        l.top_lvl = in.real("soil layer");
        l.unit_w[0] = in.real("soil layer");
        l.unit_w[1] = in.real("soil layer");
        l.soil_sw = in.integer("soil layer");
        for (int j = 0; j < 3; ++j)
            l.soil_val[j] = in.real("soil layer");
        l.kh_sw = in.integer("soil layer");
        for (int j = 0; j < 4; ++j)
            l.kh_val[j] = in.real("soil layer");
        for (int j = 0; j < 4; ++j)
            l.n_val[j] = in.real("soil layer");
    }
}

void read_forces(FieldReader& in, std::array<GairyokuRec, kForceRoom + 1>& forces) {
    for (int i = 0; i < kForceRoom; ++i) {
        GairyokuRec& f = forces[i];
        f.name = fixed_text(in.text("force name"), kForceNameLength);
        f.direction = in.integer("force direction");
        f.force = in.real("force");
        f.height = in.real("force height");
    }
}

} // namespace

void read_data_file(DesignData& data, const std::string& path) {
    const auto lines = read_text_file(path);
    FieldReader in(lines, path);
    const std::string first = in.text("version");
    const std::string tag = trim_blanks(first);
    std::string title;
    if (tag == kVersion200 || tag == kVersion101) {
        data.data_ver = tag;
        title = in.text("title");
    } else {
        data.data_ver = kVersion100; // a version-1.00 file begins with its title
        title = first;
    }
    data.data_title = fixed_text(title, kTitleLength);
    read_data_body(data, in);
    if (data.data_ver == kVersion100) {
        def_data_v101(data);
        def_data_v200(data);
        // Older projects never chose the clay formula; take the default
        // instead of whatever the previous project held.
        data.kanseiji_dat.clay_sw = 0;
    } else if (data.data_ver == kVersion101) {
        read_data_v101(data, in);
        def_data_v200(data);
    } else {
        read_data_v101(data, in);
        read_data_v200(data, in);
    }
}

void read_data_body(DesignData& d, FieldReader& in) {
    SekkeiData& s = d.sekkei_dat;
    KanseijiData& k = d.kanseiji_dat;
    SekoujiData& w = d.sekouji_dat;
    YaitaData& y = d.yaita_dat;
    TihyouData& t = d.tihyou_dat;
    DosouData& ds = d.dosou_dat;
    GairyokuData& g = d.gairyoku_dat;

    s.std_sw = in.integer("std_sw");
    s.neire_sw = in.integer("neire_sw");
    s.kanseiji_sw = in.integer("kanseiji_sw");
    s.sekouji_sw = in.integer("sekouji_sw");
    s.stress_sw = in.integer("stress_sw");
    s.disp_sw = in.integer("disp_sw");
    s.zevove_sw = in.integer("zevove_sw");
    s.water_w = in.real("water_w");
    for (int i = 0; i < 5; ++i)
        s.tide_lvl[i] = in.real("tide_lvl");
    s.tide_name = fixed_text(in.text("tide_name"), kTideNameLength);
    s.rwl_sw = in.integer("rwl_sw");
    s.crown_jobu = in.real("crown_jobu");
    s.crown_yaita = in.real("crown_yaita");
    s.seabed_kansei = in.real("seabed_kansei");
    s.seabed_sekou = in.real("seabed_sekou");
    s.cohesion_lvl = in.real("cohesion_lvl");
    s.embed_lvl = in.real("embed_lvl");
    s.bottom_lvl = in.real("bottom_lvl");

    k.jyo_sw = in.integer("jyo_sw");
    k.jis_sw = in.integer("jis_sw");
    k.shape_sw = in.integer("shape_sw");
    k.load_sw = in.integer("load_sw");
    k.sindo_sw = in.integer("sindo_sw");
    k.sindo_val = in.real("sindo_val");
    for (int i = 0; i < 3; ++i)
        k.sindo_factor[i] = in.real("sindo_factor");
    k.mikake_sw = in.integer("mikake_sw");
    k.mikake_val = in.real("mikake_val");
    k.rwl_k_sw = in.integer("rwl_k_sw");
    k.lwl_k_sw = in.integer("lwl_k_sw");
    k.pa_formula_sw = in.integer("pa_formula_sw");
    k.pa_method_sw = in.integer("pa_method_sw");

    w.wave_sw = in.integer("wave_sw");
    w.dissip_sw = in.integer("dissip_sw");
    for (int i = 0; i < kStudiedTideLevels; ++i)
        w.tide_kentou_sw[i] = in.integer("tide_kentou_sw");
    for (int i = 0; i < kStudiedTideLevels; ++i)
        w.tide_sakuzu_sw[i] = in.integer("tide_sakuzu_sw");
    w.depth_sw = in.integer("depth_sw");
    w.lambda1 = in.real("lambda1");
    w.d_lvl = in.real("d_lvl");
    w.h2_lvl = in.real("h2_lvl");
    w.h_lvl = in.real("h_lvl");
    w.slope_x = in.real("slope_x");
    w.hb_sw = in.integer("hb_sw");
    for (int i = 0; i < kStudiedTideLevels; ++i)
        w.hb_lvl[i] = in.real("hb_lvl");
    read_wave_rows(in, w.goda_tbl, true);
    read_wave_rows(in, w.kuroda_tbl, false);

    y.yaita_kind = in.integer("yaita_kind");
    y.u_kind = in.integer("u_kind");
    y.steel_grade = in.integer("steel_grade");
    y.young_e = in.real("young_e");
    y.young_exp = in.integer("young_exp");
    for (int i = 0; i < 3; ++i)
        y.disp_allow[i] = in.real("disp_allow");
    for (int i = 0; i < 3; ++i)
        y.stress_allow[i] = in.real("stress_allow");
    read_ids(in, y.yaita_sel, [](PileIdPair& p) -> int& { return p.catalogue_id; });
    read_ids(in, y.yaita_sel, [](PileIdPair& p) -> int& { return p.user_id; });
    for (int i = 0; i < kSteelPipeRoom; ++i) {
        KokanRec& r = y.kokan_tbl[i];
        r.diameter = in.real("kokan");
        r.thickness = in.real("kokan");
        r.joint_type = in.integer("kokan");
        r.joint_spacing = in.real("kokan");
    }
    read_ids(in, y.pcyaita_sel, [](PileIdPair& p) -> int& { return p.catalogue_id; });
    read_ids(in, y.pcyaita_sel, [](PileIdPair& p) -> int& { return p.user_id; });
    FsyokData& f = y.fsyok_dat;
    for (int i = 0; i < 4; ++i)
        f.sea_rate[i] = in.real("sea_rate");
    for (int i = 0; i < 3; ++i)
        f.land_rate[i] = in.real("land_rate");
    f.service_life = in.real("service_life");
    f.reduction[0] = in.integer("reduction");
    f.reduction[1] = in.integer("reduction");

    t.ground_ang[0] = in.real("ground_ang");
    t.ground_ang[1] = in.real("ground_ang");
    t.surcharge_q[0] = in.real("surcharge_q");
    t.surcharge_q[1] = in.real("surcharge_q");
    t.seabed_ang = in.real("seabed_ang");
    for (int i = 0; i < kFillRoom; ++i)
        t.morid_tbl[i].top_lvl = in.real("morid");
    for (int i = 0; i < kFillRoom; ++i)
        t.morid_tbl[i].wet_w = in.real("morid");
    for (int i = 0; i < kFillRoom; ++i)
        t.morid_tbl[i].sat_w = in.real("morid");
    for (int i = 0; i < kSurchargeRoom; ++i)
        t.josai_tbl[i].start_x = in.real("josai");
    for (int i = 0; i < kSurchargeRoom; ++i)
        t.josai_tbl[i].end_x = in.real("josai");
    for (int i = 0; i < kSurchargeRoom; ++i)
        t.josai_tbl[i].q_normal = in.real("josai");
    for (int i = 0; i < kSurchargeRoom; ++i)
        t.josai_tbl[i].q_seismic = in.real("josai");
    for (int i = 0; i < kGroundPointRoom; ++i)
        t.tikei_tbl[i].x = in.real("tikei");
    for (int i = 0; i < kGroundPointRoom; ++i)
        t.tikei_tbl[i].y = in.real("tikei");

    read_layers(in, ds.dosou_riku);
    read_layers(in, ds.dosou_umi);
    for (int side = 0; side < 2; ++side) {
        DosouHohoRec& h = ds.dosou_hoho[side];
        h.hoho_sw = in.integer("dosou_hoho");
        for (int i = 0; i < 3; ++i)
            h.hoho_k[i] = in.real("dosou_hoho");
        for (int i = 0; i < 3; ++i)
            h.hoho_n[i] = in.real("dosou_hoho");
    }
    read_forces(in, g.gairyoku_jyo);
    read_forces(in, g.gairyoku_jis);

    if (in.at_end()) {
        d.caldt_vals = {0.0, 0.0};
    } else {
        d.caldt_vals[0] = in.real("caldt");
        d.caldt_vals[1] = in.real("caldt");
    }
    if (in.at_end()) {
        // Older layouts had one rate for both zones between H.W.L. and the sea
        // water and one land-side rate below the air: both become the larger.
        const double sea = std::max(f.sea_rate[1], f.sea_rate[2]);
        f.sea_rate[1] = sea;
        f.sea_rate[2] = sea;
        f.land_rate[1] = f.land_rate[2];
        f.range_sw = 0;
    } else {
        f.range_sw = in.integer("range_sw");
    }
}

void read_data_v101(DesignData& d, FieldReader& in) {
    KanseijiData& k = d.kanseiji_dat;
    SekoujiData& w = d.sekouji_dat;
    YaitaData& y = d.yaita_dat;
    if (in.at_end()) {
        k.dynwater_sw = 2;
        y.second_sw = 2;
        y.kh_lm = 0.0;
        if (w.wave_sw == 0 && w.dissip_sw == 0) {
            w.lambda2 = 0.0;
        } else {
            w.lambda1 = 1.0;
            w.lambda2 = 1.0;
        }
    } else {
        k.dynwater_sw = in.integer("dynwater_sw");
        y.second_sw = in.integer("second_sw");
        y.kh_lm = in.real("kh_lm");
        w.lambda2 = in.real("lambda2");
    }
    k.clay_sw = in.at_end() ? 0 : in.integer("clay_sw");
    if (in.at_end()) {
        def_data_v101(d);
    } else {
        y.alpha_sw = in.integer("alpha_sw");
        for (int i = 0; i < 3; ++i)
            y.joint_alpha[i] = in.real("joint_alpha");
        w.static_sw = in.integer("static_sw");
    }
}

void read_data_v200(DesignData& d, FieldReader& in) {
    if (in.at_end()) {
        def_data_v200(d);
        return;
    }
    d.kanseiji_dat.okabe_sw = in.integer("okabe_sw");
    if (in.at_end()) {
        d.sekkei_dat.delta_jyo[0] = 15.0;
        d.sekkei_dat.delta_jyo[1] = -15.0;
        d.sekkei_dat.delta_jis[0] = 15.0;
        d.sekkei_dat.delta_jis[1] = -15.0;
        return;
    }
    d.sekkei_dat.delta_jyo[0] = in.real("delta_jyo");
    d.sekkei_dat.delta_jyo[1] = in.real("delta_jyo");
    d.sekkei_dat.delta_jis[0] = in.real("delta_jis");
    d.sekkei_dat.delta_jis[1] = in.real("delta_jis");
}

void def_data_v101(DesignData& d) {
    d.yaita_dat.alpha_sw = 0;
    d.yaita_dat.joint_alpha = {1.0, 1.0, 1.0};
    d.sekouji_dat.static_sw = 0;
}

void def_data_v200(DesignData& d) {
    d.kanseiji_dat.okabe_sw = 0;
    d.sekkei_dat.delta_jyo[0] = 15.0;
    d.sekkei_dat.delta_jyo[1] = -15.0;
    d.sekkei_dat.delta_jis[0] = 15.0;
    d.sekkei_dat.delta_jis[1] = -15.0;
}

} // namespace wtn
