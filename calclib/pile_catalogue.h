// Readers of the sheet-pile catalogues: the installed steel catalogues
// YAITA.D01 to YAITA.D04 (one line per pile), the installed prestressed-
// concrete catalogues YAITA.C01 and YAITA.C02 (three lines per pile, the
// first one read), and the user's own catalogues KOUYAITA.APD (steel) and
// PCYAITA.APD (concrete: a count line, then one line per pile). They turn the
// pile ids selected in the input ("tyait" installed, "apdyt" user's own) into
// rows of section values. Installed catalogues may hold comment lines ("#")
// and marker lines ("L" or "W" in quotes at the line start); neither is a pile.
#pragma once

#include "csv_line.h"
#include "input_record.h"
#include "pile_catalogue_file.h"
#include "run_info.h"

#include <string>
#include <vector>

namespace wtn {

inline constexpr int kAddedSteel = 0; // read_added_piles kind
inline constexpr int kAddedPc = 1;

using PileTable = std::vector<PileRecord>;

// Every pile of the installed catalogue name, in file order. Stops the
// program, naming the file as "<file_kind>(<name>)", when the file cannot be
// opened or read, and naming the file and the line or pile when a pile line
// cannot be read (pile_catalogue_file.h).
std::vector<CataloguePile> read_installed_piles(const std::string& name,
                                                const std::string& file_kind,
                                                const CatalogueLayout& layout);

// Every pile of the installed catalogues of a kind (pc: the concrete ones),
// in file order, none selected. Stops as read_installed_piles.
PileTable read_installed_catalogues(bool pc);

// Appends the rows of the user catalogue of the kind (kAddedSteel,
// kAddedPc), in file order, added 1 and none selected. False when the file cannot be
// opened: the user has not made a catalogue. Stops when it ends before the
// rows its head line counts or holds a line that cannot be read.
bool read_added_catalogue(int kind, PileTable& rows);

// The selected installed piles ("tyait"), one row per id in list order, each
// looked up in all catalogue files of the kind on its own. Stops the program
// when a catalogue cannot be opened or a selected id is in none of them.
PileTable read_steel_piles(const InputRecord& input);
PileTable read_pc_piles(const InputRecord& input);

// Appends the selected user piles ("apdyt") of KOUYAITA.APD (kind
// kAddedSteel) or PCYAITA.APD (kAddedPc) in file order, added 1. Does
// nothing, and opens nothing, when no user pile is selected. Stops the
// program when the file cannot be opened, ends before its count of rows,
// holds a line that cannot be read, or holds no row for a selected id.
void read_added_piles(const InputRecord& input, int kind, PileTable& table);

} // namespace wtn
