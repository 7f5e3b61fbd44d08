#include "cal_import.h"

#include "box_pair_code.h"
#include "cal_file_keys.h"
#include "cal_links.h"
#include "corrosion_layout.h"
#include "csv_line.h"
#include "field_reader.h"
#include "input_items.h"
#include "number_text.h"
#include "screen_codes.h"
#include "text_file.h"
#include "wall_codes.h"

#include <algorithm>
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
    int integer() { return whole(real()); }
    // A real item as an integer, refused as an integer item is.
    int whole(double value) const {
        try {
            return to_integer16(value, "項目");
        } catch (const DataError& e) {
            fail(e.what());
        }
    }
    // Items first to last - 1 of the list, the next ones of the line, into
    // the group's fields.
    template <class Group, std::size_t N>
    void items(const Item<Group> (&list)[N], Group& group, std::size_t first = 0,
               std::size_t last = N) {
        for (std::size_t k = first; k < last; ++k) {
            if (list[k].is_integer()) {
                list[k].set_integer(group, integer());
            } else {
                group.*list[k].real = real();
            }
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
    CalcSwitches c;
    in.items(kSwdatItems, c);
    cal_links::ToDesignData to_design;
    cal_links::swdat(to_design, d, c);
    boxes_from_pair_code(c.completed_cases, k.jyo_sw, k.jis_sw);
    // The decision code is rebuilt by the writer.
    boxes_from_pair_code(c.studies, s.kanseiji_sw, s.sekouji_sw);
}

void read_wavsw(DesignData& d, LineItems& in) {
    SekoujiData& w = d.sekouji_dat;
    d.sekkei_dat.tide_name = fixed_text(in.text(), kTideNameLength);
    WaveSwitches c;
    in.items(kWavswItems, c);
    cal_links::ToDesignData to_design;
    cal_links::wavsw(to_design, d, c);
    for (int k = 0; k < kStudiedTideLevels; ++k) {
        w.tide_kentou_sw[k] = box_value(from_file_value<YesNo>(in.integer()) == YesNo::Yes);
        w.tide_sakuzu_sw[k] = box_value(from_file_value<YesNo>(in.integer()) == YesNo::Yes);
    }
}

void read_joken(DesignData& d, LineItems& in) {
    SekkeiData& s = d.sekkei_dat;
    TihyouData& t = d.tihyou_dat;
    DesignConditions c;
    in.items(kJokenItems, c);
    cal_links::ToDesignData to_design;
    cal_links::joken(to_design, d, c);
    s.tide_lvl[4] = 0.0;
    // An unknown rule leaves the template's.
    if (is_listed(c.residual_level_rule)) {
        s.rwl_sw = c.residual_level_rule;
        if (s.rwl_sw == ResidualLevelRule::Given) s.tide_lvl[4] = c.residual_level;
    }
    d.dosou_dat.dosou_riku[0].top_lvl = c.ground_crown;
    t.ground_ang[0] = c.ground_angle;
    t.ground_ang[1] = c.seabed_angle;
    t.seabed_ang = t.ground_ang[1];
}

void read_tjkn1(DesignData& d, LineItems& in) {
    YaitaData& y = d.yaita_dat;
    AddedConditions c;
    in.items(kTjkn1Items, c);
    cal_links::ToDesignData to_design;
    cal_links::tjkn1(to_design, d, c);
    y.young_exp = in.whole(c.young_exponent);
}

void read_method(DesignData& d, const LateralResistance& r, DosouHohoRec& m) {
    m.hoho_k[0] = m.hoho_k[1] = m.hoho_k[2] = 0.0;
    m.hoho_n[0] = m.hoho_n[1] = m.hoho_n[2] = 0.0;
    const LateralResistanceMethod code = r.method;
    m.hoho_n[1] = r.first_value;
    m.hoho_n[2] = r.second_value;
    const double coefficient = r.kh;
    if (code == LateralResistanceMethod::DerivedFromSoil) {
        // Derived from N: the writer derives the coefficient again.
        const EmbedmentMethod method = d.sekkei_dat.neire_sw;
        m.hoho_sw = method == EmbedmentMethod::CType   ? SideResistanceOption::CTypeFromN
                    : method == EmbedmentMethod::SType ? SideResistanceOption::STypeFromN
                                                       : SideResistanceOption::Given;
    } else if (code == LateralResistanceMethod::Given) {
        m.hoho_sw = SideResistanceOption::Given;
        m.hoho_k[0] = coefficient;
    }
}

void read_neire(DesignData& d, LineItems& in) {
    KanseijiData& k = d.kanseiji_dat;
    EmbedmentConditions c;
    in.items(kLateralItems, c.sea);
    in.items(kNeireSeismicItems, c);
    in.items(kLateralItems, c.land);
    read_method(d, c.sea, d.dosou_dat.dosou_hoho[1]);
    cal_links::ToDesignData to_design;
    cal_links::neire(to_design, d, c);
    k.sindo_val = c.seismic_rule == SeismicCoefficientRule::Given ? c.seismic_coefficient : 0.0;
    k.mikake_val = c.apparent_rule == ApparentSeismicRule::Given ? c.apparent_coefficient : 0.0;
    read_method(d, c.land, d.dosou_dat.dosou_hoho[0]);
}

void read_fsyok(DesignData& d, LineItems& in) {
    FsyokData& f = d.yaita_dat.fsyok_dat;
    CorrosionData c;
    for (double& rate : c.sea_rates)
        rate = in.real();
    for (double& rate : c.land_rates)
        rate = in.real();
    std::copy(c.sea_rates.begin(), c.sea_rates.end(), f.sea_rate.begin());
    std::copy(c.land_rates.begin(), c.land_rates.end(), f.land_rate.begin());
    // Items 8 to 12: the allowances are not kept, the check range (item 13)
    // is not read. Each reduction rate is taken as an integer as soon as it
    // is read, so the first bad item is the one named.
    constexpr std::size_t kSeaReduction = 3;
    in.items(kFsyokTailItems, c, 0, kSeaReduction + 1);
    f.service_life = c.service_life;
    f.reduction[0] = to_integer16(c.reduction_sea_water, "低減率");
    in.items(kFsyokTailItems, c, kSeaReduction + 1, kSeaReduction + 2);
    f.reduction[1] = to_integer16(c.reduction_seabed_mud, "低減率");
    upgrade_old_corrosion_layout(f);
}

void read_tugit(DesignData& d, LineItems& in) {
    YaitaData& y = d.yaita_dat;
    JointEfficiency c;
    in.items(kTugitItems, c);
    y.joint_alpha = {c.section_inertia, c.embedment_inertia, c.section_modulus};
    y.alpha_sw = CheckBox::Clear;
    bool all_one = true;
    for (double a : y.joint_alpha)
        all_one = all_one && std::fabs(a - 1.0) < 0.001;
    if (all_one) {
        y.alpha_sw = CheckBox::Checked;
        return;
    }
    for (double& a : y.joint_alpha)
        if (a == 0.0) a = 1.0;
}

void read_tyait(DesignData& d, LineItems& in, RowCounters& rows) {
    YaitaData& y = d.yaita_dat;
    const PileType pile_type = y.yaita_kind;
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
    OtherForceRow c;
    in.items(kForceItems, c);
    f.direction = c.force < 0.0 ? ForceSide::Passive : ForceSide::Active;
    f.force = std::fabs(c.force);
    f.height = c.height;
}

// Items of "sdatu" and "jdatu" up to the resistance option, which is checked
// before the N value and the constant are read.
constexpr std::size_t kLayerItemsToOption = 8;

void read_layer(DosouRec& l, LineItems& in) {
    SoilLayerRow c;
    in.items(kSoilItems, c, 0, kLayerItemsToOption);
    l.top_lvl = c.top;
    l.unit_w[0] = c.wet_weight;
    // The submerged weight is saturated − 10 again when written.
    l.unit_w[1] = c.saturated_weight;
    l.soil_val[0] = c.friction_angle;
    l.soil_val[1] = c.cohesion;
    l.soil_val[2] = c.cohesion_increase;
    l.soil_sw = l.soil_val[0] == 0.0 ? SoilKind::Clay : SoilKind::Sand;
    // An option below the list is the given constant.
    l.kh_sw =
        c.resistance_option < LayerKhOption::Given ? LayerKhOption::Given : c.resistance_option;
    if (!is_listed(l.kh_sw)) in.fail("横抵抗の計算方法が範囲外です。");
    in.items(kSoilItems, c, kLayerItemsToOption);
    const auto option = static_cast<std::size_t>(list_index_of(l.kh_sw));
    l.n_val[option] = c.n_value;
    // Derived constants are derived again.
    l.kh_val[option] = l.kh_sw == LayerKhOption::Given ? c.kh : 0.0;
}

void read_tide_level(DesignData& d, LineItems& in, int k) {
    SekoujiData& w = d.sekouji_dat;
    TideLevelRow c;
    in.items(kTideItems, c);
    const bool goda = w.wave_sw == WaveFormula::Goda;
    WaveRec& r = goda ? w.goda_tbl[k] : w.kuroda_tbl[k];
    // Kuroda / Hiroi rows have no breaking influence.
    if (goda) r.breaking = c.breaking_influence;
    r.length_method = c.wave_length_method;
    r.h13 = c.h13;
    r.hmax = c.hmax;
    r.period = c.period;
    r.length = c.wave_length;
    r.beta = c.incidence_angle;
}

void read_josai(DesignData& d, LineItems& in, RowCounters& rows) {
    JosaiRow& r = d.tihyou_dat.josai_tbl[next_row(rows.surcharges, kSurchargeRoom, in, "上載荷重")];
    SurchargeRow c;
    in.items(kJosaiItems, c);
    r.start_x = c.start;
    r.end_x = c.end;
    r.q_normal = c.normal;
    r.q_seismic = c.seismic;
}

void read_kokan(DesignData& d, LineItems& in, RowCounters& rows) {
    KokanRec& r = d.yaita_dat.kokan_tbl[next_row(rows.pipes, kSteelPipeRoom, in, "鋼管矢板")];
    SteelPipeRow c;
    in.items(kKokanItems, c);
    r.diameter = c.diameter;
    r.thickness = c.thickness;
    r.joint_spacing = 0.0;
    const double joint = c.joint;
    // A joint type 1 to 3, anything else a spacing.
    r.joint_type = PipeJoint::GivenSpacing;
    for (int index = 0; index < kPipeJointTypeCount; ++index) {
        const auto type = code_of_list_index<PipeJoint>(index);
        if (joint == joint_type_item(type)) r.joint_type = type;
    }
    if (r.joint_type == PipeJoint::GivenSpacing) r.joint_spacing = joint;
}

void read_tikei(DesignData& d, LineItems& in, RowCounters& rows) {
    TikeiPoint& p =
        d.tihyou_dat.tikei_tbl[next_row(rows.ground_points, kGroundPointRoom, in, "地形")];
    GroundPoint c;
    in.items(kTikeiItems, c);
    p.x = c.distance;
    p.y = c.level;
}

void read_morid(DesignData& d, LineItems& in, RowCounters& rows) {
    MoridRow& r = d.tihyou_dat.morid_tbl[next_row(rows.fills, kFillRoom, in, "盛土")];
    FillRow c;
    in.items(kMoridItems, c);
    r.top_lvl = c.top;
    r.wet_w = c.wet_weight;
    r.sat_w = c.saturated_weight; // the submerged weight is derived again
}

// The wave conditions, then the breaking-wave levels of the studied tide levels.
void read_wlvl(DesignData& d, LineItems& in) {
    WaveConditions c;
    in.items(kWlvlItems, c);
    cal_links::ToDesignData to_design;
    cal_links::wlvl(to_design, d, c);
    for (int i = 0; i < kStudiedTideLevels; ++i)
        d.sekouji_dat.hb_lvl[i] = in.real();
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
            read_josai(d, in, rows);
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
            read_kokan(d, in, rows);
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
            read_tikei(d, in, rows);
        } else if (key == kFillKey) {
            read_morid(d, in, rows);
            scope.fills = true;
        } else if (key == kWaveConditionsKey) {
            read_wlvl(d, in);
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
