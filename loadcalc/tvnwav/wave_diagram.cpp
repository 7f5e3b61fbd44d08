#include "wave_diagram.h"

#include "error_messages.h"
#include "rounding.h"

#include <cmath>

namespace wtn {
namespace {

void shift_kept_index(int& index, int inserted) {
    if (index >= inserted) ++index;
}

} // namespace

int insert_wave_level(WaveDiagram& diagram, double z) {
    auto& rows = diagram.rows;
    const int c = diagram.count;
    int i = 0;
    while (i < c && !(rows[i].level >= z && z > rows[i + 1].level))
        ++i;
    if (i >= c) return -1;
    if (std::fabs(rows[i].level - z) < kWaveRowMergeTolerance) return i;
    // A level just above the next row is that row too, so no sliver segment
    // thinner than the tolerance is ever made.
    if (std::fabs(rows[i + 1].level - z) < kWaveRowMergeTolerance) return i + 1;
    if (c + 1 >= kWaveRowRoom) stop_with_wave_error(WaveErrorCode::PressureRows);

    // Rows i+1..c move one place down; each keeps its own kind.
    for (int j = c; j >= i + 1; --j) {
        rows[j + 1].level = rows[j].level;
        rows[j + 1].height = rows[j].height;
        rows[j + 1].top = rows[j].top;
        rows[j + 1].bottom = rows[j].bottom;
    }
    const double v = round_dec(
        (rows[i].level - z) / rows[i].height * (rows[i].bottom - rows[i].top) + rows[i].top, 3);
    rows[i + 1].level = z;
    rows[i + 1].height = z - rows[i + 2].level;
    rows[i + 1].top = v;
    rows[i + 1].bottom = rows[i].bottom;
    rows[i].height = rows[i].level - z;
    rows[i].bottom = v;
    diagram.count = c + 1;
    shift_kept_index(diagram.wall_top_row, i + 1);
    shift_kept_index(diagram.h_dash_row, i + 1);
    return i + 1;
}

int find_wave_level(const WaveDiagram& diagram, double z) {
    for (int i = 0; i <= diagram.count; ++i) {
        if (std::fabs(diagram.rows[i].level - z) < kWaveLevelTolerance) return i;
    }
    return -1;
}

int first_loaded_level(const WaveDiagram& diagram) {
    for (int i = 0; i <= diagram.count; ++i) {
        if (diagram.rows[i].top > 0.0) return i;
    }
    return -1;
}

int locate_wave_level(WaveDiagram& diagram, double z) {
    const int index = insert_wave_level(diagram, z);
    if (index >= 0) return index;
    return find_wave_level(diagram, z);
}

} // namespace wtn
