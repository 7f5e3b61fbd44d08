// TVNPRN's transfer-matrix chapters after TVNDAT (or TVNWAV) and TVNCAL, and
// the displacement pages every method shares: the printed values against
// the ones the stability calculation stored in its work files.
#include "child_process.h"
#include "current_folder.h"
#include "file_io.h"
#include "program_folder.h"
#include "stability_chain.h"
#include "text_search.h"
#include "viewer_check.h"
#include "wall_section.h"
#include "work_files.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace wtn {
namespace {

using test::chain;
using test::ChildResult;
using test::completed_state_chain;
using test::fmt;
using test::ProgramFolder;
using test::sand_by_n_value;

using test::contains;
using test::count_of;

// What TVNCAL stored for one tide level and its cases, read back with the
// library's readers.
struct Stored {
    StabilityResults level;       // NEIRE_TL.PRN record of the level
    std::vector<CaseAreas> cases; // NEIRE.PRN records of the level's cases
};

std::vector<Stored> stored_levels(const ProgramFolder& folder, int levels, int cases,
                                  EmbedmentMethod method) {
    test::CurrentFolder here(folder);
    CFile tl = open_file(kNeireTlFile, "rb");
    CFile neire = open_file(kNeireFile, "rb");
    std::vector<Stored> out(static_cast<std::size_t>(levels));
    for (Stored& s : out) {
        read_neire_tl(tl.get(), s.level);
        for (int c = 0; c < cases; ++c) {
            s.cases.emplace_back();
            read_neire_case(neire.get(), s.cases.back(), method, CaseAreaSizes{60, 400});
        }
    }
    return out;
}

// The head-displacement values of a corrosion slot as printed by the
// pages of the multi-layer and curve methods, from the stored block.
void expect_displacement_slot(const std::string& page, const LevelDisplacementBlock& d,
                              std::size_t c, std::size_t slot, const char* label) {
    // Without corrosion the block carries no label line.
    const std::string start = std::string("$0  Y_HENI41.PFM\r\n") + (*label ? "99  " : "") + label;
    const auto at = page.find(start);
    ASSERT_NE(at, std::string::npos) << label;
    const std::string block = page.substr(at, page.find("13  ", at) - at);
    EXPECT_TRUE(contains(block, "00  " + fmt("%6.3lf", d.seabed_deflection[c][slot]) + "\r\n"))
        << block;
    EXPECT_TRUE(contains(block, "03  " + fmt("%6.3lf", d.rotation_term[c][slot]) + "\r\n"))
        << block;
    EXPECT_TRUE(contains(block, "04  " + fmt("%8.3lf", d.load_sum[c]) + "\r\n")) << block;
    EXPECT_TRUE(contains(block, "06  " + fmt("%6.3lf", d.cantilever_term[c][slot]) + "\r\n"))
        << block;
    EXPECT_TRUE(contains(block, "07  " + fmt("%6.3lf", d.total[c][slot]) + "\r\n")) << block;
}

// Every node row of a section's table against the stored node block.
void expect_node_rows(const std::string& page, const MatrixNodeResult& n, double seabed,
                      const char* label) {
    const std::string start = std::string("$0  MATRX1.PFM\r\n") + (*label ? "99  " : "") + label;
    const auto at = page.find(start);
    ASSERT_NE(at, std::string::npos) << label;
    const std::string table = page.substr(at, page.find("$0  MATRX3.PFM", at) - at);
    std::string rows;
    for (std::size_t i = 0; i < static_cast<std::size_t>(n.point_count); ++i) {
        rows += "$0  MATRX2.PFM\r\n00  " + fmt("%8.3lf", seabed - n.depth[i]) + "\r\n01  " +
                fmt("%8.3lf", n.angle[i] * 1000.0) + "\r\n02  " +
                fmt("%8.3lf", n.deflection[i] * 100.0) + "\r\n03  " + fmt("%14.3lf", n.moment[i]) +
                "\r\n04  " + fmt("%10.3lf", n.shear[i]) + "\r\n";
    }
    EXPECT_EQ(table.substr(table.find("$0  MATRX2.PFM")), rows) << label;
}

TEST(MatrixChain, ChangMultiLayerOnTheSandOfTheChainTests) {
    test::WallSection section = sand_by_n_value();
    section.method = 2;
    const auto folder = chain(section, {"TVNDAT", "TVNCAL", "TVNPRN"});
    const std::string chapter = folder->read("JD103MRX.PDT");
    // On uniform ground down to the toe at -30 the chain is Chang's pile:
    // the maximum moment of SP-VL, signed as the solver keeps it.
    EXPECT_TRUE(contains(chapter, "$0  MATRX4.PFM\r\n00    6.863\r\n01     0.877\r\n"
                                  "02    -341.636\r\n"))
        << chapter;
    // The four force lines over the free length 7.050 (crown +3.00 over the
    // virtual seabed -4.05) and their sum.
    for (const char* name : {"H$S1 $Z", "H$S2 $Z", "H$S3 $Z", "H$S4 $Z"})
        EXPECT_TRUE(contains(chapter, std::string("00   ") + name + "\r\n")) << name;
    EXPECT_TRUE(contains(chapter, "02   0.700\r\n03   7.050\r\n"));
    EXPECT_TRUE(contains(chapter, "$0  HENKEI3.PFM\r\n00     9.093\r\n"));
    EXPECT_FALSE(contains(chapter, "T$S"));

    const std::vector<Stored> stored =
        stored_levels(*folder, 1, 1, EmbedmentMethod::ChangMultiLayer);
    const LevelDisplacementBlock& d = stored[0].level.level_displacement;
    expect_displacement_slot(chapter, d, 0, 0, "腐食前");
    expect_displacement_slot(chapter, d, 0, 1, "腐食後");
    EXPECT_DOUBLE_EQ(d.total[0][0], 8.244);
    const MatrixResult& m = stored[0].cases[0].matrix;
    expect_node_rows(chapter, m.nodes[kSectionUncorroded], -4.05, "(腐食前)");
    expect_node_rows(chapter, m.nodes[kSectionSeabedMud], -4.05, "(腐食後)");
    // Within the allowable 10 cm; the pile toe as given.
    EXPECT_TRUE(contains(chapter, "07   8.697\r\n11   ≦ \r\n12  10.000\r\n13  OK \r\n"));
    EXPECT_TRUE(contains(chapter, "$0  MATRXLEN.PFM\r\n"));
    EXPECT_TRUE(contains(chapter, "00  -30.000\r\n"));
    test::check_viewer(*folder, {"-341.636", "9.093", "多層地盤"}, "tvnprn_matrix_chang");
}

// The construction stage of the both-studies section alone, by the C-type
// multi-layer method, with the still-water pressure: H.W.L. and L.W.L.
std::string construction_stage_input() {
    std::string text = test::both_studies_input(1);
    const std::string swdat = "swdat, 1 , 1 , 1 , 1 , 2 , 1 , 1 , 1 , 1 , 1 , 1 , 2 , 3 , 1 ";
    const auto at = text.find(swdat);
    EXPECT_NE(at, std::string::npos);
    text.replace(at, swdat.size(),
                 "swdat, 1 , 4 , 1 , 1 , 2 , 1 , 1 , 1 , 111 , 1 , 1 , 2 , 2 , 1 ");
    return text + "wav_t, 1 \r\n";
}

TEST(MatrixChain, ConstructionStageAtTwoTideLevels) {
    ProgramFolder folder;
    folder.write("CAL_FILE.DAT", construction_stage_input());
    folder.write("TVNCSTM.DAT", test::customisation_text());
    folder.write("PRG_SW.DAT", "0\r\n");
    for (const char* program : {"TVNWAV", "TVNCAL", "TVNPRN"}) {
        const ChildResult r = test::run_batch_in(folder, program);
        ASSERT_EQ(r.exit_code, 0) << program << ": " << r.err;
    }
    // Level index 0 (H.W.L.) and 1 (L.W.L.), the normal case of each.
    const std::vector<Stored> stored =
        stored_levels(folder, 2, 1, EmbedmentMethod::CTypeMultiLayer);
    const char* files[] = {"JW103MRX.PDT", "JW303MRX.PDT"};
    for (std::size_t level = 0; level < 2; ++level) {
        SCOPED_TRACE(files[level]);
        const std::string page = folder.read(files[level]);
        const CaseAreas& areas = stored[level].cases[0];
        // The still-water line first, then the force lines, one printed row
        // per stored LoadItem row.
        const auto s_row = page.find("$0  HENKEI2.PFM\r\n00   S$S $Z\r\n");
        ASSERT_NE(s_row, std::string::npos) << page;
        EXPECT_LT(s_row, page.find("00   H$S1 $Z"));
        EXPECT_EQ(count_of(page, "$0  HENKEI2.PFM"), areas.load_item_count);
        const LoadItem& still = areas.load_items[0];
        EXPECT_TRUE(contains(page, "04  " + fmt("%8.3lf", still.ratio) + "\r\n05  " +
                                       fmt("%8.3lf", still.factor) + "\r\n06  " +
                                       fmt("%8.3lf", still.term) + "\r\n"));
        const LevelDisplacementBlock& d = stored[level].level.level_displacement;
        EXPECT_TRUE(contains(page, "$0  HENKEI3.PFM\r\n00  " + fmt("%8.3lf", d.load_sum[0])));
        expect_displacement_slot(page, d, 0, 0, "");
        // H of the construction stage from the sheet-pile crown +3.00 over
        // the design seabed -6.00.
        EXPECT_TRUE(contains(page, "02   9.000\r\n"));
        const MatrixNodeResult& n = areas.matrix.nodes[kSectionUncorroded];
        expect_node_rows(page, n, -6.0, "");
        EXPECT_TRUE(contains(page, "$0  MATRX4.PFM\r\n00  " + fmt("%7.3lf", n.angle[0] * 1000.0) +
                                       "\r\n01  " + fmt("%8.3lf", n.deflection[0] * 100.0) +
                                       "\r\n02  " + fmt("%10.3lf", areas.matrix.moment[0])));
        // No passive pressure to check the reaction against in this stage.
        EXPECT_TRUE(contains(page, "$0  KKNHNRK3.PFM\r\n07     0.000\r\n08  " +
                                       fmt("%8.3lf", d.reaction[0][0]) +
                                       "\r\n09     \r\n10  － \r\n11  対象外\r\n"))
            << page;
    }
    EXPECT_FALSE(folder.exists("JW203MRX.PDT"));
    test::check_viewer(folder, {"多層地盤", "対象外"}, "tvnprn_matrix_construction");
}

// Chang's method on the sand (SP-VL decided): the loads over the free
// length, the three parts of the head displacement of both states and the
// decisive embedment length.
TEST(DisplacementChain, ChangPagesOfTheSandSection) {
    const auto folder = chain(sand_by_n_value(), {"TVNDAT", "TVNCAL", "TVNPRN"});
    const std::string page = folder->read("JD103CYN.PDT");
    for (const char* name : {"H$S1 $Z", "H$S2 $Z", "H$S3 $Z", "H$S4 $Z"})
        EXPECT_TRUE(contains(page, std::string("00   ") + name + "\r\n")) << name;
    EXPECT_TRUE(contains(page, "03   7.050\r\n"));
    EXPECT_TRUE(contains(page, "$0  HENKEI3.PFM\r\n00     9.093\r\n"));
    // δ1 + δ2 + δ3 before and after corrosion, within 10 cm.
    EXPECT_TRUE(contains(page, "04   0.877\r\n05   7.050\r\n06   4.837\r\n07     9.093\r\n"
                               "08   2.529\r\n09   8.243\r\n11   ≦ \r\n12  10.000\r\n13  OK \r\n"))
        << page;
    EXPECT_TRUE(contains(page, "04   0.900\r\n05   7.050\r\n06   5.061\r\n07     9.093\r\n"
                               "08   2.737\r\n09   8.698\r\n11   ≦ \r\n12  10.000\r\n13  OK \r\n"))
        << page;
    EXPECT_TRUE(contains(page, "6.073")) << page;
    EXPECT_TRUE(contains(page, "5.976")) << page;
    // Every chapter names the one sketch, written alike for every case.
    EXPECT_TRUE(contains(page, "$0  Y_HENI11.PFM    HENI_Z.PZK\r\n"));
    EXPECT_EQ(folder->read("HENI_Z.PZK")
                  .rfind("HENI_Z.PZK  変位図\r\n46 30\r\nL 2200 1500 3700 1500 0 3\r\n", 0),
              0u);
    test::check_viewer(*folder, {"8.243", "8.698", "9.093", "設計海底面"},
                       "tvnprn_displacement_sand");
}

// The section of the chain tests as it stands (seabed -6.00, k 10000) with
// E 200 kN/mm2: the last pile tried fails the displacement and the
// reaction at the virtual seabed.
TEST(DisplacementChain, ChangPagesOfASectionNoPileHolds) {
    test::WallSection section;
    section.young = 200.0;
    section.young_exponent = 0.0;
    const auto folder = chain(section, {"TVNDAT", "TVNCAL", "TVNPRN"});
    const std::string page = folder->read("JD103CYN.PDT");
    EXPECT_TRUE(contains(page, "09  37.659\r\n11   ＞ \r\n")) << page;
    EXPECT_TRUE(contains(page, "13  OUT\r\n"));
    EXPECT_TRUE(contains(page, "$0  CYNHNRK2.PFM\r\n02   380.600\r\n04   389.700\r\n05   ＜ \r\n"
                               "06  腐食後\r\n07    42.745\r\n08   389.700\r\n09   ＞ \r\n"
                               "10  OUT\r\n11  許容外\r\n"))
        << page;
    test::check_viewer(*folder, {"37.659", "許容外"}, "tvnprn_displacement_failing");
}

} // namespace
} // namespace wtn
