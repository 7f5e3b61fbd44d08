#include "wav_data_file.h"

#include "csv_line.h"
#include "tide_level_switches.h"
#include "value_lines.h"

#include <cmath>
#include <string>

namespace wtn {
namespace {

// This file names the user-named level "任意潮位面".
const char* const kUserLevelName = "任意潮位面";

// Each data line of the file is described once (value_lines.h).
template <class Io, class B> constexpr void counts_values(Io& io, B& block) {
    io.field(block.diagram.count);
    io.field(block.forces.count);
    io.field(block.diagram.wall_top_row);
    io.field(block.diagram.h_dash_row);
    io.field(block.diagram.first_loaded_row);
}

template <class Io, class W> constexpr void common_values_1(Io& io, W& w) {
    io.field(w.wave_height);
    io.field(w.significant_height);
    io.field(w.tide_level);
    io.field(w.depth_h);
    io.field(w.depth_h_dash);
}

template <class Io, class W> constexpr void common_values_2(Io& io, W& w) {
    io.field(w.depth_d);
    io.field(w.incidence_angle);
    io.field(w.wave_length);
    io.field(w.water_unit_weight);
}

template <class Io, class G> constexpr void goda_values_1(Io& io, G& g) {
    io.field(g.breaking_depth);
    io.field(g.crest_height);
    io.field(g.p1);
    io.field(g.p2);
    io.field(g.p3);
}

template <class Io, class G> constexpr void goda_values_2(Io& io, G& g) {
    io.field(g.alpha1);
    io.field(g.alpha2a);
    io.field(g.alpha2b);
    io.field(g.alpha2);
    io.field(g.alpha2_choice);
    io.field(g.alpha3);
}

template <class Io, class K> constexpr void kuroda_hiroi_values_1(Io& io, K& k) {
    io.field(k.breaking);
    io.field(k.wide_angle);
    io.field(k.depth_used);
}

template <class Io, class K> constexpr void kuroda_hiroi_values_2(Io& io, K& k) {
    io.field(k.pressure);
    io.field(k.pressure_at_tide);
    io.field(k.pressure_at_depth);
    io.field(k.level_rise);
}

template <class Io, class R> constexpr void layer_row_values(Io& io, R& r) {
    io.field(r.kind);
    io.field(r.level);
    io.field(r.height);
    io.field(r.top);
    io.field(r.bottom);
}

// A force piece takes two lines: its kind and where it acts, then what it
// carries. The still water, always a triangle, takes one line without kind.
template <class Io, class F> constexpr void force_values_1(Io& io, F& f) {
    io.field(f.kind);
    segment_position_fields(io, f);
}

template <class Io, class F> constexpr void force_values_2(Io& io, F& f) {
    segment_load_fields(io, f);
}

template <class Io, class S> constexpr void still_water_values(Io& io, S& s) {
    segment_position_fields(io, s);
    segment_load_fields(io, s);
}

template <class Io, class R> constexpr void resultant_values(Io& io, R& r) {
    io.field(r.total_force);
    io.field(r.total_moment);
    io.field(r.resultant_height);
    io.field(r.wave_force);
    io.field(r.wave_moment);
}

static_assert(value_count<WaveBlock>(counts_values) == 5);
static_assert(value_count<WaveCommon>(common_values_1) == 5);
static_assert(value_count<WaveCommon>(common_values_2) == 4);
static_assert(value_count<GodaValues>(goda_values_1) == 5);
static_assert(value_count<GodaValues>(goda_values_2) == 6);
static_assert(value_count<KurodaHiroiValues>(kuroda_hiroi_values_1) == 3);
static_assert(value_count<KurodaHiroiValues>(kuroda_hiroi_values_2) == 4);
static_assert(value_count<WaveLayerRow>(layer_row_values) == 5);
static_assert(value_count<PressureSegment>(force_values_1) == 4);
static_assert(value_count<PressureSegment>(force_values_2) == 4);
static_assert(value_count<PressureSegment>(still_water_values) == 7);
static_assert(value_count<WaveResultant>(resultant_values) == 5);

void write_wav_counts(std::FILE* file, const WaveBlock& block) {
    write_crlf_line(file, "#  層分割数,水平力数,天端位置NO,海底面位置NO");
    write_values(file, counts_values, block);
}

// A section of a heading and the two value lines of one record.
template <class T>
void write_two_line_section(std::FILE* file, const char* heading,
                            void (*first)(ValuesWriter&, const T&),
                            void (*second)(ValuesWriter&, const T&), const T& record) {
    write_crlf_line(file, heading);
    write_values(file, first, record);
    write_values(file, second, record);
}

void write_wav_layer_pressures(std::FILE* file, const WaveDiagram& d) {
    write_crlf_line(file, "#  各層毎の波圧強度  層数+1");
    for (int i = 0; i <= d.count; ++i)
        write_values(file, layer_row_values, d.rows[i]);
}

void write_wav_forces(std::FILE* file, const WaveForces& forces, const PressureSegment& s) {
    write_crlf_line(file, "#  個々の水平力・モーメント");
    for (int i = 0; i < forces.count; ++i) {
        write_values(file, force_values_1, forces.rows[i]);
        write_values(file, force_values_2, forces.rows[i]);
    }
    write_crlf_line(file, "#  静水圧");
    write_values(file, still_water_values, s);
}

void write_wav_resultant(std::FILE* file, const WaveResultant& r) {
    write_crlf_line(file, "#  合力・合力の作用位置");
    write_values(file, resultant_values, r);
}

// The next data line; heading lines are passed over. A field that reads as
// infinite or not a number ("inf", "nan", an exponent beyond double) makes
// the line unreadable: the report would print it as a result.
bool next_values(LineReader& reader, CsvLine& line) {
    for (;;) {
        const int kind = read_csv_line(reader, line);
        if (kind == kCsvEndOfFile) return false;
        if (kind == kCsvData) break;
    }
    for (const std::string& field : line.fields) {
        if (!std::isfinite(text_to_real(field))) return false;
    }
    return true;
}

// Reads the next data line into record through its value list; false at
// the end of the file.
template <class T>
bool read_values(LineReader& reader, void (*fields)(ValuesReader&, T&), T& record) {
    CsvLine line;
    if (!next_values(reader, line)) return false;
    ValuesReader io(line);
    fields(io, record);
    return true;
}

} // namespace

void write_wav_data_section(std::FILE* file, const WaveBlock& block) {
    write_wav_counts(file, block);
    write_two_line_section(file, "#  共通項目", common_values_1, common_values_2, block.common);
    const char* level_name =
        block.tide_level == kTideUser ? kUserLevelName : kTideLevelNames[block.tide_level];
    write_crlf_line(file, wave_block_label(level_name, block.case_index));
    if (block.formula == WaveFormula::Goda) {
        write_two_line_section(file, "#  合田式", goda_values_1, goda_values_2, block.goda);
    } else {
        write_two_line_section(file, "#  黒田／広井「森平」式", kuroda_hiroi_values_1,
                               kuroda_hiroi_values_2, block.kuroda_hiroi);
    }
    write_wav_layer_pressures(file, block.diagram);
    write_wav_forces(file, block.forces, block.still);
    write_wav_resultant(file, block.resultant);
}

bool read_wave_block(LineReader& reader, WaveFormula formula, WaveBlock& block) {
    block.formula = formula;

    if (!read_values(reader, counts_values, block)) return false;
    const WaveDiagram& d = block.diagram;
    if (d.count < 0 || d.count >= kWaveRowRoom) return false;
    if (block.forces.count < 0 || block.forces.count > kWaveForceRoom) return false;
    // The report indexes the diagram by these rows; -1 means "none".
    for (const int row : {d.wall_top_row, d.h_dash_row, d.first_loaded_row}) {
        if (row < -1 || row > d.count) return false;
    }

    if (!read_values(reader, common_values_1, block.common)) return false;
    if (!read_values(reader, common_values_2, block.common)) return false;
    if (formula == WaveFormula::Goda) {
        if (!read_values(reader, goda_values_1, block.goda)) return false;
        if (!read_values(reader, goda_values_2, block.goda)) return false;
    } else {
        if (!read_values(reader, kuroda_hiroi_values_1, block.kuroda_hiroi)) return false;
        if (!read_values(reader, kuroda_hiroi_values_2, block.kuroda_hiroi)) return false;
    }
    for (int i = 0; i <= d.count; ++i)
        if (!read_values(reader, layer_row_values, block.diagram.rows[i])) return false;
    for (int i = 0; i < block.forces.count; ++i) {
        if (!read_values(reader, force_values_1, block.forces.rows[i])) return false;
        if (!read_values(reader, force_values_2, block.forces.rows[i])) return false;
    }
    if (!read_values(reader, still_water_values, block.still)) return false;
    if (!read_values(reader, resultant_values, block.resultant)) return false;
    return true;
}

} // namespace wtn
