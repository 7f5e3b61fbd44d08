// The result tables of the stability calculation as the results dialog reads
// them (records and lines in result_table_file.h): code page 932 turned into
// the front end's text. What cannot be read is absent, which the dialog shows
// as "－".
#pragma once

#include "result_table_file.h"

#include <string>

namespace wtn {

// True when any verdict of the table is a failure: some checked value of the
// pile the calculation decided on (the subgrade reaction included, which the
// dialog's grid does not show) exceeds its limit. The calculation keeps the
// last candidate when none passes, so this is how a user learns of it.
bool any_check_failed(const LevelResultTable& table);

// Reads the file at path; never fails: what cannot be read is absent.
LevelResultTable read_level_result_table(const std::string& path);
PileResultLine read_pile_result_line(const std::string& path);

} // namespace wtn
