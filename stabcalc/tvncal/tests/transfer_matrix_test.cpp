#include "transfer_matrix.h"

#include "chain_fixture.h"
#include "stop_capture.h"

#include <gtest/gtest.h>

#include <cmath>

namespace wtn {
namespace {

FieldMatrix multiply(const FieldMatrix& a, const FieldMatrix& b) {
    FieldMatrix c{};
    for (int r = 0; r < 4; ++r)
        for (int k = 0; k < 4; ++k)
            for (int j = 0; j < 4; ++j)
                c[r * 4 + j] += a[r * 4 + k] * b[k * 4 + j];
    return c;
}

double determinant4(FieldMatrix m) {
    double det = 1.0;
    for (int i = 0; i < 4; ++i) {
        int p = i;
        for (int r = i + 1; r < 4; ++r)
            if (std::fabs(m[r * 4 + i]) > std::fabs(m[p * 4 + i])) p = r;
        if (p != i) {
            for (int c = 0; c < 4; ++c)
                std::swap(m[i * 4 + c], m[p * 4 + c]);
            det = -det;
        }
        det *= m[i * 4 + i];
        for (int r = i + 1; r < 4; ++r) {
            const double f = m[r * 4 + i] / m[i * 4 + i];
            for (int c = i; c < 4; ++c)
                m[r * 4 + c] -= f * m[i * 4 + c];
        }
    }
    return det;
}

// SP-III on sand: EI 33600 kN·m²/m, kh 30000 kN/m³.
constexpr double kRigidity = 33600.0;
constexpr double kKh = 30000.0;
const double kBeta = std::pow(kKh / (4.0 * kRigidity), 0.25);

TEST(FieldMatrix, ChainsItsLengthsHasUnitDeterminantAndTheBeamEquationsAsSlope) {
    for (double a : {0.3, 1.7}) {
        for (double b : {0.2, 2.5}) {
            const FieldMatrix ab =
                multiply(field_matrix(kBeta, a, kRigidity), field_matrix(kBeta, b, kRigidity));
            const FieldMatrix sum = field_matrix(kBeta, a + b, kRigidity);
            for (int i = 0; i < 16; ++i)
                EXPECT_NEAR(ab[i], sum[i], 1e-12 * std::max(1.0, std::fabs(sum[i]))) << i;
        }
        EXPECT_NEAR(determinant4(field_matrix(kBeta, a, kRigidity)), 1.0, 1e-12);
    }
    // F'(0) by a central difference: y' = -θ, θ' = M/EI, M' = Q, Q' = kh·y.
    const double h = 1e-5;
    const FieldMatrix up = field_matrix(kBeta, h, kRigidity);
    const FieldMatrix down = field_matrix(kBeta, -h, kRigidity);
    FieldMatrix slope{};
    for (int i = 0; i < 16; ++i)
        slope[i] = (up[i] - down[i]) / (2.0 * h);
    const FieldMatrix expected = {0, -1, 0, 0, 0, 0, 1 / kRigidity, 0, 0, 0, 0, 1, kKh, 0, 0, 0};
    for (int i = 0; i < 16; ++i)
        EXPECT_NEAR(slope[i], expected[i], 1e-6 * std::max(1.0, std::fabs(expected[i]))) << i;
}

TEST(FieldMatrix, WithMiddleIsTheWholeMatrixAndTheHalfMatrixsFirstRow) {
    // Either side of βℓ = 1, where the power series gives way to the
    // exponential and the sine, and a long element. The closed form of
    // field_matrix is exact here to well below the tolerance.
    for (double length : {0.1, 1.0 / kBeta, 1.0000001 / kBeta, 1.3, 6.0}) {
        SCOPED_TRACE(length);
        FieldMatrix whole;
        NodeState middle;
        field_matrix_with_middle(kBeta, length, kRigidity, whole, middle);
        const FieldMatrix expected = field_matrix(kBeta, length, kRigidity);
        const FieldMatrix half = field_matrix(kBeta, length / 2.0, kRigidity);
        for (int i = 0; i < 16; ++i)
            EXPECT_NEAR(whole[i], expected[i], 1e-12 * std::fabs(expected[i])) << i;
        for (int i = 0; i < 4; ++i)
            EXPECT_NEAR(middle[i], half[i], 1e-12 * std::fabs(half[i])) << i;
    }
}

TEST(FieldMatrix, TinyElementIsTheCantileverOfBeamTheory) {
    // At βℓ ≈ 7·10⁻⁵ the hyperbolic and circular terms of the closed form
    // cancel to a few digits; the foundation is then negligible and the
    // deflection row is the cantilever's: y = y0 - ℓθ - ℓ²M/2EI - ℓ³Q/6EI.
    const double length = 1e-4;
    FieldMatrix whole;
    NodeState middle;
    field_matrix_with_middle(kBeta, length, kRigidity, whole, middle);
    const NodeState expected = {1.0, -length, -length * length / (2.0 * kRigidity),
                                -length * length * length / (6.0 * kRigidity)};
    const double half = length / 2.0;
    const NodeState expected_middle = {1.0, -half, -half * half / (2.0 * kRigidity),
                                       -half * half * half / (6.0 * kRigidity)};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_NEAR(whole[i], expected[i], 1e-12 * std::fabs(expected[i])) << i;
        EXPECT_NEAR(middle[i], expected_middle[i], 1e-12 * std::fabs(expected_middle[i])) << i;
    }
}

TEST(MatrixSolve, TheSweepGivesTheBandedSolveOnALongStiffChain) {
    // Soft, very stiff and medium layers down to 35 m: βL ≈ 25. In 0.1 m
    // pieces, and as one element per layer, which the solves cut into pieces
    // of βℓ ≤ 5.
    const ForceCase fc = test::layered_case(-5.0, {{8.0, 3000.0}, {10.0, 60000.0}, {20.0, 9000.0}});
    for (double pitch : {0.1, 0.0}) {
        for (PileTipCondition tip : {PileTipCondition::HeadFree, PileTipCondition::PinnedTip,
                                     PileTipCondition::FixedTip}) {
            SCOPED_TRACE(pitch * 10 + to_file_value(tip));
            const MatrixElements e = test::chain_of(fc, 35.0, kRigidity, pitch);
            MatrixWork banded;
            matrix_solve(-500.0, -100.0, e, tip, banded);
            MatrixWork swept;
            const auto count = static_cast<std::size_t>(e.count);
            swept.field_matrices.resize(count);
            swept.middle_rows.resize(count);
            for (std::size_t i = 0; i < count; ++i)
                field_matrix_with_middle(e.beta[i], e.length[i], e.rigidity[i],
                                         swept.field_matrices[i], swept.middle_rows[i]);
            sweep_element_chain(-500.0, -100.0, e, tip, swept);
            for (std::size_t c = 0; c < 4; ++c) {
                double largest = 0.0;
                for (std::size_t n = 0; n <= count; ++n)
                    largest = std::max(largest, std::fabs(banded.node_states[n][c]));
                for (std::size_t n = 0; n <= count; ++n)
                    EXPECT_NEAR(swept.node_states[n][c], banded.node_states[n][c], 1e-10 * largest)
                        << n << " " << c;
            }
        }
    }
}

TEST(MatrixSolve, UnknownTipConditionAndSingularChainStop) {
    const ForceCase fc = test::layered_case(-5.0, {{10.0, kKh}});
    MatrixElements e = test::chain_of(fc, 3.0, kRigidity);
    MatrixWork work;
    EXPECT_EQ(test::stop_text([&] {
                  matrix_solve(-500.0, -100.0, e, from_file_value<PileTipCondition>(4), work);
              }),
              std::string("error: ") + "(ERROR)-杭先端条件がおかしい.");
    EXPECT_EQ(test::stop_text([&] {
                  sweep_element_chain(-500.0, -100.0, e, from_file_value<PileTipCondition>(4),
                                      work);
              }),
              std::string("error: ") + "(ERROR)-杭先端条件がおかしい.");
    // An element without rigidity leaves nothing to solve for.
    e.rigidity[0] = 0.0;
    EXPECT_EQ(
        test::stop_text([&] { matrix_solve(-500.0, -100.0, e, PileTipCondition::HeadFree, work); }),
        std::string("error: ") + kPivotTooSmallText);
}

TEST(StateAtDepth, BelowTheChainStops) {
    const ForceCase fc = test::layered_case(-5.0, {{10.0, kKh}});
    MatrixElements e = test::chain_of(fc, 3.0, kRigidity);
    MatrixWork work;
    matrix_solve(-500.0, -100.0, e, PileTipCondition::HeadFree, work);
    EXPECT_EQ(state_at_depth(e, work.node_states, 3.00005).element, 0);
    EXPECT_EQ(test::stop_text([&] { state_at_depth(e, work.node_states, 3.01); }),
              std::string("error: ") + "(ERROR)-杭の全長を越えても該当する深さが求まりません.");
}

TEST(MatrixWork, RoomBeyondTheLargestWorkAreaIsRefused) {
    // 507 elements of 128 bytes fit in 65000 bytes; 508 do not.
    MatrixWork work;
    EXPECT_EQ(test::stop_text([&] { alloc_matrix_work(work, 507); }), "");
    EXPECT_EQ(work.field_matrices.size(), 507u);
    free_matrix_work(work);
    EXPECT_TRUE(work.field_matrices.empty());
    EXPECT_NE(test::stop_text([&] { alloc_matrix_work(work, 508); }), "");
}

} // namespace
} // namespace wtn
