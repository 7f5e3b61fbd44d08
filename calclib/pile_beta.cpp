#include "pile_beta.h"

#include <cmath>

namespace wtn {

double flexural_rigidity(double young, double inertia) {
    return young * 1.0e6 * inertia * 1.0e-8;
}

double pile_beta(double khb, double rigidity) {
    return std::pow(khb / 4.0 / rigidity, 0.25);
}

} // namespace wtn
