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

TEST(InvertMatrix, KnownInverseZeroDiagonalAndSingular) {
    // A = [[4,7,2,3],[0,5,0,1],[1,0,6,0],[2,1,0,8]] with A·A⁻¹ = I checked by
    // multiplication; the zero diagonal needs a pivot from another column.
    const std::vector<double> a = {4, 7, 2, 3, 0, 5, 0, 1, 1, 0, 6, 0, 2, 1, 0, 8};
    const std::vector<std::vector<double>> cases = {
        a, {0, 2, 0, 0, 3, 0, 0, 0, 0, 0, 0, 5, 0, 0, 7, 0}, // a permutation with scales
    };
    for (const auto& m : cases) {
        std::vector<double> inv = m;
        ASSERT_EQ(invert_matrix(4, inv, 6), kInvertOk);
        for (int r = 0; r < 4; ++r) {
            for (int c = 0; c < 4; ++c) {
                double sum = 0.0;
                for (int k = 0; k < 4; ++k)
                    sum += m[r * 4 + k] * inv[k * 4 + c];
                EXPECT_NEAR(sum, r == c ? 1.0 : 0.0, 1e-12) << r << "," << c;
            }
        }
    }
    // The permutation's inverse is its transpose with reciprocal scales.
    std::vector<double> perm = cases[1];
    invert_matrix(4, perm, 6);
    EXPECT_DOUBLE_EQ(perm[1 * 4 + 0], 0.5);
    EXPECT_DOUBLE_EQ(perm[0 * 4 + 1], 1.0 / 3.0);
    EXPECT_DOUBLE_EQ(perm[3 * 4 + 2], 0.2);
    EXPECT_DOUBLE_EQ(perm[2 * 4 + 3], 1.0 / 7.0);

    std::vector<double> singular = {1, 2, 3, 4, 2, 4, 6, 8.0000000001, 0, 1, 0, 0, 0, 0, 1, 0};
    EXPECT_EQ(invert_matrix(4, singular, 6), kPivotTooSmall);
    std::vector<double> zero_row = {1, 2, 0, 0};
    EXPECT_EQ(invert_matrix(2, zero_row, 6), kPivotTooSmall);
}

TEST(MatrixSolve, UnknownTipConditionAndSingularChainStop) {
    const ForceCase fc = test::layered_case(-5.0, {{10.0, kKh}});
    MatrixElements e = test::chain_of(fc, 3.0, kRigidity);
    MatrixWork work;
    EXPECT_EQ(test::stop_text([&] {
                  matrix_solve(-500.0, -100.0, e, from_file_value<PileTipCondition>(4), work);
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

} // namespace
} // namespace wtn
