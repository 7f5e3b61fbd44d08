// Result files written anew on every run: what a reader finds after a whole
// write, after a writer stopped part way, and on an unusual target.
#include "file_io.h"
#include "work_folder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdio>
#include <string>

namespace wtn {
namespace {

using test::InWorkFolder;

class FileRewrite : public InWorkFolder {};

ino_t inode_of(const std::string& path) {
    struct stat status {};
    EXPECT_EQ(::stat(path.c_str(), &status), 0) << path;
    return status.st_ino;
}

TEST_F(FileRewrite, HoldsExactlyTheNewContentsWhateverWasThereBefore) {
    struct Case {
        const char* old_contents; // nullptr: no file yet
        std::string new_contents;
    };
    const Case cases[] = {
        {nullptr, "NEW\r\n"},
        {"", "NEW\r\n"},
        {"O", "NEW\r\n"},
        {"OLD CONTENTS, LONGER THAN THE NEW ONES\r\n", "NEW\r\n"},
        {"OLD\r\n", "NEW CONTENTS, LONGER THAN THE OLD ONES\r\n"},
        {"OLD CONTENTS\r\n", ""},
        {"OLD\r\n", std::string("A\0B\r\n", 5)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.old_contents == nullptr ? "(none)" : c.old_contents);
        std::remove("RESULT.PDT");
        if (c.old_contents != nullptr) folder_.write("RESULT.PDT", c.old_contents);
        CFile file = open_file("RESULT.PDT", "wt");
        ASSERT_TRUE(file);
        std::fwrite(c.new_contents.data(), 1, c.new_contents.size(), file.get());
        ASSERT_TRUE(close_written(file));
        EXPECT_EQ(folder_.read("RESULT.PDT"), c.new_contents);
    }
}

TEST_F(FileRewrite, KeepsTheFileAndCutsItWhenAStopUnwindsPastTheWriter) {
    folder_.write("KEKKA1.DAT", std::string(4000, 'O'));
    const ino_t before = inode_of("KEKKA1.DAT");
    {
        CFile file = open_file("KEKKA1.DAT", "wb");
        ASSERT_TRUE(file);
        std::fputs("PART", file.get());
        // Leaving the scope without close_written, as a stop unwinding to main does.
    }
    EXPECT_EQ(folder_.read("KEKKA1.DAT"), "PART");
    EXPECT_EQ(inode_of("KEKKA1.DAT"), before);
}

TEST_F(FileRewrite, AWriterKilledPartWayLeavesNoOldDataBehindTheNew) {
    folder_.write("KEKKA2.DAT", std::string(4000, 'O'));
    CFile file = open_file("KEKKA2.DAT", "wb");
    ASSERT_TRUE(file);
    // Before the first write only the kept byte is left of the old contents.
    EXPECT_EQ(folder_.read("KEKKA2.DAT"), "O");
    std::fputs("NEW DATA", file.get());
    std::fflush(file.get());
    // What a reader finds if the program were killed now, before the close.
    EXPECT_EQ(folder_.read("KEKKA2.DAT"), "NEW DATA");
    EXPECT_TRUE(close_written(file));
}

TEST_F(FileRewrite, TargetsThatAreNoRegularFile) {
    // A folder cannot be written: the open fails as fopen's does.
    ASSERT_EQ(::mkdir("FOLDER.PDT", 0755), 0);
    EXPECT_FALSE(open_file("FOLDER.PDT", "wt"));
    // A device is written as it is and never cut.
    CFile device = open_file("/dev/null", "wb");
    ASSERT_TRUE(device);
    std::fputs("TEXT", device.get());
    EXPECT_TRUE(close_written(device));
}

} // namespace
} // namespace wtn
