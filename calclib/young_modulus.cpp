#include "young_modulus.h"

#include <cmath>

namespace wtn {

namespace {
// Below this mantissa the input holds no modulus.
constexpr double kNoYoungGiven = 0.001;
constexpr double kSteelYoung = 200.0;   // kN/mm2
constexpr double kConcreteYoung = 34.8; // kN/mm2, prestressed concrete sheet piles
} // namespace

YoungModulus young_modulus(const AddedConditions& tjkn1, bool steel) {
    YoungModulus e{tjkn1.young_coefficient, tjkn1.young_exponent, 0.0};
    if (e.mantissa < kNoYoungGiven) {
        e.mantissa = steel ? kSteelYoung : kConcreteYoung;
        e.exponent = 0.0;
    }
    e.value = e.mantissa * std::pow(10.0, e.exponent);
    return e;
}

} // namespace wtn
