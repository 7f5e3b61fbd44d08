// SJOKEN.DAT, the design values the report programs print: its first four
// lines as one report reads them, and the whole file as the other does.
#include "report_conditions.h"
#include "harness.h"
#include "program_stop.h"

namespace wtn::fuzz {

void prepare() {}

void run_one(const std::string& bytes) {
    write_file(kReportConditionsFile, bytes);
    for (bool with_layers : {false, true}) {
        try {
            const ReportConditions c = read_sjoken(with_layers);
            for (double value :
                 {c.allowable_stress[0], c.allowable_stress[1], c.allowable_displacement[0],
                  c.allowable_displacement[1], c.n_value, c.n_value_increase, c.lateral_constant})
                require_finite(value, "SJOKEN.DAT");
            for (const ForceLayerRow& row : c.layers) {
                for (double value :
                     {row.level, row.thickness, row.friction_angle, row.n_value, row.kh})
                    require_finite(value, "SJOKEN.DAT layer");
            }
        } catch (const ProgramStop&) {
        }
    }
}

} // namespace wtn::fuzz
