// Readers of the project files of the three versions: "<2.00>" (".tn2"),
// "<1.01>" and the untagged "<1.00>" (".wtn"). An older file lacks the groups
// that later versions added, and may end before any trailing group; each
// missing group gets its default. A current file holds every group, its last
// line ended: one that ends early was cut and is refused. The readers do not
// clear the data first: fields that a file does not carry keep their values,
// so callers read into a copy of the current data and keep it only when the
// read succeeded.
#pragma once

#include "design_data.h"
#include "project_lines.h"

#include <string>

namespace wtn {

// Reads the whole file into data and sets data_ver and data_title.
// Every line is checked against its version's layout: DataError naming the
// file, the line and the item (in the screens' captions) when the file cannot
// be read, ends inside the body, or holds a field too many or too few, an
// empty number, a field of the wrong kind or a line too many.
void read_data_file(DesignData& data, const std::string& path);

// The blocks of a project file, each read from the open file.
void read_data_body(DesignData& data, ProjectLines& in);
void read_data_v101(DesignData& data, ProjectLines& in);
void read_data_v200(DesignData& data, ProjectLines& in);

// Defaults of the additions of versions 1.01 and 2.00 for a file without them.
void def_data_v101(DesignData& data);
void def_data_v200(DesignData& data);

} // namespace wtn
