#include "cal_writer.h"

#include "box_pair_code.h"
#include "cal_file_keys.h"
#include "cal_item_captions.h"
#include "cal_links.h"
#include "derived_values.h"
#include "input_items.h"
#include "number_text.h"
#include "project_writer.h"
#include "row_tests.h"
#include "screen_codes.h"
#include "text_file.h"
#include "wall_codes.h"

#include <algorithm>
#include <array>

namespace wtn {

namespace {

// Decision code of "swdat": a 1 in the units digit decides by stress, in the
// tens digit by displacement.
constexpr int kDecisionByStress = 1;
constexpr int kDecisionByDisplacement = 10;

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
    // The group's items in the order of the shared item list. Kept out of
    // line: inlined into the writer of a group without integer items, GCC 12
    // at -O3 follows the unused integer member pointer into the group and
    // warns of a read it cannot prove initialised, though none happens.
    template <class Group, std::size_t N>
    [[gnu::noinline]] KeyLine& items(const Item<Group> (&list)[N], const Group& group,
                                     const Captions<N>& captions) {
        for (std::size_t k = 0; k < N; ++k) {
            if (list[k].is_integer()) {
                i(list[k].get_integer(group));
            } else {
                r(group.*list[k].real, captions[k]);
            }
        }
        return *this;
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

// Per tide level: yes unless the box is clear.
int level_flag(CheckBox box) {
    return to_file_value(box != CheckBox::Clear ? YesNo::Yes : YesNo::No);
}

std::string swdat_line(const DesignData& d) {
    const SekkeiData& s = d.sekkei_dat;
    const KanseijiData& k = d.kanseiji_dat;
    CalcSwitches c;
    cal_links::ToRecord to_record;
    cal_links::swdat(to_record, d, c);
    c.completed_cases = box_pair_code<CompletedCases>(k.jyo_sw, k.jis_sw);
    // Only the construction stage studied: the normal case alone.
    if (s.kanseiji_sw == CheckBox::Clear && box_checked(s.sekouji_sw))
        c.completed_cases = CompletedCases::NormalOnly;
    c.decision_code = 0;
    if (s.stress_sw == YesNo::Yes) c.decision_code += kDecisionByStress;
    if (s.disp_sw == YesNo::Yes) c.decision_code += kDecisionByDisplacement;
    c.studies = box_pair_code<Studies>(s.kanseiji_sw, s.sekouji_sw);
    return KeyLine(kSwitchesKey).items(kSwdatItems, c, kSwdatCaptions).str();
}

std::string wavsw_line(const DesignData& d) {
    const SekoujiData& w = d.sekouji_dat;
    WaveSwitches c;
    cal_links::ToRecord to_record;
    cal_links::wavsw(to_record, d, c);
    KeyLine line(kWaveSwitchesKey);
    line.quoted(d.sekkei_dat.tide_name, kTideNameCaption).items(kWavswItems, c, kWavswCaptions);
    for (int k = 0; k < kStudiedTideLevels; ++k)
        line.i(level_flag(w.tide_kentou_sw[k])).i(level_flag(w.tide_sakuzu_sw[k]));
    return line.str();
}

std::string joken_line(const DesignData& d) {
    const SekkeiData& s = d.sekkei_dat;
    const TihyouData& t = d.tihyou_dat;
    const bool straight = d.kanseiji_dat.shape_sw == GroundShape::Straight;
    DesignConditions c;
    cal_links::ToRecord to_record;
    cal_links::joken(to_record, d, c);
    // A rule outside the list is a given level.
    c.residual_level_rule = is_listed(s.rwl_sw) ? s.rwl_sw : ResidualLevelRule::Given;
    c.residual_level = residual_water_level(s);
    c.ground_crown = first_used_layer(d.dosou_dat.dosou_riku).top_lvl;
    c.ground_angle = straight ? t.ground_ang[0] : 0.0;
    c.seabed_angle = straight ? t.ground_ang[1] : t.seabed_ang;
    return KeyLine(kConditionsKey).items(kJokenItems, c, kJokenCaptions).str();
}

std::string tjkn1_line(const DesignData& d) {
    AddedConditions c;
    cal_links::ToRecord to_record;
    cal_links::tjkn1(to_record, d, c);
    // The modulus is written in kN/mm2 whole: no power of ten.
    c.young_exponent = 0.0;
    return KeyLine(kAddedConditionsKey).items(kTjkn1Items, c, kTjkn1Captions).str();
}

LateralResistance lateral_resistance(const DosouHohoRec& m) {
    const bool given = m.hoho_sw == SideResistanceOption::Given;
    LateralResistance c;
    c.method = given ? LateralResistanceMethod::Given : LateralResistanceMethod::DerivedFromSoil;
    c.first_value = m.hoho_n[1];
    c.second_value = m.hoho_n[2];
    c.kh = method_coefficient(m);
    return c;
}

std::string neire_line(const DesignData& d) {
    const KanseijiData& k = d.kanseiji_dat;
    EmbedmentConditions c;
    c.sea = lateral_resistance(d.dosou_dat.dosou_hoho[1]);
    cal_links::ToRecord to_record;
    cal_links::neire(to_record, d, c);
    c.seismic_coefficient = design_seismic_coefficient(k, d.custom_tbl.sindo_round_sw);
    const bool apparent_given = c.apparent_rule == ApparentSeismicRule::Given;
    c.apparent_coefficient = apparent_given ? k.mikake_val : 0.0;
    c.land = lateral_resistance(d.dosou_dat.dosou_hoho[0]);
    return KeyLine(kEmbedmentKey)
        .items(kLateralItems, c.sea, kLateralCaptions)
        .items(kNeireSeismicItems, c, kNeireSeismicCaptions)
        .items(kLateralItems, c.land, kLateralCaptions)
        .str();
}

std::string fsyok_line(const DesignData& d) {
    const FsyokData& f = d.yaita_dat.fsyok_dat;
    KeyLine line(kCorrosionKey);
    CorrosionData c;
    std::copy_n(f.sea_rate.begin(), c.sea_rates.size(), c.sea_rates.begin());
    std::copy_n(f.land_rate.begin(), c.land_rates.size(), c.land_rates.begin());
    for (double rate : c.sea_rates)
        line.r(rate, kCorrosionRateCaption);
    for (double rate : c.land_rates)
        line.r(rate, kCorrosionRateCaption);
    // The service life is converted after the rates are written, so a bad
    // rate is the one named.
    c.allowance_water = 0.0;
    c.allowance_land = 0.0;
    c.service_life = to_integer16(f.service_life, "耐用年数");
    c.reduction_sea_water = f.reduction[0];
    c.reduction_seabed_mud = f.reduction[1];
    c.check_range = f.range_sw;
    return line.items(kFsyokTailItems, c, kFsyokTailCaptions).str();
}

std::string tugit_line(const YaitaData& y) {
    JointEfficiency c;
    c.section_inertia = y.joint_alpha[0];
    c.embedment_inertia = y.joint_alpha[1];
    c.section_modulus = y.joint_alpha[2];
    return KeyLine(kJointEfficiencyKey).items(kTugitItems, c, kTugitCaptions).str();
}

void add_id_lines(std::vector<std::string>& out, const char* key,
                  const std::array<PileIdPair, kPileSelectionRoom + 1>& pairs, bool user) {
    std::vector<int> ids;
    for (const PileIdPair& p : pairs) {
        const int id = user ? p.user_id : p.catalogue_id;
        if (id == 0) break;
        ids.push_back(id);
    }
    constexpr auto kIdsPerLine = static_cast<std::size_t>(kPileIdsPerLine);
    for (std::size_t first = 0; first < ids.size(); first += kIdsPerLine) {
        KeyLine line(key);
        for (std::size_t i = first; i < ids.size() && i < first + kIdsPerLine; ++i)
            line.i(ids[i]);
        out.push_back(line.str());
    }
}

// One line per used row of a table of the design data; the last element of
// each table is a spare and never written.
template <class Rec, std::size_t Size, class Group, std::size_t N>
void add_row_lines(std::vector<std::string>& out, const char* key,
                   const std::array<Rec, Size>& rows, Group (*group_of)(const Rec&),
                   const Item<Group> (&list)[N], const Captions<N>& captions) {
    for (std::size_t i = 0; i + 1 < Size; ++i) {
        if (!row_used(rows[i])) continue;
        out.push_back(KeyLine(key).items(list, group_of(rows[i]), captions).str());
    }
}

SurchargeRow surcharge_row(const JosaiRow& r) {
    return {r.start_x, r.end_x, r.q_normal, r.q_seismic};
}

void add_force_lines(std::vector<std::string>& out, const char* key,
                     const std::array<GairyokuRec, kForceRoom + 1>& forces) {
    for (int i = 0; i < kForceRoom; ++i) {
        const GairyokuRec& f = forces[i];
        if (!row_used(f)) continue;
        const bool passive = f.direction == ForceSide::Passive;
        OtherForceRow c;
        c.force = passive ? -f.force : f.force;
        c.height = f.height;
        out.push_back(KeyLine(key)
                          .quoted(f.name, kForceNameCaption)
                          .items(kForceItems, c, kForceCaptions)
                          .str());
    }
}

SteelPipeRow steel_pipe_row(const KokanRec& r) {
    SteelPipeRow c;
    c.diameter = r.diameter;
    c.thickness = r.thickness;
    c.joint =
        r.joint_type == PipeJoint::GivenSpacing ? r.joint_spacing : joint_type_item(r.joint_type);
    return c;
}

SoilLayerRow soil_layer_row(const DosouRec& l) {
    const bool sand = l.soil_sw == SoilKind::Sand;
    const int option = list_index_of(is_listed(l.kh_sw) ? l.kh_sw : LayerKhOption::Given);
    SoilLayerRow c;
    c.top = l.top_lvl;
    c.wet_weight = l.unit_w[0];
    c.saturated_weight = l.unit_w[1];
    c.friction_angle = sand ? l.soil_val[0] : 0.0;
    c.cohesion = sand ? 0.0 : l.soil_val[1];
    c.cohesion_increase = sand ? 0.0 : l.soil_val[2];
    c.resistance_option = l.kh_sw;
    c.n_value = l.n_val[option];
    c.kh = soil_layer_constant(l);
    return with_submerged_from_saturated(c);
}

GroundPoint ground_point(const TikeiPoint& p) {
    return {p.x, p.y};
}

FillRow fill_row(const MoridRow& r) {
    FillRow c;
    c.top = r.top_lvl;
    c.wet_weight = r.wet_w;
    c.saturated_weight = r.sat_w;
    return with_submerged_from_saturated(c);
}

std::string wlvl_line(const DesignData& d) {
    const SekoujiData& w = d.sekouji_dat;
    WaveConditions c;
    cal_links::ToRecord to_record;
    cal_links::wlvl(to_record, d, c);
    KeyLine line(kWaveConditionsKey);
    line.items(kWlvlItems, c, kWlvlCaptions);
    for (int i = 0; i < kStudiedTideLevels; ++i)
        line.r(w.hb_lvl[i], kHbCaption);
    return line.str();
}

static_assert(kTideLevelKeys.size() == kStudiedTideLevels);

void add_tide_lines(std::vector<std::string>& out, const DesignData& d) {
    const SekoujiData& w = d.sekouji_dat;
    const bool goda = w.wave_sw == WaveFormula::Goda;
    for (int k = 0; k < kStudiedTideLevels; ++k) {
        if (!box_checked(w.tide_kentou_sw[k])) continue;
        const WaveRec& row = goda ? w.goda_tbl[k] : w.kuroda_tbl[k];
        TideLevelRow c;
        c.breaking_influence = goda ? row.breaking : BreakingInfluence::KurodaHiroiRow;
        c.h13 = row.h13;
        c.hmax = row.hmax;
        c.wave_length_method = row.length_method;
        c.period = row.period;
        // The derived length goes into the line only; the row keeps its own L.
        c.wave_length = c.wave_length_method == WaveLengthMethod::Computed
                            ? tide_wave_length(d.sekkei_dat, w, k, row)
                            : row.length;
        c.incidence_angle = row.beta;
        out.push_back(KeyLine(kTideLevelKeys[k])
                          .items(kTideItems, c, goda ? kGodaCaptions : kKurodaCaptions)
                          .str());
    }
}

std::string nir_t_line(const DesignData& d) {
    EmbedmentOptions c;
    c.dynamic_water = d.kanseiji_dat.dynwater_sw;
    c.pipe_secondary_check = d.yaita_dat.second_sw;
    c.pipe_kh = d.yaita_dat.kh_lm;
    c.lambda2 = d.sekouji_dat.lambda2;
    c.clay_normal_formula = d.kanseiji_dat.clay_sw;
    c.okabe_when_negative = d.kanseiji_dat.okabe_sw;
    return KeyLine(kEmbedmentOptionsKey).items(kNirtItems, c, kNirtCaptions).str();
}

std::string add_1_line(const SekkeiData& s) {
    WallFriction c;
    c.normal_active = s.delta_jyo[0];
    c.normal_passive = s.delta_jyo[1];
    c.seismic_active = s.delta_jis[0];
    c.seismic_passive = s.delta_jis[1];
    return KeyLine(kWallFrictionKey).items(kAdd1Items, c, kAdd1Captions).str();
}

std::vector<std::string> input_lines(const DesignData& d) {
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
    out.push_back(tugit_line(y));
    // Pile ids only for the two types of free choice: steel and PC.
    const PileType pile_type = y.yaita_kind;
    if (is_pile_of_free_choice(pile_type)) {
        const auto& pairs = pile_type == PileType::SteelOfFreeChoice ? y.yaita_sel : y.pcyaita_sel;
        add_id_lines(out, kCataloguePilesKey, pairs, false);
        add_id_lines(out, kAddedPilesKey, pairs, true);
    }
    add_row_lines(out, kSurchargeKey, t.josai_tbl, surcharge_row, kJosaiItems, kJosaiCaptions);
    add_force_lines(out, kNormalForceKey, d.gairyoku_dat.gairyoku_jyo);
    add_force_lines(out, kSeismicForceKey, d.gairyoku_dat.gairyoku_jis);
    add_row_lines(out, kSteelPipeKey, y.kokan_tbl, steel_pipe_row, kKokanItems, kKokanCaptions);
    add_row_lines(out, kLandLayerKey, d.dosou_dat.dosou_riku, soil_layer_row, kSoilItems,
                  kSoilCaptions);
    add_row_lines(out, kSeaLayerKey, d.dosou_dat.dosou_umi, soil_layer_row, kSoilItems,
                  kSoilCaptions);
    add_row_lines(out, kGroundPointKey, t.tikei_tbl, ground_point, kTikeiItems, kTikeiCaptions);
    add_row_lines(out, kFillKey, t.morid_tbl, fill_row, kMoridItems, kMoridCaptions);
    out.push_back(wlvl_line(d));
    add_tide_lines(out, d);
    out.push_back(KeyLine(kAdoptedLengthKey)
                      .r(d.caldt_vals[0], "施工根入れ深度")
                      .r(d.caldt_vals[1], "矢板長")
                      .str());
    out.push_back(nir_t_line(d));
    out.push_back(KeyLine(kStaticWaterKey).i(to_file_value(d.sekouji_dat.static_sw)).str());
    out.push_back(add_1_line(d.sekkei_dat));
    return out;
}

} // namespace

std::vector<std::string> cal_file_lines(DesignData& d) {
    std::vector<std::string> lines = input_lines(d);
    // The virtual seabed never decides the section: a "yes" found in the data
    // goes to this one input, and every later input says "no".
    d.sekkei_dat.zevove_sw = YesNo::No;
    return lines;
}

void write_cal_file(DesignData& data, const std::string& path) {
    write_text_file(path, cal_file_lines(data));
}

} // namespace wtn
