// The front end's reader and writer of the customisation file "TVNCSTM.DAT"
// in the program folder (record and line list in customisation_file.h):
// every batch program reads lines 1 to 19; line 20 is the front end's alone.
#pragma once

#include "customisation_file.h"

#include <string>
#include <vector>

namespace wtn {

// Line 5 holds this text; no reader uses it.
inline constexpr const char* kCustomDummyLine = "ダミー行[互換用]";

// Reads the file of work_dir by the batch programs' line list and number
// rules. Lines 19 and 20 may be missing (0.0 and 0). DataError naming the
// file when it is missing, shorter than 18 lines or holds a line that is not
// one number.
CustomisationValues read_custom_file(const std::string& work_dir);

// The 20 lines of the file.
std::vector<std::string> custom_file_lines(const CustomisationValues& table);

// Writes the file of work_dir, replacing it only when the whole file was
// written. DataError naming the file on failure.
void write_custom_file(const CustomisationValues& table, const std::string& work_dir);

} // namespace wtn
