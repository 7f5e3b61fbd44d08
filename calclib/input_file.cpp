#include "input_file.h"

#include "cal_file_keys.h"
#include "csv_line.h"
#include "error_messages.h"
#include "file_io.h"
#include "format_values.h"
#include "text_lines.h"
#include "wall_codes.h"

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
            stop_with_error("(ERROR)-入力データ(" + key + ")の" + std::to_string(item) +
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
        stop_with_error("(ERROR)-入力データ(" + key + ")の行数が上限(" + std::to_string(room) +
                        "行)を超えています.");
    }
    return count++;
}

// One item of a group: the field it fills and the fixed format in which
// write_input writes it (integers "%d"; nullptr for the groups that
// write_input leaves out). The same list drives the reader and the writer,
// so the two cannot disagree on an item's place.
template <class Group> struct Item {
    int Group::*integer = nullptr;
    double Group::*real = nullptr;
    const char* format = nullptr;
};

template <class Group> constexpr Item<Group> int_item(int Group::*field) {
    return {field, nullptr, "%d"};
}

template <class Group>
constexpr Item<Group> real_item(double Group::*field, const char* format = nullptr) {
    return {nullptr, field, format};
}

// Items first_item, first_item + 1, ... of the line into the group's fields.
template <class Group, std::size_t N>
void read_items(const KeyLine& l, const Item<Group> (&items)[N], Group& group,
                std::size_t first_item = 1) {
    for (std::size_t k = 0; k < N; ++k) {
        const Item<Group>& item = items[k];
        if (item.integer != nullptr) {
            group.*item.integer = l.integer(first_item + k);
        } else {
            group.*item.real = l.real(first_item + k);
        }
    }
}

using DC = DesignConditions;
constexpr Item<DC> kJokenItems[] = {
    real_item(&DC::hwl, "%1.2lf"),
    real_item(&DC::lwl, "%1.2lf"),
    int_item(&DC::residual_level_rule),
    real_item(&DC::residual_level, "%1.2lf"),
    real_item(&DC::ground_crown, "%1.2lf"),
    real_item(&DC::design_seabed, "%1.2lf"),
    real_item(&DC::embedment_level, "%1.2lf"),
    real_item(&DC::soil_bottom, "%1.2lf"),
    real_item(&DC::ground_angle, "%1.1lf"),
    real_item(&DC::seabed_angle, "%1.1lf"),
    real_item(&DC::water_weight, "%1.2lf"),
    real_item(&DC::surcharge_normal, "%1.2lf"),
    real_item(&DC::surcharge_seismic, "%1.2lf"),
    real_item(&DC::allow_disp_normal, "%1.2lf"),
    real_item(&DC::allow_disp_seismic, "%1.2lf"),
    int_item(&DC::pile_type),
    int_item(&DC::u_variant),
    int_item(&DC::steel_grade),
};

using AC = AddedConditions;
constexpr Item<AC> kTjkn1Items[] = {
    real_item(&AC::hhwl, "%1.2lf"),
    real_item(&AC::user_tide_level, "%1.2lf"),
    real_item(&AC::superstructure_crown, "%1.2lf"),
    real_item(&AC::pile_crown, "%1.2lf"),
    real_item(&AC::cohesion_ref_level, "%1.2lf"),
    real_item(&AC::allow_disp_construction, "%1.2lf"),
    real_item(&AC::allow_stress_normal, "%1.0lf"),
    real_item(&AC::allow_stress_seismic, "%1.0lf"),
    real_item(&AC::allow_stress_construction, "%1.0lf"),
    real_item(&AC::construction_seabed, "%1.2lf"),
    real_item(&AC::young_coefficient, "%1.1lf"),
    real_item(&AC::young_exponent, "%1.0lf"),
};

// "neire" items 1-4 (sea side) and 12-15 (land side).
using LR = LateralResistance;
constexpr Item<LR> kLateralItems[] = {
    int_item(&LR::method),
    real_item(&LR::first_value, "%1.1lf"),
    real_item(&LR::second_value, "%1.2lf"),
    real_item(&LR::kh, "%1.1lf"),
};
constexpr std::size_t kNeireSeaFirstItem = 1;
constexpr std::size_t kNeireSeismicFirstItem = 5;
constexpr std::size_t kNeireLandFirstItem = 12;

// "neire" items 5-11.
using EC = EmbedmentConditions;
constexpr Item<EC> kNeireSeismicItems[] = {
    int_item(&EC::seismic_rule),
    real_item(&EC::seismic_coefficient, "%1.2lf"),
    real_item(&EC::regional_factor, "%1.2lf"),
    real_item(&EC::ground_factor, "%1.2lf"),
    real_item(&EC::importance_factor, "%1.2lf"),
    int_item(&EC::apparent_rule),
    real_item(&EC::apparent_coefficient, "%1.2lf"),
};

using EO = EmbedmentOptions;
constexpr Item<EO> kNirtItems[] = {
    int_item(&EO::dynamic_water),
    int_item(&EO::pipe_secondary_check),
    real_item(&EO::pipe_kh),
    real_item(&EO::lambda2),
    int_item(&EO::clay_normal_formula),
    int_item(&EO::okabe_when_negative),
};

using JE = JointEfficiency;
constexpr Item<JE> kTugitItems[] = {
    real_item(&JE::section_inertia, "%1.1lf"),
    real_item(&JE::embedment_inertia, "%1.1lf"),
    real_item(&JE::section_modulus, "%1.1lf"),
};

constexpr Item<SurchargeRow> kJosaiItems[] = {
    real_item(&SurchargeRow::start, "%1.2lf"),
    real_item(&SurchargeRow::end, "%1.2lf"),
    real_item(&SurchargeRow::normal, "%1.2lf"),
    real_item(&SurchargeRow::seismic, "%1.2lf"),
};

// The items after the force's quoted name.
constexpr Item<OtherForceRow> kForceItems[] = {
    real_item(&OtherForceRow::force, "%1.3lf"),
    real_item(&OtherForceRow::height, "%1.3lf"),
};

constexpr Item<SteelPipeRow> kKokanItems[] = {
    real_item(&SteelPipeRow::diameter, "%1.2lf"),
    real_item(&SteelPipeRow::thickness, "%1.1lf"),
    real_item(&SteelPipeRow::joint, "%1.1lf"),
};

using SL = SoilLayerRow;
constexpr Item<SL> kSoilItems[] = {
    real_item(&SL::top, "%1.2lf"),
    real_item(&SL::wet_weight, "%1.3lf"),
    real_item(&SL::submerged_weight, "%1.3lf"),
    real_item(&SL::saturated_weight, "%1.3lf"),
    real_item(&SL::friction_angle, "%1.1lf"),
    real_item(&SL::cohesion, "%1.3lf"),
    real_item(&SL::cohesion_increase, "%1.3lf"),
    int_item(&SL::resistance_option),
    real_item(&SL::n_value, "%1.1lf"),
    real_item(&SL::kh, "%1.1lf"),
};

constexpr Item<GroundPoint> kTikeiItems[] = {
    real_item(&GroundPoint::distance, "%1.3lf"),
    real_item(&GroundPoint::level, "%1.3lf"),
};

constexpr Item<FillRow> kMoridItems[] = {
    real_item(&FillRow::top, "%1.2lf"),
    real_item(&FillRow::wet_weight, "%1.3lf"),
    real_item(&FillRow::submerged_weight, "%1.3lf"),
    real_item(&FillRow::saturated_weight, "%1.3lf"),
};

// "wlvl_" items 1-6; items 7-10 are the hb of the tide levels.
using WC = WaveConditions;
constexpr Item<WC> kWlvlItems[] = {
    int_item(&WC::depth_rule),   real_item(&WC::d, "%1.2lf"), real_item(&WC::h_dash, "%1.2lf"),
    real_item(&WC::h, "%1.2lf"), int_item(&WC::hb_rule),      real_item(&WC::slope_x, "%1.2lf"),
};
constexpr std::size_t kWlvlHbFirstItem = 7;

using TL = TideLevelRow;
constexpr Item<TL> kTideItems[] = {
    int_item(&TL::breaking_influence),
    real_item(&TL::h13, "%1.2lf"),
    real_item(&TL::hmax, "%1.2lf"),
    int_item(&TL::wave_length_method),
    real_item(&TL::period, "%1.2lf"),
    real_item(&TL::wave_length, "%1.2lf"),
    real_item(&TL::incidence_angle, "%1.2lf"),
};

using WF = WallFriction;
constexpr Item<WF> kAdd1Items[] = {
    real_item(&WF::normal_active),
    real_item(&WF::normal_passive),
    real_item(&WF::seismic_active),
    real_item(&WF::seismic_passive),
};

// The 14 switches of "swdat", all integers.
using CS = CalcSwitches;
constexpr Item<CS> kSwdatItems[] = {
    int_item(&CS::design_standard),
    int_item(&CS::embedment_method),
    int_item(&CS::decide_by_stress),
    int_item(&CS::decide_by_displacement),
    int_item(&CS::decide_by_seabed_reaction),
    int_item(&CS::completed_cases),
    int_item(&CS::ground_shape),
    int_item(&CS::surcharge_mode),
    int_item(&CS::decision_code),
    int_item(&CS::residual_level_seismic),
    int_item(&CS::clay_seismic_formula),
    int_item(&CS::earth_pressure_method),
    int_item(&CS::studies),
    int_item(&CS::lwl_seismic),
};

void read_swdat(const KeyLine& l, InputRecord& in) {
    CalcSwitches& s = in.swdat;
    read_items(l, kSwdatItems, s);
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

void read_neire(const KeyLine& l, InputRecord& in) {
    EmbedmentConditions& n = in.neire;
    read_items(l, kLateralItems, n.sea, kNeireSeaFirstItem);
    read_items(l, kNeireSeismicItems, n, kNeireSeismicFirstItem);
    read_items(l, kLateralItems, n.land, kNeireLandFirstItem);
}

void read_fsyok(const KeyLine& l, InputRecord& in) {
    CorrosionData& f = in.fsyok;
    for (std::size_t i = 0; i < f.sea_rates.size(); ++i)
        f.sea_rates[i] = l.real(1 + i);
    for (std::size_t i = 0; i < f.land_rates.size(); ++i)
        f.land_rates[i] = l.real(5 + i);
    f.allowance_water = l.real(8);
    f.allowance_land = l.real(9);
    f.service_life = l.integer(10);
    f.reduction_sea_water = l.real(11);
    f.reduction_seabed_mud = l.real(12);
    f.check_range = l.integer(13);
}

// Ids up to the first empty item, appended to the list.
void read_pile_ids(const KeyLine& l, PileIdList& list) {
    for (std::size_t item = 1; item < l.line.fields.size(); ++item) {
        if (l.line.field(item).empty()) break;
        const int row = next_row(list.count, kMaxPileIds, l.key);
        list.ids[static_cast<std::size_t>(row)] = l.integer(item);
    }
}

// A row key: the line fills the next row of its table.
template <class Row, std::size_t Room, std::size_t N>
void read_row(const KeyLine& l, const Item<Row> (&items)[N], std::array<Row, Room>& rows,
              int& count) {
    read_items(l, items,
               rows[static_cast<std::size_t>(next_row(count, static_cast<int>(Room), l.key))]);
}

void read_force(const KeyLine& l, std::array<OtherForceRow, kMaxOtherForceRows>& rows, int& count) {
    OtherForceRow& r = rows[static_cast<std::size_t>(next_row(count, kMaxOtherForceRows, l.key))];
    r.name = l.text(0);
    read_items(l, kForceItems, r);
}

void read_wlvl(const KeyLine& l, InputRecord& in) {
    WaveConditions& w = in.wlvl;
    read_items(l, kWlvlItems, w);
    for (int k = 0; k < kTideLevelCount; ++k)
        w.hb[k] = l.real(kWlvlHbFirstItem + k);
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
        {kTitleKey, [](const KeyLine& l, InputRecord& in) { in.title = l.text(0); }},
        {kSwitchesKey, read_swdat},
        {kWaveSwitchesKey, read_wavsw},
        {kConditionsKey,
         [](const KeyLine& l, InputRecord& in) { read_items(l, kJokenItems, in.joken); }},
        {kAddedConditionsKey,
         [](const KeyLine& l, InputRecord& in) { read_items(l, kTjkn1Items, in.tjkn1); }},
        {kEmbedmentKey, read_neire},
        {kCorrosionKey, read_fsyok},
        {kJointEfficiencyKey,
         [](const KeyLine& l, InputRecord& in) { read_items(l, kTugitItems, in.tugit); }},
        {kCataloguePilesKey,
         [](const KeyLine& l, InputRecord& in) { read_pile_ids(l, in.catalogue_piles); }},
        {kAddedPilesKey,
         [](const KeyLine& l, InputRecord& in) { read_pile_ids(l, in.added_piles); }},
        {kSurchargeKey,
         [](const KeyLine& l, InputRecord& in) {
             read_row(l, kJosaiItems, in.surcharges, in.surcharge_count);
         }},
        {kNormalForceKey,
         [](const KeyLine& l, InputRecord& in) {
             read_force(l, in.forces_normal, in.force_normal_count);
         }},
        {kSeismicForceKey,
         [](const KeyLine& l, InputRecord& in) {
             read_force(l, in.forces_seismic, in.force_seismic_count);
         }},
        {kSteelPipeKey,
         [](const KeyLine& l, InputRecord& in) {
             read_row(l, kKokanItems, in.steel_pipes, in.steel_pipe_count);
         }},
        {kLandLayerKey,
         [](const KeyLine& l, InputRecord& in) {
             read_row(l, kSoilItems, in.land_layers, in.land_layer_count);
         }},
        {kSeaLayerKey,
         [](const KeyLine& l, InputRecord& in) {
             read_row(l, kSoilItems, in.sea_layers, in.sea_layer_count);
         }},
        {kGroundPointKey,
         [](const KeyLine& l, InputRecord& in) {
             read_row(l, kTikeiItems, in.ground_points, in.ground_point_count);
         }},
        {kFillKey, [](const KeyLine& l,
                      InputRecord& in) { read_row(l, kMoridItems, in.fills, in.fill_count); }},
        {kWaveConditionsKey, read_wlvl},
        {kTideLevelKeys[0],
         [](const KeyLine& l, InputRecord& in) {
             read_items(l, kTideItems, in.tide_levels[kTideHhwl]);
         }},
        {kTideLevelKeys[1],
         [](const KeyLine& l, InputRecord& in) {
             read_items(l, kTideItems, in.tide_levels[kTideHwl]);
         }},
        {kTideLevelKeys[2],
         [](const KeyLine& l, InputRecord& in) {
             read_items(l, kTideItems, in.tide_levels[kTideLwl]);
         }},
        {kTideLevelKeys[3],
         [](const KeyLine& l, InputRecord& in) {
             read_items(l, kTideItems, in.tide_levels[kTideUser]);
         }},
        {kEmbedmentOptionsKey,
         [](const KeyLine& l, InputRecord& in) { read_items(l, kNirtItems, in.nir_t); }},
        {kStaticWaterKey,
         [](const KeyLine& l, InputRecord& in) { in.static_water = l.integer(1); }},
        {kVersionKey,
         [](const KeyLine& l, InputRecord& in) {
             in.version_text = l.text(0);
             in.version_number = l.integer(1);
         }},
        {kWallFrictionKey,
         [](const KeyLine& l, InputRecord& in) { read_items(l, kAdd1Items, in.add_1); }},
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
            stop_with_error("(ERROR)-データファイル(" + file_name + ")がオープンできません.");
        }
        stop_with_error(ErrorCode::NoDataFile);
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
            if (std::string_view(entry.key) == kAddedConditionsKey) added_conditions_met = true;
            break;
        }
    }
    if (reader.failed()) {
        stop_with_error("(ERROR)-データファイル(" + file_name + ")が読み込めません.");
    }
    if (!added_conditions_met) fill_added_conditions(input);
}

static_assert(kTideLevelKeys.size() == kTideLevelCount);

// ---- writer ----

namespace {

class KeyWriter {
  public:
    explicit KeyWriter(const char* key) : text_(key) {}
    KeyWriter& quoted(const std::string& text) {
        text_ += ',';
        text_ += quoted_csv_text(text);
        return *this;
    }
    KeyWriter& integer(int value) { return item("%d", value); }
    KeyWriter& real(const char* format, double value) { return item(format, value); }
    // The group's items in their reference formats.
    template <class Group, std::size_t N>
    KeyWriter& items(const Item<Group> (&list)[N], const Group& group) {
        for (const Item<Group>& i : list) {
            if (i.integer != nullptr) {
                integer(group.*i.integer);
            } else {
                real(i.format, group.*i.real);
            }
        }
        return *this;
    }
    const std::string& text() const { return text_; }

  private:
    template <typename T> KeyWriter& item(const char* format, T value) {
        text_ += ',';
        text_ += format_text(format, value);
        return *this;
    }
    std::string text_;
};

// The file always carries the submerged weight of a soil layer or a fill as
// the saturated weight less the unit weight of water, 10.0 kN/m3, whatever
// the row's own field holds.
constexpr double kWaterUnitWeight = 10.0;

template <class Row> Row with_submerged_from_saturated(Row row) {
    row.submerged_weight = row.saturated_weight - kWaterUnitWeight;
    return row;
}

// One line per row of a table: the rows up to the count.
template <class Row, std::size_t Room, std::size_t N>
void write_rows(std::FILE* f, const char* key, const Item<Row> (&items)[N],
                const std::array<Row, Room>& rows, int count) {
    for (int i = 0; i < count; ++i) {
        write_crlf_line(f, KeyWriter(key).items(items, rows[static_cast<std::size_t>(i)]).text());
    }
}

void write_soil_rows(std::FILE* f, const char* key,
                     const std::array<SoilLayerRow, kMaxSoilLayerRows>& rows, int count) {
    for (int i = 0; i < count; ++i) {
        const SoilLayerRow row = with_submerged_from_saturated(rows[static_cast<std::size_t>(i)]);
        write_crlf_line(f, KeyWriter(key).items(kSoilItems, row).text());
    }
}

void write_force_rows(std::FILE* f, const char* key,
                      const std::array<OtherForceRow, kMaxOtherForceRows>& rows, int count) {
    for (int i = 0; i < count; ++i) {
        const OtherForceRow& r = rows[static_cast<std::size_t>(i)];
        write_crlf_line(f, KeyWriter(key).quoted(r.name).items(kForceItems, r).text());
    }
}

void write_pile_ids(std::FILE* f, const char* key, const PileIdList& list) {
    for (int first = 0; first < list.count; first += kPileIdsPerLine) {
        KeyWriter w(key);
        for (int i = first; i < list.count && i < first + kPileIdsPerLine; ++i)
            w.integer(list.ids[i]);
        write_crlf_line(f, w.text());
    }
}

} // namespace

int write_input(const InputRecord& in, const std::string& name) {
    const std::string path = name + ".CAL";
    CFile file = open_file(path, "wt");
    if (!file) return 1;
    std::FILE* f = file.get();

    write_crlf_line(f, KeyWriter(kTitleKey).quoted(in.title).text());
    write_crlf_line(f, KeyWriter(kSwitchesKey).items(kSwdatItems, in.swdat).text());
    {
        const WaveSwitches& s = in.wavsw;
        KeyWriter w(kWaveSwitchesKey);
        w.quoted(s.user_tide_name).integer(s.wave_formula).integer(s.dissipating_works);
        w.real("%1.3lf", s.lambda1);
        for (int k = 0; k < kTideLevelCount; ++k)
            w.integer(s.examine[k]).integer(s.draw[k]);
        write_crlf_line(f, w.text());
    }
    write_crlf_line(f, KeyWriter(kConditionsKey).items(kJokenItems, in.joken).text());
    write_crlf_line(f, KeyWriter(kAddedConditionsKey).items(kTjkn1Items, in.tjkn1).text());
    write_crlf_line(f, KeyWriter(kEmbedmentKey)
                           .items(kLateralItems, in.neire.sea)
                           .items(kNeireSeismicItems, in.neire)
                           .items(kLateralItems, in.neire.land)
                           .text());
    {
        const CorrosionData& c = in.fsyok;
        KeyWriter w(kCorrosionKey);
        for (double rate : c.sea_rates)
            w.real("%1.3lf", rate);
        for (double rate : c.land_rates)
            w.real("%1.3lf", rate);
        w.real("%1.2lf", c.allowance_water)
            .real("%1.2lf", c.allowance_land)
            .integer(c.service_life);
        w.real("%1.0lf", c.reduction_sea_water)
            .real("%1.0lf", c.reduction_seabed_mud)
            .integer(c.check_range);
        write_crlf_line(f, w.text());
    }
    write_crlf_line(f, KeyWriter(kJointEfficiencyKey).items(kTugitItems, in.tugit).text());
    write_pile_ids(f, kCataloguePilesKey, in.catalogue_piles);
    write_pile_ids(f, kAddedPilesKey, in.added_piles);
    write_rows(f, kSurchargeKey, kJosaiItems, in.surcharges, in.surcharge_count);
    write_force_rows(f, kNormalForceKey, in.forces_normal, in.force_normal_count);
    write_force_rows(f, kSeismicForceKey, in.forces_seismic, in.force_seismic_count);
    write_rows(f, kSteelPipeKey, kKokanItems, in.steel_pipes, in.steel_pipe_count);
    write_soil_rows(f, kLandLayerKey, in.land_layers, in.land_layer_count);
    write_soil_rows(f, kSeaLayerKey, in.sea_layers, in.sea_layer_count);
    write_rows(f, kGroundPointKey, kTikeiItems, in.ground_points, in.ground_point_count);
    for (int i = 0; i < in.fill_count; ++i) {
        const FillRow row = with_submerged_from_saturated(in.fills[static_cast<std::size_t>(i)]);
        write_crlf_line(f, KeyWriter(kFillKey).items(kMoridItems, row).text());
    }
    {
        KeyWriter w(kWaveConditionsKey);
        w.items(kWlvlItems, in.wlvl);
        for (int k = 0; k < kTideLevelCount; ++k)
            w.real("%1.2lf", in.wlvl.hb[k]);
        write_crlf_line(f, w.text());
    }
    for (int k = 0; k < kTideLevelCount; ++k) {
        if (in.wavsw.examine[k] == file_code(YesNo::No)) continue;
        write_crlf_line(f,
                        KeyWriter(kTideLevelKeys[k]).items(kTideItems, in.tide_levels[k]).text());
    }

    // A failed write must not look like a written file.
    return close_written(file) ? 0 : 1;
}

} // namespace wtn
