#include "transfer_matrix.h"

#include "band_system.h"
#include "error_messages.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace wtn {

FieldMatrix field_matrix(double beta, double length, double rigidity) {
    const double b = beta * length;
    const double c = std::cos(b);
    const double s = std::sin(b);
    const double ch = std::cosh(b);
    const double sh = std::sinh(b);
    const double a0 = ch * c;
    const double a1 = (c * sh + s * ch) / 2.0;
    const double a2 = sh * s / 2.0;
    const double a3 = (ch * s - c * sh) / 4.0;
    const double ei = rigidity;
    const double b2 = beta * beta;
    const double b3 = b2 * beta;
    return {
        a0, -a1 / beta,       -a2 / (ei * b2),    -a3 / (ei * b3),     4.0 * beta * a3,
        a0, a1 / (ei * beta), a2 / (ei * b2),     4.0 * b2 * ei * a2,  -4.0 * beta * ei * a3,
        a0, a1 / beta,        4.0 * b3 * ei * a1, -4.0 * b2 * ei * a2, -4.0 * beta * a3,
        a0,
    };
}

NodeState apply_field_matrix(const FieldMatrix& f, const NodeState& state) {
    NodeState out{};
    for (std::size_t r = 0; r < 4; ++r) {
        double sum = 0.0;
        for (std::size_t c = 0; c < 4; ++c)
            sum += f[r * 4 + c] * state[c];
        out[r] = sum;
    }
    return out;
}

namespace {

// βℓ of one piece of the banded solve: e^5 ≈ 150 keeps every relation well
// conditioned.
constexpr double kMaxPieceBetaLength = 5.0;
// Diagonals of the system below and above the main one (see matrix_solve).
constexpr int kBandLower = 5;
constexpr int kBandUpper = 2;
// Pivot floor of the row-equilibrated system.
constexpr double kSingularPivot = 1e-14;

int pieces_of(double beta, double length) {
    const double bl = std::fabs(beta * length);
    return std::max(1, static_cast<int>(std::ceil(bl / kMaxPieceBetaLength)));
}

// The two state components the tip condition fixes at 0.
std::pair<int, int> tip_rows(PileTipCondition tip_condition) {
    if (tip_condition == PileTipCondition::HeadFree) return {kStateMoment, kStateShear};
    if (tip_condition == PileTipCondition::PinnedTip) return {kStateDeflection, kStateMoment};
    if (tip_condition == PileTipCondition::FixedTip) return {kStateDeflection, kStateRotation};
    stop_with_error(ErrorCode::PileTipCondition);
}

} // namespace

void matrix_solve(double head_moment, double head_shear, const MatrixElements& elements,
                  PileTipCondition tip_condition, MatrixWork& work) {
    const auto [tip_a, tip_b] = tip_rows(tip_condition);
    const auto count = static_cast<std::size_t>(elements.count);
    work.field_matrices.resize(std::max(work.field_matrices.size(), count));
    work.node_states.resize(std::max(work.node_states.size(), count + 1));

    // The pieces of the solve and the piece node of every element's bottom.
    std::vector<FieldMatrix> pieces;
    std::vector<std::size_t> element_end(count, 0);
    for (std::size_t e = 0; e < count; ++e) {
        const double beta = elements.beta[e];
        const double length = elements.length[e];
        const double ei = elements.rigidity[e];
        work.field_matrices[e] = field_matrix(beta, length, ei);
        const int n = pieces_of(beta, length);
        if (n == 1) {
            pieces.push_back(work.field_matrices[e]);
        } else {
            const FieldMatrix piece = field_matrix(beta, length / n, ei);
            pieces.insert(pieces.end(), static_cast<std::size_t>(n), piece);
        }
        element_end[e] = pieces.size();
    }

    // Unknowns in units of the head element: y EIβ³, θ EIβ², M β and Q, so the
    // coefficients are of order one and partial pivoting compares like terms.
    const double beta0 = count > 0 ? elements.beta[0] : 1.0;
    const double ei0 = count > 0 ? elements.rigidity[0] : 1.0;
    const std::array<double, 4> unit = {1.0 / (ei0 * beta0 * beta0 * beta0),
                                        1.0 / (ei0 * beta0 * beta0), 1.0 / beta0, 1.0};

    // Rows: the head moment and shear; four relations per piece,
    // state(i + 1) - F state(i) = 0; the two tip conditions.
    const std::size_t nodes = pieces.size() + 1;
    BandSystem system(work.band, 4 * nodes, kBandLower, kBandUpper);
    system.at(0, kStateMoment) = 1.0;
    system.rhs(0) = head_moment / unit[kStateMoment];
    system.at(1, kStateShear) = 1.0;
    system.rhs(1) = head_shear / unit[kStateShear];
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        for (std::size_t k = 0; k < 4; ++k) {
            const std::size_t row = 2 + 4 * i + k;
            system.at(row, 4 * (i + 1) + k) = 1.0;
            for (std::size_t c = 0; c < 4; ++c)
                system.at(row, 4 * i + c) = -pieces[i][k * 4 + c] * unit[c] / unit[k];
        }
    }
    const std::size_t tip = 4 * (nodes - 1);
    system.at(4 * nodes - 2, tip + static_cast<std::size_t>(tip_a)) = 1.0;
    system.at(4 * nodes - 1, tip + static_cast<std::size_t>(tip_b)) = 1.0;
    system.equilibrate_rows();

    std::vector<double> x;
    if (!system.solve(x, kSingularPivot)) stop_with_error(kPivotTooSmallText);

    auto state_of_piece_node = [&](std::size_t node) {
        NodeState s{};
        for (std::size_t c = 0; c < 4; ++c)
            s[c] = x[4 * node + c] * unit[c];
        return s;
    };
    work.node_states[0] = state_of_piece_node(0);
    work.node_states[0][kStateMoment] = head_moment;
    work.node_states[0][kStateShear] = head_shear;
    for (std::size_t e = 0; e < count; ++e)
        work.node_states[e + 1] = state_of_piece_node(element_end[e]);
    work.node_states[count][static_cast<std::size_t>(tip_a)] = 0.0;
    work.node_states[count][static_cast<std::size_t>(tip_b)] = 0.0;
}

NodeState partial_state(double beta, double x, double rigidity, const NodeState& top_state) {
    return apply_field_matrix(field_matrix(beta, x, rigidity), top_state);
}

namespace {
// A depth this close above an element's bottom still lies in it (m).
constexpr double kDepthTolerance = 0.0001;
} // namespace

DepthState state_at_depth(const MatrixElements& elements, const std::vector<NodeState>& states,
                          double x) {
    double top = 0.0;
    for (int e = 0; e < elements.count; ++e) {
        const auto i = static_cast<std::size_t>(e);
        const double length = elements.length[i];
        if (!(length > 0.0)) break;
        const double bottom = top + length;
        if (bottom >= x - kDepthTolerance) {
            // Carried from the nearer node: a state taken over a long element
            // from its far end gathers that end's round-off times e^(βℓ).
            const double below_top = x - top;
            DepthState out;
            out.element = e;
            if (below_top <= length / 2.0) {
                out.state =
                    partial_state(elements.beta[i], below_top, elements.rigidity[i], states[i]);
            } else {
                out.state = partial_state(elements.beta[i], x - bottom, elements.rigidity[i],
                                          states[i + 1]);
            }
            return out;
        }
        top = bottom;
    }
    stop_with_error(ErrorCode::NoDepthWithinPile);
}

} // namespace wtn
