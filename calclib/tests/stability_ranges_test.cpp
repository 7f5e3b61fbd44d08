#include "input_record.h"
#include "program_stop.h"
#include "stability_ranges.h"
#include "tide_level_yes_no.h"

#include <gtest/gtest.h>

namespace wtn {
namespace {

InputRecord default_input() {
    InputRecord input;
    reset_input_counters(input);
    set_input_defaults(input);
    return input;
}

TEST(StabilityCaseRange, FileModeAndStudiedCases) {
    struct Case {
        int file_mode;
        int cases; // swdat item 6
        int first, end;
    } cases[] = {
        {0, 1, 0, 1},
        {0, 2, 1, 2},
        {0, 3, 0, 2},
        {0, 0, 0, 2},
        {1, 2, 0, 1},
        {1, 3, 0, 1}, // construction stage of mode 1: normal case whatever item 6
                      // says
        {2, 2, 1, 2},
        {2, 3, 0, 2},
    };
    for (const Case& c : cases) {
        InputRecord input = default_input();
        input.swdat.completed_cases = from_file_value<CompletedCases>(c.cases);
        CaseRange range = stability_case_range(input, c.file_mode);
        EXPECT_EQ(range.first, c.first) << c.file_mode << "/" << c.cases;
        EXPECT_EQ(range.end, c.end) << c.file_mode << "/" << c.cases;
    }
}

TEST(TideLevelRange, CompletedStateIsOnePassWithoutALevel) {
    InputRecord input = default_input();
    TideLevelRange range = tide_level_range(input, 0);
    EXPECT_EQ(range.first, 0);
    EXPECT_EQ(range.count, 1);
    EXPECT_TRUE(range.names.empty());
}

TEST(TideLevelRange, ConstructionStageTakesTheExaminedLevelsInOrder) {
    InputRecord input = default_input();
    input.wavsw.examine = yes_no_codes({1, 2, 1, 2, 1});
    TideLevelRange range = tide_level_range(input, 1);
    EXPECT_EQ(range.count, 2);
    EXPECT_EQ(range.names, (std::vector<std::string>{"H.H.W.L.", "L.W.L."}));
    EXPECT_EQ(range.levels, (std::vector<int>{0, 2}));

    // The user-named level keeps its whole name, however long.
    input.wavsw.examine = yes_no_codes({2, 2, 2, 1, 1});
    input.wavsw.user_tide_name =
        "\x8f\x6f\x8d\x60\x8e\x9e\x82\xcc\x90\x85\x88\xca\x81\x69\x8d\xc5\x8d\x82\x81\x6a"; // 20
                                                                                            // bytes
    range = tide_level_range(input, 2);
    EXPECT_EQ(range.count, 1);
    EXPECT_EQ(range.names.at(0), input.wavsw.user_tide_name);
    EXPECT_EQ(range.levels.at(0), 3);

    input.wavsw.examine = yes_no_codes({2, 2, 2, 2, 1});
    EXPECT_EQ(tide_level_range(input, 1).count, 0);
}

TEST(TideLevelRange, SwitchOutsideOneAndTwoStopsTheConstructionStage) {
    for (int value : {0, 3, -1}) {
        InputRecord input = default_input();
        input.wavsw.examine = yes_no_codes({1, 2, value, 1, 1});
        EXPECT_EQ(tide_level_range(input, 0).count, 1); // the completed state has no levels
        testing::internal::CaptureStderr();
        EXPECT_THROW(tide_level_range(input, 1), ProgramStop) << value;
        EXPECT_NE(testing::internal::GetCapturedStderr().find("L.W.L."), std::string::npos);
    }
}

TEST(NormaliseStabilityInputs, JointEfficiencyFlag) {
    struct Case {
        double f1, f2, f3;
        int flag;
    } cases[] = {
        {1.0, 1.0, 1.0, 0}, {1.0, 1.0, 0.9995, 0}, {1.0, 1.0005, 1.0, 0},
        {0.8, 1.0, 1.0, 1}, {1.0, 1.0, 1.2, 1},    {1.0, 0.998, 1.0, 1},
    };
    for (const Case& c : cases) {
        InputRecord input = default_input();
        input.tugit = {c.f1, c.f2, c.f3};
        StabilityResults results;
        results.joint_efficiency_flag = 1 - c.flag;
        normalise_stability_inputs(input, results);
        EXPECT_EQ(results.joint_efficiency_flag, c.flag) << c.f1 << " " << c.f2 << " " << c.f3;
    }
}

TEST(NormaliseStabilityInputs, ClearsWhatTheSwitchesMakeMeaningless) {
    struct Case {
        int shape, cases;
        double angle, normal, seismic;
    } cases[] = {
        {1, 3, 15.0, 10.0, 5.0}, // straight ground, both cases: all kept
        {2, 3, 0.0, 10.0, 5.0},  // embankment: no ground-surface angle
        {1, 1, 15.0, 10.0, 0.0}, // normal case only: no seismic surcharge
        {1, 2, 15.0, 0.0, 5.0},  // seismic case only: no normal surcharge
    };
    for (const Case& c : cases) {
        InputRecord input = default_input();
        input.swdat.ground_shape = from_file_value<GroundShape>(c.shape);
        input.swdat.completed_cases = from_file_value<CompletedCases>(c.cases);
        input.joken.ground_angle = 15.0;
        input.joken.surcharge_normal = 10.0;
        input.joken.surcharge_seismic = 5.0;
        StabilityResults results;
        normalise_stability_inputs(input, results);
        EXPECT_EQ(input.joken.ground_angle, c.angle);
        EXPECT_EQ(input.joken.surcharge_normal, c.normal);
        EXPECT_EQ(input.joken.surcharge_seismic, c.seismic);
    }
}

} // namespace
} // namespace wtn
