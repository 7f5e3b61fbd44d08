// The result files of the results dialog: the pile line (KEKKA2.DAT in the
// completed state, KEKKA4.DAT in the construction stage) with the decided
// pile, its tip elevation and its length, and the table (KEKKA1.DAT,
// KEKKA3.DAT) of the checked values and their flags in four columns.
#pragma once

#include "result_table_file.h"
#include "stability_run.h"

#include <array>
#include <string>

namespace wtn {

// The decided tip (the deepest of the levels and cases studied, after
// corrosion too where it applies), the pile length from the sheet-pile crown
// rounded up to 0.5 m, and the tip printed (the crown less the length).
struct PileLength {
    double decided_tip = 0.0;
    double length = 0.0;
    double printed_tip = 0.0;
};
PileLength decided_pile_length(const StabilityRun& run);

// Length (m) of a pile from crown down to tip, rounded up to 0.5 m after the
// difference is taken to 3 decimals, so noise of the subtraction never adds
// half a metre.
double pile_length_to_half_metre(double crown, double tip);

// The table of the run's levels and cases.
LevelResultTable collect_results(const StabilityRun& run);

// Writes the pile line and the table of the run's stage, then CAL_NEI.DAT.
// Stores the decided tip in DesignValueBlock.
void write_kekka_files(StabilityRun& run);

} // namespace wtn
