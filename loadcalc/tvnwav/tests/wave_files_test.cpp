#include "gairyok_wave.h"
#include "wav_data_file.h"
#include "wave_case_range.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>

namespace wtn {
namespace {

struct TempFile {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file{std::tmpfile(), &std::fclose};
    std::string text() {
        std::fflush(file.get());
        std::rewind(file.get());
        std::string out;
        int c = 0;
        while ((c = std::fgetc(file.get())) != EOF)
            out.push_back(static_cast<char>(c));
        std::rewind(file.get());
        return out;
    }
};

// A small Goda block: two segments, one force piece, still water on.
WaveBlock small_goda_block() {
    WaveBlock b;
    b.tide_level = kTideHwl;
    b.case_index = kCaseSeismic;
    b.formula = WaveFormula::Goda;
    b.common = {4.23, 2.35, 2.0, 10.0, 8.0, 8.0, 15.0, 60.0, 10.1};
    b.goda = {11.0, 6.345, 32.569, 20.36, 22.798, 0.737, 0.025, 3.783, 0.025, 0, 0.7};
    b.diagram.rows[0] = {1, 8.345, 6.345, 0.0, 32.569};
    b.diagram.rows[1] = {-1, 2.0, 8.0, 32.569, 32.569};
    b.diagram.rows[2] = {0, -6.0, 0.0, 0.0, 0.0};
    b.diagram.count = 2;
    b.diagram.wall_top_row = 0;
    b.diagram.h_dash_row = 2;
    b.diagram.first_loaded_row = 1;
    b.forces.rows[0] = {0, 10.856, 4.115, 12.115, 32.569, 6.345, 103.325, 1251.782};
    b.forces.count = 1;
    b.still = {kSegmentTriangle, 33.667, -4.667, 3.333, 101.0, 10.0, 505.0, 1683.165};
    b.resultant = {103.325, 1251.782, 608.325, 2934.947, 4.825};
    return b;
}

TEST(WavDataFile, GodaBlockLinesAndFormats) {
    TempFile f;
    write_wav_data_section(f.file.get(), small_goda_block());
    const std::string expected =
        "#  層分割数,水平力数,天端位置NO,海底面位置NO\r\n"
        "2,1,0,2,1\r\n"
        "#  共通項目\r\n"
        "4.230000,2.350000,2.000000,10.000000,8.000000\r\n"
        "8.000000,15.000000,60.000000,10.100000\r\n"
        "#  H.W.L.  地震時\r\n"
        "#  合田式\r\n"
        "11.000000,6.345000,32.569000,20.360000,22.798000\r\n"
        "0.737000,0.025000,3.783000,0.025000,0,0.700000\r\n"
        "#  各層毎の波圧強度  層数+1\r\n"
        "1,8.345000,6.345000,0.000000,32.569000\r\n"
        "-1,2.000000,8.000000,32.569000,32.569000\r\n"
        "0,-6.000000,0.000000,0.000000,0.000000\r\n"
        "#  個々の水平力・モーメント\r\n"
        "0,10.856000,4.115000,12.115000\r\n"
        "32.569000,6.345000,103.325000,1251.782000\r\n"
        "#  静水圧\r\n"
        "33.667000,-4.667000,3.333000,101.000000,10.000000,505.000000,1683.165000\r\n"
        "#  合力・合力の作用位置\r\n"
        "608.325000,2934.947000,4.825000,103.325000,1251.782000\r\n";
    EXPECT_EQ(f.text(), expected);
}

TEST(WavDataFile, KurodaHiroiSectionAndUserLevelLabel) {
    WaveBlock b = small_goda_block();
    b.formula = WaveFormula::KurodaHiroi;
    b.tide_level = kTideUser;
    b.case_index = kCaseNormal;
    b.kuroda_hiroi = {0, 1, 8.0, 17.781, 20.892, 10.642, 0.369};
    TempFile f;
    write_wav_data_section(f.file.get(), b);
    const std::string text = f.text();
    EXPECT_NE(text.find("#  任意潮位面  常時\r\n#  黒田／広井「森平」式\r\n0,1,8.000000\r\n"
                        "17.781000,20.892000,10.642000,0.369000\r\n#  各層毎"),
              std::string::npos);
}

TEST(WavDataFile, BlocksReadBackInTheOrderWritten) {
    WaveBlock goda = small_goda_block();
    WaveBlock second = goda;
    second.case_index = kCaseNormal;
    second.forces.count = 0;
    TempFile f;
    write_wav_data_section(f.file.get(), goda);
    write_wav_data_section(f.file.get(), second);
    f.text();
    LineReader reader(f.file.get());

    WaveBlock back;
    ASSERT_TRUE(read_wave_block(reader, WaveFormula::Goda, back));
    EXPECT_EQ(back.diagram.count, 2);
    EXPECT_EQ(back.diagram.first_loaded_row, 1);
    EXPECT_DOUBLE_EQ(back.common.incidence_angle, 15.0);
    EXPECT_DOUBLE_EQ(back.goda.p3, 22.798);
    EXPECT_EQ(back.goda.alpha2_choice, 0);
    EXPECT_EQ(back.diagram.rows[1].kind, -1);
    EXPECT_DOUBLE_EQ(back.diagram.rows[1].bottom, 32.569);
    ASSERT_EQ(back.forces.count, 1);
    EXPECT_DOUBLE_EQ(back.forces.rows[0].moment, 1251.782);
    EXPECT_DOUBLE_EQ(back.still.moment, 1683.165);
    EXPECT_DOUBLE_EQ(back.resultant.total_force, 608.325);
    EXPECT_DOUBLE_EQ(back.resultant.wave_moment, 1251.782);

    ASSERT_TRUE(read_wave_block(reader, WaveFormula::Goda, back));
    EXPECT_EQ(back.forces.count, 0);
    EXPECT_DOUBLE_EQ(back.resultant.resultant_height, 4.825);
    EXPECT_FALSE(read_wave_block(reader, WaveFormula::Goda, back));
}

TEST(WavDataFile, CountsBeyondTheRoomAreRefused) {
    for (const char* counts : {"15,0,0,0,0", "2,31,0,0,0"}) {
        TempFile f;
        std::fputs("#  層分割数\r\n", f.file.get());
        std::fputs(counts, f.file.get());
        std::fputs("\r\n", f.file.get());
        f.text();
        LineReader reader(f.file.get());
        WaveBlock back;
        EXPECT_FALSE(read_wave_block(reader, WaveFormula::Goda, back)) << counts;
    }
}

// A whole block whose kept row index lies outside its diagram of rows 0..2.
TEST(WavDataFile, RowIndicesOutsideTheDiagramAreRefused) {
    for (int which = 0; which < 3; ++which) {
        WaveBlock b = small_goda_block();
        int* rows[] = {&b.diagram.wall_top_row, &b.diagram.h_dash_row, &b.diagram.first_loaded_row};
        *rows[which] = which == 1 ? -2 : 3;
        TempFile f;
        write_wav_data_section(f.file.get(), b);
        f.text();
        LineReader reader(f.file.get());
        WaveBlock back;
        EXPECT_FALSE(read_wave_block(reader, WaveFormula::Goda, back)) << which;
    }
}

TEST(GairyokWaveSection, LandRowsForcesTotalsSeabedAndStillWater) {
    WaveBlock b = small_goda_block();
    WaveLandRows land;
    land.rows[0] = {999.99, 1002.49, 0.5235987755982988, 1, 0.0, 0, 0.0};
    land.rows[1] = {-2.5, 7.5, 0.0, 2, 4.68, 1, 7020.0};
    land.rows[2] = {-10.0};
    land.count = 3;
    land.seabed_index = 1;
    TempFile f;
    write_gairyok_wave_section(f.file.get(), b, land, -2.5, true);
    const std::string expected = "#  H.W.L.  地震時\r\n"
                                 "1,3,1\r\n"
                                 "999.990000,1002.490000,0.523599,1\r\n"
                                 "0.000000,0,0.000000\r\n"
                                 "-2.500000,7.500000,0.000000,2\r\n"
                                 "4.680000,1,7020.000000\r\n"
                                 "-10.000000,0.000000,0.000000,0\r\n"
                                 "0.000000,0,0.000000\r\n"
                                 "12.115000,103.325000\r\n"
                                 "608.325000,2934.947000,4.825000\r\n"
                                 "-2.500000,0.000000\r\n"
                                 "3.333000,505.000000\r\n";
    EXPECT_EQ(f.text(), expected);

    TempFile off;
    b.tide_level = kTideUser;
    write_gairyok_wave_section(off.file.get(), b, land, -2.5, false);
    const std::string text = off.text();
    EXPECT_EQ(text.rfind("#  任意潮位  地震時\r\n", 0), 0u);
    EXPECT_TRUE(text.ends_with("608.325000,2934.947000,4.825000\r\n-2.500000,0.000000\r\n"));
}

TEST(WaveCaseRange, SystemSwitchAndCompletedCases) {
    struct Case {
        int system_switch, cases, first, end, mode;
    } cases[] = {
        {0, 3, 0, 1, 1},                  // switch 0: normal case only, mode 1
        {1, 1, 0, 1, 2}, {1, 2, 1, 2, 2}, // seismic only
        {1, 3, 0, 2, 2},                  // both
        {1, 0, 0, 2, 2},                  // any other value: both
    };
    for (const auto& c : cases) {
        const CaseRange r =
            wave_case_range(c.system_switch, from_file_value<CompletedCases>(c.cases));
        EXPECT_EQ(r.first, c.first) << c.system_switch << "," << c.cases;
        EXPECT_EQ(r.end, c.end) << c.system_switch << "," << c.cases;
        EXPECT_EQ(wave_gairyok_mode(c.system_switch), c.mode);
    }
}

} // namespace
} // namespace wtn
