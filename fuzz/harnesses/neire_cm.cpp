// NEIRE_CM.PRN, the stability program's blocks for the whole run, read as
// the stability report reads it, with the adopted values of CAL_NEI.DAT over
// them.
#include "harness.h"
#include "program_stop.h"
#include "work_files.h"

#include <memory>

namespace wtn::fuzz {

void prepare() {}

void run_one(const std::string& bytes) {
    write_file(kNeireCmFile, bytes);
    auto results = std::make_unique<StabilityResults>();
    try {
        read_neire_cm(*results);
    } catch (const ProgramStop&) {
    }
}

} // namespace wtn::fuzz
