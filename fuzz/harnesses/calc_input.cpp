// CAL_FILE.DAT, the calculation input every batch program reads first,
// written back as the input-file writer does. What is accepted must come
// back the same: the written file, read and written again, gives the same
// lines.
#include "harness.h"
#include "input_file.h"
#include "input_file_writer.h"
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
    if (write_input(*input, "FUZZOUT") != 0) return;
    const std::vector<std::string> written = file_lines("FUZZOUT.CAL");
    require_finite_fields(written, "the written input file");
    // A refusal of what the writer wrote escapes as ProgramStop: a finding.
    auto again = std::make_unique<InputRecord>();
    reset_input_counters(*again);
    set_input_defaults(*again);
    read_input(*again, "FUZZOUT.CAL");
    if (write_input(*again, "FUZZOUT2") != 0) return;
    require_same_lines(written, file_lines("FUZZOUT2.CAL"), "the written input file");
}

} // namespace wtn::fuzz
