#include "page_file.h"
#include "program_stop.h"
#include "user_text.h"

#include "current_folder.h"
#include "fixed_run_stamp.h"
#include "program_folder.h"

#include <gtest/gtest.h>

namespace wtn {
namespace {

RunInfo stamped_run() {
    return test::stamped_run("QUAY-A");
}

TEST(PageHeader, RunStampRightAlignedInFourColumnsThenEightBlanks) {
    EXPECT_EQ(page_header_line(stamped_run()), "   7   2   3   9   5   7        QUAY-A");
}

TEST(PageFile, WritesTitleHeaderBlocksValuesAndDirectivesWithCrLf) {
    test::ProgramFolder folder(false);
    test::CurrentFolder here(folder);
    PageFile page("JD102DAT.PDT", "完成時-常    時:土圧及び残留水圧", stamped_run());
    page.block(BlockStart::new_page, "GAI_TITL.PFM");
    page.value(99, "2.常時の検討");
    page.value(98, "");
    page.block(BlockStart::same_page, "JKJU_TZ1.PFM", "JKJU_TZ1.PZK");
    page.drawing_block(BlockStart::new_page, "JOKEN_Z0.PZK");
    page.reserve(10);
    page.table_begin();
    page.heading("ARAYOKOH.PFM");
    page.footing("ARAYOKOF.PFM");
    page.clear_heading_and_footing();
    page.table_end();
    page.close();
    EXPECT_EQ(folder.read("JD102DAT.PDT"), "完成時-常    時:土圧及び残留水圧\r\n"
                                           "   7   2   3   9   5   7        QUAY-A\r\n"
                                           "$1  GAI_TITL.PFM\r\n"
                                           "99  2.常時の検討\r\n"
                                           "98\r\n"
                                           "$0  JKJU_TZ1.PFM    JKJU_TZ1.PZK\r\n"
                                           "$1                  JOKEN_Z0.PZK\r\n"
                                           "$R  10\r\n"
                                           "$T\r\n"
                                           "$H  ARAYOKOH.PFM\r\n"
                                           "$F  ARAYOKOF.PFM\r\n"
                                           "$H\r\n"
                                           "$F\r\n"
                                           "$L\r\n");
}

TEST(PageFile, UncreatableFileStopsTheProgram) {
    test::ProgramFolder folder(false);
    test::CurrentFolder here(folder);
    EXPECT_THROW(PageFile("NO_SUCH_DIR/AUDSHEET.PDT", "title", stamped_run()), ProgramStop);
}

#ifndef NDEBUG
TEST(PageFile, TestBuildsRefuseTemplatesAndCodesOutsideTheProgramsTable) {
    static constexpr TemplateUse kUses[] = {{"SAMPLE_A.PFM", "00 01 99"}};
    const TemplateTable table(kUses);
    test::ProgramFolder folder(false);
    test::CurrentFolder here(folder);
    PageFile page("X.PDT", "title", stamped_run(), &table);
    page.block(BlockStart::same_page, "SAMPLE_A.PFM");
    page.value(1, "ok");
    EXPECT_THROW(page.value(2, "not declared"), ProgramStop);
    EXPECT_THROW(page.block(BlockStart::same_page, "SAMPLE_B.PFM"), ProgramStop);
}
#endif

TEST(UserText, MarkupCharactersAreDoubledAndColumnsStay) {
    struct Case {
        std::string text;
        int width;
        std::string expected;
    };
    const Case cases[] = {
        {"H.W.L.", 8, "H.W.L.  "},
        {"$U3$Z", 8, "$$U3$$Z   "}, // five typed bytes, three blanks, two added
        {"a\\Db", 6, "a\\\\Db  "},
        {"表", 4, "表  "}, // 0x95 0x5C: the trail byte is no backslash
        {"abcdefghij", 4, "abcdefghij"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(user_field(c.text, c.width), c.expected) << c.text;
}

} // namespace
} // namespace wtn
