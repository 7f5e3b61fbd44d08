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
    EXPECT_TRUE(is_joint_type(PipeJoint::PP));
    EXPECT_FALSE(is_joint_type(PipeJoint::GivenSpacing));
    EXPECT_FALSE(is_joint_type(from_file_value<PipeJoint>(-1)));
}

TEST(ScreenCodes, ListIndexesReadAsTheirFileCodes) {
    // Option groups listed from 0 on the screens, numbered from 1 in the file.
    EXPECT_EQ(code_of_list_index<USection>(0), USection::Improved);
    EXPECT_EQ(code_of_list_index<USection>(2), USection::Wide);
    EXPECT_EQ(list_index_of(SteelGrade::SY390), 1);
    EXPECT_EQ(code_of_list_index<DesignStandard>(1), DesignStandard::FisheryPort);
    EXPECT_EQ(code_of_list_index<BreakingInfluence>(0), BreakingInfluence::NotInfluenced);
    EXPECT_EQ(code_of_list_index<YesNo>(1), YesNo::No);
    // Codes listed from 0 keep their number as the list index.
    EXPECT_EQ(list_index_of(CorrosionRange::MudOnly), 1);
    EXPECT_EQ(list_index_of(CheckBox::Checked), 1);
    EXPECT_EQ(code_of_list_index<PipeJoint>(3), PipeJoint::GivenSpacing);
    // An index outside the list is kept with its number, both ways.
    for (int index : {-3, -1, 4, 99}) {
        EXPECT_EQ(list_index_of(code_of_list_index<EmbedmentMethod>(index)), index);
        EXPECT_FALSE(is_listed(code_of_list_index<SoilKind>(index + 10)));
    }
}

TEST(ScreenCodes, ResidualRulesFollowTheScreensOrderAndKeepOtherNumbers) {
    EXPECT_EQ(residual_rule_from_screen(0), ResidualLevelRule::TwoThirdsOfRange);
    EXPECT_EQ(residual_rule_from_screen(1), ResidualLevelRule::WholeRange);
    EXPECT_EQ(residual_rule_from_screen(2), ResidualLevelRule::Given);
    // Numbers outside the list stand for themselves, so every number goes
    // back to the one it was read from and none takes a listed rule.
    for (int n : {-5, -1, 0, 1, 2, 3, 7}) {
        const ResidualLevelRule rule = residual_rule_from_screen(n);
        EXPECT_EQ(screen_residual_switch(rule), n);
        EXPECT_EQ(is_listed(rule), n >= 0 && n <= 2) << n;
    }
}

} // namespace
} // namespace wtn
