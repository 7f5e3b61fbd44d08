#include "wave_case_range.h"

#include "force_case.h"
#include "studied_cases.h"
#include "switch_file.h"
#include "wall_codes.h"

namespace wtn {

CaseRange wave_case_range(int system_switch, CompletedCases completed_cases) {
    if (system_switch != kSystemSwitchCrownTopsWaves) return {kNormalCase, kNormalCase + 1};
    return completed_case_range(completed_cases);
}

int wave_gairyok_mode(int system_switch) {
    return system_switch != kSystemSwitchPlain ? kConstructionCrownMode : kConstructionStageMode;
}

} // namespace wtn
