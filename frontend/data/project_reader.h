// Readers of the project files of the three versions: "<2.00>" (".tn2"),
// "<1.01>" and the untagged "<1.00>" (".wtn"). An older file lacks the groups
// that later versions added, and a file may end before any trailing group;
// each missing group gets its default. The readers do not clear the data
// first: fields that a file does not carry keep their values, so callers read
// into a copy of the current data and keep it only when the read succeeded.
#pragma once

#include "design_data.h"
#include "field_reader.h"

#include <string>

namespace wtn {

// Reads the whole file into data and sets data_ver and data_title.
// DataError naming the file (and the line) when the file cannot be read, ends
// inside the body, or holds a field of the wrong type.
void read_data_file(DesignData& data, const std::string& path);

// The blocks of a project file, each read from the open field sequence.
void read_data_body(DesignData& data, FieldReader& in);
void read_data_v101(DesignData& data, FieldReader& in);
void read_data_v200(DesignData& data, FieldReader& in);

// Defaults of the additions of versions 1.01 and 2.00 for a file without them.
void def_data_v101(DesignData& data);
void def_data_v200(DesignData& data);

} // namespace wtn
