// The dynamic water pressure of the seismic case as the load tables hold it:
// its resultant, the distribution down from the water surface, its pieces and
// its totals. Levels m, pressures kN/m2, forces kN/m, moments kN.m/m.
#pragma once

#include "force_case.h"
#include "net_pressure.h"
#include "pressure_segments.h"
#include "row_table.h"

#include <array>

namespace wtn {

// The distribution is taken in steps of this depth (m).
inline constexpr double kDynamicWaterStep = 0.5;
// Deepest water the dynamic-water tables have room for (m). Quay walls stand
// in far less; deeper water is refused with a message.
inline constexpr double kMaxDynamicWaterDepth = 100.0;
// Points of the distribution: one per step, a last one at the water depth.
inline constexpr int kDynamicWaterPointRoom =
    static_cast<int>(kMaxDynamicWaterDepth / kDynamicWaterStep) + 1;
// Pieces: up to two triangles per step.
inline constexpr int kDynamicWaterSegmentRoom = 2 * (kDynamicWaterPointRoom - 1);

struct DynamicWaterData {
    double force = 0.0;           // P_d, resultant over the whole depth
    double height = 0.0;          // h_d above the design seabed
    double moment = 0.0;          // M_d about the virtual seabed
    int above_crown = 0;          // 1 when the L.W.L. is at or above the superstructure crown
    double crown_force = 0.0;     // P_c, the part above the crown
    double crown_height = 0.0;    // h_c above the crown
    double crown_moment = 0.0;    // M_c
    double seabed_pressure = 0.0; // p at the seabed
    double step = kDynamicWaterStep;
    int point_count = 0;
    double start_level = 0.0;                           // level of the first point
    std::array<double, kDynamicWaterPointRoom> depth{}; // below the water surface
    std::array<double, kDynamicWaterPointRoom> pressure{};
    int segment_count = 0;
};

// The totals of the dynamic water pressure, whose pieces are its own. The
// load tables keep a real before them, 0, where the net pressure's totals
// hold the residual water pressure.
struct DynamicWaterTotals : CaseForceTotals {
    double spare = 0.0;
};

using DynamicWaterSegments = RowTable<PressureSegment, kDynamicWaterSegmentRoom>;

// Every piece must fit the force file's reader.
static_assert(kDynamicWaterSegmentRoom <= kMaxDynamicWaterLines);

} // namespace wtn
