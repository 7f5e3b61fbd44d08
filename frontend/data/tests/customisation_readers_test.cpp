// The customisation file as the front end and the batch programs read it:
// a line means the same value to the dialog and to the calculation, and a
// line one side refuses the other refuses too.
#include "current_folder.h"
#include "custom_file.h"
#include "customisation.h"
#include "number_text.h"
#include "program_folder.h"
#include "same_customisation.h"
#include "stop_capture.h"
#include "text_file.h"

#include <gtest/gtest.h>

namespace wtn {
namespace {

using test::CurrentFolder;
using test::ProgramFolder;

std::vector<std::string> sample_lines() {
    CustomisationValues v;
    v.wall_friction_angle = 15.0;
    v.clay_failure_angle_normal = 45.0;
    v.clay_failure_angle_seismic = 40.0;
    v.ground_dummy_length = 100.0;
    v.pile_tip_condition = from_file_value<PileTipCondition>(2);
    v.division_pitch = 0.5;
    v.chang_embedment_numerator = 3.0;
    v.qu_denominator = 80.0;
    return custom_file_lines(v);
}

TEST(CustomisationReaders, ABlankLineIsZeroOnBothSidesAndShiftsNothing) {
    ProgramFolder folder(false);
    std::vector<std::string> lines = sample_lines();
    lines[1] = "";   // ψ
    lines[8] = "  "; // ground dummy length
    write_text_file(folder.file(kCustomisationFileName), lines);
    const CustomisationValues front = read_custom_file(folder.path());
    CurrentFolder here(folder);
    const CustomisationValues batch = read_customisation();
    test::expect_same_customisation(batch, front);
    EXPECT_EQ(front.ground_dummy_length, 0.0);
    EXPECT_EQ(front.consolidation_factor, 0.0);
    EXPECT_EQ(to_file_value(front.pile_tip_condition), 2);
    EXPECT_EQ(front.division_pitch, 0.5);
}

TEST(CustomisationReaders, ALineOfMoreThanOneNumberIsRefusedByBoth) {
    const std::vector<std::pair<std::size_t, std::string>> cases = {
        {3, "45,40"}, // would shift every later line in a field-by-field reading
        {11, "2 (pinned)"},
        {12, "0.5m"},
        {13, "40000"}, // beyond a 16-bit switch
    };
    for (const auto& [line, text] : cases) {
        SCOPED_TRACE(text);
        ProgramFolder folder(false);
        std::vector<std::string> lines = sample_lines();
        lines[line - 1] = text;
        write_text_file(folder.file(kCustomisationFileName), lines);
        try {
            read_custom_file(folder.path());
            ADD_FAILURE() << "the front end read the file";
        } catch (const DataError& e) {
            EXPECT_NE(std::string(e.what()).find("の" + std::to_string(line) + "行目: "),
                      std::string::npos)
                << e.what();
        }
        CurrentFolder here(folder);
        EXPECT_EQ(test::stop_text([] { read_customisation(); }),
                  "error: (ERROR)-カスタマイズ用ファイル(TVNCSTM.DAT)の" + std::to_string(line) +
                      "行目の数値が読めません.");
    }
}

} // namespace
} // namespace wtn
