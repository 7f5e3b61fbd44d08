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
//   end_line()                      the end of a line of the file
//   screen(name)                    the screen whose items follow
// what is the item as its screen captions it, for the reader's messages.
// Data is DesignData for reading and const DesignData for writing.
#pragma once

#include "design_data.h"
#include "project_writer.h"

#include <string>

namespace wtn::project_items {

inline constexpr int kIdsPerLine = 10;
inline constexpr int kPointsPerLine = 10;

// Captions of the screens, as their buttons show them.
inline constexpr const char* kBasicScreen = "基本条件";
inline constexpr const char* kCompletedScreen = "完成時";
inline constexpr const char* kConstructionScreen = "施工時";
inline constexpr const char* kPileScreen = "矢板";
inline constexpr const char* kGroundScreen = "地表面";
inline constexpr const char* kSoilScreen = "土層";
inline constexpr const char* kForceScreen = "他外力";

// The four tide levels of the wave rows and the study lists, as captioned.
inline constexpr const char* kTideLevelCaptions[kStudiedTideLevels] = {
    "Ｈ．Ｈ．Ｗ．Ｌ．", "Ｈ．Ｗ．Ｌ．", "Ｌ．Ｗ．Ｌ．", "任意潮位"};

// "caption No.n" for row i (0-based) of a list.
inline std::string row_caption(const std::string& caption, int i) {
    return caption + " No." + std::to_string(i + 1) + " ";
}

template <class Io, class Waves> void wave_rows(Io& io, Waves& rows, bool goda) {
    const std::string formula = goda ? "合田式 " : "黒田/広井(森平)式 ";
    for (int k = 0; k < kStudiedTideLevels; ++k) {
        auto& w = rows[k];
        const std::string row = formula + kTideLevelCaptions[k] + " ";
        if (goda) {
            io.code(w.breaking, row + "砕波影響");
            io.code(w.length_method, row + "波長");
        } else {
            io.code(w.length_method, row + "波長"); // Kuroda rows carry no breaking flag
        }
        io.real(w.h13, row + "有義波高 Ｈ1/3", "H1/3");
        io.real(w.hmax, row + (goda ? "波高 Ｈmax" : "波高 ＨＤ"), "Hmax");
        io.real(w.period, row + "周期 Ｔ", "T");
        io.real(w.length, row + "波長 Ｌ", "L");
        io.real(w.beta, row + "入射角 β", "β");
        io.end_line();
    }
}

template <class Io, class Pairs, class Pick>
void id_lines(Io& io, Pairs& pairs, Pick pick, const std::string& caption) {
    for (int first = 0; first < kPileSelectionRoom; first += kIdsPerLine) {
        for (int i = first; i < first + kIdsPerLine; ++i)
            io.integer(pick(pairs[i]), caption + " " + std::to_string(i + 1) + "番目");
        io.end_line();
    }
}

template <class Io, class Layers> void layer_lines(Io& io, Layers& layers, const char* side) {
    for (int i = 0; i < kSoilLayerRoom; ++i) {
        auto& l = layers[i];
        const std::string row = row_caption(side, i);
        io.real(l.top_lvl, row + "層上限の標高", "top_lvl");
        io.real(l.unit_w[0], row + "単位体積重量（湿潤）", "unit_w");
        io.real(l.unit_w[1], row + "単位体積重量（飽和）", "unit_w");
        io.code(l.soil_sw, row + "土質");
        io.real(l.soil_val[0], row + "内部摩擦角", "soil_val");
        io.real(l.soil_val[1], row + "C0", "soil_val");
        io.real(l.soil_val[2], row + "K", "soil_val");
        io.code(l.kh_sw, row + "横抵抗定数、地盤反力係数");
        io.end_line();
        for (int j = 0; j < 4; ++j)
            io.real(l.kh_val[j], row + "横抵抗定数 " + std::to_string(j + 1) + "番目", "kh_val");
        for (int j = 0; j < 4; ++j)
            io.real(l.n_val[j], row + "Ｎ値 " + std::to_string(j + 1) + "番目", "n_val");
        io.end_line();
    }
}

template <class Io, class Forces> void force_lines(Io& io, Forces& forces, const char* state) {
    for (int i = 0; i < kForceRoom; ++i) {
        auto& f = forces[i];
        const std::string row = row_caption(state, i);
        io.text(f.name, kForceNameLength, row + kForceNameCaption, kForceNameCaption);
        io.code(f.direction, row + "方向");
        io.real(f.force, row + "水平力", "force");
        io.real(f.height, row + "作用高さ", "height");
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

    io.screen(kBasicScreen);
    io.code(s.std_sw, "設計基準");
    io.code(s.neire_sw, "根入れ部の計算方法");
    io.code(s.kanseiji_sw, "完成時の検討");
    io.code(s.sekouji_sw, "施工時の検討");
    io.code(s.stress_sw, "断面の決定方法（応力度）");
    io.code(s.disp_sw, "断面の決定方法（変位量）");
    // The virtual-seabed reaction never decides the section.
    io.constant(s.zevove_sw, YesNo::No, "仮想海底面反力");
    io.real(s.water_w, "水の単位体積重量", "water_w");
    io.end_line();
    for (int i = 0; i < 4; ++i)
        io.real(s.tide_lvl[i], std::string("設計潮位 ") + kTideLevelCaptions[i], "tide_lvl");
    io.real(s.tide_lvl[4], "残留水位（入力値）", "tide_lvl");
    io.text(s.tide_name, kTideNameLength, kTideNameCaption, kTideNameCaption);
    io.end_line();
    io.residual_rule(s.rwl_sw, "残留水位");
    io.real(s.crown_jobu, "天端高（上部工）", "crown_jobu");
    io.real(s.crown_yaita, "天端高（矢板）", "crown_yaita");
    io.real(s.seabed_kansei, "設計海底面高（完成時）", "seabed_kansei");
    io.real(s.seabed_sekou, "設計海底面高（施工時）", "seabed_sekou");
    io.real(s.cohesion_lvl, "粘着基準高", "cohesion_lvl");
    io.real(s.embed_lvl, "矢板の根入れ高", "embed_lvl");
    io.real(s.bottom_lvl, "最終土層の下限高", "bottom_lvl");
    io.end_line();

    io.screen(kCompletedScreen);
    io.code(k.jyo_sw, "常時の検討");
    io.code(k.jis_sw, "地震時の検討");
    io.code(k.shape_sw, "地表面形状");
    io.code(k.load_sw, "荷重計算方法");
    io.end_line();
    io.code(k.sindo_sw, "設計震度");
    io.real(k.sindo_val, "設計震度（直接入力）", "sindo_val");
    io.real(k.sindo_factor[0], "地域別震度", "sindo_factor");
    io.real(k.sindo_factor[1], "地盤種別係数", "sindo_factor");
    io.real(k.sindo_factor[2], "重要度係数", "sindo_factor");
    io.code(k.mikake_sw, "見かけの震度");
    io.real(k.mikake_val, "見かけの震度（直接入力）", "mikake_val");
    io.code(k.rwl_k_sw, "震度の取り扱い（Ｒ．Ｗ．Ｌ．位置）");
    io.code(k.lwl_k_sw, "震度の取り扱い（Ｌ．Ｗ．Ｌ．位置）");
    io.code(k.pa_formula_sw, "土圧強度式");
    io.code(k.pa_method_sw, "土圧計算方法");
    io.end_line();

    io.screen(kConstructionScreen);
    io.code(w.wave_sw, "波圧算定式");
    io.code(w.dissip_sw, "消波工の有無");
    for (int i = 0; i < kStudiedTideLevels; ++i)
        io.code(w.tide_kentou_sw[i], std::string("検討レベル 検討 ") + kTideLevelCaptions[i]);
    for (int i = 0; i < kStudiedTideLevels; ++i)
        io.code(w.tide_sakuzu_sw[i], std::string("検討レベル 作図 ") + kTideLevelCaptions[i]);
    io.code(w.depth_sw, "波長・波圧計算用水深");
    io.real(w.lambda1, "波圧の低減率 λ1", "lambda1");
    io.end_line();
    io.real(w.d_lvl, "ｄ：根固め工／ﾏｳﾝﾄﾞ被覆工高", "d_lvl");
    io.real(w.h2_lvl, "ｈ’：波圧作用範囲の下限高", "h2_lvl");
    io.real(w.h_lvl, "ｈ：構造物前面における地盤高", "h_lvl");
    io.real(w.slope_x, "Ｘ：海底面勾配", "slope_x");
    io.code(w.hb_sw, "ｈｂ：有義波高の５倍離れた地点の地盤高");
    for (int i = 0; i < kStudiedTideLevels; ++i)
        io.real(w.hb_lvl[i], std::string("ｈｂ ") + kTideLevelCaptions[i], "hb_lvl");
    io.end_line();
    wave_rows(io, w.goda_tbl, true);
    wave_rows(io, w.kuroda_tbl, false);

    io.screen(kPileScreen);
    io.code(y.yaita_kind, "矢板形式");
    io.code(y.u_kind, "Ｕ型矢板");
    io.code(y.steel_grade, "材質");
    io.real(y.young_e, "ヤング係数", "young_e");
    // The exponent is never saved: the modulus is young_e in kN/mm2.
    io.exponent(y.young_exp, "ヤング係数の指数");
    const char* states[3] = {"常時", "地震時", "施工時"};
    for (int i = 0; i < 3; ++i)
        io.real(y.disp_allow[i], std::string("矢板頭部の許容変位量 ") + states[i], "disp_allow");
    for (int i = 0; i < 3; ++i)
        io.real(y.stress_allow[i], std::string("矢板の許容応力度 ") + states[i], "stress_allow");
    io.end_line();
    id_lines(
        io, y.yaita_sel, [](auto& p) -> auto& { return p.catalogue_id; }, "選択した標準の矢板");
    id_lines(
        io, y.yaita_sel, [](auto& p) -> auto& { return p.user_id; }, "選択した追加した矢板");
    for (int i = 0; i < kSteelPipeRoom; ++i) {
        auto& r = y.kokan_tbl[i];
        const std::string row = row_caption("鋼管矢板", i);
        io.real(r.diameter, row + "外径", "diameter");
        io.real(r.thickness, row + "厚さ", "thickness");
        io.code(r.joint_type, row + "矢板の継手");
        io.real(r.joint_spacing, row + "継手有効間隔", "joint_spacing");
        io.end_line();
    }
    id_lines(
        io, y.pcyaita_sel, [](auto& p) -> auto& { return p.catalogue_id; },
        "選択した標準のＰＣ矢板");
    id_lines(
        io, y.pcyaita_sel, [](auto& p) -> auto& { return p.user_id; }, "選択した追加したＰＣ矢板");
    auto& f = y.fsyok_dat;
    for (int i = 0; i < 4; ++i)
        io.real(f.sea_rate[i], "腐食速度 海側 " + std::to_string(i + 1) + "番目", "sea_rate");
    for (int i = 0; i < 3; ++i)
        io.real(f.land_rate[i], "腐食速度 陸側 " + std::to_string(i + 1) + "番目", "land_rate");
    io.real(f.service_life, "耐用年数", "service_life");
    io.integer(f.reduction[0], "矢板の低減率 海中部");
    io.integer(f.reduction[1], "矢板の低減率 海底泥層中");
    io.end_line();

    io.screen(kGroundScreen);
    io.real(t.ground_ang[0], "地表面の傾斜角", "ground_ang");
    io.real(t.ground_ang[1], "設計海底面の傾斜角", "ground_ang");
    io.real(t.surcharge_q[0], "上載荷重 常時", "surcharge_q");
    io.real(t.surcharge_q[1], "上載荷重 地震時", "surcharge_q");
    io.end_line();
    io.real(t.seabed_ang, "設計海底面傾斜角", "seabed_ang");
    for (int i = 0; i < kFillRoom; ++i)
        io.real(t.morid_tbl[i].top_lvl, row_caption("盛土", i) + "層の上限", "morid");
    for (int i = 0; i < kFillRoom; ++i)
        io.real(t.morid_tbl[i].wet_w, row_caption("盛土", i) + "湿潤", "morid");
    for (int i = 0; i < kFillRoom; ++i)
        io.real(t.morid_tbl[i].sat_w, row_caption("盛土", i) + "飽和", "morid");
    io.end_line();
    for (int i = 0; i < kSurchargeRoom; ++i)
        io.real(t.josai_tbl[i].start_x, row_caption("上載荷重", i) + "作用範囲 Xmin", "josai");
    for (int i = 0; i < kSurchargeRoom; ++i)
        io.real(t.josai_tbl[i].end_x, row_caption("上載荷重", i) + "作用範囲 Xmax", "josai");
    io.end_line();
    for (int i = 0; i < kSurchargeRoom; ++i)
        io.real(t.josai_tbl[i].q_normal, row_caption("上載荷重", i) + "常時", "josai");
    for (int i = 0; i < kSurchargeRoom; ++i)
        io.real(t.josai_tbl[i].q_seismic, row_caption("上載荷重", i) + "地震時", "josai");
    io.end_line();
    for (int first = 0; first < kGroundPointRoom; first += kPointsPerLine) {
        for (int i = first; i < first + kPointsPerLine; ++i)
            io.real(t.tikei_tbl[i].x, row_caption("地表面形状", i) + "Ｘ座標", "tikei");
        io.end_line();
    }
    for (int first = 0; first < kGroundPointRoom; first += kPointsPerLine) {
        for (int i = first; i < first + kPointsPerLine; ++i)
            io.real(t.tikei_tbl[i].y, row_caption("地表面形状", i) + "Ｙ座標", "tikei");
        io.end_line();
    }

    io.screen(kSoilScreen);
    layer_lines(io, ds.dosou_riku, "陸側土層");
    layer_lines(io, ds.dosou_umi, "海側土層");
    const char* sides[2] = {"陸側土層", "海側土層"};
    for (int side = 0; side < 2; ++side) {
        auto& h = ds.dosou_hoho[side];
        const std::string caption = std::string(sides[side]) + " 横抵抗定数（Ｃ型地盤、Ｓ型地盤）";
        io.code(h.hoho_sw, caption);
        for (int i = 0; i < 3; ++i)
            io.real(h.hoho_k[i], caption + " " + std::to_string(i + 1) + "番目", "hoho_k");
        for (int i = 0; i < 3; ++i)
            io.real(h.hoho_n[i],
                    std::string(sides[side]) + " Ｎ値 " + std::to_string(i + 1) + "番目", "hoho_n");
        io.end_line();
    }
    io.screen(kForceScreen);
    force_lines(io, g.gairyoku_jyo, "常時");
    force_lines(io, g.gairyoku_jis, "地震時");
}

} // namespace wtn::project_items
