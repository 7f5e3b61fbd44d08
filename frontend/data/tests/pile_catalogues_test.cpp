// The front end's reading of the sheet-pile catalogues and its writer of the
// user's own catalogues, against the batch programs' catalogue reader.
#include "cp932_codec.h"
#include "current_folder.h"
#include "input_record.h"
#include "number_text.h"
#include "pile_catalogue.h"
#include "pile_catalogues.h"
#include "program_folder.h"
#include "stop_capture.h"
#include "text_file.h"
#include "whole_catalogues.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace wtn {
namespace {

using test::CurrentFolder;
using test::ProgramFolder;

std::string cp932(const std::string& utf8) {
    return utf8_to_cp932(utf8);
}

// The table's entries against the batch reader's rows, in order.
void expect_same_piles(const std::array<YaitaRec, kCatalogueRoom>& table, int first,
                       const PileTable& rows, int added) {
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const YaitaRec& rec = table[first + static_cast<int>(k)];
        SCOPED_TRACE(rows[k].id);
        EXPECT_EQ(rec.id, rows[k].id);
        EXPECT_EQ(rec.added, added);
        EXPECT_EQ(rec.name, fixed_text(cp932_to_utf8(rows[k].name), kPileNameLength));
        EXPECT_DOUBLE_EQ(rec.inertia, rows[k].inertia);
        EXPECT_DOUBLE_EQ(rec.modulus, rows[k].modulus);
        EXPECT_DOUBLE_EQ(rec.moment, rows[k].moment);
    }
}

TEST(PileCatalogues, InstalledTablesMatchTheBatchReader) {
    ProgramFolder folder;
    DesignData d;
    EXPECT_TRUE(read_pile_catalogues(d, folder.path()).empty());
    EXPECT_EQ(d.yaita_cnt, 16);
    EXPECT_EQ(d.pcyaita_cnt, 12);
    EXPECT_EQ(d.yaita_next, 1);
    EXPECT_EQ(d.pcyaita_next, 1);
    CurrentFolder current(folder);
    InputRecord input;
    expect_same_piles(d.yaita_tbl, 0, read_all_steel_piles(input), 0);
    expect_same_piles(d.pcyaita_tbl, 0, read_all_pc_piles(input), 0);
    // Every slot after the entries is empty.
    EXPECT_EQ(d.yaita_tbl[16].id, 0);
    EXPECT_EQ(d.yaita_tbl[kCatalogueEntryLimit].name, std::string(kPileNameLength, ' '));
}

TEST(PileCatalogues, CommentMarkerAndEmptyLinesAreSkippedAndAllUserRowsRead) {
    ProgramFolder folder;
    for (int i = 2; i <= 4; ++i)
        folder.write("YAITA.D0" + std::to_string(i), "");
    folder.write(
        "YAITA.D01",
        cp932("# comment\r\n\"L\",\"marker\"\r\n\r\n"
              "21,\"SP-II\",874.4,1,2,3,4,5,100,8740.6,448,5.25\r\n"
              "\"W\"\r\n"
              "22,\"とても長い矢板の名前ＡＢＣＤＥＦＧ\",1340,1,2,3,4,5,125,16800,687,6.5"));
    // The count says 3; four rows follow and all are read, fractions kept.
    folder.write("KOUYAITA.APD", cp932("3,9\r\n3,\"自前A\",12345.6,1000,0\r\n5,\"B\",2,1,0\r\n"
                                       "7,\"C\",3,2,0\r\n8,\"D\",4,3,0\r\n"));
    folder.write("YAITA.C02", "");
    folder.write("YAITA.C01", cp932("# pc\r\n51,\"PC-150S\",3750,18.8,1,2,3,4,28125\r\n"
                                    "# not a comment here\r\n375\r\n"
                                    "52,\"PC-200S\",6667,33.3,1,2,3,4,66667\r\n150,500\r\n375"));
    DesignData d;
    EXPECT_TRUE(read_pile_catalogues(d, folder.path()).empty());
    ASSERT_EQ(d.yaita_cnt, 6);
    EXPECT_EQ(d.yaita_tbl[0].modulus, 874.0); // installed steel values are whole
    EXPECT_EQ(d.yaita_tbl[0].inertia, 8741.0);
    EXPECT_EQ(d.yaita_tbl[1].name, "とても長い矢板の名前ＡＢＣＤＥＦ");
    EXPECT_EQ(d.yaita_tbl[2].id, 3);
    EXPECT_EQ(d.yaita_tbl[2].added, 1);
    EXPECT_DOUBLE_EQ(d.yaita_tbl[2].inertia, 12345.6);
    EXPECT_EQ(d.yaita_tbl[5].id, 8);
    EXPECT_EQ(d.yaita_next, 9);
    ASSERT_EQ(d.pcyaita_cnt, 2);
    EXPECT_DOUBLE_EQ(d.pcyaita_tbl[1].moment, 33.3);
    EXPECT_EQ(d.pcyaita_tbl[1].inertia, 66667.0);
}

TEST(PileCatalogues, BadFilesAndLinesAreToldAndTheRestRead) {
    ProgramFolder folder;
    std::filesystem::remove(folder.file("YAITA.D02"));
    folder.write("YAITA.D03", cp932("31,\"Z-1\",1,2,3,4,5,6,7,8,9\r\n"
                                    "32,\"Z-2\",1,2,3,4,5,6,7,8,9,10\r\n"));
    folder.write("PCYAITA.APD", cp932("2,4\r\n1,\"P1\",abc,2,3\r\n2,\"P2\",10,20,30\r\n"));
    DesignData d;
    const auto problems = read_pile_catalogues(d, folder.path());
    ASSERT_EQ(problems.size(), 3u);
    EXPECT_NE(problems[0].find("YAITA.D02"), std::string::npos);
    EXPECT_NE(problems[1].find("YAITA.D03」の1行目"), std::string::npos) << problems[1];
    EXPECT_NE(problems[2].find("PCYAITA.APD」の2行目"), std::string::npos) << problems[2];
    EXPECT_EQ(d.pcyaita_tbl[d.pcyaita_cnt - 1].id, 2);
    EXPECT_EQ(d.pcyaita_next, 4);
    const auto z2 = std::find_if(d.yaita_tbl.begin(), d.yaita_tbl.end(),
                                 [](const YaitaRec& r) { return r.id == 32; });
    EXPECT_NE(z2, d.yaita_tbl.end());
}

TEST(PileCatalogues, MoreThanAHundredPilesKeepTheFirstHundred) {
    ProgramFolder folder;
    std::string lines;
    for (int id = 1; id <= 110; ++id)
        lines += std::to_string(id) + ",\"P\",1,2,3,4,5,6,7,8,9,10\r\n";
    folder.write("YAITA.D01", lines);
    DesignData d;
    const auto problems = read_pile_catalogues(d, folder.path());
    EXPECT_EQ(d.yaita_cnt, kCatalogueEntryLimit);
    EXPECT_EQ(d.yaita_tbl[99].id, 100);
    EXPECT_EQ(d.yaita_tbl[kCatalogueEntryLimit].id, 0);
    ASSERT_EQ(problems.size(), 1u);
}

// A line one side cannot read, the other must not read either: the front
// end leaves it out of its table and says so, the batch programs stop.
TEST(PileCatalogues, ALineEitherSideRefusesIsRefusedByBoth) {
    struct Case {
        const char* name;
        std::string line;
        const char* front_end; // part of the front end's message
        const char* batch;     // the batch programs' stop message
    };
    const std::vector<Case> cases = {
        {"corrosion value with a unit", "21,\"SP\",874,80.9mm,1,1,1,1,100,8740,448,5.25",
         "の1行目: 項目が数値ではありません",
         "(ERROR)-矢板データファイル(YAITA.D01)の矢板(番号 21)の断面性能が読めません(80.9mm)."},
        {"Z with trailing text", "21,\"SP\",874abc,1,1,1,1,1,100,8740,448,5.25",
         "の1行目: 断面係数が数値ではありません",
         "(ERROR)-矢板データファイル(YAITA.D01)の矢板(番号 21)の断面性能が読めません(874abc)."},
        {"a field short", "21,\"SP\",874,1,1,1,1,1,100,8740,448",
         "の1行目: 項目が11個あります（12個のはず）",
         "(ERROR)-矢板データファイル(YAITA.D01)の1行目の項目が 11 個です(12 個のはず)."},
        {"id beyond 16 bits", "40000,\"SP\",874,1,1,1,1,1,100,8740,448,5.25",
         "の1行目: 番号の値が整数の範囲を超えています",
         "(ERROR)-矢板データファイル(YAITA.D01)の1行目の番号が読めません(40000)."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ProgramFolder folder;
        folder.write("YAITA.D01", c.line + "\r\n");
        DesignData d;
        const auto problems = read_pile_catalogues(d, folder.path());
        ASSERT_EQ(problems.size(), 1u);
        EXPECT_NE(problems[0].find(std::string("YAITA.D01」") + c.front_end), std::string::npos)
            << problems[0];
        CurrentFolder current(folder);
        EXPECT_EQ(test::stop_text([] { read_all_steel_piles(InputRecord{}); }),
                  std::string("error: ") + c.batch);
    }
}

// Rows beyond the head line's count, and blank lines among them, are the
// same rows to both sides: a pile the dialog offers is one the calculation
// finds.
TEST(PileCatalogues, UserRowsBeyondTheCountAreReadByBothSides) {
    ProgramFolder folder;
    folder.write("KOUYAITA.APD", "1,3\r\n1,\"A\",10,20,0\r\n\r\n2,\"B\",30,40,0\r\n");
    DesignData d;
    EXPECT_TRUE(read_pile_catalogues(d, folder.path()).empty());
    const int installed = d.yaita_cnt - 2;
    CurrentFolder current(folder);
    InputRecord input;
    input.added_piles.ids[0] = 2;
    input.added_piles.count = 1;
    PileTable all;
    ASSERT_EQ(read_all_added_piles(input, kAddedSteel, all), 2);
    expect_same_piles(d.yaita_tbl, installed, all, 1);
    PileTable selected;
    read_added_piles(input, kAddedSteel, selected);
    ASSERT_EQ(selected.size(), 1u);
    EXPECT_EQ(selected[0].inertia, 30.0);
}

YaitaRec user_row(int id, const std::string& name, double i, double z, double m = 0.0) {
    YaitaRec r;
    r.id = id;
    r.added = 1;
    r.name = fixed_text(name, kPileNameLength);
    r.modulus = z;
    r.inertia = i;
    r.moment = m;
    return r;
}

TEST(UserCatalogueWriter, NewRowsAreNumberedFromTheNextNumberAndTheBatchReaderReadsThemBack) {
    ProgramFolder folder;
    const std::vector<YaitaRec> rows = {user_row(3, "Ａ型", 12345.6, 1000),
                                        user_row(-1, " B ", 2, 1), user_row(-1, "C", 3, 2.5),
                                        user_row(7, "D", 4, 3)};
    write_user_catalogue(folder.file("KOUYAITA.APD"), rows, 9, false);
    EXPECT_EQ(read_text_file(folder.file("KOUYAITA.APD")),
              (std::vector<std::string>{"4,11", "3,\"Ａ型\",12345.6,1000,0", "9,\"B\",2,1,0",
                                        "10,\"C\",3,2.5,0", "7,\"D\",4,3,0"}));
    // A stale next number: new numbers start above the largest kept one.
    write_user_catalogue(folder.file("PCYAITA.APD"),
                         {user_row(12, "P", 1, 2, 12.3456), user_row(-1, "Q", 1, 2, 3)}, 5, true);
    EXPECT_EQ(read_text_file(folder.file("PCYAITA.APD")),
              (std::vector<std::string>{"2,14", "12,\"P\",1,2,12.3456", "13,\"Q\",1,2,3"}));

    CurrentFolder current(folder);
    InputRecord input;
    PileTable steel;
    ASSERT_EQ(read_all_added_piles(input, kAddedSteel, steel), 4);
    EXPECT_EQ(cp932_to_utf8(steel[0].name), "Ａ型");
    EXPECT_DOUBLE_EQ(steel[0].inertia, 12345.6);
    EXPECT_EQ(steel[2].id, 10);
    PileTable pc;
    ASSERT_EQ(read_all_added_piles(input, kAddedPc, pc), 2);
    EXPECT_DOUBLE_EQ(pc[0].moment, 12.3456);
}

TEST(UserCatalogueWriter, RefusesWhatWouldBreakTheFileAndLeavesItUntouched) {
    ProgramFolder folder;
    const std::string path = folder.file("KOUYAITA.APD");
    const std::string before = folder.read("KOUYAITA.APD");
    const std::vector<std::vector<YaitaRec>> refused = {
        {user_row(-1, "SP\"X", 1, 1)},                         // a quote would shift the fields
        {user_row(-1, "矢板🙂", 1, 1)},                    // not in code page 932
        {user_row(32767, "A", 1, 1), user_row(-1, "B", 1, 1)}, // beyond 16-bit numbers
        {user_row(-1, "A", 12345678.25, 1)},                   // wider than the batch programs read
    };
    for (const auto& rows : refused) {
        EXPECT_THROW(write_user_catalogue(path, rows, 1, false), DataError);
        EXPECT_EQ(folder.read("KOUYAITA.APD"), before);
    }
}

} // namespace
} // namespace wtn
