#include "studied_cases.h"

#include "wall_codes.h"

namespace wtn {

CaseRange completed_case_range(CompletedCases completed_cases) {
    switch (completed_cases) {
    case CompletedCases::NormalOnly:
        return {kNormalCase, kNormalCase + 1};
    case CompletedCases::SeismicOnly:
        return {kSeismicCase, kSeismicCase + 1};
    default:
        return {kNormalCase, kSeismicCase + 1};
    }
}

void normalise_case_inputs(InputRecord& input) {
    const CompletedCases cases = input.swdat.completed_cases;
    if (input.swdat.ground_shape == GroundShape::Embankment) input.joken.ground_angle = 0.0;
    if (cases == CompletedCases::NormalOnly) input.joken.surcharge_seismic = 0.0;
    if (cases == CompletedCases::SeismicOnly) input.joken.surcharge_normal = 0.0;
}

} // namespace wtn
