// The exchange file between the load program and the virtual-seabed chooser.
// ZEVOVE.DAT, written by the load program: line 1 the case (0 normal,
// 1 seismic), then one candidate level per line ("%8.3lf"). The chooser
// answers by rewriting line 1 with the chosen 0-based candidate index and
// leaving the candidate lines as they were.
#pragma once

#include "file_names.h"

#include <string>
#include <vector>

namespace wtn {

// Environment variable that answers the choice without a window.
inline constexpr const char* kChooserChoiceVariable = "WTN_ZEVOVE_CHOICE";

struct ChooserRequest {
    int case_index = 0;             // 0 normal case, 1 seismic case
    std::vector<double> levels;     // candidate levels, m
    std::vector<std::string> lines; // the file's lines as read, line 1 first
};

// Reads the exchange file. False with a reason in error when the file cannot be
// read, line 1 is not a case index 0 or 1, a candidate line is not a number, or
// there is no candidate.
bool read_chooser_request(const std::string& path, ChooserRequest& request, std::string& error);

// Rewrites the exchange file with index on line 1 and the candidate lines of
// request after it, CR LF line ends. False when the file cannot be written.
bool write_chooser_choice(const std::string& path, const ChooserRequest& request, int index);

// The path of the program name in the folder of the running program (the
// chooser and its windowed half sit beside the load program); name alone when
// the running program's path cannot be read.
std::string program_beside_self(const std::string& name);

} // namespace wtn
