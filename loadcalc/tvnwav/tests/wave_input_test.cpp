#include "wave_input.h"

#include "cp932_codec.h"
#include "program_stop.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>

namespace wtn {
namespace {

InputRecord wave_input() {
    InputRecord in;
    set_input_defaults(in);
    in.tjkn1.hhwl = 2.5;
    in.joken.hwl = 2.0;
    in.joken.lwl = 0.0;
    in.tjkn1.user_tide_level = 1.2;
    in.joken.water_weight = 10.1;
    in.wlvl.d = -6.0;
    in.wlvl.h_dash = -6.0;
    in.wlvl.h = -8.0;
    in.wlvl.hb = {-9.0, -9.0, -9.0, -9.0, 0.0};
    for (auto& row : in.tide_levels) {
        row.breaking_influence = BreakingInfluence::NotInfluenced;
        row.h13 = 2.35;
        row.hmax = 3.9;
        row.wave_length = 60.0;
        row.incidence_angle = 15.0;
    }
    return in;
}

TEST(FillWaveCommon, DepthsAreMeasuredFromTheTideLevelOfEachLevel) {
    const InputRecord in = wave_input();
    const double tides[] = {2.5, 2.0, 0.0, 1.2};
    for (int level = kTideHhwl; level <= kTideUser; ++level) {
        WaveBlock b;
        fill_wave_common(in, level, b);
        const double eta0 = tides[level];
        EXPECT_EQ(b.formula, WaveFormula::Goda);
        EXPECT_DOUBLE_EQ(b.common.tide_level, eta0);
        EXPECT_DOUBLE_EQ(b.common.depth_h, eta0 + 8.0);
        EXPECT_DOUBLE_EQ(b.common.depth_h_dash, eta0 + 6.0);
        EXPECT_DOUBLE_EQ(b.common.depth_d, eta0 + 6.0);
        EXPECT_DOUBLE_EQ(b.goda.breaking_depth, eta0 + 9.0);
        EXPECT_DOUBLE_EQ(b.common.wave_height, 4.23);
        EXPECT_DOUBLE_EQ(b.common.wave_length, 60.0);
        EXPECT_DOUBLE_EQ(b.common.water_unit_weight, 10.1);
    }
}

TEST(FillWaveCommon, KurodaHiroiTakesTheDesignWaveHeightAndItsDepth) {
    InputRecord in = wave_input();
    in.wavsw.wave_formula = WaveFormula::KurodaHiroi;
    in.wlvl.depth_rule = WaveDepthRule::AtToeWorks;
    WaveBlock b;
    fill_wave_common(in, kTideHwl, b);
    EXPECT_EQ(b.formula, WaveFormula::KurodaHiroi);
    EXPECT_DOUBLE_EQ(b.common.wave_height, 3.9);
    EXPECT_DOUBLE_EQ(b.kuroda_hiroi.depth_used, 8.0); // d
    EXPECT_EQ(b.kuroda_hiroi.breaking, 0);            // 2 x 2.35 < 8
}

TEST(CheckWaveData, RefusesWhatTheFormulasCannotComputeWith) {
    setenv("WTN_UI_PIPE", "0", 1);
    struct Case {
        int formula;
        const char* message; // after the level's name
        std::function<void(InputRecord&)> change;
    } cases[] = {
        {1, "波長Ｌが 0.0 以下です.",
         [](InputRecord& in) { in.tide_levels[kTideHwl].wave_length = 0.0; }},
        {1, "波高Ｈが 0.0 以下です.", [](InputRecord& in) { in.tide_levels[kTideHwl].h13 = 0.0; }},
        {1, "水深ｈが 0.0 以下です.", [](InputRecord& in) { in.wlvl.h = 2.0; }},
        {1, "水深ｄが 0.0 以下です.", [](InputRecord& in) { in.wlvl.d = 2.0; }},
        {1, "水深ｈｂが 0.0 以下です.", [](InputRecord& in) { in.wlvl.hb[kTideHwl] = 2.0; }},
        {1, "波圧の下限ｈ'が水深ｈより深くなっています.",
         [](InputRecord& in) { in.wlvl.h_dash = -8.5; }},
        {1, "波圧の下限ｈ'が潮位より上にあります.", [](InputRecord& in) { in.wlvl.h_dash = 2.0; }},
        {2, "水深Ｄ（ｈ又はｄ）が 0.0 以下です.", [](InputRecord& in) { in.wlvl.h = 2.0; }},
        {2, "波長Ｌが 0.0 以下です.",
         [](InputRecord& in) { in.tide_levels[kTideHwl].wave_length = -60.0; }},
        {2, "波圧の下限ｈ'が水深ｈより深くなっています.",
         [](InputRecord& in) { in.wlvl.h_dash = -8.5; }},
    };
    for (const auto& c : cases) {
        InputRecord in = wave_input();
        in.wavsw.wave_formula = from_file_value<WaveFormula>(c.formula);
        WaveBlock good;
        fill_wave_common(in, kTideHwl, good);
        EXPECT_NO_THROW(check_wave_data(good)) << c.message;
        c.change(in);
        WaveBlock bad;
        fill_wave_common(in, kTideHwl, bad);
        testing::internal::CaptureStderr();
        EXPECT_THROW(check_wave_data(bad), ProgramStop) << c.message;
        const std::string err = testing::internal::GetCapturedStderr();
        // The box text reaches standard error as UTF-8.
        const std::string expected = cp932_to_utf8(std::string("H.W.L.:") + c.message);
        EXPECT_NE(err.find(expected), std::string::npos) << expected << " / " << err;
    }
}

TEST(CheckWaveData, HDashEqualToHIsAccepted) {
    InputRecord in = wave_input();
    in.wlvl.h_dash = -8.0005;
    WaveBlock b;
    fill_wave_common(in, kTideHwl, b);
    EXPECT_NO_THROW(check_wave_data(b));
}

} // namespace
} // namespace wtn
