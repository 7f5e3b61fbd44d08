// The result tables of the results dialog, written and read by the one line
// list of the shared record.
#include "result_table_file.h"

#include <gtest/gtest.h>

namespace wtn {
namespace {

TEST(ResultTableFile, WrittenLinesReadBackIntoTheSameCells) {
    LevelResultTable table;
    // Value d of column c is 10 c + d + 0.5; column 3 left absent except D5.
    for (std::size_t c = 0; c < 3; ++c)
        for (std::size_t d = 0; d < kResultValues; ++d)
            table.columns[c].value[d] =
                10.0 * static_cast<double>(c) + static_cast<double>(d) + 0.5;
    table.columns[3].value[kD5] = -12.345;
    table.columns[0].flag[kF1] = 0;
    table.columns[1].flag[kF6] = 1;

    const std::vector<std::string> lines = level_result_table_lines(table);
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(kResultTableLines));
    // The tip elevation D5 comes last of the values, after D6 and D7.
    EXPECT_EQ(lines[4], "5.500000,15.500000,25.500000,-99999.900000");
    EXPECT_EQ(lines[6], "4.500000,14.500000,24.500000,-12.345000");
    EXPECT_EQ(lines[7], "0,-1,-1,-1");
    EXPECT_EQ(lines[12], "-1,1,-1,-1");

    const LevelResultTable back = level_result_table_from_lines(lines);
    for (std::size_t c = 0; c < kResultColumns; ++c) {
        EXPECT_EQ(back.columns[c].value, table.columns[c].value) << "column " << c;
        EXPECT_EQ(back.columns[c].flag, table.columns[c].flag) << "column " << c;
    }
    EXPECT_EQ(result_value(back.columns[3], kD1), std::nullopt);
    EXPECT_EQ(result_value(back.columns[3], kD5), -12.345);
    EXPECT_EQ(result_verdict(back.columns[0], kF1), Verdict::passed);
    EXPECT_EQ(result_verdict(back.columns[1], kF6), Verdict::failed);
    EXPECT_EQ(result_verdict(back.columns[2], kF1), Verdict::absent);
}

TEST(ResultTableFile, PileLineWrittenAndReadBack) {
    const std::string text = pile_result_line_text("STAGE", "SP-III", -21.5, 24.0);
    EXPECT_EQ(text, "\"STAGE\",\"SP-III\", -21.500,  24.000");
    const PileResultLine line = pile_result_line_from_text(text);
    EXPECT_EQ(line.stage, "STAGE");
    EXPECT_EQ(line.pile_name, "SP-III");
    EXPECT_EQ(line.embedment_depth, -21.5);
    EXPECT_EQ(line.pile_length, 24.0);
    EXPECT_EQ(pile_result_line_from_text("\"STAGE\",\"X\",abc").embedment_depth, std::nullopt);
}

} // namespace
} // namespace wtn
