// Pile length rounded to the half metre.
#include "kekka_files.h"

#include <gtest/gtest.h>

namespace wtn {
namespace {

TEST(PileLength, RoundedUpToHalfAMetreFromTheSheetPileCrown) {
    EXPECT_DOUBLE_EQ(pile_length_to_half_metre(3.0, -15.3), 18.5);
    EXPECT_DOUBLE_EQ(pile_length_to_half_metre(3.0, -15.5), 18.5);
    EXPECT_DOUBLE_EQ(pile_length_to_half_metre(3.0, -15.501), 19.0);
    // Crown +1.37, reference -5.067, embedment 14.563: the tip
    // -19.630000000000003 lies exactly 21.0 m below the crown.
    const double tip = -5.067 - 14.563;
    ASSERT_NE(tip, -19.63);
    EXPECT_DOUBLE_EQ(pile_length_to_half_metre(1.37, tip), 21.0);
}

} // namespace
} // namespace wtn
