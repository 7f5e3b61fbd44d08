#include "wave_diagram.h"

#include "program_stop.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace wtn {
namespace {

// Goda's diagram of a tide level +2.00: crest +8.345 (0 kN/m2), tide 32.569,
// h' -6.00 at 22.798, h -8.00 at 20.36.
WaveDiagram goda_like() {
    WaveDiagram d;
    d.rows[0] = {0, 8.345, 6.345, 0.0, 32.569};
    d.rows[1] = {0, 2.0, 8.0, 32.569, 22.798};
    d.rows[2] = {0, -6.0, 2.0, 22.798, 20.36};
    d.rows[3] = {0, -8.0, 0.0, 20.36, 20.36};
    d.count = 3;
    d.h_dash_row = 2;
    return d;
}

TEST(InsertWaveLevel, SplitsTheSegmentWithItsLinearPressure) {
    WaveDiagram d = goda_like();
    // (8.345 - 5) / 6.345 x 32.569 = 17.16995 -> 17.170
    EXPECT_EQ(insert_wave_level(d, 5.0), 1);
    ASSERT_EQ(d.count, 4);
    EXPECT_DOUBLE_EQ(d.rows[0].height, 3.345);
    EXPECT_DOUBLE_EQ(d.rows[0].bottom, 17.17);
    EXPECT_DOUBLE_EQ(d.rows[1].level, 5.0);
    EXPECT_DOUBLE_EQ(d.rows[1].height, 3.0);
    EXPECT_DOUBLE_EQ(d.rows[1].top, 17.17);
    EXPECT_DOUBLE_EQ(d.rows[1].bottom, 32.569);
    EXPECT_DOUBLE_EQ(d.rows[2].level, 2.0);
    EXPECT_DOUBLE_EQ(d.rows[4].level, -8.0);
    // The kept h' row follows its row down.
    EXPECT_EQ(d.h_dash_row, 3);
    EXPECT_DOUBLE_EQ(d.rows[d.h_dash_row].level, -6.0);
}

TEST(InsertWaveLevel, ExistingRowsAndLevelsOutsideTheDiagram) {
    struct Case {
        double z;
        int index;
    } cases[] = {
        {2.0009, 1},  // within 0.001 of the tide row: that row, nothing inserted
        {1.9991, 1},  // just below it too
        {-7.9995, 3}, // just above the bottom boundary: that boundary
        {8.345, 0},   // the top row itself
        {8.4, -1},    // above row 0
        {-8.0, -1},   // at the bottom row
        {-9.0, -1},   // below it
    };
    for (const auto& c : cases) {
        WaveDiagram d = goda_like();
        EXPECT_EQ(insert_wave_level(d, c.z), c.index) << c.z;
        EXPECT_EQ(d.count, 3) << c.z;
    }
}

TEST(LocateWaveLevel, TakesTheRowTheInsertionMergedWith) {
    // 0.0005 off the h' row: the insertion merges it with that row, while a
    // search within 0.0001 does not find it; the row index must not be lost,
    // or the loads below h' would be counted.
    WaveDiagram d = goda_like();
    for (double z : {-5.9995, -6.0005}) {
        EXPECT_EQ(find_wave_level(d, z), -1);
        EXPECT_EQ(locate_wave_level(d, z), 2);
    }
    // The bottom boundary is found too.
    EXPECT_EQ(locate_wave_level(d, -8.0), 3);
    EXPECT_EQ(locate_wave_level(d, -9.0), -1);
    EXPECT_EQ(d.count, 3);
}

TEST(FirstLoadedLevel, SkipsRowsWithoutPressureAtTheirTop) {
    // The crest row starts at 0 kN/m2: the tide row is the first loaded one.
    EXPECT_EQ(first_loaded_level(goda_like()), 1);
    WaveDiagram empty;
    EXPECT_EQ(first_loaded_level(empty), -1);
}

TEST(InsertWaveLevel, FullDiagramStopsTheProgram) {
    setenv("WTN_UI_PIPE", "0", 1);
    WaveDiagram d;
    d.count = kWaveRowRoom - 1;
    for (int i = 0; i <= d.count; ++i)
        d.rows[i] = {0, 100.0 - i, 1.0, 1.0, 1.0};
    EXPECT_THROW(insert_wave_level(d, 99.5), ProgramStop);
}

} // namespace
} // namespace wtn
