// Selected sheet piles turned into section rows from small fixture catalogues.
#include "cp932_codec.h"
#include "current_folder.h"
#include "pile_catalogue.h"
#include "program_folder.h"
#include "program_stop.h"
#include "whole_catalogues.h"

#include <gtest/gtest.h>

namespace wtn {
namespace {

using test::CurrentFolder;
using test::ProgramFolder;

// Steel line: id, "name", Z, five corrosion losses, depth, I, smallest Z,
// largest allowance. Pile n gets Z = 100 n and I = 1000 n.
std::string steel_line(int id) {
    const std::string n = std::to_string(id);
    return n + ",\"SP-" + n + "\"," + std::to_string(100 * id) + ",1,2,3,4,5,9," +
           std::to_string(1000 * id) + ",50,3\r\n";
}

// A folder with YAITA.D01 holding piles 1..10 behind a comment and a marker
// line, D02 and D04 empty, D03 holding pile 31, and the two PC catalogues.
void write_catalogues(const ProgramFolder& folder) {
    std::string d01 = "# steel U\r\n\"L\",\"improved\"\r\n";
    for (int id = 1; id <= 10; ++id)
        d01 += steel_line(id);
    folder.write("YAITA.D01", d01);
    folder.write("YAITA.D02", "");
    folder.write("YAITA.D03", steel_line(31));
    folder.write("YAITA.D04", "# wide\r\n");
    // PC line: id, "name", Z, Mc, .., I at item 7; two more lines per pile,
    // the second of which would read as pile 77 were it not passed over.
    folder.write("YAITA.C01",
                 "\"W\",\"salt\"\r\n"
                 "201,\"PC-A\",2000,120.5,0,0,0,0,30000\r\n1,2,3\r\n77,\"X\",1,1,1,1,1,1\r\n");
    folder.write("YAITA.C02", "202,\"PC-B\",2500,150,0,0,0,0,40000\r\n1,2,3\r\n4,5,6\r\n");
    // User catalogue: count, then id, "name", I, Z, Mc.
    folder.write("KOUYAITA.APD", "2\r\n1,\"" + utf8_to_cp932("自前矢板") +
                                     "\",5000,800,0\r\n"
                                     "2,\"OWN-2\",6000,900,0\r\n");
}

InputRecord with_ids(std::vector<int> catalogue, std::vector<int> added = {}) {
    InputRecord input;
    for (int id : catalogue)
        input.catalogue_piles.ids[input.catalogue_piles.count++] = id;
    for (int id : added)
        input.added_piles.ids[input.added_piles.count++] = id;
    return input;
}

std::vector<int> ids_of(const PileTable& table) {
    std::vector<int> ids;
    for (const PileRecord& p : table)
        ids.push_back(p.id);
    return ids;
}

TEST(PileCatalogue, SelectedSteelPilesInListOrderEachMatchedOnItsOwn) {
    ProgramFolder folder(false);
    CurrentFolder here(folder);
    write_catalogues(folder);
    struct Case {
        std::vector<int> selected;
    } cases[] = {{{3, 7}}, {{7, 3}}, {{31, 2}}};
    for (const Case& c : cases) {
        const PileTable table = read_steel_piles(with_ids(c.selected));
        EXPECT_EQ(ids_of(table), c.selected);
    }
    const PileTable table = read_steel_piles(with_ids({3}));
    ASSERT_EQ(table.size(), 1u);
    EXPECT_EQ(table[0].name, "SP-3");
    EXPECT_DOUBLE_EQ(table[0].modulus, 300.0);  // item 1
    EXPECT_DOUBLE_EQ(table[0].inertia, 3000.0); // item 8
    EXPECT_DOUBLE_EQ(table[0].moment, 0.0);
    EXPECT_EQ(table[0].selected, 1);
    EXPECT_EQ(table[0].added, 0);
}

TEST(PileCatalogue, ConcretePilesTakeTheirFirstLineAndPassOverTheOtherTwo) {
    ProgramFolder folder(false);
    CurrentFolder here(folder);
    write_catalogues(folder);
    const PileTable table = read_pc_piles(with_ids({202, 201}));
    ASSERT_EQ(ids_of(table), (std::vector<int>{202, 201}));
    EXPECT_DOUBLE_EQ(table[1].modulus, 2000.0);
    EXPECT_DOUBLE_EQ(table[1].moment, 120.5);
    EXPECT_DOUBLE_EQ(table[1].inertia, 30000.0);

    testing::internal::CaptureStderr();
    EXPECT_THROW(read_pc_piles(with_ids({77})), ProgramStop); // a continuation line, not a pile
    EXPECT_NE(testing::internal::GetCapturedStderr().find("番号 77"), std::string::npos);
}

// A line of blanks in an installed catalogue is no pile: read as one it
// would be a candidate of id 0 without a section.
TEST(PileCatalogue, BlankLinesAreNoPiles) {
    ProgramFolder folder(false);
    CurrentFolder here(folder);
    write_catalogues(folder);
    folder.write("YAITA.D02", "  \r\n\t\r\n" + steel_line(21) + " \r\n");
    EXPECT_EQ(ids_of(read_all_steel_piles(InputRecord{})),
              (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 21, 31}));
}

TEST(PileCatalogue, UserPilesFollowTheCatalogueRows) {
    ProgramFolder folder(false);
    CurrentFolder here(folder);
    write_catalogues(folder);
    const InputRecord input = with_ids({3, 7}, {2});
    PileTable table = read_steel_piles(input);
    read_added_piles(input, kAddedSteel, table);
    ASSERT_EQ(ids_of(table), (std::vector<int>{3, 7, 2}));
    EXPECT_EQ(table[2].added, 1);
    EXPECT_EQ(table[2].selected, 1);
    EXPECT_DOUBLE_EQ(table[2].inertia, 6000.0);
    EXPECT_DOUBLE_EQ(table[2].modulus, 900.0);

    // No user pile selected: the user catalogue is not even opened.
    ProgramFolder bare(false);
    CurrentFolder there(bare);
    PileTable empty;
    read_added_piles(with_ids({}), kAddedPc, empty);
    EXPECT_TRUE(empty.empty());
}

TEST(PileCatalogue, WholeCataloguesMarkTheSelection) {
    ProgramFolder folder(false);
    CurrentFolder here(folder);
    write_catalogues(folder);
    const InputRecord input = with_ids({3, 31}, {1});
    PileTable table = read_all_steel_piles(input);
    ASSERT_EQ(table.size(), 11u);
    EXPECT_EQ(table[2].selected, 1);
    EXPECT_EQ(table[3].selected, 0);
    EXPECT_EQ(table[10].id, 31);
    EXPECT_EQ(table[10].selected, 1);
    EXPECT_EQ(read_all_added_piles(input, kAddedSteel, table), 2);
    ASSERT_EQ(table.size(), 13u);
    EXPECT_EQ(table[11].name, utf8_to_cp932("自前矢板"));
    EXPECT_EQ(table[11].selected, 1);
    EXPECT_EQ(table[12].selected, 0);
    EXPECT_EQ(read_all_added_piles(input, kAddedPc, table), 0); // no PCYAITA.APD: nothing, no stop
    EXPECT_EQ(read_all_pc_piles(input).size(), 2u);
}

TEST(PileCatalogue, StopsNamingWhatIsMissing) {
    struct Case {
        const char* name;
        std::function<void(const ProgramFolder&)> change;
        std::function<void()> read;
        const char* message;
    };
    const std::vector<Case> cases = {
        {"id in no catalogue", [](const ProgramFolder&) {},
         [] {
             read_steel_piles(with_ids({3, 99, 7}));
         },
         "(ERROR)-矢板データファイルに選択された矢板(番号 99)がありません."},
        {"catalogue missing",
         [](const ProgramFolder& f) { std::remove(f.file("YAITA.D03").c_str()); },
         [] { read_steel_piles(with_ids({3})); },
         "矢板データファイル(YAITA.D03)がオープンできません."},
        {"PC catalogue missing",
         [](const ProgramFolder& f) { std::remove(f.file("YAITA.C02").c_str()); },
         [] { read_pc_piles(with_ids({201})); },
         "PC矢板データファイル(YAITA.C02)がオープンできません."},
        {"user catalogue missing",
         [](const ProgramFolder& f) { std::remove(f.file("KOUYAITA.APD").c_str()); },
         [] {
             PileTable t;
             read_added_piles(with_ids({}, {1}), kAddedSteel, t);
         },
         "追加矢板ファイルがオープンできません."},
        {"user id not in the user catalogue", [](const ProgramFolder&) {},
         [] {
             PileTable t;
             read_added_piles(with_ids({}, {1, 5}), kAddedSteel, t);
         },
         "(ERROR)-追加矢板ファイル(KOUYAITA.APD)に選択された矢板(番号 5)がありません."},
        {"user catalogue shorter than its count",
         [](const ProgramFolder& f) { f.write("KOUYAITA.APD", "3\r\n1,\"A\",1,2,3\r\n"); },
         [] {
             PileTable t;
             read_added_piles(with_ids({}, {1}), kAddedSteel, t);
         },
         "(ERROR)-追加矢板ファイル(KOUYAITA.APD)の矢板が 3 件に足りません."},
        {"user catalogue count not a number",
         [](const ProgramFolder& f) { f.write("KOUYAITA.APD", "two\r\n1,\"A\",1,2,3\r\n"); },
         [] {
             PileTable t;
             read_added_piles(with_ids({}, {1}), kAddedSteel, t);
         },
         "(ERROR)-追加矢板ファイル(KOUYAITA.APD)の1行目の件数が読めません(two)."},
        {"user pile whose I is not a number",
         [](const ProgramFolder& f) { f.write("KOUYAITA.APD", "1\r\n1,\"A\",nan,2,3\r\n"); },
         [] {
             PileTable t;
             read_added_piles(with_ids({}, {1}), kAddedSteel, t);
         },
         "(ERROR)-矢板データファイル(KOUYAITA.APD)の矢板(番号 1)の断面性能が読めません(nan)."},
        {"catalogue Z beyond a double",
         [](const ProgramFolder& f) {
             f.write("YAITA.D02", "5,\"B\",1e999,1,2,3,4,5,9,500,50,3\r\n");
         },
         [] { read_steel_piles(with_ids({3})); },
         "(ERROR)-矢板データファイル(YAITA.D02)の矢板(番号 5)の断面性能が読めません(1e999)."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ProgramFolder folder(false);
        CurrentFolder here(folder);
        write_catalogues(folder);
        c.change(folder);
        testing::internal::CaptureStderr();
        EXPECT_THROW(c.read(), ProgramStop);
        EXPECT_EQ(testing::internal::GetCapturedStderr(),
                  std::string("error: ") + c.message + "\n");
    }
}

} // namespace
} // namespace wtn
