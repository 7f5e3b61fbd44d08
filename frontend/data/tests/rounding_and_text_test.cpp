// The front end's rounding and the number text of its files.
#include "marume_round.h"
#include "number_text.h"

#include <gtest/gtest.h>

#include <cmath>

namespace wtn {
namespace {

struct RoundCase {
    double x, n, expected;
};

TEST(FrontEndRounding, HalfUpWithTheTieBandGoingToEven) {
    const RoundCase cases[] = {
        {2.345, 2, 2.34},      {2.355, 2, 2.36},      {0.125, 2, 0.12}, {0.135, 2, 0.14},
        {2.675, 2, 2.68},      {1.005, 2, 1.0}, // scaled 100.4999..., inside the band, 100 even
        {0.5, 0, 0.0},         {1.5, 0, 2.0},         {2.5, 0, 2.0},    {2.50004, 0, 2.0},
        {3.5001, 0, 4.0},      {1.4999, 0, 1.0}, // band open at both ends
        {-2.345, 2, -2.34},    {12.34567, 3, 12.346}, {0.0049, 2, 0.0}, {17.64, 0, 18.0},
        {15.69064, 3, 15.691}, {0.0, 3, 0.0},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(marume::round_dec(c.x, c.n), c.expected) << c.x << " to " << c.n;
}

TEST(FrontEndRounding, TieBandBeyondThe32BitRangeStillGoesToEven) {
    // 2^33 + 0.5 scaled by 1: parity of the whole part, not of a 32-bit cut.
    EXPECT_DOUBLE_EQ(marume::round_dec(8589934592.5, 0), 8589934592.0);
    EXPECT_DOUBLE_EQ(marume::round_dec(8589934593.5, 0), 8589934594.0);
}

TEST(NumberText, ShortestFormWithoutLeadingZero) {
    const std::pair<double, const char*> cases[] = {
        {0.5, ".5"},
        {-0.25, "-.25"},
        {3.0, "3"},
        {0.0, "0"},
        {-0.0, "0"},
        {12.5, "12.5"},
        {1e15, "1E+15"},
        {0.00001, "1E-05"},
        {1.5e-5, "1.5E-05"},
        {0.0001, ".0001"},
        {123456789012345.0, "123456789012345"},
        {1.0 / 3.0, ".333333333333333"},
        {9800.000000000002, "9800"},
        {-1234.5678, "-1234.5678"},
    };
    for (const auto& [x, text] : cases)
        EXPECT_EQ(real_text(x, "x"), text) << x;
}

TEST(NumberText, CalculationInputItemsCarryTheirBlanks) {
    EXPECT_EQ(cal_real_item(0.5, "x"), " .5 ");
    EXPECT_EQ(cal_real_item(-0.25, "x"), "-.25 ");
    EXPECT_EQ(cal_real_item(0.0, "x"), " 0 ");
    EXPECT_EQ(cal_integer_item(1), " 1 ");
    EXPECT_EQ(cal_integer_item(-3), "-3 ");
}

TEST(NumberText, ValuesWithoutFiniteTextAreRefusedByName) {
    try {
        real_text(std::nan(""), "波長");
        FAIL() << "NaN was written";
    } catch (const DataError& e) {
        EXPECT_NE(std::string(e.what()).find("波長"), std::string::npos);
    }
    EXPECT_THROW(real_text(INFINITY, "x"), DataError);
}

TEST(NumberText, FixedTextCountsCharactersNotBytes) {
    EXPECT_EQ(fixed_text("岸壁", 4), "岸壁  ");
    EXPECT_EQ(fixed_text("一二三四五", 3), "一二三");
    EXPECT_EQ(trim_blanks("  a b  "), "a b");
}

TEST(NumberText, QuotesAndLineBreaksInTextsAreRefused) {
    EXPECT_NO_THROW(check_text_item("A岸壁", "業務名称"));
    EXPECT_THROW(check_text_item("A\"B", "業務名称"), DataError);
    EXPECT_THROW(check_text_item("A\nB", "業務名称"), DataError);
}

TEST(NumberText, IntegerFieldsRoundHalvesToEvenWithinSixteenBits) {
    EXPECT_EQ(to_integer16(2.5, "x"), 2);
    EXPECT_EQ(to_integer16(3.5, "x"), 4);
    EXPECT_EQ(to_integer16(-1.4, "x"), -1);
    EXPECT_THROW(to_integer16(40000, "x"), DataError);
}

} // namespace
} // namespace wtn
