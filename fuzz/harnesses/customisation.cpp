// TVNCSTM.DAT as the batch programs read it.
#include "customisation.h"
#include "harness.h"
#include "program_stop.h"

namespace wtn::fuzz {

void prepare() {}

void run_one(const std::string& bytes) {
    write_file(kCustomisationFileName, bytes);
    try {
        const CustomisationValues c = read_customisation();
        for (double value :
             {c.wall_friction_angle, c.wall_angle, c.clay_failure_angle_normal,
              c.clay_failure_angle_seismic, c.ground_dummy_length, c.consolidation_factor,
              c.division_pitch, c.chang_embedment_numerator, c.qu_denominator})
            require_finite(value, "TVNCSTM.DAT");
    } catch (const ProgramStop&) {
    }
}

} // namespace wtn::fuzz
