// The result files of the results dialog: the pile line (KEKKA2.DAT in the
// completed state, KEKKA4.DAT in the construction stage) with the decided
// pile, its tip elevation and its length, and the table (KEKKA1.DAT,
// KEKKA3.DAT) of the checked values and their flags in four columns.
#pragma once

#include "stability_run.h"

#include <array>
#include <string>

namespace wtn {

inline constexpr int kResultColumns = 4;
inline constexpr int kResultValues = 7; // D1 .. D7
inline constexpr int kResultFlags = 6;  // F1 .. F6
inline constexpr double kAbsentValue = -99999.9;
inline constexpr int kAbsentFlag = -1;

// One column: D1 stress of the sea-water part, D2 stress (seabed mud after
// corrosion), D3 head displacement, D4 subgrade reaction, D5 tip elevation,
// D6 steel-pipe secondary stress, D7 combined stress; F1 to F6 the flags of
// D1, D2, D3, D4, D6 and D7.
struct ResultColumn {
    std::array<double, kResultValues> value;
    std::array<int, kResultFlags> flag;
    ResultColumn() {
        value.fill(kAbsentValue);
        flag.fill(kAbsentFlag);
    }
};

struct LevelResultTable {
    std::array<ResultColumn, kResultColumns> columns;
};

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
