#include "matrix_methods.h"

#include "chain_fixture.h"
#include "fd_beam.h"
#include "koken.h"
#include "sqrt_reaction_pile.h"
#include "stop_capture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace wtn {
namespace {

using test::chain_of;
using test::layered_case;
using test::stop_text;

struct Section {
    MatrixElements elements;
    MatrixWork work;
    MatrixNodeResult nodes;
    MatrixSectionResult result;
};

Section solve(const ForceCase& fc, double length, double rigidity, double moment, double force,
              PileTipCondition tip, double pitch = 0.0) {
    Section s;
    s.elements = chain_of(fc, length, rigidity, pitch);
    s.result = solve_matrix_section(moment, force, pitch > 0.0, tip, s.elements, s.work, s.nodes);
    return s;
}

// The finite-difference beam of a chain as its elements stand: kh = 4EIβ⁴.
test::FdSolution fd_of(const MatrixElements& e, double moment, double force, PileTipCondition tip,
                       int per_metre = 1000) {
    test::FdBeam beam;
    beam.length = e.embedded_length;
    beam.rigidity = e.rigidity[0];
    beam.kh = [&e](double x) {
        double top = 0.0;
        for (int i = 0; i < e.count; ++i) {
            const auto k = static_cast<std::size_t>(i);
            if (x < top + e.length[k] || i + 1 == e.count)
                return 4.0 * e.rigidity[k] * std::pow(e.beta[k], 4.0);
            top += e.length[k];
        }
        return 0.0;
    };
    beam.head_moment = -moment;
    beam.head_shear = -force;
    beam.tip_condition = to_file_value(tip);
    beam.intervals = static_cast<int>(std::lround(e.embedded_length * per_metre));
    return test::solve_fd_beam(beam);
}

// Whole-metre points of the result block against the finite-difference
// beam, each quantity relative to its head-scale magnitude.
void expect_points_match(const MatrixNodeResult& nodes, const test::FdSolution& fd, double moment,
                         double tolerance) {
    const test::FdState head = fd.at(0.0);
    const double y_scale = std::fabs(head.y);
    const double t_scale = std::fabs(head.theta);
    for (int i = 0; i < nodes.point_count; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const test::FdState s = fd.at(nodes.depth[k]);
        EXPECT_NEAR(nodes.deflection[k], s.y, tolerance * y_scale) << nodes.depth[k];
        EXPECT_NEAR(nodes.angle[k], s.theta, tolerance * t_scale) << nodes.depth[k];
        EXPECT_NEAR(nodes.moment[k], s.moment, tolerance * std::fabs(moment)) << nodes.depth[k];
    }
}

// SP-III (EI 33600) in sand of kh 30000, P 100 kN/m at h0 5 m.
constexpr double kEi = 33600.0;
constexpr double kKh = 30000.0;
constexpr double kP = 100.0;
constexpr double kH0 = 5.0;

TEST(ChangMatrix, LongPileInOneLayerGivesChangsExactForms) {
    // β = (kh/4EI)^¼ = 0.687354 unrounded; semi-infinite pile:
    // y0 = P(1+βh0)/(2EIβ³) = 2.0331 cm, θ0 = P(1+2βh0)/(2EIβ²) = 0.0247993,
    // x_m = atan(1/(1+2βh0))/β = 0.184, Mmax = -508.826, first zero 3.612.
    const ForceCase fc = layered_case(-7.0, {{40.0, kKh}});
    const Section s = solve(fc, 30.0, kEi, kP * kH0, kP, PileTipCondition::HeadFree);
    const double beta = std::pow(kKh / (4.0 * kEi), 0.25);
    EXPECT_NEAR(beta, 0.687354, 5e-7);
    EXPECT_NEAR(s.result.head[0] * 100.0, 2.0331, 5e-5);
    EXPECT_NEAR(s.result.head[0], kP * (1 + beta * kH0) / (2 * kEi * std::pow(beta, 3)), 1e-9);
    EXPECT_NEAR(s.result.head[1], 0.0247993, 5e-8);
    EXPECT_NEAR(s.result.max_moment, -508.826, 0.0011);
    EXPECT_NEAR(s.result.max_moment_depth, 0.184, 0.0011);
    EXPECT_NEAR(s.result.first_zero, 3.612, 0.0011);
    EXPECT_EQ(s.nodes.point_count, 31);
    // The special entries: the maximum moment where Q = 0; the deflection
    // first crosses zero at 3π/(4β)-ish depth; the rotation's last zero.
    EXPECT_NEAR(s.nodes.depth[31], 0.184, 0.001);
    EXPECT_LT(std::fabs(s.nodes.shear[31]), 1e-3);
    EXPECT_GT(s.nodes.depth[32], 1.0);
    EXPECT_LT(s.nodes.depth[32], 30.0);
    EXPECT_LT(s.nodes.depth[33], 30.0);
}

TEST(ChangMatrix, ShortPileEachTipAgainstTheFiniteDifferenceBeam) {
    // L 3 m: y0 2.2602 / 1.9467 / 1.9809 cm, θ0 0.026448 / 0.023699 / 0.023178,
    // |Mmax| 507.85 / 509.25 / 509.04; the moment reaches 0 first at the tip
    // for the free and the pinned tip, at 2.596 for the fixed one.
    struct Case {
        PileTipCondition tip;
        double y0_cm, theta0, max_moment, first_zero;
    };
    const Case cases[] = {
        {PileTipCondition::HeadFree, 2.2602, 0.026448, 507.85, 3.0},
        {PileTipCondition::PinnedTip, 1.9467, 0.023699, 509.25, 3.0},
        {PileTipCondition::FixedTip, 1.9809, 0.023178, 509.04, 2.596},
    };
    const ForceCase fc = layered_case(-7.0, {{10.0, kKh}});
    for (const Case& c : cases) {
        SCOPED_TRACE(to_file_value(c.tip));
        const Section s = solve(fc, 3.0, kEi, kP * kH0, kP, c.tip);
        const test::FdSolution fd = fd_of(s.elements, kP * kH0, kP, c.tip, 1000);
        EXPECT_NEAR(s.result.head[0] * 100.0, c.y0_cm, 1e-4);
        EXPECT_NEAR(s.result.head[1], c.theta0, 1e-6);
        EXPECT_NEAR(std::fabs(s.result.max_moment), c.max_moment, 0.006);
        EXPECT_NEAR(std::fabs(s.result.max_moment), fd.max_abs_moment(), 1e-4 * 509.0);
        EXPECT_NEAR(s.result.first_zero, c.first_zero, 0.0011);
        EXPECT_NEAR(s.result.first_zero, fd.first_moment_zero(), 0.002);
        expect_points_match(s.nodes, fd, kP * kH0, 1e-4);
    }
}

TEST(ChangMatrix, StiffLayeredChainEndsOnItsFreeTipConditions) {
    // SP-II (EI 17480) in 5 m of kh 10000, 10 m of 30000, 20 m of 60000,
    // P 80 at h0 4, free tip 35 m down: carried forward from the head the
    // tip shows M and Q of about -1.3 instead of 0.
    const ForceCase fc = layered_case(-6.0, {{5.0, 10000.0}, {10.0, 30000.0}, {20.0, 60000.0}});
    const double moment = 80.0 * 4.0;
    const Section s = solve(fc, 35.0, 17480.0, moment, 80.0, PileTipCondition::HeadFree);
    ASSERT_EQ(s.elements.count, 3);
    const NodeState& tip = s.work.node_states[3];
    EXPECT_LT(std::fabs(tip[kStateMoment]), 1e-6 * moment);
    EXPECT_LT(std::fabs(tip[kStateShear]), 1e-6 * moment);
    // Half-way down each element, carried from the nearer node, against the beam.
    const test::FdSolution fd = fd_of(s.elements, moment, 80.0, PileTipCondition::HeadFree, 1000);
    expect_points_match(s.nodes, fd, moment, 1e-4);
    const NodeState mid = state_at_depth(s.elements, s.work.node_states, 25.0).state;
    EXPECT_NEAR(mid[kStateMoment], fd.at(25.0).moment, 1e-4 * moment);
}

TEST(CTypeMatrix, IteratedChainEndsOnItsTipAndMatchesTheBeamOfItsCoefficients) {
    // k 5000, SP-II (EI 17480), P 50 at h0 3, L 15 m, pitch 0.5.
    const ForceCase fc = layered_case(-6.0, {{30.0, 5000.0}});
    const double moment = 50.0 * 3.0;
    Section s = solve(fc, 15.0, 17480.0, moment, 50.0, PileTipCondition::HeadFree, 0.5);
    ASSERT_EQ(s.elements.count, 30);
    // Solve once more on the coefficients as they stand, so the beam and the
    // chain carry the same kh.
    matrix_solve(-moment, -50.0, s.elements, PileTipCondition::HeadFree, s.work);
    const NodeState& tip = s.work.node_states[30];
    EXPECT_EQ(tip[kStateMoment], 0.0);
    EXPECT_EQ(tip[kStateShear], 0.0);
    MatrixNodeResult nodes;
    max_moment_search(s.elements, s.work.node_states, nodes);
    EXPECT_GT(std::fabs(nodes.deflection[15]), 0.0);
    expect_points_match(nodes, fd_of(s.elements, moment, 50.0, PileTipCondition::HeadFree, 4000),
                        moment, 1e-4);
}

// The iteration ends with the coefficients its last states were solved
// with: solving the chain once more on them gives the same states, and the
// first zero found inside the elements is that beam's.
TEST(CTypeMatrix, StatesAndFirstZeroBelongToTheCoefficientsKept) {
    const ForceCase fc = layered_case(-6.0, {{30.0, 5000.0}});
    const double moment = 50.0 * 3.0;
    Section s = solve(fc, 15.0, 17480.0, moment, 50.0, PileTipCondition::HeadFree, 0.5);
    MatrixWork again = s.work;
    matrix_solve(-moment, -50.0, s.elements, PileTipCondition::HeadFree, again);
    const NodeState& head = s.work.node_states[0];
    for (std::size_t k = 0; k < head.size(); ++k)
        EXPECT_NEAR(again.node_states[0][k], head[k], 1e-9 * std::fabs(head[k]) + 1e-12) << k;
    MatrixNodeResult nodes;
    max_moment_search(s.elements, again.node_states, nodes);
    EXPECT_NEAR(first_moment_zero(s.elements, again.node_states, nodes), s.result.first_zero,
                0.0005);
}

// Method 4 on homogeneous C-type ground against method 3's curves and the
// tools' square-root pile of the same length.
TEST(CTypeMatrix, HomogeneousGroundAgreesWithTheCurvesAndTheSquareRootPile) {
    struct Case {
        double k, ei, p, h0;
    };
    for (const Case c : {Case{1500.0, 33600.0, 100.0, 5.0}, Case{5000.0, 17480.0, 50.0, 3.0}}) {
        SCOPED_TRACE(c.k);
        const double length = 20.0;
        const ForceCase fc = layered_case(-6.0, {{30.0, c.k}});
        const Section s = solve(fc, length, c.ei, c.p * c.h0, c.p, PileTipCondition::HeadFree, 0.1);

        KokenResult koken;
        KokenCurveInput in;
        in.method = EmbedmentMethod::CType;
        in.force = c.p;
        in.lever_arm = c.h0;
        in.constant = c.k;
        in.rigidity.fill(c.ei);
        koken_curve_results(in, read_curve_table(WTN_SOURCE_DIR "/installed/CGATA.MST"), koken);
        const double m3 = koken.result[kKokenMoment];
        const double l1 = koken.result[kKokenZero];
        const double y3 = koken.result[kKokenDeflection];
        const double t3 = koken.result[kKokenSlope];
        if (c.k == 1500.0) {
            EXPECT_NEAR(m3, 518.5, 0.6);
            EXPECT_NEAR(l1, 4.17, 0.01);
            EXPECT_NEAR(y3, 3.667, 0.01);
            EXPECT_NEAR(t3, 0.0330, 0.0001);
        }
        EXPECT_NEAR(-s.result.max_moment, m3, 0.005 * m3);
        EXPECT_NEAR(s.result.first_zero, l1, 0.015 * l1);
        EXPECT_NEAR(s.result.head[0] * 100.0, y3, 0.02 * y3);
        EXPECT_NEAR(s.result.head[1], t3, 0.01 * t3);

        // The canonical pile in units a = (EI P/k²)^⅕, b = P a³/EI.
        const double a = std::pow(c.ei * c.p / (c.k * c.k), 0.2);
        const double b = c.p * a * a * a / c.ei;
        const tools::CanonicalPileResponse pile =
            tools::solve_canonical_pile_of_length(0, c.h0 / a, length / a, 4001);
        EXPECT_NEAR(-s.result.max_moment, pile.max_moment * c.p * a, 0.005 * m3);
        EXPECT_NEAR(s.result.first_zero, pile.moment_zero_depth * a, 0.015 * l1);
        EXPECT_NEAR(s.result.head[0], pile.head_deflection * b, 0.02 * y3 / 100.0);
        EXPECT_NEAR(s.result.head[1], pile.head_slope * b / a, 0.01 * t3);
    }
}

TEST(MatrixPoints, WholeMetresAPointAtTheTipAndTheLengthLimit) {
    const ForceCase fc = layered_case(-5.0, {{45.0, kKh}});
    // 12.0 m: 0 .. 12, no extra point; 12.5 m: 0 .. 12 and 12.5.
    EXPECT_EQ(solve(fc, 12.0, kEi, 500.0, 100.0, PileTipCondition::HeadFree).nodes.point_count, 13);
    const Section half = solve(fc, 12.5, kEi, 500.0, 100.0, PileTipCondition::HeadFree);
    EXPECT_EQ(half.nodes.point_count, 14);
    EXPECT_DOUBLE_EQ(half.nodes.depth[13], 12.5);
    // 41.0 m fills the 45 entries; 41.5 m would need 46.
    EXPECT_EQ(solve(fc, 41.0, kEi, 500.0, 100.0, PileTipCondition::HeadFree).nodes.point_count, 42);
    EXPECT_NE(stop_text([&] {
                  solve(fc, 41.5, kEi, 500.0, 100.0, PileTipCondition::HeadFree);
              }).find("41.0m"),
              std::string::npos);
}

TEST(BuildElements, LayersDownToTheTip) {
    // Reference -5 inside the first layer (top -3), layers of 4, 3 and 10 m.
    ForceCase fc = layered_case(-3.0, {{4.0, 10000.0}, {3.0, 20000.0}, {10.0, 30000.0}});
    fc.base[0].level = -5.0;
    // Tip at the top of the third layer (-10): that layer is not entered.
    MatrixElements e = chain_of(fc, 5.0, kEi);
    ASSERT_EQ(e.count, 2);
    EXPECT_DOUBLE_EQ(e.length[0], 2.0);
    EXPECT_DOUBLE_EQ(e.length[1], 3.0);
    EXPECT_DOUBLE_EQ(e.kh[1], 20000.0);
    EXPECT_DOUBLE_EQ(e.beta[1], std::pow(20000.0 / 4.0 / kEi, 0.25));
    EXPECT_DOUBLE_EQ(e.embedded_length, 5.0);
    // By pitch 1.0 with a tip at -12.5: 2, 3 and 2.5 m give 2 + 3 + 3 pieces.
    e = chain_of(fc, 7.5, kEi, 1.0);
    ASSERT_EQ(e.count, 8);
    EXPECT_DOUBLE_EQ(e.length[7], 2.5 / 3.0);

    EXPECT_EQ(stop_text([&] { chain_of(fc, 0.0, kEi); }),
              "error: (ERROR)-矢板の下端位置がセットされていません．");
    fc.layers[1].kh = 0.0;
    EXPECT_EQ(stop_text([&] { chain_of(fc, 5.0, kEi); }),
              "error: (ERROR)-横方向地盤反力係数又は、横抵抗定数が0.0になっています.");
    EXPECT_EQ(stop_text([&] {
                  chain_of(layered_case(-5.0, {{3.0, kKh}}), 4.0, kEi);
              }),
              "error: (ERROR)-最終土層が根入れ深さよりも浅くなっています.");
}

} // namespace
} // namespace wtn
