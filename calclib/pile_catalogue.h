// Readers of the sheet-pile catalogues: the installed steel catalogues
// YAITA.D01 to YAITA.D04 (one line per pile), the installed prestressed-
// concrete catalogues YAITA.C01 and YAITA.C02 (three lines per pile, the
// first one read), and the user's own catalogues KOUYAITA.APD (steel) and
// PCYAITA.APD (concrete: a count line, then one line per pile). They turn the
// pile ids selected in the input ("tyait" installed, "apdyt" user's own) into
// rows of section values. Installed catalogues may hold comment lines ("#")
// and marker lines ("L" or "W" in quotes at the line start); neither is a pile.
#pragma once

#include "input_record.h"
#include "run_info.h"

#include <string>
#include <vector>

namespace wtn {

inline constexpr int kSteelCatalogueCount = 4; // YAITA.D01 .. YAITA.D04
inline constexpr int kPcCatalogueCount = 2;    // YAITA.C01 .. YAITA.C02
inline constexpr int kPcLinesPerPile = 3;
inline constexpr const char* kSteelAddedFileName = "KOUYAITA.APD";
inline constexpr const char* kPcAddedFileName = "PCYAITA.APD";
inline constexpr int kAddedSteel = 0; // read_added_piles kind
inline constexpr int kAddedPc = 1;

struct PileRecord {
    int id = 0;           // id within its catalogue
    std::string name;     // code page 932, kept whole; printers cut it to their width
    double inertia = 0.0; // I, second moment of area (cm4/m)
    double modulus = 0.0; // Z, section modulus (cm3/m)
    double moment =
        0.0; // Mc, third section value of concrete piles (kN·m/m); 0 for steel catalogue piles
    int selected = 0; // 1 when the pile is one of the user's candidates
    int added = 0;    // 1 for a pile of the user's own catalogue
};

using PileTable = std::vector<PileRecord>;

// True for a line of an installed catalogue that describes a pile: neither
// empty, nor a comment ("#"), nor a marker line ("L" or "W" in quotes).
bool is_catalogue_pile_line(const std::string& line);

// "YAITA.D01" .. "YAITA.D04" and "YAITA.C01", "YAITA.C02" (number from 1).
std::string steel_catalogue_name(int number);
std::string pc_catalogue_name(int number);

// The selected installed piles ("tyait"), one row per id in list order, each
// looked up in all catalogue files of the kind on its own. Stops the program
// when a catalogue cannot be opened or a selected id is in none of them.
PileTable read_steel_piles(const InputRecord& input);
PileTable read_pc_piles(const InputRecord& input);

// Appends the selected user piles ("apdyt") of KOUYAITA.APD (kind
// kAddedSteel) or PCYAITA.APD (kAddedPc) in file order, added 1. Does
// nothing, and opens nothing, when no user pile is selected. Stops the
// program when the file cannot be opened, ends before its count of rows, or
// holds no row for a selected id.
void read_added_piles(const InputRecord& input, int kind, PileTable& table);

// Every pile of the installed catalogues of the kind, in file order; a row is
// selected when its id is in the "tyait" list. Stops as read_steel_piles.
PileTable read_all_steel_piles(const InputRecord& input);
PileTable read_all_pc_piles(const InputRecord& input);

// Appends every pile of the user catalogue of the kind (added 1; selected
// when its id is in the "apdyt" list) and returns how many. A missing file
// appends nothing and is not an error: the user has not made a catalogue.
int read_all_added_piles(const InputRecord& input, int kind, PileTable& table);

// For a steel (3) or concrete (7) free choice with user piles selected,
// writes the selected rows of the user catalogue into "<data name>.APD" as
// id,"name",I,Z,Mc lines (no count line). Stops the program when the user
// catalogue cannot be read or the file cannot be written.
void write_selected_added_piles(const InputRecord& input, const RunInfo& run_info);

} // namespace wtn
