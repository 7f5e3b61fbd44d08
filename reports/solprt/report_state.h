// The state of the earth-pressure report program: everything its writers
// read, filled once at the start (input, run information, customisation,
// report conditions, the common load results) and, for the load tables of a
// case, again at the start of each case. The driver owns one on the heap and
// passes it by reference; no writer changes a calculation result.
#pragma once

#include "customisation.h"
#include "figure_kit.h"
#include "figure_records.h"
#include "input_record.h"
#include "load_model.h"
#include "load_tables.h"
#include "report_conditions.h"
#include "run_info.h"

namespace wtn {

struct EarthPressureReport {
    InputRecord input;
    RunInfo run;
    CustomisationValues custom;
    ReportConditions conditions;
    LoadModel model;          // layer records and intensities of the case read last
    CaseLoadTables tables;    // diagrams and pieces of the case read last
    CommonLoadResults common; // indices, totals, virtual seabed, dynamic water
    FigureKit kit;
    FigureRecords figures; // page points of the figure being drawn
};

} // namespace wtn
