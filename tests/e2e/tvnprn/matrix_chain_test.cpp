// TVNPRN's transfer-matrix chapters after TVNDAT (or TVNWAV) and TVNCAL, and
// the displacement pages every method shares: the printed values against
// the ones the stability calculation stored in its work files.
#include "child_process.h"
#include "current_folder.h"
#include "file_io.h"
#include "program_folder.h"
#include "viewer_check.h"
#include "wall_section.h"
#include "work_files.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace wtn {
namespace {

using test::ChildResult;
using test::ProgramFolder;

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

std::unique_ptr<ProgramFolder> chain(const test::WallSection& section,
                                     std::initializer_list<const char*> programs) {
    auto folder = std::make_unique<ProgramFolder>();
    folder->write("CAL_FILE.DAT", test::input_file_text(section));
    folder->write("TVNCSTM.DAT", test::customisation_text());
    folder->write("CAL_FILE.INF", "SAND\r\ntitle\r\n26\r\n12\r\n10\r\n9\r\n5\r\n7\r\n");
    folder->write("PRG_SW.DAT", "0\r\n");
    for (const char* program : programs) {
        const ChildResult r = test::run_batch_in(*folder, program);
        EXPECT_EQ(r.exit_code, 0) << program << ": " << r.err;
    }
    return folder;
}

// The sand of the chain tests given by its N value (k_h = 1500 x 20).
test::WallSection sand_by_n_value() {
    test::WallSection section;
    section.seabed = -3.0;
    section.sea = {test::Layer{-3.0}};
    section.sea[0].option = 2;
    section.sea[0].n_value = 20.0;
    section.sea[0].kh = 30000.0;
    section.decision = 11;
    section.allow_disp_normal = 10.0;
    section.young = 200.0;
    section.young_exponent = 0.0;
    return section;
}

std::string fmt(const char* format, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

// What TVNCAL stored for one tide level and its cases, read back with the
// library's readers.
struct Stored {
    StabilityResults level;       // NEIRE_TL.PRN record of the level
    std::vector<CaseAreas> cases; // NEIRE.PRN records of the level's cases
};

std::vector<Stored> stored_levels(const ProgramFolder& folder, int levels, int cases, int method) {
    test::CurrentFolder here(folder);
    CFile tl = open_file(kNeireTlFile, "rb");
    CFile neire = open_file(kNeireFile, "rb");
    std::vector<Stored> out(static_cast<std::size_t>(levels));
    for (Stored& s : out) {
        read_neire_tl(tl.get(), s.level);
        for (int c = 0; c < cases; ++c) {
            s.cases.emplace_back();
            read_neire_case(neire.get(), s.cases.back(), from_file_value<EmbedmentMethod>(method),
                            CaseAreaSizes{60, 60});
        }
    }
    return out;
}

// The head-displacement values of a corrosion slot as printed by the
// pages of the multi-layer and curve methods, from the stored block.
void expect_displacement_slot(const std::string& page, const LevelDisplacementBlock& d,
                              std::size_t c, std::size_t slot, const char* label) {
    const auto at = page.find(std::string("$0  Y_HENI41.PFM\r\n99  ") + label);
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
    const auto at = page.find(std::string("$0  MATRX1.PFM\r\n99  ") + label);
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

    const std::vector<Stored> stored = stored_levels(*folder, 1, 1, 2);
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

} // namespace
} // namespace wtn
