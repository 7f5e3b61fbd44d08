// The sheet-pile catalogues of the front end: the installed steel tables
// YAITA.D01 to YAITA.D04 and PC tables YAITA.C01, YAITA.C02, and the user's own
// catalogues KOUYAITA.APD (steel) and PCYAITA.APD (PC), read into the design
// data's yaita_tbl and pcyaita_tbl; and the writer of the two user files.
//
// Each table holds the installed piles first, in file and line order, then the
// user's piles, each with Z (cm3/m), I (cm4/m) and the cracking moment
// (kN·m/m), which is 0 in the steel table. Installed steel Z and I are
// whole numbers; the user's values keep their fractions.
#pragma once

#include "design_data.h"

#include <string>
#include <vector>

namespace wtn {

// Entries per catalogue, installed and user piles together (slot 100 stays empty).
inline constexpr int kCatalogueEntryLimit = 100;
// Pile numbers are 16-bit in the calculation input and the user files.
inline constexpr int kPileNumberLimit = 32767;
// Width in which the batch programs keep an unquoted field of a user file.
inline constexpr int kUserFieldWidth = 10;

// Refills yaita_tbl, yaita_cnt, yaita_next, pcyaita_tbl, pcyaita_cnt and
// pcyaita_next from the eight files of folder. Empty lines, comment lines
// ("#" first) and marker lines ("L" or "W" in quotes at the start) are
// skipped; a last line without a line end is read. A missing file, a line with
// the wrong number of fields or a field that is no number is skipped; so are
// the piles beyond 100 in one catalogue. Returns one message per such problem,
// naming the file and the line.
std::vector<std::string> read_pile_catalogues(DesignData& data, const std::string& folder);

// Writes a user catalogue (pc: PCYAITA.APD's layout with the cracking moment,
// else KOUYAITA.APD's with 0) to path: the row count and the next number, then
// one line per row in order. Rows with a negative id are new: they are numbered
// upwards from the larger of next and the largest id among the rows plus one.
// DataError, the file untouched, for a name holding a double quote or a
// character code page 932 cannot hold, a number beyond 32767, a value wider
// than 10 characters, or a failed write.
void write_user_catalogue(const std::string& path, const std::vector<YaitaRec>& rows, int next,
                          bool pc);

} // namespace wtn
