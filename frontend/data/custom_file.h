// The customisation file "TVNCSTM.DAT" in the program folder: the user's
// standing options of the calculation, one value per line, 20 lines. Every
// batch program reads lines 1 to 19; line 20 is the front end's alone.
#pragma once

#include "design_data.h"

#include <string>
#include <vector>

namespace wtn {

inline constexpr const char* kCustomFileName = "TVNCSTM.DAT";
// Line 5 holds this text; no reader uses it.
inline constexpr const char* kCustomDummyLine = "ダミー行[互換用]";

// Reads the file of work_dir into a table. Lines 19 and 20 may be missing
// (0.0 and 0). DataError naming the file when it is missing, shorter than
// 18 lines or holds a field that is not a number.
CustomTable read_custom_file(const std::string& work_dir);

// The 20 lines of the file.
std::vector<std::string> custom_file_lines(const CustomTable& table);

// Writes the file of work_dir, replacing it only when the whole file was
// written. DataError naming the file on failure.
void write_custom_file(const CustomTable& table, const std::string& work_dir);

} // namespace wtn
