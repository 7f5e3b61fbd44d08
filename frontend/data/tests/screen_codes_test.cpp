// The code types the screens test the design data's switches with: each must
// read a stored switch exactly as the screens' former numbers did.
#include "screen_codes.h"
#include "wall_codes.h"

#include <gtest/gtest.h>

namespace wtn {
namespace {

TEST(ScreenCodes, PileKindsSplitIntoSteelAndPcAtTheSteelPipe) {
    struct Case {
        int kind;
        bool steel;
        bool pc;
    };
    // The screen's kinds 0 to 3 are steel, 4 to 6 PC; a kind outside the list
    // is neither steel nor (below the list) PC, as the screens treated it.
    const Case cases[] = {{-1, false, false}, {0, true, false}, {3, true, false},
                          {4, false, true},   {6, false, true}, {7, false, true}};
    for (const Case& c : cases) {
        const PileType type = pile_type_from_screen_kind(c.kind);
        EXPECT_EQ(is_steel_pile(type), c.steel) << c.kind;
        EXPECT_EQ(is_pc_pile(type), c.pc) << c.kind;
    }
    EXPECT_EQ(pile_type_from_screen_kind(3), PileType::SteelPipe);
}

TEST(ScreenCodes, ListIndexCoversZeroToCountLessOne) {
    EXPECT_FALSE(is_list_index(-1, 3));
    EXPECT_TRUE(is_list_index(0, 3));
    EXPECT_TRUE(is_list_index(2, 3));
    EXPECT_FALSE(is_list_index(3, 3));
    EXPECT_TRUE(is_list_index(kPipeJointGivenSpacing, kPipeJointOptionCount));
    EXPECT_FALSE(is_list_index(kPipeJointGivenSpacing, kPipeJointTypeCount));
}

TEST(ScreenCodes, ScreenSwitchesReadAsTheirFileCodes) {
    // Option groups held from 0 on the screens, numbered from 1 in the file.
    EXPECT_EQ(code_from_screen_switch<USection>(0), USection::Improved);
    EXPECT_EQ(code_from_screen_switch<USection>(2), USection::Wide);
    EXPECT_EQ(screen_switch_of(SteelGrade::SY390), 1);
    EXPECT_EQ(code_from_screen_switch<DesignStandard>(1), DesignStandard::FisheryPort);
    EXPECT_EQ(code_from_screen_switch<BreakingInfluence>(0), BreakingInfluence::NotInfluenced);
    EXPECT_EQ(code_from_screen_switch<YesNo>(1), YesNo::No);
    // Switches the design data holds as the file carries them.
    EXPECT_EQ(yes_no_code(true), 1);
    EXPECT_EQ(yes_no_code(false), 2);
    EXPECT_EQ(screen_value(CorrosionRange::MudOnly), 1);
    EXPECT_EQ(screen_value(PileTipCondition::HeadFree), 1);
    EXPECT_EQ(screen_code<SeismicRounding>(1), SeismicRounding::StepsOfFiveHundredths);
}

} // namespace
} // namespace wtn
