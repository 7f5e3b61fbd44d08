// The input's codes as the wave-pressure report asks them, each in one place.
// Every test follows what TVNWAV computed by, so a page never states one
// choice while its numbers were computed by another.
#pragma once

#include "input_record.h"
#include "wall_codes.h"

namespace wtn {

inline bool port_standard(const InputRecord& input) {
    return input.swdat.design_standard == DesignStandard::Port;
}

inline bool river_standard(const InputRecord& input) {
    return input.swdat.design_standard == DesignStandard::River;
}

// Wave-dissipating works in front of the wall: the breaking-wave pressure of
// the Kuroda / Hiroi formulas is taken with them only for switch 1.
inline bool dissipating_works_present(const InputRecord& input) {
    return input.wavsw.dissipating_works == DissipatingWorks::Present;
}

inline const TideLevelRow& tide_row(const InputRecord& input, int level) {
    return input.tide_levels[static_cast<std::size_t>(level)];
}

// The wave length was computed from the period and the depth.
inline bool wave_length_computed(const InputRecord& input, int level) {
    return tide_row(input, level).wave_length_method == WaveLengthMethod::Computed;
}

// Goda's design height is 1.8 H1/3 (goda_wave_height) for item 1 = 1.
inline bool goda_height_from_significant(const InputRecord& input, int level) {
    return tide_row(input, level).breaking_influence == BreakingInfluence::NotInfluenced;
}

// A tide level drawn in the design-condition figure.
inline bool tide_level_drawn(const InputRecord& input, int level) {
    return input.wavsw.draw[static_cast<std::size_t>(level)] == YesNo::Yes;
}

inline EmbedmentMethod embedment_method(const InputRecord& input) {
    return input.swdat.embedment_method;
}

inline CompletedCases completed_cases(const InputRecord& input) {
    return input.swdat.completed_cases;
}

inline PileType pile_type(const InputRecord& input) {
    return input.joken.pile_type;
}

inline bool lower_grade(const InputRecord& input) {
    return input.joken.steel_grade == SteelGrade::SY295;
}

// The design seismic coefficient is the product of the three factors.
inline bool seismic_from_factors(const InputRecord& input) {
    return input.neire.seismic_rule == SeismicCoefficientRule::ProductOfFactors;
}

} // namespace wtn
