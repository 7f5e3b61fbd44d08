#include "wave_case_range.h"

#include "force_case.h"
#include "switch_file.h"
#include "wall_codes.h"

namespace wtn {

CaseRange wave_case_range(int system_switch, int completed_cases) {
    if (system_switch != kSystemSwitchCrownTopsWaves) return {kNormalCase, kNormalCase + 1};
    switch (code_from_file<CompletedCases>(completed_cases)) {
    case CompletedCases::NormalOnly:
        return {kNormalCase, kNormalCase + 1};
    case CompletedCases::SeismicOnly:
        return {kSeismicCase, kSeismicCase + 1};
    default:
        return {kNormalCase, kSeismicCase + 1};
    }
}

int wave_gairyok_mode(int system_switch) {
    return system_switch != kSystemSwitchPlain ? kConstructionCrownMode : kConstructionStageMode;
}

} // namespace wtn
