#include "wav_data_file.h"

#include "csv_line.h"
#include "format_values.h"

#include <cmath>
#include <string>

namespace wtn {
namespace {

// Level labels of this file; the user-named level reads "任意潮位面" here.
const char* const kLevelLabels[kTideLevelCount] = {
    "#  H.H.W.L.  ",
    "#  H.W.L.  ",
    "#  L.W.L.  ",
    "#  任意潮位面  ",
};

void write_wav_counts(std::FILE* file, const WaveBlock& block) {
    write_crlf_line(file, "#  層分割数,水平力数,天端位置NO,海底面位置NO");
    const WaveDiagram& d = block.diagram;
    write_values_line(file, "%d,%d,%d,%d,%d", d.count, block.forces.count, d.wall_top_row,
                      d.h_dash_row, d.first_loaded_row);
}

void write_wav_common(std::FILE* file, const WaveCommon& w) {
    write_crlf_line(file, "#  共通項目");
    write_values_line(file, "%f,%f,%f,%f,%f", w.wave_height, w.significant_height, w.tide_level,
                      w.depth_h, w.depth_h_dash);
    write_values_line(file, "%f,%f,%f,%f", w.depth_d, w.incidence_angle, w.wave_length,
                      w.water_unit_weight);
}

void write_wav_goda(std::FILE* file, const GodaValues& g) {
    write_crlf_line(file, "#  合田式");
    write_values_line(file, "%f,%f,%f,%f,%f", g.breaking_depth, g.crest_height, g.p1, g.p2, g.p3);
    write_values_line(file, "%f,%f,%f,%f,%d,%f", g.alpha1, g.alpha2a, g.alpha2b, g.alpha2,
                      g.alpha2_choice, g.alpha3);
}

void write_wav_kuroda_hiroi(std::FILE* file, const KurodaHiroiValues& k) {
    write_crlf_line(file, "#  黒田／広井「森平」式");
    write_values_line(file, "%d,%d,%f", k.breaking, k.wide_angle, k.depth_used);
    write_values_line(file, "%f,%f,%f,%f", k.pressure, k.pressure_at_tide, k.pressure_at_depth,
                      k.level_rise);
}

void write_wav_layer_pressures(std::FILE* file, const WaveDiagram& d) {
    write_crlf_line(file, "#  各層毎の波圧強度  層数+1");
    for (int i = 0; i <= d.count; ++i) {
        const WaveLayerRow& r = d.rows[i];
        write_values_line(file, "%d,%f,%f,%f,%f", r.kind, r.level, r.height, r.top, r.bottom);
    }
}

void write_wav_forces(std::FILE* file, const WaveForces& forces, const HydrostaticValues& s) {
    write_crlf_line(file, "#  個々の水平力・モーメント");
    for (int i = 0; i < forces.count; ++i) {
        const WaveForceRow& f = forces.rows[i];
        write_values_line(file, "%d,%f,%f,%f", f.kind, f.centroid_value, f.centroid_level,
                          f.lever_arm);
        write_values_line(file, "%f,%f,%f,%f", f.width, f.height, f.force, f.moment);
    }
    write_crlf_line(file, "#  静水圧");
    write_values_line(file, "%f,%f,%f,%f,%f,%f,%f", s.centroid_value, s.centroid_level, s.lever_arm,
                      s.width, s.height, s.force, s.moment);
}

void write_wav_resultant(std::FILE* file, const WaveResultant& r) {
    write_crlf_line(file, "#  合力・合力の作用位置");
    write_values_line(file, "%f,%f,%f,%f,%f", r.total_force, r.total_moment, r.resultant_height,
                      r.wave_force, r.wave_moment);
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

} // namespace

void write_wav_data_section(std::FILE* file, const WaveBlock& block) {
    write_wav_counts(file, block);
    write_wav_common(file, block.common);
    std::string label = kLevelLabels[block.tide_level];
    label += kCaseWords[block.case_index];
    write_crlf_line(file, label);
    if (block.formula == kFormulaGoda) {
        write_wav_goda(file, block.goda);
    } else {
        write_wav_kuroda_hiroi(file, block.kuroda_hiroi);
    }
    write_wav_layer_pressures(file, block.diagram);
    write_wav_forces(file, block.forces, block.still);
    write_wav_resultant(file, block.resultant);
}

bool read_wave_block(LineReader& reader, int formula, WaveBlock& block) {
    CsvLine line;
    block.formula = formula;

    if (!next_values(reader, line)) return false;
    WaveDiagram& d = block.diagram;
    d.count = line.integer(0);
    block.forces.count = line.integer(1);
    d.wall_top_row = line.integer(2);
    d.h_dash_row = line.integer(3);
    d.first_loaded_row = line.integer(4);
    if (d.count < 0 || d.count >= kWaveRowRoom) return false;
    if (block.forces.count < 0 || block.forces.count > kWaveForceRoom) return false;
    // The report indexes the diagram by these rows; -1 means "none".
    for (const int row : {d.wall_top_row, d.h_dash_row, d.first_loaded_row}) {
        if (row < -1 || row > d.count) return false;
    }

    WaveCommon& w = block.common;
    if (!next_values(reader, line)) return false;
    w.wave_height = line.real(0);
    w.significant_height = line.real(1);
    w.tide_level = line.real(2);
    w.depth_h = line.real(3);
    w.depth_h_dash = line.real(4);
    if (!next_values(reader, line)) return false;
    w.depth_d = line.real(0);
    w.incidence_angle = line.real(1);
    w.wave_length = line.real(2);
    w.water_unit_weight = line.real(3);

    if (formula == kFormulaGoda) {
        GodaValues& g = block.goda;
        if (!next_values(reader, line)) return false;
        g.breaking_depth = line.real(0);
        g.crest_height = line.real(1);
        g.p1 = line.real(2);
        g.p2 = line.real(3);
        g.p3 = line.real(4);
        if (!next_values(reader, line)) return false;
        g.alpha1 = line.real(0);
        g.alpha2a = line.real(1);
        g.alpha2b = line.real(2);
        g.alpha2 = line.real(3);
        g.alpha2_choice = line.integer(4);
        g.alpha3 = line.real(5);
    } else {
        KurodaHiroiValues& k = block.kuroda_hiroi;
        if (!next_values(reader, line)) return false;
        k.breaking = line.integer(0);
        k.wide_angle = line.integer(1);
        k.depth_used = line.real(2);
        if (!next_values(reader, line)) return false;
        k.pressure = line.real(0);
        k.pressure_at_tide = line.real(1);
        k.pressure_at_depth = line.real(2);
        k.level_rise = line.real(3);
    }

    for (int i = 0; i <= d.count; ++i) {
        if (!next_values(reader, line)) return false;
        WaveLayerRow& r = d.rows[i];
        r.kind = line.integer(0);
        r.level = line.real(1);
        r.height = line.real(2);
        r.top = line.real(3);
        r.bottom = line.real(4);
    }

    for (int i = 0; i < block.forces.count; ++i) {
        WaveForceRow& f = block.forces.rows[i];
        if (!next_values(reader, line)) return false;
        f.kind = line.integer(0);
        f.centroid_value = line.real(1);
        f.centroid_level = line.real(2);
        f.lever_arm = line.real(3);
        if (!next_values(reader, line)) return false;
        f.width = line.real(0);
        f.height = line.real(1);
        f.force = line.real(2);
        f.moment = line.real(3);
    }

    HydrostaticValues& s = block.still;
    if (!next_values(reader, line)) return false;
    s.centroid_value = line.real(0);
    s.centroid_level = line.real(1);
    s.lever_arm = line.real(2);
    s.width = line.real(3);
    s.height = line.real(4);
    s.force = line.real(5);
    s.moment = line.real(6);

    WaveResultant& r = block.resultant;
    if (!next_values(reader, line)) return false;
    r.total_force = line.real(0);
    r.total_moment = line.real(1);
    r.resultant_height = line.real(2);
    r.wave_force = line.real(3);
    r.wave_moment = line.real(4);
    return true;
}

} // namespace wtn
