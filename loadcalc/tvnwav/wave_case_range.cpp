#include "wave_case_range.h"

namespace wtn {

CaseRange wave_case_range(int system_switch, int completed_cases) {
    if (system_switch != 1) return {0, 1};
    switch (completed_cases) {
    case 1:
        return {0, 1};
    case 2:
        return {1, 2};
    default:
        return {0, 2};
    }
}

int wave_gairyok_mode(int system_switch) {
    return system_switch != 0 ? 2 : 1;
}

} // namespace wtn
