// Choosing the virtual seabed of a case among its candidates. One candidate is
// taken as it is; with two or more the user chooses in the outside chooser
// ZEVOVE, started from the folder of this program, through ZEVOVE.DAT.
#pragma once

#include "virtual_seabed.h"

#include <string>

namespace wtn {

inline constexpr const char* kChooserProgramName = "ZEVOVE";

// Writes the exchange file of case c: the case on line 1, then one candidate
// level per line ("%8.3lf"). A failed write stops the program.
void write_chooser_file(const std::string& path, int c, const VirtualSeabedState& state);

// Reads the chosen index from line 1 of the exchange file: a whole number from
// 0 to candidate_count - 1, else -1.
int read_chooser_answer(const std::string& path, int candidate_count);

// Decides the candidate of case c (alone, or through the chooser) and records
// it with set_virtual_seabed. A chooser that cannot be started, does not end
// with exit code 0 or leaves no valid index stops the program with
// "(ERROR)-仮想海底面位置が選択されていません.".
void choose_virtual_seabed(const MergedDiagram& diagram, int c, VirtualSeabedState& state);

} // namespace wtn
