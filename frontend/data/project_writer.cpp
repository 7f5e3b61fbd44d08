#include "project_writer.h"

#include "comma_line.h"
#include "text_file.h"

namespace wtn {

namespace {

constexpr int kIdsPerLine = 10;
constexpr int kPointsPerLine = 10;

void add_wave_rows(std::vector<std::string>& out, const std::array<WaveRec, 5>& rows, bool goda) {
    for (int k = 0; k < kStudiedTideLevels; ++k) {
        const WaveRec& w = rows[k];
        CommaLine line;
        line.integer(w.flag1);
        if (goda) line.integer(w.flag2); // Kuroda rows carry no second flag
        line.real(w.h13, "H1/3")
            .real(w.hmax, "Hmax")
            .real(w.period, "T")
            .real(w.length, "L")
            .real(w.beta, "β");
        out.push_back(line.str());
    }
}

template <typename Pick>
void add_id_lines(std::vector<std::string>& out,
                  const std::array<PileIdPair, kPileSelectionRoom + 1>& pairs, Pick pick) {
    for (int first = 0; first < kPileSelectionRoom; first += kIdsPerLine) {
        CommaLine line;
        for (int i = first; i < first + kIdsPerLine; ++i)
            line.integer(pick(pairs[i]));
        out.push_back(line.str());
    }
}

void add_layer_lines(std::vector<std::string>& out,
                     const std::array<DosouRec, kSoilLayerRoom + 1>& layers) {
    for (int i = 0; i < kSoilLayerRoom; ++i) {
        const DosouRec& l = layers[i];
        CommaLine first;
        first.real(l.top_lvl, "top_lvl")
            .real(l.unit_w[0], "unit_w")
            .real(l.unit_w[1], "unit_w")
            .integer(l.soil_sw);
        first.real(l.soil_val[0], "soil_val")
            .real(l.soil_val[1], "soil_val")
            .real(l.soil_val[2], "soil_val");
        first.integer(l.kh_sw);
        out.push_back(first.str());
        CommaLine second;
        for (int j = 0; j < 4; ++j)
            second.real(l.kh_val[j], "kh_val");
        for (int j = 0; j < 4; ++j)
            second.real(l.n_val[j], "n_val");
        out.push_back(second.str());
    }
}

void add_force_lines(std::vector<std::string>& out,
                     const std::array<GairyokuRec, kForceRoom + 1>& forces) {
    for (int i = 0; i < kForceRoom; ++i) {
        const GairyokuRec& f = forces[i];
        CommaLine line;
        line.text(f.name, kForceNameLength, kForceNameCaption).integer(f.direction);
        line.real(f.force, "force").real(f.height, "height");
        out.push_back(line.str());
    }
}

} // namespace

std::vector<std::string> project_file_lines(const DesignData& d) {
    const SekkeiData& s = d.sekkei_dat;
    const KanseijiData& k = d.kanseiji_dat;
    const SekoujiData& w = d.sekouji_dat;
    const YaitaData& y = d.yaita_dat;
    const TihyouData& t = d.tihyou_dat;
    const DosouData& ds = d.dosou_dat;
    const GairyokuData& g = d.gairyoku_dat;
    std::vector<std::string> out;

    out.push_back(CommaLine().text(kVersion200, 0, "version").str());                 // 1
    out.push_back(CommaLine().text(d.data_title, kTitleLength, kTitleCaption).str()); // 2
    out.push_back(
        CommaLine() // 3
            .integer(s.std_sw)
            .integer(s.neire_sw)
            .integer(s.kanseiji_sw)
            .integer(s.sekouji_sw)
            .integer(s.stress_sw)
            .integer(s.disp_sw)
            .integer(1) // zevove_sw: the virtual-seabed reaction never decides the section
            .real(s.water_w, "water_w")
            .str());
    {
        CommaLine line; // 4
        for (int i = 0; i < 5; ++i)
            line.real(s.tide_lvl[i], "tide_lvl");
        line.text(s.tide_name, kTideNameLength, kTideNameCaption);
        out.push_back(line.str());
    }
    out.push_back(CommaLine() // 5
                      .integer(s.rwl_sw)
                      .real(s.crown_jobu, "crown_jobu")
                      .real(s.crown_yaita, "crown_yaita")
                      .real(s.seabed_kansei, "seabed_kansei")
                      .real(s.seabed_sekou, "seabed_sekou")
                      .real(s.cohesion_lvl, "cohesion_lvl")
                      .real(s.embed_lvl, "embed_lvl")
                      .real(s.bottom_lvl, "bottom_lvl")
                      .str());
    out.push_back(CommaLine()
                      .integer(k.jyo_sw)
                      .integer(k.jis_sw)
                      .integer(k.shape_sw)
                      .integer(k.load_sw)
                      .str()); // 6
    out.push_back(CommaLine()  // 7
                      .integer(k.sindo_sw)
                      .real(k.sindo_val, "sindo_val")
                      .real(k.sindo_factor[0], "sindo_factor")
                      .real(k.sindo_factor[1], "sindo_factor")
                      .real(k.sindo_factor[2], "sindo_factor")
                      .integer(k.mikake_sw)
                      .real(k.mikake_val, "mikake_val")
                      .integer(k.rwl_k_sw)
                      .integer(k.lwl_k_sw)
                      .integer(k.pa_formula_sw)
                      .integer(k.pa_method_sw)
                      .str());
    {
        CommaLine line; // 8
        line.integer(w.wave_sw).integer(w.dissip_sw);
        for (int i = 0; i < kStudiedTideLevels; ++i)
            line.integer(w.tide_kentou_sw[i]);
        for (int i = 0; i < kStudiedTideLevels; ++i)
            line.integer(w.tide_sakuzu_sw[i]);
        line.integer(w.depth_sw).real(w.lambda1, "lambda1");
        out.push_back(line.str());
    }
    {
        CommaLine line; // 9
        line.real(w.d_lvl, "d_lvl")
            .real(w.h2_lvl, "h2_lvl")
            .real(w.h_lvl, "h_lvl")
            .real(w.slope_x, "slope_x");
        line.integer(w.hb_sw);
        for (int i = 0; i < kStudiedTideLevels; ++i)
            line.real(w.hb_lvl[i], "hb_lvl");
        out.push_back(line.str());
    }
    add_wave_rows(out, w.goda_tbl, true);    // 10 to 13
    add_wave_rows(out, w.kuroda_tbl, false); // 14 to 17
    {
        CommaLine line; // 18
        line.integer(y.yaita_kind)
            .integer(y.u_kind)
            .integer(y.steel_grade)
            .real(y.young_e, "young_e");
        line.real(0.0,
                  "young_exp"); // the exponent is never saved: the modulus is young_e in kN/mm2
        for (int i = 0; i < 3; ++i)
            line.real(y.disp_allow[i], "disp_allow");
        for (int i = 0; i < 3; ++i)
            line.real(y.stress_allow[i], "stress_allow");
        out.push_back(line.str());
    }
    add_id_lines(out, y.yaita_sel, [](const PileIdPair& p) { return p.catalogue_id; }); // 19 to 28
    add_id_lines(out, y.yaita_sel, [](const PileIdPair& p) { return p.user_id; });      // 29 to 38
    for (int i = 0; i < kSteelPipeRoom; ++i) {                                          // 39 to 48
        const KokanRec& r = y.kokan_tbl[i];
        out.push_back(CommaLine()
                          .real(r.diameter, "diameter")
                          .real(r.thickness, "thickness")
                          .integer(r.joint_type)
                          .real(r.joint_spacing, "joint_spacing")
                          .str());
    }
    add_id_lines(out, y.pcyaita_sel,
                 [](const PileIdPair& p) { return p.catalogue_id; });                // 49 to 58
    add_id_lines(out, y.pcyaita_sel, [](const PileIdPair& p) { return p.user_id; }); // 59 to 68
    {
        const FsyokData& f = y.fsyok_dat;
        CommaLine line; // 69
        for (int i = 0; i < 4; ++i)
            line.real(f.sea_rate[i], "sea_rate");
        for (int i = 0; i < 3; ++i)
            line.real(f.land_rate[i], "land_rate");
        line.real(f.service_life, "service_life").integer(f.reduction[0]).integer(f.reduction[1]);
        out.push_back(line.str());
    }
    out.push_back(CommaLine() // 70
                      .real(t.ground_ang[0], "ground_ang")
                      .real(t.ground_ang[1], "ground_ang")
                      .real(t.surcharge_q[0], "surcharge_q")
                      .real(t.surcharge_q[1], "surcharge_q")
                      .str());
    {
        CommaLine line; // 71
        line.real(t.seabed_ang, "seabed_ang");
        for (int i = 0; i < kFillRoom; ++i)
            line.real(t.morid_tbl[i].top_lvl, "morid");
        for (int i = 0; i < kFillRoom; ++i)
            line.real(t.morid_tbl[i].wet_w, "morid");
        for (int i = 0; i < kFillRoom; ++i)
            line.real(t.morid_tbl[i].sat_w, "morid");
        out.push_back(line.str());
    }
    {
        CommaLine x, q; // 72, 73
        for (int i = 0; i < kSurchargeRoom; ++i)
            x.real(t.josai_tbl[i].start_x, "josai");
        for (int i = 0; i < kSurchargeRoom; ++i)
            x.real(t.josai_tbl[i].end_x, "josai");
        for (int i = 0; i < kSurchargeRoom; ++i)
            q.real(t.josai_tbl[i].q_normal, "josai");
        for (int i = 0; i < kSurchargeRoom; ++i)
            q.real(t.josai_tbl[i].q_seismic, "josai");
        out.push_back(x.str());
        out.push_back(q.str());
    }
    for (int first = 0; first < kGroundPointRoom; first += kPointsPerLine) { // 74 to 81
        CommaLine line;
        for (int i = first; i < first + kPointsPerLine; ++i)
            line.real(t.tikei_tbl[i].x, "tikei");
        out.push_back(line.str());
    }
    for (int first = 0; first < kGroundPointRoom; first += kPointsPerLine) { // 82 to 89
        CommaLine line;
        for (int i = first; i < first + kPointsPerLine; ++i)
            line.real(t.tikei_tbl[i].y, "tikei");
        out.push_back(line.str());
    }
    add_layer_lines(out, ds.dosou_riku);   // 90 to 119
    add_layer_lines(out, ds.dosou_umi);    // 120 to 149
    for (int side = 0; side < 2; ++side) { // 150, 151
        const DosouHohoRec& h = ds.dosou_hoho[side];
        CommaLine line;
        line.integer(h.hoho_sw);
        for (int i = 0; i < 3; ++i)
            line.real(h.hoho_k[i], "hoho_k");
        for (int i = 0; i < 3; ++i)
            line.real(h.hoho_n[i], "hoho_n");
        out.push_back(line.str());
    }
    add_force_lines(out, g.gairyoku_jyo); // 152 to 156
    add_force_lines(out, g.gairyoku_jis); // 157 to 161
    out.push_back(
        CommaLine().real(d.caldt_vals[0], "caldt").real(d.caldt_vals[1], "caldt").str()); // 162
    out.push_back(CommaLine().integer(y.fsyok_dat.range_sw).str());                       // 163
    out.push_back(CommaLine()                                                             // 164
                      .integer(k.dynwater_sw)
                      .integer(y.second_sw)
                      .real(y.kh_lm, "kh_lm")
                      .real(w.lambda2, "lambda2")
                      .str());
    out.push_back(CommaLine().integer(k.clay_sw).str()); // 165
    out.push_back(CommaLine()                            // 166
                      .integer(y.alpha_sw)
                      .real(y.joint_alpha[0], "joint_alpha")
                      .real(y.joint_alpha[1], "joint_alpha")
                      .real(y.joint_alpha[2], "joint_alpha")
                      .integer(w.static_sw)
                      .str());
    out.push_back(CommaLine().integer(k.okabe_sw).str()); // 167
    out.push_back(CommaLine()                             // 168
                      .real(s.delta_jyo[0], "delta_jyo")
                      .real(s.delta_jyo[1], "delta_jyo")
                      .real(s.delta_jis[0], "delta_jis")
                      .real(s.delta_jis[1], "delta_jis")
                      .str());
    return out;
}

void write_data_file(const DesignData& data, const std::string& path) {
    write_text_file(path, project_file_lines(data));
}

} // namespace wtn
