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

// Writes the method's pages into the opened chapter (its head written) and
// closes it.
void write_matrix_report(const StabilityReport& report, ReportChapter& chapter);

// The parts, for the tests. The element table is unnumbered; the result
// tables return item_no + 1.
void write_matrix_element_table(PageFile& page, const StabilityReport& report, int case_index);
int write_matrix_result_tables(PageFile& page, const StabilityReport& report, int case_index,
                               int item_no);
void write_matrix_embedment_page(PageFile& page, const StabilityReport& report, int item_no);

} // namespace wtn
