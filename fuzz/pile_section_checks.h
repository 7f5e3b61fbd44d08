// The section values of a catalogue pile that go on to the stability
// calculation: each must be a finite number once read.
#pragma once

#include "harness.h"
#include "pile_catalogue.h"

namespace wtn::fuzz {

inline void require_finite_section(const PileRecord& pile, const char* what) {
    require_finite(pile.inertia, what);
    require_finite(pile.modulus, what);
    require_finite(pile.moment, what);
}

} // namespace wtn::fuzz
