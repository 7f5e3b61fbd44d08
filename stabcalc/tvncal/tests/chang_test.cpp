// Chang's method against the closed forms worked by hand: one sand layer
// (kh 30000 kN/m3) under SP-III (EI 33600 kN*m2/m), P 100 kN/m with lever arm
// h0 5 m at the reference level -7.00, the crown at +3.00 and one 100 kN/m
// force 5 m above the reference level.
#include "chang.h"
#include "program_stop.h"
#include "rounding.h"

#include <gtest/gtest.h>

#include <cmath>

namespace wtn {
namespace {

constexpr double kSpIIIRigidity = 33600.0;

ForceCase uniform_case(double kh) {
    ForceCase fc;
    fc.start_index = 0;
    fc.layer_count = 2;
    fc.layers[0] = {-7.0, 23.0, 0.0, 1, 0.0, 0, kh};
    fc.layers[1] = {-30.0, 0.0, 0.0, 1, 0.0, 0, 0.0};
    fc.force_count = 1;
    fc.forces[0] = {5.0, 100.0};
    fc.total_force = 100.0;
    fc.total_moment = 500.0;
    fc.lever_arm = 5.0;
    fc.base[0] = {-7.0, 1000.0};
    return fc;
}

std::unique_ptr<StabilityRun> uniform_run() {
    auto run = std::make_unique<StabilityRun>();
    run->input.tjkn1.superstructure_crown = 3.0;
    run->force_case = uniform_case(30000.0);
    for (std::size_t s = 0; s < kSectionCount; ++s) {
        run->section.rigidity_beta[s] = kSpIIIRigidity;
        run->section.rigidity_embed[s] = kSpIIIRigidity;
        run->section.stress_modulus[s] = 1340.0;
    }
    alloc_chang_area(run->results.areas, CaseAreaSizes{2, 0});
    return run;
}

TEST(ChangMethod, OneLayerMatchesTheClosedFormsWorkedByHand) {
    auto run = uniform_run();
    solve_chang(*run, 0);
    const ChangResult& c = run->results.areas.chang;
    const LevelSolverBlock& s = run->results.level_solver;
    const LevelDisplacementBlock& d = run->results.level_displacement;

    // beta = r3((30000 / 4 / 33600)^(1/4)) = 0.687
    EXPECT_DOUBLE_EQ(c.kh[0], 30000.0);
    EXPECT_DOUBLE_EQ(c.beta[0], 0.687);
    EXPECT_DOUBLE_EQ(c.moment[0], -508.834);
    EXPECT_DOUBLE_EQ(c.moment[1], -500.0); // the moment at the reference level
    EXPECT_DOUBLE_EQ(s.moment[0][0], 508.834);
    EXPECT_DOUBLE_EQ(s.max_moment_depth[0][0], 0.184);
    EXPECT_DOUBLE_EQ(s.first_zero[0][0], 3.614);
    EXPECT_DOUBLE_EQ(s.max_moment_depth[0][1], 0.0);
    EXPECT_DOUBLE_EQ(s.first_zero[0][1], 0.0);
    EXPECT_DOUBLE_EQ(s.bending_stress[0][0], 379.7); // 508.834e6 / 1340 / 1000
    EXPECT_DOUBLE_EQ(d.embedment[0][0], 4.367);      // 3 / 0.687
    // Load sum: r = 0.5, factor r3(0.25 * 2.5 / 6) = 0.104, term 10.4.
    EXPECT_DOUBLE_EQ(d.load_sum[0], 10.4);
    EXPECT_DOUBLE_EQ(d.seabed_deflection[0][0], 2.035);
    EXPECT_DOUBLE_EQ(d.rotation_term[0][0], 24.814);
    EXPECT_DOUBLE_EQ(d.cantilever_term[0][0], 30.952);
    EXPECT_NEAR(d.total[0][0], 57.801, 1e-9);
    EXPECT_NEAR(d.reaction[0][0], 610.5, 1e-9); // 2.035 * 30000 / 100
}

TEST(ChangMethod, DisplacementAgreesWithTheUnroundedBeamFormulas) {
    auto run = uniform_run();
    solve_chang(*run, 0);
    const LevelDisplacementBlock& d = run->results.level_displacement;
    const double ei = kSpIIIRigidity;
    const double beta = std::pow(30000.0 / 4.0 / ei, 0.25);
    const double p = 100.0;
    const double h0 = 5.0;
    const double free_length = 10.0;
    const double y0 = p * (1.0 + beta * h0) / (2.0 * ei * std::pow(beta, 3)) * 100.0;
    const double theta0 = p * (1.0 + 2.0 * beta * h0) / (2.0 * ei * beta * beta);
    // Cantilever of length l under a load P at height a: P a^2 (3 l - a) / (6 EI).
    const double cantilever = p * 25.0 * (3.0 * free_length - 5.0) / (6.0 * ei) * 100.0;
    EXPECT_NEAR(d.seabed_deflection[0][0], y0, 0.002 * y0);
    EXPECT_NEAR(d.rotation_term[0][0], theta0 * free_length * 100.0,
                0.002 * theta0 * free_length * 100.0);
    EXPECT_NEAR(d.cantilever_term[0][0], cantilever, 0.002 * cantilever);
}

TEST(ChangMethod, EmbedmentTargetFromTheCustomisation) {
    auto run = uniform_run();
    run->custom.chang_embedment_numerator = 2.5;
    solve_chang(*run, 0);
    EXPECT_DOUBLE_EQ(run->results.level_displacement.embedment[0][0], 3.639); // 2.5 / 0.687
}

TEST(ChangMethod, TwoLayersAverageKhDownToOneOverBeta) {
    // 1 m of kh 20000 over kh 40000.
    ForceCase fc = uniform_case(20000.0);
    fc.layer_count = 3;
    fc.layers[1] = {-8.0, 22.0, 0.0, 1, 0.0, 0, 40000.0};
    fc.layers[2] = {-30.0, 0.0, 0.0, 1, 0.0, 0, 0.0};
    const std::vector<GroundLayer> layers = layers_below_reference(fc, 0);
    ASSERT_EQ(layers.size(), 2u);
    EXPECT_DOUBLE_EQ(layers[0].thickness, 1.0);

    double kh = 0.0;
    double beta = 0.0;
    ASSERT_EQ(find_beta_depth(layers, kSpIIIRigidity, kh, beta), 0);
    const double depth = 1.0 / std::pow(kh / 4.0 / kSpIIIRigidity, 0.25);
    const double mean = (20000.0 * 1.0 + 40000.0 * (depth - 1.0)) / depth;
    EXPECT_NEAR(kh, mean, 1.0);
    EXPECT_DOUBLE_EQ(beta, round_dec(std::pow(kh / 4.0 / kSpIIIRigidity, 0.25), 3));

    const double embedment = layered_embedment(layers, kSpIIIRigidity, 3.0);
    const double beta1 = round_dec(std::pow(20000.0 / 4.0 / kSpIIIRigidity, 0.25), 3);
    const double beta2 = round_dec(std::pow(40000.0 / 4.0 / kSpIIIRigidity, 0.25), 3);
    EXPECT_NEAR(beta1 * 1.0 + beta2 * (embedment - 1.0), 3.0, 0.001);
}

TEST(ChangMethod, LoadAtTheReferenceLevelTakesTheLimitOfTheClosedForm) {
    // h0 = 0: the closed form is 0/0; its limit is -P sqrt(2) e^(-pi/4) / (2 beta).
    const double beta = 0.687;
    const double limit =
        -100.0 * std::sqrt(2.0) * std::exp(-3.141592653589793 / 4.0) / (2.0 * beta);
    EXPECT_DOUBLE_EQ(chang_max_moment(beta, 0.0, 0.0, 100.0), round_dec(limit, 3));
    EXPECT_NEAR(chang_max_moment(beta, 1e-6, 1e-4, 100.0), limit, 0.01);
}

TEST(ChangMethod, GroundWithoutResistanceBelowStopsInsteadOfAZeroEmbedment) {
    const std::vector<GroundLayer> soft = {{0.5, 30000.0}, {10.0, 0.0}};
    EXPECT_THROW(layered_embedment(soft, kSpIIIRigidity, 3.0), ProgramStop);
    double kh = 0.0;
    double beta = 0.0;
    // 1/beta never reached within the layers.
    EXPECT_EQ(find_beta_depth({{0.5, 30000.0}}, kSpIIIRigidity, kh, beta), 1);
}

} // namespace
} // namespace wtn
