// The reports of the reference sections with the special loads, as the
// engineer gets them from the main window (計算, then 印刷 to one PDF): the
// printed key numbers against the values worked out by hand in
// tests/e2e/reference/reference_special_loads.py, within the tolerances of the
// reference-section tests widened by the printed decimals. The PDFs, their
// pages as PNG and their text stay in the build's screenshots folder.
#include "window_run.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace wtn::mainwin::test {
namespace {

const std::string kNumber = "(-?[0-9]+\\.[0-9]+)";

TEST(SpecialLoadsReports, DynamicWaterPressureAndTheApparentSeismicCoefficient) {
    WindowRun w;
    const std::string text = w.report_of("seismic_dynamic_water.tn2", "special_", {1});
    expect_in_order(text, {"3.地震時の検討", "見掛けの震度（荒井・横井の提案式）",
                           "1.00 -30.00 31.00 20.000 10.000 0.000 0.000 5.00 0.27 0.27 15.1 15.1",
                           "動水圧（ウェスターガードの式）", "動水圧の分布", "動水圧の合力",
                           "4.検討結果のまとめ[完成時]", "使用矢板 SP-VL"});
    // Seismic case: k' of the land side below the R.W.L. and of the sea
    // side; the virtual seabed; P_d, h_d, its lever arm and moment; P, M and
    // h0 with it; the stresses, displacements and tips of both cases and the
    // adopted length.
    const std::string n = kNumber;
    expect_printed(text,
                   {"3.地震時の検討", "1.00 -30.00 31.00 .* " + n + " " + n + " 15.1 15.1",
                    "-2.50 -30.00 27.50 .* " + n + " " + n + " 16.7 16.7",
                    "仮想海底面 = .* = " + n + " m", "Pd = 7/12 .* = +" + n + " kN/m",
                    "hd = 0.4 h = " + n + " m", "動水圧 " + n + " " + n + " " + n,
                    "h0 = ΣM / ΣP = " + n + " / " + n + " = " + n + " m", "σ " + n + " " + n,
                    "δ " + n + " " + n, "\n " + n + " " + n + "\n", "採用矢板長 " + n + " m"},
                   {{0.2743, 0.005},  {0.2743, 0.005}, {0.30, 0.005},    {0.30, 0.005},
                    {-3.9526, 0.002}, {5.523, 0.001},  {1.0, 0.001},     {5.523, 0.001},
                    {2.4526, 0.002},  {13.547, 0.03},  {458.214, 0.92},  {166.729, 0.17},
                    {2.7483, 0.005},  {89.0, 0.25},    {160.8, 0.25},    {6.001, 0.061},
                    {12.271, 0.123},  {-9.914, 0.011}, {-10.679, 0.011}, {13.5, 0.0}});
}

TEST(SpecialLoadsReports, KurodaHiroiWavesAtTwoTideLevels) {
    WindowRun w;
    const std::string text = w.report_of("kuroda_hiroi_waves.tn2", "special_", {1, 2});
    expect_in_order(text,
                    {"2.<H.W.L.> の検討", "波圧（重複波：広井「森平」式）",
                     "(2) 合力及び作用位置の計算", "3.<L.W.L.> の検討", "波圧（砕波：広井式）",
                     "(2) 合力及び作用位置の計算", "4.検討結果のまとめ[施工時]", "使用矢板 SP-VL"});
    // Per tide level: the wave length, the formula's values, P, M and h0;
    // then the summary's stress and displacement of each level.
    const std::string n = kNumber;
    expect_printed(text,
                   {"2.<H.W.L.> の検討", "波長 L = " + n + " m", "δ0 = .* = " + n + " m",
                    "p = 1.5 w0 HD cos2 β = " + n, "p2 = .* = " + n, "p1 = .* = " + n,
                    "ΣP = " + n + " ΣM = " + n, "h0 = ΣM / ΣP = .* = " + n + " m",
                    "3.<L.W.L.> の検討", "波長 L = " + n + " m", "= " + n + " kN/m2",
                    "ΣP = " + n + " ΣM = " + n, "h0 = ΣM / ΣP = .* = " + n + " m", "4-1. H.W.L.",
                    "σ " + n, "δ " + n, "4-2. L.W.L.", "σ " + n, "δ " + n},
                   {{34.75, 0.0},
                    {0.329, 0.0011},
                    {22.725, 0.002},
                    {11.902, 0.002},
                    {16.411, 0.002},
                    {80.862, 0.09},
                    {222.527, 0.45},
                    {2.7519, 0.005},
                    {28.31, 0.0},
                    {22.725, 0.002},
                    {99.422, 0.1},
                    {217.485, 0.44},
                    {2.1875, 0.005},
                    {78.1, 0.25},
                    {4.699, 0.048},
                    {79.5, 0.25},
                    {4.612, 0.047}});
}

TEST(SpecialLoadsReports, EmbankmentSurchargeFromTheTrialWedge) {
    WindowRun w;
    const std::string text = w.report_of("embankment_fill.tn2", "special_", {1});
    expect_in_order(text, {"上載荷重(海底面)", "崩壊面の下端 -2.500 m", "1.00 56°51′35″",
                           "-2.50 56°51′35″", "上載荷重(海底面)", "崩壊面の下端 -2.500 m",
                           "1.00 48°34′53″", "-2.50 37°50′56″", "4.検討結果のまとめ[完成時]",
                           "使用矢板 SP-VIL"});
    // Per case: the zones inside the wedge, Q, the fill's area and W, X and q;
    // then the virtual seabed, P, M and h0; at the end the summary.
    const std::string n = kNumber;
    std::vector<std::string> patterns;
    for (const char* chapter : {"2.常時の検討", "3.地震時の検討"}) {
        for (const std::string& p :
             {std::string(chapter), n + " 2.0000 " + n, n + " " + n + " " + n + "\n",
              "Q = " + n + " kN/m", "面積 A = Σ/2 = " + n + " m2", "W = " + n + " kN/m",
              "\\) / " + n + "\n", "採用する上載荷重 q = " + n, "仮想海底面 = .* = " + n + " m",
              "ΣP = " + n + " ΣM = " + n, "h0 = ΣM / ΣP = .* = " + n + " m"})
            patterns.push_back(p);
    }
    for (const std::string& p : {"σ " + n + " " + n, "δ " + n + " " + n, "\n " + n + " " + n + "\n",
                                 "採用矢板長 " + n + " m"})
        patterns.push_back(p);
    expect_printed(text, patterns,
                   {// normal case: zone 1 over 2 m, zone 2 over x_c - 3
                    {10.0, 0.0},
                    {20.0, 0.0001},
                    {20.0, 0.0},
                    {0.5909, 0.0001},
                    {11.8189, 0.0002},
                    {31.8189, 0.0002},
                    {1.71386, 0.00005},
                    {30.8495, 0.001},
                    {3.2645, 0.0},
                    {19.20, 0.0},
                    {-3.2471, 0.002},
                    {122.082, 0.13},
                    {296.324, 0.6},
                    {2.4273, 0.005},
                    // seismic case
                    {5.0, 0.0},
                    {10.0, 0.0001},
                    {10.0, 0.0},
                    {3.2686, 0.0001},
                    {32.6860, 0.0002},
                    {42.6860, 0.0002},
                    {3.02402, 0.00005},
                    {54.4324, 0.001},
                    {5.8275, 0.0},
                    {16.67, 0.0},
                    {-4.2608, 0.002},
                    {210.953, 0.22},
                    {647.788, 1.3},
                    {3.0708, 0.005},
                    // summary of SP-VIL
                    {88.9, 0.25},
                    {186.5, 0.25},
                    {5.841, 0.059},
                    {14.373, 0.144},
                    {-10.511, 0.011},
                    {-11.525, 0.011},
                    {14.5, 0.0}});
}

} // namespace
} // namespace wtn::mainwin::test
