// The hand-written wall section of the check list's golden run, and the
// golden list itself, shared by the program tests and the viewer test.
#pragma once

#include "program_folder.h"

#include <string>
#include <vector>

namespace wtn::test {

// CAL_FILE.DAT in the front end's key order: both studies, both cases, port
// standard, steel piles of free choice (catalogue ids 21, 22), Goda's
// formula with H.W.L. and L.W.L. examined, sand and clay on each side, one
// normal-case force; the title and the force name hold "$". pile_lines
// replaces the type and id lines: "<type>\n<id lines>".
std::string golden_input(int pile_type = 3, const std::string& id_lines = "tyait, 21 , 22 \r\n");

// CAL_FILE.INF as the front end writes it: data name, title padded to 36
// characters, six lines holding 0.
inline const std::string kDataName = "KISHI-A";
std::string front_end_run_info();

// The golden check list as code page 932 lines (without line ends).
std::vector<std::string> golden_list_lines();

// Lines of a file as read back (CR LF or LF ends dropped).
std::vector<std::string> file_lines(const ProgramFolder& folder, const std::string& name);

// AUDSHEET run in folder.
ChildResult run_audsheet(const ProgramFolder& folder);

} // namespace wtn::test
