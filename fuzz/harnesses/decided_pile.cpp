// OK_YAITA.DAT, the pile decided in the completed state, as the
// construction-stage run reads it and the stability program writes it again.
#include "candidate_table.h"
#include "harness.h"
#include "program_stop.h"

#include <memory>

namespace wtn::fuzz {

void prepare() {}

void run_one(const std::string& bytes) {
    write_file(kDecidedPileFile, bytes);
    auto run = std::make_unique<StabilityRun>();
    try {
        read_ok_yaita(*run);
        write_ok_yaita(*run, 0);
        require_finite_fields(file_lines(kDecidedPileFile), "OK_YAITA.DAT");
    } catch (const ProgramStop&) {
    }
}

} // namespace wtn::fuzz
