#include "gairyok_wave.h"

#include "format_values.h"
#include "text_lines.h"
#include "tide_level_switches.h"

#include <string>

namespace wtn {
void write_gairyok_wave_section(std::FILE* file, const WaveBlock& block, const WaveLandRows& land,
                                double seabed, bool still_water_on) {
    write_crlf_line(file, wave_block_label(kTideLevelNames[block.tide_level], block.case_index));
    write_values_line(file, "%d,%d,%d", land.seabed_index, land.count, block.forces.count);
    for (int i = 0; i < land.count; ++i) {
        write_force_layer_row(file, land.rows[i]);
    }
    for (int i = 0; i < block.forces.count; ++i) {
        const PressureSegment& f = block.forces.rows[i];
        write_values_line(file, "%f,%f", f.lever_arm, f.force);
    }
    const WaveResultant& r = block.resultant;
    write_values_line(file, "%f,%f,%f", r.total_force, r.total_moment, r.resultant_height);
    write_values_line(file, "%f,%f", seabed, 0.0);
    if (still_water_on) write_values_line(file, "%f,%f", block.still.lever_arm, block.still.force);
}

} // namespace wtn
