// The front end's writer of the calculation input ("CAL_FILE.DAT" and its
// snapshots "ORG.DAT" and "CAL.DAT"): the whole design data as keyed comma
// lines in a fixed key order, each line's items in the order of the item
// list the batch programs read it by (input_items.h), in the front end's
// number text. The same data always gives the same bytes, and the adopted
// pile length and embedment depth stand alone on the "caldt" line, so two
// files can be compared line by line.
#pragma once

#include "design_data.h"
#include "file_names.h"

#include <string>
#include <vector>

namespace wtn {

inline constexpr const char* kOrgFileName = "ORG.DAT";
inline constexpr const char* kLastRunFileName = "CAL.DAT";

// Message of a calculation input that could not be written.
inline constexpr const char* kCalWriteFailedMessage =
    "一時ファイル作成中にエラーが発生しました、処理を中断します。";

// The lines of the calculation input, without line ends. Once all lines are
// made, zevove_sw is set to 1 (its old value went into item 5 of "swdat"):
// the virtual seabed never decides the section. DataError naming the field
// when a text holds a double quote or a line break, or a derived value has no
// finite result; zevove_sw is then left as it was.
std::vector<std::string> cal_file_lines(DesignData& data);

// Writes the calculation input to path, replacing the file only when all of
// it was written. DataError naming the file or the field on failure.
void write_cal_file(DesignData& data, const std::string& path);

} // namespace wtn
