#include "input_file.h"

#include "cal_file_keys.h"
#include "csv_line.h"
#include "error_messages.h"
#include "file_io.h"
#include "input_items.h"
#include "number_field.h"
#include "text_lines.h"
#include "text_trim.h"
#include "wall_codes.h"

#include <cmath>
#include <cstdio>
#include <functional>
#include <optional>
#include <string_view>

namespace wtn {

namespace {

// One data line with the key it was filed under and its line number, for
// messages. The front end writes every item of a key as a number, so a field
// that is empty, missing or no number can only be damage: read as 0 it would
// describe another wall. A number beyond what the front end's boxes can hold
// (an infinite one included) is damage too and would poison every result.
struct KeyLine {
    std::string key;
    const CsvLine& line;
    std::size_t line_number;

    double real(std::size_t item, double limit = kBoxLimit) const {
        const double value = number(item);
        if (!(std::fabs(value) <= limit)) stop_item(ErrorCode::InputOutOfRange, item);
        return value;
    }
    int integer(std::size_t item) const {
        const double value = number(item);
        if (value != std::trunc(value)) stop_item(ErrorCode::InputNotWhole, item);
        if (std::fabs(value) > kIntegerItemLimit) stop_item(ErrorCode::InputOutOfRange, item);
        return static_cast<int>(value);
    }
    const std::string& text(std::size_t i) const { return line.text(i); }

    // The finite number the whole field holds; a blank, missing or infinite
    // field stops the program.
    double number(std::size_t item) const {
        const std::optional<double> value = whole_number(line.field(item));
        if (!value) stop_item(ErrorCode::InputNotNumber, item);
        return *value;
    }
    [[noreturn]] void stop_item(ErrorCode code, std::size_t item) const {
        stop_with_error(input_error_text(code, key, item, line_number));
    }
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

// Items first_item, first_item + 1, ... of the line into the group's fields.
template <class Group, std::size_t N>
void read_items(const KeyLine& l, const Item<Group> (&items)[N], Group& group,
                std::size_t first_item = 1) {
    for (std::size_t k = 0; k < N; ++k) {
        const Item<Group>& item = items[k];
        if (item.is_integer()) {
            item.set_integer(group, l.integer(first_item + k));
        } else {
            group.*item.real = l.real(first_item + k, item.limit);
        }
    }
}

void read_swdat(const KeyLine& l, InputRecord& in) {
    CalcSwitches& s = in.swdat;
    read_items(l, kSwdatItems, s);
    // Two switches the programs test only for their listed values: a value
    // outside the list is held as the completed state alone, and as the
    // first rule.
    if (!is_listed(s.studies)) s.studies = Studies::CompletedOnly;
    if (!is_listed(s.lwl_seismic)) s.lwl_seismic = LevelSeismicRule::AirAboveApparentBelow;
}

void read_wavsw(const KeyLine& l, InputRecord& in) {
    WaveSwitches& w = in.wavsw;
    w.user_tide_name = l.text(0);
    read_items(l, kWavswItems, w);
    for (int k = 0; k < kTideLevelCount; ++k) {
        w.examine[k] = from_file_value<YesNo>(l.integer(kWavswTideFirstItem + 2 * k));
        w.draw[k] = from_file_value<YesNo>(l.integer(kWavswTideFirstItem + 2 * k + 1));
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
        f.sea_rates[i] = l.real(kFsyokSeaFirstItem + i);
    for (std::size_t i = 0; i < f.land_rates.size(); ++i)
        f.land_rates[i] = l.real(kFsyokLandFirstItem + i);
    read_items(l, kFsyokTailItems, f, kFsyokTailFirstItem);
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

// The adopted embedment depth and pile length of the results dialog (boxes
// of four digits before the point, "###0.000"). The programs take them from
// CAL_NEI.DAT, but a damaged line is damage of the file all the same.
constexpr double kAdoptedLimit = kBoxLimit;

constexpr std::size_t kKeyCount = 28;

const std::array<KeyEntry, kKeyCount>& key_table() {
    static const std::array<KeyEntry, kKeyCount> table = {{
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
         [](const KeyLine& l, InputRecord& in) {
             in.static_water = from_file_value<StaticWater>(l.integer(1));
         }},
        {kVersionKey,
         [](const KeyLine& l, InputRecord& in) {
             in.version_text = l.text(0);
             in.version_number = l.integer(1);
         }},
        {kWallFrictionKey,
         [](const KeyLine& l, InputRecord& in) { read_items(l, kAdd1Items, in.add_1); }},
        {kAdoptedLengthKey,
         [](const KeyLine& l, InputRecord&) {
             l.real(1, kAdoptedLimit);
             l.real(2, kAdoptedLimit);
         }},
    }};
    return table;
}

// The version the front end writes on the "versi" line of every input file
// (its text and number), and the keys it always writes with it. A file of
// that version (or one holding the "caldt" line only the front end writes)
// that lacks one of these keys was cut or has lost a line: the defaults would
// silently stand in for the user's data (a lost "fsyok" line drops the
// corrosion). Files of earlier releases (another version text, version
// number 0 or no "versi" line) and hand-made ones may lack later keys and
// keep their defaults.
constexpr const char* kCurrentVersionText = "<2.00>";
constexpr int kCurrentVersionNumber = 1;
constexpr std::array<const char*, 14> kAlwaysWrittenKeys = {
    kVersionKey,         kTitleKey,           kSwitchesKey,      kWaveSwitchesKey,
    kConditionsKey,      kAddedConditionsKey, kEmbedmentKey,     kCorrosionKey,
    kJointEfficiencyKey, kWaveConditionsKey,  kAdoptedLengthKey, kEmbedmentOptionsKey,
    kStaticWaterKey,     kWallFrictionKey};

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

    std::array<bool, kKeyCount> met{};
    LineReader reader(file.get());
    CsvLine line;
    for (std::size_t line_number = 1;; ++line_number) {
        const int kind = read_csv_line(reader, line);
        if (kind == kCsvEndOfFile) break;
        // The front end ends every line; a last line without its end was cut
        // and may hold the first digits of a number (20000 cut to 200).
        if (!reader.line_ended()) {
            stop_with_error(input_error_text(ErrorCode::InputLineCut, "", 0, line_number));
        }
        if (kind == kCsvComment) continue;
        const std::string& field0 = line.field(0);
        for (std::size_t k = 0; k < kKeyCount; ++k) {
            const KeyEntry& entry = key_table()[k];
            if (!same_key(field0, entry.key)) continue;
            entry.parse(KeyLine{entry.key, line, line_number}, input);
            met[k] = true;
            break;
        }
    }
    if (reader.failed()) {
        stop_with_error("(ERROR)-データファイル(" + file_name + ")が読み込めません.");
    }
    auto was_met = [&](const char* key) {
        for (std::size_t k = 0; k < kKeyCount; ++k)
            if (std::string_view(key_table()[k].key) == key) return met[k];
        return false;
    };
    const bool current_release =
        (was_met(kVersionKey) && trim_blanks(input.version_text) == kCurrentVersionText &&
         input.version_number >= kCurrentVersionNumber) ||
        was_met(kAdoptedLengthKey);
    if (current_release) {
        for (const char* key : kAlwaysWrittenKeys)
            if (!was_met(key))
                stop_with_error(input_error_text(ErrorCode::InputKeyMissing, key, 0, 0));
    }
    if (!was_met(kAddedConditionsKey)) fill_added_conditions(input);
}

static_assert(kTideLevelKeys.size() == kTideLevelCount);

} // namespace wtn
