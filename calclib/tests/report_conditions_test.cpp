#include "file_io.h"
#include "program_stop.h"
#include "report_conditions.h"
#include "work_folder.h"

#include <gtest/gtest.h>

namespace wtn {
namespace {

using ReportConditionsFile = test::InWorkFolder;

StabilityResults decided_user_pile_without_corrosion() {
    StabilityResults r;
    r.design_values.allowable_stress = {180.0, 270.0};
    r.design_values.allowable_displacement = {5.0, 7.5};
    r.design_values.n_value_flag = 1;
    r.design_values.n_value = 8.0;
    r.design_values.n_value_increase = 0.5;
    r.design_values.lateral_constant = 1234.5;
    r.corrosion.case_flag = kNoCorrosion;
    r.corrosion.t1_sea = 1.5;
    r.corrosion.t2_mud = 0.25;
    r.decided.added = 1;
    return r;
}

TEST_F(ReportConditionsFile, CompletedStateHasFourLinesWithTheCorrosionCaseFirst) {
    write_sjoken(report_conditions_from(decided_user_pile_without_corrosion(), 0, ForceCase{}));
    EXPECT_EQ(folder_.read(kReportConditionsFile), "180.000000,270.000000,5.000000,7.500000\r\n"
                                                   "1,8.000000,0.500000,1234.500000\r\n"
                                                   "-1,1\r\n"
                                                   "1.500000,0.000000,0.000000,0.250000\r\n");
    ReportConditions read = read_sjoken(false);
    EXPECT_EQ(read.allowable_stress[1], 270.0);
    EXPECT_EQ(read.allowable_displacement[1], 7.5);
    EXPECT_EQ(read.n_value_flag, 1);
    EXPECT_EQ(read.lateral_constant, 1234.5);
    EXPECT_EQ(read.corrosion_case, -1);
    EXPECT_EQ(read.user_pile, 1);
    EXPECT_EQ(read.corrosion_allowances[3], 0.25);
    EXPECT_FALSE(read.has_layers);
}

TEST_F(ReportConditionsFile, LongLinesAreWrittenWholeAndReadBackUnchanged) {
    // "%f" of 1e250 alone is 258 characters: the line must not be cut, or the
    // reader would take a number hundreds of orders of magnitude smaller.
    StabilityResults r = decided_user_pile_without_corrosion();
    r.design_values.lateral_constant = 1e250;
    write_sjoken(report_conditions_from(r, 0, ForceCase{}));
    EXPECT_EQ(read_sjoken(false).lateral_constant, 1e250);
}

TEST_F(ReportConditionsFile, ConstructionStageCarriesTheLayerRows) {
    // The force case read last: start row 1 of two layer rows (a third slot
    // left from an earlier, longer case must not be written).
    ForceCase force_case;
    force_case.start_index = 1;
    force_case.layer_count = 2;
    force_case.layers[0] = {2.0, 3.5, 30.0, 1, 0.0, 0, 15000.0};
    force_case.layers[1] = {-1.5, 8.25, 0.0, 4, 6.5, 1, 3200.0};
    force_case.layers[2] = {-9.75, 1.0, 0.0, 2, 1.0, 0, 1.0};
    write_sjoken(report_conditions_from(decided_user_pile_without_corrosion(), 1, force_case));
    std::string text = folder_.read(kReportConditionsFile);
    EXPECT_NE(text.find("\r\n1,2\r\n2.000000,3.500000,30.000000,1\r\n0.000000,0,15000.000000\r\n"
                        "-1.500000,8.250000,0.000000,4\r\n6.500000,1,3200.000000\r\n"),
              std::string::npos);
    ReportConditions read = read_sjoken(true);
    ASSERT_TRUE(read.has_layers);
    EXPECT_EQ(read.layer_start, 1);
    ASSERT_EQ(read.layers.size(), 2u);
    EXPECT_EQ(read.layers[1].level, -1.5);
    EXPECT_EQ(read.layers[1].resistance_option, 4);
    EXPECT_EQ(read.layers[1].n_from_cohesion, 1);
    EXPECT_EQ(read.layers[1].kh, 3200.0);
    // The earth-pressure report reads only the first four lines of the same file.
    EXPECT_EQ(read_sjoken(false).corrosion_case, -1);
}

TEST_F(ReportConditionsFile, IncompleteFilesStopTheReader) {
    const std::string four = "180,270,5,7.5\r\n1,8,0.5,1234.5\r\n-1,1\r\n1.5,0,0,0.25\r\n";
    struct Case {
        const char* what;
        std::string text;
        bool with_layers;
    } cases[] = {
        {"third line lost", "180,270,5,7.5\r\n1,8,0.5,1234.5\r\n", false},
        {"short first line", "180,270\r\n1,8,0.5,1234.5\r\n-1,1\r\n1.5,0,0,0.25\r\n", false},
        {"not a number", "180,nan,5,7.5\r\n1,8,0.5,1234.5\r\n-1,1\r\n1.5,0,0,0.25\r\n", false},
        {"layer lines asked for but absent", four, true},
        {"more layer rows than the room", four + "0,26\r\n", true},
        {"layer row lost", four + "0,2\r\n2,3.5,30,1\r\n0,0,15000\r\n", true},
    };
    for (const Case& c : cases) {
        folder_.write(kReportConditionsFile, c.text);
        EXPECT_THROW(read_sjoken(c.with_layers), ProgramStop) << c.what;
    }
    std::remove(kReportConditionsFile);
    EXPECT_THROW(read_sjoken(false), ProgramStop);
}

} // namespace
} // namespace wtn
