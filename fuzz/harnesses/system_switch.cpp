// PRG_SW.DAT, the system switch.
#include "harness.h"
#include "program_stop.h"
#include "switch_file.h"

#include <cstdlib>

namespace wtn::fuzz {

void prepare() {}

void run_one(const std::string& bytes) {
    write_file(kSwitchFileName, bytes);
    try {
        const int value = read_prg_sw();
        if (value != 0 && value != 1) std::abort();
    } catch (const ProgramStop&) {
    }
}

} // namespace wtn::fuzz
