// The chapter of the two multi-layer methods (Chang's method and the C-type
// ground, both solved by transfer matrices over the given pile toe): the
// element table of the pile (Chang's multi-layer method only), the
// displacement, angle, moment and shear at every node with the head values,
// the stress checks, the head displacement, the subgrade reaction at the
// virtual seabed and the pile toe.
#pragma once

#include "page_file.h"
#include "report_chapter.h"
#include "report_state.h"

namespace wtn {

// Writes the chapter of the case and tide level.
void write_matrix_report(const StabilityReport& report, int case_index, int level_index);

// The method's pages after the chapter's head, written into the open
// chapter, which they close.
void write_matrix_pages(const StabilityReport& report, ReportChapter& chapter);

// The parts, for the tests. The element table is unnumbered; the result
// tables return item_no + 1.
void write_matrix_element_table(PageFile& page, const StabilityReport& report, int case_index);
int write_matrix_result_tables(PageFile& page, const StabilityReport& report, int case_index,
                               int item_no);
void write_matrix_embedment_page(PageFile& page, const StabilityReport& report, int item_no);

} // namespace wtn
