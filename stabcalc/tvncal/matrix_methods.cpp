#include "matrix_methods.h"

#include "checks.h"
#include "embedment_common.h"
#include "error_messages.h"
#include "pile_beta.h"
#include "rounding.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

namespace wtn {

namespace {

// Level and depth tolerances of the point walk (m).
constexpr double kOnTipTolerance = 0.0001;
constexpr double kExtraPointGap = 0.001;
constexpr double kPointStep = 1.0;
// Convergence of the method-4 iteration on the head deflection (m), from the
// first guess of a unit deflection.
constexpr double kHeadDeflectionTolerance = 0.0001;
constexpr double kFirstHeadDeflection = 1.0;
// The floor of a middle deflection relative to the round's largest one.
constexpr double kDeflectionFloor = 1e-6;
// The bisections of the searches.
constexpr int kMaxHalvings = 20;
constexpr double kShearTolerance = 1e-6;
constexpr double kDeflectionTolerance = 5e-7;
constexpr double kRotationTolerance = 5e-9;
constexpr double kMomentTolerance = 1e-6;
// Round-off can keep |M| above its tolerance for ever; 60 halvings leave an
// interval far below any printed digit.
constexpr int kMaxMomentZeroHalvings = 60;

constexpr const char* kTipNotSetText = "(ERROR)-矢板の下端位置がセットされていません．";
constexpr const char* kTooManyElementsText =
    "(ERROR)-伝達マトリックスの要素数が確保した領域を超えました.";

// The stop when the embedded length exceeds what the result block holds,
// naming the length limit and the number of stored points.
std::string too_long_text() {
    char length[32];
    std::snprintf(length, sizeof length, "%.1f", kMaxMatrixEmbeddedLength);
    return std::string("(ERROR)-矢板の根入れ長が ") + length +
           "m を超えています。計算結果の格納点数(" + std::to_string(kMatrixNodeRoom) +
           "点)を超えるため計算できません.";
}

// The stop when the method-4 iteration has used up its rounds.
std::string no_convergence_text() {
    return "(ERROR)-Ｃ型地盤(多層地盤)の収束計算が " + std::to_string(kMaxCTypeRounds) +
           " 回の繰り返しで収束しません.";
}

void add_element(MatrixElements& elements, double length, double kh, double rigidity) {
    if (static_cast<std::size_t>(elements.count) >= elements.room())
        stop_with_error(kTooManyElementsText);
    const auto i = static_cast<std::size_t>(elements.count);
    elements.rigidity[i] = rigidity;
    elements.length[i] = length;
    elements.kh[i] = kh;
    elements.beta[i] = pile_beta(kh, rigidity);
    elements.factor[i] = 1.0;
    ++elements.count;
}

void add_pitch_elements(MatrixElements& elements, double thickness, double pitch, double kh,
                        double rigidity) {
    const int n = static_cast<int>(pitch_pieces(thickness, pitch));
    for (int i = 0; i < n; ++i)
        add_element(elements, thickness / n, kh, rigidity);
}

double sign_of(double v) {
    return v > 0.0 ? 1.0 : (v < 0.0 ? -1.0 : 0.0);
}

// Bisection between depths upper and lower whose component of the state
// has opposite signs there; ends after max_halvings or when |component| <
// tolerance. The last midpoint is the result.
DepthState bisect(const MatrixElements& elements, const std::vector<NodeState>& states,
                  double upper, double lower, double upper_value, std::size_t component,
                  double tolerance, int max_halvings, double& depth) {
    DepthState mid;
    for (int i = 0; i < max_halvings; ++i) {
        depth = (upper + lower) / 2.0;
        mid = state_at_depth(elements, states, depth);
        const double v = mid.state[component];
        if (std::fabs(v) < tolerance) break;
        if (sign_of(v) == sign_of(upper_value)) {
            upper = depth;
            upper_value = v;
        } else {
            lower = depth;
        }
    }
    return mid;
}

void store_point(MatrixNodeResult& nodes, std::size_t i, double depth, const NodeState& s) {
    nodes.depth[i] = depth;
    nodes.deflection[i] = s[kStateDeflection];
    nodes.angle[i] = s[kStateRotation];
    nodes.moment[i] = s[kStateMoment];
    nodes.shear[i] = s[kStateShear];
}

void store_absent(MatrixNodeResult& nodes, std::size_t i) {
    store_point(nodes, i, kAbsentPointDepth, NodeState{});
}

// Index of the first pair (i, i + 1) of points below last_pair_end whose
// values change sign strictly, or -1.
int first_sign_change(const std::array<double, kMatrixNodeRoom>& v, int last_pair_end) {
    for (int i = 0; i + 1 < last_pair_end; ++i) {
        const auto k = static_cast<std::size_t>(i);
        if (v[k] * v[k + 1] < 0.0) return i;
    }
    return -1;
}

} // namespace

int build_elements(const ElementChainInput& input, MatrixElements& elements) {
    const ForceCase& fc = *input.force_case;
    const double length = input.reference_level - input.tip_level;
    if (!(length > 0.0)) stop_with_error(kTipNotSetText);
    if (length > kMaxMatrixEmbeddedLength + kOnTipTolerance) stop_with_error(too_long_text());
    elements.count = 0;
    elements.length_above = 0.0;
    elements.embedded_length = length;
    const int start = std::max(fc.start_index, 0);
    for (int i = start; i + 1 < fc.layer_count; ++i) {
        const ForceLayerRow& layer = fc.layers[static_cast<std::size_t>(i)];
        const double next_top = fc.layers[static_cast<std::size_t>(i) + 1].level;
        const bool holds_tip = input.tip_level >= next_top;
        double thickness = layer.thickness;
        if (i == start) {
            thickness = input.reference_level - std::max(next_top, input.tip_level);
        } else if (holds_tip) {
            thickness = layer.level - input.tip_level;
        }
        if (thickness > kPieceRemainder) {
            if (!(layer.kh > 0.0)) stop_with_error(ErrorCode::KhZero);
            if (input.pitch > 0.0) {
                add_pitch_elements(elements, thickness, input.pitch, layer.kh, input.rigidity);
            } else {
                add_element(elements, thickness, layer.kh, input.rigidity);
            }
        }
        if (holds_tip) return elements.count;
    }
    stop_with_error(ErrorCode::TipBelowLastLayer);
}

void update_ctype_beta(MatrixElements& elements, MatrixWork& work) {
    const auto count = static_cast<std::size_t>(elements.count);
    // The elements whose top lies within the embedded length: a leading run.
    std::size_t within = 0;
    for (double top = 0.0; within < count && top < elements.embedded_length; ++within)
        top += elements.length[within];
    // The deflection at the middle of each, carried from its top node; plain
    // passes over them, which the compiler takes two at a time.
    std::vector<double>& middle = work.middle_deflection;
    middle.resize(std::max(middle.size(), within));
    double largest = 0.0;
    for (std::size_t e = 0; e < within; ++e) {
        const NodeState& row = work.middle_rows[e];
        const NodeState& state = work.node_states[e];
        double y = 0.0;
        for (std::size_t c = 0; c < 4; ++c)
            y += row[c] * state[c];
        middle[e] = std::fabs(y);
        largest = std::max(largest, middle[e]);
    }
    // With no deflection anywhere the secant coefficient is undefined; every
    // element keeps its coefficient. Otherwise the floor is positive, and so
    // is every deflection taken below.
    if (!(largest > 0.0)) return;
    const double floor = kDeflectionFloor * largest;
    for (std::size_t e = 0; e < within; ++e) {
        const double y = std::max(middle[e], floor);
        // The secant coefficient kh·√y / y = kh / √y; β as every method and
        // the report take it.
        const double secant = elements.kh[e] / std::sqrt(y);
        elements.beta[e] = pile_beta(secant * elements.factor[e], elements.rigidity[e]);
    }
}

MaxMoment max_moment_search(const MatrixElements& elements, const std::vector<NodeState>& states,
                            MatrixNodeResult& nodes) {
    const double length = elements.embedded_length;
    const NodeState& tip = states[static_cast<std::size_t>(elements.count)];
    nodes = MatrixNodeResult{};
    std::size_t n = 0;
    const std::size_t room = kMatrixNodeRoom - kMatrixSpecialEntries;
    auto add = [&](double depth, const NodeState& s) {
        if (n >= room) stop_with_error(too_long_text());
        store_point(nodes, n++, depth, s);
    };
    for (int i = 0;; ++i) {
        const double depth = kPointStep * i;
        if (depth > length + kOnTipTolerance) break;
        // The point on the tip takes the tip's boundary values exactly.
        if (std::fabs(depth - length) <= kOnTipTolerance) {
            add(depth, tip);
            break;
        }
        add(depth, state_at_depth(elements, states, depth).state);
    }
    const std::size_t whole_metre_points = n;
    if (nodes.depth[n - 1] < length - kExtraPointGap) {
        add(length, tip);
        nodes.moment[n - 1] = round_dec(nodes.moment[n - 1], 3);
    }
    nodes.point_count = static_cast<std::int32_t>(n);
    nodes.points_above = 0;
    const int count = static_cast<int>(n);

    // The maximum moment lies where the shear changes sign.
    MaxMoment result{nodes.moment[0], 0.0};
    const int q = first_sign_change(nodes.shear, count);
    if (q < 0) stop_with_error(ErrorCode::NoMidPileMaximum);
    {
        const auto k = static_cast<std::size_t>(q);
        double depth = 0.0;
        const DepthState at =
            bisect(elements, states, nodes.depth[k], nodes.depth[k + 1], nodes.shear[k],
                   kStateShear, kShearTolerance, kMaxHalvings, depth);
        store_point(nodes, n, depth, at.state);
        if (std::fabs(at.state[kStateMoment]) > std::fabs(nodes.moment[0]))
            result = {at.state[kStateMoment], depth};
    }

    // The first zero of the deflection, short of the last pair.
    const int y = first_sign_change(nodes.deflection, count - 1);
    if (y >= 0) {
        const auto k = static_cast<std::size_t>(y);
        double depth = 0.0;
        const DepthState at =
            bisect(elements, states, nodes.depth[k], nodes.depth[k + 1], nodes.deflection[k],
                   kStateDeflection, kDeflectionTolerance, kMaxHalvings, depth);
        store_point(nodes, n + 1, depth, at.state);
    } else {
        store_absent(nodes, n + 1);
    }

    // The last zero of the rotation, searched upwards from the deepest
    // whole-metre point.
    store_absent(nodes, n + 2);
    for (std::size_t k = whole_metre_points - 1; k > 0; --k) {
        if (nodes.angle[k - 1] * nodes.angle[k] < 0.0) {
            double depth = 0.0;
            const DepthState at =
                bisect(elements, states, nodes.depth[k - 1], nodes.depth[k], nodes.angle[k - 1],
                       kStateRotation, kRotationTolerance, kMaxHalvings, depth);
            store_point(nodes, n + 2, depth, at.state);
            break;
        }
    }
    return result;
}

double first_moment_zero(const MatrixElements& elements, const std::vector<NodeState>& states,
                         const MatrixNodeResult& nodes) {
    for (std::size_t k = 0; k + 1 < static_cast<std::size_t>(nodes.point_count); ++k) {
        const double upper = nodes.moment[k];
        const double lower = nodes.moment[k + 1];
        if (upper * lower > 0.0) continue;
        if (upper == 0.0) return nodes.depth[k];
        if (lower == 0.0) return nodes.depth[k + 1];
        double depth = 0.0;
        bisect(elements, states, nodes.depth[k], nodes.depth[k + 1], upper, kStateMoment,
               kMomentTolerance, kMaxMomentZeroHalvings, depth);
        return depth;
    }
    stop_with_error(ErrorCode::NoFirstMomentZero);
}

MatrixSectionResult solve_matrix_section(double moment, double force, bool square_root_reaction,
                                         PileTipCondition tip_condition, MatrixElements& elements,
                                         MatrixWork& work, MatrixNodeResult& nodes) {
    if (!square_root_reaction) {
        matrix_solve(-moment, -force, elements, tip_condition, work);
    } else {
        double previous = kFirstHeadDeflection;
        for (int round = 1;; ++round) {
            chain_field_matrices(elements, work);
            sweep_element_chain(-moment, -force, elements, tip_condition, work);
            // Converged: keep the coefficients these states were solved
            // with, so the moments and zeros found inside the elements
            // below belong to the same beam as the node states.
            const double head = work.node_states[0][kStateDeflection];
            if (std::fabs(head - previous) < kHeadDeflectionTolerance) break;
            if (round >= kMaxCTypeRounds) stop_with_error(no_convergence_text());
            update_ctype_beta(elements, work);
            previous = head;
        }
    }
    const MaxMoment max = max_moment_search(elements, work.node_states, nodes);
    const double zero = first_moment_zero(elements, work.node_states, nodes);
    MatrixSectionResult result;
    result.head = work.node_states[0];
    result.max_moment = round_dec(max.moment, 3);
    result.max_moment_depth = round_dec(max.depth, 3);
    result.first_zero = round_dec(zero, 3);
    return result;
}

void matrix_displacement(StabilityRun& run, int j, int state, bool square_root_reaction,
                         double rigidity, double y0, double theta0) {
    const ForceCase& fc = run.force_case;
    const double kh =
        fc.start_index >= 0 ? fc.layers[static_cast<std::size_t>(fc.start_index)].kh : 0.0;
    const double at_reference = round_dec(y0 * 100.0, 3);
    const double rotation = round_dec(theta0 * free_length_cm(run, j), 3);
    // The head may deflect against the load; the square root takes its size.
    const double reaction = square_root_reaction ? std::sqrt(std::fabs(at_reference) / 100.0) * kh
                                                 : at_reference * kh / 100.0;
    store_head_displacement(run, j, state, at_reference, rotation, rigidity, reaction);
}

namespace {

void solve_matrix_case(StabilityRun& run, int j, bool square_root_reaction) {
    const SectionValues& sv = run.section;
    const ForceCase& fc = run.force_case;
    const auto jc = static_cast<std::size_t>(j);
    CaseAreas& areas = run.results.areas;
    MatrixResult& m = areas.matrix;
    LevelSolverBlock& solver = run.results.level_solver;

    load_displacement_sum(run, j);
    ElementChainInput chain;
    chain.force_case = &fc;
    chain.reference_level = fc.base[jc].level;
    chain.tip_level = run.input.joken.embedment_level;
    chain.pitch = square_root_reaction ? run.custom.division_pitch : 0.0;

    std::array<NodeState, kSectionCount> head{};
    for (std::size_t s = 0; s < kSectionCount; ++s) {
        if (s == kSectionSeaWater && run.results.corrosion.case_flag == kCorrosionZonesSame)
            continue;
        chain.rigidity = sv.rigidity_beta[s];
        build_elements(chain, m.elements[s]);
        const MatrixSectionResult r = solve_matrix_section(
            fc.total_moment, fc.total_force, square_root_reaction, run.custom.pile_tip_condition,
            m.elements[s], run.matrix_work, m.nodes[s]);
        head[s] = r.head;
        m.moment[s] = s == kSectionSeaWater ? round_dec(r.head[kStateMoment], 3) : r.max_moment;
        m.max_moment_depth[s] = r.max_moment_depth;
        m.first_zero[s] = r.first_zero;
        solver.moment[jc][s] = -m.moment[s];
        solver.max_moment_depth[jc][s] = m.max_moment_depth[s];
        solver.first_zero[jc][s] = m.first_zero[s];
        solver.bending_stress[jc][s] = bending_stress(m.moment[s], sv.stress_modulus[s]);
    }

    pipe_secondary_stresses(run, j, m.max_moment_depth[kSectionUncorroded],
                            m.max_moment_depth[kSectionSeabedMud]);

    // These methods check the given tip: the embedment is the embedded length.
    LevelDisplacementBlock& disp = run.results.level_displacement;
    const double length = round_dec(chain.reference_level - chain.tip_level, 3);
    disp.embedment[jc][0] = length;
    disp.embedment[jc][1] = length;

    matrix_displacement(run, j, 0, square_root_reaction, sv.rigidity_beta[kSectionUncorroded],
                        head[kSectionUncorroded][kStateDeflection],
                        head[kSectionUncorroded][kStateRotation]);
    matrix_displacement(run, j, 1, square_root_reaction, sv.rigidity_beta[kSectionSeaWater],
                        head[kSectionSeabedMud][kStateDeflection],
                        head[kSectionSeabedMud][kStateRotation]);
}

} // namespace

void solve_chang_matrix(StabilityRun& run, int j) {
    solve_matrix_case(run, j, false);
}

void solve_ctype_matrix(StabilityRun& run, int j) {
    solve_matrix_case(run, j, true);
}

} // namespace wtn
