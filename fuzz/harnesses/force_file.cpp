// GAIRYOK.DAT, the force file of the load programs, read as the stability
// programs read it: the mode line, then a section per studied tide level and
// case, then nothing more. The input is that of the seed files: both cases
// with dynamic water and still water, H.W.L. and L.W.L. examined.
#include "file_io.h"
#include "force_case.h"
#include "harness.h"
#include "program_stop.h"
#include "stability_ranges.h"
#include "text_lines.h"

#include <memory>

namespace wtn::fuzz {

void prepare() {}

void run_one(const std::string& bytes) {
    write_file(kForceFileName, bytes);
    auto input = std::make_unique<InputRecord>();
    input->swdat.completed_cases = CompletedCases::Both;
    input->neire.apparent_rule = ApparentSeismicRule::AraiYokoi;
    input->nir_t.dynamic_water = YesNo::Yes;
    input->joken.lwl = 0.0;
    input->joken.design_seabed = -10.0;
    input->static_water = StaticWater::On;
    input->wavsw.examine = {YesNo::No, YesNo::Yes, YesNo::Yes, YesNo::No, YesNo::Yes};
    auto force_case = std::make_unique<ForceCase>();
    try {
        CFile file = open_file(kForceFileName, "rt");
        LineReader reader(file.get());
        const int mode = read_force_file_mode(reader);
        const CaseRange cases = stability_case_range(*input, mode);
        const TideLevelRange levels = tide_level_range(*input, mode);
        for (int level = 0; level < levels.count; ++level) {
            for (int c = cases.first; c < cases.end; ++c)
                read_force_case(reader, c, mode, *input, *force_case);
        }
        check_force_file_end(reader);
    } catch (const ProgramStop&) {
    }
}

} // namespace wtn::fuzz
