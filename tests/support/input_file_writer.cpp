#include "input_file_writer.h"

#include "cal_file_keys.h"
#include "csv_line.h"
#include "file_io.h"
#include "format_values.h"
#include "input_items.h"
#include "text_lines.h"
#include "wall_codes.h"

#include <cstdio>

namespace wtn {

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
            if (i.is_integer()) {
                integer(i.get_integer(group));
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
        w.quoted(s.user_tide_name).items(kWavswItems, s);
        for (int k = 0; k < kTideLevelCount; ++k)
            w.integer(to_file_value(s.examine[k])).integer(to_file_value(s.draw[k]));
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
            w.real(kCorrosionRateFormat, rate);
        for (double rate : c.land_rates)
            w.real(kCorrosionRateFormat, rate);
        w.items(kFsyokTailItems, c);
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
        if (in.wavsw.examine[k] == YesNo::No) continue;
        write_crlf_line(f,
                        KeyWriter(kTideLevelKeys[k]).items(kTideItems, in.tide_levels[k]).text());
    }

    // A failed write must not look like a written file.
    return close_written(file) ? 0 : 1;
}

} // namespace wtn
