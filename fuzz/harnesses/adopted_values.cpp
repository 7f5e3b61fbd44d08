// CAL_NEI.DAT, the adopted pile length and embedment depth the results
// dialog writes and the stability report reads.
#include "harness.h"
#include "program_stop.h"
#include "work_files.h"

#include <memory>

namespace wtn::fuzz {

void prepare() {}

void run_one(const std::string& bytes) {
    write_file(kCalNeiFile, bytes);
    auto results = std::make_unique<StabilityResults>();
    try {
        read_cal_nei(*results, 12.5, 6.0);
        require_finite(results->design_values.adopted.pile_length, "CAL_NEI.DAT");
        require_finite(results->design_values.adopted.embedment_depth, "CAL_NEI.DAT");
    } catch (const ProgramStop&) {
    }
}

} // namespace wtn::fuzz
