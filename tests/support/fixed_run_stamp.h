// The run a report test stamps its pages with: 3 February 2007 at 9:05:07,
// the year as its last two digits, so pages and exported text compare with
// fixed expectations.
#pragma once

#include "run_info_file.h"

#include <string>

namespace wtn::test {

RunInfo stamped_run(const std::string& data_name, const std::string& title = "");

// The same run as CAL_FILE.INF holds it: one item a line, CR LF.
std::string stamped_run_file(const std::string& data_name, const std::string& title);

} // namespace wtn::test
