// A test's program folder holds the installed data and nothing else of the
// build's program folder.
#include "program_folder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <unistd.h>

namespace wtn::test {
namespace {

TEST(ProgramFolder, HoldsTheInstalledDataButNoWorkFileLeftInTheBuildFolder) {
    // A work file that a program run by hand in the build's program folder
    // would leave there.
    const std::string stray = "LEFTOVER_" + std::to_string(getpid()) + ".PRN";
    const std::string stray_path = std::string(WTN_PROGRAM_DIR) + "/" + stray;
    { std::ofstream(stray_path, std::ios::binary) << "stale"; }

    ProgramFolder folder;
    EXPECT_FALSE(folder.exists(stray));
    std::remove(stray_path.c_str());

    for (const char* name :
         {"TVNCSTM.DAT", "TVNDATA.DEF", "YAITA.D01", "CGATA.MST", "PRG_SW.DAT"}) {
        EXPECT_TRUE(folder.exists(name)) << name;
    }
    EXPECT_FALSE(folder.exists("README.md"));
    EXPECT_FALSE(folder.exists("TVNDAT")); // executables stay in the build folder
}

} // namespace
} // namespace wtn::test
