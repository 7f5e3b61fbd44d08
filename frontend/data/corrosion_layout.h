// The corrosion block of the older layouts, brought to the current one.
#pragma once

#include "design_data.h"
#include "screen_codes.h"
#include "wall_codes.h"

#include <algorithm>

namespace wtn {

// Older layouts (project files without the range switch, calculation inputs)
// had one rate for both zones between the H.W.L. and the sea water and one
// land-side rate below the air: both zones take the larger rate, the water
// takes the mud layer's, and both zones are checked.
inline void upgrade_old_corrosion_layout(FsyokData& f) {
    const double sea = std::max(f.sea_rate[1], f.sea_rate[2]);
    f.sea_rate[1] = sea;
    f.sea_rate[2] = sea;
    f.land_rate[1] = f.land_rate[2];
    f.range_sw = CorrosionRange::SeaWaterAndMud;
}

} // namespace wtn
