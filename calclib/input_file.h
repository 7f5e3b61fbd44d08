// The calculation input file: one keyed comma line per group or row
// ("swdat,1,1,...", "sdatu,3.50,18.0,..."), written by the front end before
// every run as CAL_FILE.DAT and read by every batch program into InputRecord.
// Keys are compared without regard to case; lines beginning with "#", empty
// lines and unknown keys are skipped (the front end's "caldt" line is checked,
// not kept: the programs take the adopted values from CAL_NEI.DAT); a single
// key met twice keeps its last line; a row key appends one row per line; the
// four tide-level keys replace their row.
#pragma once

#include "file_names.h"
#include "input_record.h"

#include <string>

namespace wtn {

// The installed default wall section, read for an empty name or "New_Data".
inline constexpr const char* kDefaultInputFileName = "TVNDATA.DEF";
inline constexpr const char* kNewDataName = "New_Data";

// Reads the input file name into input (counters reset first). A file of an
// earlier release without a "tjkn1" line gets the crowns and the
// construction-stage seabed from "joken" and reduction rates of 100 %.
// Stops the program with exit code 1 and a message when the file cannot be
// opened or read, when its last line has no line end (cut), when a row table
// or id list would overflow its room, when an item is empty, no number, a
// fraction where a whole number belongs or beyond what its box holds, or when
// a file of the current release lacks a key the front end always writes.
void read_input(InputRecord& input, const std::string& name);

} // namespace wtn
