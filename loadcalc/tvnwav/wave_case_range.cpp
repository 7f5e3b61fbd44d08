#include "wave_case_range.h"

#include "wall_codes.h"

namespace wtn {
namespace {

// The system switch under which the construction stage studies the cases of
// the completed state.
constexpr int kSystemSwitchFollowsCases = 1;

} // namespace

CaseRange wave_case_range(int system_switch, int completed_cases) {
    if (system_switch != kSystemSwitchFollowsCases) return {kNormalCase, kNormalCase + 1};
    return completed_case_range(completed_cases);
}

int wave_gairyok_mode(int system_switch) {
    return system_switch != 0 ? 2 : 1;
}

} // namespace wtn
