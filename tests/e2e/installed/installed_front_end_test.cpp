// The installed customisation file as the front end reads and rewrites it.
#include "program_folder.h"

#include "cp932_codec.h"
#include "custom_file.h"
#include "text_lines.h"

#include <gtest/gtest.h>

namespace wtn {
namespace {

TEST(InstalledFrontEndData, CustomisationFileReadsAndWritesBackUnchanged) {
    test::ProgramFolder folder;
    const CustomisationValues table = read_custom_file(folder.path());
    EXPECT_DOUBLE_EQ(table.wall_friction_angle, 15.0);
    std::vector<std::string> lines;
    ASSERT_TRUE(read_lines(folder.file("TVNCSTM.DAT"), lines));
    for (std::string& line : lines)
        line = cp932_to_utf8(line);
    EXPECT_EQ(custom_file_lines(table), lines);
}

} // namespace
} // namespace wtn
