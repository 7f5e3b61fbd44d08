// CAL_FILE.INF, the run information, read and written back as the first
// program of the chain stamps it.
#include "run_info.h"
#include "harness.h"

namespace wtn::fuzz {

void prepare() {}

void run_one(const std::string& bytes) {
    write_file(kRunInfoFileName, bytes);
    RunInfo info;
    if (read_run_info(info) == 0) write_run_info(info);
}

} // namespace wtn::fuzz
