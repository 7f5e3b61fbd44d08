// Small force cases and element rooms for the solver tests: layers below the
// reference level given by thickness and kh.
#pragma once

#include "force_case.h"
#include "matrix_methods.h"

#include <vector>

namespace wtn::test {

struct TestLayer {
    double thickness = 0.0;
    double kh = 0.0;
};

// Layer rows from reference_level down, the last row closing the last layer;
// the first row is the start row and the normal case's base level is the
// reference level.
inline ForceCase layered_case(double reference_level, const std::vector<TestLayer>& layers) {
    ForceCase fc;
    fc.start_index = 0;
    double level = reference_level;
    std::size_t i = 0;
    for (const TestLayer& layer : layers) {
        fc.layers[i].level = level;
        fc.layers[i].thickness = layer.thickness;
        fc.layers[i].kh = layer.kh;
        level -= layer.thickness;
        ++i;
    }
    fc.layers[i].level = level;
    fc.layer_count = static_cast<int>(i + 1);
    fc.base[0].level = reference_level;
    return fc;
}

inline MatrixElements element_room(int room) {
    MatrixElements e;
    const auto n = static_cast<std::size_t>(room);
    e.rigidity.assign(n, 0.0);
    e.length.assign(n, 0.0);
    e.kh.assign(n, 0.0);
    e.beta.assign(n, 0.0);
    e.factor.assign(n, 0.0);
    return e;
}

// The elements of a chain down to reference - length, built as the solvers
// build them (pitch 0: one element per layer).
inline MatrixElements chain_of(const ForceCase& fc, double length, double rigidity,
                               double pitch = 0.0, int room = 2000) {
    MatrixElements e = element_room(room);
    ElementChainInput in;
    in.force_case = &fc;
    in.reference_level = fc.base[0].level;
    in.tip_level = fc.base[0].level - length;
    in.rigidity = rigidity;
    in.pitch = pitch;
    build_elements(in, e);
    return e;
}

} // namespace wtn::test
