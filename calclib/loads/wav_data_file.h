// WAV_DATA.PRN: every value of the construction-stage wave calculation, one
// block per examined tide level and case, handed to the wave-pressure report.
// Code page 932 text with CR LF line ends; numbers in the C formats "%lf" (six
// decimals) and "%d", separated by single commas; lines beginning with "#"
// name the next section.
#pragma once

#include "text_lines.h"
#include "wall_codes.h"
#include "wave_records.h"

#include <cstdio>

namespace wtn {

inline constexpr const char* kWavDataFileName = "WAV_DATA.PRN";

// Everything of one tide level and case.
struct WaveBlock {
    int tide_level = 0; // kTideHhwl .. kTideUser
    int case_index = 0; // kCaseNormal or kCaseSeismic
    WaveFormula formula = WaveFormula::Goda;
    WaveCommon common;
    GodaValues goda;                // Goda's formula
    KurodaHiroiValues kuroda_hiroi; // the Kuroda / Hiroi formulas
    WaveDiagram diagram;
    WaveForces forces;
    PressureSegment still; // still water from the tide level down to the construction seabed,
                           // all 0 when the still-water pressure is off
    WaveResultant resultant;
};

// Appends one block: counts, wave data, the level and case line, the formula's
// values, the diagram rows, the force pieces, the still water and the
// resultant.
void write_wav_data_section(std::FILE* file, const WaveBlock& block);

// Reads the next block written by write_wav_data_section; formula says which
// formula section the block holds (the wave-formula switch of the input). The
// level and case line is skipped, so tide_level and case_index are left as
// they are. Returns false when the file ends inside the block, a count
// exceeds the diagram's or the force table's room, or a value is infinite or
// not a number.
bool read_wave_block(LineReader& reader, WaveFormula formula, WaveBlock& block);

} // namespace wtn
