#include "wave_inputs.h"

#include "rounding.h"
#include "tide_level_switches.h"
#include "wave_records.h"

namespace wtn {

const char* tide_level_name(int level) {
    return kTideLevelNames[level];
}

bool still_water_on(const InputRecord& input) {
    return input.static_water == StaticWater::On;
}

WaveFormula wave_formula_of(const InputRecord& input) {
    return input.wavsw.wave_formula == WaveFormula::Goda ? WaveFormula::Goda
                                                         : WaveFormula::KurodaHiroi;
}

double tide_level_of(const InputRecord& input, int level) {
    switch (level) {
    case kTideHhwl:
        return input.tjkn1.hhwl;
    case kTideHwl:
        return input.joken.hwl;
    case kTideLwl:
        return input.joken.lwl;
    default:
        return input.tjkn1.user_tide_level;
    }
}

double wave_wall_top(const InputRecord& input, int system_switch) {
    return system_switch != 0 ? input.tjkn1.superstructure_crown : input.tjkn1.pile_crown;
}

double goda_wave_height(BreakingInfluence breaking_influence, double significant_height,
                        double max_height) {
    if (breaking_influence == BreakingInfluence::NotInfluenced)
        return round_dec(1.8 * significant_height, 2);
    return max_height;
}

} // namespace wtn
