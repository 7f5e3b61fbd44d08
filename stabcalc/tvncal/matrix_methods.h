// The transfer-matrix embedment methods: the pile below the reference level
// as a chain of beam elements down to the given tip, one element per soil
// layer with a linear subgrade reaction (method 2, Chang's method for
// multi-layer ground), or the layers cut into pieces of the division pitch
// whose coefficients follow the square-root reaction p = kh·√|y| of C-type
// ground (method 4), iterated on the deflections.
#pragma once

#include "force_case.h"
#include "result_records.h"
#include "stability_run.h"
#include "transfer_matrix.h"

namespace wtn {

// The counted points of the result block are the whole-metre depths from 0
// to L and a point at L; three special entries follow them. So the embedded
// length may not exceed this (m).
inline constexpr double kMaxMatrixEmbeddedLength = 41.0;
inline constexpr int kMatrixSpecialEntries = 3;
// Depth of a special entry that does not exist.
inline constexpr double kAbsentPointDepth = 1000.0;

// What build_elements needs of a case and a section.
struct ElementChainInput {
    const ForceCase* force_case = nullptr;
    double reference_level = 0.0; // e_ref, the case's base level (m)
    double tip_level = 0.0;       // pile tip elevation (m)
    double rigidity = 0.0;        // EIβ of the section (kN·m²/m)
    double pitch = 0.0;           // element length of method 4; 0: one element per layer
};

// Fills elements (within the room it was given) from the layer rows of the
// force case from its start row down to the layer that holds the tip, and
// returns the element count. Stops with a message when the tip is not below
// the reference level, when L exceeds kMaxMatrixEmbeddedLength, when a layer
// has kh ≤ 0 (ErrorMessages code 67) and when the room is too small.
int build_elements(const ElementChainInput& input, MatrixElements& elements);

// The head state of a section and the three results, rounded to 3 decimals.
struct MatrixSectionResult {
    NodeState head{};
    double max_moment = 0.0;       // signed, as the chain carries it
    double max_moment_depth = 0.0; // m below the reference level
    double first_zero = 0.0;       // first zero of the moment (m)
};

// Rounds of the method-4 iteration before it is given up.
inline constexpr int kMaxCTypeRounds = 200;

// New β of every element (method 4) from the deflection at its middle:
// β = (kh / √|y| · factor / 4EI)^¼, with |y| floored at 10^-6 of the largest
// middle deflection of the round so β stays finite where the pile crosses
// its rest position. The middle deflection is work.middle_rows[e] ·
// work.node_states[e], the rows of the β the states were solved with.
void update_ctype_beta(MatrixElements& elements, MatrixWork& work);

// Solves one section: method 2 once, method 4 iterated until the head
// deflection changes by less than 0.0001 m (at most kMaxCTypeRounds rounds,
// then a stop with a message). Fills nodes with the result block.
MatrixSectionResult solve_matrix_section(double moment, double force, bool square_root_reaction,
                                         PileTipCondition tip_condition, MatrixElements& elements,
                                         MatrixWork& work, MatrixNodeResult& nodes);

// The whole-metre points and the point at L, and the special entries of the
// maximum moment, the first zero of the deflection and the last zero of the
// rotation. Returns the maximum moment and its depth (the head's when the
// head moment is the larger). Stops with ErrorMessages code 58 when the
// shear never changes sign.
struct MaxMoment {
    double moment = 0.0;
    double depth = 0.0;
};
MaxMoment max_moment_search(const MatrixElements& elements, const std::vector<NodeState>& states,
                            MatrixNodeResult& nodes);

// Depth of the first zero of the moment among the points of nodes, refined by
// bisection. Stops with ErrorMessages code 56 when the moment never reaches 0.
double first_moment_zero(const MatrixElements& elements, const std::vector<NodeState>& states,
                         const MatrixNodeResult& nodes);

// Case j of the candidate being tried, down to the tip of the input
// (DesignConditions item 7): method 2 (solve_chang_matrix) or method 4
// (solve_ctype_matrix). Every section is solved (section 1 is passed over when
// both corrosion zones are the same); the sea-water section reports its head
// moment, the others their maximum moment. Moments, stresses, depths and
// zeros go to MatrixResult and LevelSolverBlock, the embedded length and the
// head displacements to LevelDisplacementBlock.
void solve_chang_matrix(StabilityRun& run, int j);
void solve_ctype_matrix(StabilityRun& run, int j);

// The head displacement of corrosion state `state` from the head deflection
// y0 (m) and rotation θ0: δ1 = r3(100 y0), δ2 = r3(θ0 h), δ3 with rigidity;
// the reaction δ1·kh/100 (linear ground) or √(|δ1|/100)·kh (square-root
// ground), kh of the start row.
void matrix_displacement(StabilityRun& run, int j, int state, bool square_root_reaction,
                         double rigidity, double y0, double theta0);

} // namespace wtn
