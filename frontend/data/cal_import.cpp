#include "cal_import.h"

#include "cal_file_keys.h"
#include "csv_line.h"
#include "field_reader.h"
#include "number_text.h"
#include "screen_codes.h"
#include "text_file.h"
#include "wall_codes.h"

#include <cmath>
#include <cstdlib>

namespace wtn {

namespace {

// The items of one line through the comma reader of the batch programs: the
// quoted texts in their order, the unquoted items in theirs. The file is read
// as UTF-8 here; the reader keeps every byte of a multi-byte character, and no
// byte of one is a comma or a quote, so the items split as in the code page
// 932 file. A file written without quotes around a text gives the text as the
// next unquoted item.
class LineItems {
  public:
    LineItems(const std::string& line, std::size_t line_no, const std::string& path)
        : line_no_(line_no), path_(path) {
        split_csv_line(line, items_);
    }

    const std::string& key() const { return items_.field(0); }

    std::string text() {
        if (next_text_ < items_.texts.size()) return items_.texts[next_text_++];
        return take();
    }
    double real() {
        double value = 0.0;
        const std::string item = take();
        if (!parse_real(item, value)) fail("数値ではない項目「" + item + "」があります。");
        return value;
    }
    int integer() {
        const double value = real();
        try {
            return to_integer16(value, "項目");
        } catch (const DataError& e) {
            fail(e.what());
        }
    }
    // Every unquoted item after the key.
    std::vector<std::string> rest() const {
        return {items_.fields.begin() + 1, items_.fields.end()};
    }

    [[noreturn]] void fail(const std::string& why) const {
        throw DataError("ファイル「" + path_ + "」の" + std::to_string(line_no_) + "行目（" +
                        key() + "）: " + why);
    }

  private:
    std::string take() {
        if (next_ >= items_.fields.size()) fail("項目が足りません。");
        return items_.fields[next_++];
    }
    CsvLine items_;
    std::size_t next_ = 1;
    std::size_t next_text_ = 0;
    std::size_t line_no_;
    std::string path_;
};

// Row counters of one import.
struct RowCounters {
    int pile_ids = 0, surcharges = 0, normal_forces = 0, seismic_forces = 0, pipes = 0;
    int land_layers = 0, sea_layers = 0, ground_points = 0, fills = 0;
};

// The next row of a table of room rows, or a failure naming the table.
int next_row(int& counter, int room, const LineItems& line, const char* table) {
    if (counter >= room)
        line.fail(std::string(table) + "が" + std::to_string(room) + "行を超えています。");
    return counter++;
}

// From a code of two check boxes: 1 first only, 2 second only, 3 both.
void boxes_from_code(int code, int& first, int& second) {
    first = (code == 1 || code == 3) ? 1 : 0;
    second = (code == 2 || code == 3) ? 1 : 0;
}

void clear_tables(DesignData& d) {
    d.tihyou_dat.josai_tbl = {};
    d.tihyou_dat.tikei_tbl = {};
    d.tihyou_dat.morid_tbl = {};
    d.gairyoku_dat.gairyoku_jyo = {};
    d.gairyoku_dat.gairyoku_jis = {};
    d.yaita_dat.kokan_tbl = {};
    d.yaita_dat.yaita_sel = {};
    d.yaita_dat.pcyaita_sel = {};
    d.dosou_dat.dosou_riku = {};
    d.dosou_dat.dosou_umi = {};
}

void read_swdat(DesignData& d, LineItems& in) {
    SekkeiData& s = d.sekkei_dat;
    KanseijiData& k = d.kanseiji_dat;
    s.std_sw = screen_switch_from_code(in.integer());
    s.neire_sw = screen_switch_from_code(in.integer());
    s.stress_sw = screen_switch_from_code(in.integer());
    s.disp_sw = screen_switch_from_code(in.integer());
    s.zevove_sw = screen_switch_from_code(in.integer());
    boxes_from_code(in.integer(), k.jyo_sw, k.jis_sw);
    k.shape_sw = screen_switch_from_code(in.integer());
    k.load_sw = screen_switch_from_code(in.integer());
    in.integer(); // the decision code is rebuilt by the writer
    k.rwl_k_sw = screen_switch_from_code(in.integer());
    k.pa_formula_sw = screen_switch_from_code(in.integer());
    k.pa_method_sw = screen_switch_from_code(in.integer());
    boxes_from_code(in.integer(), s.kanseiji_sw, s.sekouji_sw);
    k.lwl_k_sw = screen_switch_from_code(in.integer());
}

void read_wavsw(DesignData& d, LineItems& in) {
    SekoujiData& w = d.sekouji_dat;
    d.sekkei_dat.tide_name = fixed_text(in.text(), kTideNameLength);
    w.wave_sw = screen_switch_from_code(in.integer());
    w.dissip_sw = screen_switch_from_code(in.integer());
    w.lambda1 = in.real();
    for (int k = 0; k < kStudiedTideLevels; ++k) {
        w.tide_kentou_sw[k] = box_value(in.integer() == file_code(YesNo::Yes));
        w.tide_sakuzu_sw[k] = box_value(in.integer() == file_code(YesNo::Yes));
    }
}

void read_joken(DesignData& d, LineItems& in) {
    SekkeiData& s = d.sekkei_dat;
    TihyouData& t = d.tihyou_dat;
    YaitaData& y = d.yaita_dat;
    s.tide_lvl[1] = in.real();
    s.tide_lvl[2] = in.real();
    s.tide_lvl[4] = 0.0;
    const int rwl_code = in.integer();
    const double rwl = in.real();
    // An unknown rule leaves the template's.
    if (is_residual_rule_code(rwl_code)) {
        const auto rule = code_from_file<ResidualLevelRule>(rwl_code);
        s.rwl_sw = screen_residual_switch(rule);
        if (rule == ResidualLevelRule::Given) s.tide_lvl[4] = rwl;
    }
    d.dosou_dat.dosou_riku[0].top_lvl = in.real();
    s.seabed_kansei = in.real();
    s.embed_lvl = in.real();
    s.bottom_lvl = in.real();
    t.ground_ang[0] = in.real();
    t.ground_ang[1] = in.real();
    t.seabed_ang = t.ground_ang[1];
    s.water_w = in.real();
    t.surcharge_q[0] = in.real();
    t.surcharge_q[1] = in.real();
    y.disp_allow[0] = in.real();
    y.disp_allow[1] = in.real();
    y.yaita_kind = screen_pile_kind(pile_type_from_code(in.integer()));
    y.u_kind = screen_switch_from_code(in.integer());
    y.steel_grade = screen_switch_from_code(in.integer());
}

void read_tjkn1(DesignData& d, LineItems& in) {
    SekkeiData& s = d.sekkei_dat;
    YaitaData& y = d.yaita_dat;
    s.tide_lvl[0] = in.real();
    s.tide_lvl[3] = in.real();
    s.crown_jobu = in.real();
    s.crown_yaita = in.real();
    s.cohesion_lvl = in.real();
    y.disp_allow[2] = in.real();
    for (int i = 0; i < 3; ++i)
        y.stress_allow[i] = in.real();
    s.seabed_sekou = in.real();
    y.young_e = in.real();
    y.young_exp = in.integer();
}

void read_method(DesignData& d, LineItems& in, DosouHohoRec& m) {
    m.hoho_k[0] = m.hoho_k[1] = m.hoho_k[2] = 0.0;
    m.hoho_n[0] = m.hoho_n[1] = m.hoho_n[2] = 0.0;
    const int code = in.integer();
    m.hoho_n[1] = in.real();
    m.hoho_n[2] = in.real();
    const double coefficient = in.real();
    const auto given = static_cast<int>(SideResistanceOption::Given);
    if (code == file_code(LateralResistanceMethod::DerivedFromSoil)) {
        // Derived from N: the writer derives the coefficient again.
        const auto method = code_from_screen_switch<EmbedmentMethod>(d.sekkei_dat.neire_sw);
        const SideResistanceOption option =
            method == EmbedmentMethod::CType   ? SideResistanceOption::CTypeFromN
            : method == EmbedmentMethod::SType ? SideResistanceOption::STypeFromN
                                               : SideResistanceOption::Given;
        m.hoho_sw = static_cast<int>(option);
    } else if (code == file_code(LateralResistanceMethod::Given)) {
        m.hoho_sw = given;
        m.hoho_k[0] = coefficient;
    }
}

void read_neire(DesignData& d, LineItems& in) {
    KanseijiData& k = d.kanseiji_dat;
    read_method(d, in, d.dosou_dat.dosou_hoho[1]);
    k.sindo_sw = in.integer();
    const double sindo = in.real();
    k.sindo_val =
        code_from_file<SeismicCoefficientRule>(k.sindo_sw) == SeismicCoefficientRule::Given ? sindo
                                                                                            : 0.0;
    for (int i = 0; i < 3; ++i)
        k.sindo_factor[i] = in.real();
    k.mikake_sw = in.integer();
    const double mikake = in.real();
    k.mikake_val = code_from_file<ApparentSeismicRule>(k.mikake_sw) == ApparentSeismicRule::Given
                       ? mikake
                       : 0.0;
    read_method(d, in, d.dosou_dat.dosou_hoho[0]);
}

void read_fsyok(DesignData& d, LineItems& in) {
    FsyokData& f = d.yaita_dat.fsyok_dat;
    for (int i = 0; i < 4; ++i)
        f.sea_rate[i] = in.real();
    for (int i = 0; i < 3; ++i)
        f.land_rate[i] = in.real();
    in.real();
    in.real();
    f.service_life = in.integer();
    f.reduction[0] = to_integer16(in.real(), "低減率");
    f.reduction[1] = to_integer16(in.real(), "低減率");
    const double sea = std::max(f.sea_rate[1], f.sea_rate[2]);
    f.sea_rate[1] = sea;
    f.sea_rate[2] = sea;
    f.land_rate[1] = f.land_rate[2];
    f.range_sw = 0;
}

void read_tugit(DesignData& d, LineItems& in) {
    YaitaData& y = d.yaita_dat;
    for (int i = 0; i < 3; ++i)
        y.joint_alpha[i] = in.real();
    y.alpha_sw = kBoxClear;
    bool all_one = true;
    for (double a : y.joint_alpha)
        all_one = all_one && std::fabs(a - 1.0) < 0.001;
    if (all_one) {
        y.alpha_sw = kBoxChecked;
        return;
    }
    for (double& a : y.joint_alpha)
        if (a == 0.0) a = 1.0;
}

void read_tyait(DesignData& d, LineItems& in, RowCounters& rows) {
    YaitaData& y = d.yaita_dat;
    const PileType pile_type = pile_type_from_screen_kind(y.yaita_kind);
    auto* pairs = pile_type == PileType::SteelOfFreeChoice ? &y.yaita_sel
                  : pile_type == PileType::PcOfFreeChoice  ? &y.pcyaita_sel
                                                           : nullptr;
    for (const std::string& piece : in.rest()) {
        // The leading number of the piece, as far as it reads as one; an empty piece gives 0.
        const double value = std::strtod(piece.c_str(), nullptr);
        const int row = next_row(rows.pile_ids, kPileSelectionRoom, in, "矢板の選択");
        if (pairs != nullptr) (*pairs)[row].catalogue_id = to_integer16(value, "矢板番号");
    }
}

void read_force(GairyokuRec& f, LineItems& in) {
    f.name = fixed_text(in.text(), kForceNameLength);
    const double force = in.real();
    f.direction = static_cast<int>(force < 0.0 ? ForceSide::Passive : ForceSide::Active);
    f.force = std::fabs(force);
    f.height = in.real();
}

void read_layer(DosouRec& l, LineItems& in) {
    l.top_lvl = in.real();
    l.unit_w[0] = in.real();
    in.real(); // submerged weight: saturated − 10 again when written
    l.unit_w[1] = in.real();
    for (int i = 0; i < 3; ++i)
        l.soil_val[i] = in.real();
    l.soil_sw = static_cast<int>(l.soil_val[0] == 0.0 ? SoilKind::Clay : SoilKind::Sand);
    l.kh_sw = std::max(screen_switch_from_code(in.integer()), 0);
    if (l.kh_sw >= kLayerKhOptionCount) in.fail("横抵抗の計算方法が範囲外です。");
    l.n_val[l.kh_sw] = in.real();
    const double constant = in.real();
    // Derived constants are derived again.
    const bool given = code_from_screen_switch<LayerKhOption>(l.kh_sw) == LayerKhOption::Given;
    l.kh_val[l.kh_sw] = given ? constant : 0.0;
}

void read_tide_level(DesignData& d, LineItems& in, int k) {
    SekoujiData& w = d.sekouji_dat;
    if (code_from_screen_switch<WaveFormula>(w.wave_sw) == WaveFormula::Goda) {
        WaveRec& r = w.goda_tbl[k];
        r.flag1 = screen_switch_from_code(in.integer());
        r.h13 = in.real();
        r.hmax = in.real();
        r.flag2 = screen_switch_from_code(in.integer());
        r.period = in.real();
        r.length = in.real();
        r.beta = in.real();
        return;
    }
    WaveRec& r = w.kuroda_tbl[k];
    in.integer();
    r.h13 = in.real();
    r.hmax = in.real();
    r.flag1 = screen_switch_from_code(in.integer());
    r.period = in.real();
    r.length = in.real();
    r.beta = in.real();
}

} // namespace

ConversionScope import_cal_file(DesignData& d, const std::string& path) {
    const auto lines = read_text_file(path);
    d.data_ver = kVersion100;
    clear_tables(d);
    // Only what the file carries is in gravitational units.
    ConversionScope scope{false, false, false, false, false, false,
                          false, false, false, false, false};
    RowCounters rows;
    for (std::size_t n = 0; n < lines.size(); ++n) {
        const std::string& text = lines[n];
        if (trim_blanks(text).empty()) continue;
        LineItems in(text, n + 1, path);
        if (text.find(',') == std::string::npos) in.fail("キーの後にカンマがありません。");
        const std::string& key = in.key();
        TihyouData& t = d.tihyou_dat;
        if (key == kTitleKey) {
            d.data_title = fixed_text(in.text(), kTitleLength);
        } else if (key == kSwitchesKey) {
            read_swdat(d, in);
        } else if (key == kWaveSwitchesKey) {
            read_wavsw(d, in);
        } else if (key == kConditionsKey) {
            read_joken(d, in);
            scope.water = scope.surcharge = true;
        } else if (key == kAddedConditionsKey) {
            read_tjkn1(d, in);
            scope.young_and_stress = true;
        } else if (key == kEmbedmentKey) {
            read_neire(d, in);
            scope.land_method = scope.sea_method = true;
        } else if (key == kCorrosionKey) {
            read_fsyok(d, in);
        } else if (key == kJointEfficiencyKey) {
            read_tugit(d, in);
        } else if (key == kCataloguePilesKey) {
            read_tyait(d, in, rows);
        } else if (key == kSurchargeKey) {
            JosaiRow& r = t.josai_tbl[next_row(rows.surcharges, kSurchargeRoom, in, "上載荷重")];
            r.start_x = in.real();
            r.end_x = in.real();
            r.q_normal = in.real();
            r.q_seismic = in.real();
            scope.surcharge_zones = true;
        } else if (key == kNormalForceKey) {
            read_force(d.gairyoku_dat.gairyoku_jyo[next_row(rows.normal_forces, kForceRoom, in,
                                                            "常時の外力")],
                       in);
            scope.normal_forces = true;
        } else if (key == kSeismicForceKey) {
            read_force(d.gairyoku_dat.gairyoku_jis[next_row(rows.seismic_forces, kForceRoom, in,
                                                            "地震時の外力")],
                       in);
            scope.seismic_forces = true;
        } else if (key == kSteelPipeKey) {
            KokanRec& r =
                d.yaita_dat.kokan_tbl[next_row(rows.pipes, kSteelPipeRoom, in, "鋼管矢板")];
            r.diameter = in.real();
            r.thickness = in.real();
            r.joint_spacing = 0.0;
            const double joint = in.real();
            // A joint type 1 to 3, anything else a spacing.
            r.joint_type = kPipeJointGivenSpacing;
            for (int code = file_switch_code(0); code <= kPipeJointTypeCount; ++code) {
                if (joint == code) r.joint_type = screen_switch_from_code(code);
            }
            if (r.joint_type == kPipeJointGivenSpacing) r.joint_spacing = joint;
        } else if (key == kLandLayerKey) {
            read_layer(
                d.dosou_dat.dosou_riku[next_row(rows.land_layers, kSoilLayerRoom, in, "陸側土層")],
                in);
            scope.land_layers = true;
        } else if (key == kSeaLayerKey) {
            read_layer(
                d.dosou_dat.dosou_umi[next_row(rows.sea_layers, kSoilLayerRoom, in, "海側土層")],
                in);
            scope.sea_layers = true;
        } else if (key == kGroundPointKey) {
            TikeiPoint& p = t.tikei_tbl[next_row(rows.ground_points, kGroundPointRoom, in, "地形")];
            p.x = in.real();
            p.y = in.real();
        } else if (key == kFillKey) {
            MoridRow& r = t.morid_tbl[next_row(rows.fills, kFillRoom, in, "盛土")];
            r.top_lvl = in.real();
            r.wet_w = in.real();
            in.real(); // submerged weight
            r.sat_w = in.real();
            scope.fills = true;
        } else if (key == kWaveConditionsKey) {
            SekoujiData& w = d.sekouji_dat;
            w.depth_sw = screen_switch_from_code(in.integer());
            w.d_lvl = in.real();
            w.h2_lvl = in.real();
            w.h_lvl = in.real();
            w.hb_sw = screen_switch_from_code(in.integer());
            w.slope_x = in.real();
            for (int i = 0; i < kStudiedTideLevels; ++i)
                w.hb_lvl[i] = in.real();
        } else if (key == kTideLevelKeys[0]) {
            read_tide_level(d, in, 0);
        } else if (key == kTideLevelKeys[1]) {
            read_tide_level(d, in, 1);
        } else if (key == kTideLevelKeys[2]) {
            read_tide_level(d, in, 2);
        } else if (key == kTideLevelKeys[3]) {
            read_tide_level(d, in, 3);
        }
        // Any other key ("apdyt", "versi", "nir_t", ...) is skipped whole.
    }
    return scope;
}

} // namespace wtn
