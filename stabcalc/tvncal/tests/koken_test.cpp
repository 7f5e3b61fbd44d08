#include "koken.h"

#include "current_folder.h"
#include "sqrt_reaction_pile.h"
#include "stop_capture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>

#include <unistd.h>

namespace wtn {
namespace {

using test::stop_text;

const std::string kCTable = WTN_SOURCE_DIR "/installed/CGATA.MST";
const std::string kSTable = WTN_SOURCE_DIR "/installed/SGATA.MST";

KokenResult curves(int method, double p, double h0, double k, double ei, const std::string& t) {
    KokenResult koken;
    KokenCurveInput in;
    in.method = from_file_value<EmbedmentMethod>(method);
    in.force = p;
    in.lever_arm = h0;
    in.constant = k;
    in.rigidity.fill(ei);
    koken_curve_results(in, read_curve_table(t), koken);
    return koken;
}

TEST(KokenCurves, CTypeStepsByHand) {
    // k 1500, EI 33600, P 100, h0 5: log h0 = 0.699, k' = 1.5, log k' = 0.176,
    // EI' = 3.36, log EI' = 0.526; T1 = r3(5·0.699 − 0.526 + 0.352) = 3.321,
    // log Ts = r3(2 − 3.321) = −1.321; T2 = 4.020, T3 = 4.193, T4 = 4.892.
    const KokenResult k = curves(3, 100.0, 5.0, 1500.0, 33600.0, kCTable);
    const auto& a = k.result;
    EXPECT_DOUBLE_EQ(a[kKokenLogHeight], 0.699);
    EXPECT_DOUBLE_EQ(a[kKokenConstant], 1.5);
    EXPECT_DOUBLE_EQ(a[kKokenLogConstant], 0.176);
    EXPECT_DOUBLE_EQ(a[kKokenRigidity + 0], 3.36);
    EXPECT_DOUBLE_EQ(a[kKokenLogRigidity + 1], 0.526);
    EXPECT_DOUBLE_EQ(a[kKokenTerm1 + 4], 3.321);
    EXPECT_DOUBLE_EQ(a[kKokenTerm2 + 4], 4.020);
    EXPECT_DOUBLE_EQ(a[kKokenTerm3 + 4], 4.193);
    EXPECT_DOUBLE_EQ(a[kKokenTerm4 + 4], 4.892);
    EXPECT_DOUBLE_EQ(k.curve[kCurveLogTs + 0], -1.321);
    // The bracketing rows: -1.3 above, -1.4 below.
    EXPECT_DOUBLE_EQ(k.curve[kCurveKey + 0], -1.3);
    EXPECT_DOUBLE_EQ(k.curve[kCurveKey + 1], -1.4);
    // Section 1 is left alone without differing corrosion zones.
    EXPECT_EQ(a[kKokenMoment + 2], 0.0);
    EXPECT_GT(a[kKokenMoment + 4], 0.0);
    // M = r3(10^(m + T2)) with the reading m stored beside it.
    EXPECT_DOUBLE_EQ(a[kKokenMoment],
                     std::round(std::pow(10.0, a[kKokenReadMoment] + 4.020) * 1000.0) / 1000.0);
}

TEST(KokenCurves, STypeAgainstTheSquareRootPileScaledToTheWall) {
    // S-type: p = k x √y, a = (EI P/k²)^(1/7), b = P a³/EI.
    struct Case {
        double p, h0, k, ei;
    };
    for (const Case c : {Case{100.0, 5.0, 600.0, 33600.0}, Case{60.0, 3.0, 2000.0, 17480.0}}) {
        SCOPED_TRACE(c.k);
        const KokenResult k = curves(5, c.p, c.h0, c.k, c.ei, kSTable);
        const double a = std::pow(c.ei * c.p / (c.k * c.k), 1.0 / 7.0);
        const double b = c.p * a * a * a / c.ei;
        const tools::CanonicalPileResponse pile = tools::solve_canonical_pile(1, c.h0 / a);
        EXPECT_NEAR(k.result[kKokenMoment], pile.max_moment * c.p * a,
                    0.01 * k.result[kKokenMoment]);
        EXPECT_NEAR(k.result[kKokenZero], pile.moment_zero_depth * a, 0.01 * k.result[kKokenZero]);
        EXPECT_NEAR(k.result[kKokenDeflection], pile.head_deflection * b * 100.0,
                    0.01 * k.result[kKokenDeflection]);
        EXPECT_NEAR(k.result[kKokenSlope], pile.head_slope * b / a, 0.01 * k.result[kKokenSlope]);
    }
}

class CurveTableFolder : public testing::Test {
  protected:
    void SetUp() override {
        dir_ =
            std::filesystem::temp_directory_path() / ("koken_test_" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir_);
        here_.emplace(dir_.string());
    }
    void TearDown() override {
        here_.reset();
        std::filesystem::remove_all(dir_);
    }
    void write(const std::string& text) {
        std::ofstream(dir_ / "CGATA.MST", std::ios::binary) << text;
    }
    std::filesystem::path dir_;
    std::optional<test::CurrentFolder> here_;
};

TEST_F(CurveTableFolder, RowsBracketingLogTsAndItsErrors) {
    EXPECT_EQ(stop_text([] { read_curve_table("CGATA.MST"); }),
              "error: (ERROR)-基準曲線表ファイルがオープンできません.");
    write("# comment\r\n1.0,0,10,20,30,0,40\r\n0.9,0,11,21,31,0,41\r\n0.8,0,12,22,32,0,42\r\n");
    const CurveTable t = read_curve_table("CGATA.MST");
    ASSERT_EQ(t.rows.size(), 3u);
    // On a row: that row is the upper one and the interpolation its own value.
    CurveBracket b = read_standard_curve(t, 0.9);
    EXPECT_DOUBLE_EQ(b.upper.log_ts, 0.9);
    EXPECT_DOUBLE_EQ(b.lower.log_ts, 0.8);
    EXPECT_DOUBLE_EQ(curve_interpolate(0.9, 0.8, 0.9, 12.0, 11.0), 11.0);
    EXPECT_DOUBLE_EQ(curve_interpolate(0.85, 0.8, 0.9, 12.0, 11.0), 11.5);
    const std::string outside = "error: (ERROR)-指定した logＴs が基準曲線表内に収まっていません.";
    EXPECT_EQ(stop_text([&] { read_standard_curve(t, 1.05); }), outside);
    EXPECT_EQ(stop_text([&] { read_standard_curve(t, 0.8); }), outside);
    write("1.0,0,10,20,30,0,40\r\n1.1,0,11,21,31,0,41\r\n");
    EXPECT_NE(stop_text([] { read_curve_table("CGATA.MST"); }).find("2 行目"), std::string::npos);
    write("1.0,0,10,20\r\n");
    EXPECT_NE(stop_text([] { read_curve_table("CGATA.MST"); }).find("1 行目"), std::string::npos);
    // A value no curve reaches, which would overflow the interpolation.
    write("1.0,0,10,20,30,0,40\r\n0.9,0,1.0e308,21,31,0,41\r\n");
    EXPECT_NE(stop_text([] { read_curve_table("CGATA.MST"); }).find("2 行目"), std::string::npos);
}

TEST(KokenCurves, LogarithmsOfNonPositiveValuesStop) {
    EXPECT_NE(stop_text([] { curves(3, 0.0, 5.0, 1500.0, 33600.0, kCTable); }).find("合力Ｐ"),
              std::string::npos);
    EXPECT_NE(stop_text([] { curves(3, 100.0, 0.0, 1500.0, 33600.0, kCTable); }).find("h0"),
              std::string::npos);
    InputRecord input;
    input.neire.sea.kh = 0.0;
    input.neire.land.kh = 1200.0;
    DesignValueBlock dv;
    EXPECT_EQ(stop_text([&] { copy_koken_design_values(input, 0, dv); }),
              "error: (ERROR)-海側の横抵抗定数が0.0になっています.");
    copy_koken_design_values(input, 1, dv);
    EXPECT_EQ(dv.lateral_constant, 1200.0);
    input.neire.land.kh = -5.0;
    EXPECT_EQ(stop_text([&] { copy_koken_design_values(input, 2, dv); }),
              "error: (ERROR)-陸側の横抵抗定数が0.0になっています.");
}

} // namespace
} // namespace wtn
