// The result tables of the stability calculation as the results dialog reads
// them (records and lines in result_table_file.h): code page 932 turned into
// the front end's text. What cannot be read is absent, which the dialog shows
// as "－".
#pragma once

#include "result_table_file.h"

#include <string>

namespace wtn {

// Reads the file at path; never fails: what cannot be read is absent.
LevelResultTable read_level_result_table(const std::string& path);
PileResultLine read_pile_result_line(const std::string& path);

} // namespace wtn
