// The wave-pressure chapter of one examined tide level and case: wave length,
// design wave height, the pressures by Goda's or the Kuroda / Hiroi
// (Morihira) formulas, the still-water pressure, the forces with their lever
// arms and moments, the force summary, the height of the resultant and the
// wave-load drawing.
#pragma once

#include "wave_report.h"

#include <string>

namespace wtn {

// The tide level's name as the report prints it: "H.H.W.L.", "H.W.L.",
// "L.W.L." or the user's name of the fourth level (code page 932, unescaped).
std::string report_level_name(const InputRecord& input, int level);

// The chapter's title line: "施工時-%-8s:波圧" with system switch 0, else
// "%-8s-%6s:波圧" with the case name.
std::string wave_chapter_title(const WaveReport& report, const ReportedBlock& reported);

// Writes JW%d02HAT.PDT of the block and its drawing HMOMNTZ%1d.PZK.
void write_wave_chapter(WaveReport& report, const ReportedBlock& reported);

} // namespace wtn
