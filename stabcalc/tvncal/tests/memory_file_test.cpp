// The candidates' work files kept in memory: what reaches the disk is the
// last candidate's bytes alone, written over whatever the folder held.
#include "memory_file.h"

#include "current_folder.h"
#include "program_folder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace wtn {
namespace {

TEST(MemoryFile, SavesOnlyWhatWasWrittenSinceTheLastClear) {
    test::ProgramFolder folder(false);
    test::CurrentFolder here(folder);
    folder.write("NEIRE.PRN", std::string(9000, 'E'));
    set_aside("NEIRE.PRN");
    EXPECT_FALSE(folder.exists("NEIRE.PRN"));
    MemoryFile file;
    // A longer first candidate, then a shorter one.
    for (int i = 0; i < 1000; ++i)
        std::fputs("CANDIDATE 1 ", file.stream());
    file.clear();
    std::fputs("CANDIDATE 2", file.stream());
    ASSERT_TRUE(file.save_as("NEIRE.PRN"));
    EXPECT_EQ(folder.read("NEIRE.PRN"), "CANDIDATE 2");
    EXPECT_FALSE(folder.exists(temporary_name_of("NEIRE.PRN")));
    // Cleared and saved with nothing written: an empty file.
    file.clear();
    set_aside("NEIRE.PRN");
    ASSERT_TRUE(file.save_as("NEIRE.PRN"));
    EXPECT_EQ(folder.read("NEIRE.PRN"), "");
}

} // namespace
} // namespace wtn
