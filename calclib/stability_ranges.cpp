#include "stability_ranges.h"

#include "tide_level_switches.h"
#include "wall_codes.h"

#include <cmath>

namespace wtn {

namespace {

// A joint-efficiency factor this close to 1.0 counts as no reduction.
constexpr double kJointEfficiencyTolerance = 0.001;

bool differs_from_one(double factor) {
    return std::fabs(factor - 1.0) >= kJointEfficiencyTolerance;
}

} // namespace

void normalise_stability_inputs(InputRecord& input, StabilityResults& results) {
    normalise_case_inputs(input);
    const JointEfficiency& j = input.tugit;
    results.joint_efficiency_flag = differs_from_one(j.section_inertia) ||
                                            differs_from_one(j.embedment_inertia) ||
                                            differs_from_one(j.section_modulus)
                                        ? 1
                                        : 0;
}

CaseRange stability_case_range(const InputRecord& input, int file_mode) {
    if (file_mode == kConstructionStageMode) return {kNormalCase, kNormalCase + 1};
    return completed_case_range(input.swdat.completed_cases);
}

TideLevelRange tide_level_range(const InputRecord& input, int file_mode) {
    TideLevelRange range;
    if (file_mode == kCompletedStateMode) {
        range.count = 1;
        return range;
    }
    check_tide_level_switches(input);
    for (int level = 0; level < kTideLevelCount; ++level) {
        if (!tide_level_examined(input, level)) continue;
        range.names.push_back(level == kTideUser ? input.wavsw.user_tide_name
                                                 : kTideLevelNames[level]);
        range.levels.push_back(level);
    }
    range.count = static_cast<int>(range.names.size());
    return range;
}

} // namespace wtn
