#include "cal_writer.h"

#include "cal_file_keys.h"
#include "derived_values.h"
#include "number_text.h"
#include "project_writer.h"
#include "row_tests.h"
#include "screen_codes.h"
#include "text_file.h"
#include "wall_codes.h"

namespace wtn {

namespace {

constexpr double kWaterUnitWeight =
    10.0; // kN/m3 taken off the saturated weight for the submerged weight

// Decision code of "swdat": a 1 in the units digit decides by stress, in the
// tens digit by displacement.
constexpr int kDecisionByStress = 1;
constexpr int kDecisionByDisplacement = 10;

// The breaking-wave influence item of a Kuroda / Hiroi tide level.
constexpr int kNoBreakingInfluence = 0;

// One key line: the key, then its pieces each after a comma. Items carry the
// blanks of the calculation input's number text.
class KeyLine {
  public:
    explicit KeyLine(const std::string& key) : line_(key) {}
    KeyLine& i(int value) { return piece(cal_integer_item(value)); }
    KeyLine& r(double value, const std::string& what) { return piece(cal_real_item(value, what)); }
    KeyLine& quoted(const std::string& text, const std::string& caption) {
        const std::string trimmed = trim_blanks(text);
        check_text_item(trimmed, caption);
        return piece("\"" + trimmed + "\"");
    }
    std::string str() const { return line_; }

  private:
    KeyLine& piece(const std::string& text) {
        line_ += ',';
        line_ += text;
        return *this;
    }
    std::string line_;
};

// Code of two check boxes: 3 both, 1 first only, 2 second only, 0 neither.
int pair_code(int first, int second) {
    if (box_checked(first) && box_checked(second)) return 3;
    if (box_checked(first)) return 1;
    if (box_checked(second)) return 2;
    return 0;
}

// Per tide level: yes unless the box is clear.
int level_flag(int box) {
    return file_code(box != kBoxClear ? YesNo::Yes : YesNo::No);
}

bool decides(int screen_switch) {
    return code_from_screen_switch<YesNo>(screen_switch) == YesNo::Yes;
}

std::string swdat_line(DesignData& d) {
    SekkeiData& s = d.sekkei_dat;
    const KanseijiData& k = d.kanseiji_dat;
    int case_code = pair_code(k.jyo_sw, k.jis_sw);
    // Only the construction stage studied: the normal case alone.
    if (s.kanseiji_sw == kBoxClear && box_checked(s.sekouji_sw)) case_code = 1;
    KeyLine line(kSwitchesKey);
    line.i(file_switch_code(s.std_sw))
        .i(file_switch_code(s.neire_sw))
        .i(file_switch_code(s.stress_sw))
        .i(file_switch_code(s.disp_sw))
        .i(file_switch_code(s.zevove_sw));
    line.i(case_code).i(file_switch_code(k.shape_sw)).i(file_switch_code(k.load_sw));
    s.zevove_sw = 1;
    int decision = 0;
    if (decides(s.stress_sw)) decision += kDecisionByStress;
    if (decides(s.disp_sw)) decision += kDecisionByDisplacement;
    line.i(decision)
        .i(file_switch_code(k.rwl_k_sw))
        .i(file_switch_code(k.pa_formula_sw))
        .i(file_switch_code(k.pa_method_sw));
    line.i(pair_code(s.kanseiji_sw, s.sekouji_sw)).i(file_switch_code(k.lwl_k_sw));
    return line.str();
}

std::string wavsw_line(const DesignData& d) {
    const SekoujiData& w = d.sekouji_dat;
    KeyLine line(kWaveSwitchesKey);
    line.quoted(d.sekkei_dat.tide_name, kTideNameCaption);
    line.i(file_switch_code(w.wave_sw)).i(file_switch_code(w.dissip_sw)).r(w.lambda1, "λ1");
    for (int k = 0; k < kStudiedTideLevels; ++k)
        line.i(level_flag(w.tide_kentou_sw[k])).i(level_flag(w.tide_sakuzu_sw[k]));
    return line.str();
}

std::string joken_line(const DesignData& d) {
    const SekkeiData& s = d.sekkei_dat;
    const TihyouData& t = d.tihyou_dat;
    const YaitaData& y = d.yaita_dat;
    const int rwl_kind = file_code(residual_rule_from_screen(s.rwl_sw));
    const bool straight =
        code_from_screen_switch<GroundShape>(d.kanseiji_dat.shape_sw) == GroundShape::Straight;
    KeyLine line(kConditionsKey);
    line.r(s.tide_lvl[1], "H.W.L.").r(s.tide_lvl[2], "L.W.L.").i(rwl_kind);
    line.r(residual_water_level(s), "残留水位");
    line.r(first_used_layer(d.dosou_dat.dosou_riku).top_lvl, "土層上限")
        .r(s.seabed_kansei, "設計海底面")
        .r(s.embed_lvl, "根入れ高");
    line.r(s.bottom_lvl, "最終土層の下限高");
    line.r(straight ? t.ground_ang[0] : 0.0, "地表面角度")
        .r(straight ? t.ground_ang[1] : t.seabed_ang, "海底面角度");
    line.r(s.water_w, "海水の単位体積重量")
        .r(t.surcharge_q[0], "上載荷重")
        .r(t.surcharge_q[1], "上載荷重");
    line.r(y.disp_allow[0], "許容変位量").r(y.disp_allow[1], "許容変位量");
    line.i(pile_type_code(pile_type_from_screen_kind(y.yaita_kind)))
        .i(file_switch_code(y.u_kind))
        .i(file_switch_code(y.steel_grade));
    return line.str();
}

std::string tjkn1_line(const DesignData& d) {
    const SekkeiData& s = d.sekkei_dat;
    const YaitaData& y = d.yaita_dat;
    KeyLine line(kAddedConditionsKey);
    line.r(s.tide_lvl[0], "H.H.W.L.").r(s.tide_lvl[3], "任意潮位").r(s.crown_jobu, "上部工天端高");
    line.r(s.crown_yaita, "矢板天端高")
        .r(s.cohesion_lvl, "粘着基準高")
        .r(y.disp_allow[2], "許容変位量");
    for (int i = 0; i < 3; ++i)
        line.r(y.stress_allow[i], "許容応力度");
    line.r(s.seabed_sekou, "施工時設計海底面").r(y.young_e, "ヤング係数").r(0.0, "ヤング係数");
    return line.str();
}

void add_method(KeyLine& line, const DosouHohoRec& m) {
    const bool given = screen_code<SideResistanceOption>(m.hoho_sw) == SideResistanceOption::Given;
    line.i(file_code(given ? LateralResistanceMethod::Given
                           : LateralResistanceMethod::DerivedFromSoil))
        .r(m.hoho_n[1], "平均N値")
        .r(m.hoho_n[2], "N値の増加率");
    line.r(method_coefficient(m), "Kc/Ks");
}

std::string neire_line(const DesignData& d) {
    const KanseijiData& k = d.kanseiji_dat;
    KeyLine line(kEmbedmentKey);
    add_method(line, d.dosou_dat.dosou_hoho[1]);
    line.i(k.sindo_sw).r(design_seismic_coefficient(k, d.custom_tbl.sindo_round_sw), "設計震度");
    for (int i = 0; i < 3; ++i)
        line.r(k.sindo_factor[i], "震度の係数");
    const bool apparent_given =
        code_from_file<ApparentSeismicRule>(k.mikake_sw) == ApparentSeismicRule::Given;
    line.i(k.mikake_sw).r(apparent_given ? k.mikake_val : 0.0, "見かけの震度");
    add_method(line, d.dosou_dat.dosou_hoho[0]);
    return line.str();
}

std::string fsyok_line(const DesignData& d) {
    const FsyokData& f = d.yaita_dat.fsyok_dat;
    KeyLine line(kCorrosionKey);
    for (int i = 0; i < 4; ++i)
        line.r(f.sea_rate[i], "腐食速度");
    for (int i = 0; i < 3; ++i)
        line.r(f.land_rate[i], "腐食速度");
    line.r(0.0, "").r(0.0, "");
    line.i(to_integer16(f.service_life, "耐用年数"));
    line.r(f.reduction[0], "低減率").r(f.reduction[1], "低減率");
    line.i(f.range_sw);
    return line.str();
}

void add_id_lines(std::vector<std::string>& out, const char* key,
                  const std::array<PileIdPair, kPileSelectionRoom + 1>& pairs, bool user) {
    std::vector<int> ids;
    for (const PileIdPair& p : pairs) {
        const int id = user ? p.user_id : p.catalogue_id;
        if (id == 0) break;
        ids.push_back(id);
    }
    for (std::size_t first = 0; first < ids.size(); first += kIdsPerCalLine) {
        KeyLine line(key);
        for (std::size_t i = first; i < ids.size() && i < first + kIdsPerCalLine; ++i)
            line.i(ids[i]);
        out.push_back(line.str());
    }
}

void add_force_lines(std::vector<std::string>& out, const char* key,
                     const std::array<GairyokuRec, kForceRoom + 1>& forces) {
    for (int i = 0; i < kForceRoom; ++i) {
        const GairyokuRec& f = forces[i];
        if (!row_used(f)) continue;
        KeyLine line(key);
        line.quoted(f.name, kForceNameCaption);
        const bool passive = screen_code<ForceSide>(f.direction) == ForceSide::Passive;
        line.r(passive ? -f.force : f.force, "外力").r(f.height, "作用高");
        out.push_back(line.str());
    }
}

void add_layer_lines(std::vector<std::string>& out, const char* key,
                     const std::array<DosouRec, kSoilLayerRoom + 1>& layers) {
    for (int i = 0; i < kSoilLayerRoom; ++i) {
        const DosouRec& l = layers[i];
        if (!row_used(l)) continue;
        const bool sand = screen_code<SoilKind>(l.soil_sw) == SoilKind::Sand;
        const int option = is_list_index(l.kh_sw, kLayerKhOptionCount)
                               ? l.kh_sw
                               : screen_switch_of(LayerKhOption::Given);
        KeyLine line(key);
        line.r(l.top_lvl, "土層上限")
            .r(l.unit_w[0], "湿潤重量")
            .r(l.unit_w[1] - kWaterUnitWeight, "水中重量");
        line.r(l.unit_w[1], "飽和重量").r(sand ? l.soil_val[0] : 0.0, "内部摩擦角");
        line.r(sand ? 0.0 : l.soil_val[1], "C0").r(sand ? 0.0 : l.soil_val[2], "K");
        line.i(file_switch_code(l.kh_sw))
            .r(l.n_val[option], "N値")
            .r(soil_layer_constant(l), "横抵抗定数");
        out.push_back(line.str());
    }
}

static_assert(kTideLevelKeys.size() == kStudiedTideLevels);

void add_tide_lines(std::vector<std::string>& out, const DesignData& d) {
    const SekoujiData& w = d.sekouji_dat;
    const bool goda = code_from_screen_switch<WaveFormula>(w.wave_sw) == WaveFormula::Goda;
    for (int k = 0; k < kStudiedTideLevels; ++k) {
        if (!box_checked(w.tide_kentou_sw[k])) continue;
        const WaveRec& row = goda ? w.goda_tbl[k] : w.kuroda_tbl[k];
        // Goda rows hold the breaking influence in the first flag and the
        // wave-length method in the second; Kuroda / Hiroi rows the method in the first.
        const int method = file_switch_code(goda ? row.flag2 : row.flag1);
        // The derived length goes into the line only; the row keeps its own L.
        const double length = code_from_file<WaveLengthMethod>(method) == WaveLengthMethod::Computed
                                  ? tide_wave_length(d.sekkei_dat, w, k, row)
                                  : row.length;
        KeyLine line(kTideLevelKeys[k]);
        line.i(goda ? file_switch_code(row.flag1) : kNoBreakingInfluence)
            .r(row.h13, "H1/3")
            .r(row.hmax, goda ? "Hmax" : "HD")
            .i(method);
        line.r(row.period, "周期").r(length, "波長").r(row.beta, "入射角");
        out.push_back(line.str());
    }
}

} // namespace

std::vector<std::string> cal_file_lines(DesignData& d) {
    const SekkeiData& s = d.sekkei_dat;
    const KanseijiData& k = d.kanseiji_dat;
    const SekoujiData& w = d.sekouji_dat;
    const YaitaData& y = d.yaita_dat;
    const TihyouData& t = d.tihyou_dat;
    std::vector<std::string> out;

    out.push_back(KeyLine(kVersionKey).quoted(kVersion200, kVersionKey).i(1).str());
    out.push_back(KeyLine(kTitleKey).quoted(d.data_title, kTitleCaption).str());
    out.push_back(swdat_line(d));
    out.push_back(wavsw_line(d));
    out.push_back(joken_line(d));
    out.push_back(tjkn1_line(d));
    out.push_back(neire_line(d));
    out.push_back(fsyok_line(d));
    out.push_back(KeyLine(kJointEfficiencyKey)
                      .r(y.joint_alpha[0], "継手効率")
                      .r(y.joint_alpha[1], "継手効率")
                      .r(y.joint_alpha[2], "継手効率")
                      .str());
    // Pile ids only for the two types of free choice: steel and PC.
    const PileType pile_type = pile_type_from_screen_kind(y.yaita_kind);
    if (is_pile_of_free_choice(pile_type)) {
        const auto& pairs = pile_type == PileType::SteelOfFreeChoice ? y.yaita_sel : y.pcyaita_sel;
        add_id_lines(out, kCataloguePilesKey, pairs, false);
        add_id_lines(out, kAddedPilesKey, pairs, true);
    }
    for (int i = 0; i < kSurchargeRoom; ++i) {
        const JosaiRow& r = t.josai_tbl[i];
        if (!row_used(r)) continue;
        out.push_back(KeyLine(kSurchargeKey)
                          .r(r.start_x, "載荷範囲")
                          .r(r.end_x, "載荷範囲")
                          .r(r.q_normal, "上載荷重")
                          .r(r.q_seismic, "上載荷重")
                          .str());
    }
    add_force_lines(out, kNormalForceKey, d.gairyoku_dat.gairyoku_jyo);
    add_force_lines(out, kSeismicForceKey, d.gairyoku_dat.gairyoku_jis);
    for (int i = 0; i < kSteelPipeRoom; ++i) {
        const KokanRec& r = y.kokan_tbl[i];
        if (!row_used(r)) continue;
        const double joint = r.joint_type == kPipeJointGivenSpacing
                                 ? r.joint_spacing
                                 : file_switch_code(r.joint_type);
        out.push_back(KeyLine(kSteelPipeKey)
                          .r(r.diameter, "外径")
                          .r(r.thickness, "板厚")
                          .r(joint, "継手")
                          .str());
    }
    add_layer_lines(out, kLandLayerKey, d.dosou_dat.dosou_riku);
    add_layer_lines(out, kSeaLayerKey, d.dosou_dat.dosou_umi);
    for (int i = 0; i < kGroundPointRoom; ++i) {
        const TikeiPoint& p = t.tikei_tbl[i];
        if (!row_used(p)) continue;
        out.push_back(KeyLine(kGroundPointKey).r(p.x, "地形").r(p.y, "地形").str());
    }
    for (int i = 0; i < kFillRoom; ++i) {
        const MoridRow& r = t.morid_tbl[i];
        if (!row_used(r)) continue;
        out.push_back(KeyLine(kFillKey)
                          .r(r.top_lvl, "盛土")
                          .r(r.wet_w, "盛土")
                          .r(r.sat_w - kWaterUnitWeight, "盛土")
                          .r(r.sat_w, "盛土")
                          .str());
    }
    {
        KeyLine line(kWaveConditionsKey);
        line.i(file_switch_code(w.depth_sw))
            .r(w.d_lvl, "d")
            .r(w.h2_lvl, "h'")
            .r(w.h_lvl, "h")
            .i(file_switch_code(w.hb_sw))
            .r(w.slope_x, "勾配");
        for (int i = 0; i < kStudiedTideLevels; ++i)
            line.r(w.hb_lvl[i], "hb");
        out.push_back(line.str());
    }
    add_tide_lines(out, d);
    out.push_back(KeyLine(kAdoptedLengthKey)
                      .r(d.caldt_vals[0], "施工根入れ深度")
                      .r(d.caldt_vals[1], "矢板長")
                      .str());
    out.push_back(KeyLine(kEmbedmentOptionsKey)
                      .i(k.dynwater_sw)
                      .i(y.second_sw)
                      .r(y.kh_lm, "kh")
                      .r(w.lambda2, "λ2")
                      .i(k.clay_sw)
                      .i(k.okabe_sw)
                      .str());
    out.push_back(KeyLine(kStaticWaterKey).i(w.static_sw).str());
    out.push_back(KeyLine(kWallFrictionKey)
                      .r(s.delta_jyo[0], "壁面摩擦角")
                      .r(s.delta_jyo[1], "壁面摩擦角")
                      .r(s.delta_jis[0], "壁面摩擦角")
                      .r(s.delta_jis[1], "壁面摩擦角")
                      .str());
    return out;
}

void write_cal_file(DesignData& data, const std::string& path) {
    write_text_file(path, cal_file_lines(data));
}

} // namespace wtn
