// Lines of the wave-row lists: names, breaking-wave texts, the five values in
// 16 columns, and "----" where a value does not apply.
#include "wave_lines.h"

#include <gtest/gtest.h>

namespace wtn::design {
namespace {

std::string cols(const char* text) {
    return right_aligned(text);
}

TEST(WaveLines, GodaLineOfLevelZeroWithBreakingWavesAndPeriod) {
    WaveRec row{BreakingInfluence::Influenced, WaveLengthMethod::Computed, 2.5, 4.5, 8, 0, 15};
    EXPECT_EQ(goda_line(0, row), std::string(" Ｈ．Ｈ．Ｗ．Ｌ．    ") + "受ける     " +
                                     cols("2.50") + cols("4.50") + cols("8.00") + cols("----") +
                                     cols("15.00"));
    EXPECT_EQ(cols("2.50"), "            2.50");
}

TEST(WaveLines, GodaDashesFollowTheFlags) {
    struct Case {
        int flag1, flag2;
        const char* breaking;
        const char* hmax;
        const char* period;
        const char* length;
    };
    const Case cases[] = {
        {0, 0, "受けない   ", "----", "8.00", "----"},
        {1, 1, "受ける     ", "4.50", "----", "60.25"},
        {0, 1, "受けない   ", "----", "----", "60.25"},
        // A flag outside 0 and 1: no breaking-wave text; Hmax shown, T dashed.
        {2, 3, "", "4.50", "----", "60.25"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.flag1) + "/" + std::to_string(c.flag2));
        WaveRec row{code_of_list_index<BreakingInfluence>(c.flag1),
                    code_of_list_index<WaveLengthMethod>(c.flag2),
                    2.5,
                    4.5,
                    8,
                    60.25,
                    0};
        EXPECT_EQ(goda_line(2, row), std::string(" Ｌ．Ｗ．Ｌ          ") + c.breaking +
                                         cols("2.50") + cols(c.hmax) + cols(c.period) +
                                         cols(c.length) + cols("0.00"));
    }
}

TEST(WaveLines, KurodaLinePerLevelShowsHdAlways) {
    const char* names[] = {" Ｈ．Ｈ．Ｗ．Ｌ．  ", " Ｈ．Ｗ．Ｌ        ", " Ｌ．Ｗ．Ｌ        ",
                           " 任意潮位          "};
    for (int level = 0; level < 4; ++level) {
        SCOPED_TRACE(level);
        WaveRec period_row{
            BreakingInfluence::KurodaHiroiRow, WaveLengthMethod::Computed, 1.234, 0, 6, 50, 10};
        EXPECT_EQ(kuroda_line(level, period_row), std::string(names[level]) + cols("1.23") +
                                                      cols("0.00") + cols("6.00") + cols("----") +
                                                      cols("10.00"));
        WaveRec given_row{
            BreakingInfluence::KurodaHiroiRow, WaveLengthMethod::Given, 1, 2, 6, 50, -5};
        EXPECT_EQ(kuroda_line(level, given_row), std::string(names[level]) + cols("1.00") +
                                                     cols("2.00") + cols("----") + cols("50.00") +
                                                     cols("-5.00"));
    }
}

TEST(WaveLines, AValueWiderThanItsColumnsIsShownWhole) {
    WaveRec row{BreakingInfluence::Influenced, WaveLengthMethod::Computed, 1e13, 0, 0, 0, 0};
    const std::string line = goda_line(1, row);
    EXPECT_NE(line.find("10000000000000.00"), std::string::npos);
    EXPECT_EQ(right_aligned("12345678901234567"), "12345678901234567");
}

} // namespace
} // namespace wtn::design
