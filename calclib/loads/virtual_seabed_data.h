// The virtual seabed of both cases as the load tables hold it: the
// candidates where the passive earth pressure of the sea side meets the
// land-side load, the chosen level of each case and the diagram rows and
// values around it. Levels in m, pressures kN/m2.
#pragma once

#include "wall_codes.h"

#include <array>

namespace wtn {

inline constexpr int kCandidateRoom = 10;

struct VirtualSeabedData {
    std::array<double, kCandidateRoom> candidate_level{};
    std::array<double, kCandidateRoom> candidate_passive{};
    std::array<int, kCandidateRoom> chosen{};
    std::array<double, kCaseCount> level{};   // chosen virtual seabed
    std::array<double, kCaseCount> passive{}; // passive pressure there
    std::array<double, kCaseCount>
        boundary_above{}; // nearest row level at or above, either diagram
    std::array<double, kCaseCount>
        boundary_below{}; // nearest row level at or below, either diagram
    std::array<double, kCaseCount> active_above{};
    std::array<double, kCaseCount> active_below{};
    std::array<double, kCaseCount> passive_above{};
    std::array<double, kCaseCount> passive_below{};
};

// Per-case results of the choice kept outside the block.
struct VirtualSeabedState {
    VirtualSeabedData data;
    int candidate_count = 0; // of the case computed last
    std::array<int, kCaseCount> merged_row = {
        -1, -1}; // merged-diagram row at or above the virtual seabed
    std::array<int, kCaseCount> passive_row = {-1, -1}; // passive-diagram row at or above it
};

} // namespace wtn
