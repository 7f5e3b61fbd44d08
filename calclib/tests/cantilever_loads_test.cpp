// The list of the loads that bend the free length: which rows each study
// and case carries, in which order, and the heights the deflection takes.
#include "cantilever_loads.h"
#include "wall_codes.h"

#include <gtest/gtest.h>

#include <string>

namespace wtn {
namespace {

// One input force per case, dynamic water considered under the rule that
// gives the seismic case its dynamic-water lines (L.W.L. above the seabed).
InputRecord input_with_forces() {
    InputRecord in;
    in.forces_normal[0] = {"係船柱", 10.0, 2.5};
    in.force_normal_count = 1;
    in.forces_seismic[0] = {"係船柱", 5.0, 2.5};
    in.forces_seismic[1] = {"防舷材", 7.0, 1.0};
    in.force_seismic_count = 2;
    in.neire.apparent_rule = ApparentSeismicRule::AraiYokoi;
    in.nir_t.dynamic_water = YesNo::Yes;
    in.joken.lwl = 0.0;
    in.joken.design_seabed = -6.0;
    in.static_water = StaticWater::On;
    return in;
}

// Virtual seabed -7.5 (normal) and -8.0 (seismic); two force lines, two
// dynamic-water lines and a still-water line.
ForceCase force_case() {
    ForceCase fc;
    fc.base[kNormalCase].level = -7.5;
    fc.base[kSeismicCase].level = -8.0;
    fc.force_count = 2;
    fc.forces[0] = {8.0, 1.5};
    fc.forces[1] = {3.0, 4.25};
    fc.dynamic_count = 2;
    fc.dynamic_water[0] = {7.0, 0.4};
    fc.dynamic_water[1] = {6.5, 0.8};
    fc.still_water = {2.0, 9.0};
    return fc;
}

std::string kinds_of(const std::vector<CantileverLoad>& loads) {
    std::string text;
    for (const CantileverLoad& l : loads) {
        const char letters[] = {'T', 'W', 'S', 'H'};
        text += letters[static_cast<int>(l.kind)];
        text += std::to_string(l.number);
    }
    return text;
}

TEST(CantileverLoads, RowsAndOrderByStudyAndCase) {
    struct Case {
        const char* what;
        int study_mode;
        int case_index;
        const char* rows;
    } cases[] = {
        {"completed state, normal: input forces, then force lines", 0, 0, "T1H1H2"},
        {"completed state, seismic with dynamic water", 0, 1, "T1T2W1W2H1H2"},
        {"construction stage with still water: no input forces", 1, 0, "S1H1H2"},
        // The stage that names no stage is built as the completed state, and
        // its force file has no dynamic-water lines to add.
        {"construction stage of both cases, seismic", 2, 1, "T1T2H1H2"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(kinds_of(cantilever_loads(input_with_forces(), force_case(), c.study_mode,
                                            c.case_index)),
                  c.rows)
            << c.what;
    }
    InputRecord no_still_water = input_with_forces();
    no_still_water.static_water = StaticWater::Off;
    EXPECT_EQ(kinds_of(cantilever_loads(no_still_water, force_case(), 1, 0)), "H1H2");
}

TEST(CantileverLoads, InputForcesPrintTheirElevationAndBendFromTheVirtualSeabed) {
    const auto loads = cantilever_loads(input_with_forces(), force_case(), 0, 1);
    ASSERT_EQ(loads.size(), 6u);
    // Elevation 1.0 over the seismic virtual seabed -8.0: 9.0 m of lever.
    EXPECT_DOUBLE_EQ(loads[1].force, 7.0);
    EXPECT_DOUBLE_EQ(loads[1].printed, 1.0);
    EXPECT_DOUBLE_EQ(loads[1].height, 9.0);
    // The file's lines are heights already.
    EXPECT_DOUBLE_EQ(loads[3].printed, 6.5);
    EXPECT_DOUBLE_EQ(loads[3].height, 6.5);
    EXPECT_DOUBLE_EQ(loads[5].force, 4.25);
    EXPECT_DOUBLE_EQ(loads[5].height, 3.0);
}

} // namespace
} // namespace wtn
