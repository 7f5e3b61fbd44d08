// Whether a row of one of the design data's row tables holds data. Tables
// keep fixed room; an unused row is an empty slot. Screens keep, store and
// the calculation-input writer writes exactly the rows that pass these tests,
// so a row the user sees in a list always reaches the calculation.
#pragma once

#include "design_data.h"

#include <array>

namespace wtn {

// A fill (morid_tbl): a wet or a saturated unit weight. A fill entered with
// only one of the two (below water the wet weight may be left 0) is used.
inline bool row_used(const MoridRow& r) {
    return r.wet_w > 0.0 || r.sat_w > 0.0;
}

// A surcharge zone (josai_tbl): an intensity in the normal or seismic case.
inline bool row_used(const JosaiRow& r) {
    return r.q_normal != 0.0 || r.q_seismic != 0.0;
}

// A ground point (tikei_tbl): anything but the origin.
inline bool row_used(const TikeiPoint& p) {
    return p.x != 0.0 || p.y != 0.0;
}

// Another external force (gairyoku_jyo, gairyoku_jis): a force of either sign.
inline bool row_used(const GairyokuRec& f) {
    return f.force != 0.0;
}

// A soil layer (dosou_riku, dosou_umi): a wet or a saturated unit weight.
inline bool row_used(const DosouRec& l) {
    return l.unit_w[0] > 0.0 || l.unit_w[1] > 0.0;
}

// A steel-pipe row (kokan_tbl): a diameter and a wall thickness.
inline bool row_used(const KokanRec& r) {
    return r.diameter > 0.0 && r.thickness > 0.0;
}

// The first used layer of a side (layers 0 to 14); layer 0 when none is used.
// Its top is the top of the soil on that side.
inline const DosouRec& first_used_layer(const std::array<DosouRec, kSoilLayerRoom + 1>& layers) {
    for (int i = 0; i < kSoilLayerRoom; ++i) {
        if (row_used(layers[i])) return layers[i];
    }
    return layers[0];
}

} // namespace wtn
