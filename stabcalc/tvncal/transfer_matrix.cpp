#include "transfer_matrix.h"

#include "chain_system.h"
#include "error_messages.h"
#include "result_areas.h"
#include "result_images.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace wtn {

void alloc_matrix_work(MatrixWork& work, int room) {
    allocate_rows(work.field_matrices, room, kFieldMatrixBytes, ErrorCode::FieldMatrices);
    allocate_rows(work.node_states, room, kNodeStateBytes, ErrorCode::NodeStates);
}

void free_matrix_work(MatrixWork& work) {
    work = MatrixWork{};
}

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

namespace {

// The four functions of x = βℓ the field matrix is made of:
// a0 = cosh x·cos x, a1 = (cos x·sinh x + sin x·cosh x) / 2,
// a2 = sinh x·sin x / 2, a3 = (cosh x·sin x - cos x·sinh x) / 4.
struct BeamFunctions {
    double a0 = 0.0;
    double a1 = 0.0;
    double a2 = 0.0;
    double a3 = 0.0;
};

// Up to this βℓ the functions are summed from their power series
// a_j = x^j Σ (-4x⁴)^k / (4k + j)!, k = 0 … kSeriesTerms - 1: at x = 1 the
// first term left out is below 10⁻²⁰ of the sum, the terms fall by a factor
// of six or more from the first, and no term cancels another. An element of
// the iteration (0.1 m at β of a few tenths per metre) lies well inside.
constexpr double kSeriesLimit = 1.0;
constexpr int kSeriesTerms = 7;

constexpr double inverse_factorial(int n) {
    double f = 1.0;
    for (int i = 2; i <= n; ++i)
        f *= i;
    return 1.0 / f;
}

// 1 / (4k + j)! for k = 0 … kSeriesTerms - 1 and j = 0 … 3, the four
// functions' coefficients of one power side by side.
constexpr std::array<std::array<double, 4>, kSeriesTerms> kSeriesCoefficients = [] {
    std::array<std::array<double, 4>, kSeriesTerms> c{};
    for (int k = 0; k < kSeriesTerms; ++k) {
        for (int j = 0; j < 4; ++j)
            c[static_cast<std::size_t>(k)][static_cast<std::size_t>(j)] =
                inverse_factorial(4 * k + j);
    }
    return c;
}();

// The series of function j at x, Σ z^k / (4k + j)! with z = -4x⁴ (Horner).
double series_sum(std::size_t j, double z) {
    double sum = kSeriesCoefficients[kSeriesTerms - 1][j];
    for (int k = kSeriesTerms - 2; k >= 0; --k)
        sum = sum * z + kSeriesCoefficients[static_cast<std::size_t>(k)][j];
    return sum;
}

// z = -4x⁴ of the series at x.
double series_argument(double x) {
    const double x2 = x * x;
    return -4.0 * x2 * x2;
}

// The functions at x from their four series sums there: a_j = x^j · sum_j.
BeamFunctions functions_from_sums(double x, const std::array<double, 4>& sums) {
    const double x2 = x * x;
    return {sums[0], x * sums[1], x2 * sums[2], x2 * x * sums[3]};
}

// The functions of |x| ≤ kSeriesLimit from their series.
BeamFunctions series_functions(double x) {
    const double z = series_argument(x);
    return functions_from_sums(
        x, {series_sum(0, z), series_sum(1, z), series_sum(2, z), series_sum(3, z)});
}

// Reciprocals of an element's β and EI, shared by its matrix and middle row.
struct ElementReciprocals {
    double inv_beta = 0.0;
    double inv_ei = 0.0;
};

ElementReciprocals reciprocals_of(double beta, double rigidity) {
    return {1.0 / beta, 1.0 / rigidity};
}

// The field matrix of an element from its functions.
FieldMatrix field_matrix_of(const BeamFunctions& f, double beta, double rigidity,
                            const ElementReciprocals& r) {
    const double inv_beta = r.inv_beta;
    const double inv_ei = r.inv_ei;
    const double ei = rigidity;
    const double b2 = beta * beta;
    const double b3 = b2 * beta;
    const double inv_b2 = inv_beta * inv_beta;
    const double inv_b3 = inv_b2 * inv_beta;
    return {
        f.a0,
        -f.a1 * inv_beta,
        -f.a2 * inv_ei * inv_b2,
        -f.a3 * inv_ei * inv_b3,
        4.0 * beta * f.a3,
        f.a0,
        f.a1 * inv_ei * inv_beta,
        f.a2 * inv_ei * inv_b2,
        4.0 * b2 * ei * f.a2,
        -4.0 * beta * ei * f.a3,
        f.a0,
        f.a1 * inv_beta,
        4.0 * b3 * ei * f.a1,
        -4.0 * b2 * ei * f.a2,
        -4.0 * beta * f.a3,
        f.a0,
    };
}

// The first row of the field matrix: the deflection from the state at the top.
NodeState deflection_row_of(const BeamFunctions& f, const ElementReciprocals& r) {
    const double inv_beta = r.inv_beta;
    const double inv_ei = r.inv_ei;
    return {f.a0, -f.a1 * inv_beta, -f.a2 * inv_ei * inv_beta * inv_beta,
            -f.a3 * inv_ei * inv_beta * inv_beta * inv_beta};
}

// A short element's middle row and whole matrix from its functions of βℓ/2:
// the whole as F(ℓ) = F(ℓ/2)², whose first row gives
// a0(2x) = a0² - 8a1a3 - 4a2², a1(2x) = 2a0a1 - 8a2a3,
// a2(2x) = 2a0a2 + a1² - 4a3², a3(2x) = 2a0a3 + 2a1a2.
void short_element(const BeamFunctions& half, double beta, double rigidity, FieldMatrix& whole,
                   NodeState& middle_row) {
    const ElementReciprocals reciprocals = reciprocals_of(beta, rigidity);
    middle_row = deflection_row_of(half, reciprocals);
    const BeamFunctions doubled{
        half.a0 * half.a0 - 8.0 * half.a1 * half.a3 - 4.0 * half.a2 * half.a2,
        2.0 * half.a0 * half.a1 - 8.0 * half.a2 * half.a3,
        2.0 * half.a0 * half.a2 + half.a1 * half.a1 - 4.0 * half.a3 * half.a3,
        2.0 * half.a0 * half.a3 + 2.0 * half.a1 * half.a2};
    whole = field_matrix_of(doubled, beta, rigidity, reciprocals);
}

// A long element's middle row and whole matrix from one exp and one sine and
// cosine of βℓ/2, the whole by the double-angle formulas.
void long_element(double beta, double length, double rigidity, FieldMatrix& whole,
                  NodeState& middle_row) {
    const ElementReciprocals reciprocals = reciprocals_of(beta, rigidity);
    const double h = beta * length / 2.0;
    // cosh and sinh of h from e^h - 1, which keeps sinh's relative accuracy
    // for small h.
    const double em = std::expm1(h);
    const double e = 1.0 + em;
    const double ch_h = 1.0 + em * em / (2.0 * e);
    const double sh_h = em * (em + 2.0) / (2.0 * e);
    const double c_h = std::cos(h);
    const double s_h = std::sin(h);

    // The upper half: its deflection row.
    const BeamFunctions half{ch_h * c_h, (c_h * sh_h + s_h * ch_h) / 2.0, sh_h * s_h / 2.0,
                             (ch_h * s_h - c_h * sh_h) / 4.0};
    middle_row = deflection_row_of(half, reciprocals);

    // The whole element from the double angle.
    const double c = 1.0 - 2.0 * s_h * s_h;
    const double s = 2.0 * s_h * c_h;
    const double ch = 1.0 + 2.0 * sh_h * sh_h;
    const double sh = 2.0 * sh_h * ch_h;
    whole =
        field_matrix_of({ch * c, (c * sh + s * ch) / 2.0, sh * s / 2.0, (ch * s - c * sh) / 4.0},
                        beta, rigidity, reciprocals);
}

} // namespace

void field_matrix_with_middle(double beta, double length, double rigidity, FieldMatrix& whole,
                              NodeState& middle_row) {
    const double b = beta * length;
    if (std::fabs(b) <= kSeriesLimit) {
        // A short element: from the series, no exponential or sine.
        short_element(series_functions(b / 2.0), beta, rigidity, whole, middle_row);
    } else {
        long_element(beta, length, rigidity, whole, middle_row);
    }
}

void chain_field_matrices(const MatrixElements& elements, MatrixWork& work) {
    const auto count = static_cast<std::size_t>(elements.count);
    work.field_matrices.resize(std::max(work.field_matrices.size(), count));
    work.middle_rows.resize(std::max(work.middle_rows.size(), count));
    // The series of every element at x = βℓ/2 first, in plain passes over
    // the chain that the compiler takes two elements at a time (a long
    // element's sums are computed and not used).
    std::vector<double>& x = work.half_beta_length;
    x.resize(std::max(x.size(), count));
    for (std::size_t e = 0; e < count; ++e)
        x[e] = elements.beta[e] * elements.length[e] / 2.0;
    std::array<std::vector<double>, 4>& sums = work.series_sums;
    for (std::size_t j = 0; j < 4; ++j) {
        std::vector<double>& sum_j = sums[j];
        sum_j.resize(std::max(sum_j.size(), count));
        for (std::size_t e = 0; e < count; ++e)
            sum_j[e] = series_sum(j, series_argument(x[e]));
    }
    for (std::size_t e = 0; e < count; ++e) {
        const double beta = elements.beta[e];
        const double length = elements.length[e];
        const double rigidity = elements.rigidity[e];
        if (std::fabs(beta * length) <= kSeriesLimit) {
            const BeamFunctions half =
                functions_from_sums(x[e], {sums[0][e], sums[1][e], sums[2][e], sums[3][e]});
            short_element(half, beta, rigidity, work.field_matrices[e], work.middle_rows[e]);
        } else {
            long_element(beta, length, rigidity, work.field_matrices[e], work.middle_rows[e]);
        }
    }
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
// Pivot floor of the row-equilibrated system.
constexpr double kSingularPivot = 1e-14;

int pieces_of(double beta, double length) {
    const double bl = std::fabs(beta * length);
    if (bl <= kMaxPieceBetaLength) return 1; // nearly every element: no rounding up
    return static_cast<int>(std::ceil(bl / kMaxPieceBetaLength));
}

// The two state components the tip condition fixes at 0.
std::pair<int, int> tip_rows(PileTipCondition tip_condition) {
    if (tip_condition == PileTipCondition::HeadFree) return {kStateMoment, kStateShear};
    if (tip_condition == PileTipCondition::PinnedTip) return {kStateDeflection, kStateMoment};
    if (tip_condition == PileTipCondition::FixedTip) return {kStateDeflection, kStateRotation};
    stop_with_error(ErrorCode::PileTipCondition);
}

} // namespace

std::array<double, 4> head_state_units(double beta0, double rigidity0) {
    return {1.0 / (rigidity0 * beta0 * beta0 * beta0), 1.0 / (rigidity0 * beta0 * beta0),
            1.0 / beta0, 1.0};
}

FieldMatrix relation_block(const FieldMatrix& piece, const std::array<double, 4>& unit) {
    FieldMatrix block;
    for (std::size_t k = 0; k < 4; ++k) {
        for (std::size_t c = 0; c < 4; ++c)
            block[k * 4 + c] = -piece[k * 4 + c] * unit[c] / unit[k];
    }
    return block;
}

namespace {

ChainEndRow unit_row(int component, double rhs) {
    ChainEndRow row;
    row.coefficients[static_cast<std::size_t>(component)] = 1.0;
    row.rhs = rhs;
    return row;
}

// The banded solve of the chain whose elements' field matrices are in
// work.field_matrices.
void solve_element_chain(double head_moment, double head_shear, const MatrixElements& elements,
                         PileTipCondition tip_condition, MatrixWork& work) {
    const auto [tip_a, tip_b] = tip_rows(tip_condition);
    const auto count = static_cast<std::size_t>(elements.count);
    work.node_states.resize(std::max(work.node_states.size(), count + 1));

    // The piece node of every element's bottom.
    std::vector<std::size_t> element_end(count, 0);
    std::size_t pieces = 0;
    for (std::size_t e = 0; e < count; ++e) {
        pieces += static_cast<std::size_t>(pieces_of(elements.beta[e], elements.length[e]));
        element_end[e] = pieces;
    }

    const std::array<double, 4> unit = head_state_units(count > 0 ? elements.beta[0] : 1.0,
                                                        count > 0 ? elements.rigidity[0] : 1.0);

    // Rows: the head moment and shear; four relations per piece,
    // state(i + 1) - F state(i) = 0; the two tip conditions.
    ChainSystem system(work.band, pieces, kSingularPivot);
    system.set_head(unit_row(kStateMoment, head_moment / unit[kStateMoment]),
                    unit_row(kStateShear, head_shear / unit[kStateShear]));
    for (std::size_t e = 0; e < count; ++e) {
        const double beta = elements.beta[e];
        const double length = elements.length[e];
        const int n = pieces_of(beta, length);
        const FieldMatrix block = relation_block(
            n == 1 ? work.field_matrices[e] : field_matrix(beta, length / n, elements.rigidity[e]),
            unit);
        for (int i = 0; i < n; ++i) {
            if (!system.add_piece(block)) stop_with_error(kPivotTooSmallText);
        }
    }
    std::vector<double> x;
    if (!system.solve(unit_row(tip_a, 0.0), unit_row(tip_b, 0.0), x))
        stop_with_error(kPivotTooSmallText);

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

} // namespace

void matrix_solve(double head_moment, double head_shear, const MatrixElements& elements,
                  PileTipCondition tip_condition, MatrixWork& work) {
    const auto count = static_cast<std::size_t>(elements.count);
    work.field_matrices.resize(std::max(work.field_matrices.size(), count));
    for (std::size_t e = 0; e < count; ++e)
        work.field_matrices[e] =
            field_matrix(elements.beta[e], elements.length[e], elements.rigidity[e]);
    solve_element_chain(head_moment, head_shear, elements, tip_condition, work);
}

namespace {

// The inverse of a field matrix is the field matrix of the negative length:
// the entries whose row and column differ in parity change sign, F⁻¹ = ΣFΣ
// with Σ = diag(1, -1, 1, -1). The sweep therefore carries sign-flipped
// vectors, which F itself moves: Σ·state upwards, conditions·Σ downwards.
constexpr std::array<double, 4> kInverseSign = {1.0, -1.0, 1.0, -1.0};

NodeState flipped(const NodeState& v) {
    return {v[0], -v[1], v[2], -v[3]};
}

// Two conditions rows · state = rhs on a node's state, carried as
// rows·Σ in the physical unknowns. In the scaled unknowns (weights unit²)
// they are kept orthonormal.
struct NodeConditions {
    std::array<NodeState, 2> rows{};
    std::array<double, 2> rhs{};
};

// The conditions on the node below a piece of field matrix f: rows·Σ·F⁻¹ =
// (rows·Σ)·F·Σ, so the carried rows·Σ are multiplied by F.
void carry_down(const FieldMatrix& f, NodeConditions& conditions) {
    for (NodeState& row : conditions.rows) {
        NodeState out{};
        for (std::size_t c = 0; c < 4; ++c) {
            double sum = 0.0;
            for (std::size_t k = 0; k < 4; ++k)
                sum += row[k] * f[k * 4 + c];
            out[c] = sum;
        }
        row = out;
    }
}

// Makes the conditions orthonormal again in the scaled unknowns, whose
// squared units weigh the components (Gram-Schmidt, the right-hand sides
// alike). False when the second row has lost its independence below tiny.
bool orthonormalise(const std::array<double, 4>& weight, NodeConditions& conditions, double tiny) {
    const auto dot = [&](const NodeState& a, const NodeState& b) {
        return weight[0] * a[0] * b[0] + weight[1] * a[1] * b[1] + weight[2] * a[2] * b[2] +
               weight[3] * a[3] * b[3];
    };
    NodeState& first_row = conditions.rows[0];
    NodeState& second_row = conditions.rows[1];
    const double first = std::sqrt(dot(first_row, first_row));
    if (!(first >= tiny)) return false;
    const double first_scale = 1.0 / first;
    for (double& v : first_row)
        v *= first_scale;
    conditions.rhs[0] *= first_scale;
    const double along = dot(second_row, first_row);
    const double second_length_squared = dot(second_row, second_row);
    for (std::size_t c = 0; c < 4; ++c)
        second_row[c] -= along * first_row[c];
    conditions.rhs[1] -= along * conditions.rhs[0];
    const double second_squared = dot(second_row, second_row);
    if (!(second_squared >= tiny * tiny * second_length_squared)) return false;
    const double second = std::sqrt(second_squared);
    const double second_scale = 1.0 / second;
    for (double& v : second_row)
        v *= second_scale;
    conditions.rhs[1] *= second_scale;
    return true;
}

// Carried rows grow by about e^(βℓ) over a piece; the two follow the modes
// e^(βx)·cos βx and e^(βx)·sin βx, which keep their difference of phase, and
// what the decaying modes add to them shrinks. They are scaled back and made
// orthonormal again once the pieces passed since add up to this βℓ (a growth
// of about e⁴ ≈ 55, far from any overflow).
constexpr double kOrthonormaliseBetaLength = 4.0;

// The field matrix of a piece of element e cut into pieces: the element's
// own when it is whole, else the piece's, evaluated into room.
inline const FieldMatrix& piece_of(const MatrixElements& elements, const MatrixWork& work,
                                   std::size_t e, int pieces, FieldMatrix& room) {
    if (pieces == 1) return work.field_matrices[e];
    room = field_matrix(elements.beta[e], elements.length[e] / pieces, elements.rigidity[e]);
    return room;
}

// The head moment and shear as two conditions on the state of a node,
// carried down the chain to the tip and kept orthonormal in the scaled
// unknowns (weight: the squares of the units) every kOrthonormaliseBetaLength
// of βℓ, before the growing mode swamps them.
inline NodeConditions carry_head_conditions_down(double head_moment, double head_shear,
                                                 const MatrixElements& elements,
                                                 const std::array<double, 4>& weight,
                                                 const MatrixWork& work, FieldMatrix& room) {
    NodeConditions conditions;
    conditions.rows[0][kStateMoment] = 1.0;
    conditions.rows[1][kStateShear] = kInverseSign[kStateShear];
    conditions.rhs = {head_moment, head_shear};
    if (!orthonormalise(weight, conditions, kSingularPivot)) stop_with_error(kPivotTooSmallText);
    const auto count = static_cast<std::size_t>(elements.count);
    double passed = 0.0;
    for (std::size_t e = 0; e < count; ++e) {
        const int pieces = pieces_of(elements.beta[e], elements.length[e]);
        const FieldMatrix& piece = piece_of(elements, work, e, pieces, room);
        const double piece_beta_length = std::fabs(elements.beta[e] * elements.length[e]) / pieces;
        for (int i = 0; i < pieces; ++i) {
            carry_down(piece, conditions);
            passed += piece_beta_length;
            if (passed >= kOrthonormaliseBetaLength) {
                if (!orthonormalise(weight, conditions, kSingularPivot))
                    stop_with_error(kPivotTooSmallText);
                passed = 0.0;
            }
        }
    }
    if (!orthonormalise(weight, conditions, kSingularPivot)) stop_with_error(kPivotTooSmallText);
    return conditions;
}

// The tip state: the two carried conditions solved for the two components
// the tip conditions leave free (tip_a and tip_b are 0), in the scaled
// unknowns, by elimination with partial pivoting.
inline NodeState tip_state(const NodeConditions& conditions, const std::array<double, 4>& unit,
                           int tip_a, int tip_b) {
    std::array<std::size_t, 2> free{};
    for (std::size_t c = 0, k = 0; c < 4; ++c) {
        if (c != static_cast<std::size_t>(tip_a) && c != static_cast<std::size_t>(tip_b))
            free[k++] = c;
    }
    // Each row: the coefficients of the two free unknowns, then the right side.
    std::array<std::array<double, 3>, 2> rows{};
    for (std::size_t i = 0; i < 2; ++i) {
        const NodeState& row = conditions.rows[i];
        rows[i] = {row[free[0]] * kInverseSign[free[0]] * unit[free[0]],
                   row[free[1]] * kInverseSign[free[1]] * unit[free[1]], conditions.rhs[i]};
    }
    if (std::fabs(rows[1][0]) > std::fabs(rows[0][0])) std::swap(rows[0], rows[1]);
    if (!(std::fabs(rows[0][0]) >= kSingularPivot)) stop_with_error(kPivotTooSmallText);
    const double factor = rows[1][0] / rows[0][0];
    const double pivot = rows[1][1] - factor * rows[0][1];
    if (!(std::fabs(pivot) >= kSingularPivot)) stop_with_error(kPivotTooSmallText);
    const double second = (rows[1][2] - factor * rows[0][2]) / pivot;
    const double first = (rows[0][2] - rows[0][1] * second) / rows[0][0];
    NodeState tip{};
    tip[free[0]] = first * unit[free[0]];
    tip[free[1]] = second * unit[free[1]];
    return tip;
}

// The node states up the chain from the tip state, along which the solution
// grows, carrying Σ·state: Σ·F⁻¹·state = F·Σ·state.
inline void carry_states_up(const NodeState& tip, const MatrixElements& elements, MatrixWork& work,
                            FieldMatrix& room) {
    const auto count = static_cast<std::size_t>(elements.count);
    work.node_states[count] = tip;
    NodeState carried = flipped(tip);
    for (std::size_t e = count; e-- > 0;) {
        const int pieces = pieces_of(elements.beta[e], elements.length[e]);
        const FieldMatrix& piece = piece_of(elements, work, e, pieces, room);
        for (int i = 0; i < pieces; ++i)
            carried = apply_field_matrix(piece, carried);
        work.node_states[e] = flipped(carried);
    }
}

} // namespace

void sweep_element_chain(double head_moment, double head_shear, const MatrixElements& elements,
                         PileTipCondition tip_condition, MatrixWork& work) {
    const auto [tip_a, tip_b] = tip_rows(tip_condition);
    const auto count = static_cast<std::size_t>(elements.count);
    work.node_states.resize(std::max(work.node_states.size(), count + 1));

    // Unknowns in units of the head element, as in the banded solve.
    const std::array<double, 4> unit = head_state_units(count > 0 ? elements.beta[0] : 1.0,
                                                        count > 0 ? elements.rigidity[0] : 1.0);
    const std::array<double, 4> weight = {unit[0] * unit[0], unit[1] * unit[1], unit[2] * unit[2],
                                          unit[3] * unit[3]};
    FieldMatrix room;
    const NodeConditions conditions =
        carry_head_conditions_down(head_moment, head_shear, elements, weight, work, room);
    carry_states_up(tip_state(conditions, unit, tip_a, tip_b), elements, work, room);
    work.node_states[0][kStateMoment] = head_moment;
    work.node_states[0][kStateShear] = head_shear;
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
