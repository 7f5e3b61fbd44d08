#include "cantilever_loads.h"

#include "wall_codes.h"

namespace wtn {

std::vector<CantileverLoad> cantilever_loads(const InputRecord& input, const ForceCase& fc,
                                             int study_mode, int case_index) {
    std::vector<CantileverLoad> loads;
    const auto add = [&](CantileverLoadKind kind, int number, double force, double printed,
                         double height) {
        loads.push_back({kind, number, force, printed, height});
    };
    const double reference = fc.base[static_cast<std::size_t>(case_index)].level;

    if (study_mode == kConstructionStageMode) {
        if (input.static_water == StaticWater::On)
            add(CantileverLoadKind::StillWater, 1, fc.still_water.force, fc.still_water.lever_arm,
                fc.still_water.lever_arm);
    } else {
        const bool normal = case_index == kNormalCase;
        const int count = normal ? input.force_normal_count : input.force_seismic_count;
        const auto& rows = normal ? input.forces_normal : input.forces_seismic;
        for (int i = 0; i < count; ++i) {
            const OtherForceRow& f = rows[static_cast<std::size_t>(i)];
            add(CantileverLoadKind::InputForce, i + 1, f.force, f.height, f.height - reference);
        }
        // The force file carries dynamic-water lines only in the completed
        // state; a construction-stage section has none to add.
        if (study_mode == kCompletedStateMode && has_dynamic_water_lines(input, case_index)) {
            for (int i = 0; i < fc.dynamic_count; ++i) {
                const ForceLine& w = fc.dynamic_water[static_cast<std::size_t>(i)];
                add(CantileverLoadKind::DynamicWater, i + 1, w.force, w.lever_arm, w.lever_arm);
            }
        }
    }
    for (int i = 0; i < fc.force_count; ++i) {
        const ForceLine& h = fc.forces[static_cast<std::size_t>(i)];
        add(CantileverLoadKind::ForceLine, i + 1, h.force, h.lever_arm, h.lever_arm);
    }
    return loads;
}

} // namespace wtn
