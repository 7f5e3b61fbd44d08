// Transfer matrices of a pile on a linear elastic foundation. The state at a
// node is (y deflection m, θ rotation, M moment kN·m/m, Q shear kN/m); over an
// element of constant EI and subgrade-reaction coefficient kh the state
// changes as y' = -θ, θ' = M / EI, M' = Q, Q' = kh·y, whose solution over a
// length ℓ is the field matrix F(β, ℓ, EI) with β = (kh / 4EI)^¼.
#pragma once

#include "result_records.h"
#include "wall_codes.h"

#include <array>
#include <vector>

namespace wtn {

using FieldMatrix = std::array<double, 16>; // row-major 4 × 4
using NodeState = std::array<double, 4>;    // y, θ, M, Q

inline constexpr int kStateDeflection = 0;
inline constexpr int kStateRotation = 1;
inline constexpr int kStateMoment = 2;
inline constexpr int kStateShear = 3;

// Working data of the transfer-matrix solver: the 4 x 4 field matrix of each
// element and the state vector of each node.
struct MatrixWork {
    std::vector<FieldMatrix> field_matrices;
    std::vector<NodeState> node_states;
    // The first row of each element's half-length field matrix: the
    // deflection at the element's middle from the state at its top.
    std::vector<NodeState> middle_rows;
    // The eliminated rows of the node-state system, kept between the rounds
    // of an iteration.
    std::vector<double> band;
    // Room the rounds of an iteration reuse: each element's βℓ/2 and the four
    // series sums of its functions there, and its middle deflection.
    std::vector<double> half_beta_length;
    std::array<std::vector<double>, 4> series_sums;
    std::vector<double> middle_deflection;
};

// Gives the work room for room elements, cleared: their field matrices and
// node states. A room beyond the largest work area (kZeroFillLimit bytes)
// or an allocation failure stops the program with the area's message.
void alloc_matrix_work(MatrixWork& work, int room);
// Releases what alloc_matrix_work and the solver's rounds took.
void free_matrix_work(MatrixWork& work);

// The field matrix of one element. Valid for a negative length too (it is
// the exponential of the element's differential operator), which carries a
// state upwards.
FieldMatrix field_matrix(double beta, double length, double rigidity);

// The field matrix of one element (whole) and the first row of the field
// matrix of its upper half (middle_row: the deflection at the element's
// middle from the state at its top), both from the four functions of βℓ/2:
// from their power series for a short element (βℓ ≤ 1), else from one exp
// and one sine and cosine; whole by the double-argument formulas. Equal to field_matrix to
// round-off; for an iteration that evaluates every element's matrix and middle deflection in every
// round.
void field_matrix_with_middle(double beta, double length, double rigidity, FieldMatrix& whole,
                              NodeState& middle_row);

// Every element's field matrix and middle row, as field_matrix_with_middle
// gives them, into work.field_matrices and work.middle_rows: the short
// elements' series first for the whole chain, in passes the compiler takes
// two elements at a time.
void chain_field_matrices(const MatrixElements& elements, MatrixWork& work);

// F × state.
NodeState apply_field_matrix(const FieldMatrix& f, const NodeState& state);

// The unknowns of the chain solves in units of the head element (β beta0,
// rigidity rigidity0): y EIβ³, θ EIβ², M β and Q, so the coefficients are of
// order one and partial pivoting compares like terms. A state component c is
// the scaled unknown times unit[c].
std::array<double, 4> head_state_units(double beta0, double rigidity0);

// The relations state(i + 1) - F state(i) = 0 of a piece with field matrix
// piece, in the scaled unknowns: the coefficients of state(i).
FieldMatrix relation_block(const FieldMatrix& piece, const std::array<double, 4>& unit);

// The text of a pivot that is too small; the solvers stop with it.
inline constexpr const char* kPivotTooSmallText = "ピボットが小さすぎる";

// The node states of the element chain under the head moment head_moment
// and head shear head_shear, with the tip condition tip_condition:
// states[0] is the head, states[count] the tip. The field matrices of the
// elements go to work.field_matrices, the states to work.node_states.
//
// The states are not multiplied forward from the head, whose round-off grows
// like e^(2Σβℓ) on a long or stiff chain: the element relations, the two head
// loads and the two tip conditions form one banded system solved by
// elimination with partial pivoting, with elements of βℓ > 5 cut into pieces
// for the solve. The head loads and the tip's boundary values are then exact.
// An unknown tip condition stops with ErrorMessages code 55; a singular
// system with the pivot text.
void matrix_solve(double head_moment, double head_shear, const MatrixElements& elements,
                  PileTipCondition tip_condition, MatrixWork& work);

// As matrix_solve, with the elements' field matrices already in
// work.field_matrices, for an iteration that solves one chain many times: the head conditions are
// carried down the chain, kept orthonormal in the scaled unknowns (they follow the modes that decay
// downwards), the tip state is solved from them and the tip conditions, and the states are carried
// up from the tip, along which the solution grows. Equal to the banded solve to round-off; a
// fraction of its work.
void sweep_element_chain(double head_moment, double head_shear, const MatrixElements& elements,
                         PileTipCondition tip_condition, MatrixWork& work);

// The state at distance x below the top of an element, from the state at
// its top.
NodeState partial_state(double beta, double x, double rigidity, const NodeState& top_state);

// The state at depth x below the head, and the element that holds it: the
// first element whose bottom lies at least at x - 0.0001. It is carried from
// the nearer end of that element. A depth below the last element stops with
// ErrorMessages code 59.
struct DepthState {
    NodeState state{};
    int element = 0;
};
DepthState state_at_depth(const MatrixElements& elements, const std::vector<NodeState>& states,
                          double x);

} // namespace wtn
