// The corroded-section chart FYAITA.PZK of a catalogue steel sheet pile: the
// section modulus after corrosion Z = Z0 - a(t2/t1) t1 against the larger
// corrosion allowance t1, one line for each of the five ratios t2/t1 of the
// catalogue's corrosion table, a second axis of Z / Z0 in per cent, and the
// decided pile's point in each corroded zone. Its content does not depend on
// the case, so a run writes it once.
#pragma once

#include "corrosion_chart_table.h"
#include "report_state.h"

namespace wtn {

inline constexpr const char* kCorrodedSectionChartFile = "FYAITA.PZK";

// True when the decided pile has a corroded-section chart: a steel sheet
// pile (not a pipe) from an installed catalogue, with corrosion. The same
// test decides the chart and the page line that names it.
bool has_corroded_section_chart(const StabilityReport& report);

// The caption of the chart: the section name put into every place of the
// format of the pile id's family.
std::string corroded_section_caption(int pile_id, const std::string& name);

// Writes the chart of the decided pile from its table line.
void draw_corroded_section(const StabilityReport& report, const CorrosionChartLine& line);

} // namespace wtn
