// The candidate table: the sheet piles the trial tries, in trial order, with
// their section values before corrosion; and OK_YAITA.DAT, which hands the
// pile decided in the completed state to the construction-stage run.
#pragma once

#include "stability_run.h"

#include <string>

namespace wtn {

inline constexpr const char* kDecidedPileFile = "OK_YAITA.DAT";
// Room of a pile name in the candidate table, terminator excluded.
inline constexpr std::size_t kCandidateNameBytes = kPileNameRoom - 1;

// Fills run.candidates by the sheet-pile type of the input: the catalogue of
// the U or Z type or of the PC type, the user's choice of steel or PC piles
// in ascending order of Z or of the allowable moment, or the steel-pipe rows.
// Stops the program when a catalogue cannot be read, the choice is empty, or
// the table would hold no pile.
void build_candidate_table(StabilityRun& run);

// A table of the one pile of OK_YAITA.DAT. Stops when the file is missing
// or damaged.
void read_ok_yaita(StabilityRun& run);

// Copies candidate k and the section values it was computed with into
// DecidedPile and rewrites OK_YAITA.DAT.
void write_ok_yaita(StabilityRun& run, int k);

// The corrosion table, depth value and table limits of a steel catalogue
// pile, from YAITA.D01 to YAITA.D04 (the first hit wins). False, the values
// untouched, when no catalogue holds the id.
bool lookup_catalogue_pile(int id, Candidate& candidate);

} // namespace wtn
