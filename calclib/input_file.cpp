#include "input_file.h"

#include "csv_line.h"
#include "error_messages.h"
#include "file_io.h"
#include "text_lines.h"

#include <cmath>
#include <cstdio>
#include <functional>
#include <string_view>

namespace wtn {

namespace {

// One data line with the key it was filed under, for messages.
struct KeyLine {
    std::string key;
    const CsvLine& line;

    // Item n read as atof does; a value that reads as infinite or not a
    // number (a typed "inf", an exponent beyond double) would poison every
    // result, so it stops the program here.
    double real(std::size_t item) const {
        const double value = line.real(item);
        if (!std::isfinite(value)) {
            stop_with_error(-1, "(ERROR)-入力データ(" + key + ")の" + std::to_string(item) +
                                    "番目の数値が読めません(" + line.field(item) + ").");
        }
        return value;
    }
    int integer(std::size_t item) const { return line.integer(item); }
    const std::string& text(std::size_t i) const { return line.text(i); }
};

// Index of the next row of a table of room rows, advancing its count; stops
// the program when the table is full, so no row is ever dropped.
int next_row(int& count, int room, const std::string& key) {
    if (count >= room) {
        stop_with_error(-1, "(ERROR)-入力データ(" + key + ")の行数が上限(" + std::to_string(room) +
                                "行)を超えています.");
    }
    return count++;
}

void read_swdat(const KeyLine& l, InputRecord& in) {
    CalcSwitches& s = in.swdat;
    s.design_standard = l.integer(1);
    s.embedment_method = l.integer(2);
    s.decide_by_stress = l.integer(3);
    s.decide_by_displacement = l.integer(4);
    s.decide_by_seabed_reaction = l.integer(5);
    s.completed_cases = l.integer(6);
    s.ground_shape = l.integer(7);
    s.surcharge_mode = l.integer(8);
    s.decision_code = l.integer(9);
    s.residual_level_seismic = l.integer(10);
    s.clay_seismic_formula = l.integer(11);
    s.earth_pressure_method = l.integer(12);
    s.studies = l.integer(13);
    s.lwl_seismic = l.integer(14);
    if (s.studies < 1 || s.studies > 3) s.studies = 1;
    if (s.lwl_seismic < 1 || s.lwl_seismic > 2) s.lwl_seismic = 1;
}

void read_wavsw(const KeyLine& l, InputRecord& in) {
    WaveSwitches& w = in.wavsw;
    w.user_tide_name = l.text(0);
    w.wave_formula = l.integer(1);
    w.dissipating_works = l.integer(2);
    w.lambda1 = l.real(3);
    for (int k = 0; k < kTideLevelCount; ++k) {
        w.examine[k] = l.integer(4 + 2 * k);
        w.draw[k] = l.integer(5 + 2 * k);
    }
}

void read_joken(const KeyLine& l, InputRecord& in) {
    DesignConditions& j = in.joken;
    j.hwl = l.real(1);
    j.lwl = l.real(2);
    j.residual_level_rule = l.integer(3);
    j.residual_level = l.real(4);
    j.ground_crown = l.real(5);
    j.design_seabed = l.real(6);
    j.embedment_level = l.real(7);
    j.soil_bottom = l.real(8);
    j.ground_angle = l.real(9);
    j.seabed_angle = l.real(10);
    j.water_weight = l.real(11);
    j.surcharge_normal = l.real(12);
    j.surcharge_seismic = l.real(13);
    j.allow_disp_normal = l.real(14);
    j.allow_disp_seismic = l.real(15);
    j.pile_type = l.integer(16);
    j.u_variant = l.integer(17);
    j.steel_grade = l.integer(18);
}

void read_tjkn1(const KeyLine& l, InputRecord& in) {
    AddedConditions& t = in.tjkn1;
    t.hhwl = l.real(1);
    t.user_tide_level = l.real(2);
    t.superstructure_crown = l.real(3);
    t.pile_crown = l.real(4);
    t.cohesion_ref_level = l.real(5);
    t.allow_disp_construction = l.real(6);
    t.allow_stress_normal = l.real(7);
    t.allow_stress_seismic = l.real(8);
    t.allow_stress_construction = l.real(9);
    t.construction_seabed = l.real(10);
    t.young_coefficient = l.real(11);
    t.young_exponent = l.real(12);
}

void read_lateral(const KeyLine& l, std::size_t first, LateralResistance& side) {
    side.method = l.integer(first);
    side.first_value = l.real(first + 1);
    side.second_value = l.real(first + 2);
    side.kh = l.real(first + 3);
}

void read_neire(const KeyLine& l, InputRecord& in) {
    EmbedmentConditions& n = in.neire;
    read_lateral(l, 1, n.sea);
    n.seismic_rule = l.integer(5);
    n.seismic_coefficient = l.real(6);
    n.regional_factor = l.real(7);
    n.ground_factor = l.real(8);
    n.importance_factor = l.real(9);
    n.apparent_rule = l.integer(10);
    n.apparent_coefficient = l.real(11);
    read_lateral(l, 12, n.land);
}

void read_nir_t(const KeyLine& l, InputRecord& in) {
    EmbedmentOptions& o = in.nir_t;
    o.dynamic_water = l.integer(1);
    o.pipe_secondary_check = l.integer(2);
    o.pipe_kh = l.real(3);
    o.lambda2 = l.real(4);
    o.clay_normal_formula = l.integer(5);
    o.okabe_when_negative = l.integer(6);
}

void read_fsyok(const KeyLine& l, InputRecord& in) {
    CorrosionData& f = in.fsyok;
    for (std::size_t i = 0; i < f.sea_rates.size(); ++i) f.sea_rates[i] = l.real(1 + i);
    for (std::size_t i = 0; i < f.land_rates.size(); ++i) f.land_rates[i] = l.real(5 + i);
    f.allowance_water = l.real(8);
    f.allowance_land = l.real(9);
    f.service_life = l.integer(10);
    f.reduction_sea_water = l.real(11);
    f.reduction_seabed_mud = l.real(12);
    f.check_range = l.integer(13);
}

void read_tugit(const KeyLine& l, InputRecord& in) {
    in.tugit.section_inertia = l.real(1);
    in.tugit.embedment_inertia = l.real(2);
    in.tugit.section_modulus = l.real(3);
}

// Ids up to the first empty item, appended to the list.
void read_pile_ids(const KeyLine& l, PileIdList& list) {
    for (std::size_t item = 1; item < l.line.fields.size(); ++item) {
        if (l.line.field(item).empty()) break;
        const int row = next_row(list.count, kMaxPileIds, l.key);
        list.ids[static_cast<std::size_t>(row)] = l.integer(item);
    }
}

void read_josai(const KeyLine& l, InputRecord& in) {
    SurchargeRow& r = in.surcharges[next_row(in.surcharge_count, kMaxSurchargeRows, l.key)];
    r.start = l.real(1);
    r.end = l.real(2);
    r.normal = l.real(3);
    r.seismic = l.real(4);
}

void read_force(const KeyLine& l, std::array<OtherForceRow, kMaxOtherForceRows>& rows, int& count) {
    OtherForceRow& r = rows[next_row(count, kMaxOtherForceRows, l.key)];
    r.name = l.text(0);
    r.force = l.real(1);
    r.height = l.real(2);
}

void read_kokan(const KeyLine& l, InputRecord& in) {
    SteelPipeRow& r = in.steel_pipes[next_row(in.steel_pipe_count, kMaxSteelPipeRows, l.key)];
    r.diameter = l.real(1);
    r.thickness = l.real(2);
    r.joint = l.real(3);
}

void read_soil(const KeyLine& l, std::array<SoilLayerRow, kMaxSoilLayerRows>& rows, int& count) {
    SoilLayerRow& r = rows[next_row(count, kMaxSoilLayerRows, l.key)];
    r.top = l.real(1);
    r.wet_weight = l.real(2);
    r.submerged_weight = l.real(3);
    r.saturated_weight = l.real(4);
    r.friction_angle = l.real(5);
    r.cohesion = l.real(6);
    r.cohesion_increase = l.real(7);
    r.resistance_option = l.integer(8);
    r.n_value = l.real(9);
    r.kh = l.real(10);
}

void read_tikei(const KeyLine& l, InputRecord& in) {
    GroundPoint& p = in.ground_points[next_row(in.ground_point_count, kMaxGroundPoints, l.key)];
    p.distance = l.real(1);
    p.level = l.real(2);
}

void read_morid(const KeyLine& l, InputRecord& in) {
    FillRow& r = in.fills[next_row(in.fill_count, kMaxFillRows, l.key)];
    r.top = l.real(1);
    r.wet_weight = l.real(2);
    r.submerged_weight = l.real(3);
    r.saturated_weight = l.real(4);
}

void read_wlvl(const KeyLine& l, InputRecord& in) {
    WaveConditions& w = in.wlvl;
    w.depth_rule = l.integer(1);
    w.d = l.real(2);
    w.h_dash = l.real(3);
    w.h = l.real(4);
    w.hb_rule = l.integer(5);
    w.slope_x = l.real(6);
    for (int k = 0; k < kTideLevelCount; ++k) w.hb[k] = l.real(7 + k);
}

void read_tide_level(const KeyLine& l, TideLevelRow& r) {
    r.breaking_influence = l.integer(1);
    r.h13 = l.real(2);
    r.hmax = l.real(3);
    r.wave_length_method = l.integer(4);
    r.period = l.real(5);
    r.wave_length = l.real(6);
    r.incidence_angle = l.real(7);
}

void read_add_1(const KeyLine& l, InputRecord& in) {
    in.add_1.normal_active = l.real(1);
    in.add_1.normal_passive = l.real(2);
    in.add_1.seismic_active = l.real(3);
    in.add_1.seismic_passive = l.real(4);
}

bool same_key(std::string_view field, std::string_view key) {
    if (field.size() != key.size()) return false;
    for (std::size_t i = 0; i < key.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(field[i]);
        if (c >= 'A' && c <= 'Z') c = static_cast<unsigned char>(c - 'A' + 'a');
        if (c != static_cast<unsigned char>(key[i])) return false;
    }
    return true;
}

using KeyParser = std::function<void(const KeyLine&, InputRecord&)>;

struct KeyEntry {
    const char* key;
    KeyParser parse;
};

const std::array<KeyEntry, 27>& key_table() {
    static const std::array<KeyEntry, 27> table = {{
        {"gyonm", [](const KeyLine& l, InputRecord& in) { in.title = l.text(0); }},
        {"swdat", read_swdat},
        {"wavsw", read_wavsw},
        {"joken", read_joken},
        {"tjkn1", read_tjkn1},
        {"neire", read_neire},
        {"fsyok", read_fsyok},
        {"tugit", read_tugit},
        {"tyait", [](const KeyLine& l, InputRecord& in) { read_pile_ids(l, in.catalogue_piles); }},
        {"apdyt", [](const KeyLine& l, InputRecord& in) { read_pile_ids(l, in.added_piles); }},
        {"josai", read_josai},
        {"etcjo", [](const KeyLine& l, InputRecord& in) { read_force(l, in.forces_normal, in.force_normal_count); }},
        {"etcjs", [](const KeyLine& l, InputRecord& in) { read_force(l, in.forces_seismic, in.force_seismic_count); }},
        {"kokan", read_kokan},
        {"sdatu", [](const KeyLine& l, InputRecord& in) { read_soil(l, in.land_layers, in.land_layer_count); }},
        {"jdatu", [](const KeyLine& l, InputRecord& in) { read_soil(l, in.sea_layers, in.sea_layer_count); }},
        {"tikei", read_tikei},
        {"morid", read_morid},
        {"wlvl_", read_wlvl},
        {"hhwl_", [](const KeyLine& l, InputRecord& in) { read_tide_level(l, in.tide_levels[kTideHhwl]); }},
        {"hwl__", [](const KeyLine& l, InputRecord& in) { read_tide_level(l, in.tide_levels[kTideHwl]); }},
        {"lwl__", [](const KeyLine& l, InputRecord& in) { read_tide_level(l, in.tide_levels[kTideLwl]); }},
        {"ewl__", [](const KeyLine& l, InputRecord& in) { read_tide_level(l, in.tide_levels[kTideUser]); }},
        {"nir_t", read_nir_t},
        {"wav_t", [](const KeyLine& l, InputRecord& in) { in.static_water = l.integer(1); }},
        {"versi",
         [](const KeyLine& l, InputRecord& in) {
             in.version_text = l.text(0);
             in.version_number = l.integer(1);
         }},
        {"add_1", read_add_1},
    }};
    return table;
}

// Files of earlier releases have no "tjkn1" line: the crowns of the
// superstructure and of the pile were the ground-surface crown, the
// construction stage used the completed-state seabed, and the pile was not
// reduced. The allowable displacement of the construction stage is kept.
void fill_added_conditions(InputRecord& in) {
    AddedConditions& t = in.tjkn1;
    const double allow_disp_construction = t.allow_disp_construction;
    t = AddedConditions{};
    t.superstructure_crown = in.joken.ground_crown;
    t.pile_crown = in.joken.ground_crown;
    t.construction_seabed = in.joken.design_seabed;
    t.allow_disp_construction = allow_disp_construction;
    in.fsyok.reduction_sea_water = 100.0;
    in.fsyok.reduction_seabed_mud = 100.0;
}

} // namespace

void read_input(InputRecord& input, const std::string& name) {
    std::string file_name = name;
    const bool default_data = name.empty() || name == kNewDataName;
    if (default_data) {
        set_input_defaults(input);
        file_name = kDefaultInputFileName;
    }
    CFile file = open_file(file_name, "rt");
    if (!file) {
        // Computing a default wall for a missing input would give the user
        // numbers for a wall they never described.
        if (default_data) {
            stop_with_error(-1, "(ERROR)-データファイル(" + file_name + ")がオープンできません.");
        }
        stop_with_error(kErrNoDataFile);
    }
    reset_input_counters(input);

    bool added_conditions_met = false;
    LineReader reader(file.get());
    CsvLine line;
    for (;;) {
        const int kind = read_csv_line(reader, line);
        if (kind == kCsvEndOfFile) break;
        if (kind == kCsvComment) continue;
        const std::string& field0 = line.field(0);
        for (const KeyEntry& entry : key_table()) {
            if (!same_key(field0, entry.key)) continue;
            entry.parse(KeyLine{entry.key, line}, input);
            if (std::string_view(entry.key) == "tjkn1") added_conditions_met = true;
            break;
        }
    }
    if (reader.failed()) {
        stop_with_error(-1, "(ERROR)-データファイル(" + file_name + ")が読み込めません.");
    }
    if (!added_conditions_met) fill_added_conditions(input);
}

// ---- writer ----

namespace {

class KeyWriter {
  public:
    explicit KeyWriter(const char* key) : text_(key) {}
    KeyWriter& quoted(const std::string& text) {
        text_ += ",\"";
        text_ += text;
        text_ += '"';
        return *this;
    }
    KeyWriter& integer(int value) { return item("%d", value); }
    KeyWriter& real(const char* format, double value) { return item(format, value); }
    const std::string& text() const { return text_; }

  private:
    template <typename T>
    KeyWriter& item(const char* format, T value) {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, format, value);
        text_ += ',';
        text_ += buffer;
        return *this;
    }
    std::string text_;
};

void write_soil(std::FILE* f, const char* key, const SoilLayerRow& r) {
    KeyWriter w(key);
    w.real("%1.2lf", r.top).real("%1.3lf", r.wet_weight);
    // The file always carries the submerged weight as saturated less 10.0.
    w.real("%1.3lf", r.saturated_weight - 10.0).real("%1.3lf", r.saturated_weight);
    w.real("%1.1lf", r.friction_angle).real("%1.3lf", r.cohesion).real("%1.3lf", r.cohesion_increase);
    w.integer(r.resistance_option).real("%1.1lf", r.n_value).real("%1.1lf", r.kh);
    write_crlf_line(f, w.text());
}

void write_pile_ids(std::FILE* f, const char* key, const PileIdList& list) {
    for (int first = 0; first < list.count; first += kPileIdsPerLine) {
        KeyWriter w(key);
        for (int i = first; i < list.count && i < first + kPileIdsPerLine; ++i) w.integer(list.ids[i]);
        write_crlf_line(f, w.text());
    }
}

void write_lateral(KeyWriter& w, const LateralResistance& side) {
    w.integer(side.method).real("%1.1lf", side.first_value).real("%1.2lf", side.second_value);
    w.real("%1.1lf", side.kh);
}

} // namespace

int write_input(const InputRecord& in, const std::string& name) {
    const std::string path = name + ".CAL";
    CFile file = open_file(path, "wt");
    if (!file) return 1;
    std::FILE* f = file.get();

    write_crlf_line(f, KeyWriter("gyonm").quoted(in.title).text());

    {
        const CalcSwitches& s = in.swdat;
        KeyWriter w("swdat");
        for (int v : {s.design_standard, s.embedment_method, s.decide_by_stress, s.decide_by_displacement,
                      s.decide_by_seabed_reaction, s.completed_cases, s.ground_shape, s.surcharge_mode,
                      s.decision_code, s.residual_level_seismic, s.clay_seismic_formula,
                      s.earth_pressure_method, s.studies, s.lwl_seismic}) {
            w.integer(v);
        }
        write_crlf_line(f, w.text());
    }
    {
        const WaveSwitches& s = in.wavsw;
        KeyWriter w("wavsw");
        w.quoted(s.user_tide_name).integer(s.wave_formula).integer(s.dissipating_works);
        w.real("%1.3lf", s.lambda1);
        for (int k = 0; k < kTideLevelCount; ++k) w.integer(s.examine[k]).integer(s.draw[k]);
        write_crlf_line(f, w.text());
    }
    {
        const DesignConditions& j = in.joken;
        KeyWriter w("joken");
        w.real("%1.2lf", j.hwl).real("%1.2lf", j.lwl).integer(j.residual_level_rule);
        w.real("%1.2lf", j.residual_level).real("%1.2lf", j.ground_crown).real("%1.2lf", j.design_seabed);
        w.real("%1.2lf", j.embedment_level).real("%1.2lf", j.soil_bottom);
        w.real("%1.1lf", j.ground_angle).real("%1.1lf", j.seabed_angle);
        w.real("%1.2lf", j.water_weight).real("%1.2lf", j.surcharge_normal).real("%1.2lf", j.surcharge_seismic);
        w.real("%1.2lf", j.allow_disp_normal).real("%1.2lf", j.allow_disp_seismic);
        w.integer(j.pile_type).integer(j.u_variant).integer(j.steel_grade);
        write_crlf_line(f, w.text());
    }
    {
        const AddedConditions& t = in.tjkn1;
        KeyWriter w("tjkn1");
        w.real("%1.2lf", t.hhwl).real("%1.2lf", t.user_tide_level).real("%1.2lf", t.superstructure_crown);
        w.real("%1.2lf", t.pile_crown).real("%1.2lf", t.cohesion_ref_level);
        w.real("%1.2lf", t.allow_disp_construction);
        w.real("%1.0lf", t.allow_stress_normal).real("%1.0lf", t.allow_stress_seismic);
        w.real("%1.0lf", t.allow_stress_construction).real("%1.2lf", t.construction_seabed);
        w.real("%1.1lf", t.young_coefficient).real("%1.0lf", t.young_exponent);
        write_crlf_line(f, w.text());
    }
    {
        const EmbedmentConditions& n = in.neire;
        KeyWriter w("neire");
        write_lateral(w, n.sea);
        w.integer(n.seismic_rule).real("%1.2lf", n.seismic_coefficient).real("%1.2lf", n.regional_factor);
        w.real("%1.2lf", n.ground_factor).real("%1.2lf", n.importance_factor);
        w.integer(n.apparent_rule).real("%1.2lf", n.apparent_coefficient);
        write_lateral(w, n.land);
        write_crlf_line(f, w.text());
    }
    {
        const CorrosionData& c = in.fsyok;
        KeyWriter w("fsyok");
        for (double rate : c.sea_rates) w.real("%1.3lf", rate);
        for (double rate : c.land_rates) w.real("%1.3lf", rate);
        w.real("%1.2lf", c.allowance_water).real("%1.2lf", c.allowance_land).integer(c.service_life);
        w.real("%1.0lf", c.reduction_sea_water).real("%1.0lf", c.reduction_seabed_mud).integer(c.check_range);
        write_crlf_line(f, w.text());
    }
    {
        KeyWriter w("tugit");
        w.real("%1.1lf", in.tugit.section_inertia).real("%1.1lf", in.tugit.embedment_inertia);
        w.real("%1.1lf", in.tugit.section_modulus);
        write_crlf_line(f, w.text());
    }
    write_pile_ids(f, "tyait", in.catalogue_piles);
    write_pile_ids(f, "apdyt", in.added_piles);
    for (int i = 0; i < in.surcharge_count; ++i) {
        const SurchargeRow& r = in.surcharges[i];
        KeyWriter w("josai");
        w.real("%1.2lf", r.start).real("%1.2lf", r.end).real("%1.2lf", r.normal).real("%1.2lf", r.seismic);
        write_crlf_line(f, w.text());
    }
    for (int i = 0; i < in.force_normal_count; ++i) {
        const OtherForceRow& r = in.forces_normal[i];
        write_crlf_line(f, KeyWriter("etcjo").quoted(r.name).real("%1.3lf", r.force).real("%1.3lf", r.height).text());
    }
    for (int i = 0; i < in.force_seismic_count; ++i) {
        const OtherForceRow& r = in.forces_seismic[i];
        write_crlf_line(f, KeyWriter("etcjs").quoted(r.name).real("%1.3lf", r.force).real("%1.3lf", r.height).text());
    }
    for (int i = 0; i < in.steel_pipe_count; ++i) {
        const SteelPipeRow& r = in.steel_pipes[i];
        KeyWriter w("kokan");
        w.real("%1.2lf", r.diameter).real("%1.1lf", r.thickness).real("%1.1lf", r.joint);
        write_crlf_line(f, w.text());
    }
    for (int i = 0; i < in.land_layer_count; ++i) write_soil(f, "sdatu", in.land_layers[i]);
    for (int i = 0; i < in.sea_layer_count; ++i) write_soil(f, "jdatu", in.sea_layers[i]);
    for (int i = 0; i < in.ground_point_count; ++i) {
        const GroundPoint& p = in.ground_points[i];
        write_crlf_line(f, KeyWriter("tikei").real("%1.3lf", p.distance).real("%1.3lf", p.level).text());
    }
    for (int i = 0; i < in.fill_count; ++i) {
        const FillRow& r = in.fills[i];
        KeyWriter w("morid");
        w.real("%1.2lf", r.top).real("%1.3lf", r.wet_weight);
        w.real("%1.3lf", r.saturated_weight - 10.0).real("%1.3lf", r.saturated_weight);
        write_crlf_line(f, w.text());
    }
    {
        const WaveConditions& c = in.wlvl;
        KeyWriter w("wlvl_");
        w.integer(c.depth_rule).real("%1.2lf", c.d).real("%1.2lf", c.h_dash).real("%1.2lf", c.h);
        w.integer(c.hb_rule).real("%1.2lf", c.slope_x);
        for (int k = 0; k < kTideLevelCount; ++k) w.real("%1.2lf", c.hb[k]);
        write_crlf_line(f, w.text());
    }
    static constexpr std::array<const char*, kTideLevelCount> kTideKeys = {"hhwl_", "hwl__", "lwl__", "ewl__"};
    for (int k = 0; k < kTideLevelCount; ++k) {
        if (in.wavsw.examine[k] == 2) continue;
        const TideLevelRow& r = in.tide_levels[k];
        KeyWriter w(kTideKeys[k]);
        w.integer(r.breaking_influence).real("%1.2lf", r.h13).real("%1.2lf", r.hmax);
        w.integer(r.wave_length_method).real("%1.2lf", r.period).real("%1.2lf", r.wave_length);
        w.real("%1.2lf", r.incidence_angle);
        write_crlf_line(f, w.text());
    }

    // A failed write must not look like a written file.
    return close_written(file) ? 0 : 1;
}

} // namespace wtn
