#include "studied_cases.h"

#include "wall_codes.h"

namespace wtn {

CaseRange completed_case_range(int completed_cases) {
    switch (code_from_file<CompletedCases>(completed_cases)) {
    case CompletedCases::NormalOnly:
        return {kNormalCase, kNormalCase + 1};
    case CompletedCases::SeismicOnly:
        return {kSeismicCase, kSeismicCase + 1};
    default:
        return {kNormalCase, kSeismicCase + 1};
    }
}

void normalise_case_inputs(InputRecord& input) {
    const int cases = input.swdat.completed_cases;
    if (input.swdat.ground_shape == file_code(GroundShape::Embankment))
        input.joken.ground_angle = 0.0;
    if (cases == file_code(CompletedCases::NormalOnly)) input.joken.surcharge_seismic = 0.0;
    if (cases == file_code(CompletedCases::SeismicOnly)) input.joken.surcharge_normal = 0.0;
}

} // namespace wtn
