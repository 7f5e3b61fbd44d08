// The net pressure of a case above its virtual seabed as the load tables hold
// it (land-side active earth pressure plus residual water pressure less the
// passive earth pressure, cut into rectangles and triangles), the moments of
// the other external forces, and the force and moment totals of both cases.
// Levels m, pressures kN/m2, forces kN/m, moments kN.m/m.
#pragma once

#include "input_record.h"
#include "merged_diagram.h"
#include "pressure_segments.h"
#include "wall_codes.h"

#include <array>

namespace wtn {

inline constexpr int kNetSegmentRoom = 50;
inline constexpr int kOtherForceRoom = kMaxOtherForceRows;

struct OtherForceMoment {
    double moment = 0.0;    // about the virtual seabed
    double lever_arm = 0.0; // acting level minus the virtual seabed
};

// Force and moment sums of both cases above the virtual seabed: of the
// pieces of one diagram, and in all.
struct CaseForceTotals {
    std::array<double, kCaseCount> segment_force{}; // sum of the diagram's pieces
    std::array<double, kCaseCount> segment_moment{};
    std::array<double, kCaseCount> force{};     // total horizontal force of the case
    std::array<double, kCaseCount> moment{};    // total moment about the virtual seabed
    std::array<double, kCaseCount> lever_arm{}; // moment / force, 3 decimals
};

// The totals of the net pressure, whose pieces are the net-pressure pieces,
// with the residual water pressure.
struct ForceTotals : CaseForceTotals {
    double residual_water = 0.0; // p_w, kN/m2
};

// The diagrams and pieces of one case.
struct NetPressure {
    DiagramTable active_split;  // land-side total, split at the candidates
    DiagramTable passive_split; // passive pressure over the same levels from the seabed row
    DiagramTable net;           // net pressure over the levels of active_split
    RowTable<PressureSegment, kNetSegmentRoom> segments;
    std::array<OtherForceMoment, kOtherForceRoom> other{};
};

} // namespace wtn
