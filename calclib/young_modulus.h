// Young's modulus of the sheet pile as the calculation takes it: a mantissa
// and a power of ten from the input ("tjkn1" items 11 and 12), in kN/mm2.
// Input without a modulus (a mantissa below 0.001) takes the modulus of
// steel or of prestressed concrete.
#pragma once

#include "input_record.h"

namespace wtn {

struct YoungModulus {
    double mantissa = 0.0;
    double exponent = 0.0;
    double value = 0.0; // mantissa × 10^exponent (kN/mm2)
};

YoungModulus young_modulus(const AddedConditions& tjkn1, bool steel);

} // namespace wtn
