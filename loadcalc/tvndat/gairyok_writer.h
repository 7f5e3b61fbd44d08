// The force file GAIRYOK.DAT of the completed state: the mode line "0", then
// one section per computed case with the sea-side layer rows below the
// virtual seabed, the net-pressure pieces, the totals, the virtual seabed, the
// dynamic-water pieces (seismic case, when they apply) and the split diagrams.
// Text, code page 932, CR LF; numbers "%lf" / "%d", written as held.
#pragma once

#include "dynamic_water.h"
#include "force_case.h"
#include "input_record.h"
#include "layer_model.h"
#include "load_tables.h"

#include <cstdio>

namespace wtn {

// Position in the sea-side boundary list of the boundary at the virtual seabed
// (within 0.0001), else of the boundary just above it.
int force_start_index(const LoadModel& model, double virtual_seabed);

// Appends the section of case c to the open file.
void write_gairyok_section(std::FILE* file, int c, const InputRecord& input, const LoadModel& model,
                           const CaseLoadTables& tables, const CommonLoadResults& common);

} // namespace wtn
