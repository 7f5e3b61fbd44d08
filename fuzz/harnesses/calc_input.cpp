// CAL_FILE.DAT, the calculation input every batch program reads first,
// written back as the input-file writer does.
#include "harness.h"
#include "input_file.h"
#include "program_stop.h"

#include <memory>

namespace wtn::fuzz {

void prepare() {}

void run_one(const std::string& bytes) {
    write_file(kInputFileName, bytes);
    auto input = std::make_unique<InputRecord>();
    try {
        reset_input_counters(*input);
        set_input_defaults(*input);
        read_input(*input, kInputFileName);
    } catch (const ProgramStop&) {
        return;
    }
    if (write_input(*input, "FUZZOUT") == 0)
        require_finite_fields(file_lines("FUZZOUT.CAL"), "the written input file");
}

} // namespace wtn::fuzz
