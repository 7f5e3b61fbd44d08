// The reports of the reference sections as the engineer gets them from the
// main window (計算, then 印刷 to one PDF): the printed key numbers against
// the values worked out by hand in tests/e2e/reference/reference_sections.py
// and embedment_methods.py (the same values reference_sections_test.cpp and
// embedment_methods_test.cpp compare with the programs' result files),
// within the tolerances of those tests widened by the printed decimals. The
// PDFs, their pages as PNG and their text stay in the build's screenshots
// folder.
#include "window_run.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace wtn::mainwin::test {
namespace {

const std::string kNumber = "(-?[0-9]+\\.[0-9]+)";

// Tolerances of the reference-section tests (tests/e2e/reference), each
// widened by half the last printed decimal.
constexpr double kLevelTol = 0.002 + 0.0005;    // m
constexpr double kForceRel = 0.001;             // P
constexpr double kMomentRel = 0.002;            // M and Mmax
constexpr double kArmTol = 0.005 + 0.0005;      // h0, m
constexpr double kBetaTol = 0.0011 + 0.0005;    // 1/m
constexpr double kStressTol = 0.25;             // N/mm2, printed to 0.1
constexpr double kDisplacementRel = 0.01;       // head displacement
constexpr double kEmbedmentTol = 0.01 + 0.0005; // m
// Curve methods: log Ts and the chain of 3-decimal logarithms on the results.
constexpr double kLogTsTol = 0.0015 + 0.0005;
constexpr double kCurveRel = 0.006;
// Multi-layer method: the beam's pieces as in the script, only the rounding.
constexpr double kMatrixRel = 0.002;
constexpr double kHalfDecimal = 0.0005; // a value printed to 3 decimals

// The hand value and its tolerance, relative to it plus half the printed
// last decimal.
std::pair<double, double> within(double value, double relative, double half = kHalfDecimal) {
    return {value, relative * (value < 0 ? -value : value) + half};
}

// One case of a section with its printed key numbers: the loads of the
// normal case, the method's characteristic value (beta of Chang's method,
// log Ts of the curve methods; none for the beam on springs to a given
// tip), Mmax, the summary's stress (or moment of a concrete pile),
// displacement and tip of the embedment, the decided pile and its length.
struct ReportExpect {
    std::string example;
    std::string pile;
    double length;
    double virtual_seabed;
    double force;
    double moment;
    double lever_arm;
    std::string characteristic; // the pattern of beta or log Ts; empty if none
    std::pair<double, double> characteristic_value;
    std::pair<double, double> max_moment;
    std::string summary_symbol; // σ, or M for a concrete pile
    std::pair<double, double> summary_value;
    std::pair<double, double> displacement;
    double embedment;
    double embedment_tol;
};

// The loads of the uniform sand's normal case, as reference_sections.py
// prints them (virtual seabed, P, M, h0).
constexpr double kSandSeabed = -3.1878;
constexpr double kSandForce = 106.770;
constexpr double kSandMoment = 245.766;
constexpr double kSandArm = 2.3018;

const std::string kBeta = "β = " + kNumber + " m-1";
const std::string kLogTs = "log Ts = log P - T1 = " + kNumber;

void expect_report(const ReportExpect& e) {
    WindowRun w;
    const std::string text = w.report_of(e.example, "reference_", {1});
    expect_in_order(
        text, {"2.常時の検討", "検討結果のまとめ[完成時]", "使用矢板 " + e.pile, "採用矢板長"});
    const std::string n = kNumber;
    std::vector<std::string> patterns = {"仮想海底面 = .* = " + n + " m",
                                         "ΣP = " + n + " ΣM = " + n,
                                         "h0 = ΣM / ΣP = .* = " + n + " m"};
    std::vector<std::pair<double, double>> hand = {{e.virtual_seabed, kLevelTol},
                                                   within(e.force, kForceRel),
                                                   within(e.moment, kMomentRel),
                                                   {e.lever_arm, kArmTol}};
    if (!e.characteristic.empty()) {
        patterns.push_back(e.characteristic);
        hand.push_back(e.characteristic_value);
    }
    // The beam on springs prints Mmax with its sign; the magnitude counts.
    patterns.push_back("Mmax = -?([0-9]+\\.[0-9]+) kN");
    hand.push_back(e.max_moment);
    // The summary: stress (or moment), displacement, tip, adopted length.
    for (const std::string& p :
         {std::string("検討結果のまとめ\\[完成時\\]"), e.summary_symbol + " " + n + " ─",
          "δ " + n + " ─", "必要根入れ先端標高 \\(m\\)\n[^\n]*\n " + n, "採用矢板長 " + n + " m"})
        patterns.push_back(p);
    hand.push_back(e.summary_value);
    hand.push_back(e.displacement);
    hand.push_back({e.virtual_seabed - e.embedment, kLevelTol + e.embedment_tol});
    hand.push_back({e.length, 0.0});
    expect_printed(text, patterns, hand);
}

// Values printed by reference_sections.py (Chang's method, the beam on
// springs to the given tip) and embedment_methods.py (the C-type and S-type
// methods), as in reference_sections_test.cpp and embedment_methods_test.cpp.
TEST(ReferenceReports, UniformSand) {
    expect_report({"uniform_sand.tn2",
                   "SP-IVA",
                   12.0,
                   kSandSeabed,
                   kSandForce,
                   kSandMoment,
                   kSandArm,
                   kBeta,
                   {0.495, kBetaTol},
                   within(274.967, kMomentRel),
                   "σ",
                   {122.2, kStressTol},
                   within(8.037, kDisplacementRel),
                   6.061,
                   kEmbedmentTol});
}

TEST(ReferenceReports, SandOverClay) {
    expect_report({"sand_over_clay.tn2",
                   "SP-IVA",
                   14.0,
                   kSandSeabed,
                   kSandForce,
                   kSandMoment,
                   kSandArm,
                   "kh = [0-9.]+ kN/m3 " + kBeta,
                   {0.417, kBetaTol},
                   within(284.056, kMomentRel),
                   "σ",
                   {126.2, kStressTol},
                   within(9.883, kDisplacementRel),
                   8.235,
                   kEmbedmentTol});
}

// Method 2: the embedment is the embedded length down to the given tip.
TEST(ReferenceReports, SandOverClayLayered) {
    expect_report({"sand_over_clay_layered.tn2",
                   "SP-IVA",
                   17.5,
                   kSandSeabed,
                   kSandForce,
                   kSandMoment,
                   kSandArm,
                   "",
                   {},
                   within(270.630, kMomentRel),
                   "σ",
                   {120.3, kStressTol},
                   within(8.622, kDisplacementRel),
                   11.812,
                   kEmbedmentTol});
}

// Crown +2.00, seabed -1.50; a concrete pile is checked by its moment.
TEST(ReferenceReports, ConcreteSand) {
    expect_report({"concrete_sand.tn2",
                   "PC-350",
                   11.0,
                   -2.0653,
                   62.420,
                   103.756,
                   1.6622,
                   kBeta,
                   {0.448, kBetaTol},
                   within(127.555, kMomentRel),
                   "M",
                   within(127.555, kMomentRel),
                   within(2.045, kDisplacementRel),
                   6.696,
                   kEmbedmentTol});
}

TEST(ReferenceReports, CTypeSand) {
    expect_report({"ctype_sand.tn2",
                   "SP-IVA",
                   12.5,
                   kSandSeabed,
                   kSandForce,
                   kSandMoment,
                   kSandArm,
                   kLogTs,
                   {0.5361, kLogTsTol},
                   within(278.240, kCurveRel),
                   "σ",
                   within(123.7, kCurveRel, 0.05),
                   within(7.314, kDisplacementRel),
                   6.3761,
                   6.3761 * kCurveRel + kHalfDecimal});
}

TEST(ReferenceReports, STypeSand) {
    expect_report({"stype_sand.tn2",
                   "SP-VL",
                   13.5,
                   kSandSeabed,
                   kSandForce,
                   kSandMoment,
                   kSandArm,
                   kLogTs,
                   {0.5943, kLogTsTol},
                   within(350.134, kCurveRel),
                   "σ",
                   within(111.2, kCurveRel, 0.05),
                   within(7.984, kDisplacementRel),
                   7.6199,
                   7.6199 * kCurveRel + kHalfDecimal});
}

// Method 4 to the given tip -15.00.
TEST(ReferenceReports, CTypeSandOverClayLayered) {
    expect_report({"ctype_sand_over_clay_layered.tn2",
                   "SP-IVA",
                   17.5,
                   kSandSeabed,
                   kSandForce,
                   kSandMoment,
                   kSandArm,
                   "",
                   {},
                   within(273.101, kMatrixRel),
                   "σ",
                   within(121.4, kMatrixRel, 0.05),
                   within(8.198, kDisplacementRel),
                   11.8122,
                   0.0005 + kHalfDecimal});
}

// Both cases on the steel pipe, with the ring stress of the normal case's
// maximum-moment depth and the combined stress of each case.
TEST(ReferenceReports, SteelPipeSand) {
    WindowRun w;
    const std::string text = w.report_of("steel_pipe_sand.tn2", "reference_", {1});
    expect_in_order(text, {"2.常時の検討", "3.地震時の検討", "4.検討結果のまとめ[完成時]",
                           "使用矢板 φ 800.0 x t 9.0 (P-T)型"});
    const std::string n = kNumber;
    std::vector<std::string> patterns;
    for (const char* chapter : {"2.常時の検討", "3.地震時の検討"}) {
        for (const std::string& p :
             {std::string(chapter), "仮想海底面 = .* = " + n + " m", "ΣP = " + n + " ΣM = " + n,
              "h0 = ΣM / ΣP = .* = " + n + " m", kBeta, "Mmax = " + n + " kN",
              "σ = " + n + " σ2 = " + n + " σc = " + n})
            patterns.push_back(p);
    }
    for (const std::string& p :
         {std::string("4.検討結果のまとめ\\[完成時\\]"), "σ " + n + " " + n, "常 時 σ2 " + n,
          "σc " + n + " " + n, "δ " + n + " " + n,
          "必要根入れ先端標高 \\(m\\)\n[^\n]*\n " + n + " " + n, "採用矢板長 " + n + " m"})
        patterns.push_back(p);
    constexpr double kEmbedment = 8.721;
    expect_printed(text, patterns,
                   {// normal case
                    {kSandSeabed, kLevelTol},
                    within(kSandForce, kForceRel),
                    within(kSandMoment, kMomentRel),
                    {kSandArm, kArmTol},
                    {0.344, kBetaTol},
                    within(297.185, kMomentRel),
                    {66.6, kStressTol},
                    {80.4, kStressTol},
                    {74.5, kStressTol},
                    // seismic case
                    {-4.0495, kLevelTol},
                    within(171.383, kForceRel),
                    within(482.520, kMomentRel),
                    {2.8155, kArmTol},
                    {0.344, kBetaTol},
                    within(556.651, kMomentRel),
                    {124.7, kStressTol},
                    {80.4, kStressTol},
                    {109.5, kStressTol},
                    // summary
                    {66.6, kStressTol},
                    {124.7, kStressTol},
                    {80.4, kStressTol},
                    {74.5, kStressTol},
                    {109.5, kStressTol},
                    within(2.986, kDisplacementRel),
                    within(6.297, kDisplacementRel),
                    {kSandSeabed - kEmbedment, kLevelTol + kEmbedmentTol},
                    {-4.0495 - kEmbedment, kLevelTol + kEmbedmentTol},
                    {15.5, 0.0}});
}

} // namespace
} // namespace wtn::mainwin::test
