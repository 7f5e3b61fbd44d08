#include "matrix_chapter.h"

#include "displacement_figure.h"
#include "displacement_pages.h"
#include "error_messages.h"
#include "format_values.h"
#include "stress_pages.h"

#include <vector>

namespace wtn {

namespace {

constexpr BlockStart kSamePage = BlockStart::same_page;

// Lines a table of the corroded state keeps together: two a row plus its
// heading and closing lines.
constexpr int kElementTableLines = 6;
constexpr int kNodeTableLines = 7;
constexpr int kHeadValueLines = 8;
constexpr int kEmbedmentPageLines = 6;

// Item numbers: the section pages are item 1; Chang's multi-layer method
// adds its element table before the node tables.
constexpr int kFirstItemWithElements = 2;
constexpr int kFirstItem = 1;

// The sections the tables show: before corrosion and, with corrosion, the
// seabed-mud section (the embedded part lies in it).
std::vector<std::size_t> table_sections(const StabilityReport& r) {
    if (!r.with_corrosion()) return {kSectionUncorroded};
    return {kSectionUncorroded, kSectionSeabedMud};
}

void write_state_label(PageFile& page, const StabilityReport& r, std::size_t section) {
    if (!r.with_corrosion()) return;
    page.value(99, section == kSectionUncorroded ? "(腐食前)" : "(腐食後)");
}

double virtual_seabed(const StabilityReport& r, int case_index) {
    return r.force_case.base[static_cast<std::size_t>(case_index)].level;
}

// A count outside the room of its arrays would print rows of another
// section or past the area: the work file is not one this program wrote.
void check_count(int count, std::size_t room, const char* what) {
    if (count >= 0 && static_cast<std::size_t>(count) <= room) return;
    stop_with_error(format_text("(ERROR)-根入れ部計算結果ファイル(neire.prn)の%sの数(%d)が"
                                "正しくありません.",
                                what, count));
}

} // namespace

void write_matrix_element_table(PageFile& page, const StabilityReport& r, int case_index) {
    page.block(BlockStart::new_page, "MATRX_TL.PFM");
    page.block(kSamePage, "MATRX_TB.PFM", "MATRX_TB.PZK");
    for (std::size_t s : table_sections(r)) {
        const MatrixElements& e = r.results.areas.matrix.elements[s];
        check_count(e.count, e.room(), "要素");
        if (s == kSectionSeabedMud) page.reserve(2 * e.count + kElementTableLines);
        page.table_begin();
        page.block(kSamePage, "MTRX1B.PFM");
        write_state_label(page, r, s);
        page.heading("MTRXB_HD.PFM");
        page.footing("MTRXB_FT.PFM");
        double top = virtual_seabed(r, case_index);
        for (std::size_t i = 0; i < static_cast<std::size_t>(e.count); ++i) {
            const double bottom = top - e.length[i];
            page.block(kSamePage, "MTRX2B.PFM");
            page.formatted(0, "%8.3lf", top);
            page.formatted(1, "%8.3lf", bottom);
            page.formatted(2, "%8.3lf", e.length[i]);
            page.formatted(3, "%10.1lf", e.kh[i]);
            page.formatted(4, "%10.3lf", e.beta[i]);
            top = bottom;
        }
        page.block(kSamePage, "MTRX3B.PFM");
        page.clear_heading_and_footing();
        page.table_end();
    }
}

int write_matrix_result_tables(PageFile& page, const StabilityReport& r, int case_index,
                               int item_no) {
    const MatrixResult& m = r.results.areas.matrix;
    const double seabed = virtual_seabed(r, case_index);
    page.block(BlockStart::new_page, "MATRX_TH.PFM");
    page.formatted(99, "%3d", item_no);
    for (std::size_t s : table_sections(r)) {
        const MatrixNodeResult& n = m.nodes[s];
        check_count(n.point_count, kMatrixNodeRoom, "節点");
        if (s == kSectionSeabedMud) page.reserve(2 * n.point_count + kNodeTableLines);
        page.table_begin();
        page.block(kSamePage, "MATRX1.PFM");
        write_state_label(page, r, s);
        page.heading("MATRX_HD.PFM");
        page.footing("MATRX_FT.PFM");
        // The stored y is in metres and θ in radians: the table prints cm
        // and 1/1000 rad.
        for (std::size_t i = 0; i < static_cast<std::size_t>(n.point_count); ++i) {
            page.block(kSamePage, "MATRX2.PFM");
            page.formatted(0, "%8.3lf", seabed - n.depth[i]);
            page.formatted(1, "%8.3lf", n.angle[i] * 1000.0);
            page.formatted(2, "%8.3lf", n.deflection[i] * 100.0);
            page.formatted(3, "%14.3lf", n.moment[i]);
            page.formatted(4, "%10.3lf", n.shear[i]);
        }
        page.block(kSamePage, "MATRX3.PFM");
        page.clear_heading_and_footing();
        page.table_end();

        page.reserve(kHeadValueLines);
        page.block(kSamePage, "MATRX4.PFM");
        page.formatted(0, "%7.3lf", n.angle[0] * 1000.0);
        page.formatted(1, "%8.3lf", n.deflection[0] * 100.0);
        page.formatted(2, "%10.3lf", m.moment[s]);
        page.formatted(3, "%8.3lf", seabed - m.max_moment_depth[s]);
    }
    return item_no + 1;
}

void write_matrix_embedment_page(PageFile& page, const StabilityReport& r, int item_no) {
    page.reserve(kEmbedmentPageLines);
    page.block(kSamePage, "MATRXLEN.PFM");
    page.formatted(99, "%3d", item_no);
    page.formatted(0, "%7.3lf", r.input.joken.embedment_level);
}

void write_matrix_pages(const StabilityReport& r, ReportChapter& chapter) {
    PageFile& page = *chapter.page;
    const int c = chapter.case_index;
    const bool chang = r.method() == EmbedmentMethod::ChangMultiLayer;
    int item_no = kFirstItem;
    if (chang) {
        write_matrix_element_table(page, r, c);
        item_no = kFirstItemWithElements;
    }
    item_no = write_matrix_result_tables(page, r, c, item_no);
    item_no = r.concrete_pile ? write_cracking_moment_page(page, r, c, item_no)
                              : write_stress_check_page(page, r, c, item_no);
    // The depth of the maximum moment comes from the transfer matrices, so
    // the steel pipe's position page of Chang's method is left out.
    if (steel_pipe_pages_on(r)) {
        item_no = write_lmmax_pressure_page(page, r, c, item_no);
        item_no = write_secondary_stress_page(page, r, c, item_no);
        item_no = write_combined_stress_page(page, r, c, item_no);
    }
    draw_displacement_figure(r);
    item_no = write_displacement_pages(page, r, c, item_no, DisplacementSource::Matrix);
    item_no = chang ? write_chang_seabed_check_page(page, r, c, item_no)
                    : write_koken_seabed_check_page(page, r, c, item_no,
                                                    SeabedCheckKind::CTypeMultiLayer);
    write_matrix_embedment_page(page, r, item_no);
    page.close();
}

void write_matrix_report(const StabilityReport& report, int case_index, int level_index) {
    ReportChapter chapter = open_chapter(report, case_index, level_index);
    write_matrix_pages(report, chapter);
}

} // namespace wtn
