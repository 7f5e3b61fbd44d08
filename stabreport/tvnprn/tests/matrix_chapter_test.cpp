// The transfer-matrix chapter: element and node tables as the result area
// holds them, and the numbering of the chapter's items by method.
#include "current_folder.h"
#include "matrix_chapter.h"
#include "page_text.h"
#include "program_folder.h"
#include "stop_capture.h"
#include "text_search.h"

#include <gtest/gtest.h>

#include <string>

namespace wtn {
namespace {

using test::CurrentFolder;
using test::pages_of;
using test::ProgramFolder;

using test::contains;

// Chang's multi-layer method, virtual seabed -7.425, two elements (the
// layer to -9.0 and the one to the toe -11.0), corrosion zones differ. The
// node block holds three points and, after them, the unused entries at
// depth 1000.0 that the solver leaves.
StabilityReport matrix_report() {
    StabilityReport r;
    r.study_mode = kCompletedStateMode;
    r.input.swdat.design_standard = DesignStandard::Port;
    r.input.swdat.embedment_method = EmbedmentMethod::ChangMultiLayer;
    r.input.swdat.decision_code = 111;
    r.input.joken.embedment_level = -11.0;
    r.input.tjkn1.superstructure_crown = 3.0;
    r.force_case.base[kNormalCase] = {-7.425, 42.745};
    r.force_case.start_index = 0;
    r.force_case.layer_count = 2;
    r.force_case.layers[0].kh = 20000.0;
    r.results.corrosion.case_flag = kCorrosionZonesDiffer;
    r.results.design_values.allowable_displacement = {10.0, 15.0};
    MatrixResult& m = r.results.areas.matrix;
    for (std::size_t s = 0; s < kSectionCount; ++s) {
        MatrixElements& e = m.elements[s];
        e.count = 2;
        e.length = {1.575, 2.0};
        e.kh = {20000.0, 5000.0};
        e.beta = {0.863, 0.610 - 0.001 * static_cast<double>(s)};
        e.rigidity = {1.0, 1.0};
        e.factor = {1.0, 1.0};
        MatrixNodeResult& n = m.nodes[s];
        n.point_count = 3;
        n.depth = {0.0, 1.575, 3.575, 1000.0, 1000.0, 1000.0};
        n.deflection = {0.00877, 0.001, -0.0002, 9.0, 9.0, 9.0};
        n.angle = {-0.0012345, -0.0005, 0.0001, 9.0, 9.0, 9.0};
        n.moment = {0.0, -341.636, -12.5, 9.0, 9.0, 9.0};
        n.shear = {9.093, -50.25, 3.0, 9.0, 9.0, 9.0};
        m.moment[s] = -341.636 + static_cast<double>(s);
        m.max_moment_depth[s] = 1.2;
    }
    return r;
}

TEST(MatrixTables, ElementTableWalksDownFromTheVirtualSeabed) {
    const StabilityReport r = matrix_report();
    const std::string text = pages_of([&](PageFile& p) { write_matrix_element_table(p, r, 0); });
    const std::string state0 =
        "$1  MATRX_TL.PFM\r\n$0  MATRX_TB.PFM    MATRX_TB.PZK\r\n"
        "$T\r\n$0  MTRX1B.PFM\r\n99  (腐食前)\r\n$H  MTRXB_HD.PFM\r\n$F  MTRXB_FT.PFM\r\n"
        "$0  MTRX2B.PFM\r\n00    -7.425\r\n01    -9.000\r\n02     1.575\r\n03     20000.0\r\n"
        "04       0.863\r\n"
        "$0  MTRX2B.PFM\r\n00    -9.000\r\n01   -11.000\r\n02     2.000\r\n03      5000.0\r\n"
        "04       0.610\r\n"
        "$0  MTRX3B.PFM\r\n$H\r\n$F\r\n$L\r\n";
    EXPECT_EQ(text.substr(0, state0.size()), state0);
    // The seabed-mud table keeps its 2 x 2 rows and 6 lines together.
    EXPECT_TRUE(contains(text, "$L\r\n$R  10\r\n$T\r\n$0  MTRX1B.PFM\r\n99  (腐食後)\r\n")) << text;
    EXPECT_TRUE(contains(text, "04       0.608\r\n")) << text;
}

TEST(MatrixTables, NodeTablesPrintThePointsInCentimetresAndMilliradians) {
    const StabilityReport r = matrix_report();
    int next = 0;
    const std::string text =
        pages_of([&](PageFile& p) { next = write_matrix_result_tables(p, r, 0, 2); });
    EXPECT_EQ(next, 3);
    const std::string state0 =
        "$1  MATRX_TH.PFM\r\n99    2\r\n"
        "$T\r\n$0  MATRX1.PFM\r\n99  (腐食前)\r\n$H  MATRX_HD.PFM\r\n$F  MATRX_FT.PFM\r\n"
        "$0  MATRX2.PFM\r\n00    -7.425\r\n01    -1.234\r\n02     0.877\r\n"
        "03           0.000\r\n04       9.093\r\n"
        "$0  MATRX2.PFM\r\n00    -9.000\r\n01    -0.500\r\n02     0.100\r\n"
        "03        -341.636\r\n04     -50.250\r\n"
        "$0  MATRX2.PFM\r\n00   -11.000\r\n01     0.100\r\n02    -0.020\r\n"
        "03         -12.500\r\n04       3.000\r\n"
        "$0  MATRX3.PFM\r\n$H\r\n$F\r\n$L\r\n"
        // The head values: M_max as the solver signed it, at its elevation.
        "$R  8\r\n$0  MATRX4.PFM\r\n00   -1.234\r\n01     0.877\r\n02    -341.636\r\n"
        "03    -8.625\r\n";
    EXPECT_EQ(text.substr(0, state0.size()), state0);
    // Three points only: the unused entries after them are no rows.
    EXPECT_FALSE(contains(text, "1000")) << text;
    EXPECT_TRUE(contains(text, "$R  13\r\n$T\r\n$0  MATRX1.PFM\r\n99  (腐食後)\r\n")) << text;
    EXPECT_TRUE(contains(text, "02    -339.636\r\n")) << text;

    StabilityReport plain = matrix_report();
    plain.results.corrosion.case_flag = kNoCorrosion;
    const std::string one =
        pages_of([&](PageFile& p) { write_matrix_result_tables(p, plain, 0, 1); });
    EXPECT_FALSE(contains(one, "$R  13")) << one;
    EXPECT_FALSE(contains(one, "99  (")) << one;
    EXPECT_EQ(one.find("$T"), one.rfind("$T")) << one;

    StabilityReport broken = matrix_report();
    broken.results.areas.matrix.nodes[0].point_count = 46;
    const std::string stop = test::stop_text(
        [&] { pages_of([&](PageFile& p) { write_matrix_result_tables(p, broken, 0, 1); }); });
    EXPECT_TRUE(contains(stop, "neire.prn")) << stop;
}

// The items of the chapter's body after its head, by method.
std::string chapter_of(const StabilityReport& r) {
    ProgramFolder folder(false);
    CurrentFolder here(folder);
    ReportChapter chapter;
    chapter.page =
        std::make_unique<PageFile>("T.PDT", "title", RunInfo{}, &test::kStabilityTemplates);
    write_matrix_pages(r, chapter);
    return folder.read("T.PDT");
}

TEST(MatrixChapter, ItemsNumberedByMethod) {
    StabilityReport r = matrix_report();
    r.results.areas.load_items.resize(0);
    // Chang's multi-layer method: the element table unnumbered, then the
    // node tables item 2 and the stress check item 3.
    std::string text = chapter_of(r);
    EXPECT_LT(text.find("MATRX_TL.PFM"), text.find("MATRX_TH.PFM\r\n99    2\r\n")) << text;
    EXPECT_TRUE(contains(text, "$0  Y_ORYK1.PFM\r\n99    3\r\n")) << text;
    EXPECT_TRUE(contains(text, "Y_HENI21.PFM    HENI_Z.PZK\r\n99    4\r\n")) << text;
    EXPECT_TRUE(contains(text, "$0  CYANHNRK.PFM\r\n99    5\r\n")) << text;
    EXPECT_TRUE(contains(text, "$0  MATRXLEN.PFM\r\n99    6\r\n00  -11.000\r\n")) << text;

    // C-type multi-layer ground: no element table, the node tables item 1,
    // the reaction with k of the layer at the virtual seabed.
    r.input.swdat.embedment_method = EmbedmentMethod::CTypeMultiLayer;
    text = chapter_of(r);
    EXPECT_FALSE(contains(text, "MATRX_TL")) << text;
    EXPECT_TRUE(contains(text, "MATRX_TH.PFM\r\n99    1\r\n")) << text;
    EXPECT_TRUE(contains(text, "$0  Y_ORYK1.PFM\r\n99    2\r\n")) << text;
    EXPECT_TRUE(contains(text, "$0  KOKNHNRK.PFM    KOKNHNRK.PZK\r\n99    4\r\n")) << text;
    EXPECT_TRUE(contains(text, "00   20000.0\r\n")) << text;
    EXPECT_TRUE(contains(text, "$0  MATRXLEN.PFM\r\n99    5\r\n")) << text;

    // A concrete pile's moment check takes the stress page's place.
    r.input.joken.pile_type = PileType::Pc;
    r.concrete_pile = true;
    text = chapter_of(r);
    EXPECT_TRUE(contains(text, "$0  Y_MMAX1.PFM\r\n99    2\r\n")) << text;
    EXPECT_FALSE(contains(text, "Y_ORYK")) << text;
}

} // namespace
} // namespace wtn
